#pragma once

#include <string>
#include <string_view>

#include "expression/eval_error.h"

namespace qv {

// A value of the expression language: Empty, Boolean (True is -1), Number
// (always a finite double) or String.
struct Value {
    enum class Kind : unsigned char { Empty, Boolean, Number, String };

    Kind kind = Kind::Empty;
    double num = 0.0;  // Boolean: -1 or 0; Number: the value
    std::string str;   // String only

    static Value empty() { return {}; }
    static Value number(double v) { return {Kind::Number, v, {}}; }
    static Value boolean(bool b) { return {Kind::Boolean, b ? -1.0 : 0.0, {}}; }
    static Value string(std::string s) { return {Kind::String, 0.0, std::move(s)}; }

    bool isEmpty() const { return kind == Kind::Empty; }
    bool isNumber() const { return kind == Kind::Number; }
    bool isBoolean() const { return kind == Kind::Boolean; }
    bool isString() const { return kind == Kind::String; }
    bool operator==(const Value& o) const;
};

// A value or the error number that stopped its evaluation.
struct EvalResult {
    Value value;
    int error = kNoError;

    static EvalResult ok(Value v) { return {std::move(v), kNoError}; }
    static EvalResult fail(int code) { return {Value{}, code}; }
    bool failed() const { return error != kNoError; }
};

// Text of a value as the program shows it: numbers in the plain form,
// Booleans as "True"/"False", Empty as "".
std::string valueText(const Value& v);

// Numeric reading of a value for arithmetic: Empty is 0, Booleans -1/0,
// numeric texts their number; any other text is a type mismatch.
NumResult toArithmetic(const Value& v);

}  // namespace qv
