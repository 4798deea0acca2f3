#!/usr/bin/env bash
# `cmake --install` into a staging folder lays out the program as a desktop
# program, and the desktop entry and AppStream description validate.
#   install_test.sh BUILD_DIR
set -uo pipefail
build="$1"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
passed=0
failed=0
check() {  # check NAME COMMAND...
    local name="$1"
    shift
    if "$@" >/tmp/qv-install-check.$$ 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED $name"
        sed 's/^/  /' /tmp/qv-install-check.$$
    fi
    rm -f /tmp/qv-install-check.$$
}

check "install" cmake --install "$build" --prefix "$stage/usr"
id=io.github.quorvanta.Quorvanta
for file in bin/quorvanta share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg "share/quorvanta/Quorvanta Manual.pdf" \
    share/quorvanta/translations/quorvanta_de.qm; do
    check "installed $file" test -s "$stage/usr/$file"
done
for size in 16 24 32 48 64 128 256; do
    check "icon ${size}x${size}" test -s "$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
check "the binary runs" "$stage/usr/bin/quorvanta" --help
check "desktop entry" desktop-file-validate "$stage/usr/share/applications/$id.desktop"
check "AppStream description" appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml"
check "file type" grep -q '<glob pattern="\*.gph"/>' "$stage/usr/share/mime/packages/$id.xml"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
