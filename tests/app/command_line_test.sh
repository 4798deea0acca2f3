#!/usr/bin/env bash
# Runs the program's command line as a user would and checks what it prints:
# the display and evaluation forms of typed expressions, their values, the
# calculator's rewriting, the parenthesis message and the derivatives.
# Usage: command_line_test.sh PATH-TO-QUORVANTA
set -u
qv="$1"
passed=0
failed=0

check() {  # check NAME EXPECTED ACTUAL
    if [[ "$2" == "$3" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

# near WANT "derivative: VALUE": "near" when VALUE is within 1e-6 of WANT.
near() {
    awk -v want="$1" -v line="$2" 'BEGIN {
        sub(/^derivative: /, "", line); d = line - want; if (d < 0) d = -d
        print (d < 1e-6 ? "near" : "off: " line) }'
}

# typed | display form | evaluation form (graph mode)
while IFS='|' read -r typed display evaluation; do
    [[ -z "$typed" ]] && continue
    out=$("$qv" --eval "$typed" 2>/dev/null)
    check "display of $typed" "display: $display" "$(sed -n 1p <<<"$out")"
    check "evaluation of $typed" "evaluation: $evaluation" "$(sed -n 2p <<<"$out")"
done <<'ROWS'
2z|2*z|2*z
z2|z^2|z^2
2sin(z)|2*sin(z)|2*sin(z)
sin(z)cos(z)|sin(z)*cos(z)|sin(z)*cos(z)
3(z+1)(z-1)|3*(z+1)*(z-1)|3*(z+1)*(z-1*1)
[z+1]2|(z+1)^2|(z+1)^2
x^-1|z^-1|z^-1
-z^2|-z^2|-1*z^2
abs(t)|abs(z)|abs(z)
45deg|45*(pi/180)|45*(pi/180)
pi/2rad|pi/2*(180/pi)|pi/2*(180/pi)
tz|z*z|z*z
2pi|2*pi|2*pi
e2|e^2|e^2
2life|2*life|2*life
1.5E-3z|1.5E-3*z|1.5*10^-3*z
5E3|5E3|5*10^3
sqrt(z)|sqrt(z)|sqr(z)
log(z)|log(z)|baseten(z)
2rnd|2*rnd|2*RandomNumber()
asinh(z)|asinh(z)|asinh(z)
(z)mod(3)|(z)mod(3)|(z)mod(3)
sin z|sinz|sinz
sinn(z)|sinn(z)|_ 18_n*(z)
ROWS

# typed | z | value
while IFS='|' read -r typed z value; do
    [[ -z "$typed" ]] && continue
    out=$("$qv" --eval "$typed" --z "$z" 2>/dev/null)
    check "value of $typed at $z" "value: $value" "$(sed -n 3p <<<"$out")"
done <<'ROWS'
2z|3|6
-z^2|-3|-9
3(z+1)(z-1)|2|9
(z)mod(3)|7|1
x^-1|0|error 5
1/z|0|error 11
sqrt(z)|-1|error 5
log(z)|1000|3
5E3|0|5000
z2|1E-5|1E-10
45deg|0|0.785398163397448
prime(6)|0|13
fact(z)|5|120
asin(z)|1.5|error 5
ln(z)|-1|error 5
fact(z)|200|error 6
cot(z)|0|error 11
2+|0|error 1002
ROWS

# The calculator keeps its own notation.
out=$("$qv" --eval "2x+45deg" --calculator 2>/dev/null)
check "calculator display" "display: 2x+45deg" "$(sed -n 1p <<<"$out")"
out=$("$qv" --eval "2^(3)" --calculator 2>/dev/null)
check "calculator power" "display: 2*(3)" "$(sed -n 1p <<<"$out")"
out=$("$qv" --eval '2```(3)' --calculator 2>/dev/null)
check "calculator protected power" "display: 2^(3)" "$(sed -n 1p <<<"$out")"

# An unbalanced text shows the message and goes on to the forms and value.
err=$("$qv" --eval "(z+1)(z" --z 1 2>&1 >/dev/null)
check "parenthesis message" $'Quorvanta  -  Formula error!\nOne of your expressions does not contain an equal number of opened and closed parenthesis.' "$err"
out=$("$qv" --eval "(z+1)(z" --z 1 2>/dev/null)
check "parenthesis display" $'display: (z+1)*(z\nevaluation: (z+1)*(z\nvalue: error 1002' "$out"

# Values without z, and the kinds of result.
check "empty value" "value: Empty" "$("$qv" --eval "A" 2>/dev/null | sed -n 3p)"
check "animation parameter" "value: 6" "$("$qv" --eval "2A" --A 3 --z 0 2>/dev/null | sed -n 3p)"
check "boolean value" "value: True" "$("$qv" --eval "1<2" 2>/dev/null | sed -n 3p)"
check "text value" 'value: a"b' "$("$qv" --eval '"a""b"' 2>/dev/null | sed -n 3p)"
check "z given as an expression" "value: 1" "$("$qv" --eval "sin(z)" --z "pi/2" 2>/dev/null | sed -n 3p)"

# Derivatives of the plotted notation.
out=$("$qv" --derive 1 "z3" --z 2 2>/dev/null)
check "first derivative" "near" "$(near 12 "$(sed -n 1p <<<"$out")")"
check "first derivative flag" "eval_error: 0" "$(sed -n 2p <<<"$out")"
check "derivative of a constant" $'derivative: 0\neval_error: 0' "$("$qv" --derive 2 "5" --z 1 2>/dev/null)"
check "derivative at a domain edge" $'derivative: 0\neval_error: -1' "$("$qv" --derive 1 "sqrt(z)" --z 0 2>/dev/null)"
check "negative point" "near" "$(near -6 "$("$qv" --derive 1 "z^2" --z -3 2>/dev/null | sed -n 1p)")"

# Bad arguments end with a message and a failing status, never a window.
"$qv" --derive 4 "z" --z 1 >/dev/null 2>&1
check "derivative order 4 refused" "2" "$?"
"$qv" --eval >/dev/null 2>&1
check "missing text refused" "2" "$?"
# A value of z or A that is no finite number is refused in one line, not read as 0.
for bad in nan inf abc 1e999 '"text"'; do
    for option in --z --A; do
        err=$("$qv" --derive 1 "z^2" "$option" "$bad" 2>&1 >/dev/null)
        check "$option $bad refused" "2" "$?"
        check "$option $bad message" "1" "$(wc -l <<<"$err" | tr -d ' ')"
    done
done
# --stats reads a list file as the import does and prints the panel's four labels.
stats_dir=$(mktemp -d)
trap 'rm -rf "$stats_dir"' EXIT
printf '1\r\n2\r\n3\n4' >"$stats_dir/list.txt"
check "stats of a list" $'Sum = 10\nAverage =  2.5\nStandard Deviation =  1.29099444873581\nNumber of Elements =  4' \
    "$("$qv" --stats "$stats_dir/list.txt" 2>/dev/null)"
printf '1\r\n\0\r\n' >"$stats_dir/binary.txt"
for bad in missing.txt binary.txt; do
    out=$("$qv" --stats "$stats_dir/$bad" 2>/dev/null)
    check "stats of $bad fails" "1" "$?"
    check "stats of $bad prints nothing" "" "$out"
    err=$("$qv" --stats "$stats_dir/$bad" 2>&1 >/dev/null)
    one_line=no
    [[ "$err" == "error: "* && "$err" != *$'\n'* ]] && one_line=yes
    check "stats of $bad: one line error: REASON" "yes" "$one_line"
done
check "stats of a binary file says so" 'error: The file "binary.txt" is not a text list: it holds binary data.' \
    "$("$qv" --stats "$stats_dir/binary.txt" 2>&1)"
check "stats of a missing file says so" 'error: "missing.txt" not found!' "$("$qv" --stats "$stats_dir/missing.txt" 2>&1)"
printf '1\r\n2\r\nabc\r\n' >"$stats_dir/word.txt"
check "stats of a file with a word names its line" 'error: Line 3 of "word.txt" is not a number: abc' \
    "$("$qv" --stats "$stats_dir/word.txt" 2>&1)"
# Every digit of every item counts: the exact sum, rounded once to 15 digits.
yes 0.3333333333333333 | head -n 32767 >"$stats_dir/thirds.txt"
check "stats of 32767 thirds" \
    $'Sum = 10922.3333333333\nAverage =  0.333333333333333\nStandard Deviation =  0\nNumber of Elements =  32767' \
    "$("$qv" --stats "$stats_dir/thirds.txt" 2>&1)"
# --fit fits the points of two list files as "Create Fit" does.
printf '1\r\n2\r\n3\r\n' >"$stats_dir/x.txt"
printf '7\r\n5\r\n3\r\n' >"$stats_dir/y.txt"
printf '0\r\n5\r\n3\r\n' >"$stats_dir/y0.txt"
check "fit of a falling line" $'function: -2*(z)+(9)\ncorrelation:  1' \
    "$("$qv" --fit linear "$stats_dir/x.txt" "$stats_dir/y.txt" 2>/dev/null)"
printf '5\r\n5\r\n5\r\n' >"$stats_dir/y5.txt"
check "fit of equal y is perfect" $'function: 0*(z)+(5)\ncorrelation:  1' \
    "$("$qv" --fit linear "$stats_dir/x.txt" "$stats_dir/y5.txt" 2>&1)"
check "fit of a log of zero" $'error: No function fits this data.' \
    "$("$qv" --fit exponential "$stats_dir/x.txt" "$stats_dir/y0.txt" 2>&1)"
"$qv" --fit exponential "$stats_dir/x.txt" "$stats_dir/y0.txt" >/dev/null 2>&1
check "a refused fit exits 1" "1" "$?"
"$qv" --fit sideways "$stats_dir/x.txt" "$stats_dir/y.txt" >/dev/null 2>&1
check "an unknown fit type is refused" "2" "$?"
# --calc prints what the calculator's history gains, then the answer.
P='                                 = '
check "calc with a radical" " sqrt(8)"$'\n'"${P}2.82842712474619"$'\n'"${P}2 * sqrt(2)"$'\n'"ans: 2.82842712474619" \
    "$("$qv" --calc "sqrt(8)" --radical 2>&1)"
check "calc of an empty box repeats the answer" " "$'\n'"${P}0.5"$'\n'"${P}1 / 2"$'\n'"ans: 0.5" \
    "$("$qv" --calc "" --ans 0.5 --fraction 2>&1)"
check "calc with variables" " pi*r^2"$'\n'"${P}28.2743338823081"$'\n'"ans: 28.2743338823081" \
    "$("$qv" --calc "pi*r^2" --var r=3 2>&1)"
check "calc of an error keeps the answer" " 1/0"$'\n'"${P}Error"$'\n'"ans: 7" "$("$qv" --calc "1/0" --ans 7 2>&1)"
"$qv" --calc "1/0" >/dev/null 2>&1
check "calc of an error exits 1" "1" "$?"
check "calc refuses ans in a name" 'error: One of your variables has "ans" as part of its name.  This should be avoided.' \
    "$("$qv" --calc trans --var trans=1 2>&1)"
"$qv" --calc 1 --var a=1 --var b=2 --var c=3 --var d=4 --var e=5 --var f=6 >/dev/null 2>&1
check "calc takes five variables at most" "2" "$?"
# A domain error is the error answer, never a number.
for text in "ln(-1)" "asin(2)" "fact(200)"; do
    check "calc of $text" " $text"$'\n'"${P}Error"$'\n'"ans: 0" "$("$qv" --calc "$text" 2>&1)"
    "$qv" --calc "$text" >/dev/null 2>&1
    check "calc of $text exits 1" "1" "$?"
done
# A form is shown only when it gives the answer back.
check "calc of a large radical" " 100000"$'\n'"${P}100000"$'\n'"ans: 100000" \
    "$("$qv" --calc 100000 --radical 2>&1)"
check "calc of a tiny radical" " 1E-170"$'\n'"${P}1E-170"$'\n'"ans: 1E-170" "$("$qv" --calc 1E-170 --radical 2>&1)"
check "calc of a near fraction" " 0.5000001"$'\n'"${P}0.5000001"$'\n'"ans: 0.5000001" \
    "$("$qv" --calc 0.5000001 --fraction 2>&1)"
# The last answer keeps every bit.
check "calc of ans keeps every bit" " ans*3"$'\n'"${P}1"$'\n'"ans: 1" "$("$qv" --calc "ans*3" --ans 0.3333333333333333 2>&1)"
# Variables are whole names; a name nothing set is named.
check "calc of a variable beside a function" " a*tan(a)"$'\n'"${P}1.5574077246549"$'\n'"ans: 1.5574077246549" \
    "$("$qv" --calc "a*tan(a)" --var a=1 2>&1)"
check "calc names what reads as 0" " 2*w+z"$'\n'"${P}0"$'\n'"note: w and z are not defined and read as 0"$'\n'"ans: 0" \
    "$("$qv" --calc "2*w+z" 2>&1)"
"$qv" --help | grep -q -- "--calc TEXT"
check "help lists --calc" "0" "$?"
"$qv" --help | grep -q -- "--fit TYPE"
check "help lists --fit" "0" "$?"
# --render draws a graph file without a display.
data_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/data"
render_out="$stats_dir/picture.png"
check "render writes the picture" "image: $render_out 320x200" \
    "$(env -u DISPLAY "$qv" --render "$data_dir/lissajous.gph" -o "$render_out" --size 320x200 2>&1)"
check "render makes a PNG" "PNG" "$(head -c 4 "$render_out" | tail -c 3)"
env -u DISPLAY "$qv" --render "$data_dir/lissajous.gph" -o "$stats_dir/picture.svg" >/dev/null 2>&1
check "render makes an SVG" "1" "$(grep -c '<svg' "$stats_dir/picture.svg")"
env -u DISPLAY "$qv" --render "$data_dir/lissajous.gph" -o "$stats_dir/picture.pdf" >/dev/null 2>&1
check "render makes a PDF" "%PDF" "$(head -c 4 "$stats_dir/picture.pdf")"
printf 'File_Start\r\n-5\r\n' > "$stats_dir/short.gph"
check "render of a short file names the line" "error: line 3: the file ends here; expected a default range" \
    "$("$qv" --render "$stats_dir/short.gph" -o "$render_out" 2>&1)"
"$qv" --render "$stats_dir/short.gph" -o "$render_out" >/dev/null 2>&1
check "render of a bad file exits 1" "1" "$?"
"$qv" --render "$data_dir/lissajous.gph" -o "$render_out" --size 10x10 >/dev/null 2>&1
check "render refuses a tiny size" "2" "$?"
"$qv" --help | grep -q -- "--render FILE.gph"
check "help lists --render" "0" "$?"
"$qv" --help | grep -q -- "--eval"
check "help lists --eval" "0" "$?"
# --find runs the Calculus menu's searches: the point's z, x and y, or the
# menu's failure message and status 1.
# within WANT TOLERANCE "name: VALUE": "within" when VALUE is that close to WANT.
within() {
    awk -v want="$1" -v tol="$2" -v line="$3" 'BEGIN {
        if (line !~ /^[a-z]+: -?[0-9]/) { print "no value: " line; exit }
        sub(/^[a-z]+: /, "", line); d = line - want; if (d < 0) d = -d
        print (d <= tol ? "within" : "off: " line) }'
}
# kind | x | y | from | z (Python: the exact point)
while IFS='|' read -r kind x y from want; do
    [[ -z "$kind" ]] && continue
    out=$("$qv" --find "$kind" --x "$x" --y "$y" --from "$from" 2>/dev/null)
    check "find $kind of $y from $from: status" "0" "$?"
    check "find $kind of $y from $from: z" "within" "$(within "$want" 1e-9 "$(sed -n 1p <<<"$out")")"
done <<'ROWS'
inflection|z|z^3-3*z|0|0
inflection|z|z^3-3*z|0.3|0
inflection|z|z^3-3*z|-0.5|0
inflection|z|z^3-3*z|0.1|0
inflection|z|z^3-3*z|1|0
inflection|z|sin(z)|3|3.14159265358979
inflection|z|tan(z)|1.6|3.14159265358979
inflection|z|z^3+z|0.5|0
root|z|z^2-2|1|1.4142135623731
root|z|cos(z)-z|0|0.739085133215161
root|z|z^3-2z-5|2|2.09455148154233
root|z|ln(z)|1.5|1
extremum|z|(z-3)^2|0|3
extremum|2z+1|(z-3)^2|0|3
extremum|z|sin(z)|1|1.5707963267949
extremum|z|z*exp(-z)|0.5|1
ROWS
check "find prints z, x and y" $'z: 2\nx: 2\ny: 4' \
    "$("$qv" --find intersection --y "z^2" --with "z+2" --from 1 2>&1)"
check "find of a parabola's vertex" $'z: 3\nx: 3\ny: 0' "$("$qv" --find extremum --y "(z-3)^2" --from 0 2>&1)"
check "find with x given" $'z: 0.5\nx: 0.25\ny: 0' "$("$qv" --find root --x "z2" --y "2z-1" --from 3 2>&1)"
check "find of a constant zero stays at the start" $'z: 7\nx: 7\ny: 0' "$("$qv" --find root --y 0 --from 7 2>&1)"
# No false points: a failed evaluation, no zero, a pole, a runaway, noise.
R="not found: A root cannot be found near the desired reference number."
I="not found: An inflection point cannot be found near the desired reference number."
while IFS='|' read -r kind y from message; do
    [[ -z "$kind" ]] && continue
    out=$("$qv" --find "$kind" --y "$y" --from "$from" 2>&1)
    check "find $kind of $y from $from: status" "1" "$?"
    check "find $kind of $y from $from: message" "${!message}" "$out"
done <<'ROWS'
root|ln(z)|-1|R
root|z^2+1|1|R
root|z^2+1|0|R
root|5|1|R
root|1/z|1|R
root|exp(-z)|0|R
root|sqrt(z)|0|R
inflection|tan(z)|1.5707963267949|I
inflection|z^2|-2|I
ROWS
check "find off the curve" "not found: A root cannot be found near the desired reference number." \
    "$("$qv" --find root --x "sqrt(z)" --y "z^2-2" --from -1 2>&1)"
check "find of an extremum that is not there" \
    "not found: An extremum cannot be found near the desired reference number." \
    "$("$qv" --find extremum --y "exp(z)" --from 0 2>&1)"
check "find from a reference that is no number" "not found: A root cannot be found near the desired reference number." \
    "$("$qv" --find root --y "z^2-2" --from "1/0" 2>&1)"
check "find from a reference heal cannot restore" \
    "not found: A root cannot be found near the desired reference number." \
    "$("$qv" --find root --y "z^2-2" --from "sinn(1)" 2>&1)"
check "find notes a name read as 0" "note: w is not defined and reads as 0" \
    "$("$qv" --find root --y "z-w" --from 1 2>&1 >/dev/null)"
# Missing or misplaced options are refused with one line and status 2.
for args in "--find root --from 1" "--find root --y z" "--find intersection --y z --from 1" \
    "--find root --y z --with 1 --from 1" "--find sideways --y z --from 1" "--find root --y z --x '' --from 1"; do
    err=$(eval "\"\$qv\" $args" 2>&1 >/dev/null)
    check "find refuses $args" "2" "$?"
    check "find refuses $args in one line" "1" "$(wc -l <<<"$err" | tr -d ' ')"
done
"$qv" --help | grep -q -- "--find KIND"
check "help lists --find" "0" "$?"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
