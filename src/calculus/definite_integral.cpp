#include "calculus/definite_integral.h"

#include <cmath>

#include "expression/derivatives.h"
#include "expression/number_text.h"
#include "expression/routines.h"
#include "expression/user_text.h"

namespace qv {

namespace {

std::string withoutSpaces(const std::string& s) { return replaceAll(s, " ", ""); }

IntegralMessage message(std::string title, std::string text) { return {std::move(title), std::move(text)}; }

// A bound box's value: its evaluation form evaluated and read as a number
// the way arithmetic reads it (Empty is 0). False when it cannot be read.
bool readBound(Evaluator& evaluator, const std::string& box, double& out) {
    const EvalResult r = evaluator.eval(heal_2(box));
    if (r.failed()) return false;
    const NumResult n = toArithmetic(r.value);
    if (n.failed()) return false;
    out = n.value;
    return true;
}

// One integrand sample: y(t) through the script variable z, then x'(t).
// A failed evaluation only sets `eval_error` (its sample is 0); false means
// an error that ends the command, such as an overflow or a non-numeric y.
class Integrand {
public:
    Integrand(Evaluator& evaluator, const IntegralSetup& setup, int16_t& eval_error)
        : y_(evaluator, setup.Y), x_(evaluator.bind(setup.X)), eval_error_(eval_error) {}

    bool operator()(double t, double& out) {
        if (!std::isfinite(t)) return false;
        const NumResult y = y_.number(t, eval_error_);
        if (y.failed()) return false;
        out = y.value * Derive(x_, t, eval_error_);
        return std::isfinite(out);
    }

private:
    ExpressionOfZ y_;
    BoundForm x_;
    int16_t& eval_error_;
};

// g(a) + 4 g(a + 999h) + g(b), sampled in that order.
bool endTerms(Integrand& g, double a, double b, double h, double& sum) {
    double ga = 0, g999 = 0, gb = 0;
    if (!g(a, ga) || !g(a + (kIntegralSubintervals - 1) * h, g999) || !g(b, gb)) return false;
    sum = ga + 4 * g999 + gb;
    return std::isfinite(sum);
}

}  // namespace

IntegralSetup prepareIntegral(IntegralBoxes& boxes, Evaluator& evaluator, RewriteContext& rewrite,
                              int16_t& eval_error) {
    IntegralSetup setup;
    boxes.x = withoutSpaces(boxes.x);
    boxes.y = withoutSpaces(boxes.y);
    boxes.lower = withoutSpaces(boxes.lower);
    boxes.upper = withoutSpaces(boxes.upper);
    // The boxes show the display forms, or what was typed where the
    // rewriting could not restore it; the forms come from the display forms
    // (and then fail as syntax errors).
    const std::string xDisplay = heal(boxes.x, rewrite);
    const std::string yDisplay = heal(boxes.y, rewrite);
    boxes.x = shownForm(boxes.x, xDisplay);
    boxes.y = shownForm(boxes.y, yDisplay);
    if (boxes.x.empty() || boxes.y.empty() || boxes.lower.empty() || boxes.upper.empty()) return setup;

    // The animation parameter changes with time; its area has no one value.
    if (boxes.x.find('A') != std::string::npos || boxes.y.find('A') != std::string::npos) {
        setup.status = IntegralStatus::Refused;
        setup.message =
            message(userText("qv::Texts", kIntegralFunctionErrorTitle), userText("qv::Texts", kIntegralAnimationText));
        return setup;
    }
    setup.copyToMain = true;
    eval_error = 0;
    setup.X = heal_2(xDisplay);
    setup.Y = heal_2(yDisplay);

    const std::string lower = heal(boxes.lower, rewrite);
    const std::string upper = heal(boxes.upper, rewrite);
    boxes.lower = shownForm(boxes.lower, lower);
    boxes.upper = shownForm(boxes.upper, upper);
    setup.status = IntegralStatus::Failed;
    if (!readBound(evaluator, lower, setup.a) || !readBound(evaluator, upper, setup.b)) return setup;
    if (setup.a >= setup.b) {
        setup.status = IntegralStatus::Refused;
        setup.message =
            message(userText("qv::Texts", kIntegralDataErrorTitle), userText("qv::Texts", kIntegralBoundsText));
        return setup;
    }
    setup.status = IntegralStatus::Ready;
    return setup;
}

IntegralOutcome evaluateIntegral(Evaluator& evaluator, const IntegralSetup& setup, int16_t& eval_error) {
    IntegralOutcome out;
    if (setup.status != IntegralStatus::Ready) return out;
    const double a = setup.a;
    const double b = setup.b;
    const double h = (b - a) / kIntegralSubintervals;
    if (!std::isfinite(h)) return out;
    out.h = h;

    Integrand g(evaluator, setup, eval_error);
    double ends = 0;
    if (!endTerms(g, a, b, h, ends)) return out;

    // A failure at any sample, the three end terms included, is reported at
    // the end of the pass in which it is first seen.
    double acc = 0;
    for (int i = 1; i <= kIntegralSubintervals / 2 - 1; ++i) {
        double g1 = 0, g2 = 0;
        if (!g(a + (2 * i - 1) * h, g1) || !g(a + 2 * i * h, g2)) return out;
        acc = acc + 2 * g1 + g2;
        if (!std::isfinite(acc)) return out;
        if (eval_error != 0) {
            out.status = IntegralStatus::Refused;
            out.label = std::string();
            out.message = message(userText("qv::Texts", kIntegralFunctionErrorTitle),
                                  userText("qv::Texts", kIntegralContinuityText));
            return out;
        }
    }
    const double result = (ends + 2 * acc) * (h / 3);
    if (!std::isfinite(result)) return out;

    // The label is given the full text first and rounded from what it
    // shows, so the rounding starts from 15 significant digits.
    const std::optional<double> shown = toNumber(plainText(result));
    if (!shown) return out;
    out.value = roundHalfEven(*shown, kIntegralDecimals);
    out.label = plainText(out.value);
    out.status = IntegralStatus::Evaluated;
    return out;
}

PictureMarks::Shading integralShading(const IntegralSetup& setup, double h) {
    return {setup.X, setup.Y, setup.a, setup.b, h};
}

}  // namespace qv
