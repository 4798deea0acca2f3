#include "data/fits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/least_squares.h"
#include "document/function_list.h"
#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"

namespace qv {
namespace {

using Items = std::vector<std::string>;

class FitTest : public testing_support::EvaluatorFixture {
protected:
    FitOutcome fit(FitType type, const Items& x, const Items& y, std::string_view entry = "",
                   const FitProgress& progress = {}) {
        columns.assign(kXData, x);
        columns.assign(kYData2, y);
        columns.select(kYData2);
        return createFit(type, columns, entry, rewrite, ev, progress);
    }

    DataColumns columns;
    RewriteContext rewrite;
};

Items texts(const std::vector<double>& values) {
    Items out;
    for (const double v : values) out.push_back(strText(v));
    return out;
}

// What "Create Fit" leaves in the entry box, the label and the message.
struct CreateCase {
    const char* name;
    FitType type;
    Items x, y;
    std::string entryBefore;
    std::optional<std::string> entry;  // none: the box keeps its text
    std::string label;
    const char* message;  // the message's text, null for none
};

const char* const kNoFit = kNoFitText;
const char* const kFlat = kFlatDataText;

const CreateCase kCreateCases[] = {
    {"rising line", FitType::Linear, {" 1", " 2", " 3"}, {" 3", " 5", " 7"}, "", "2*(z)+(1)", "Correlation =  1",
     nullptr},
    {"falling line", FitType::Linear, {" 1", " 2", " 3"}, {" 7", " 5", " 3"}, "", "-2*(z)+(9)", "Correlation =  1",
     nullptr},
    {"parabola", FitType::Quadratic, {"-1", " 0", " 1", " 2"}, {" 2", " 1", " 2", " 5"}, "", "1*(z)^2+(0)*(z)+(1)",
     "Correlation =  1", nullptr},
    {"cubic", FitType::Cubic, {" 0", " 1", " 2", " 3", " 4"}, {" 1", " 2", " 9", " 28", " 65"}, "",
     "1*(z)^3+(0)*(z)^2+(0)*(z)+(1)", "Correlation =  1", nullptr},
    {"exponential of equal y", FitType::Exponential, {" 0", " 1"}, {" 3", " 3"}, "", "3*e^(0*(z))", "Correlation =  1",
     nullptr},
    {"logarithmic", FitType::Logarithmic, {" 1", " 2.718281828459045"}, {" 2", " 5"}, "", "3*ln(z)+(2)",
     "Correlation =  1", nullptr},
    // No fit: the correlation of what the box holds is shown instead.
    {"quadratic of two points", FitType::Quadratic, {" 1", " 2"}, {" 3", " 5"}, "", std::nullopt, "", kNoFit},
    {"quadratic of two points, a function in the box", FitType::Quadratic, {" 1", " 2"}, {" 3", " 5"}, "2*z+1",
     std::nullopt, "Correlation =  1", nullptr},
    {"columns of unequal length", FitType::Linear, {" 1", " 2", " 3"}, {" 3", " 5"}, "2*z+1", std::nullopt, "",
     kNoFit},
    {"cubic of three points", FitType::Cubic, {" 1", " 2", " 3"}, {" 1", " 4", " 9"}, "", std::nullopt, "", kNoFit},
    // Refusals.
    {"exponential of y = 0", FitType::Exponential, {" 1", " 2"}, {" 0", " 5"}, "", std::nullopt, "", kNoFit},
    {"exponential of y < 0", FitType::Exponential, {" 1", " 2"}, {"-1", " 5"}, "", std::nullopt, "", kNoFit},
    {"logarithm of x = 0", FitType::Logarithmic, {" 0", " 2"}, {" 1", " 5"}, "", std::nullopt, "", kNoFit},
    // All y equal: the constant that gives them is a perfect fit, also when
    // its 15 digits are all the items' 16 are shown with.
    {"all y equal", FitType::Linear, {" 1", " 2", " 3"}, {" 5", " 5", " 5"}, "", "0*(z)+(5)", "Correlation =  1",
     nullptr},
    {"all y a third", FitType::Linear, {" 1", " 2", " 3"}, {" 0.3333333333333333", " 0.3333333333333333",
     " 0.3333333333333333"}, "", "0*(z)+(0.333333333333333)", "Correlation =  1", nullptr},
    {"all y equal, no fit, a function that misses them", FitType::Quadratic, {" 1", " 2"}, {" 3", " 3"}, "z",
     std::nullopt, "", kFlat},
    {"all x equal", FitType::Linear, {" 2", " 2", " 2"}, {" 1", " 4", " 9"}, "", std::nullopt, "", kNoFit},
    {"x repeated for a quadratic", FitType::Quadratic, {" 1", " 1", " 2"}, {" 1", " 4", " 9"}, "", std::nullopt, "",
     kNoFit},
    {"an item that is no number", FitType::Linear, {" 1", " abc", " 3"}, {" 3", " 5", " 7"}, "", std::nullopt, "",
     kNoFit},
    {"sums that overflow", FitType::Linear, {" 1", " 2"}, {" 1E+308", "-1E+308"}, "", std::nullopt, "", kNoFit},
    {"squares that overflow", FitType::Quadratic, {" 1E+200", " 2E+200", " 3E+200"}, {" 1", " 2", " 4"}, "",
     std::nullopt, "", kNoFit},
};

TEST_F(FitTest, CreateFitWritesTheExpressionAndTheCorrelation) {
    for (const CreateCase& c : kCreateCases) {
        SCOPED_TRACE(c.name);
        const FitOutcome out = fit(c.type, c.x, c.y, c.entryBefore);
        if (c.entry) {
            ASSERT_TRUE(out.entryText.has_value());
            EXPECT_EQ(*out.entryText, *c.entry);
        } else if (c.message == nullptr) {
            EXPECT_FALSE(out.entryText.has_value());
        }
        EXPECT_EQ(out.label, c.label);
        const bool refused = c.message != nullptr;
        EXPECT_EQ(out.message.has_value(), refused);
        if (refused && out.message) {
            EXPECT_EQ(out.message->title, kDataErrorTitle);
            EXPECT_EQ(out.message->text, c.message);
        }
        EXPECT_EQ(out.focusEntry, !refused);
        EXPECT_EQ(out.clearSelection, !refused);
    }
}

// Polynomials through data far from zero. The y values are exact doubles,
// and the disturbance added to them is orthogonal to every polynomial of the
// fit's degree (a finite-difference stencil on equally spaced x), so the
// exact least-squares solution is the polynomial itself.
struct OffsetCase {
    const char* name;
    int degree;
    double x0, dx;
    int count;
    std::vector<double> power;  // lowest first
    double noise;               // size of the orthogonal disturbance
};

const OffsetCase kOffsetCases[] = {
    {"years, cubic", 3, 1950, 1, 71, {-7, 5, -3, 2}, 0},
    {"years, cubic with noise", 3, 1950, 1, 71, {1.5e9, -2.25e6, 1125, -0.1875}, 64},
    {"years, quadratic with noise", 2, 1950, 1, 71, {-40000, 40, -0.0078125}, 8},
    {"years, line with noise", 1, 1950, 1, 71, {-30000, 15.5}, 2},
    {"calibration, quadratic", 2, 1e5, 29000, 101, {125, -0.5, 3}, 0},
    {"calibration, quadratic with noise", 2, 1e5, 29000, 101, {0.25, 0.375, 0.0009765625}, 1024},
    {"calibration, cubic with noise", 3, 0x1p17, 0x1p15, 88, {1024, -0.5, 0.25, -0x1p-40}, 4096},
    {"around a millionth, line", 1, 0x1p-20, 0x1p-26, 40, {0.5, 3}, 0},
    {"around a millionth, quadratic with noise", 2, 0x1p-20, 0x1p-26, 40, {0.5, 3, 0x1p21}, 0x1p-16},
};

// Weights that annihilate every polynomial of degree below their length - 1.
std::vector<double> stencil(int degree) {
    switch (degree) {
    case 1: return {1, -2, 1};
    case 2: return {1, -3, 3, -1};
    default: return {1, -4, 6, -4, 1};
    }
}

TEST(LeastSquares, RecoversPolynomialsOnOffsetDataToTenDigits) {
    for (const OffsetCase& c : kOffsetCases) {
        SCOPED_TRACE(c.name);
        std::vector<double> x, y;
        for (int i = 0; i < c.count; ++i) {
            const double xi = c.x0 + c.dx * i;
            double yi = 0;
            for (int k = c.degree; k >= 0; --k) yi = yi * xi + c.power[static_cast<std::size_t>(k)];
            x.push_back(xi);
            y.push_back(yi);
        }
        // Disturbances of alternating sign at a few places.
        const std::vector<double> weights = stencil(c.degree);
        for (int start = 0, sign = 1; start + static_cast<int>(weights.size()) <= c.count; start += 9, sign = -sign) {
            for (std::size_t k = 0; k < weights.size(); ++k) {
                y[static_cast<std::size_t>(start) + k] += sign * c.noise * weights[k];
            }
        }
        const std::optional<PolynomialFit> p = fitPolynomial(x, y, c.degree);
        ASSERT_TRUE(p.has_value());
        for (int k = 0; k <= c.degree; ++k) {
            const double want = c.power[static_cast<std::size_t>(k)];
            EXPECT_NEAR(p->power[static_cast<std::size_t>(k)], want, std::fabs(want) * 1e-10) << "power " << k;
        }
    }
}

TEST(LeastSquares, RecoversExponentialsAndLogarithms) {
    std::vector<double> x, expY, logX, logY;
    for (int i = 0; i < 30; ++i) {
        const double xi = 2000 + 0.5 * i;
        x.push_back(xi);
        expY.push_back(2.5 * std::exp(0.01 * (xi - 2000)));
        logX.push_back(1e5 + 1000 * i);
        logY.push_back(-1.25 * std::log(1e5 + 1000 * i) + 7);
    }
    const std::optional<FitCoefficients> e = fitCoefficients(FitType::Exponential, x, expY);
    ASSERT_TRUE(e.has_value());
    // 2.5·e^(0.01·(x - 2000)) = 2.5·e^-20 · e^(0.01·x)
    EXPECT_NEAR(e->values[0], 2.5 * std::exp(-20.0), 2.5 * std::exp(-20.0) * 1e-10);
    EXPECT_NEAR(e->values[1], 0.01, 1e-12);
    const std::optional<FitCoefficients> l = fitCoefficients(FitType::Logarithmic, logX, logY);
    ASSERT_TRUE(l.has_value());
    EXPECT_NEAR(l->values[0], -1.25, 1.25e-10);
    EXPECT_NEAR(l->values[1], 7, 7e-10);
}

// Samples of A·e^(c·(B + z)²).
struct GaussianData {
    Items x, y;
};

GaussianData gaussianSamples(double a, double c, double b, double from, double step, int count) {
    GaussianData d;
    for (int i = 0; i < count; ++i) {
        const double z = from + step * i;
        d.x.push_back(strText(z));
        d.y.push_back(strText(a * std::exp(c * (b + z) * (b + z))));
    }
    return d;
}

TEST_F(FitTest, GaussianRecoversExactSamples) {
    const struct {
        double a, c, b;
    } kShapes[] = {{3, -0.5, -2}, {0.02, -4, 1.5}, {1500, -0.001, -40}};
    for (const auto& s : kShapes) {
        SCOPED_TRACE(s.a);
        const GaussianData d = gaussianSamples(s.a, s.c, s.b, -s.b - 3 / std::sqrt(-s.c), 0.25 / std::sqrt(-s.c), 25);
        const FitOutcome out = fit(FitType::Gaussian, d.x, d.y);
        ASSERT_FALSE(out.message.has_value());
        ASSERT_TRUE(out.entryText.has_value());
        ASSERT_EQ(out.label.rfind(kCorrelationPrefix, 0), 0u);
        const double r2 = std::stod(out.label.substr(std::string(kCorrelationPrefix).size()));
        EXPECT_GT(r2, 0.999999) << *out.entryText;
    }
}

// The correlation a Gaussian fit shows is the one "Test Correlation" gives
// for the same function on the same list, zero points included; the
// columns keep every item.
TEST_F(FitTest, GaussianShowsWhatTestCorrelationShows) {
    Items x, y;
    for (int i = 0; i <= 40; ++i) {
        const double z = -4 + 0.2 * i;
        x.push_back(itemText(z));
        const double peak = 3 * std::exp(-0.4 * (z - 0.5) * (z - 0.5)) * (1 + 0.03 * std::sin(7 * i));
        y.push_back(i == 5 || i == 20 ? " 0" : itemText(peak));
    }
    const FitOutcome out = fit(FitType::Gaussian, x, y);
    ASSERT_FALSE(out.message.has_value());
    ASSERT_TRUE(out.entryText.has_value());
    EXPECT_EQ(out.label, testCorrelation(*out.entryText, columns, rewrite, ev).label);
    EXPECT_EQ(columns.column(kXData), x);
    EXPECT_EQ(columns.selectedColumn(), y);
}

// Data far from zero: years, a peak on a baseline, noise. The starting
// estimate (a parabola through ln y) is off, and the search must move the
// centre to reach the least-squares optimum, R² = 0.986908331482515
// (Levenberg-Marquardt in Python, R² in exact fractions).
TEST_F(FitTest, GaussianMovesItsCentreOnOffsetData) {
    Items x, y;
    for (int i = 0; i <= 70; ++i) {
        const double year = 1950 + i;
        x.push_back(itemText(year));
        const double u = (year - 1990.6) / 12;
        y.push_back(itemText(50 * std::exp(-u * u) + 3 + 1.5 * std::sin(5 * i)));
    }
    const FitOutcome out = fit(FitType::Gaussian, x, y);
    ASSERT_FALSE(out.message.has_value());
    ASSERT_EQ(out.label.rfind(kCorrelationPrefix, 0), 0u);
    const double r2 = std::stod(out.label.substr(std::string(kCorrelationPrefix).size()));
    EXPECT_NEAR(r2, 0.986908331482515, 1e-12) << *out.entryText;
}

TEST_F(FitTest, GaussianShowsEveryTrialAndStopsWhenAsked) {
    const GaussianData d = gaussianSamples(3, -0.5, -2, 0, 0.5, 9);
    std::vector<std::string> shown;
    int polls = 0;
    const FitProgress progress{[&](const std::string& text) { shown.push_back(text); },
                               [&] { return ++polls == 4; }};
    const FitOutcome out = fit(FitType::Gaussian, d.x, d.y, "", progress);
    ASSERT_GE(shown.size(), 6u);
    EXPECT_EQ(shown[0], kPleaseWaitText);
    EXPECT_EQ(shown[1].find("*e^("), shown[1].find('*'));  // the starting point's expression
    EXPECT_EQ(polls, 4);
    EXPECT_TRUE(out.halted);
    EXPECT_EQ(out.entryText, std::string(kDataFitHaltedText));
    EXPECT_EQ(out.label, "");
    EXPECT_FALSE(out.message.has_value());
    EXPECT_FALSE(out.focusEntry);
}

TEST(GaussianSearch, EndsEvenWhenEveryTrialImproves) {
    double r = 0;
    const GaussianSearch s = searchGaussian(
        {FitType::Gaussian, {1, -1, 1, 0}}, 0.01, [&](const std::string&, const FitCoefficients&) { return r += 1e-9; },
        {});
    EXPECT_EQ(s.end, GaussianSearch::End::Done);
    EXPECT_LE(s.trials, kGaussianTrials);
    EXPECT_GT(s.trials, 0);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(std::isfinite(s.fit.values[static_cast<std::size_t>(k)]));
}

TEST(GaussianSearch, AScoreThatFailsEndsTheSearchAsFailed) {
    int calls = 0;
    const GaussianSearch s = searchGaussian(
        {FitType::Gaussian, {1, -1, 1, 0}}, 0.01,
        [&](const std::string&, const FitCoefficients&) -> std::optional<double> {
            if (++calls == 3) return std::nullopt;
            return 0.5;
        },
        {});
    EXPECT_EQ(s.end, GaussianSearch::End::Failed);
}

struct CorrelationCase {
    const char* name;
    std::string entry;
    Items x, y;
    std::string shownEntry;
    std::optional<std::string> label;
    std::optional<std::string> message;
};

const CorrelationCase kCorrelationCases[] = {
    {"exact", "2 * z + 1", {" 1", " 2", " 3"}, {" 3", " 5", " 7"}, "2*z+1", "Correlation =  1", {}},
    {"a fifth", "z+1", {" 1", " 2", " 3", " 4"}, {" 1", " 2", " 3", " 4"}, "z+1", "Correlation =  0.2", {}},
    {"worse than the mean", "10", {" 1", " 2"}, {" 1", " 2"}, "10", "Correlation = -289", {}},
    {"empty box", "  ", {" 1", " 2"}, {" 1", " 2"}, "", {}, kCorrelationRefusedText},
    {"unequal columns", "z", {" 1", " 2", " 3"}, {" 1", " 2"}, "z", {}, kCorrelationRefusedText},
    {"one point", "z", {" 1"}, {" 1"}, "z", {}, kCorrelationRefusedText},
    {"a function that fails", "sin(", {" 1", " 2"}, {" 1", " 2"}, "sin(", {}, kCorrelationErrorText},
    {"a division by zero", "1/(z-2)", {" 0", " 2"}, {" 1", " 2"}, "1/(z-2)", {}, kCorrelationErrorText},
    {"all y equal, missed", "z", {" 1", " 2"}, {" 3", " 3"}, "z", {}, kFlatDataText},
    {"all y equal, given", "3", {" 1", " 2"}, {" 3", " 3"}, "3", "Correlation =  1", {}},
    // R² to the last digit (Python, fractions): 1 - SSE/SST of the same
    // doubles.
    {"thirds", "z", {" 1", " 2", " 3", " 4"}, {" 0.3333333333333333", " 2", " 3.3333333333333335", " 4"}, "z",
     "Correlation =  0.929328621908127", {}},
    {"a y that is no number", "z", {" 1", " 2"}, {" 3", " x"}, "z", {}, kCorrelationErrorText},
};

TEST_F(FitTest, TestCorrelationMeasuresTheEntryBox) {
    for (const CorrelationCase& c : kCorrelationCases) {
        SCOPED_TRACE(c.name);
        columns.assign(kXData, c.x);
        columns.assign(kYData1, c.y);
        columns.select(kYData1);
        const CorrelationOutcome out = testCorrelation(c.entry, columns, rewrite, ev);
        EXPECT_EQ(out.entryText, c.shownEntry);
        EXPECT_EQ(out.label, c.label);
        ASSERT_EQ(out.message.has_value(), c.message.has_value());
        if (c.message) {
            EXPECT_EQ(out.message->text, *c.message);
        }
        EXPECT_EQ(out.focusEntry, c.label.has_value());
    }
}

// The correlation puts each x into the function as its number text would
// read back: a value with more than 15 digits gives what its text gives.
TEST_F(FitTest, CorrelationEvaluatesTheXAsTheirNumberTexts) {
    const Items x = texts({0.1, 0.7, 1.0 / 3.0, 2.5});
    Items y;
    for (const std::string& t : x) y.push_back(strText(plainTextValue(std::stod(t)) * 3 + 1));
    columns.assign(kXData, x);
    columns.assign(kYData1, y);
    columns.select(kYData1);
    EXPECT_EQ(testCorrelation("3*z+1", columns, rewrite, ev).label, "Correlation =  1");
}

TEST(FitTypes, NamesReadBack) {
    for (const FitType t : kFitTypes) EXPECT_EQ(fitTypeNamed(fitTypeName(t)), t);
    EXPECT_FALSE(fitTypeNamed("Linear").has_value());
}

}  // namespace
}  // namespace qv
