#pragma once

#include <cmath>

#include "expression/value.h"

// The operators of the expression language on values, with the language's
// error rules: no result is ever an infinity or a NaN.
namespace qv {

enum class BinaryOp : unsigned char {
    Pow, Mul, Div, IntDiv, Mod, Add, Sub, Concat,
    Eq, Ne, Lt, Gt, Le, Ge,
    And, Or, Xor, Eqv, Imp,
};

enum class UnaryOp : unsigned char { Neg, Plus, Not };

// The number checks every arithmetic result goes through: an infinity is an
// overflow, a NaN an invalid procedure call.
inline NumResult checked(double r) {
    if (r - r == 0.0) return NumResult::ok(r);  // finite
    return NumResult::fail(r != r ? kInvalidCall : kOverflow);
}

// The power used everywhere, so that every path rounds alike: a square is
// one multiplication (exact to the last bit, which pow need not be).
inline double rawPow(double a, double b) { return b == 2.0 ? a * a : std::pow(a, b); }

// Numeric kernels shared by the careful evaluator and constant folding.
NumResult numPow(double a, double b);
NumResult numDiv(double a, double b);
NumResult numIntDiv(double a, double b);
NumResult numMod(double a, double b);
// Rounds half to even to a 32-bit integer; outside that range: overflow.
NumResult toInt32(double x);

EvalResult applyBinary(BinaryOp op, const Value& a, const Value& b);
EvalResult applyUnary(UnaryOp op, const Value& a);

}  // namespace qv
