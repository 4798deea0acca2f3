#include "calculus/newton_search.h"

#include <cmath>
#include <functional>

#include "expression/derivatives.h"
#include "expression/number_text.h"
#include "expression/rewrite.h"
#include "expression/value.h"

namespace qv {

namespace {

constexpr int16_t kTrue = -1;

// One search target. Every computation that would raise (an evaluation
// that fails, a division by zero, an overflow) leaves the value it was
// meant to set unchanged, which is how the search has always carried on
// past a bad point. `fallback` and `finalTest` count a failure as "no".
struct Target {
    std::function<void(double z, double& t)> value;
    std::function<void(double z, double& d)> slope;
    std::function<bool(double z)> fallback;
    std::function<bool(double z)> finalTest;
};

// Assigns a / b to out only when the quotient exists and is finite.
void assignQuotient(double a, double b, double& out) {
    if (b == 0.0) return;
    const double q = a / b;
    if (std::isfinite(q)) out = q;
}

bool belowTolerance(double v) { return std::fabs(v) < kSearchTolerance; }

bool evaluatesBelowTolerance(const BoundForm& f, double z) {
    const NumResult n = f.number(z);
    return !n.failed() && belowTolerance(n.value);
}

// F(z) and its first derivative: the root and the intersection.
Target valueTarget(const BoundForm& f, int16_t& eval_error) {
    Target t;
    t.value = [&f](double z, double& out) {
        const NumResult n = f.number(z);
        if (!n.failed() && std::isfinite(n.value)) out = n.value;
    };
    t.slope = [&f, &eval_error](double z, double& out) { out = Derive(f, z, eval_error); };
    t.fallback = [&f](double z) { return evaluatesBelowTolerance(f, z); };
    t.finalTest = t.fallback;
    return t;
}

// y'/x' and its slope y''/x': a local extremum of the curve.
Target extremumTarget(const BoundForm& x, const BoundForm& y, int16_t& e) {
    Target t;
    t.value = [&](double z, double& out) {
        const double dy = Derive(y, z, e);
        assignQuotient(dy, Derive(x, z, e), out);
    };
    t.slope = [&](double z, double& out) {
        const double ddy = Double_Derivative(y, z, e);
        assignQuotient(ddy, Derive(x, z, e), out);
    };
    t.fallback = [&](double z) { return belowTolerance(Derive(y, z, e)); };
    t.finalTest = [&](double z) {
        double q = NAN;
        const double dy = Derive(y, z, e);
        assignQuotient(dy, Derive(x, z, e), q);
        return belowTolerance(q);
    };
    return t;
}

// y''/x' and its slope y'''/x'; accepted on the curve's second derivative
// y''/x'^2.
Target inflectionTarget(const BoundForm& x, const BoundForm& y, int16_t& e) {
    Target t;
    t.value = [&](double z, double& out) {
        const double ddy = Double_Derivative(y, z, e);
        assignQuotient(ddy, Derive(x, z, e), out);
    };
    t.slope = [&](double z, double& out) {
        const double dddy = Triple_Derivative(y, z, e);
        assignQuotient(dddy, Derive(x, z, e), out);
    };
    t.fallback = [&](double z) { return belowTolerance(Double_Derivative(y, z, e)); };
    t.finalTest = [&](double z) {
        double q = NAN;
        const double ddy = Double_Derivative(y, z, e);
        const double dx = Derive(x, z, e);
        const double dx2 = dx * dx;
        if (std::isfinite(dx2)) assignQuotient(ddy, dx2, q);
        return belowTolerance(q);
    };
    return t;
}

struct Outcome {
    bool found = false;
    double z = 0.0;
};

// Newton's method from r for exactly `limit` steps, unless the slope is
// exactly 0 first. Convergence is not checked on the way: only the test at
// the end decides.
Outcome iterate(const Target& target, double r, int16_t limit) {
    double z = r;
    double t = 0.0;
    double d = 0.0;
    int16_t i = 0;
    for (;;) {
        target.value(z, t);
        target.slope(z, d);
        if (d == 0.0) return {target.fallback(z), z};
        const double next = z - t / d;
        if (std::isfinite(next)) z = next;
        ++i;
        if (i == limit) return {target.finalTest(z), z};
    }
}

// Root, extremum and inflection point: one target on calc_x and calc_y.
SearchResult searchCurve(Evaluator& evaluator, const SearchInput& input, SearchKind kind) {
    SearchResult res;
    res.eval_error = 0;  // only this search's failures count
    if (input.xText.empty() || input.yText.empty()) return res;
    res.ran = true;
    res.calc_x = heal_2(input.xText);
    res.calc_y = heal_2(input.yText);
    const BoundForm x = evaluator.bind(res.calc_x);
    const BoundForm y = evaluator.bind(res.calc_y);

    Target target;
    int16_t limit = kSearchSteps;
    switch (kind) {
    case SearchKind::Extremum: target = extremumTarget(x, y, res.eval_error); break;
    case SearchKind::Inflection:
        target = inflectionTarget(x, y, res.eval_error);
        limit = kInflectionSteps;
        break;
    default: target = valueTarget(y, res.eval_error); break;
    }
    const Outcome o = iterate(target, input.r, limit);
    res.found = o.found;
    res.z = o.z;
    if (o.found) {
        res.box = plainText(o.z);
    } else {
        res.messages.push_back(failureMessage(kind));
    }
    if (res.eval_error != 0) {
        res.messages.push_back(failureMessage(kind));
    } else {
        res.showPoint = true;
    }
    return res;
}

}  // namespace

SearchMessage requestMessage(SearchKind kind) {
    const char* what = "a root";
    switch (kind) {
    case SearchKind::Root: break;
    case SearchKind::Extremum: what = "an extremum"; break;
    case SearchKind::Inflection: what = "an inflection point"; break;
    case SearchKind::Intersection: what = "an intersection"; break;
    }
    return {kSearchRequestTitle,
            std::string("Please enter a reference number from which to start looking for ") + what +
                "."};
}

SearchMessage failureMessage(SearchKind kind) {
    switch (kind) {
    case SearchKind::Root:
        return {"Quorvanta  -  No Root!",
                "A root cannot be found near the desired reference number."};
    case SearchKind::Extremum:
        return {"Quorvanta  -  No Extremum!",
                "An extremum cannot be found near the desired reference number."};
    case SearchKind::Inflection:
        return {"Quorvanta  -  No Inflection Point!",
                "An inflection point cannot be found near the desired reference number."};
    case SearchKind::Intersection: break;
    }
    return {"Quorvanta  -  No Intersection!",
            "An intersection cannot be found near the desired reference number."};
}

double referenceValue(Evaluator& evaluator, std::string_view goToText) {
    const EvalResult r = evaluator.eval(heal_2(goToText));
    if (r.failed()) return 0.0;
    const NumResult n = toArithmetic(r.value);
    if (n.failed() || !std::isfinite(n.value)) return 0.0;
    return n.value;
}

std::string differenceForm(std::string_view yForm, std::string_view entryForm) {
    std::string s(yForm);
    s += "-(";
    s += entryForm;
    s += ")";
    return s;
}

SearchResult findRoot(Evaluator& evaluator, const SearchInput& input) {
    return searchCurve(evaluator, input, SearchKind::Root);
}

SearchResult findExtremum(Evaluator& evaluator, const SearchInput& input) {
    return searchCurve(evaluator, input, SearchKind::Extremum);
}

SearchResult findInflectionPoint(Evaluator& evaluator, const SearchInput& input) {
    return searchCurve(evaluator, input, SearchKind::Inflection);
}

SearchResult findIntersection(Evaluator& evaluator, const SearchInput& input) {
    SearchResult res;
    // Still set from before the redraw; each entry clears it for itself.
    res.eval_error = kTrue;
    if (input.xText.empty() || input.yText.empty() || input.entries.empty()) {
        res.messages.push_back({kNeedTwoFunctionsTitle, kNeedTwoFunctionsText});
        return res;
    }
    res.ran = true;
    res.calc_x = heal_2(input.xText);
    const std::string yForm = heal_2(input.yText);
    // An entry's failure shows nothing and leaves the flag set, so the next
    // entry is tried; the first success (without a derivative failure) ends.
    for (size_t k = 0; k < input.entries.size() && res.eval_error != 0; ++k) {
        res.eval_error = 0;
        res.calc_y = differenceForm(yForm, heal_2(input.entries[k]));
        const BoundForm f = evaluator.bind(res.calc_y);
        const Outcome o = iterate(valueTarget(f, res.eval_error), input.r, kSearchSteps);
        res.found = o.found;
        res.z = o.z;
        if (o.found) {
            res.box = plainText(o.z);
        } else {
            res.eval_error = kTrue;
            res.box.clear();
        }
    }
    if (res.eval_error != 0) {
        res.messages.push_back(failureMessage(SearchKind::Intersection));
    } else {
        res.showPoint = true;
    }
    return res;
}

}  // namespace qv
