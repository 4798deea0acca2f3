#include "calculator/answer_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace qv {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr AnswerForms kPlain{};
constexpr AnswerForms kF{true, false, false};
constexpr AnswerForms kP{false, true, false};
constexpr AnswerForms kR{false, false, true};
constexpr AnswerForms kPF{true, true, false};
constexpr AnswerForms kRF{true, false, true};
constexpr AnswerForms kPR{false, true, true};
constexpr AnswerForms kAll{true, true, true};

struct AnswerCase {
    const char* name;
    double a;
    AnswerForms forms;
    std::vector<std::string> lines;  // the answer lines; none: "Error"
    double constPi = kPi;
};

const AnswerCase kAnswerCases[] = {
    {"no form", -2.5, kPlain, {"-2.5"}},
    {"largest double, no form", 1.7976931348623157e308, kPlain, {"1.79769313486232E+308"}},

    {"fraction", -0.75, kF, {"-0.75", "-3 / 4"}},
    {"fraction of a third", 1.0 / 3, kF, {"0.333333333333333", "1 / 3"}},
    {"fraction above 1", 2.5, kF, {"2.5", "5 / 2"}},
    {"whole number needs no fraction", 3, kF, {"3"}},
    {"reciprocal beyond 32 bits", 1E-12, kF, {"1E-12"}},
    {"large number has no fraction", 1E6, kF, {"1000000"}},
    {"fraction of 0", 0, kF, {"0"}},
    {"fraction of an irrational", kPi, kF, {"3.14159265358979"}},
    {"denominator 2^31 after the sign moves", -6.05359673500061E-09, kF,
     {"-6.05359673500061E-09", "-13 / 2147483648"}},
    // The fraction is taken of the text, which overflows when read back.
    {"text that does not read back", 1.7976931348623157e308, kF, {}},

    {"pi", kPi, kP, {"3.14159265358979", "pi"}},
    {"minus pi", -kPi, kPF, {"-3.14159265358979", "-pi"}},
    {"two pi", 2 * kPi, kP, {"6.28318530717959", "2 * pi"}},
    {"quarter pi", kPi / 4, kP, {"0.785398163397448", "0.25 * pi"}},
    {"quarter pi as fraction", kPi / 4, kPF, {"0.785398163397448", "(1 / 4) * pi"}},
    {"negative pi fraction", -2 * kPi / 3, kPF, {"-2.0943951023932", "(-2 / 3) * pi"}},
    {"pi fraction fails", 1, kPF, {"1", "0.318309886183791 * pi"}},
    {"zero with pi", 0, kPF, {"0"}},
    {"exponent form with pi", 1E300, kP, {"1E+300", "3.18309886183791E+299 * pi"}},
    {"pi is the given constant", 3.14, kP, {"3.14", "pi"}, 3.14},
    {"a zero pi divides by zero", 1, kP, {}, 0},

    {"square root of 8", std::sqrt(8.0), kR, {"2.82842712474619", "2 * sqrt(2)"}},
    {"negative root of 8", -std::sqrt(8.0), kR, {"-2.82842712474619", "-2 * sqrt(2)"}},
    {"half as radical fraction", 0.5, kRF, {"0.5", "sqrt(1 / 4)"}},
    {"half as radical", 0.5, kR, {"0.5", "sqrt(0.25)"}},
    {"negative half", -0.5, kRF, {"-0.5", "-sqrt(1 / 4)"}},
    {"radical fraction above 1", 1.2, kRF, {"1.2", "sqrt(36 / 25)"}},
    {"whole square", 2, kR, {"2"}},
    {"negative whole square", -2, kR, {"-2"}},
    {"largest factor wins", 12, kR, {"12"}},
    // 4.41 and 3.61 both round to 4 in the remainder test.
    {"rounded square factor", 2.1, kR, {"2.1", "2 * sqrt(1.1025)"}},
    {"rounded up square factor", 1.9, kR, {"1.9", "2 * sqrt(0.9025)"}},
    {"one", 1, kR, {"1"}},
    {"minus one", -1, kRF, {"-1"}},
    {"zero radical", 0, kRF, {"0"}},
    {"radical of a whole square", std::sqrt(2.0), kRF, {"1.4142135623731", "sqrt(2)"}},
    {"square underflows to 0", 1E-300, kR, {"0"}},
    {"last square in range", 46339, kR, {"46339"}},
    // The search reaches i = 46341, whose square leaves the 32-bit range.
    {"search bound overflows", 46340, kR, {}},
    {"square overflows Mod", 46341, kR, {}},
    {"negative square overflows Mod", -46341, kRF, {}},
    {"square overflows a double", 1E300, kR, {}},

    {"pi with radical", kPi, kPR, {"3.14159265358979", "pi"}},
    {"minus pi with radical", -kPi, kAll, {"-3.14159265358979", "-pi"}},
    {"two pi with radical", 2 * kPi, kPR, {"6.28318530717959", "2 * pi"}},
    {"minus two pi with radical", -2 * kPi, kPR, {"-6.28318530717959", "-2 * pi"}},
    {"root 8 pi", kPi * std::sqrt(8.0), kPR, {"8.88576587631673", "2 * sqrt(2) * pi"}},
    // (1/2)^2 = 0.25 rounds to 0, which every square divides.
    {"half pi", kPi / 2, kPR, {"1.5707963267949", "2 * sqrt(0.0625) * pi"}},
    {"pi radical fraction", kPi * std::sqrt(0.75), kAll, {"2.72069904635133", "sqrt(3 / 4) * pi"}},
    {"pi radical", kPi * std::sqrt(0.75), kPR, {"2.72069904635133", "sqrt(0.75) * pi"}},
    {"pi radical, no search", 0.3, kAll, {"0.3", "sqrt(0.0091189065278104) * pi"}},
    {"zero pi radical", 0, kAll, {"0"}},
    // The bound is |a| + 1 even though the square is of a / pi.
    {"pi radical search bound", 46340, kPR, {}},

    {"infinity", kInf, kPlain, {}},
    {"minus infinity", -kInf, kAll, {}},
    {"NaN", kNaN, kR, {}},
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n" + std::string(kAnswerPrefix);
        text += line;
    }
    return text;
}

TEST(AnswerFormatTest, AnswerLines) {
    for (const AnswerCase& c : kAnswerCases) {
        SCOPED_TRACE(c.name);
        const std::optional<std::string> text = formatAnswer(c.a, c.forms, c.constPi);
        if (c.lines.empty()) {
            EXPECT_EQ(text, std::nullopt);
        } else {
            EXPECT_EQ(text, joined(c.lines));
        }
    }
}

// Every reduced p/q with q up to 1000 and |p| up to 2q comes back exactly,
// the sign on the numerator.
TEST(AnswerFormatTest, FractionFindsExactRationals) {
    int wrong = 0;
    for (int32_t q = 1; q <= 1000; ++q) {
        for (int32_t p = -2 * q; p <= 2 * q; ++p) {
            if (p == 0 || std::gcd(p, q) != 1) continue;
            const std::optional<Fraction> f = fraction(static_cast<double>(p) / q);
            if (f && f->num == p && f->den == q) continue;
            if (++wrong <= 5) ADD_FAILURE() << p << "/" << q << " gave " << (f ? f->num : 0) << "/" << (f ? f->den : 0);
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(AnswerFormatTest, FractionResultsAndFailures) {
    struct Case {
        const char* name;
        double d;
        std::optional<Fraction> expected;
    };
    const Case cases[] = {
        {"whole", 1000, Fraction{1000, 1}},
        {"negative whole", -7, Fraction{-7, 1}},
        {"last whole with a fraction", 499999, Fraction{499999, 1}},
        {"15-digit third", 0.333333333333333, Fraction{1, 3}},
        {"zero", 0, std::nullopt},
        {"negative zero", -0.0, std::nullopt},
        {"reciprocal beyond 32 bits", 1E-12, std::nullopt},
        {"subnormal", 5E-324, std::nullopt},
        {"reciprocal rounds to no denominator", 1E6, std::nullopt},
        {"huge", 1E300, std::nullopt},
        {"huge negative", -1E300, std::nullopt},
        {"root 2", std::sqrt(2.0), std::nullopt},
        {"golden section", (std::sqrt(5.0) - 1) / 2, std::nullopt},
        {"pi", kPi, std::nullopt},
        {"quarter pi", kPi / 4, std::nullopt},
        {"infinity", kInf, std::nullopt},
        {"NaN", kNaN, std::nullopt},
        // Found as -13/2^31, a denominator the result cannot hold.
        {"denominator 2^31", -6.05359673500061E-09, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Fraction> f = fraction(c.d);
        ASSERT_EQ(f.has_value(), c.expected.has_value());
        if (f) {
            EXPECT_EQ(f->num, c.expected->num);
            EXPECT_EQ(f->den, c.expected->den);
        }
    }
}

}  // namespace
}  // namespace qv
