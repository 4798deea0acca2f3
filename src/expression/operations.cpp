#include "expression/operations.h"

#include <cmath>
#include <cstdint>

#include "expression/number_text.h"

namespace qv {

bool Value::operator==(const Value& o) const {
    if (kind != o.kind) return false;
    if (kind == Kind::String) return str == o.str;
    // Compare the bits' meaning, not signed zeros: -0 and 0 are one value.
    return num == o.num;
}

std::string valueText(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Empty: return {};
    case Value::Kind::Boolean: return v.num != 0.0 ? "True" : "False";
    case Value::Kind::Number: return plainText(v.num);
    case Value::Kind::String: return v.str;
    }
    return {};
}

NumResult toArithmetic(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Empty: return NumResult::ok(0.0);
    case Value::Kind::Boolean:
    case Value::Kind::Number: return NumResult::ok(v.num);
    case Value::Kind::String:
        if (auto d = toNumber(v.str)) return NumResult::ok(*d);
        return NumResult::fail(kTypeMismatch);
    }
    return NumResult::fail(kTypeMismatch);
}

NumResult toInt32(double x) {
    // nearbyint rounds halves to even under the default rounding mode.
    const double r = std::nearbyint(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return NumResult::fail(kOverflow);
    return NumResult::ok(r);
}

NumResult numPow(double a, double b) {
    if (a == 0.0 && b < 0.0) return NumResult::fail(kInvalidCall);
    if (a < 0.0 && std::trunc(b) != b) return NumResult::fail(kInvalidCall);
    return checked(rawPow(a, b));
}

NumResult numDiv(double a, double b) {
    if (b == 0.0) return NumResult::fail(a == 0.0 ? kOverflow : kDivisionByZero);
    return checked(a / b);
}

NumResult numIntDiv(double a, double b) {
    const NumResult x = toInt32(a);
    if (x.failed()) return x;
    const NumResult y = toInt32(b);
    if (y.failed()) return y;
    if (y.value == 0.0) return NumResult::fail(kDivisionByZero);
    // 64-bit so that -2147483648 \ -1 widens instead of overflowing.
    return NumResult::ok(static_cast<double>(static_cast<int64_t>(x.value) / static_cast<int64_t>(y.value)));
}

NumResult numMod(double a, double b) {
    const NumResult x = toInt32(a);
    if (x.failed()) return x;
    const NumResult y = toInt32(b);
    if (y.failed()) return y;
    if (y.value == 0.0) return NumResult::fail(kDivisionByZero);
    return NumResult::ok(static_cast<double>(static_cast<int64_t>(x.value) % static_cast<int64_t>(y.value)));
}

namespace {

bool isNumericKind(const Value& v) { return v.kind != Value::Kind::String; }

EvalResult fromNum(NumResult r) {
    if (r.failed()) return EvalResult::fail(r.error);
    return EvalResult::ok(Value::number(r.value));
}

// Compares two values: -1, 0 or 1. Numbers and texts compare in their own
// kind; Empty takes the kind of the other side; a number is less than any
// text, as the language's variants do.
int compareValues(const Value& a, const Value& b) {
    const bool aStr = a.isString() || (a.isEmpty() && b.isString());
    const bool bStr = b.isString() || (b.isEmpty() && a.isString());
    if (aStr && bStr) {
        const int c = a.str.compare(b.str);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (aStr) return 1;
    if (bStr) return -1;
    return a.num < b.num ? -1 : (a.num > b.num ? 1 : 0);
}

EvalResult compareOp(BinaryOp op, const Value& a, const Value& b) {
    const int c = compareValues(a, b);
    bool r = false;
    switch (op) {
    case BinaryOp::Eq: r = c == 0; break;
    case BinaryOp::Ne: r = c != 0; break;
    case BinaryOp::Lt: r = c < 0; break;
    case BinaryOp::Gt: r = c > 0; break;
    case BinaryOp::Le: r = c <= 0; break;
    case BinaryOp::Ge: r = c >= 0; break;
    default: break;
    }
    return EvalResult::ok(Value::boolean(r));
}

NumResult toLogicInt(const Value& v) {
    const NumResult n = toArithmetic(v);
    if (n.failed()) return n;
    return toInt32(n.value);
}

EvalResult logicOp(BinaryOp op, const Value& a, const Value& b) {
    const NumResult x = toLogicInt(a);
    if (x.failed()) return EvalResult::fail(x.error);
    const NumResult y = toLogicInt(b);
    if (y.failed()) return EvalResult::fail(y.error);
    const auto p = static_cast<int32_t>(x.value);
    const auto q = static_cast<int32_t>(y.value);
    int32_t r = 0;
    switch (op) {
    case BinaryOp::And: r = p & q; break;
    case BinaryOp::Or: r = p | q; break;
    case BinaryOp::Xor: r = p ^ q; break;
    case BinaryOp::Eqv: r = ~(p ^ q); break;
    case BinaryOp::Imp: r = ~p | q; break;
    default: break;
    }
    if (a.isBoolean() && b.isBoolean()) return EvalResult::ok(Value::boolean(r != 0));
    return EvalResult::ok(Value::number(static_cast<double>(r)));
}

EvalResult addOp(const Value& a, const Value& b) {
    if (a.isString() && b.isString()) return EvalResult::ok(Value::string(a.str + b.str));
    // Empty + text keeps the text, as the language does.
    if (a.isEmpty() && b.isString()) return EvalResult::ok(b);
    if (b.isEmpty() && a.isString()) return EvalResult::ok(a);
    const NumResult x = toArithmetic(a);
    if (x.failed()) return EvalResult::fail(x.error);
    const NumResult y = toArithmetic(b);
    if (y.failed()) return EvalResult::fail(y.error);
    return fromNum(checked(x.value + y.value));
}

}  // namespace

EvalResult applyBinary(BinaryOp op, const Value& a, const Value& b) {
    switch (op) {
    case BinaryOp::Add: return addOp(a, b);
    case BinaryOp::Concat: return EvalResult::ok(Value::string(valueText(a) + valueText(b)));
    case BinaryOp::Eq: case BinaryOp::Ne: case BinaryOp::Lt:
    case BinaryOp::Gt: case BinaryOp::Le: case BinaryOp::Ge:
        return compareOp(op, a, b);
    case BinaryOp::And: case BinaryOp::Or: case BinaryOp::Xor:
    case BinaryOp::Eqv: case BinaryOp::Imp:
        return logicOp(op, a, b);
    default: break;
    }
    const NumResult x = isNumericKind(a) ? NumResult::ok(a.num) : toArithmetic(a);
    if (x.failed()) return EvalResult::fail(x.error);
    const NumResult y = isNumericKind(b) ? NumResult::ok(b.num) : toArithmetic(b);
    if (y.failed()) return EvalResult::fail(y.error);
    switch (op) {
    case BinaryOp::Pow: return fromNum(numPow(x.value, y.value));
    case BinaryOp::Mul: return fromNum(checked(x.value * y.value));
    case BinaryOp::Div: return fromNum(numDiv(x.value, y.value));
    case BinaryOp::IntDiv: return fromNum(numIntDiv(x.value, y.value));
    case BinaryOp::Mod: return fromNum(numMod(x.value, y.value));
    case BinaryOp::Sub: return fromNum(checked(x.value - y.value));
    default: break;
    }
    return EvalResult::fail(kSyntaxError);
}

EvalResult applyUnary(UnaryOp op, const Value& a) {
    if (op == UnaryOp::Plus) return EvalResult::ok(a);
    if (op == UnaryOp::Not) {
        if (a.isBoolean()) return EvalResult::ok(Value::boolean(a.num == 0.0));
        const NumResult n = toLogicInt(a);
        if (n.failed()) return EvalResult::fail(n.error);
        return EvalResult::ok(Value::number(static_cast<double>(~static_cast<int32_t>(n.value))));
    }
    const NumResult n = toArithmetic(a);
    if (n.failed()) return EvalResult::fail(n.error);
    return EvalResult::ok(Value::number(-n.value));
}

}  // namespace qv
