// Long left-associative chains (a sum of thousands of terms, a long product)
// are evaluated in a loop rather than by recursion: they must give exactly
// what applying the operations one by one from the left gives, on every
// path, while truly nested texts keep their limits.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "expression/evaluator.h"
#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"

namespace qv {
namespace {

using namespace qv::testing_support;

// One step of a chain: the operator and its right operand, a number, z, or
// the number times z.
struct Step {
    char op;
    double value;
    enum class Operand : unsigned char { Number, Z, TimesZ } operand = Operand::Number;
};

struct Chain {
    const char* name;
    std::string form;
    double z;
    EvalResult want;
};

// The form "z op operand op operand ..." and its result worked out here in
// the same order, one rounding per step, with the language's errors: the
// first failing step decides.
Chain chainOf(const char* name, double z, const std::vector<Step>& steps) {
    Chain c{name, "z", z, {}};
    double acc = z;
    int error = 0;
    for (const Step& s : steps) {
        const std::string number = roundTripText(s.value);
        double operand = s.value;
        switch (s.operand) {
        case Step::Operand::Number: c.form += s.op + number; break;
        case Step::Operand::Z: c.form += s.op + std::string("z"); operand = z; break;
        case Step::Operand::TimesZ: c.form += s.op + number + "*z"; operand = s.value * z; break;
        }
        if (error != 0) continue;
        switch (s.op) {
        case '+': acc += operand; break;
        case '-': acc -= operand; break;
        case '*': acc *= operand; break;
        default:
            if (operand == 0.0) error = acc == 0.0 ? kOverflow : kDivisionByZero;
            acc /= operand;
            break;
        }
        if (error == 0 && !std::isfinite(acc)) error = kOverflow;
    }
    c.want = error != 0 ? EvalResult::fail(error) : EvalResult::ok(Value::number(acc));
    return c;
}

std::vector<Step> stepsOf(int count, Step (*step)(int)) {
    std::vector<Step> steps;
    for (int k = 1; k <= count; ++k) steps.push_back(step(k));
    return steps;
}

class OperatorChainTest : public EvaluatorFixture {
protected:
    void SetUp() override {
        EvaluatorFixture::SetUp();
        portable.setUp();
        portable.setMachineCode(false);
        ev.setVariable("one", Value::number(1.0));
    }

    // Bound evaluation (eval, number, evalBound, portable machine), the
    // careful evaluation alone, and the substituted text all give `want`.
    void checkEveryPath(const std::string& form, double z, const EvalResult& want, const char* name) {
        const BoundForm bound = ev.bind(form);
        EXPECT_TRUE(sameResult(bound.eval(z), want)) << name;
        const NumResult n = bound.number(z);
        EXPECT_TRUE(sameResult(n.failed() ? EvalResult::fail(n.error) : EvalResult::ok(Value::number(n.value)), want))
            << name << " (number)";
        EXPECT_TRUE(sameResult(ev.evalBound(form, z), want)) << name << " (evalBound)";
        EXPECT_TRUE(sameResult(portable.bind(form).eval(z), want)) << name << " (portable)";
        EXPECT_TRUE(sameResult(ev.evalBound("(" + form + ")*one", z), want)) << name << " (careful)";
        EXPECT_TRUE(sameResult(ev.eval(substituteValues(form, z)), want)) << name << " (text)";
    }

    RandomSource portableRng{kFixedSeed};
    MathLibrary portableMath{portableRng};
    Evaluator portable{portableMath, portableRng};
};

TEST_F(OperatorChainTest, LongChainsGiveTheStepByStepResult) {
    const Chain cases[] = {
        chainOf("sum of 10000 terms", 1, stepsOf(9999, [](int k) { return Step{'+', k + 1.0}; })),
        chainOf("alternating signs", 1, stepsOf(9999, [](int k) { return Step{k % 2 ? '-' : '+', k + 1.0}; })),
        // Decimal fractions round differently in any other order.
        chainOf("tenths", 0.1, stepsOf(9999, [](int k) { return Step{k % 3 ? '+' : '-', (k % 10) / 10.0}; })),
        chainOf("z added 10000 times", 0.1, stepsOf(9999, [](int) { return Step{'+', 0, Step::Operand::Z}; })),
        // Three instructions a term: more than machine code takes.
        chainOf("multiples of z", 0.3,
                stepsOf(10000, [](int k) { return Step{k % 2 ? '+' : '-', k / 8.0, Step::Operand::TimesZ}; })),
        chainOf("products and quotients", 1.5,
                stepsOf(1000, [](int k) { return Step{k % 2 ? '*' : '/', k % 2 ? 1.1 : 0.7}; })),
        // 1E10 to the 31st overflows; the division by zero further on is
        // never reached.
        chainOf("overflow before a division by zero", 1,
                stepsOf(40, [](int k) { return Step{k < 35 ? '*' : '/', k < 35 ? 1e10 : 0.0}; })),
        chainOf("division by zero before an overflow", 5,
                stepsOf(40, [](int k) { return Step{k == 2 ? '/' : '*', k == 2 ? 0.0 : 1e300}; })),
        chainOf("zero over zero", 0, stepsOf(3, [](int k) { return Step{k == 2 ? '/' : '*', k == 2 ? 0.0 : 2.0}; })),
    };
    EXPECT_TRUE(matches(cases[0].want, num(50005000)));
    EXPECT_TRUE(matches(cases[1].want, num(-5000)));
    EXPECT_TRUE(matches(cases[6].want, err(kOverflow)));
    EXPECT_TRUE(matches(cases[7].want, err(kDivisionByZero)));
    for (const Chain& c : cases) checkEveryPath(c.form, c.z, c.want, c.name);
}

// Strings, Empty and Booleans in a chain follow the language's rules step
// by step, from the left.
TEST_F(OperatorChainTest, ChainsOfOtherTypes) {
    std::string concat = "z";
    std::string joined = "7";
    for (int k = 1; k <= 3000; ++k) {
        concat += " & " + std::to_string(k);
        joined += std::to_string(k);
    }
    struct TypedCase {
        std::string form;
        Expected want;
    };
    const TypedCase cases[] = {
        {"z+1+\"2\"+3", num(13)},  // a numeric text adds
        {"z+1+\"x\"+1/0", err(kTypeMismatch)},
        {"\"a\"+\"b\"+z", err(kTypeMismatch)},  // "ab" then a number
        {"q+q+z", num(7)},
        {"q&q&q", str("")},
        {"z&q&1", str("71")},
        {"z<8<1", boolean(true)},  // True is -1
        {"z=7=True", boolean(true)},
        {"True And True And z", num(7)},
        {"True Or False Or False", boolean(true)},
        {"100\\z\\3\\2", num(2)},
        {"100 Mod z Mod 3", num(2)},
        {"z^2^0.5", num(7)},
        {concat, str(joined)},
    };
    for (const TypedCase& c : cases) {
        const std::string where = c.form.substr(0, 40);
        EXPECT_TRUE(matches(ev.bind(c.form).eval(7), c.want)) << where;
        EXPECT_TRUE(matches(ev.eval(substituteValues(c.form, 7)), c.want)) << where << " (text)";
    }
}

// A text exactly `height` tall with few parentheses: z inside wraps of up to
// nine operator levels each ("1 Or 1 And 1=1&1+1 Mod 1\1*1^(...)").
std::string tallOperand(int height) {
    static const char* const kLevels[] = {"1^", "1*", "1\\", "1 Mod ", "1+", "1&", "1=", "1 And ", "1 Or "};
    std::string text = "z";
    for (int left = height - 1; left > 0;) {
        const int levels = std::min(left, 9);
        std::string prefix;
        for (int i = levels - 1; i >= 0; --i) prefix += kLevels[i];
        text = prefix + "(" + text + ")";
        left -= levels;
    }
    return text;
}

// A chain is one level taller than its tallest operand, however long it is;
// nesting is counted as before.
TEST_F(OperatorChainTest, TallOperandsAndDeepNestingKeepTheirLimits) {
    std::string longTail;
    for (int k = 0; k < 5000; ++k) longTail += "+z";
    std::string nestedSum = "z";
    for (int k = 0; k < kMaxNesting - 2; ++k) nestedSum = "1+(" + nestedSum + ")";
    struct LimitCase {
        std::string form;
        bool refused;
    };
    const LimitCase cases[] = {
        {"z+(" + tallOperand(kMaxHeight - 1) + ")" + longTail, false},
        {"z+(" + tallOperand(kMaxHeight) + ")" + longTail, true},
        {"z" + longTail + "-(" + tallOperand(kMaxHeight - 1) + ")", false},
        {"z" + longTail + "-(" + tallOperand(kMaxHeight) + ")", true},
        {nestedSum, false},
        {"1+(1+(1+(" + nestedSum + ")))", true},
        {std::string(kMaxNesting + 1, '(') + "z" + longTail + std::string(kMaxNesting + 1, ')'), true},
    };
    for (const LimitCase& c : cases) {
        // The text of a negative value, "(-2)", is one level taller: at
        // the limit the text decides, and bound evaluation follows it.
        for (double z : {2.0, -2.0}) {
            const EvalResult viaText = ev.eval(substituteValues(c.form, z));
            if (z > 0) {
                EXPECT_EQ(viaText.error == kSyntaxError, c.refused) << c.form.size() << " chars: " << describe(viaText);
            }
            EXPECT_TRUE(sameResult(ev.bind(c.form).eval(z), viaText)) << c.form.size() << " chars at " << z;
        }
    }
    EXPECT_TRUE(matches(ev.bind(nestedSum).eval(2), num(kMaxNesting)));
}

}  // namespace
}  // namespace qv
