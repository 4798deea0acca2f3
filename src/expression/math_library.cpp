#include "expression/math_library.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace qv {

// ln(10) is the same double every time; computing it once saves a logarithm
// per call in curves of log(x).
const double MathLibrary::kLn10 = std::log(10.0);

namespace {

// Arithmetic with the expression language's error rules: an operation that
// would produce an infinity or a NaN records an error instead. The first
// error sticks, and every later operation just yields 0, so a formula can be
// written as one nested expression and checked once at the end.
class Arith {
public:
    double add(double a, double b) { return check(a + b); }
    double sub(double a, double b) { return check(a - b); }
    double mul(double a, double b) { return check(a * b); }
    double sq(double a) { return mul(a, a); }

    double div(double a, double b) {
        if (b == 0) return fail(a == 0 ? kOverflow : kDivisionByZero);
        return check(a / b);
    }
    double exp(double x) { return check(std::exp(x)); }
    double log(double x) {
        if (!(x > 0)) return fail(kInvalidCall);
        return check(std::log(x));
    }
    double sqrt(double x) {
        if (x < 0) return fail(kInvalidCall);
        return check(std::sqrt(x));
    }
    double sin(double x) { return check(std::sin(x)); }
    double cos(double x) { return check(std::cos(x)); }
    double tan(double x) { return check(std::tan(x)); }
    double atan(double x) { return check(std::atan(x)); }

    bool failed() const { return error_ != kNoError; }

    // For methods whose errors reach the caller.
    NumResult raised(double v) {
        check(v);
        return failed() ? NumResult::fail(error_) : NumResult::ok(v);
    }

private:
    double fail(int code) {
        if (!failed()) error_ = code;
        return 0;
    }
    double check(double v) {
        if (failed()) return 0;
        if (std::isnan(v)) return fail(kInvalidCall);
        if (std::isinf(v)) return fail(kOverflow);
        return v;
    }

    int error_ = kNoError;
};

// Codes left in the error member by asin and acos for arguments outside
// their domain.
constexpr int16_t kAsinDomainError = 5;
constexpr int16_t kAcosDomainError = 6;

// 10^n, correctly rounded for |n| <= 23. Built by hand because std::pow is
// not correctly rounded everywhere (glibc gives 10^23 one unit too high, and
// compile-time folding gives the right value), which would make mol depend on
// the build. Powers up to 10^22 are exact; one more factor rounds once.
double powerOfTen(int n) {
    double p = 1;
    for (int i = 0; i < (n < 0 ? -n : n); ++i) p *= 10;
    return n < 0 ? 1 / p : p;
}

// The first 32767 primes: every n a 16-bit argument can ask for. Sieved
// once, on first use (a few milliseconds), so that a curve of prime(z)
// costs a look-up per point instead of a trial division up to n.
const std::vector<uint32_t>& primeTable() {
    static const std::vector<uint32_t> table = [] {
        constexpr uint32_t kLimit = 386083;  // the 32767th prime
        std::vector<bool> composite(kLimit + 1, false);
        std::vector<uint32_t> primes;
        primes.reserve(32767);
        for (uint32_t i = 2; i <= kLimit; ++i) {
            if (composite[i]) continue;
            primes.push_back(i);
            for (uint64_t m = static_cast<uint64_t>(i) * i; m <= kLimit; m += i) composite[m] = true;
        }
        return primes;
    }();
    return table;
}

}  // namespace

MathLibrary::MathLibrary(RandomSource& rng) : rng_(rng) {}

void MathLibrary::set_constants() {
    pi = std::numbers::pi;
    e = std::numbers::e;
    // The powers of ten are computed first and then scaled, so the constants
    // carry the rounding of that product rather than of a single literal
    // (mol comes out one unit below the literal 6.02214155e23).
    G = powerOfTen(-11) * 6.67428;
    mol = powerOfTen(23) * 6.02214155;
    life = 42;
}

NumResult MathLibrary::prime(int16_t n) {
    // There is no 0th or negative-th prime: 0 would pass for an answer.
    if (n < 1) return NumResult::fail(kInvalidCall);
    return NumResult::ok(primeTable()[static_cast<size_t>(n) - 1]);
}

NumResult MathLibrary::fib(int16_t n) {
    Arith a;
    double prev = 0, cur = 1, r = 0;
    if (n > 0) {
        if (n == 1) r = 1;
        for (int i = 2; i <= n && !a.failed(); ++i) {
            r = a.add(cur, prev);
            prev = cur;
            cur = r;
        }
    } else if (n < 0) {
        if (n == -1) r = 1;
        // Going down, F(k) = F(k + 2) - F(k + 1).
        for (int i = -2; i >= n && !a.failed(); --i) {
            r = a.sub(prev, cur);
            prev = cur;
            cur = r;
        }
    }
    return a.raised(r);
}

NumResult MathLibrary::fact(int16_t n) {
    Arith a;
    const int m = n < 0 ? -static_cast<int>(n) : n;
    double r = 1;
    for (int i = 1; i <= m && !a.failed(); ++i) r = a.mul(r, i);
    if (n < 0) r = -r;
    return a.raised(r);
}

NumResult MathLibrary::frac(double x) {
    Arith a;
    return a.raised(a.sub(x, std::floor(x)));
}

NumResult MathLibrary::asin(double x) {
    if (x == 1) return NumResult::ok(pi * 0.5);
    if (x == -1) return NumResult::ok(-pi * 0.5);
    if (!(x > -1 && x < 1)) {
        error = kAsinDomainError;
        return NumResult::fail(kInvalidCall);
    }
    Arith a;
    return a.raised(a.atan(a.div(x, a.sqrt(a.sub(1, a.sq(x))))));
}

NumResult MathLibrary::acos(double x) {
    if (x == 0) return NumResult::ok(pi / 2);
    if (!(x >= -1 && x <= 1)) {
        error = kAcosDomainError;
        return NumResult::fail(kInvalidCall);
    }
    // A subnormal x makes the quotient overflow, which the language reports
    // rather than rounding to an infinity.
    Arith a;
    double r = a.atan(a.div(a.sqrt(a.sub(1, a.sq(x))), x));
    if (x < 0) r = a.add(r, pi);
    return a.raised(r);
}

NumResult MathLibrary::baseten(double x) {
    Arith a;
    return a.raised(a.div(a.log(x), kLn10));
}

NumResult MathLibrary::ln(double x) {
    Arith a;
    return a.raised(a.log(x));
}

NumResult MathLibrary::atan(double x) {
    Arith a;
    return a.raised(a.atan(x));
}

NumResult MathLibrary::csc(double x) {
    Arith a;
    return a.raised(a.div(1, a.sin(x)));
}

NumResult MathLibrary::sec(double x) {
    Arith a;
    return a.raised(a.div(1, a.cos(x)));
}

NumResult MathLibrary::cot(double x) {
    Arith a;
    return a.raised(a.div(1, a.tan(x)));
}

// The hyperbolic functions are evaluated from their exponential formulas as
// written, so an exp() that overflows is an error where the value itself is
// out of range too, or nearly (sinh(710)). The four quotients whose values
// stay small (tanh, coth, sech, csch) have reached their limits long before
// exp() overflows: past that point the formula gives exactly +-1 or 0, so
// the limit is returned instead of a refusal or a wrong 0.
namespace {
constexpr double kExpOverflow = 709.782712893384;  // ln of the largest double
}  // namespace

NumResult MathLibrary::sinh(double x) {
    Arith a;
    return a.raised(a.div(a.sub(a.exp(x), a.exp(-x)), 2));
}

NumResult MathLibrary::cosh(double x) {
    Arith a;
    return a.raised(a.div(a.add(a.exp(x), a.exp(-x)), 2));
}

NumResult MathLibrary::tanh(double x) {
    if (std::fabs(x) > kExpOverflow) return NumResult::ok(x > 0 ? 1 : -1);
    Arith a;
    const double num = a.sub(a.exp(x), a.exp(-x));
    const double den = a.add(a.exp(x), a.exp(-x));
    return a.raised(a.div(num, den));
}

NumResult MathLibrary::coth(double x) {
    if (std::fabs(x) > kExpOverflow) return NumResult::ok(x > 0 ? 1 : -1);
    Arith a;
    const double num = a.add(a.exp(x), a.exp(-x));
    const double den = a.sub(a.exp(x), a.exp(-x));
    return a.raised(a.div(num, den));
}

NumResult MathLibrary::csch(double x) {
    if (std::fabs(x) > kExpOverflow) return NumResult::ok(0);  // below the smallest double
    Arith a;
    return a.raised(a.div(2, a.sub(a.exp(x), a.exp(-x))));
}

NumResult MathLibrary::sech(double x) {
    if (std::fabs(x) > kExpOverflow) return NumResult::ok(0);
    Arith a;
    return a.raised(a.div(2, a.add(a.exp(-x), a.exp(x))));
}

NumResult MathLibrary::acsc(double x) {
    if (x == 0) return NumResult::fail(kDivisionByZero);
    return asin(1 / x);
}

NumResult MathLibrary::asec(double x) {
    if (x == 0) return NumResult::fail(kDivisionByZero);
    return acos(1 / x);
}

NumResult MathLibrary::acot(double x) {
    Arith a;
    return a.raised(a.sub(pi / 2, a.atan(x)));
}

NumResult MathLibrary::asinh(double x) {
    Arith a;
    return a.raised(a.log(a.add(a.sqrt(a.add(a.sq(x), 1)), x)));
}

NumResult MathLibrary::acosh(double x) {
    if (x < 1) return NumResult::fail(kInvalidCall);
    Arith a;
    return a.raised(a.log(a.add(x, a.sqrt(a.sub(a.sq(x), 1)))));
}

NumResult MathLibrary::atanh(double x) {
    Arith a;
    const double quotient = a.div(a.add(1, x), a.sub(1, x));
    return a.raised(a.mul(a.log(quotient), 0.5));
}

NumResult MathLibrary::acsch(double x) {
    Arith a;
    const double root = a.sqrt(a.add(a.sq(x), 1));
    return a.raised(a.log(a.add(a.div(1, x), a.div(root, std::fabs(x)))));
}

NumResult MathLibrary::asech(double x) {
    Arith a;
    return a.raised(a.log(a.div(a.add(a.sqrt(a.sub(1, a.sq(x))), 1), x)));
}

NumResult MathLibrary::acoth(double x) {
    Arith a;
    const double quotient = a.div(a.add(x, 1), a.sub(x, 1));
    return a.raised(a.mul(a.log(quotient), 0.5));
}

float MathLibrary::RandomNumber() { return rng_.next(); }

NumResult MathLibrary::toInt16Arg(double x) {
    if (std::isnan(x)) return NumResult::fail(kOverflow);
    double r = std::floor(x);
    const double rest = x - r;  // exact: below 2^52 the fraction is kept
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
    if (!(r >= -32768 && r <= 32767)) return NumResult::fail(kOverflow);
    return NumResult::ok(r);
}

}  // namespace qv
