#pragma once

// Error numbers of the expression language. They are the numbers the user
// sees ("error 13") and the numbers callers test, so they never change.
namespace qv {

enum ErrorCode : int {
    kNoError = 0,
    kInvalidCall = 5,      // invalid procedure call or argument
    kOverflow = 6,         // overflow, 0/0, integer conversion out of range
    kDivisionByZero = 11,  // x/0, x\0, x Mod 0
    kTypeMismatch = 13,    // arithmetic on non-numeric text, unknown function
    kWrongArgCount = 450,  // wrong number of arguments to a built-in
    kSyntaxError = 1002,   // malformed text, unbalanced or too deep nesting
};

// Result of a numeric computation that may fail with a language error.
struct NumResult {
    double value = 0.0;
    int error = kNoError;

    static NumResult ok(double v) { return {v, kNoError}; }
    static NumResult fail(int code) { return {0.0, code}; }
    bool failed() const { return error != kNoError; }
};

}  // namespace qv
