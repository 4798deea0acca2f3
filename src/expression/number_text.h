#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
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

// The value the plain form of x reads back as: toNumber(plainText(x)), bit
// for bit, without printing. This is the value an expression sees when x is
// written into it as text (15 significant digits), so every evaluation with
// a bound z or A goes through it. Negative zero gives 0. A finite x whose
// text overflows (from 1.797693134862315E+308 on) gives the infinity of its
// sign, which callers treat as the overflowing literal the text would be;
// infinities and NaN are returned as they are. Defined below.
inline double plainTextValue(double x);

namespace number_text_detail {

// The powers of ten a double holds exactly.
inline constexpr double kExactPowersOfTen[23] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

// Doubles with a biased binary exponent from kFirstExponent on, up to
// kExponentCount of them (magnitudes from 2^-26 to below 2^120), scale by an
// exact 10^k even after one correction of k.
inline constexpr unsigned kFirstExponent = 1023 - 26;
inline constexpr unsigned kExponentCount = 146;

// Per binary exponent e: k = 14 - floor(e * log10(2)), which makes
// |x| * 10^k at least 10^14 and below 10^16, and 10^|k|.
struct DecimalScale {
    double power;
    int k;
};

constexpr DecimalScale decimalScaleOf(unsigned index) {
    const int binaryExponent = static_cast<int>(index + kFirstExponent) - 1023;
    const int k = 14 - ((binaryExponent * 78913) >> 18);  // 78913 / 2^18 is log10(2)
    return {kExactPowersOfTen[k >= 0 ? k : -k], k};
}

inline constexpr auto kDecimalScales = [] {
    std::array<DecimalScale, kExponentCount> table{};
    for (unsigned i = 0; i < kExponentCount; ++i) table[i] = decimalScaleOf(i);
    return table;
}();

// x * 10^k (k >= 0) or x / 10^-k, correctly rounded, given 10^|k|.
inline double scaled(double x, int k, double power) { return k >= 0 ? x * power : x / power; }

// For p = x * 10^k rounded: the sign of the exact x * 10^k - p.
int roundingSide(double x, int k, double p);

// The text round trip itself, for what the fast path leaves out.
double plainTextValueByText(double x);

}  // namespace number_text_detail

// Inline: it runs before every evaluation of a curve or a search, so the
// path is kept short. The 15 digits are y = x * 10^k rounded to an integer
// n, with k chosen so that |n| has 15 digits; n * 10^-k is then one
// correctly rounded operation on exact operands, which is exactly how the
// text reads back. y itself is rounded to p, on a grid of at most 1/8 that
// holds every half integer, so p falls on the same side of a half as y
// does, or on the half itself: only then the exact error of p is needed, and
// only an exact tie needs the text. Magnitudes where 10^k or 10^(k-1) would
// not be exact (below 2^-26 or from 2^120 on, subnormals, infinities, NaN)
// take the text too. Rounding is symmetric, so the sign is kept throughout.
inline double plainTextValue(double x) {
    using namespace number_text_detail;
    const unsigned index = static_cast<unsigned>((std::bit_cast<uint64_t>(x) >> 52) & 0x7ff) - kFirstExponent;
    if (index >= kExponentCount) return x == 0.0 ? 0.0 : plainTextValueByText(x);
    int k = kDecimalScales[index].k;
    double power = kDecimalScales[index].power;
    double p = scaled(x, k, power);
    // One decade too far. At exactly 10^15 either scale gives the same value.
    if (std::fabs(p) >= 1e15) {
        --k;
        power = kExactPowersOfTen[k >= 0 ? k : -k];
        p = scaled(x, k, power);
    }
    // |p| is below 2^50: adding and taking away 1.5 * 2^52 rounds it to the
    // nearest integer (floor would be a library call on the baseline
    // instruction set).
    double n = (p + 0x1.8p52) - 0x1.8p52;
    const double off = p - n;  // exact
    if (std::fabs(off) == 0.5) {
        const int side = roundingSide(x, k, p);
        if (side == 0) return plainTextValueByText(x);
        n = p + 0.5 * side;
    }
    return scaled(n, -k, power);
}

}  // namespace qv
