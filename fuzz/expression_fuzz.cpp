// libFuzzer target of the expression engine: the rewriting of typed text
// (heal, heal_2), the evaluator (plain, statement, bound, animated) and the
// derivatives, fed with arbitrary bytes.
//
// Input: the text to read, optionally followed by a NUL byte and up to 16
// bytes that give the bits of an extra z (first 8) and A (next 8). Without
// them both come from a hash of the text.
//
// Besides the sanitizers, these properties are checked and abort on failure:
//  - nothing throws;
//  - a number (or Boolean) result is always finite, Booleans are -1 or 0;
//  - heal reports a parenthesis error at most once, with the fixed message,
//    and clears smooth_pass exactly when it does;
//  - bound evaluation at z (and A) gives what evaluating the substituted
//    text (each value as its 15-digit number text) gives: the same error,
//    or the same kind and text of value and, for numbers, the same bits (-0
//    and 0 count as equal). Forms that draw random numbers are left out of
//    this check;
//  - plainTextValue of z, of A and of every 8 bytes of the input read as a
//    double is, bit for bit, what the plain number text reads back as;
//  - BoundForm::number agrees with BoundForm::eval, and machine code with
//    the portable machine, bit for bit;
//  - "z = form" fails exactly as evaluating the form does and stores its
//    value;
//  - Derive returns a finite number.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_entry.h"
#include "expression/derivatives.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/parser.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"

namespace {

using qv::EvalResult;
using qv::NumResult;
using qv::Value;

constexpr uint32_t kSeed = 12345;

struct Engine {
    qv::RandomSource rng{kSeed};
    qv::MathLibrary math{rng};
    qv::Evaluator evaluator{math, rng};
    explicit Engine(bool machineCode) {
        evaluator.setMachineCode(machineCode);
        evaluator.setUp();
        // Created once here so that later resets of z never add a name
        // (which would drop the compiled forms).
        evaluator.setVariable("z", Value::empty());
    }
};

// The evaluator as the program runs it (machine code where available)...
Engine& engine() {
    static Engine e(true);
    return e;
}

// ...and one that runs the portable machine, which must agree bit for bit.
Engine& portableEngine() {
    static Engine e(false);
    return e;
}

class CountingSink : public qv::FormulaErrorSink {
public:
    void formulaError(const std::string& title, const std::string& text) override {
        ++count;
        if (title != qv::kFormulaErrorTitle || text != qv::kParenthesisErrorText) badText = true;
    }
    int count = 0;
    bool badText = false;
};

// What is being checked when a property fails, printed before aborting so
// that the report says more than the stack.
struct Scene {
    std::string_view stage;
    std::string_view form;
    double z = 0.0;
    double a = 0.0;
};

std::string describe(const EvalResult& r) {
    if (r.failed()) return "error " + std::to_string(r.error);
    static const char* const kKinds[] = {"Empty", "Boolean", "Number", "String"};
    char bits[64];
    std::snprintf(bits, sizeof bits, " (%a)", r.value.num);
    return std::string(kKinds[static_cast<int>(r.value.kind)]) + " \"" + qv::valueText(r.value) +
           "\"" + (r.value.isNumber() || r.value.isBoolean() ? bits : "");
}

std::string describe(const NumResult& n) {
    if (n.failed()) return "error " + std::to_string(n.error);
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", n.value, n.value);
    return text;
}

[[noreturn]] void violated(const Scene& s, const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "\n*** property violated at %.*s: %s\n", static_cast<int>(s.stage.size()),
                 s.stage.data(), what);
    std::fprintf(stderr, "    form: \"%.*s\"\n    z = %a (%.17g), A = %a (%.17g)\n",
                 static_cast<int>(s.form.size()), s.form.data(), s.z, s.z, s.a, s.a);
    if (!detail.empty()) std::fprintf(stderr, "    %s\n", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

bool sameNumber(double x, double y) {
    if (x == 0.0 && y == 0.0) return true;
    return std::memcmp(&x, &y, sizeof x) == 0;
}

bool sameResult(const EvalResult& p, const EvalResult& q) {
    if (p.error != q.error) return false;
    if (p.failed()) return true;
    if (p.value.kind != q.value.kind) return false;
    if (qv::valueText(p.value) != qv::valueText(q.value)) return false;
    if (p.value.isNumber() || p.value.isBoolean()) return sameNumber(p.value.num, q.value.num);
    return true;
}

void checkFinite(const Scene& s, const EvalResult& r) {
    if (r.failed()) return;
    if ((r.value.isNumber() || r.value.isBoolean()) && !std::isfinite(r.value.num)) {
        violated(s, "non-finite number", describe(r));
    }
    if (r.value.isBoolean() && r.value.num != 0.0 && r.value.num != -1.0) {
        violated(s, "Boolean other than -1 or 0", describe(r));
    }
}

void checkNumber(const Scene& s, const NumResult& n) {
    if (!n.failed() && !std::isfinite(n.value)) violated(s, "non-finite number()", describe(n));
}

// Evaluations read math.error (asin and acos write it) and z; each one in a
// comparison starts from the same state.
void resetState(Engine& e) {
    e.math.error = 0;
    e.rng.seed(kSeed);
    e.evaluator.setVariable("z", Value::empty());
}

std::string lowerCase(std::string_view text) {
    std::string low(text);
    for (char& c : low)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return low;
}

bool containsLower(std::string_view text, std::string_view word) {
    return lowerCase(text).find(word) != std::string::npos;
}

// Evaluates from the reset state. The text is compiled here too, after the
// reset, while a bound form was compiled before it: compiling must leave no
// trace in what an evaluation reads (math.error, for one).
EvalResult evalFresh(Engine& e, std::string_view text) {
    resetState(e);
    return e.evaluator.eval(text);
}

// Random draws differ from one evaluation to the next.
bool drawsRandom(std::string_view form) {
    return containsLower(form, "rnd") || containsLower(form, "randomnumber");
}

// Which comparisons apply to a form: evaluations of it agree with each other
// and with its substituted text unless it draws random numbers. (A bound
// letter inside a string literal is substituted as text on both sides.)
struct Checks {
    bool repeatable = false;
    bool substitutable = false;
};

Checks checksFor(std::string_view form) {
    Checks c;
    c.repeatable = !drawsRandom(form);
    c.substitutable = c.repeatable;
    return c;
}

// The value the plain number text of x reads back as, by printing it: a
// text that overflows reads as the infinity of its sign, and what has no
// number text stays as it is.
double valueOfPlainText(double x) {
    if (!std::isfinite(x)) return x;
    return qv::toNumber(qv::plainText(x)).value_or(std::copysign(HUGE_VAL, x));
}

void checkPlainTextValue(double x) {
    const double got = qv::plainTextValue(x);
    const double want = valueOfPlainText(x);
    if (std::memcmp(&got, &want, sizeof got) != 0 && !(std::isnan(got) && std::isnan(want))) {
        char detail[160];
        std::snprintf(detail, sizeof detail, "plainTextValue(%a) = %a, its text \"%s\" reads %a", x, got,
                      qv::plainText(x).c_str(), want);
        violated({"plainTextValue", {}, x}, "the rounding differs from the text round trip", detail);
    }
}

void checkHeal(std::string_view text, int calculatorRewrite) {
    CountingSink sink;
    qv::RewriteContext ctx;
    ctx.calculator_rewrite = calculatorRewrite;
    ctx.smooth_pass = true;
    ctx.errors = &sink;
    const std::string display = qv::heal(text, ctx);
    const Scene s{"heal", text};
    if (sink.count > 1) violated(s, "parenthesis error reported more than once");
    if (sink.badText) violated(s, "parenthesis error with another title or text");
    if ((sink.count == 1) == ctx.smooth_pass)
        violated(s, "smooth_pass does not follow the reported error");
    (void)qv::heal_2(display);
}

void checkStatement(Engine& e, std::string_view form, const Checks& checks) {
    const EvalResult plain = evalFresh(e, form);
    checkFinite({"eval", form}, plain);
    resetState(e);
    const int code = e.evaluator.executeStatement("z = " + std::string(form));
    const Scene s{"executeStatement", form};
    if (!checks.repeatable) {
        resetState(e);
        return;
    }
    if (code != plain.error) {
        violated(s, "statement error differs from eval",
                 std::to_string(code) + " vs " + describe(plain));
    }
    if (code == 0) {
        const EvalResult stored = EvalResult::ok(e.evaluator.variable("z"));
        if (!sameResult(stored, plain)) {
            violated(s, "stored value differs", describe(stored) + " vs " + describe(plain));
        }
    }
    resetState(e);
}

bool sameBits(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }

// The form bound in both engines; the portable one is only used for
// comparisons.
struct BoundPair {
    qv::BoundForm native;
    qv::BoundForm portable;
};

void checkBoundAt(Engine& e, const BoundPair& bound, std::string_view form, double z,
                  const Checks& checks) {
    const Scene s{"bind", form, z};
    resetState(e);
    const EvalResult r = bound.native.eval(z);
    checkFinite(s, r);
    resetState(e);
    const NumResult n = bound.native.number(z);
    checkNumber(s, n);
    if (checks.repeatable) {
        NumResult expected = r.failed() ? NumResult::fail(r.error) : qv::toArithmetic(r.value);
        if (n.error != expected.error || (!n.failed() && !sameNumber(n.value, expected.value))) {
            violated(s, "number() differs from eval()", describe(n) + " vs " + describe(r));
        }
        Engine& p = portableEngine();
        resetState(p);
        const NumResult q = bound.portable.number(z);
        if (n.error != q.error || !sameBits(n.value, q.value)) {
            violated(s, "machine code differs from the portable machine",
                     describe(n) + " vs " + describe(q));
        }
    }
    if (checks.substitutable) {
        const std::string text = qv::substituteValues(form, z);
        const EvalResult t = evalFresh(e, text);
        if (!sameResult(r, t)) {
            violated(s, "bound evaluation differs from the substituted text",
                     describe(r) + " vs " + describe(t) + " for \"" + text + "\"");
        }
    }
    resetState(e);
    const EvalResult once = e.evaluator.evalBound(form, z);
    checkFinite(s, once);
    if (checks.repeatable && !sameResult(r, once)) {
        violated(s, "evalBound differs from BoundForm::eval",
                 describe(r) + " vs " + describe(once));
    }
    resetState(e);
    int16_t evalError = 0;
    const double d = qv::Derive(bound.native, z, evalError);
    if (!std::isfinite(d)) violated(s, "non-finite derivative");
    if (evalError != 0 && d != 0.0) violated(s, "failed derivative is not 0");
}

void checkAnimated(Engine& e, std::string_view form, double z, double a, const Checks& checks) {
    const Scene s{"evalBound(z, A)", form, z, a};
    resetState(e);
    const EvalResult r = e.evaluator.evalBound(form, z, a);
    checkFinite(s, r);
    if (!checks.substitutable) return;
    const std::string text = qv::substituteValues(form, z, a);
    const EvalResult t = evalFresh(e, text);
    if (!sameResult(r, t)) {
        violated(s, "bound evaluation differs from the substituted text",
                 describe(r) + " vs " + describe(t) + " for \"" + text + "\"");
    }
}

double finiteOr(double x, double fallback) { return std::isfinite(x) ? x : fallback; }

void checkForm(Engine& e, std::string_view form, double extraZ, double extraA) {
    const Checks checks = checksFor(form);
    checkStatement(e, form, checks);
    Engine& p = portableEngine();
    p.evaluator.clearCache();
    const BoundPair bound{e.evaluator.bind(form), p.evaluator.bind(form)};
    // Besides the extremes: a value with more digits than its text keeps,
    // and the largest double, whose text overflows.
    static const double kPoints[] = {-0.0, -2.5, 1e300, 1e-300, -1e300, 0.1 + 0.2, 1.7976931348623157e308};
    checkBoundAt(e, bound, form, extraZ, checks);
    for (double z : kPoints)
        checkBoundAt(e, bound, form, z, checks);
    checkAnimated(e, form, extraZ, extraA, checks);
    checkAnimated(e, form, -1e-300, 1e300, checks);
}

double bitsAt(const uint8_t* p, size_t n) {
    uint64_t bits = 0;
    std::memcpy(&bits, p, n < 8 ? n : 8);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// A point chosen by the text: mostly small values, sometimes extreme ones.
double pointFromHash(uint64_t h) {
    // clang-format off
    static const double kChoices[] = {
        0.0, 1.0, -1.0, 0.5, 2.0, 3.0, -0.5,                               // everyday points
        1e-300, -1e300, 4.9406564584124654e-324, 1.7976931348623157e308,  // extremes
        32767.5, 1e15, -2147483648.5,  // the edges of the integer conversions
    };
    // clang-format on
    const uint64_t pick = h % 32;
    if (pick < std::size(kChoices)) return kChoices[pick];
    return static_cast<double>(static_cast<int64_t>(h >> 8) % 2001 - 1000) / 8.0;
}

uint64_t fnv(std::string_view s) {
    uint64_t h = 1469598103934665603ULL;
    for (char c : s)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return h;
}

void run(const uint8_t* data, size_t size) {
    Engine& e = engine();
    const auto* chars = reinterpret_cast<const char*>(data);
    const size_t nul = std::string_view(chars, size).find('\0');
    const std::string_view text(chars, nul == std::string_view::npos ? size : nul);
    for (size_t at = 0; at + 8 <= size; at += 8) checkPlainTextValue(bitsAt(data + at, 8));
    double z = 0.0, a = 0.0;
    if (nul != std::string_view::npos) {
        const size_t rest = size - nul - 1;
        // The raw bits too, infinities and NaN included.
        checkPlainTextValue(bitsAt(data + nul + 1, rest));
        if (rest > 8) checkPlainTextValue(bitsAt(data + nul + 9, rest - 8));
        z = finiteOr(bitsAt(data + nul + 1, rest), 0.75);
        a = rest > 8 ? finiteOr(bitsAt(data + nul + 9, rest - 8), -1.25) : 0.0;
    } else {
        const uint64_t h = fnv(text);
        z = pointFromHash(h);
        a = pointFromHash(h >> 17);
    }
    checkPlainTextValue(z);
    checkPlainTextValue(a);
    // Every input starts from the same state, so a finding reproduces alone.
    e.rng.seed(kSeed);
    e.evaluator.clearCache();
    resetState(e);

    checkHeal(text, 0);
    checkHeal(text, -1);
    (void)qv::heal_2(text);

    qv::RewriteContext graph;
    const std::string evaluation = qv::heal_2(qv::heal(text, graph));
    checkForm(e, evaluation, z, a);
    // The raw bytes too: they reach the evaluator's syntax directly.
    checkForm(e, text, z, a);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return -1;
    return qv_fuzz::guarded([&] { run(data, size); });
}
