// Bound evaluation against its definition: evaluating a form with z (and A)
// bound must give exactly what evaluating the text with every "z" (and "A")
// replaced by the value in parentheses gives. Also the compiled fast path
// against the careful evaluation, and bound forms outliving the cache.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "expression/evaluator.h"
#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"

namespace qv {
namespace {

using namespace qv::testing_support;

// Forms as the rewriting hands them over: polynomials, functions, glued
// names, integer operators, comparisons, texts, and forms that fail for
// some values of z.
const std::vector<std::string> kZForms = {
    "z^2",
    "-z^2",
    "z^3-2*z+1",
    "3*z^2-z/2+7",
    "(z-1)*(z+1)/(z^2+1)",
    "(z+1)^2",
    "sin(z)",
    "cos(z)*sin(z)",
    "sin(z)^2+cos(z)^2-sin(z)",
    "cos(sin(z))*sin(cos(z))",
    "tan(z)",
    "atn(z)",
    "sinz",
    "cosz",
    "sin z",
    "sqr(z)",
    "sqr(abs(z))",
    "baseten(z)",
    "ln(z)",
    "log(z)",
    "exp(z)",
    "exp(-z^2)",
    "(z)mod(3)",
    "z Mod 3",
    "z\\2",
    "1/z",
    "1/(z-2.5)",
    "0/z",
    "z^0.5",
    "(-1)^z",
    "2^z",
    "z^z",
    "e^z*pi",
    "fact(z)",
    "fib(z)",
    "prime((z)mod(40))",
    "frac(z)",
    "int(z)+fix(z)",
    "round(z)",
    "round(z,2)",
    "sgn(z)*z",
    "sinh(z)",
    "asin(z)+acos(z)",
    "Az",
    "A*z+1",
    "(z>0)*z",
    "Not z",
    "z And 255",
    "\"a\" & z",
    "\"z\" & z",
    "z & \"\" = \"1\"",
    "Z+z",
    "z*1E300",
    "z/1E-300",
    "-z",
    "zz",
    "2z",
    // names and numbers glued to the letter
    "expz",
    "ez",
    "pi z",
    "Notz",
    "zmodz",
    "zAnd1",
    "1Ez",
    "1.z",
    "z.5",
    "z1",
    "zE2",
    // each operand shape of the compiled programs: constant or slot on
    // either side, squares and other powers, integer division and Mod
    "2-z",
    "2/z",
    "z/2",
    "3*z",
    "z+z",
    "z-z",
    "z*z",
    "z/z",
    "z^-1",
    "(-z)^2",
    "-(-z)",
    "2/z/z",
    "(z+1)*(z+2)*(z+3)*(z+4)",
    "(z\\3)*(z Mod 4)+2^(z Mod 5)",
    "z^3\\7",
    "1/(1+z^2)^0.5",
    "abs(z)^1.5-sqr(abs(z))",
    "int(z/3)*fix(-z/3)",
};

// Forms whose pending operands pile up: z + (z * (z - (z / ...))), with
// calls in the middle, around the depth where compiled code runs out of
// registers for them.
std::string deepForm(int depth) {
    static const char* const ops[] = {"+", "*", "-", "/"};
    std::string text;
    for (int i = 0; i < depth; ++i) text += std::string(i == depth / 2 ? "sin(z)" : "z") + ops[i % 4] + "(";
    text += "cos(z)-exp(z)";
    text += std::string(static_cast<size_t>(depth), ')');
    return text;
}

std::vector<std::string> allZForms() {
    std::vector<std::string> forms = kZForms;
    for (int depth : {6, 10, 11, 12, 13, 14, 20, 40}) forms.push_back(deepForm(depth));
    return forms;
}

// Forms with both letters bound.
const std::vector<std::string> kZAForms = {
    "A*z",
    "Az",
    "zA",
    "z^A",
    "A^2+z^2",
    "sin(A)+z",
    "sin(A)*cos(z)+cos(A)*sin(z)",
    "A/z",
    "A\\z",
    "(A)mod(z)",
    "fact(A)*z",
    "(A>z)*A",
    "\"A\" & A & z",
    "A",
    "sqr(A-z)",
    "a*z",  // lower-case a is an ordinary name, never bound
};

// Values that stress the substitution: signs, negative zero, texts in
// exponent form, subnormals, huge values, halves and integer limits.
const std::vector<double> kSpecialValues = {
    0.0, -0.0, 1.0, -1.0, 2.0, -3.0, 2.5, -2.5, 0.5, 3.5, 1.5, 0.1, 1.0 / 3.0,
    1e-7, -1e-7, 1e-5, 3.5e20, -3.5e20, -2.2e-300, 2.2e-300, 5e-324, -1e-310,
    1e300, -1e300, 1e15, 123456789012345.0, 1e16, 32767.0, 32768.0, -32768.5,
    2147483647.5, 1024.0, 1025.0, 709.0, 710.0, 3.141592653589793,
    std::numeric_limits<double>::max(),
    // more digits than the text keeps, ties of the 15th digit, and the
    // largest values whose texts do not overflow
    0.1 + 0.2, 2.0 / 3.0, 999999999999999.5, 1000000000000005.0, 1.0000000000000002,
    1.79769313486231e308, -1.797693134862315e308,
};

// Draws values of every character: small integers, halves, plain decimals
// and numbers of any magnitude.
class ValueSource {
public:
    explicit ValueSource(uint64_t seed) : gen_(seed) {}

    double next() {
        switch (pick(6)) {
        case 0: return static_cast<double>(static_cast<int>(pick(41)) - 20);
        case 1: return (static_cast<double>(pick(41)) - 20.0) / 2.0;
        case 2: return std::uniform_real_distribution<double>(-10.0, 10.0)(gen_);
        case 3: {
            const double exponent = std::uniform_real_distribution<double>(-320.0, 308.0)(gen_);
            return (pick(2) == 0 ? -1.0 : 1.0) * std::pow(10.0, exponent);
        }
        case 4: return kSpecialValues[pick(kSpecialValues.size())];
        default: return std::uniform_real_distribution<double>(-1e6, 1e6)(gen_);
        }
    }
    size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(gen_); }

private:
    std::mt19937_64 gen_;
};

class BoundEvaluationTest : public EvaluatorFixture {
protected:
    void SetUp() override {
        EvaluatorFixture::SetUp();
        portable.setUp();
        portable.setMachineCode(false);
        // A number held in a script variable: a form that reads it has no
        // compiled fast program, so multiplying by it forces the careful
        // evaluation of the whole form.
        ev.setVariable("one", Value::number(1.0));
        portable.setVariable("one", Value::number(1.0));
    }

    // Statements go to both evaluators, so that they stay alike.
    int statement(const char* text) {
        const int e = ev.executeStatement(text);
        EXPECT_EQ(portable.executeStatement(text), e) << text;
        return e;
    }

    // What "(form)*one" must give when the form gives r.
    static EvalResult timesOne(const EvalResult& r) {
        if (r.failed()) return r;
        const NumResult n = toArithmetic(r.value);
        if (n.failed()) return EvalResult::fail(n.error);
        return EvalResult::ok(Value::number(n.value * 1.0));
    }

    static EvalResult fromNumber(const NumResult& n) {
        return n.failed() ? EvalResult::fail(n.error) : EvalResult::ok(Value::number(n.value));
    }

    // Every check of one form at one point. `a` is bound only for ZA forms.
    void checkPair(const std::string& form, Binding binding, double z, double a) {
        const bool za = binding == Binding::ZA;
        const std::string substituted = za ? substituteValues(form, z, a) : substituteValues(form, z);
        const std::string where = "form " + form + " at z=" + roundTripText(z) +
                                  (za ? " A=" + roundTripText(a) : std::string()) + " (" + substituted + ")";
        const BoundForm bound = ev.bind(form, binding);
        const EvalResult viaBound = bound.eval(z, a);
        const EvalResult viaText = ev.eval(substituted);
        EXPECT_TRUE(sameResult(viaBound, viaText)) << where;
        const EvalResult viaCall = za ? ev.evalBound(form, z, a) : ev.evalBound(form, z);
        EXPECT_TRUE(sameResult(viaCall, viaBound)) << where << " (evalBound)";
        // The number the hot path gives is the value's numeric reading.
        EXPECT_TRUE(sameResult(fromNumber(bound.number(z, a)), timesOne(viaBound))) << where << " (number)";
        const BoundForm careful = ev.bind("(" + form + ")*one", binding);
        EXPECT_TRUE(sameResult(careful.eval(z, a), timesOne(viaBound))) << where << " (careful)";
        // Compiled programs give the same with and without machine code.
        const BoundForm other = portable.bind(form, binding);
        EXPECT_TRUE(sameResult(other.eval(z, a), viaBound)) << where << " (portable)";
        EXPECT_TRUE(sameResult(fromNumber(other.number(z, a)), fromNumber(bound.number(z, a))))
            << where << " (portable number)";
    }

    // Same seed, same library, but compiled programs run on the portable
    // machine instead of machine code.
    RandomSource portableRng{kFixedSeed};
    MathLibrary portableMath{portableRng};
    Evaluator portable{portableMath, portableRng};
};

TEST_F(BoundEvaluationTest, EveryFormAtEverySpecialValue) {
    EXPECT_TRUE(ev.machineCode());
    EXPECT_FALSE(portable.machineCode());
    for (const std::string& form : allZForms()) {
        for (double z : kSpecialValues) checkPair(form, Binding::Z, z, 0.0);
    }
}

TEST_F(BoundEvaluationTest, RandomFormsAndValues) {
    ValueSource values(0x5eed0001);
    const std::vector<std::string> forms = allZForms();
    for (int i = 0; i < 3000; ++i) {
        const std::string& form = forms[values.pick(forms.size())];
        checkPair(form, Binding::Z, values.next(), 0.0);
    }
}

TEST_F(BoundEvaluationTest, RandomFormsAndValuesWithA) {
    ValueSource values(0x5eed0002);
    for (const std::string& form : kZAForms) {
        for (double v : {0.0, -0.0, -2.0, 2.5, 1e-7, 1e300}) checkPair(form, Binding::ZA, v, -v);
    }
    for (int i = 0; i < 1500; ++i) {
        const std::string& form = kZAForms[values.pick(kZAForms.size())];
        checkPair(form, Binding::ZA, values.next(), values.next());
    }
}

// The script variable z (written "Z" in a form, since only the lower-case
// letter is bound) is read by name on both paths, assigned or not.
TEST_F(BoundEvaluationTest, ScriptVariableZIsReadByName) {
    const std::vector<std::string> forms = {"Z+z", "Z*z-Z", "(Z>z)*Z", "Z & z"};
    for (const std::string& form : forms) checkPair(form, Binding::Z, 2.5, 0.0);
    EXPECT_TRUE(matches(ev.bind("Z+z").eval(2.5), num(2.5)));  // Z is Empty
    ASSERT_EQ(statement("z = 7"), 0);
    for (const std::string& form : forms) {
        for (double z : {2.5, -1.0, 0.0}) checkPair(form, Binding::Z, z, 0.0);
    }
    EXPECT_TRUE(matches(ev.bind("Z+z").eval(2.5), num(9.5)));
    ASSERT_EQ(statement("z = \"x\""), 0);
    checkPair("Z+z", Binding::Z, 1.0, 0.0);
    EXPECT_TRUE(matches(ev.bind("Z+z").eval(2.5), err(kTypeMismatch)));
}

// A bound value acts as one operand in parentheses, whatever its sign or
// its text: the cases the substitution exists for.
TEST_F(BoundEvaluationTest, BoundValuesActAsParenthesisedOperands) {
    struct BoundCase {
        const char* form;
        double z;
        Expected want;
    };
    const BoundCase cases[] = {
        {"z^2", -3, num(9)},
        {"-z^2", -3, num(9)},
        {"2^z", -2, num(0.25)},
        {"z*1E3", 1e-7, num(1e-7 * 1e3)},
        {"sinz", 0, num(0)},
        {"1/z", -0.0, err(kDivisionByZero)},
        {"z^2", 1e300, err(kOverflow)},
        {"(z)mod(3)", -7, num(-1)},
        {"z\\2", -7, num(-3)},
        {"(z)mod(3)", 2.5, num(2)},  // 2.5 rounds to 2
        {"\"a\" & z", 3.5e20, str("a3.5E+20")},
        {"\"z\" & z", 2, str("(2)2")},  // a z inside a literal is replaced too
        {"zz", 1, err(kSyntaxError)},
        {"Az", 1, err(kTypeMismatch)},  // A unbound: a call of the unknown name a
    };
    for (const BoundCase& c : cases) {
        EXPECT_TRUE(matches(ev.bind(c.form).eval(c.z), c.want)) << c.form << " at " << c.z;
        EXPECT_TRUE(matches(ev.eval(substituteValues(c.form, c.z)), c.want)) << c.form << " at " << c.z;
    }
    EXPECT_TRUE(matches(ev.bind("Az", Binding::ZA).eval(1, 2), err(kSyntaxError)));
    EXPECT_TRUE(matches(ev.bind("A*z", Binding::ZA).eval(3, -2), num(-6)));
    EXPECT_TRUE(matches(ev.bind("A*z+1").eval(3), num(1)));  // A unbound is Empty
}

// A bound value is the value its 15-digit text reads back as, on every
// path: the hot number(), eval(), evalBound() and the careful evaluation.
TEST_F(BoundEvaluationTest, BoundValuesAreTheirNumberTexts) {
    struct TextCase {
        const char* form;
        double z;
        Expected want;
    };
    const double max = std::numeric_limits<double>::max();
    const TextCase cases[] = {
        {"z", 0.1 + 0.2, num(0.3)},
        {"z-0.3", 0.1 + 0.2, num(0)},
        {"z*3", 2.0 / 3.0, num(0.666666666666667 * 3)},
        {"z", 999999999999999.5, num(1e15)},
        {"z", -1.0000000000000002, num(-1)},
        {"1/(z-1)", 1.0000000000000002, err(kDivisionByZero)},
        {"z/2", 1.79769313486231e308, num(1.79769313486231e308 / 2)},
        {"z", max, err(kOverflow)},  // its text "1.79769313486232E+308" overflows
        {"z*0", -max, err(kOverflow)},
    };
    for (const TextCase& c : cases) {
        const std::string where = std::string(c.form) + " at " + roundTripText(c.z);
        const BoundForm bound = ev.bind(c.form);
        EXPECT_TRUE(matches(bound.eval(c.z), c.want)) << where;
        EXPECT_TRUE(matches(fromNumber(bound.number(c.z)), c.want)) << where << " (number)";
        EXPECT_TRUE(matches(ev.evalBound(c.form, c.z), c.want)) << where << " (evalBound)";
        EXPECT_TRUE(matches(ev.bind("(" + std::string(c.form) + ")*one").eval(c.z), c.want)) << where << " (careful)";
        std::string withA = c.form;
        std::replace(withA.begin(), withA.end(), 'z', 'A');
        EXPECT_TRUE(matches(ev.evalBound(withA, 0.0, c.z), c.want)) << where << " (A)";
    }
    // Inside a string literal the letter is replaced by the text itself.
    EXPECT_TRUE(matches(ev.bind("\"z\" & 1").eval(max), str("(1.79769313486232E+308)1")));
    EXPECT_TRUE(matches(ev.bind("\"z\"").eval(0.1 + 0.2), str("(0.3)")));
    // A form that does not compile: the overflowing text is read first.
    EXPECT_TRUE(matches(ev.bind("z+)").eval(max), err(kOverflow)));
    EXPECT_TRUE(matches(ev.eval(substituteValues("z+)", max)), err(kOverflow)));
    EXPECT_TRUE(matches(ev.bind("z+)").eval(1), err(kSyntaxError)));
}

TEST_F(BoundEvaluationTest, BoundFormOutlivesCacheClearingAndSetUp) {
    const BoundForm f = ev.bind("z*pi + q");
    const BoundForm g = f;  // copies share the compiled form
    ASSERT_TRUE(f.valid());
    EXPECT_TRUE(matches(f.eval(2), num(2 * math.pi)));

    ev.clearCache();
    EXPECT_EQ(ev.cacheSize(), 0u);
    EXPECT_TRUE(matches(f.eval(2), num(2 * math.pi)));
    EXPECT_EQ(g.number(2).value, 2 * math.pi);

    for (int i = 0; i < 2000; ++i) ev.eval(std::to_string(i) + "+1");  // churns the cache
    EXPECT_TRUE(matches(f.eval(-1), num(-math.pi)));

    ASSERT_EQ(ev.executeStatement("pi = 3"), 0);
    EXPECT_TRUE(matches(f.eval(2), num(6)));  // sees the new constant
    EXPECT_EQ(g.number(2).value, 6.0);

    ev.setUp();
    EXPECT_TRUE(matches(f.eval(2), num(2 * 3.141592653589793)));
    EXPECT_EQ(g.number(2).value, 2 * 3.141592653589793);

    ev.setVariable("q", Value::number(1));
    EXPECT_TRUE(matches(f.eval(2), num(2 * 3.141592653589793 + 1)));
    EXPECT_EQ(g.number(2).value, 2 * 3.141592653589793 + 1);
}

// Bound evaluation stands for substituting the value's text; an infinity or
// a NaN has no number text but one that overflows, so it must fail the
// evaluation with an overflow, never come out as a value.
TEST_F(BoundEvaluationTest, NonFiniteValuesFailLikeTheirText) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const char* form : {"z", "z*0", "sin(z)", "1/z", "-z", "z-z", "(z>0)*1", "\"a\" & z", "5"}) {
        for (double z : {inf, -inf, nan}) {
            const std::string substituted = substituteValues(form, z);
            const EvalResult viaText = ev.eval(substituted);
            const EvalResult viaBound = ev.bind(form).eval(z);
            EXPECT_TRUE(sameResult(viaBound, viaText)) << form << " at " << z << " (" << substituted << ")";
            if (!viaBound.failed() && viaBound.value.isNumber()) {
                EXPECT_TRUE(std::isfinite(viaBound.value.num)) << form << " at " << z;
            }
        }
    }
}

// A form bound with no letter reads z as the script variable: the value
// passed in is not used, on any path.
// A bound letter is one token, its text "(-2)" up to two levels deeper; at
// the parser's limits the text decides, whatever the sign of the value.
TEST_F(BoundEvaluationTest, FormsAtTheParserLimitsFollowTheirText) {
    std::vector<std::string> forms;
    for (int depth : {kMaxNesting - 3, kMaxNesting - 2, kMaxNesting - 1, kMaxNesting}) {
        forms.push_back(std::string(depth, '(') + "z" + std::string(depth, ')'));
        forms.push_back(std::string(depth - 1, '(') + "sinz" + std::string(depth - 1, ')'));
    }
    for (int terms : {kMaxHeight - 2, kMaxHeight - 1, kMaxHeight, kMaxHeight + 1}) {
        std::string sum = "z";
        for (int i = 1; i < terms; ++i) sum += "+z";
        forms.push_back(sum);
    }
    for (const std::string& form : forms) {
        for (double z : {2.0, -2.0}) {
            const EvalResult viaText = ev.eval(substituteValues(form, z));
            EXPECT_TRUE(sameResult(ev.bind(form).eval(z), viaText)) << form.size() << " chars at " << z;
            EXPECT_TRUE(sameResult(fromNumber(ev.bind(form).number(z)), timesOne(viaText)))
                << form.size() << " chars at " << z << " (number)";
        }
    }
}

TEST_F(BoundEvaluationTest, UnboundFormReadsTheScriptVariable) {
    ASSERT_EQ(statement("z = 3"), 0);
    for (Evaluator* e : {&ev, &portable}) {
        const BoundForm f = e->bind("z*2", Binding::None);
        EXPECT_TRUE(matches(f.eval(100), num(6))) << (e == &ev ? "machine code" : "portable");
        const NumResult n = f.number(100);
        EXPECT_FALSE(n.failed());
        EXPECT_EQ(n.value, 6) << (e == &ev ? "machine code" : "portable");
        EXPECT_TRUE(matches(e->eval("z*2"), num(6)));
    }
}

TEST_F(BoundEvaluationTest, DefaultBoundFormIsNotValid) {
    const BoundForm f;
    EXPECT_FALSE(f.valid());
    EXPECT_TRUE(ev.bind("z").valid());
}

}  // namespace
}  // namespace qv
