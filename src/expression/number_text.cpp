#include "expression/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace qv {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view s, std::size_t i) {
    while (i < s.size() && isBlank(s[i])) ++i;
    return i;
}

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// A number found at the start of a text, split into its parts.
struct NumberParts {
    bool found = false;
    std::size_t end = 0;  // one past the last character of the number
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
    long long exponent = 0;
};

// Exponent digits are read with saturation: beyond this any mantissa a text
// can hold still overflows or underflows, and the arithmetic stays in range.
constexpr long long kExponentLimit = 1'000'000'000'000'000LL;

long long readExponent(std::string_view digits, bool negative) {
    long long value = 0;
    for (char c : digits) {
        value = std::min(kExponentLimit, value * 10 + (c - '0'));
    }
    return negative ? -value : value;
}

// Reads the longest number at the start of s: blanks, optional sign (blanks
// may follow it), digits with at most one point, optional exponent. An
// exponent marker without digits is not part of the number.
NumberParts scanNumber(std::string_view s) {
    NumberParts parts;
    std::size_t i = skipBlanks(s, 0);
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        parts.negative = s[i] == '-';
        i = skipBlanks(s, i + 1);
    }
    std::size_t intEnd = skipDigits(s, i);
    parts.intDigits = s.substr(i, intEnd - i);
    i = intEnd;
    if (i < s.size() && s[i] == '.') {
        std::size_t fracEnd = skipDigits(s, i + 1);
        parts.fracDigits = s.substr(i + 1, fracEnd - i - 1);
        i = fracEnd;
    }
    if (parts.intDigits.empty() && parts.fracDigits.empty()) return parts;
    parts.found = true;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        std::size_t expEnd = skipDigits(s, j);
        if (expEnd > j) {
            parts.exponent = readExponent(s.substr(j, expEnd - j), expNegative);
            i = expEnd;
        }
    }
    parts.end = i;
    return parts;
}

// The value of a scanned number, correctly rounded; nullopt when it
// overflows a double. Underflow gives a signed zero.
// The parts laid out as from_chars reads them: a digit before the point,
// no bare trailing point, the exponent in decimal. Short numbers (nearly
// all) are laid out on the stack: a data column converts thousands of them
// at every redraw.
template <typename Buffer>
void layOutNumber(const NumberParts& parts, Buffer& out) {
    auto append = [&out](std::string_view piece) { out.append(piece.data(), piece.size()); };
    if (parts.negative) append("-");
    append(parts.intDigits.empty() ? std::string_view("0") : parts.intDigits);
    if (!parts.fracDigits.empty()) {
        append(".");
        append(parts.fracDigits);
    }
    char exponent[24] = {'e'};
    const auto end = std::to_chars(exponent + 1, exponent + sizeof exponent, parts.exponent).ptr;
    append(std::string_view(exponent, static_cast<std::size_t>(end - exponent)));
}

struct StackText {
    std::array<char, 96> data{};
    std::size_t size = 0;
    void append(const char* p, std::size_t n) {
        std::copy(p, p + n, data.data() + size);
        size += n;
    }
};

std::optional<double> partsValue(const NumberParts& parts) {
    std::string longText;
    StackText shortText;
    const char* begin = nullptr;
    const char* end = nullptr;
    if (parts.intDigits.size() + parts.fracDigits.size() + 26 <= shortText.data.size()) {
        layOutNumber(parts, shortText);
        begin = shortText.data.data();
        end = begin + shortText.size;
    } else {
        longText.reserve(parts.intDigits.size() + parts.fracDigits.size() + 26);
        layOutNumber(parts, longText);
        begin = longText.data();
        end = begin + longText.size();
    }

    double value = 0.0;
    auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec == std::errc()) return value;
    if (ec != std::errc::result_out_of_range) return std::nullopt;

    // Out of range is either overflow or underflow; the decimal exponent of
    // the first significant digit tells which (the two are ~630 decades apart).
    std::string digits = std::string(parts.intDigits) + std::string(parts.fracDigits);
    std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return parts.negative ? -0.0 : 0.0;
    long long leadExponent = parts.exponent + static_cast<long long>(parts.intDigits.size()) - 1 -
                             static_cast<long long>(first);
    if (leadExponent > 0) return std::nullopt;
    return parts.negative ? -0.0 : 0.0;
}

// A text that, blanks around it aside, is already in the form from_chars
// reads whole (no leading plus, only digits, points, exponent letters and
// signs): every number the program writes itself, and nearly every one
// typed. Its value is the one the careful reading gives; nullopt leaves the
// text to that reading.
std::optional<double> directValue(std::string_view s) {
    const std::size_t first = skipBlanks(s, 0);
    std::size_t last = s.size();
    while (last > first && isBlank(s[last - 1])) --last;
    s = s.substr(first, last - first);
    if (s.empty() || s.size() > 64 || s[0] == '+') return std::nullopt;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    // Read whole, the text was a sign, digits, a point and an exponent, or
    // one of the names of infinity and NaN, which only the careful reading
    // judges.
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// The whole text is one number, with nothing but blanks after it.
std::optional<double> strictValue(std::string_view s) {
    // Data columns read thousands of items at every change of their data.
    if (const std::optional<double> direct = directValue(s)) return direct;
    NumberParts parts = scanNumber(s);
    if (!parts.found || skipBlanks(s, parts.end) != s.size()) return std::nullopt;
    return partsValue(parts);
}

std::string exponentText(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    int magnitude = std::abs(exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
}

}  // namespace

std::string plainText(double x) {
    if (std::isnan(x)) return "1.#QNAN";
    if (std::isinf(x)) return x < 0 ? "-1.#INF" : "1.#INF";
    if (x == 0.0) return "0";  // also negative zero

    // Scientific form with 15 significant digits gives the rounded digits and
    // the decimal exponent after rounding, which is what %G decides on.
    std::array<char, 64> buf{};
    auto result = std::to_chars(buf.data(), buf.data() + buf.size(), x,
                                std::chars_format::scientific, 14);
    std::string_view sci(buf.data(), static_cast<std::size_t>(result.ptr - buf.data()));
    bool negative = sci.front() == '-';
    if (negative) sci.remove_prefix(1);
    std::size_t ePos = sci.find('e');
    std::string digits;
    digits += sci[0];
    digits += sci.substr(2, ePos - 2);  // skip the point
    int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        text += exponentText(exponent);
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            text += digits;
            text.append(intLen - digits.size(), '0');
        } else {
            text += digits.substr(0, intLen);
            text += '.';
            text += digits.substr(intLen);
        }
    }
    return text;
}

std::string strText(double x) {
    std::string plain = plainText(x);
    return plain.front() == '-' ? plain : " " + plain;
}

std::string roundTripText(double x) {
    if (!std::isfinite(x)) return std::signbit(x) && std::isinf(x) ? "-1E+999" : "1E+999";
    std::array<char, 64> buf{};
    auto result = std::to_chars(buf.data(), buf.data() + buf.size(), x);
    std::string text(buf.data(), result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

// A numeric text whose value overflows is rejected: every caller that asks
// "is this a number?" goes on to convert it, and that conversion would
// overflow, so the text is no more usable as a number than "abc".
bool isNumeric(std::string_view s) { return strictValue(s).has_value(); }

std::optional<double> toNumber(std::string_view s) { return strictValue(s); }

double leadingNumber(std::string_view s) {
    NumberParts parts = scanNumber(s);
    if (!parts.found) return 0.0;
    // An overflowing leading number has no value; it reads as no number.
    return partsValue(parts).value_or(0.0);
}

double roundHalfEven(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    decimals = std::clamp(decimals, 0, 22);
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i) scale *= 10.0;  // exact up to 1e22

    double p = x * scale;
    // From 2^52 on every double is an integer: nothing is left to round,
    // and an overflowing product must not turn x into infinity.
    if (!(std::fabs(p) < 4503599627370496.0)) return x;

    // Done by hand rather than with nearbyint so the result does not depend
    // on the floating-point rounding mode. p - floor(p) is exact here.
    double lower = std::floor(p);
    double fraction = p - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) rounded = lower + 1.0;
    return rounded / scale;
}

namespace number_text_detail {

// One fused multiply-add gives the error exactly: x * 10^k - p for a
// product, and the remainder x - p * 10^-k of a quotient, whose sign is that
// of the error (both are representable, so nothing is rounded).
int roundingSide(double x, int k, double p) {
    const double power = kExactPowersOfTen[k >= 0 ? k : -k];
    const double error = k >= 0 ? std::fma(x, power, -p) : std::fma(-p, power, x);
    return error > 0.0 ? 1 : error < 0.0 ? -1 : 0;
}

// The digits plainText lays out come from this very to_chars call, and
// toNumber reads a text with from_chars: the same round trip, without
// building strings. Every 15-digit text of a nonzero double is at least
// half the smallest subnormal, so reading fails only by overflowing.
double plainTextValueByText(double x) {
    if (!std::isfinite(x)) return x;
    if (x == 0.0) return 0.0;
    std::array<char, 32> text{};
    const auto printed = std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::scientific, 14);
    double value = 0.0;
    if (std::from_chars(text.data(), printed.ptr, value).ec != std::errc()) return std::copysign(HUGE_VAL, x);
    return value;
}

}  // namespace number_text_detail

}  // namespace qv
