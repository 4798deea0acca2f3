#pragma once

#include <string_view>

#include "expression/eval_error.h"

namespace qv {

class MathLibrary;
class RandomSource;

// What a built-in function may touch: the math library object (constants,
// its error member) and the program's random generator.
struct BuiltinContext {
    MathLibrary* math = nullptr;
    RandomSource* rng = nullptr;
};

// A function known to the evaluator: the language's own built-ins and the
// math library's methods. Arguments arrive as numbers (the caller converts
// and rejects non-numeric text); the result is a number or an error.
struct Builtin {
    const char* name;  // lower case
    int minArgs;
    int maxArgs;
    // Pure functions give the same result for the same arguments, so a
    // compiled program may call them freely and re-run them after a failure.
    bool pure;

    NumResult (*call)(BuiltinContext& ctx, const double* args, int count);
    // The same function for exactly one argument, for compiled programs.
    NumResult (*unary)(BuiltinContext& ctx, double x);
    // Where the function's success is exactly this plain function of its
    // argument and its failures show as an infinity or a NaN, compiled
    // programs call it directly (their finiteness checks see the failures).
    double (*raw)(double) = nullptr;
    // Whether `raw` turns an infinite or NaN argument into one again (sin,
    // log, ...) rather than hiding it (exp of minus infinity is 0): only
    // hiding functions need their argument checked first.
    bool keepsNonFinite = false;
    // Functions that machine code computes in place.
    enum class Inline : unsigned char { None, Sqrt, Abs } inlined = Inline::None;
    // Writes the math library's error member (asin and friends). Such calls
    // may run twice for one evaluation (the same state results) but never
    // while compiling, ahead of the evaluation that may read `error` first.
    bool setsError = false;
};

// The built-in of that lower-case name, or null.
const Builtin* findBuiltin(std::string_view lowerName);

}  // namespace qv
