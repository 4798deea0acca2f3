#!/usr/bin/env bash
# Collects every text marked for translation in src/ into the translation
# files under translations/ (new texts arrive untranslated; texts no longer
# in the code are dropped). Run it after changing a text the user reads,
# then translate what it reports as unfinished. Given .ts files as
# arguments, it updates those instead.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

lupdate=/usr/lib/qt6/bin/lupdate
[[ -x "$lupdate" ]] || lupdate="$(command -v lupdate)"

files=("$@")
cd "$QV_ROOT"
if ((${#files[@]} == 0)); then
    files=(translations/*.ts)
fi
# The core marks its constants with QV_TR and looks texts up with userText
# (src/expression/user_text.h): the same as Qt's QT_TRANSLATE_NOOP and
# QCoreApplication::translate.
"$lupdate" -silent -no-obsolete -locations none \
    -tr-function-alias QT_TRANSLATE_NOOP+=QV_TR,translate+=userText \
    -extensions cpp,h src -ts "${files[@]}"
