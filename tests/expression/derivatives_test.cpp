// Numerical derivatives: the central difference with its fixed step, applied
// once, twice or three times, checked against known derivatives, against the
// same formula worked out here from evaluations of substituted texts, and
// for the failure flag that the calculus tools read.

#include "expression/derivatives.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "expression/evaluator.h"
#include "expression/evaluator_fixture.h"

namespace qv {
namespace {

using namespace qv::testing_support;

constexpr int16_t kTrue = -1;

class DerivativesTest : public EvaluatorFixture {
protected:
    // f(p) as the definition reads it: the text with every "z" replaced by
    // the value in parentheses, evaluated and converted to a number.
    std::optional<double> atPoint(const std::string& form, double p) {
        const EvalResult r = ev.eval(substituteValues(form, p));
        if (r.failed()) return std::nullopt;
        const NumResult n = toArithmetic(r.value);
        if (n.failed()) return std::nullopt;
        return n.value;
    }

    // One difference step over g, with the step's literals; nullopt when a
    // point fails or the combination is not finite.
    static std::optional<double> difference(double z, const std::function<std::optional<double>(double)>& g) {
        const double points[4] = {z - 0.000912, z - 0.000456, z + 0.000456, z + 0.000912};
        double v[4];
        for (int i = 0; i < 4; ++i) {
            const std::optional<double> x = g(points[i]);
            if (!x) return std::nullopt;
            v[i] = *x;
        }
        const double r = (v[0] - 8 * v[1] + 8 * v[2] - v[3]) / 0.005472;
        if (!std::isfinite(r)) return std::nullopt;
        return r;
    }

    // The three derivatives worked out by hand; an inner failure counts as
    // 0 and marks `failed`, an outer one gives 0.
    double first(const std::string& form, double z, bool& failed) {
        const auto r = difference(z, [&](double p) { return atPoint(form, p); });
        if (!r) failed = true;
        return r.value_or(0.0);
    }
    double second(const std::string& form, double z, bool& failed) {
        const auto r = difference(z, [&](double p) { return std::optional<double>(first(form, p, failed)); });
        if (!r) failed = true;
        return r.value_or(0.0);
    }
    double third(const std::string& form, double z, bool& failed) {
        const auto r = difference(z, [&](double p) { return std::optional<double>(second(form, p, failed)); });
        if (!r) failed = true;
        return r.value_or(0.0);
    }
};

// ------------------------------------------------------------- first order

TEST_F(DerivativesTest, FirstDerivativeEdgeCases) {
    struct DeriveCase {
        const char* form;
        double z;
        double want;
        double tolerance;  // 0: exactly
        bool fails;
    };
    const DeriveCase cases[] = {
        {"z^3", 2, 12, 1e-6, false},
        {"z^2", -3, -6, 1e-9, false},  // the value is substituted in parentheses
        {"5", 1, 0, 0, false},          // no z: exactly 0
        {"pi*life", 3, 0, 0, false},
        {"A*z", 3, 0, 0, false},       // A is Empty, so the form is constant
        {"sin(z)", 0, 1, 1e-9, false},
        {"exp(z)", 1, std::numbers::e, 1e-9, false},
        {"z^2", 1e-7, 2e-7, 1e-12, false},  // points written in exponent form
        {"z>0", 0, -7 / 0.005472, 0, false},  // True reads as -1
        {"sqr(z)", 0, 0, 0, true},      // the points left of 0 fail
        {"1/(z-0.000456)", 0, 0, 0, true},  // a pole exactly on a point
        {"\"a\" & z", 1, 0, 0, true},   // not a number
        {"1E308*z", 1, 0, 0, true},     // the combination overflows
        {"zz", 1, 0, 0, true},
    };
    for (const DeriveCase& c : cases) {
        int16_t flag = 0;
        const double d = Derive(ev, c.form, c.z, flag);
        if (c.tolerance == 0) {
            EXPECT_EQ(d, c.want) << c.form << " at " << c.z;
        } else {
            EXPECT_NEAR(d, c.want, c.tolerance) << c.form << " at " << c.z;
        }
        EXPECT_EQ(flag, c.fails ? kTrue : 0) << c.form << " at " << c.z;
    }
}

TEST_F(DerivativesTest, FlagIsNeverCleared) {
    int16_t flag = 0;
    EXPECT_NEAR(Derive(ev, "z^2", 1, flag), 2, 1e-9);
    EXPECT_EQ(flag, 0);  // a success leaves it alone
    EXPECT_EQ(Derive(ev, "sqr(z)", 0, flag), 0);
    EXPECT_EQ(flag, kTrue);
    EXPECT_NEAR(Derive(ev, "z^2", 1, flag), 2, 1e-9);
    EXPECT_NEAR(Double_Derivative(ev, "z^2", 1, flag), 2, 1e-6);
    EXPECT_NEAR(Triple_Derivative(ev, "z^3", 1, flag), 6, 6e-4);
    EXPECT_EQ(flag, kTrue);  // later successes do not clear it
}

// Only the lower-case letter is replaced; "Z" is the script variable, and
// the routines never assign it.
TEST_F(DerivativesTest, ScriptVariableIsReadButNotAssigned) {
    ASSERT_EQ(ev.executeStatement("z = 5"), 0);
    int16_t flag = 0;
    EXPECT_NEAR(Derive(ev, "Z*z", 1, flag), 5, 1e-9);
    EXPECT_NEAR(Double_Derivative(ev, "Z*z^2", 1, flag), 10, 1e-6);
    EXPECT_EQ(flag, 0);
    EXPECT_TRUE(matches(ev.eval("z"), num(5)));
}

// ------------------------------------------------------ higher orders

TEST_F(DerivativesTest, HigherOrdersOfACubic) {
    int16_t flag = 0;
    // The nested formula loses digits to rounding with each level (with
    // h = 0.000456 the second derivative of z^3 at 2 is off by about 5e-9,
    // the third by about 6e-6), so the tolerances grow with the order.
    EXPECT_NEAR(Double_Derivative(ev, "z^3", 2, flag), 12, 1e-6);
    EXPECT_NEAR(Triple_Derivative(ev, "z^3", 2, flag), 6, 6e-4);
    EXPECT_NEAR(Double_Derivative(ev, "sin(z)", 1, flag), -std::sin(1.0), 1e-6);
    EXPECT_NEAR(Triple_Derivative(ev, "z^4", 1, flag), 24, 24e-4);
    EXPECT_EQ(Double_Derivative(ev, "7", 1, flag), 0);
    EXPECT_EQ(Triple_Derivative(ev, "7", 1, flag), 0);
    EXPECT_EQ(flag, 0);
}

// A failing inner derivative contributes 0 and sets the flag; the outer
// formula still completes with the others.
TEST_F(DerivativesTest, InnerFailureIsAbsorbed) {
    struct InnerCase {
        const char* form;
        double z;
        int order;
    };
    // sqr(z) just right of 0: the inner derivatives at the left points
    // reach below 0 and fail, those at the right points succeed.
    const InnerCase cases[] = {
        {"sqr(z)", 0.001, 2},
        {"sqr(z)", 0.0015, 2},
        {"sqr(z)", 0.002, 3},
        {"log(z)", 0.0012, 2},
    };
    for (const InnerCase& c : cases) {
        int16_t flag = 0;
        bool expectFailed = false;
        double d = 0;
        double want = 0;
        if (c.order == 2) {
            d = Double_Derivative(ev, c.form, c.z, flag);
            want = second(c.form, c.z, expectFailed);
        } else {
            d = Triple_Derivative(ev, c.form, c.z, flag);
            want = third(c.form, c.z, expectFailed);
        }
        ASSERT_TRUE(expectFailed) << c.form << ": the case should hit a failing point";
        EXPECT_EQ(flag, kTrue) << c.form << " at " << c.z;
        EXPECT_TRUE(std::isfinite(d)) << c.form;
        EXPECT_NE(d, 0.0) << c.form << " at " << c.z << ": the succeeding inner derivatives count";
        EXPECT_EQ(d, want) << c.form << " at " << c.z;
    }
}

// ----------------------------------------------- against the formula itself

const std::vector<std::string> kForms = {
    "z^3", "z^2", "sin(z)*z", "exp(-z^2)", "1/(z+5)", "(z)mod(3)", "sqr(z)", "z*1E200", "fact(z)",
    "baseten(z)", "\"1\" & z",
};
// Points whose neighbours z +- h are not 15-digit values, too: their texts
// round them.
const std::vector<double> kPoints = {2, -3, 0, 0.0005, 1e-7, -1.5, 1e10, 3.5e20, 1.0 / 3.0, 0.1 + 0.2};

TEST_F(DerivativesTest, FirstDerivativeIsTheFormulaOnSubstitutedTexts) {
    for (const std::string& form : kForms) {
        for (double z : kPoints) {
            bool failed = false;
            const double want = first(form, z, failed);
            int16_t flag = 0;
            const double d = Derive(ev, form, z, flag);
            EXPECT_EQ(std::bit_cast<uint64_t>(d), std::bit_cast<uint64_t>(want))
                << form << " at " << z << ": " << d << " vs " << want;
            EXPECT_EQ(flag, failed ? kTrue : 0) << form << " at " << z;
            // The points worked out once for several forms give the same.
            int16_t sharedFlag = 0;
            const double shared = Derive(ev.bind(form), derivativePoints(z), sharedFlag);
            EXPECT_EQ(std::bit_cast<uint64_t>(shared), std::bit_cast<uint64_t>(want)) << form << " at " << z;
            EXPECT_EQ(sharedFlag, flag) << form << " at " << z;
        }
    }
}

TEST_F(DerivativesTest, HigherDerivativesAreTheNestedFormula) {
    const std::vector<std::string> forms = {"z^3", "sin(z)*z", "sqr(z)", "(z)mod(3)"};
    const std::vector<double> points = {2, -1.5, 0.001, 2.5};
    for (const std::string& form : forms) {
        for (double z : points) {
            bool failed = false;
            const double want2 = second(form, z, failed);
            int16_t flag = 0;
            EXPECT_EQ(Double_Derivative(ev, form, z, flag), want2) << form << " at " << z;
            EXPECT_EQ(flag, failed ? kTrue : 0) << form << " at " << z;

            failed = false;
            const double want3 = third(form, z, failed);
            flag = 0;
            EXPECT_EQ(Triple_Derivative(ev, form, z, flag), want3) << form << " at " << z;
            EXPECT_EQ(flag, failed ? kTrue : 0) << form << " at " << z;
        }
    }
}

TEST_F(DerivativesTest, TextAndBoundFormOverloadsAgree) {
    using Text = double (*)(Evaluator&, std::string_view, double, int16_t&);
    using Bound = double (*)(const BoundForm&, double, int16_t&);
    struct Order {
        const char* name;
        Text text;
        Bound bound;
    };
    const Order orders[] = {
        {"first", &Derive, &Derive},
        {"second", &Double_Derivative, &Double_Derivative},
        {"third", &Triple_Derivative, &Triple_Derivative},
    };
    for (const Order& o : orders) {
        for (const std::string& form : kForms) {
            const BoundForm bound = ev.bind(form);
            for (double z : {2.0, -0.5, 0.0003}) {
                int16_t flagText = 0;
                int16_t flagBound = 0;
                const double viaText = o.text(ev, form, z, flagText);
                const double viaBound = o.bound(bound, z, flagBound);
                EXPECT_EQ(std::bit_cast<uint64_t>(viaText), std::bit_cast<uint64_t>(viaBound))
                    << o.name << " " << form << " at " << z;
                EXPECT_EQ(flagText, flagBound) << o.name << " " << form << " at " << z;
            }
        }
    }
}

}  // namespace
}  // namespace qv
