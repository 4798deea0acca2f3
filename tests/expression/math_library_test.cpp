#include "expression/math_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

namespace qv {
namespace {

using Method = NumResult (MathLibrary::*)(double);
using IntMethod = NumResult (MathLibrary::*)(int16_t);

class MathLibraryTest : public ::testing::Test {
protected:
    MathLibraryTest() : lib(rng) { lib.set_constants(); }

    RandomSource rng{12345};
    MathLibrary lib;
};

// ---------------------------------------------------------------- constants

TEST_F(MathLibraryTest, ConstantsAfterSetConstants) {
    EXPECT_EQ(lib.pi, 3.141592653589793);
    EXPECT_EQ(lib.pi, std::numbers::pi);
    EXPECT_EQ(lib.e, 2.718281828459045);
    EXPECT_EQ(lib.e, std::numbers::e);
    // The correctly rounded powers of ten (the literals 1e-11 and 1e23),
    // multiplied: the product's rounding shows in the last bit of mol.
    volatile double tenToMinus11 = 1e-11;
    volatile double tenTo23 = 1e23;
    EXPECT_EQ(lib.G, tenToMinus11 * 6.67428);
    EXPECT_EQ(lib.mol, tenTo23 * 6.02214155);
    EXPECT_EQ(lib.G, 6.6742799999999995e-11);
    EXPECT_EQ(lib.mol, 6.022141549999999e23);
    EXPECT_NE(lib.mol, 6.02214155e23);
    EXPECT_EQ(lib.life, 42);
}

TEST(MathLibraryLifecycle, FreshObjectHasZeroMembers) {
    RandomSource rng(1);
    MathLibrary lib(rng);
    EXPECT_EQ(lib.pi, 0);
    EXPECT_EQ(lib.e, 0);
    EXPECT_EQ(lib.G, 0);
    EXPECT_EQ(lib.mol, 0);
    EXPECT_EQ(lib.life, 0);
    EXPECT_EQ(lib.error, 0);
}

TEST(MathLibraryLifecycle, SetConstantsLeavesErrorAlone) {
    RandomSource rng(1);
    MathLibrary lib(rng);
    lib.set_constants();
    EXPECT_EQ(lib.error, 0);
    lib.acos(2);
    ASSERT_EQ(lib.error, 6);
    lib.set_constants();
    EXPECT_EQ(lib.error, 6);
}

// ---------------------------------------------------- asin, acos and error

TEST_F(MathLibraryTest, AsinAcosExactValues) {
    struct Case {
        const char* label;
        Method method;
        double arg;
        double expected;
    };
    const double pi = std::numbers::pi;
    const Case cases[] = {
        {"asin(1)", &MathLibrary::asin, 1, pi * 0.5},
        {"asin(-1)", &MathLibrary::asin, -1, -pi * 0.5},
        {"asin(0)", &MathLibrary::asin, 0, 0},
        {"acos(0)", &MathLibrary::acos, 0, pi / 2},
        {"acos(-0)", &MathLibrary::acos, -0.0, pi / 2},
        {"acos(1)", &MathLibrary::acos, 1, 0},
        {"acos(-1)", &MathLibrary::acos, -1, pi},
    };
    for (const Case& c : cases) {
        const NumResult r = (lib.*c.method)(c.arg);
        EXPECT_FALSE(r.failed()) << c.label;
        EXPECT_EQ(r.value, c.expected) << c.label;
    }
    EXPECT_EQ(lib.error, 0);
}

TEST_F(MathLibraryTest, AsinAcosOutsideDomainSetError) {
    struct Case {
        const char* label;
        Method method;
        double arg;
        int16_t code;
    };
    const Case cases[] = {
        {"asin(1.5)", &MathLibrary::asin, 1.5, 5},
        {"asin(-1.0000001)", &MathLibrary::asin, -1.0000001, 5},
        {"asin(1e308)", &MathLibrary::asin, 1e308, 5},
        {"acos(2)", &MathLibrary::acos, 2, 6},
        {"acos(-1.5)", &MathLibrary::acos, -1.5, 6},
        {"acos(-1e308)", &MathLibrary::acos, -1e308, 6},
    };
    for (const Case& c : cases) {
        RandomSource rng(1);
        MathLibrary fresh(rng);
        fresh.set_constants();
        const NumResult r = (fresh.*c.method)(c.arg);
        EXPECT_EQ(r.error, kInvalidCall) << c.label;
        EXPECT_EQ(fresh.error, c.code) << c.label;
    }
}

TEST_F(MathLibraryTest, ErrorKeepsLastCodeAndIsNeverReset) {
    lib.asin(1.5);
    EXPECT_EQ(lib.error, 5);
    // Successful calls do not clear it.
    EXPECT_EQ(lib.asin(0.5).value, std::asin(0.5));
    EXPECT_EQ(lib.acos(0.5).failed(), false);
    EXPECT_EQ(lib.error, 5);
    lib.acos(2);
    EXPECT_EQ(lib.error, 6);
    lib.asin(-3);
    EXPECT_EQ(lib.error, 5);
    // acsc and asec apply the rules to 1/x through asin and acos.
    lib.asec(0.5);
    EXPECT_EQ(lib.error, 6);
    lib.acsc(0.5);
    EXPECT_EQ(lib.error, 5);
}

TEST_F(MathLibraryTest, AcscAsecAtZeroFailWithoutTouchingError) {
    EXPECT_EQ(lib.acsc(0).error, kDivisionByZero);
    EXPECT_EQ(lib.asec(0).error, kDivisionByZero);
    EXPECT_EQ(lib.acsc(-0.0).error, kDivisionByZero);
    EXPECT_EQ(lib.error, 0);
}

TEST_F(MathLibraryTest, AcscAsecAtPlusMinusOne) {
    const double pi = std::numbers::pi;
    EXPECT_EQ(lib.acsc(1).value, pi * 0.5);
    EXPECT_EQ(lib.acsc(-1).value, -pi * 0.5);
    EXPECT_EQ(lib.asec(1).value, 0);
    EXPECT_EQ(lib.asec(-1).value, pi);
}

// ------------------------------------------------------ documented edges

// Every point outside a domain, every pole and every result beyond the
// double range fails the evaluation: none of them may pass for a value of 0.
TEST_F(MathLibraryTest, DomainErrorsPolesAndOverflowsFail) {
    struct Case {
        const char* label;
        Method method;
        double arg;
        int code;
    };
    const Case cases[] = {
        {"csc(0)", &MathLibrary::csc, 0, kDivisionByZero},
        {"coth(0)", &MathLibrary::coth, 0, kDivisionByZero},
        {"csch(0)", &MathLibrary::csch, 0, kDivisionByZero},
        {"ln(0)", &MathLibrary::ln, 0, kInvalidCall},
        {"ln(-1)", &MathLibrary::ln, -1, kInvalidCall},
        {"baseten(-1)", &MathLibrary::baseten, -1, kInvalidCall},
        {"baseten(0)", &MathLibrary::baseten, 0, kInvalidCall},
        {"acosh(0.5)", &MathLibrary::acosh, 0.5, kInvalidCall},
        {"acosh(-3)", &MathLibrary::acosh, -3, kInvalidCall},
        {"atanh(1)", &MathLibrary::atanh, 1, kDivisionByZero},
        {"atanh(-1)", &MathLibrary::atanh, -1, kInvalidCall},
        {"atanh(2)", &MathLibrary::atanh, 2, kInvalidCall},
        {"acsch(0)", &MathLibrary::acsch, 0, kDivisionByZero},
        {"asech(0)", &MathLibrary::asech, 0, kDivisionByZero},
        {"asech(-0.5)", &MathLibrary::asech, -0.5, kInvalidCall},
        {"asech(1.5)", &MathLibrary::asech, 1.5, kInvalidCall},
        {"acoth(0.5)", &MathLibrary::acoth, 0.5, kInvalidCall},
        {"acoth(1)", &MathLibrary::acoth, 1, kDivisionByZero},
        {"acoth(-1)", &MathLibrary::acoth, -1, kInvalidCall},
        {"cot(0)", &MathLibrary::cot, 0, kDivisionByZero},
        {"csc(1e-320)", &MathLibrary::csc, 1e-320, kOverflow},
        {"sinh(1000)", &MathLibrary::sinh, 1000, kOverflow},
        {"sinh(-1000)", &MathLibrary::sinh, -1000, kOverflow},
        {"cosh(1000)", &MathLibrary::cosh, 1000, kOverflow},
        {"cosh(-710)", &MathLibrary::cosh, -710, kOverflow},
        {"asinh(1e200)", &MathLibrary::asinh, 1e200, kOverflow},
        // 1/x overflows before the arc tangent is taken.
        {"acos(1e-320)", &MathLibrary::acos, 1e-320, kOverflow},
    };
    for (const Case& c : cases) {
        const NumResult r = (lib.*c.method)(c.arg);
        EXPECT_EQ(r.error, c.code) << c.label;
        EXPECT_EQ(r.value, 0) << c.label;
    }
}

// Where exp() overflows, the bounded hyperbolic quotients have long reached
// their limits: they give them instead of failing or giving a wrong 0.
TEST_F(MathLibraryTest, BoundedHyperbolicQuotientsKeepTheirLimits) {
    struct Case {
        const char* label;
        Method method;
        double arg;
        double expected;
    };
    const Case cases[] = {
        {"tanh(1000)", &MathLibrary::tanh, 1000, 1},   {"tanh(-1000)", &MathLibrary::tanh, -1000, -1},
        {"coth(1000)", &MathLibrary::coth, 1000, 1},   {"coth(-1e300)", &MathLibrary::coth, -1e300, -1},
        {"sech(1000)", &MathLibrary::sech, 1000, 0},   {"csch(-1000)", &MathLibrary::csch, -1000, 0},
        {"tanh(709.7)", &MathLibrary::tanh, 709.7, 1}, {"coth(40)", &MathLibrary::coth, 40, 1},
    };
    for (const Case& c : cases) {
        const NumResult r = (lib.*c.method)(c.arg);
        EXPECT_FALSE(r.failed()) << c.label;
        EXPECT_EQ(r.value, c.expected) << c.label;
    }
}

TEST_F(MathLibraryTest, RaisingMethodsSucceedNearTheirLimits) {
    EXPECT_FALSE(lib.sinh(709).failed());
    EXPECT_FALSE(lib.cosh(-709).failed());
    EXPECT_FALSE(lib.tanh(709).failed());
    EXPECT_NEAR(lib.tanh(709).value, 1.0, 1e-15);
    EXPECT_FALSE(lib.sech(-709).failed());
    EXPECT_FALSE(lib.asinh(1e150).failed());
    EXPECT_FALSE(lib.frac(-1e308).failed());
    EXPECT_FALSE(lib.atan(1e308).failed());
    EXPECT_FALSE(lib.acot(-1e308).failed());
}

TEST_F(MathLibraryTest, Frac) {
    struct Case {
        double arg;
        double expected;
    };
    const Case cases[] = {
        {-1.25, 0.75}, {2, 0}, {3.75, 0.75}, {-2, 0}, {0, 0}, {0.5, 0.5}, {1e300, 0},
    };
    for (const Case& c : cases) {
        const NumResult r = lib.frac(c.arg);
        EXPECT_FALSE(r.failed()) << c.arg;
        EXPECT_EQ(r.value, c.expected) << c.arg;
    }
}

// ------------------------------------------- values against the C library

TEST_F(MathLibraryTest, ValuesAgreeWithReferenceFunctions) {
    struct Case {
        const char* label;
        Method method;
        double arg;
        double expected;
    };
    const double pi = std::numbers::pi;
    const Case cases[] = {
        {"asin(0.5)", &MathLibrary::asin, 0.5, std::asin(0.5)},
        {"asin(-0.9)", &MathLibrary::asin, -0.9, std::asin(-0.9)},
        {"acos(0.3)", &MathLibrary::acos, 0.3, std::acos(0.3)},
        {"acos(-0.5)", &MathLibrary::acos, -0.5, std::acos(-0.5)},
        {"baseten(1000)", &MathLibrary::baseten, 1000, 3},
        {"baseten(0.01)", &MathLibrary::baseten, 0.01, -2},
        {"ln(e)", &MathLibrary::ln, std::numbers::e, 1},
        {"ln(0.5)", &MathLibrary::ln, 0.5, std::log(0.5)},
        {"atan(1)", &MathLibrary::atan, 1, pi / 4},
        {"csc(1)", &MathLibrary::csc, 1, 1 / std::sin(1.0)},
        {"sec(2)", &MathLibrary::sec, 2, 1 / std::cos(2.0)},
        {"cot(0.7)", &MathLibrary::cot, 0.7, 1 / std::tan(0.7)},
        {"sinh(1)", &MathLibrary::sinh, 1, std::sinh(1.0)},
        {"sinh(-3)", &MathLibrary::sinh, -3, std::sinh(-3.0)},
        {"cosh(-2)", &MathLibrary::cosh, -2, std::cosh(-2.0)},
        {"tanh(0.5)", &MathLibrary::tanh, 0.5, std::tanh(0.5)},
        {"coth(2)", &MathLibrary::coth, 2, 1 / std::tanh(2.0)},
        {"coth(-0.3)", &MathLibrary::coth, -0.3, 1 / std::tanh(-0.3)},
        {"csch(1)", &MathLibrary::csch, 1, 1 / std::sinh(1.0)},
        {"sech(1)", &MathLibrary::sech, 1, 1 / std::cosh(1.0)},
        {"acsc(2)", &MathLibrary::acsc, 2, std::asin(0.5)},
        {"acsc(-4)", &MathLibrary::acsc, -4, std::asin(-0.25)},
        {"asec(2)", &MathLibrary::asec, 2, std::acos(0.5)},
        {"asec(-2)", &MathLibrary::asec, -2, std::acos(-0.5)},
        {"acot(1)", &MathLibrary::acot, 1, pi / 4},
        {"acot(-1)", &MathLibrary::acot, -1, 3 * pi / 4},
        {"asinh(2)", &MathLibrary::asinh, 2, std::asinh(2.0)},
        {"asinh(-0.5)", &MathLibrary::asinh, -0.5, std::asinh(-0.5)},
        {"acosh(1)", &MathLibrary::acosh, 1, 0},
        {"acosh(2)", &MathLibrary::acosh, 2, std::acosh(2.0)},
        {"atanh(0.5)", &MathLibrary::atanh, 0.5, std::atanh(0.5)},
        {"atanh(-0.25)", &MathLibrary::atanh, -0.25, std::atanh(-0.25)},
        {"acsch(2)", &MathLibrary::acsch, 2, std::asinh(0.5)},
        {"acsch(-0.5)", &MathLibrary::acsch, -0.5, std::asinh(-2.0)},
        {"asech(0.5)", &MathLibrary::asech, 0.5, std::acosh(2.0)},
        {"asech(1)", &MathLibrary::asech, 1, 0},
        {"acoth(2)", &MathLibrary::acoth, 2, std::atanh(0.5)},
        {"acoth(-3)", &MathLibrary::acoth, -3, std::atanh(-1.0 / 3)},
    };
    for (const Case& c : cases) {
        const NumResult r = (lib.*c.method)(c.arg);
        EXPECT_FALSE(r.failed()) << c.label;
        EXPECT_NEAR(r.value, c.expected, 1e-14 * std::max(1.0, std::fabs(c.expected)))
            << c.label;
    }
}

// ------------------------------------------------ never an inf or a NaN

struct SweptMethod {
    const char* name;
    Method method;
};

const SweptMethod kSweptMethods[] = {
    {"frac", &MathLibrary::frac},    {"asin", &MathLibrary::asin},
    {"acos", &MathLibrary::acos},    {"baseten", &MathLibrary::baseten},
    {"ln", &MathLibrary::ln},         {"atan", &MathLibrary::atan},
    {"csc", &MathLibrary::csc},       {"sec", &MathLibrary::sec},
    {"cot", &MathLibrary::cot},       {"sinh", &MathLibrary::sinh},
    {"cosh", &MathLibrary::cosh},    {"tanh", &MathLibrary::tanh},
    {"coth", &MathLibrary::coth},     {"csch", &MathLibrary::csch},
    {"sech", &MathLibrary::sech},    {"acsc", &MathLibrary::acsc},
    {"asec", &MathLibrary::asec},     {"acot", &MathLibrary::acot},
    {"asinh", &MathLibrary::asinh},  {"acosh", &MathLibrary::acosh},
    {"atanh", &MathLibrary::atanh},   {"acsch", &MathLibrary::acsch},
    {"asech", &MathLibrary::asech},   {"acoth", &MathLibrary::acoth},
};

std::vector<double> sweepInputs() {
    const double base[] = {0,       1,      0.5,    2,       1e-300,  1e-308, 5e-324,
                           2.2e-308, 1e-10, 0.999999, 1.000001, 3.14159, 10,   100,
                           709.7,   709.8,  710,    1000,    1e10,    1e154,  1e155,
                           1e300,   1e308,  1.7976931348623157e308};
    std::vector<double> inputs;
    for (double v : base) {
        inputs.push_back(v);
        inputs.push_back(-v);
    }
    for (double v = -5; v <= 5; v += 0.125) inputs.push_back(v);
    return inputs;
}

TEST_F(MathLibraryTest, NoMethodReturnsInfinityOrNaN) {
    for (const SweptMethod& m : kSweptMethods) {
        for (double x : sweepInputs()) {
            const NumResult r = (lib.*m.method)(x);
            EXPECT_TRUE(std::isfinite(r.value)) << m.name << "(" << x << ")";
            if (r.failed()) {
                EXPECT_EQ(r.value, 0) << m.name << "(" << x << ")";
                EXPECT_TRUE(r.error == kOverflow || r.error == kDivisionByZero ||
                            r.error == kInvalidCall)
                    << m.name << "(" << x << ") error " << r.error;
            }
        }
    }
}

TEST_F(MathLibraryTest, NonFiniteArgumentsNeverLeakOut) {
    const double odd[] = {std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
    for (const SweptMethod& m : kSweptMethods) {
        for (double x : odd) {
            const NumResult r = (lib.*m.method)(x);
            EXPECT_TRUE(std::isfinite(r.value)) << m.name << "(" << x << ")";
        }
    }
}

// ------------------------------------------------------ prime, fib, fact

struct IntCase {
    const char* label;
    IntMethod method;
    int16_t arg;
    double expected;
};

TEST_F(MathLibraryTest, IntegerFunctionTable) {
    const IntCase cases[] = {
        {"prime(1)", &MathLibrary::prime, 1, 2},
        {"prime(2)", &MathLibrary::prime, 2, 3},
        {"prime(3)", &MathLibrary::prime, 3, 5},
        {"prime(4)", &MathLibrary::prime, 4, 7},
        {"prime(5)", &MathLibrary::prime, 5, 11},
        {"prime(6)", &MathLibrary::prime, 6, 13},
        {"prime(10)", &MathLibrary::prime, 10, 29},
        {"prime(25)", &MathLibrary::prime, 25, 97},
        {"fib(0)", &MathLibrary::fib, 0, 0},
        {"fib(1)", &MathLibrary::fib, 1, 1},
        {"fib(2)", &MathLibrary::fib, 2, 1},
        {"fib(3)", &MathLibrary::fib, 3, 2},
        {"fib(10)", &MathLibrary::fib, 10, 55},
        {"fib(78)", &MathLibrary::fib, 78, 8944394323791464.0},
        {"fib(-1)", &MathLibrary::fib, -1, 1},
        {"fib(-2)", &MathLibrary::fib, -2, -1},
        {"fib(-3)", &MathLibrary::fib, -3, 2},
        {"fib(-4)", &MathLibrary::fib, -4, -3},
        {"fib(-5)", &MathLibrary::fib, -5, 5},
        {"fib(-6)", &MathLibrary::fib, -6, -8},
        {"fib(-10)", &MathLibrary::fib, -10, -55},
        {"fact(0)", &MathLibrary::fact, 0, 1},
        {"fact(1)", &MathLibrary::fact, 1, 1},
        {"fact(5)", &MathLibrary::fact, 5, 120},
        {"fact(-3)", &MathLibrary::fact, -3, -6},
        {"fact(12)", &MathLibrary::fact, 12, 479001600},
        {"fact(13)", &MathLibrary::fact, 13, 6227020800.0},
        {"fact(-13)", &MathLibrary::fact, -13, -6227020800.0},
        {"fact(20)", &MathLibrary::fact, 20, 2432902008176640000.0},
    };
    for (const IntCase& c : cases) {
        const NumResult r = (lib.*c.method)(c.arg);
        EXPECT_FALSE(r.failed()) << c.label;
        EXPECT_EQ(r.value, c.expected) << c.label;
    }
}

TEST_F(MathLibraryTest, IntegerFunctionsFailOutsideTheirRange) {
    const struct {
        const char* label;
        IntMethod method;
        int16_t arg;
        int code;
    } cases[] = {
        {"prime(0)", &MathLibrary::prime, 0, kInvalidCall},
        {"prime(-3)", &MathLibrary::prime, -3, kInvalidCall},
        {"prime(-32768)", &MathLibrary::prime, -32768, kInvalidCall},
        {"fib(1477)", &MathLibrary::fib, 1477, kOverflow},  // beyond the double range
        {"fib(-1477)", &MathLibrary::fib, -1477, kOverflow},
        {"fib(32767)", &MathLibrary::fib, 32767, kOverflow},
        {"fib(-32768)", &MathLibrary::fib, -32768, kOverflow},
        {"fact(171)", &MathLibrary::fact, 171, kOverflow},
        {"fact(200)", &MathLibrary::fact, 200, kOverflow},
        {"fact(-171)", &MathLibrary::fact, -171, kOverflow},
        {"fact(32767)", &MathLibrary::fact, 32767, kOverflow},
        {"fact(-32768)", &MathLibrary::fact, -32768, kOverflow},
    };
    for (const auto& c : cases) {
        const NumResult r = (lib.*c.method)(c.arg);
        EXPECT_EQ(r.error, c.code) << c.label;
        EXPECT_EQ(r.value, 0) << c.label;
    }
}

TEST_F(MathLibraryTest, LargestRepresentableFibAndFact) {
    const NumResult f1476 = lib.fib(1476);
    EXPECT_NEAR(f1476.value / 1.3069892237633993e308, 1.0, 1e-12);
    EXPECT_NEAR(lib.fib(-1476).value, -f1476.value, 0.0);
    EXPECT_NEAR(lib.fact(170).value / 7.257415615307999e306, 1.0, 1e-12);
    EXPECT_NEAR(lib.fact(-170).value / -7.257415615307999e306, 1.0, 1e-12);
}

TEST_F(MathLibraryTest, FibSatisfiesRecurrenceAcrossZero) {
    for (int n = -60; n <= 60; ++n) {
        const double a = lib.fib(static_cast<int16_t>(n)).value;
        const double b = lib.fib(static_cast<int16_t>(n + 1)).value;
        const double c = lib.fib(static_cast<int16_t>(n + 2)).value;
        EXPECT_EQ(a + b, c) << "n = " << n;
    }
}

// A sieve as an independent oracle for prime().
std::vector<uint32_t> sievePrimes(uint32_t limit) {
    std::vector<bool> composite(limit + 1, false);
    std::vector<uint32_t> primes;
    for (uint32_t i = 2; i <= limit; ++i) {
        if (composite[i]) continue;
        primes.push_back(i);
        for (uint64_t j = uint64_t{i} * i; j <= limit; j += i) composite[j] = true;
    }
    return primes;
}

TEST_F(MathLibraryTest, PrimeMatchesSieve) {
    const std::vector<uint32_t> primes = sievePrimes(400000);
    ASSERT_GE(primes.size(), 32767u);
    for (int n = 1; n <= 1200; ++n) {
        EXPECT_EQ(lib.prime(static_cast<int16_t>(n)).value, primes[n - 1]) << "n = " << n;
    }
    // Squares of primes must not slip through the divisor bound.
    EXPECT_EQ(lib.prime(30).value, 113);  // 121 = 11^2 follows
    EXPECT_EQ(lib.prime(32767).value, primes[32766]);
}

// ------------------------------------------------------------ toInt16Arg

TEST(MathLibraryArgs, ToInt16ArgRoundsHalfToEvenAndChecksRange) {
    struct Case {
        double arg;
        int error;
        double expected;
    };
    const Case cases[] = {
        {2.5, kNoError, 2},
        {3.5, kNoError, 4},
        {-2.5, kNoError, -2},
        {-3.5, kNoError, -4},
        {0.5, kNoError, 0},
        {-0.5, kNoError, 0},
        {1.4999999, kNoError, 1},
        {2.5000001, kNoError, 3},
        {-7.6, kNoError, -8},
        {7, kNoError, 7},
        {32767, kNoError, 32767},
        {32767.4, kNoError, 32767},
        {32767.5, kOverflow, 0},
        {32768, kOverflow, 0},
        {-32768, kNoError, -32768},
        {-32768.5, kNoError, -32768},
        {-32768.6, kOverflow, 0},
        {-32769, kOverflow, 0},
        {1e300, kOverflow, 0},
        {-1e300, kOverflow, 0},
        {std::numeric_limits<double>::infinity(), kOverflow, 0},
        {std::numeric_limits<double>::quiet_NaN(), kOverflow, 0},
    };
    for (const Case& c : cases) {
        const NumResult r = MathLibrary::toInt16Arg(c.arg);
        EXPECT_EQ(r.error, c.error) << c.arg;
        EXPECT_EQ(r.value, c.expected) << c.arg;
    }
}

// --------------------------------------------------------- random numbers

TEST(RandomSourceTest, SameSeedSameSequence) {
    const uint32_t seeds[] = {0, 1, 42, 0xFFFFFFFFu, 0x12345678u};
    for (uint32_t s : seeds) {
        RandomSource a(s);
        RandomSource b(7);
        b.seed(s);
        for (int i = 0; i < 1000; ++i) ASSERT_EQ(a.next(), b.next()) << "seed " << s;
    }
}

TEST(RandomSourceTest, ReseedingRestartsTheSequence) {
    RandomSource r(99);
    std::vector<float> first;
    for (int i = 0; i < 50; ++i) first.push_back(r.next());
    r.seed(99);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(r.next(), first[i]);
}

TEST(RandomSourceTest, DifferentSeedsDiffer) {
    const uint32_t pairs[][2] = {{1, 2}, {0, 0x01000000u}, {5, 0x05000005u}};
    for (const auto& p : pairs) {
        RandomSource a(p[0]);
        RandomSource b(p[1]);
        bool differ = false;
        for (int i = 0; i < 10 && !differ; ++i) differ = a.next() != b.next();
        EXPECT_TRUE(differ) << p[0] << " vs " << p[1];
    }
}

TEST(RandomSourceTest, FullPeriodStaysInUnitInterval) {
    // The generator has 2^24 states; walking all of them proves every value
    // is in [0, 1) and that the sequence only repeats after the full period.
    RandomSource r(2024);
    const float start = r.next();
    float lo = start;
    float hi = start;
    uint32_t period = 0;
    RandomSource probe(2024);
    probe.next();
    bool returned = false;
    for (uint32_t i = 1; i <= (1u << 24); ++i) {
        const float v = probe.next();
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        if (!returned && v == start) {
            returned = true;
            period = i;
        }
    }
    EXPECT_GE(lo, 0.0f);
    EXPECT_LT(hi, 1.0f);
    EXPECT_EQ(lo, 0.0f);
    EXPECT_EQ(hi, 16777215.0f / 16777216.0f);
    EXPECT_TRUE(returned);
    EXPECT_EQ(period, 1u << 24);
}

TEST(RandomSourceTest, RoughlyUniform) {
    const uint32_t seeds[] = {1, 31337, 0xDEADBEEFu};
    for (uint32_t s : seeds) {
        RandomSource r(s);
        double sum = 0;
        int buckets[10] = {};
        const int draws = 10000;
        for (int i = 0; i < draws; ++i) {
            const float v = r.next();
            sum += v;
            ++buckets[static_cast<int>(v * 10)];
        }
        const double mean = sum / draws;
        EXPECT_GT(mean, 0.45) << "seed " << s;
        EXPECT_LT(mean, 0.55) << "seed " << s;
        for (int b : buckets) {
            EXPECT_GT(b, 800) << "seed " << s;
            EXPECT_LT(b, 1200) << "seed " << s;
        }
    }
}

TEST(RandomSourceTest, ClockSeededValuesInRange) {
    RandomSource r;
    for (int i = 0; i < 1000; ++i) {
        const float v = r.next();
        EXPECT_GE(v, 0.0f);
        EXPECT_LT(v, 1.0f);
    }
}

TEST(MathLibraryRandom, RandomNumberDrawsFromTheSharedSource) {
    RandomSource shared(77);
    RandomSource reference(77);
    MathLibrary lib(shared);
    EXPECT_EQ(lib.RandomNumber(), reference.next());
    EXPECT_EQ(lib.RandomNumber(), reference.next());
    // Another user of the same source advances it for the library too.
    EXPECT_EQ(shared.next(), reference.next());
    EXPECT_EQ(lib.RandomNumber(), reference.next());
}

}  // namespace
}  // namespace qv
