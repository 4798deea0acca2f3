#include "calculator/answer_format.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "expression/number_text.h"
#include "expression/operations.h"

namespace qv {

namespace {

// Once past the top level every whole part of the expansion is at least 1,
// so the denominators grow at least as fast as the Fibonacci numbers and
// leave the 32-bit range within 47 levels. An expansion that goes deeper has
// failed already; the cap only spares the stack and the loop.
constexpr int kMaxFractionDepth = 100;

// A fractional part whose reciprocal reaches this is taken as zero: it ends
// the expansion and keeps the denominators small.
constexpr double kNegligibleReciprocal = 500000;

constexpr double kInt32Lowest = -2147483648.0;
constexpr double kInt32Highest = 2147483647.0;

bool fitsInt32(double v) { return v >= kInt32Lowest && v <= kInt32Highest; }

// The expansion's result, wider than Fraction: when the top level moves the
// sign to the numerator, a denominator of -2^31 becomes 2^31, which Fraction
// cannot hold but the answer text still shows.
struct WideFraction {
    int64_t num = 0;
    int64_t den = 1;
};

// The expansion as a loop: down the levels collecting the whole parts, then
// back up combining them. Each level combines only after the level below it
// has finished, and every failure is final, so stopping at the first one
// gives the same outcome as finishing every step.
std::optional<WideFraction> expandFraction(double d) {
    int64_t wholes[kMaxFractionDepth];
    int depth = 0;
    WideFraction f;
    for (;;) {
        if (d == 0) return std::nullopt;
        const double r = 1 / d;
        const double whole = std::floor(r);
        // Also catches an infinite or NaN reciprocal (d subnormal or NaN).
        if (!fitsInt32(whole)) return std::nullopt;
        const double part = r - whole;
        if (1 / (part + 1e-16) >= kNegligibleReciprocal) {
            f = {1, static_cast<int64_t>(whole)};
            break;
        }
        if (depth == kMaxFractionDepth) return std::nullopt;
        wholes[depth++] = static_cast<int64_t>(whole);
        d = part;
    }
    for (int level = depth;; --level) {
        // The sign goes to the numerator; a zero denominator has no fraction.
        if (f.den < 1) f = {-f.num, -f.den};
        if (f.den == 0) return std::nullopt;
        if (level == 0) return f;
        // num + k * den over den, turned over: the level above expands the
        // reciprocal of this level's value.
        const int64_t turned = f.num + wholes[level - 1] * f.den;
        if (!fitsInt32(static_cast<double>(turned))) return std::nullopt;
        f = {f.den, turned};
    }
}

// How one pass over the ticked forms ends. A failed fraction is no error:
// the answer is formed again without the fraction forms.
enum class Pass { Done, Error, FractionFailed };

// What the formatting of one answer works from.
struct AnswerInput {
    double a = 0;
    std::string text;  // the plain text of a
    bool negative = false;
    AnswerForms forms;  // fraction is cleared after a failed fraction
    double constPi = 0;
};

std::string T(double v) { return plainText(v); }

std::string ratioText(const WideFraction& f) {
    return T(static_cast<double>(f.num)) + "/" + T(static_cast<double>(f.den));
}

// The fraction of the value the text of v reads back as: the fraction forms
// describe the number as shown, not its hidden digits. A text that does not
// read back (it overflows) is a conversion error.
Pass fractionOfText(double v, WideFraction& out) {
    const std::optional<double> shown = toNumber(T(v));
    if (!shown) return Pass::Error;
    const std::optional<WideFraction> f = expandFraction(*shown);
    if (!f) return Pass::FractionFailed;
    out = *f;
    return Pass::Done;
}

// x / y and x squared with the expression language's rules: an infinite or
// NaN result is an error, never a value.
std::optional<double> quotient(double x, double y) {
    const NumResult r = numDiv(x, y);
    return r.failed() ? std::nullopt : std::optional<double>(r.value);
}

std::optional<double> square(double x) {
    const NumResult r = checked(rawPow(x, 2));
    return r.failed() ? std::nullopt : std::optional<double>(r.value);
}

// The last (largest) square i^2, i = 2 .. |a| + 1, that divides n under the
// language's Mod, which rounds both sides to 32-bit integers; 0 when none
// does. None when n or a square leaves the 32-bit range. That bounds the
// loop whatever a is: the square of 46341 is already out of range.
std::optional<double> squareFactor(double n, double a) {
    const double last = std::fabs(a) + 1;
    double s = 0;
    for (double i = 2; i <= last; ++i) {
        const NumResult rest = numMod(n, i * i);
        if (rest.failed()) return std::nullopt;
        if (rest.value == 0) s = i * i;
    }
    return s;
}

std::string replaceAll(std::string s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

Pass fractionAlone(const AnswerInput& in, std::string& answer) {
    WideFraction f;
    const Pass p = fractionOfText(in.a, f);
    if (p != Pass::Done) return p;
    if (f.den != 1) answer = in.text + "=" + ratioText(f);
    return Pass::Done;
}

Pass piAlone(const AnswerInput& in, std::string& answer) {
    const std::optional<double> n = quotient(in.a, in.constPi);
    if (!n) return Pass::Error;
    answer = in.text + "=" + T(*n) + "*pi";
    if (*n == 0) answer = "0";
    if (*n == 1) answer = in.text + "=pi";
    if (*n == -1) answer = in.text + "=-pi";
    if (*n == 1 || *n == 0 || !in.forms.fraction) return Pass::Done;
    WideFraction f;
    const Pass p = fractionOfText(*n, f);
    if (p != Pass::Done) return p;
    if (f.den != 1) answer = in.text + "=(" + ratioText(f) + ")*pi";
    return Pass::Done;
}

Pass radicalAlone(const AnswerInput& in, std::string& answer) {
    const std::optional<double> n = square(in.a);
    if (!n) return Pass::Error;
    const std::optional<double> s = squareFactor(*n, in.a);
    if (!s) return Pass::Error;
    if (*s != 0) {
        const std::string q = T(*n / *s);
        answer = (in.negative ? "-" : "") + T(std::sqrt(*s));
        if (q != "1") answer = in.text + "=" + answer + " * sqrt(" + q + ")";
        return Pass::Done;
    }
    const std::string root = in.negative ? "=-sqrt(" : "=sqrt(";
    answer = in.text + root + T(*n) + ")";
    if (in.forms.fraction) {
        WideFraction f;
        const Pass p = fractionOfText(*n, f);
        if (p != Pass::Done) return p;
        if (f.den != 1) answer = in.text + root + ratioText(f) + ")";
    }
    if (*n == 1) answer = in.negative ? "-1" : "1";
    if (*n == 0) answer = "0";
    return Pass::Done;
}

Pass piAndRadical(const AnswerInput& in, std::string& answer) {
    const std::optional<double> ratio = quotient(in.a, in.constPi);
    if (!ratio) return Pass::Error;
    const std::optional<double> n = square(*ratio);
    if (!n) return Pass::Error;
    // The search runs up to |a| + 1, not |a / pi| + 1.
    const std::optional<double> s = squareFactor(*n, in.a);
    if (!s) return Pass::Error;
    if (*s > 1) {
        const std::string q = T(*n / *s);
        answer = in.text + (in.negative ? "=-" : "=") + T(std::sqrt(*s)) + "*pi";
        if (q != "1") answer = replaceAll(answer, "*pi", "*sqrt(" + q + ")*pi");
        return Pass::Done;
    }
    const std::string root = in.negative ? "=-sqrt(" : "=sqrt(";
    answer = in.text + root + T(*n) + ")*pi";
    if (*n == 1) answer = in.text + (in.negative ? "=-pi" : "=pi");
    if (*n == 0) answer = "0";
    if (*n == 1 || *n == 0 || !in.forms.fraction) return Pass::Done;
    WideFraction f;
    const Pass p = fractionOfText(*n, f);
    if (p != Pass::Done) return p;
    if (f.den != 1) answer = in.text + root + ratioText(f) + ")*pi";
    return Pass::Done;
}

// One pass: the plain text, then the ticked combination of forms. The
// combinations exclude each other; the fraction alone is the last choice.
Pass composeAnswer(const AnswerInput& in, std::string& answer) {
    answer = in.text;
    const AnswerForms& f = in.forms;
    if (f.pi && f.radical) return piAndRadical(in, answer);
    if (f.pi) return piAlone(in, answer);
    if (f.radical) return radicalAlone(in, answer);
    if (f.fraction) return fractionAlone(in, answer);
    return Pass::Done;
}

}  // namespace

std::string layoutAnswer(std::string answer) {
    std::erase(answer, ' ');
    answer = replaceAll(std::move(answer), "=", "\r\n" + std::string(kAnswerPrefix));
    answer = replaceAll(std::move(answer), "*", " * ");
    return replaceAll(std::move(answer), "/", " / ");
}

std::optional<Fraction> fraction(double d) {
    const std::optional<WideFraction> f = expandFraction(d);
    if (!f || !fitsInt32(static_cast<double>(f->den))) return std::nullopt;
    return Fraction{static_cast<int32_t>(f->num), static_cast<int32_t>(f->den)};
}

std::optional<std::string> formatAnswer(double a, AnswerForms forms, double constPi) {
    // The evaluator never answers with an infinity or a NaN. Should one
    // arrive anyway, it has no number text that reads back and its square
    // overflows, so it is treated as the overflow it is, never shown.
    if (!std::isfinite(a)) return std::nullopt;
    AnswerInput in{a, T(a), a < 0, forms, constPi};
    std::string answer;
    Pass p = composeAnswer(in, answer);
    if (p == Pass::FractionFailed) {
        // Start again without the fraction forms; this pass cannot fail
        // that way again.
        in.forms.fraction = false;
        p = composeAnswer(in, answer);
    }
    if (p != Pass::Done) return std::nullopt;
    return layoutAnswer(std::move(answer));
}

}  // namespace qv
