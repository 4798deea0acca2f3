// plainTextValue against its definition: the value the plain number text of
// x reads back as. The fast scaling must agree bit for bit with printing and
// reading on every kind of double, ties and the ends of the range included.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "expression/number_text.h"

namespace qv {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

// The definition, spelled out: print, read back; a text that overflows reads
// as the infinity of its sign, and what has no number text stays as it is.
double byText(double x) {
    if (!std::isfinite(x)) return x;
    return toNumber(plainText(x)).value_or(std::copysign(kInf, x));
}

bool sameBits(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b) || (std::isnan(a) && std::isnan(b));
}

struct ValueCase {
    double x;
    double want;
};

TEST(PlainTextValue, Table) {
    const ValueCase cases[] = {
        {0.1 + 0.2, 0.3},
        {2.0 / 3.0, 0.666666666666667},
        {-2.0 / 3.0, -0.666666666666667},
        {-0.0, 0.0},  // its text is "0": the sign is gone
        {999999999999999.5, 1e15},            // carries into the next decade
        {1000000000000005.0, 1e15},           // an exact tie: to even
        {1000000000000015.0, 1.00000000000002e15},
        {123456789012345.5, 123456789012346.0},  // a tie at the integer scale
        {1.0000000000000002, 1.0},
        {0.000456 * 3, 0.001368},
        {1e23, 1e23},
        {1.5e-8, 1.5e-8},
        {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::denorm_min()},
        {1.79769313486231e308, 1.79769313486231e308},
        {kMax, kInf},  // "1.79769313486232E+308" overflows
        {-kMax, -kInf},
        {kInf, kInf},
    };
    for (const ValueCase& c : cases) {
        EXPECT_TRUE(sameBits(plainTextValue(c.x), c.want))
            << std::hexfloat << c.x << ": " << plainTextValue(c.x) << " want " << c.want;
        EXPECT_TRUE(sameBits(byText(c.x), c.want)) << std::hexfloat << c.x << " (by text)";
    }
    EXPECT_TRUE(std::isnan(plainTextValue(std::numeric_limits<double>::quiet_NaN())));
}

// Doubles of every kind, in turn: random bit patterns, random decimals of
// 15 to 17 digits, values within three units of a 15-digit tie, powers of
// ten and their neighbours, subnormals. Three in four bit patterns and
// decimals have magnitudes from 1E-9 to 1E+37, where the scaling works
// without the text (and just past its edges); the rest any magnitude, so
// infinities and NaN turn up too. A small generator keeps the loop quick
// in unoptimised builds.
class DoubleSource {
public:
    explicit DoubleSource(uint64_t seed) : state_(seed) {}

    double next(uint64_t i) {
        switch (i % 5) {
        case 0: {
            const uint64_t bits = random();
            if (below(4) == 0) return std::bit_cast<double>(bits);
            const uint64_t exponent = 1023 - 28 + below(150);  // binary exponents -28 to 121
            return std::bit_cast<double>((bits & 0x800fffffffffffffULL) | (exponent << 52));
        }
        case 1: return decimal(15 + static_cast<int>(below(3)), "");
        case 2: return nudge(decimal(15, "5"));
        case 3: return nudge(decimal(1, "", static_cast<int>(below(633)) - 324));
        default: return std::bit_cast<double>(random() & 0x800fffffffffffffULL);
        }
    }

private:
    uint64_t random() {  // splitmix64
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    uint64_t below(uint64_t n) { return random() % n; }

    int decimalExponent() {
        return below(4) != 0 ? static_cast<int>(below(47)) - 9 : static_cast<int>(below(650)) - 340;
    }

    // The double nearest to a random decimal with `digits` significant
    // digits (a lone digit is 1) followed by `tail`, whose first digit
    // stands at 10^exponent.
    double decimal(int digits, const char* tail, std::optional<int> exponent = std::nullopt) {
        uint64_t low = 1;
        for (int k = 1; k < digits; ++k) low *= 10;
        const uint64_t mantissa = digits == 1 ? 1 : low + below(9 * low);
        char text[48];
        char* p = std::to_chars(text, text + sizeof text, mantissa).ptr;
        const std::string_view more(tail);
        p = std::copy(more.begin(), more.end(), p);
        *p++ = 'e';
        const int lead = exponent ? *exponent : decimalExponent();
        p = std::to_chars(p, text + sizeof text, lead - (digits + static_cast<int>(more.size()) - 1)).ptr;
        double x = 0.0;
        std::from_chars(text, p, x);  // out of range leaves 0: a case like any other
        return (random() & 1) != 0 ? -x : x;
    }

    double nudge(double x) {
        const int steps = static_cast<int>(below(7)) - 3;
        for (int k = 0; k < std::abs(steps); ++k) x = std::nextafter(x, steps > 0 ? kInf : -kInf);
        return x;
    }

    uint64_t state_;
};

// The same round trip without building strings: the 15 digits plainText
// lays out come from this very to_chars call, and toNumber reads them with
// from_chars. Fast enough for ten million values under the sanitizers.
double byDigits(double x) {
    if (!std::isfinite(x)) return x;
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14).ptr;
    double value = 0.0;
    if (std::from_chars(text, end, value).ec != std::errc()) return std::copysign(kInf, x);
    return value == 0.0 ? 0.0 : value;
}

// Ten million doubles, checked against printing and reading back; every
// 64th also against the program's own texts, which the quick reading must
// match.
TEST(PlainTextValue, EqualsTheTextRoundTrip) {
    constexpr uint64_t kCount = 10'000'000;
    DoubleSource source(0x15d161);
    uint64_t mismatches = 0;
    for (uint64_t i = 0; i < kCount; ++i) {
        const double x = source.next(i);
        const double got = plainTextValue(x);
        const double want = byDigits(x);
        const bool textChecked = i % 64 == 0;
        if ((!sameBits(got, want) || (textChecked && !sameBits(want, byText(x)))) && ++mismatches <= 10) {
            ADD_FAILURE() << std::hexfloat << x << " (" << plainText(x) << "): " << got << " want " << want;
        }
    }
    EXPECT_EQ(mismatches, 0u);
}

}  // namespace
}  // namespace qv
