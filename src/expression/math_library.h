#pragma once

#include <cstdint>

#include "expression/eval_error.h"
#include "expression/random_source.h"

namespace qv {

// The math library that expressions see: its members become global names of
// the evaluator under exactly these names, so they keep the user-visible
// spelling (pi, ln, RandomNumber, ...).
//
// Every failure is reported: an argument outside a function's domain, a
// pole, or a result beyond the double range gives NumResult::fail(code),
// which fails the whole expression. No method ever returns an infinity or a
// NaN as a value, nor a 0 that stands for "undefined".
class MathLibrary {
public:
    static const double kLn10;  // the divisor of baseten
    explicit MathLibrary(RandomSource& rng);

    double pi = 0, e = 0, G = 0, mol = 0;
    int16_t life = 0;
    // Last domain error of asin (5) or acos (6); never reset.
    int16_t error = 0;

    // Fills pi, e, G, mol and life; leaves error alone.
    void set_constants();

    NumResult prime(int16_t n);  // the n-th prime; fails for n < 1
    NumResult fib(int16_t n);    // Fibonacci, extended to negative n
    NumResult fact(int16_t n);   // signed factorial

    NumResult frac(double x);
    NumResult asin(double x);  // outside [-1, 1]: sets error = 5 and fails
    NumResult acos(double x);  // outside [-1, 1]: sets error = 6 and fails
    NumResult baseten(double x);
    NumResult ln(double x);
    NumResult atan(double x);
    NumResult csc(double x);
    NumResult sec(double x);
    NumResult cot(double x);
    NumResult sinh(double x);
    NumResult cosh(double x);
    NumResult tanh(double x);
    NumResult coth(double x);
    NumResult csch(double x);
    NumResult sech(double x);
    NumResult acsc(double x);
    NumResult asec(double x);
    NumResult acot(double x);
    NumResult asinh(double x);
    NumResult acosh(double x);
    NumResult atanh(double x);
    NumResult acsch(double x);
    NumResult asech(double x);
    NumResult acoth(double x);

    float RandomNumber();

    // Converts an argument for a 16-bit integer parameter (prime, fib, fact):
    // rounds half to even; outside -32768..32767 fails with kOverflow.
    static NumResult toInt16Arg(double x);

private:
    RandomSource& rng_;
};

}  // namespace qv
