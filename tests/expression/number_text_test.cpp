#include "expression/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace qv {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

struct FormatCase {
    double x;
    const char* text;
};

const std::vector<FormatCase> kPlainCases = {
    {0.00001, "1E-05"},
    {1e15, "1E+15"},
    {123456789012345.0, "123456789012345"},
    {0.1 + 0.2, "0.3"},
    {-0.75, "-0.75"},
    {1234567890123456.0, "1.23456789012346E+15"},
    {0.0001, "0.0001"},
    {0.0, "0"},
    {-0.0, "0"},
    {2.5, "2.5"},
    {100.0, "100"},
    {-1.5e-7, "-1.5E-07"},
    {1e100, "1E+100"},
    {1.0 / 3.0, "0.333333333333333"},
    {2.0 / 3.0, "0.666666666666667"},
    {999999999999999.5, "1E+15"},  // rounding carries into the next decade
    {0.000123456789, "0.000123456789"},
    {1000000000000005.0, "1E+15"},  // exact tie rounds to even
    {kDenormMin, "4.94065645841247E-324"},
    {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    {kInf, "1.#INF"},
    {-kInf, "-1.#INF"},
    {kNaN, "1.#QNAN"},
};

TEST(NumberText, PlainTextTable) {
    for (const auto& c : kPlainCases) EXPECT_EQ(plainText(c.x), c.text) << "x = " << c.x;
}

const std::vector<FormatCase> kStrCases = {
    {2.5, " 2.5"}, {-0.75, "-0.75"}, {0.0, " 0"}, {-0.0, " 0"},
    {1e-5, " 1E-05"}, {-1e20, "-1E+20"}, {42.0, " 42"},
};

TEST(NumberText, StrTextTable) {
    for (const auto& c : kStrCases) EXPECT_EQ(strText(c.x), c.text) << "x = " << c.x;
}

// The C library in the "C" locale is an independent reference for the layout.
TEST(NumberText, PlainTextMatchesPrintfOnRandomDoubles) {
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        double x = mantissa(rng) * std::pow(10.0, exponent(rng));
        if (i % 2) x = -x;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15G", x);
        ASSERT_EQ(plainText(x), expected) << "case " << i;
    }
}

// Doubles that are the nearest to a 15-digit decimal must survive both forms.
TEST(NumberText, FifteenDigitValuesReadBack) {
    std::mt19937_64 rng(777);
    std::uniform_int_distribution<std::int64_t> digits(100000000000000LL, 999999999999999LL);
    std::uniform_int_distribution<int> exponent(-320, 290);
    for (int i = 0; i < 20000; ++i) {
        std::string decimal = std::to_string(digits(rng)) + "e" + std::to_string(exponent(rng));
        double x = std::strtod(decimal.c_str(), nullptr);
        if (i % 3 == 0) x = -x;
        auto plain = toNumber(plainText(x));
        auto str = toNumber(strText(x));
        ASSERT_TRUE(plain.has_value()) << plainText(x);
        ASSERT_TRUE(str.has_value()) << strText(x);
        ASSERT_EQ(*plain, x) << decimal << " -> " << plainText(x);
        ASSERT_EQ(*str, x) << decimal << " -> " << strText(x);
    }
}

void expectRoundTrip(double x) {
    static const std::regex literal(R"(-?[0-9]+(\.[0-9]+)?(E[+-]?[0-9]+)?)");
    std::string text = roundTripText(x);
    ASSERT_TRUE(std::regex_match(text, literal)) << text;
    auto back = toNumber(text);
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(*back, x) << text;
    ASSERT_EQ(std::signbit(*back), std::signbit(x)) << text;
}

TEST(NumberText, RoundTripTextReadsBackExactly) {
    for (double x : {0.0, -0.0, 0.1, -0.1, 1e-5, 1e22, 1e23, 5e-324, -5e-324,
                     2.2250738585072014e-308, 2.225073858507201e-308,
                     std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                     123456789012345680000.0, 1.0 / 3.0}) {
        expectRoundTrip(x);
    }
    std::mt19937_64 rng(2024);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    std::uniform_int_distribution<std::uint64_t> subnormalBits(1, (1ULL << 52) - 1);
    for (int i = 0; i < 30000; ++i) {
        double x = mantissa(rng) * std::pow(10.0, exponent(rng));
        if (i % 2) x = -x;
        expectRoundTrip(x);
        std::uint64_t bits = subnormalBits(rng) | (i % 2 ? 1ULL << 63 : 0);
        double sub;
        std::memcpy(&sub, &bits, sizeof sub);
        expectRoundTrip(sub);
    }
}

TEST(NumberText, RoundTripTextSpecialForms) {
    EXPECT_EQ(roundTripText(-0.0), "-0");
    EXPECT_EQ(roundTripText(2.5), "2.5");
    EXPECT_EQ(roundTripText(1e-5), "1E-05");
    // Non-finite values become a literal that overflows, never inf/nan.
    EXPECT_FALSE(isNumeric(roundTripText(kInf)));
    EXPECT_EQ(roundTripText(-kInf).front(), '-');
    EXPECT_FALSE(isNumeric(roundTripText(-kInf)));
    EXPECT_FALSE(isNumeric(roundTripText(kNaN)));
}

const std::vector<const char*> kNumericTexts = {
    "12", " -1.5E-3 ", ".5", "5.", "+3", "0", "-0", "1e5", "1E+05", "  7\t",
    "- 4", "00012", "1.7976931348623158e308", "1e-400", "0e99999999999999999999",
};

const std::vector<const char*> kNonNumericTexts = {
    "", " ", ".", "-", "+", "1e", "1e+", "1 2", "12abc", "1..2", "1.2.3", "--1",
    "0x10", "inf", "nan", "-inf", "1,5", "e5", ".e5", "1e5.5", "1E400", "-1E400",
    "1.7976931348623159e308", "1e99999999999999999999",
};

TEST(NumberText, IsNumericAccepts) {
    for (const char* s : kNumericTexts) EXPECT_TRUE(isNumeric(s)) << '"' << s << '"';
}

TEST(NumberText, IsNumericRejectsAndToNumberFails) {
    for (const char* s : kNonNumericTexts) {
        EXPECT_FALSE(isNumeric(s)) << '"' << s << '"';
        EXPECT_FALSE(toNumber(s).has_value()) << '"' << s << '"';
    }
}

struct ReadCase {
    const char* text;
    double value;
};

const std::vector<ReadCase> kStrictValues = {
    {"12", 12.0},
    {" -1.5E-3 ", -0.0015},
    {".5", 0.5},
    {"5.", 5.0},
    {"+3", 3.0},
    {"- 4", -4.0},
    {"0.1", 0.1},
    {"9007199254740993", 9007199254740992.0},  // halfway: ties to even
    {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
    {"4.9406564584124654E-324", kDenormMin},
    {"2.4703282292062328e-324", kDenormMin},  // just above half of it
    {"2.2250738585072011e-308", 2.2250738585072011e-308},
    {"1.7976931348623158e308", std::numeric_limits<double>::max()},
    {"1e-400", 0.0},
};

TEST(NumberText, ToNumberValues) {
    for (const auto& c : kStrictValues) {
        auto v = toNumber(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
    auto negativeUnderflow = toNumber("-1e-400");
    ASSERT_TRUE(negativeUnderflow.has_value());
    EXPECT_EQ(*negativeUnderflow, 0.0);
    EXPECT_TRUE(std::signbit(*negativeUnderflow));
}

const std::vector<ReadCase> kLeadingValues = {
    {"12abc", 12.0}, {"  -3.5xyz", -3.5}, {"1e5q", 100000.0}, {"1e", 1.0},
    {"1e+", 1.0},    {"abc", 0.0},        {".", 0.0},         {"-", 0.0},
    {"", 0.0},       {"1E400", 0.0},      {"-.25.5", -0.25},  {"7 8", 7.0},
    {"1..2", 1.0},   {"--1", 0.0},        {"0x10", 0.0},      {"2.5E-2,3", 0.025},
    {"x12", 0.0},    {" +4e1e2", 40.0},
};

TEST(NumberText, LeadingNumberTable) {
    for (const auto& c : kLeadingValues) EXPECT_EQ(leadingNumber(c.text), c.value) << c.text;
}

struct RoundCase {
    double x;
    int decimals;
    double expected;
};

const std::vector<RoundCase> kRoundCases = {
    {2.5, 0, 2.0},       {3.5, 0, 4.0},     {-2.5, 0, -2.0},   {-3.5, 0, -4.0},
    {0.5, 0, 0.0},       {1.5, 0, 2.0},     {2.4, 0, 2.0},     {2.6, 0, 3.0},
    {-2.6, 0, -3.0},     {0.125, 2, 0.12},  {0.375, 2, 0.38},  {1.005, 2, 1.0},
    {3.14159, 3, 3.142}, {2.5, -1, 2.0},    {1234.5678, 15, 1234.5678},
    {1e300, 15, 1e300},  {-1e300, 15, -1e300}, {4503599627370497.0, 0, 4503599627370497.0},
    {0.0, 5, 0.0},
};

TEST(NumberText, RoundHalfEvenTable) {
    for (const auto& c : kRoundCases) {
        EXPECT_EQ(roundHalfEven(c.x, c.decimals), c.expected) << c.x << " to " << c.decimals;
    }
    EXPECT_EQ(roundHalfEven(kInf, 2), kInf);
    EXPECT_TRUE(std::isnan(roundHalfEven(kNaN, 2)));
}

// Restores the process locale however the test ends.
class LocaleGuard {
public:
    LocaleGuard() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST(NumberText, IgnoresDecimalCommaLocale) {
    LocaleGuard guard;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
    EXPECT_EQ(plainText(0.5), "0.5");
    EXPECT_EQ(strText(-1.25e-7), "-1.25E-07");
    EXPECT_EQ(roundTripText(0.1), "0.1");
    EXPECT_EQ(toNumber("0.5"), 0.5);
    EXPECT_FALSE(isNumeric("0,5"));
    EXPECT_EQ(leadingNumber("2.75x"), 2.75);
}

}  // namespace
}  // namespace qv
