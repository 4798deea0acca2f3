#include "calculator/answer_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"
#include "expression/rewrite.h"

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
    {"text that does not read back", 1.7976931348623157e308, kF, {"1.79769313486232E+308"}},
    // 1/2 would be found: it is not the answer.
    {"fraction that does not give the answer back", 0.5000001, kF, {"0.5000001"}},

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
    {"a zero pi divides by zero", 1, kP, {"1"}, 0},
    // a / pi underflows to 0.
    {"smallest double with pi", 4.9406564584124654e-324, kPF, {"4.94065645841247E-324"}},

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
    {"square underflows to 0", 1E-300, kR, {"1E-300"}},
    {"square below the 15-digit range", 1E-170, kRF, {"1E-170"}},
    {"last square in range", 46339, kR, {"46339"}},
    // Squares beyond 32 bits are searched as well.
    {"square of 46340", 46340, kR, {"46340"}},
    {"square of 46341", 46341, kR, {"46341"}},
    {"negative square of 46341", -46341, kRF, {"-46341"}},
    {"square of 100000", 100000, kR, {"100000"}},
    // A prime whose square is the largest below 2^53: the search ends with
    // the square left over.
    {"square of a large prime", 94906249, kR, {"94906249"}},
    {"square factor beyond 32 bits", 12 * std::sqrt(7.0) * 1e4, kR, {"317490.157327751", "120000 * sqrt(7)"}},
    // From 2^64 on there is no search.
    {"square beyond 64 bits", 5E9, kR, {"5000000000"}},
    {"square overflows a double", 1E300, kR, {"1E+300"}},

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
    {"pi radical, large", 46340, kPR, {"46340", "2 * sqrt(54394165.985087) * pi"}},

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

// Every form shown is what the answer is: its text, rewritten and evaluated
// as if typed into the calculator, reads as the answer's first line, and
// that line is the answer's own text.
using AnswerFormEvaluation = testing_support::EvaluatorFixture;

TEST_F(AnswerFormEvaluation, EveryFormShownGivesTheAnswerBack) {
    std::vector<double> values = {0.5000001, 1E-170, 1E-300, 4.9406564584124654e-324, 2.5E-7, 1E-12, 46340,
                                  46341,     100000, 123456.7, 3e9, 4294967295.5, 1e15 + 0.5, 1.05};
    for (int q = 1; q <= 12; ++q) {
        for (int p = -12; p <= 12; ++p) {
            const double r = static_cast<double>(p) / q;
            values.insert(values.end(), {r, r * kPi, std::sqrt(std::fabs(r)), std::sqrt(std::fabs(r)) * kPi});
        }
    }
    // Spread over the magnitudes the forms can still search quickly.
    uint64_t state = 12345;
    for (int k = 0; k < 300; ++k) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        const double mantissa = static_cast<double>(state >> 11) / 9007199254740992.0;
        values.push_back((k % 2 ? -1 : 1) * mantissa * std::pow(10.0, static_cast<int>(state % 19) - 12));
    }
    RewriteContext rewrite;
    int wrong = 0;
    for (const double a : values) {
        for (int bits = 0; bits < 8; ++bits) {
            const AnswerForms forms{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
            const std::optional<std::string> text = formatAnswer(a, forms);
            ASSERT_TRUE(text.has_value()) << a;
            std::vector<std::string> lines;
            for (std::size_t at = 0;;) {
                const std::size_t end = text->find("\r\n", at);
                lines.push_back(text->substr(at, end - at));
                if (end == std::string::npos) break;
                at = end + 2 + kAnswerPrefix.size();
            }
            bool right = lines[0] == plainText(a);
            for (std::size_t i = 1; right && i < lines.size(); ++i) {
                const EvalResult r = ev.eval(heal_2(heal(lines[i], rewrite)));
                right = !r.failed() && r.value.isNumber() && plainText(r.value.num) == lines[0];
            }
            if (!right && ++wrong <= 5) {
                ADD_FAILURE() << std::hexfloat << a << " with forms " << bits << " gave " << *text;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
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
