#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number texts: the one place that turns doubles into text and text into
// doubles. Everything here ignores the C locale, so a decimal comma in the
// user's environment never leaks into formulas, files or boxes.
namespace qv {

// The plain form, with the layout of C's "%.15G": 15 significant digits,
// trailing zeros dropped, fixed notation when the decimal exponent is from -4
// to 14, otherwise d.dddE+XX / d.dddE-XX (at least two exponent digits).
// Negative zero prints "0". Infinities and NaN have no number text; they
// print "1.#INF", "-1.#INF" and "1.#QNAN" (any NaN), which are not numeric.
std::string plainText(double x);

// The plain form with one leading blank for zero and positive values, the
// place where a minus sign would be (" 2.5", "-0.75", " 0").
std::string strText(double x);

// The shortest text that reads back as exactly the same double, written as a
// number literal of the expression language (digits, optional point,
// optional E with sign and digits). Negative zero gives "-0". Used when a
// value is substituted into an expression text. Non-finite values have no
// literal: they give "1E+999" / "-1E+999" (NaN gives "1E+999"), a literal
// that overflows, so the evaluator reports an overflow instead of reading
// some wrong finite value.
std::string roundTripText(double x);

// The numeric-text test: optional blanks (space or tab) around an optional
// sign, digits with at most one decimal point (at least one digit), an
// optional exponent (E or e, optional sign, at least one digit), optional
// trailing blanks. A text whose value overflows a double is not numeric.
bool isNumeric(std::string_view s);

// Strict conversion: the correctly rounded value when isNumeric(s), else
// nullopt. Values below the smallest subnormal read as a signed zero.
std::optional<double> toNumber(std::string_view s);

// Lenient reading: the value of the longest leading part of the text (after
// leading blanks) that is a number; 0 when there is none. A leading number
// that overflows a double also gives 0.
double leadingNumber(std::string_view s);

// Rounds x to the given number of decimals, an exact half to even:
// x * 10^decimals is rounded and divided back. Negative decimals count as 0,
// more than 22 as 22 (the powers of ten a double holds exactly). When
// x * 10^decimals has no fractional part left (huge x, overflow) or x is not
// finite, x is returned unchanged.
double roundHalfEven(double x, int decimals);

}  // namespace qv
