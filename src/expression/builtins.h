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
};

// The built-in of that lower-case name, or null.
const Builtin* findBuiltin(std::string_view lowerName);

}  // namespace qv
