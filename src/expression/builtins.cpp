#include "expression/builtins.h"

#include <cmath>
#include <cstring>
#include <math.h>

#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/operations.h"
#include "expression/random_source.h"

namespace qv {

namespace {

// The language's own functions.
NumResult fnSin(BuiltinContext&, double x) { return checked(std::sin(x)); }
NumResult fnCos(BuiltinContext&, double x) { return checked(std::cos(x)); }
NumResult fnTan(BuiltinContext&, double x) { return checked(std::tan(x)); }
NumResult fnAtn(BuiltinContext&, double x) { return checked(std::atan(x)); }
NumResult fnExp(BuiltinContext&, double x) { return checked(std::exp(x)); }
NumResult fnLog(BuiltinContext&, double x) {
    if (x <= 0.0) return NumResult::fail(kInvalidCall);
    return checked(std::log(x));
}
NumResult fnSqr(BuiltinContext&, double x) {
    if (x < 0.0) return NumResult::fail(kInvalidCall);
    return NumResult::ok(std::sqrt(x));
}
NumResult fnAbs(BuiltinContext&, double x) { return NumResult::ok(std::fabs(x)); }
NumResult fnInt(BuiltinContext&, double x) { return NumResult::ok(std::floor(x)); }
NumResult fnFix(BuiltinContext&, double x) { return NumResult::ok(std::trunc(x)); }
NumResult fnSgn(BuiltinContext&, double x) { return NumResult::ok(x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0)); }
NumResult fnRound1(BuiltinContext&, double x) { return NumResult::ok(std::nearbyint(x)); }

NumResult callRound(BuiltinContext& ctx, const double* a, int n) {
    if (n == 1) return fnRound1(ctx, a[0]);
    const NumResult places = toInt32(a[1]);
    if (places.failed()) return places;
    if (places.value < 0) return NumResult::fail(kInvalidCall);
    return checked(roundHalfEven(a[0], static_cast<int>(places.value)));
}

NumResult callRnd(BuiltinContext& ctx, const double*, int) {
    return NumResult::ok(static_cast<double>(ctx.rng->next()));
}
NumResult callRandomNumber(BuiltinContext& ctx, const double*, int) {
    return NumResult::ok(static_cast<double>(ctx.math->RandomNumber()));
}
NumResult callSetConstants(BuiltinContext& ctx, const double*, int) {
    ctx.math->set_constants();
    return NumResult::ok(0.0);
}

// Adapters from the math library's methods to the table's shapes.
template <NumResult (MathLibrary::*M)(double)>
NumResult mathUnary(BuiltinContext& ctx, double x) {
    const NumResult r = (ctx.math->*M)(x);
    return r.failed() ? r : checked(r.value);
}
template <NumResult (MathLibrary::*M)(int16_t)>
NumResult mathInt(BuiltinContext& ctx, double x) {
    const NumResult n = MathLibrary::toInt16Arg(x);
    if (n.failed()) return n;
    const NumResult r = (ctx.math->*M)(static_cast<int16_t>(n.value));
    return r.failed() ? r : checked(r.value);
}
// The math library's logarithms succeed with exactly these values; where
// they fail, these give an infinity or a NaN, which sends the evaluation to
// the careful path and so to the library itself.
double rawBaseten(double x) { return std::log(x) / MathLibrary::kLn10; }

template <NumResult (*F)(BuiltinContext&, double)>
NumResult callUnary(BuiltinContext& ctx, const double* a, int) {
    return F(ctx, a[0]);
}

#define QV_UNARY(name, fn, pure) {name, 1, 1, pure, &callUnary<fn>, &fn}
#define QV_RAW(name, fn, raw, keeps, inl) {name, 1, 1, true, &callUnary<fn>, &fn, raw, keeps, Builtin::Inline::inl}
#define QV_MATH_RAW(name, method, raw) \
    {name, 1, 1, true, &callUnary<mathUnary<&MathLibrary::method>>, &mathUnary<&MathLibrary::method>, raw, true}
#define QV_MATH(name, method) QV_UNARY(name, (mathUnary<&MathLibrary::method>), true)
#define QV_MATH_ERR(name, method) \
    {name, 1, 1, true, &callUnary<mathUnary<&MathLibrary::method>>, &mathUnary<&MathLibrary::method>, \
     nullptr, false, Builtin::Inline::None, true}
#define QV_MATH_INT(name, method) QV_UNARY(name, (mathInt<&MathLibrary::method>), true)

const Builtin kBuiltins[] = {
    // log of 0 is an infinity and of a negative a NaN, the square root of a
    // negative a NaN, an overflowing exp an infinity: the plain functions
    // fail visibly wherever the language's functions fail.
    QV_RAW("sin", fnSin, ::sin, true, None), QV_RAW("cos", fnCos, ::cos, true, None),
    QV_RAW("tan", fnTan, ::tan, true, None), QV_RAW("atn", fnAtn, ::atan, false, None),
    QV_RAW("exp", fnExp, ::exp, false, None), QV_RAW("log", fnLog, ::log, true, None),
    QV_RAW("sqr", fnSqr, ::sqrt, true, Sqrt), QV_RAW("abs", fnAbs, ::fabs, true, Abs),
    QV_RAW("int", fnInt, ::floor, true, None), QV_RAW("fix", fnFix, ::trunc, true, None),
    QV_UNARY("sgn", fnSgn, true),
    {"round", 1, 2, true, &callRound, &fnRound1},
    {"rnd", 0, 1, false, &callRnd, nullptr},
    // The math library object's methods.
    {"set_constants", 0, 0, false, &callSetConstants, nullptr},
    QV_MATH_INT("prime", prime), QV_MATH_INT("fib", fib), QV_MATH_INT("fact", fact),
    QV_MATH("frac", frac),
    // asin and acos write the object's error member; doing so twice for
    // one evaluation leaves the same state, so they count as pure.
    QV_MATH_ERR("asin", asin), QV_MATH_ERR("acos", acos), QV_MATH_RAW("baseten", baseten, &rawBaseten),
    QV_MATH_RAW("ln", ln, ::log), QV_MATH("atan", atan), QV_MATH("csc", csc), QV_MATH("sec", sec),
    QV_MATH("cot", cot), QV_MATH("sinh", sinh), QV_MATH("cosh", cosh), QV_MATH("tanh", tanh),
    QV_MATH("coth", coth), QV_MATH("csch", csch), QV_MATH("sech", sech), QV_MATH_ERR("acsc", acsc),
    QV_MATH_ERR("asec", asec), QV_MATH("acot", acot), QV_MATH("asinh", asinh),
    QV_MATH("acosh", acosh), QV_MATH("atanh", atanh), QV_MATH("acsch", acsch),
    QV_MATH("asech", asech), QV_MATH("acoth", acoth),
    {"randomnumber", 0, 0, false, &callRandomNumber, nullptr},
};

#undef QV_UNARY
#undef QV_RAW
#undef QV_MATH_RAW
#undef QV_MATH
#undef QV_MATH_INT
#undef QV_MATH_ERR

}  // namespace

const Builtin* findBuiltin(std::string_view lowerName) {
    for (const Builtin& b : kBuiltins) {
        if (lowerName == b.name) return &b;
    }
    return nullptr;
}

}  // namespace qv
