#pragma once

#include <cstdint>

#include "expression/eval_error.h"
#include "expression/random_source.h"

namespace qv {

// The math library that expressions see: its members become global names of
// the evaluator under exactly these names, so they keep the user-visible
// spelling (pi, ln, RandomNumber, ...).
//
// Two error policies apply, method by method:
//  - "trapping" methods turn every arithmetic failure of their formula into a
//    result of 0 (NumResult::ok(0));
//  - "raising" methods report overflow, division by zero or an invalid
//    argument as NumResult::fail(code), which fails the whole expression.
// No method ever returns an infinity or a NaN as a value.
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

    NumResult prime(int16_t n);  // the n-th prime; 0 for n < 1
    NumResult fib(int16_t n);    // Fibonacci, extended to negative n; trapping
    NumResult fact(int16_t n);   // signed factorial; trapping

    NumResult frac(double x);  // raising
    NumResult asin(double x);  // sets error = 5 outside [-1, 1]
    NumResult acos(double x);  // sets error = 6 outside [-1, 1]
    NumResult baseten(double x);  // trapping
    NumResult ln(double x);       // trapping
    NumResult atan(double x);     // raising
    NumResult csc(double x);      // trapping
    NumResult sec(double x);      // trapping
    NumResult cot(double x);      // trapping
    NumResult sinh(double x);     // raising
    NumResult cosh(double x);     // raising
    NumResult tanh(double x);     // raising
    NumResult coth(double x);     // trapping
    NumResult csch(double x);     // trapping
    NumResult sech(double x);     // raising
    NumResult acsc(double x);     // trapping
    NumResult asec(double x);     // trapping
    NumResult acot(double x);     // raising
    NumResult asinh(double x);    // raising
    NumResult acosh(double x);    // trapping
    NumResult atanh(double x);    // trapping
    NumResult acsch(double x);    // trapping
    NumResult asech(double x);    // trapping
    NumResult acoth(double x);    // trapping

    float RandomNumber();

    // Converts an argument for a 16-bit integer parameter (prime, fib, fact):
    // rounds half to even; outside -32768..32767 fails with kOverflow.
    static NumResult toInt16Arg(double x);

private:
    RandomSource& rng_;
};

}  // namespace qv
