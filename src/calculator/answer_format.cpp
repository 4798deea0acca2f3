#include "calculator/answer_format.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>

#include "expression/number_text.h"
#include "expression/operations.h"
#include "expression/rewrite.h"

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

// What the formatting of one answer works from.
struct AnswerInput {
    double a = 0;
    std::string text;  // the plain text of a
    bool negative = false;
    AnswerForms forms;  // fraction is cleared when no fraction gives the answer
    double constPi = 0;
};

std::string T(double v) { return plainText(v); }

// A further form of the answer as it is written ("2*sqrt(2)*pi", before the
// layout), or a factor of one, with the value that the text stands for,
// computed from the numbers as shown in the evaluator's order. Each number
// is read twice: as the decimal it is, and as the program reads it when
// the form is typed back, where the rewriting makes "E-23" a product with
// 10^-23 that can differ in the last place. A form is shown only when both
// values give the answer's text back.
struct Form {
    std::string text;
    double exact = 1;
    double asRead = 1;
};

// A number as shown. A text that does not read back (it overflows) stands
// for no value.
Form shownNumber(double v) {
    constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
    Form f{T(v), kNoValue, kNoValue};
    f.exact = toNumber(f.text).value_or(kNoValue);
    f.asRead = f.exact;
    const std::size_t e = f.text.find('E');
    if (e != std::string::npos) {
        const std::optional<double> mantissa = toNumber(std::string_view(f.text).substr(0, e));
        const std::optional<double> exponent = toNumber(std::string_view(f.text).substr(e + 1));
        f.asRead = mantissa && exponent ? *mantissa * rawPow(10, *exponent) : kNoValue;
    }
    return f;
}

Form ratio(const WideFraction& f) {
    const Form num = shownNumber(static_cast<double>(f.num));
    const Form den = shownNumber(static_cast<double>(f.den));
    return {num.text + "/" + den.text, num.exact / den.exact, num.asRead / den.asRead};
}

Form bracketed(Form f) {
    f.text = "(" + f.text + ")";
    return f;
}

Form root(const Form& radicand) {
    return {"sqrt(" + radicand.text + ")", std::sqrt(radicand.exact), std::sqrt(radicand.asRead)};
}

// Factors joined by "*", after a minus sign when negative.
Form product(bool negative, std::initializer_list<Form> factors) {
    const double sign = negative ? -1.0 : 1.0;
    Form f{negative ? "-" : "", sign, sign};
    for (const Form& factor : factors) {
        if (&factor != factors.begin()) f.text += "*";
        f.text += factor.text;
        f.exact *= factor.exact;
        f.asRead *= factor.asRead;
    }
    return f;
}

bool holds(const Form& f, const std::string& answerText) {
    const auto gives = [&](double v) { return std::isfinite(v) && T(v) == answerText; };
    return gives(f.exact) && gives(f.asRead);
}

// How one pass over the ticked forms ends: the further form, if any, and
// whether it was made with a fraction. No fraction at all is no error: the
// answer is formed again without the fraction forms.
struct Pass {
    std::optional<Form> form;
    bool withFraction = false;
    bool fractionFailed = false;
};

Pass fractionForm(Form f) { return {std::move(f), true, false}; }
Pass noFraction() { return {std::nullopt, false, true}; }

// The fraction of the value the text of v reads back as: the fraction forms
// describe the number as shown, not its hidden digits.
std::optional<WideFraction> fractionOfText(double v) {
    const std::optional<double> shown = toNumber(T(v));
    if (!shown) return std::nullopt;
    return expandFraction(*shown);
}

// x / y and x squared with the expression language's rules: an infinite or
// NaN result is no value.
std::optional<double> quotient(double x, double y) {
    const NumResult r = numDiv(x, y);
    return r.failed() ? std::nullopt : std::optional<double>(r.value);
}

std::optional<double> square(double x) {
    const NumResult r = checked(rawPow(x, 2));
    return r.failed() ? std::nullopt : std::optional<double>(r.value);
}

// The largest whole number whose square divides m (m >= 1). Trial division
// takes every prime out up to the cube root of what is left; the rest then
// has at most two prime factors, and adds to the root only as a square.
uint64_t squarePartRoot(uint64_t m) {
    uint64_t r = 1;
    for (uint64_t p = 2; p * p <= m / p; p += (p == 2 ? 1 : 2)) {
        while (m % (p * p) == 0) {
            m /= p * p;
            r *= p;
        }
        if (m % p == 0) m /= p;
    }
    constexpr uint64_t kLargestRoot = 0xFFFFFFFFu;
    uint64_t s = std::min(static_cast<uint64_t>(std::sqrt(static_cast<double>(m))), kLargestRoot);
    while (s * s > m) --s;
    while (s < kLargestRoot && (s + 1) * (s + 1) <= m) ++s;
    if (s * s == m) r *= s;
    return r;
}

// The largest divisor of r that is at most `bound`.
uint64_t largestDivisorUpTo(uint64_t r, double bound) {
    if (static_cast<double>(r) <= bound) return r;
    uint64_t best = 1;
    for (uint64_t d = 1; d * d <= r; ++d) {
        if (r % d != 0) continue;
        if (static_cast<double>(d) <= bound) best = std::max(best, d);
        if (static_cast<double>(r / d) <= bound) best = std::max(best, r / d);
    }
    return best;
}

// S = i^2 for the largest i from 2 to |a| + 1 whose square divides n under
// the language's Mod, which rounds n half to even to a whole number; 0 when
// none does. i^2 divides n exactly when i divides the root of n's square
// part, so the search is a factorisation, exact for every whole number
// below 2^64; beyond that there is no search (none), and no radical form.
std::optional<double> squareFactor(double n, double a) {
    const double bound = std::floor(std::fabs(a) + 1);
    const double whole = roundHalfEven(n, 0);
    if (!(whole < 18446744073709551616.0)) return std::nullopt;
    // Every square divides 0.
    if (whole == 0) return bound >= 2 ? bound * bound : 0;
    const uint64_t i = largestDivisorUpTo(squarePartRoot(static_cast<uint64_t>(whole)), bound);
    return i >= 2 ? static_cast<double>(i) * static_cast<double>(i) : 0;
}

// A form that would be the whole answer on its own ("0", "1", the root of
// a whole square) can only hold when it is the answer's own text, so the
// plain answer stands alone in every such case: 1E-170 with "Radical" is
// 1E-170, never 0.

Pass fractionAlone(const AnswerInput& in) {
    const std::optional<WideFraction> f = fractionOfText(in.a);
    if (!f) return noFraction();
    if (f->den == 1) return {};
    return fractionForm(ratio(*f));
}

Pass piAlone(const AnswerInput& in) {
    const Form pi{"pi", in.constPi, in.constPi};
    const std::optional<double> n = quotient(in.a, in.constPi);
    if (!n || *n == 0) return {};
    if (*n == 1 || *n == -1) return {product(*n < 0, {pi})};
    const Form times = product(false, {shownNumber(*n), pi});
    if (!in.forms.fraction) return {times};
    const std::optional<WideFraction> f = fractionOfText(*n);
    if (!f) return noFraction();
    if (f->den == 1) return {times};
    return fractionForm(product(false, {bracketed(ratio(*f)), pi}));
}

Pass radicalAlone(const AnswerInput& in) {
    const std::optional<double> n = square(in.a);
    if (!n) return {};
    const std::optional<double> s = squareFactor(*n, in.a);
    if (!s) return {};
    if (*s != 0) {
        const Form q = shownNumber(*n / *s);
        if (q.text == "1") return {};
        return {product(in.negative, {shownNumber(std::sqrt(*s)), root(q)})};
    }
    if (*n == 1 || *n == 0) return {};
    const Form base = product(in.negative, {root(shownNumber(*n))});
    if (!in.forms.fraction) return {base};
    const std::optional<WideFraction> f = fractionOfText(*n);
    if (!f) return noFraction();
    if (f->den == 1) return {base};
    return fractionForm(product(in.negative, {root(ratio(*f))}));
}

Pass piAndRadical(const AnswerInput& in) {
    const Form pi{"pi", in.constPi, in.constPi};
    const std::optional<double> ratioToPi = quotient(in.a, in.constPi);
    const std::optional<double> n = ratioToPi ? square(*ratioToPi) : std::nullopt;
    if (!n) return {};
    // The search runs up to |a| + 1, not |a / pi| + 1.
    const std::optional<double> s = squareFactor(*n, in.a);
    if (!s) return {};
    if (*s > 1) {
        const Form q = shownNumber(*n / *s);
        const Form whole = shownNumber(std::sqrt(*s));
        if (q.text == "1") return {product(in.negative, {whole, pi})};
        return {product(in.negative, {whole, root(q), pi})};
    }
    if (*n == 0) return {};
    if (*n == 1) return {product(in.negative, {pi})};
    const Form base = product(in.negative, {root(shownNumber(*n)), pi});
    if (!in.forms.fraction) return {base};
    const std::optional<WideFraction> f = fractionOfText(*n);
    if (!f) return noFraction();
    if (f->den == 1) return {base};
    return fractionForm(product(in.negative, {root(ratio(*f)), pi}));
}

// One pass: the ticked combination of forms. The combinations exclude each
// other; the fraction alone is the last choice.
Pass composeAnswer(const AnswerInput& in) {
    const AnswerForms& f = in.forms;
    if (f.pi && f.radical) return piAndRadical(in);
    if (f.pi) return piAlone(in);
    if (f.radical) return radicalAlone(in);
    if (f.fraction) return fractionAlone(in);
    return {};
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
    // arrive anyway, it has no number text that reads back, so it is never
    // shown.
    if (!std::isfinite(a)) return std::nullopt;
    AnswerInput in{a, T(a), a < 0, forms, constPi};
    Pass p = composeAnswer(in);
    if (p.fractionFailed || (p.form && p.withFraction && !holds(*p.form, in.text))) {
        // No fraction, or one that does not give the answer back: the
        // answer is formed again without the fraction forms, which cannot
        // end this way again.
        in.forms.fraction = false;
        p = composeAnswer(in);
    }
    std::string answer = in.text;
    if (p.form && holds(*p.form, in.text)) answer += "=" + p.form->text;
    return layoutAnswer(std::move(answer));
}

}  // namespace qv
