#!/usr/bin/env bash
# The translation files hold every text the program marks for translation,
# each translated: collecting the texts again from the sources changes
# nothing, and no text is left unfinished.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$root"/translations/*.ts; do
    name="$(basename "$ts")"
    cp "$ts" "$work/$name"
    bash "$root/scripts/update-translations.sh" "$work/$name"
    if ! diff -u "$ts" "$work/$name" > "$work/$name.diff"; then
        echo "FAIL: $name is not up to date with the sources; run scripts/update-translations.sh:"
        head -40 "$work/$name.diff"
        status=1
    fi
    unfinished="$(grep -c 'type="unfinished"' "$work/$name" || true)"
    if [[ "$unfinished" != 0 ]]; then
        echo "FAIL: $name has $unfinished untranslated texts:"
        grep -B3 'type="unfinished"' "$work/$name" | grep '<source>' | head -20
        status=1
    fi
    messages="$(grep -c '<message>' "$work/$name" || true)"
    echo "$name: $messages texts, $unfinished untranslated"
done
exit "$status"
