#pragma once

// The calculator's answer text: the plain number, followed on lines of their
// own by the forms the user ticked (a fraction, a multiple of pi, a radical,
// or pi and a radical together), and the continued fraction behind the
// fraction forms.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The answer prefix: 33 blanks, "=", one blank. Every answer line of the
// history box starts with it.
inline constexpr std::string_view kAnswerPrefix = "                                 = ";

struct Fraction {
    int32_t num = 0;
    int32_t den = 1;
};

// The continued fraction of d as the calculator finds it: an expansion that
// stops at the first fractional part below about 2e-6, with num and den
// whole 32-bit numbers and den positive. None when there is no such fraction
// (d = 0, a reciprocal beyond the 32-bit range, a denominator that
// overflows); the callers then fall back to the forms without a fraction.
// Also none for the rare denominator of exactly 2^31 (-13/2147483648 from
// -6.05359673500061E-09), which the struct cannot hold; formatAnswer still
// shows that fraction.
std::optional<Fraction> fraction(double d);

// The forms ticked in the calculator panel.
struct AnswerForms {
    bool fraction = false;  // "Fraction"
    bool pi = false;        // "Factor of pi"
    bool radical = false;   // "Radical"
};

// The answer text for the value a, laid out for the history box: the first
// line holds the plain number, each further form goes on a line of its own
// after CR LF + kAnswerPrefix, and "*" and "/" stand between blanks
// ("2.82842712474619\r\n<prefix>2 * sqrt(2)"). The caller writes the prefix
// of the first line. A form is shown only when what it says, computed in
// double from the numbers it shows, has the plain number's text; a fraction
// that does not is left out as if none had been found, any other form is
// simply left out, and so is a form that cannot be made (a square beyond
// the double range, a radical search beyond 2^64). None only for an
// infinity or a NaN, which has no number text; the caller then writes
// "Error".
std::optional<std::string> formatAnswer(double a, AnswerForms forms, double constPi = 3.141592653589793);

// The history box layout of an answer text: blanks removed, every "="
// starting a new line (CR LF + kAnswerPrefix), " * " and " / " between
// blanks. formatAnswer applies it; a text answer gets it on its own.
std::string layoutAnswer(std::string answer);

}  // namespace qv
