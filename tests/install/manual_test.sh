#!/usr/bin/env bash
# The manual built with the program names every menu command and every
# command-line option, has the chapter on the keyboard, screen readers and
# languages, and holds its pictures.
#   manual_test.sh "BUILD_DIR/Quorvanta Manual.pdf"
set -uo pipefail
pdf="$1"
# Compared without blanks and line ends: the page's lines break anywhere.
# The typeface's ligatures come back as single characters.
text=$(pdftotext "$pdf" - 2>/dev/null | tr -d ' \n' |
    sed -e 's/\xEF\xAC\x80/ff/g' -e 's/\xEF\xAC\x81/fi/g' -e 's/\xEF\xAC\x82/fl/g' -e 's/\xEF\xAC\x83/ffi/g' -e 's/\xEF\xAC\x84/ffl/g')
failed=0
missing() {
    echo "MISSING $1"
    failed=$((failed + 1))
}
commands=("New Graph" "New Window" "Open..." "Open Recent" "Save As..." "Save As Bitmap..." "Export Graph..."
    "Print..." "Create Initialize File..." "Set Default Ranges..." "Import List..." "Export List..."
    "Export Log( ) of List..." "Export Inverse of List..." "Export List-Function Difference..." "Exit"
    "Copy Graph" "Undo" "Redo" "Hide Scrolling Plot" "Smooth Plotting" "Auto z Range" "Log x-axis" "Log y-axis"
    "1 / x-axis" "1 / y-axis" "Set to Default" "Zoom In" "Zoom Out" "Shift Graph Left" "Shift Graph Right"
    "Shift Graph Up" "Shift Graph Down" "Stop Animation" "More Visual Options..." "Parametric Grapher"
    "Calculator" "Vectors" "Find Root" "Find Local Extremum" "Find Inflection Point" "Find Intersection"
    "Evaluate Derivative" "Evaluate Second Derivative" "Evaluate Integral..." "Help Contents" "About Quorvanta...")
for c in "${commands[@]}"; do
    grep -qF -- "${c// /}" <<<"$text" || missing "menu command \"$c\""
done
for option in --eval --z --A --calculator --derive --stats --fit --calc --fraction --pi --radical --ans --var \
    --render --size --help; do
    grep -qF -- "$option" <<<"$text" || missing "option $option"
done
# The chapter on the keyboard, screen readers and languages.
for words in "Keyboard, screen readers and languages" "Ctrl+Shift+Z" "F5" "Multiply x min by pi"; do
    grep -qF -- "${words// /}" <<<"$text" || missing "words \"$words\""
done
images=$(pdfimages -list "$pdf" 2>/dev/null | tail -n +3 | wc -l)
[[ $images -ge 8 ]] || missing "pictures (found $images)"
echo "$failed missing"
[[ $failed -eq 0 ]]
