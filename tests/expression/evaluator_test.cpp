// The language the evaluator accepts: grammar and precedence, values and
// their conversions, error numbers, built-in functions, the math library's
// global names, statements, and the two shared evaluation routines.

#include "expression/evaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "expression/routines.h"
#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"

namespace qv {
namespace {

using namespace qv::testing_support;

struct Case {
    const char* text;
    Expected want;
};

class EvaluatorTest : public EvaluatorFixture {
protected:
    // Each text is evaluated twice: the second run takes the compiled
    // program from the cache and must agree with the first.
    void check(std::initializer_list<Case> cases) {
        for (const Case& c : cases) {
            EXPECT_TRUE(matches(ev.eval(c.text), c.want)) << "text: " << c.text;
            EXPECT_TRUE(matches(ev.eval(c.text), c.want)) << "text (cached): " << c.text;
        }
    }
};

constexpr double kPi = std::numbers::pi;

// ------------------------------------------------------ grammar, precedence

TEST_F(EvaluatorTest, PrecedenceOfArithmeticLevels) {
    check({
        {"--1", num(1)},
        {"+-+1", num(-1)},
        {"-3^2", num(9)},         // the sign binds tighter than ^
        {"-(2)^2", num(4)},
        {"2^3^2", num(64)},       // ^ associates to the left
        {"2^-2", num(0.25)},      // the exponent may carry a sign
        {"-2^-2", num(0.25)},
        {"2*3^2", num(18)},
        {"2^3*2", num(16)},
        {"2*-3", num(-6)},
        {"8/4/2", num(1)},
        {"1+2*3", num(7)},
        {"(1+2)*3", num(9)},
        {"5\\4/2", num(2)},       // \ is looser than /: 5\(4/2)
        {"100\\7\\2", num(7)},    // (100\7)\2, not 100\(7\2) = 33
        {"10 Mod 6 \\ 2", num(1)},  // \ is tighter than Mod: 10 Mod 3
        {"7 \\ 2 Mod 2", num(1)},   // (7\2) Mod 2
        {"100 Mod 7 Mod 3", num(2)},
        {"7 Mod 4+2", num(5)},    // Mod is tighter than +
        {"2--3", num(5)},
        {"10-4-3", num(3)},
        {"1+2 & 3", str("33")},   // & is looser than +
        {"\"a\" & 1 + 1", str("a2")},
        {"(((1)))", num(1)},
        {"-7 Mod 3", num(-1)},    // the sign of the dividend
        {"7 Mod -3", num(1)},
        {"-7 Mod -3", num(-1)},
        {"-7 \\ 2", num(-3)},   // toward zero
        {"7.5 \\ 2", num(4)},   // operands round half to even: 8 \ 2
        {"6.5 \\ 2", num(3)},   // 6 \ 2
        {"5.5 Mod 4", num(2)},    // 6 Mod 4
        {"-2147483648.5 \\ 1", num(-2147483648.0)},
        {" 1 +\t2 ", num(3)},
    });
}

TEST_F(EvaluatorTest, PrecedenceOfComparisonAndLogicLevels) {
    check({
        {"1 = 1", boolean(true)},                 // = always compares
        {"1 + 2 = 3", boolean(true)},
        {"\"1\" & \"2\" = \"12\"", boolean(true)},  // & is tighter than =
        {"3 > 2 > 1", boolean(false)},            // (3>2) is -1, and -1 > 1 is False
        {"1 < 2 = True", boolean(true)},
        {"Not 1 = 2", boolean(true)},             // Not is looser than =
        {"Not 0 And 0", num(0)},                  // Not is tighter than And
        {"Not Not 5", num(5)},
        {"1 Or 2 And 0", num(1)},                 // And is tighter than Or
        {"1 Xor 1 Or 1", num(0)},                 // Or is tighter than Xor
        {"0 Imp 0 Eqv 5", num(-1)},               // Eqv is tighter than Imp
        {"1 = 1 And 2 = 2", boolean(true)},
    });
}

TEST_F(EvaluatorTest, CallsWithAndWithoutArguments) {
    const EvalResult r = ev.eval("RandomNumber()");
    ASSERT_FALSE(r.failed()) << describe(r);
    ASSERT_TRUE(r.value.isNumber());
    EXPECT_GE(r.value.num, 0.0);
    EXPECT_LT(r.value.num, 1.0);
    check({
        {"Sqr(16)", num(4)},
        {"Sqr (16)", num(4)},
        {"Round(2.567, 2)", num(2.57)},
        {"Sqr(Sqr(16))", num(2)},
        {"Round(Sqr(16.81) * 2, Abs(-1))", num(8.2)},  // calls among the arguments of a call
        {"Sin()", err(kWrongArgCount)},
        {"Sqr", err(kWrongArgCount)},  // a function named without arguments
    });
}

// ---------------------------------------------------------------- values

TEST_F(EvaluatorTest, EmptyIsZeroInArithmeticAndBlankInText) {
    check({
        {"q", empty()},
        {"Empty", empty()},
        {"q + 1", num(1)},
        {"q * 5", num(0)},
        {"Empty + 2", num(2)},
        {"-q", num(0)},
        {"q & \"\"", str("")},
        {"q & \"x\"", str("x")},
        {"q + \"x\"", str("x")},  // Empty + text gives the text unchanged
        {"q = 0", boolean(true)},
        {"q = \"\"", boolean(true)},
        {"Not q", num(-1)},
        {"zmod3", empty()},       // one unknown name, not z Mod 3
    });
}

TEST_F(EvaluatorTest, BooleansAreMinusOneAndZero) {
    check({
        {"True", boolean(true)},
        {"False", boolean(false)},
        {"True + 0", num(-1)},
        {"True + True", num(-2)},
        {"-True", num(1)},
        {"(1<2)*5", num(-5)},
        {"True = -1", boolean(true)},
        {"1 < 2", boolean(true)},
        {"2 <= 1", boolean(false)},
        {"2 >= 2", boolean(true)},
        {"1 <> 1", boolean(false)},
        {"1 = 1.0", boolean(true)},
        {"\"a\" < \"b\"", boolean(true)},
        {"\"B\" < \"a\"", boolean(true)},  // texts compare by character code
        {"True & \"\"", str("True")},
        {"(1>2) & \"\"", str("False")},
    });
}

TEST_F(EvaluatorTest, LogicOperatorsAreBitwise) {
    check({
        {"Not 0", num(-1)},
        {"Not 5", num(-6)},
        {"Not 2147483647", num(-2147483648.0)},
        {"Not True", boolean(false)},
        {"Not False", boolean(true)},
        {"5 And 3", num(1)},
        {"5 Or 3", num(7)},
        {"5 Xor 3", num(6)},
        {"5 Eqv 3", num(-7)},
        {"5 Imp 3", num(-5)},
        {"-1 And 255", num(255)},
        {"True And 3", num(3)},      // a Boolean with a number gives a number
        {"2.5 And 7", num(2)},       // operands round half to even first
        {"3.5 And 7", num(4)},
        {"\"6\" And 3", num(2)},
        {"True And False", boolean(false)},
        {"True Or False", boolean(true)},
        {"True Xor True", boolean(false)},
        {"False Eqv False", boolean(true)},
        {"False Imp False", boolean(true)},
        {"True Imp False", boolean(false)},
        {"1E10 And 1", err(kOverflow)},  // beyond 32 bits
        {"\"x\" And 3", err(kTypeMismatch)},
        {"Not \"x\"", err(kTypeMismatch)},
    });
}

TEST_F(EvaluatorTest, LogicOperatorsEvaluateBothSides) {
    // No short circuit: the right side's error shows even when the left
    // side alone decides the result.
    check({
        {"False And 1/0", err(kDivisionByZero)},
        {"True Or Sqr(-1)", err(kInvalidCall)},
        {"0 Imp 1/0", err(kDivisionByZero)},
    });
}

TEST_F(EvaluatorTest, StringsConcatenateAndNumericTextsAdd) {
    check({
        {"\"a\" & \"b\"", str("ab")},
        {"\"a\" + \"b\"", str("ab")},
        {"\"2\" + \"3\"", str("23")},
        {"\"2\" + 3", num(5)},
        {"3 + \"2\"", num(5)},
        {"\"2\" * \"3\"", num(6)},
        {"\" 1.5E1 \" - 1", num(14)},
        {"-\"2\"", num(-2)},
        {"\"a\" + 3", err(kTypeMismatch)},
        {"\"a\" - 1", err(kTypeMismatch)},
        {"\"12abc\" + 1", err(kTypeMismatch)},
        {"\"\" + 1", err(kTypeMismatch)},
        {"-\"a\"", err(kTypeMismatch)},
        {"\"a\"\"b\"", str("a\"b")},  // a doubled quote is one quote
        {"\"\"\"\"", str("\"")},
        {"\"\"", str("")},
        {"1 & 2", str("12")},
        {"0.1 + 0.2 & \"\"", str("0.3")},
        {"1E15 & \"\"", str("1E+15")},
        {"0.00001 & \"\"", str("1E-05")},
        {"-0.5 & \"\"", str("-0.5")},
        {"-0 & \"\"", str("0")},
        {"1/3 & \"\"", str("0.333333333333333")},  // 15 significant digits
        {"0.0001 & \"\"", str("0.0001")},
        {"123456789012345 & \"\"", str("123456789012345")},
        {"-1E-300 & \"\"", str("-1E-300")},
    });
}

TEST_F(EvaluatorTest, NumberLiterals) {
    check({
        {"1E3", num(1000)},
        {"1e3", num(1000)},
        {"1E+3", num(1000)},
        {".5", num(0.5)},
        {"10.", num(10)},
        {"1.5E-3", num(1.5e-3)},
        {"010", num(10)},  // decimal, not octal
        {"0.1", num(0.1)},
        {"123456789012345678901234567890", num(1.2345678901234568e29)},
        {"1e-400", num(0)},  // underflow is silent
        {"1e400", err(kOverflow)},
        {"1E", err(kSyntaxError)},
        {"1E+", err(kSyntaxError)},
        {"1.2.3", err(kSyntaxError)},
        {"2x", err(kSyntaxError)},
    });
}

// ---------------------------------------------------------------- errors

TEST_F(EvaluatorTest, ErrorNumbers) {
    check({
        {"1/0", err(kDivisionByZero)},
        {"-1/0", err(kDivisionByZero)},
        {"5\\0", err(kDivisionByZero)},
        {"5 Mod 0", err(kDivisionByZero)},
        {"5 Mod 0.4", err(kDivisionByZero)},  // 0.4 rounds to 0
        {"0/0", err(kOverflow)},
        {"1E308*10", err(kOverflow)},
        {"-1E308*10", err(kOverflow)},
        {"1E308+1E308", err(kOverflow)},
        {"2^1024", err(kOverflow)},
        {"Exp(1000)", err(kOverflow)},
        {"2147483648 \\ 1", err(kOverflow)},  // integer conversion out of range
        {"1E10 Mod 3", err(kOverflow)},
        {"2147483647.5 \\ 1", err(kOverflow)},  // rounds to 2^31
        {"Sqr(-1)", err(kInvalidCall)},
        {"Log(0)", err(kInvalidCall)},
        {"Log(-1)", err(kInvalidCall)},
        {"(-8)^(1/3)", err(kInvalidCall)},
        {"0^-1", err(kInvalidCall)},
        {"\"abc\" + 1", err(kTypeMismatch)},
        {"foo(1)", err(kTypeMismatch)},  // an unknown name called as a function
        {"Sin(1, 2)", err(kWrongArgCount)},
        {"Round(1, 2, 3)", err(kWrongArgCount)},
        {"(1+2", err(kSyntaxError)},
        {"1+2)", err(kSyntaxError)},
        {"1+", err(kSyntaxError)},
        {"*2", err(kSyntaxError)},
        {"1 2", err(kSyntaxError)},
        {"f(1,)", err(kSyntaxError)},
    });
}

TEST_F(EvaluatorTest, FirstErrorFromTheLeftWins) {
    check({
        {"1/0 + Sqr(-1)", err(kDivisionByZero)},
        {"Sqr(-1) + 1/0", err(kInvalidCall)},
        {"\"a\" * (1/0)", err(kDivisionByZero)},  // operands are evaluated before converting
    });
}

TEST_F(EvaluatorTest, UnderflowIsSilent) {
    check({
        {"1E-300*1E-300", num(0)},
        {"Exp(-1000)", num(0)},
        {"2^-1100", num(0)},
    });
}

TEST_F(EvaluatorTest, NestingJustWithinTheLimitStillEvaluates) {
    const int depth = kMaxNesting - 1;
    const std::string nested = std::string(depth, '(') + "7" + std::string(depth, ')');
    EXPECT_TRUE(matches(ev.eval(nested), num(7)));
    const std::string tooDeep = std::string(kMaxNesting + 1, '(') + "7" + std::string(kMaxNesting + 1, ')');
    EXPECT_TRUE(matches(ev.eval(tooDeep), err(kSyntaxError)));
}

// No result is ever an infinity or a NaN, whichever operands and operator:
// every case either fails with one of the arithmetic errors or is finite.
TEST_F(EvaluatorTest, NoOperationYieldsInfinityOrNaN) {
    const std::vector<std::string> operands = {
        "1E308", "(-1E308)", "0", "(-0)", "1E-308", "2", "(-2)", "0.5", "(-0.5)", "1E10", "(-1E10)",
    };
    const std::vector<std::string> ops = {"+", "-", "*", "/", "^", "\\", " Mod "};
    const std::vector<std::string> functions = {
        "Exp", "Log", "Sqr", "Sin", "Tan", "Atn", "sinh", "cosh", "tanh", "sech", "frac",
        "asinh", "atan", "acot", "Round", "Int", "Abs",
    };
    auto checkFinite = [&](const std::string& text) {
        const EvalResult r = ev.eval(text);
        if (r.failed()) {
            EXPECT_TRUE(r.error == kOverflow || r.error == kDivisionByZero || r.error == kInvalidCall)
                << text << ": " << describe(r);
        } else {
            ASSERT_TRUE(r.value.isNumber()) << text;
            EXPECT_TRUE(std::isfinite(r.value.num)) << text << ": " << describe(r);
        }
    };
    for (const std::string& a : operands) {
        for (const std::string& b : operands) {
            for (const std::string& op : ops) {
                checkFinite(a + op + b);
                checkFinite("(" + a + op + b + ")*" + b + op + a);
            }
        }
        for (const std::string& f : functions) {
            checkFinite(f + "(" + a + "*" + a + ")");
            checkFinite(f + "(" + a + "/1E-308)");
        }
    }
}

// ---------------------------------------------------------------- built-ins

TEST_F(EvaluatorTest, TrigonometryExpAndLog) {
    check({
        {"Sin(0)", num(0)},
        {"Sin(pi/2)", num(1)},
        {"Cos(0)", num(1)},
        {"Cos(pi)", num(-1)},
        {"Tan(0)", num(0)},
        {"Tan(pi/4)", num(1, 1e-15)},
        {"Atn(1)*4", num(kPi, 1e-15)},
        {"Atn(-1E308)", num(-kPi / 2, 1e-15)},
        {"Exp(0)", num(1)},
        {"Exp(1)", num(std::numbers::e, 1e-15)},
        {"Log(1)", num(0)},
        {"Log(Exp(2))", num(2, 1e-15)},
        {"Sqr(16)", num(4)},
        {"Sqr(0)", num(0)},
        {"Abs(-3)", num(3)},
        {"Abs(3)", num(3)},
    });
}

TEST_F(EvaluatorTest, IntFloorsAndFixTruncates) {
    check({
        {"Int(-2.5)", num(-3)},
        {"Int(2.5)", num(2)},
        {"Int(-2)", num(-2)},
        {"Int(-0.1)", num(-1)},
        {"Fix(-2.5)", num(-2)},
        {"Fix(2.7)", num(2)},
        {"Fix(-0.1)", num(0)},
        {"Int(1E300)", num(1e300)},
    });
}

TEST_F(EvaluatorTest, RoundHalvesToEven) {
    check({
        {"Round(2.5)", num(2)},
        {"Round(3.5)", num(4)},
        {"Round(-2.5)", num(-2)},
        {"Round(0.5)", num(0)},
        {"Round(1.5)", num(2)},
        {"Round(2.4999)", num(2)},
        {"Round(2.5001)", num(3)},
        {"Round(0.125, 2)", num(0.12)},
        {"Round(0.375, 2)", num(0.38)},
        {"Round(-0.125, 2)", num(-0.12)},
        {"Round(1.25, 1)", num(1.2)},
        {"Round(1234.5678, 2)", num(1234.57)},
        {"Round(2.5, 0)", num(2)},
        {"Round(0.125, 2.5)", num(0.12)},  // the places round half to even too
    });
}

TEST_F(EvaluatorTest, SgnAndArgumentConversion) {
    check({
        {"Sgn(-5)", num(-1)},
        {"Sgn(-0.0001)", num(-1)},
        {"Sgn(0)", num(0)},
        {"Sgn(3.2)", num(1)},
        {"Sgn(q)", num(0)},
        {"Sqr(\"16\")", num(4)},
        {"Abs(True)", num(1)},
        {"Sqr(\"x\")", err(kTypeMismatch)},
    });
}

TEST_F(EvaluatorTest, RndGivesSinglePrecisionNumbersBelowOne) {
    std::vector<double> seen;
    for (const char* text : {"Rnd", "Rnd()", "Rnd(1)", "RND", "RandomNumber()", "Rnd + 0", "Rnd()*1"}) {
        for (int i = 0; i < 50; ++i) {
            const EvalResult r = ev.eval(text);
            ASSERT_FALSE(r.failed()) << text << ": " << describe(r);
            ASSERT_TRUE(r.value.isNumber()) << text;
            EXPECT_GE(r.value.num, 0.0) << text;
            EXPECT_LT(r.value.num, 1.0) << text;
            EXPECT_EQ(r.value.num, static_cast<double>(static_cast<float>(r.value.num))) << text;
            seen.push_back(r.value.num);
        }
    }
    // A cached program must not freeze the first draw into a constant.
    std::sort(seen.begin(), seen.end());
    EXPECT_GT(std::unique(seen.begin(), seen.end()) - seen.begin(), 300);
}

TEST(EvaluatorRandom, SameSeedGivesSameSequence) {
    RandomSource r1(99), r2(99);
    MathLibrary m1(r1), m2(r2);
    Evaluator e1(m1, r1), e2(m2, r2);
    e1.setUp();
    e2.setUp();
    for (int i = 0; i < 20; ++i) {
        const char* text = i % 2 == 0 ? "Rnd" : "RandomNumber()";
        EXPECT_TRUE(sameResult(e1.eval(text), e2.eval(text))) << i;
    }
}

// ---------------------------------------------------------- case of names

TEST_F(EvaluatorTest, NamesAndKeywordsIgnoreCase) {
    check({
        {"SQR(4)", num(2)},
        {"sqr(4)", num(2)},
        {"SqR(4)", num(2)},
        {"EXP(0)", num(1)},
        {"PI", num(kPi)},
        {"Pi", num(kPi)},
        {"E", num(std::numbers::e)},
        {"g", num(math.G)},
        {"MOL", num(math.mol)},
        {"LIFE", num(42)},
        {"Prime(6)", num(13)},
        {"ERROR", num(0)},
        {"7 MOD 4", num(3)},
        {"7 mod 4", num(3)},
        {"(7)mod(4)", num(3)},
        {"NOT 0", num(-1)},
        {"5 AND 3", num(1)},
        {"5 or 3", num(7)},
        {"TRUE", boolean(true)},
        {"false", boolean(false)},
        {"EMPTY", empty()},
    });
    ASSERT_EQ(ev.executeStatement("Qq = 3"), 0);
    check({{"qQ", num(3)}, {"QQ*2", num(6)}});
}

// ------------------------------------------------------- the math library

TEST_F(EvaluatorTest, MathLibraryMembersAreGlobalNames) {
    check({
        {"pi", num(3.141592653589793)},
        {"e", num(2.718281828459045)},
        {"G", num(6.6742799999999995e-11)},
        {"mol", num(6.022141549999999e23)},
        {"life", num(42)},
        {"error", num(0)},
        {"2*pi", num(2 * kPi)},
        {"1e3 + e", num(1000 + std::numbers::e)},  // "e" alone is the constant
        {"prime(1)", num(2)},
        {"prime(6)", num(13)},
        {"prime(0)", err(kInvalidCall)},
        {"prime(-3)", err(kInvalidCall)},
        {"fib(10)", num(55)},
        {"fib(-6)", num(-8)},
        {"fact(5)", num(120)},
        {"fact(-3)", num(-6)},
        {"fact(13)", num(6227020800.0)},
        {"fact(171)", err(kOverflow)},
        {"fact(200)", err(kOverflow)},
        {"frac(-1.25)", num(0.75)},
        {"baseten(1000)", num(3, 1e-15)},
        {"ln(e)", num(1, 1e-15)},
        {"ln(0)", err(kInvalidCall)},
        {"ln(-1)", err(kInvalidCall)},
        {"log(0)", err(kInvalidCall)},
        {"baseten(0)", err(kInvalidCall)},
        {"asin(2)", err(kInvalidCall)},
        {"acos(3)", err(kInvalidCall)},
        {"cot(0)", err(kDivisionByZero)},
        {"csc(0)", err(kDivisionByZero)},
        {"coth(1000)", num(1)},
        {"sinh(1000)", err(kOverflow)},
        {"asin(1)", num(kPi * 0.5)},
        {"acos(-1)", num(kPi)},
        {"acot(0)", num(kPi / 2)},
    });
}

TEST_F(EvaluatorTest, DomainErrorsOfAsinAndAcosShowInError) {
    check({{"error", num(0)}});
    EXPECT_TRUE(matches(ev.eval("asin(2)"), err(kInvalidCall)));
    EXPECT_TRUE(matches(ev.eval("error"), num(5)));
    EXPECT_TRUE(matches(ev.eval("acos(2)"), err(kInvalidCall)));
    EXPECT_TRUE(matches(ev.eval("error"), num(6)));
    EXPECT_TRUE(matches(ev.eval("asin(0.5)*0"), num(0)));
    EXPECT_TRUE(matches(ev.eval("error"), num(6)));  // never reset by a success
    ASSERT_EQ(ev.executeStatement("error = 0"), 0);
    EXPECT_TRUE(matches(ev.eval("error"), num(0)));
    EXPECT_TRUE(matches(ev.eval("asin(-3) + error"), err(kInvalidCall)));
    EXPECT_TRUE(matches(ev.eval("error"), num(5)));
}

// Left-to-right evaluation reads `error` before asin(2) sets it. Folding
// the constant call while compiling would set it too early.
TEST_F(EvaluatorTest, ErrorMemberIsReadBeforeALaterAsinSetsIt) {
    EXPECT_TRUE(matches(ev.eval("error + asin(2)"), err(kInvalidCall)));
    EXPECT_TRUE(matches(ev.eval("error"), num(5)));
}

// Same cause: merely binding a form (compiling it, evaluating nothing)
// must not run asin and change the library's state.
TEST_F(EvaluatorTest, CompilingAFormDoesNotSetError) {
    const BoundForm f = ev.bind("asin(2) + z");
    EXPECT_TRUE(matches(ev.eval("error"), num(0)));
    EXPECT_TRUE(matches(f.eval(1), err(kInvalidCall)));
    EXPECT_TRUE(matches(ev.eval("error"), num(5)));
}

TEST_F(EvaluatorTest, SixteenBitArgumentsRoundHalfToEvenAndMustFit) {
    check({
        {"prime(2.5)", num(3)},      // 2.5 passes as 2
        {"prime(3.5)", num(7)},      // 3.5 passes as 4
        {"fact(2.5)", num(2)},
        {"fib(-2.5)", num(-1)},      // -2
        {"fact(40000)", err(kOverflow)},
        {"fact(32767.5)", err(kOverflow)},  // rounds to 32768
        {"fib(-32769)", err(kOverflow)},
        {"fact(-32768.5)", err(kOverflow)},  // rounds to -32768, which fits; the product overflows
        {"fact(\"x\")", err(kTypeMismatch)},
    });
}

// ---------------------------------------------------------------- statements

// Names nothing assigned read as 0; the callers name them to the user, so
// the list must hold exactly those: not constants, functions, the error
// member, bound letters or assigned variables.
TEST_F(EvaluatorTest, UnsetNamesAreThoseReadAsEmpty) {
    ASSERT_EQ(ev.executeStatement("q = 2"), 0);
    struct Case {
        const char* text;
        Binding binding;
        std::vector<std::string> names;
        const char* note;
    };
    const Case cases[] = {
        {"2*w+z", Binding::Z, {"w"}, "note: w is not defined and reads as 0"},
        {"h*e^llo", Binding::None, {"h", "llo"}, "note: h and llo are not defined and read as 0"},
        {"a+B*a+c", Binding::None, {"a", "b", "c"}, "note: a, b and c are not defined and read as 0"},
        {"pi*life+error+sin(z)+RandomNumber()+q", Binding::None, {"z"}, "note: z is not defined and reads as 0"},
        {"z*A", Binding::ZA, {}, ""},
        {"q*rnd", Binding::Z, {}, ""},
        {"2*(w", Binding::None, {}, ""},  // does not compile: its error is reported instead
    };
    for (const Case& c : cases) {
        const std::vector<std::string> names = ev.unsetNames(c.text, c.binding);
        EXPECT_EQ(names, c.names) << c.text;
        EXPECT_EQ(unsetNamesNote(names), c.note) << c.text;
    }
}

TEST_F(EvaluatorTest, AssignmentSetsTheScriptVariable) {
    EXPECT_TRUE(matches(ev.eval("z"), empty()));
    ASSERT_EQ(ev.executeStatement("z = 3"), 0);
    check({{"z*2", num(6)}, {"Z*2", num(6)}, {"z", num(3)}});
    ASSERT_EQ(ev.executeStatement("Z = 4"), 0);
    check({{"z", num(4)}});
    ASSERT_EQ(ev.executeStatement("z=-0.5"), 0);
    check({{"z^2", num(0.25)}, {"-z", num(0.5)}});
    ASSERT_EQ(ev.executeStatement("z = \"abc\""), 0);
    check({{"z & 1", str("abc1")}, {"z + 1", err(kTypeMismatch)}});
    ASSERT_EQ(ev.executeStatement("z = 1 = 1"), 0);  // the value is a comparison
    check({{"z", boolean(true)}, {"z + 1", num(0)}});
    ASSERT_EQ(ev.executeStatement("z = 2"), 0);
    EXPECT_EQ(ev.executeStatement("z = 1/0"), kDivisionByZero);
    check({{"z", num(2)}});  // a failed assignment leaves the old value
}

TEST_F(EvaluatorTest, CompiledTextsSeeLaterAssignments) {
    check({{"q*2", num(0)}, {"q", empty()}});
    ASSERT_EQ(ev.executeStatement("q = 4"), 0);
    check({{"q*2", num(8)}});
    ASSERT_EQ(ev.executeStatement("q = 5"), 0);
    check({{"q*2", num(10)}});
    ev.setVariable("Q", Value::string("7"));
    check({{"q*2", num(14)}, {"q & q", str("77")}});
}

TEST_F(EvaluatorTest, StatementErrors) {
    struct StatementCase {
        const char* statement;
        int error;
    };
    const StatementCase cases[] = {
        {"", kSyntaxError},
        {"z =", kSyntaxError},
        {"= 3", kSyntaxError},
        {"3 = z", kSyntaxError},
        {"z 3", kSyntaxError},
        {"z = (1", kSyntaxError},
        {"z = @", kSyntaxError},
        {"z = \"abc\" + 1", kTypeMismatch},
        {"nosuchproc", kTypeMismatch},
        {"sin", kWrongArgCount},
    };
    for (const StatementCase& c : cases) {
        EXPECT_EQ(ev.executeStatement(c.statement), c.error) << c.statement;
    }
}

TEST_F(EvaluatorTest, SetConstantsRestoresTheConstants) {
    ASSERT_EQ(ev.executeStatement("pi = 3"), 0);
    ASSERT_EQ(ev.executeStatement("life = 7"), 0);
    check({{"pi", num(3)}, {"2*pi", num(6)}, {"life", num(7)}});
    ASSERT_EQ(ev.executeStatement("set_constants"), 0);
    check({{"pi", num(kPi)}, {"2*pi", num(2 * kPi)}, {"life", num(42)}});
    ASSERT_EQ(ev.executeStatement("e = 1"), 0);
    check({{"e", num(1)}});
    ASSERT_EQ(ev.executeStatement("SET_CONSTANTS"), 0);
    check({{"e", num(std::numbers::e)}});
    EXPECT_EQ(ev.executeStatement("life = 40000"), kOverflow);  // a 16-bit member
    check({{"life", num(42)}});
}

TEST_F(EvaluatorTest, SetConstantsCalledInAnExpressionRefreshesConstants) {
    ASSERT_EQ(ev.executeStatement("pi = 3"), 0);
    check({{"pi*2", num(6)}});
    ASSERT_FALSE(ev.eval("set_constants").failed());
    EXPECT_EQ(math.pi, kPi);
    check({{"pi*2", num(2 * kPi)}});
}

// ---------------------------------------------------------------- routines

TEST_F(EvaluatorTest, RoutineZGivesEmptyOnError) {
    struct RoutineCase {
        const char* text;
        Expected want;
    };
    const RoutineCase cases[] = {
        {"2+3", num(5)},
        {"\"a\" & 1", str("a1")},
        {"1<2", boolean(true)},
        {"1/0", empty()},
        {"(", empty()},
        {"foo(1)", empty()},
        {"", empty()},
    };
    for (const RoutineCase& c : cases) {
        EXPECT_TRUE(matches(EvalResult::ok(z(ev, c.text)), c.want)) << c.text;
    }
}

TEST_F(EvaluatorTest, FuncFxSetsZAndFlagsOnlyFailures) {
    struct FxCase {
        const char* expression;
        double value;
        Expected want;
        bool fails;
    };
    const FxCase cases[] = {
        {"z^2", -3, num(9), false},
        {"  z^2  ", -3, num(9), false},  // trimmed
        {"Z+z", 2, num(4), false},
        {"z & \"\"", 2.5, str("2.5"), false},
        {"z>0", 1, boolean(true), false},
        {"sqr(z)", -1, empty(), true},
        {"1/(z-1)", 1, empty(), true},
        {"z +", 1, empty(), true},
        {"   ", 1, empty(), true},
        {"z", 0.1 + 0.2, num(0.3), false},  // the statement holds the 15-digit text
    };
    for (const FxCase& c : cases) {
        for (const int16_t before : {int16_t{0}, int16_t{-1}}) {
            int16_t flag = before;
            const Value v = Func_f_x(ev, c.expression, c.value, flag);
            EXPECT_TRUE(matches(EvalResult::ok(v), c.want)) << c.expression;
            EXPECT_EQ(flag, c.fails ? -1 : before) << c.expression;
            // The statement ran before the evaluation, failed or not.
            EXPECT_TRUE(matches(ev.eval("z"), num(*toNumber(plainText(c.value))))) << c.expression;
        }
        // The same expression held for many values gives what the routine
        // gives, also once its machine code runs (after some evaluations).
        const ExpressionOfZ held(ev, c.expression);
        for (int run = 0; run < 100; ++run) {
            const double value = c.value + (run % 2) * 0.5;
            int16_t heldFlag = 0, flag = 0;
            const NumResult got = held.number(value, heldFlag);
            const double heldZ = ev.variable("z").num;
            const NumResult want = toArithmetic(Func_f_x(ev, c.expression, value, flag));
            EXPECT_EQ(got.error, want.error) << c.expression << " at " << value;
            EXPECT_EQ(std::bit_cast<uint64_t>(got.value), std::bit_cast<uint64_t>(want.value)) << c.expression;
            EXPECT_EQ(heldFlag, flag) << c.expression << " at " << value;
            EXPECT_EQ(heldZ, ev.variable("z").num) << c.expression;
        }
    }
}

// The value is assigned by a statement "z = " and its text; an infinity or
// a NaN has no text that assigns a number, and the text of the largest
// doubles overflows, so the statement fails, and with it the routine.
TEST_F(EvaluatorTest, FuncFxFailsForNonFiniteValues) {
    for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::max()}) {
        int16_t flag = 0;
        const Value r = Func_f_x(ev, "z", v, flag);
        EXPECT_TRUE(matches(EvalResult::ok(r), empty())) << v << ": " << describe(EvalResult::ok(r));
        EXPECT_EQ(flag, -1) << v;
    }
}

}  // namespace
}  // namespace qv
