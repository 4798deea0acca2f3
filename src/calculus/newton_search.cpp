#include "calculus/newton_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "expression/derivatives.h"
#include "expression/number_text.h"
#include "expression/rewrite.h"
#include "expression/user_text.h"
#include "expression/value.h"

namespace qv {

namespace {

constexpr int16_t kTrue = -1;

// The step of the difference formulas (the derivatives use the same
// literal): what they can resolve around a point is what a search can claim.
constexpr double kStep = 0.000456;
// Settled: each of the last kSettledSteps steps moved z by at most
// kSettledMove relative to |z| (to 1 near 0).
constexpr int kSettledSteps = 3;
constexpr double kSettledMove = 1e-9;
// A point is judged by the target at z -+ k steps, k = 1 to kSignSteps
// (as far as the difference formula itself reaches), and at z -+ a nudge
// of kNudge relative to |z| (to 1 near 0), a few units of the last of the
// 15 digits a bound z keeps. Near a zero, the nudged values differ from
// the value at z by at most kSteadyShare of the target's size a step away;
// where the steps only settled, the value at z is also at most kZeroShare
// of its size at the nearer step.
constexpr int kSignSteps = 2;
constexpr double kNudge = 1e-13;
constexpr double kSteadyShare = 1e-3;
constexpr double kZeroShare = 0.1;

// One search target. Every computation that would raise (an evaluation
// that fails, a division by zero, an overflow) leaves the value it was
// meant to set unchanged, which is how the search carries on past a bad
// point; a failed derivative also raises the search's failure flag.
// `fallback` and `finalTest` count a failure as "no". `probe` gives T(z) on
// its own, or nothing when any part of it fails, and never touches the flag.
struct Target {
    std::function<void(double z, double& t)> value;
    std::function<void(double z, double& d)> slope;
    std::function<bool(double z)> fallback;
    std::function<bool(double z)> finalTest;
    std::function<std::optional<double>(double z)> probe;
    // The target is a derivative, made by the difference formulas. A plain
    // value of exactly 0 all around z is a flat stretch of zeros; a
    // derivative of exactly 0 all around is rounding that cancelled out.
    bool differenced = false;
};

// Assigns a / b to out only when the quotient exists and is finite.
void assignQuotient(double a, double b, double& out) {
    if (b == 0.0) return;
    const double q = a / b;
    if (std::isfinite(q)) out = q;
}

// a / b for a probe: nothing when a derivative failed (flag set) or the
// quotient does not exist.
std::optional<double> probeQuotient(double a, double b, int16_t flag) {
    double q = NAN;
    if (flag == 0) assignQuotient(a, b, q);
    if (std::isnan(q)) return std::nullopt;
    return q;
}

bool belowTolerance(double v) { return std::fabs(v) < kSearchTolerance; }

std::optional<double> numberAt(const BoundForm& f, double z) {
    const NumResult n = f.number(z);
    if (n.failed() || !std::isfinite(n.value)) return std::nullopt;
    return n.value;
}

bool evaluatesBelowTolerance(const BoundForm& f, double z) {
    const std::optional<double> v = numberAt(f, z);
    return v && belowTolerance(*v);
}

// F(z) and its first derivative: the root and the intersection.
Target valueTarget(const BoundForm& f, int16_t& eval_error) {
    Target t;
    t.value = [&f](double z, double& out) {
        if (const std::optional<double> v = numberAt(f, z)) out = *v;
    };
    t.slope = [&f, &eval_error](double z, double& out) { out = Derive(f, z, eval_error); };
    t.fallback = [&f](double z) { return evaluatesBelowTolerance(f, z); };
    t.finalTest = t.fallback;
    t.probe = [&f](double z) { return numberAt(f, z); };
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
    t.probe = [&](double z) {
        int16_t flag = 0;
        const double dy = Derive(y, z, flag);
        return probeQuotient(dy, Derive(x, z, flag), flag);
    };
    t.differenced = true;
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
    t.probe = [&](double z) {
        int16_t flag = 0;
        const double ddy = Double_Derivative(y, z, flag);
        return probeQuotient(ddy, Derive(x, z, flag), flag);
    };
    t.differenced = true;
    return t;
}

// How far the last few Newton steps moved z, newest last.
class RecentMoves {
public:
    void push(double move) {
        std::shift_left(moves_.begin(), moves_.end(), 1);
        moves_.back() = move;
        if (count_ < kSettledSteps) ++count_;
    }
    // 0 before the first step.
    double last() const { return moves_.back(); }
    bool settled(double z) const {
        const double bound = kSettledMove * std::max(1.0, std::fabs(z));
        return count_ == kSettledSteps &&
               std::all_of(moves_.begin(), moves_.end(), [bound](double m) { return m <= bound; });
    }

private:
    std::array<double, kSettledSteps> moves_{};
    int count_ = 0;
};

// Whether the derivatives see distinct points around z: far from 0 the
// 15-digit texts of z and z -+ h, z -+ 2h run together, every difference
// there is 0 and no test at such a point means anything.
bool resolved(double z) {
    double previous = -INFINITY;
    for (const double p : {z - 2 * kStep, z - kStep, z, z + kStep, z + 2 * kStep}) {
        const double v = plainTextValue(p);
        if (!(v > previous)) return false;
        previous = v;
    }
    return true;
}

// The target at z, nudged either side of z, and at z -+ k steps of the
// difference formula; nothing when any of them fails to evaluate.
struct Neighbourhood {
    std::array<double, 3> near{};  // z - nudge, z, z + nudge
    std::array<double, kSignSteps> below{};
    std::array<double, kSignSteps> above{};
};

std::optional<Neighbourhood> probeAround(const Target& target, double z) {
    Neighbourhood n;
    const double nudge = kNudge * std::max(1.0, std::fabs(z));
    const std::array<double, 3> nearPoints = {z - nudge, z, z + nudge};
    for (size_t i = 0; i < nearPoints.size(); ++i) {
        const std::optional<double> v = target.probe(nearPoints[i]);
        if (!v) return std::nullopt;
        n.near[i] = *v;
    }
    for (int k = 1; k <= kSignSteps; ++k) {
        const std::optional<double> below = target.probe(z - k * kStep);
        const std::optional<double> above = target.probe(z + k * kStep);
        if (!below || !above) return std::nullopt;
        n.below[k - 1] = *below;
        n.above[k - 1] = *above;
    }
    return n;
}

// The target is steady at z: moving z by rounding amounts changes it by
// no more than a smooth target gains over such a nudge (ten times over,
// and never more than kSteadyShare of its size a step away). Far out, where
// the nested differences are nothing but rounding noise, a target that
// happens to come out tiny at z is as large as anywhere else a nudge away.
bool steadyAt(const Neighbourhood& n, double z, bool differenced) {
    const double step = std::max(std::fabs(n.below[0]), std::fabs(n.above[0]));
    if (differenced && step == 0.0) return false;
    const double nudge = kNudge * std::max(1.0, std::fabs(z));
    const double bound = step * std::max(kSteadyShare, 10.0 * nudge / kStep);
    return std::fabs(n.near[0] - n.near[1]) <= bound && std::fabs(n.near[2] - n.near[1]) <= bound;
}

// The target crosses zero at z as a smooth function does: steady and small
// at z, opposite signs on the two sides, the same on each side at every
// step and growing away from z (at a pole the sizes shrink instead).
bool crossesZeroAt(const Neighbourhood& n, double z, bool differenced) {
    const bool rising = n.above[0] > 0.0;
    for (int k = 0; k < kSignSteps; ++k) {
        if (n.below[k] == 0.0 || n.above[k] == 0.0) return false;
        if ((n.above[k] > 0.0) != rising || (n.below[k] > 0.0) == rising) return false;
        if (k > 0 && !(std::fabs(n.below[k]) > std::fabs(n.below[k - 1]) &&
                       std::fabs(n.above[k]) > std::fabs(n.above[k - 1]))) {
            return false;
        }
    }
    const double nearest = std::min(std::fabs(n.below[0]), std::fabs(n.above[0]));
    return steadyAt(n, z, differenced) && std::fabs(n.near[1]) <= kZeroShare * nearest;
}

// Whether the point the loop stopped at may be reported. A point the steps
// are still running away from (exp(-z) drifting on towards infinity, 1/z
// doubling until its derivative vanishes) is no zero of the target, however
// small the target has become there. A slope of exactly 0 keeps its plain
// test: a flat target (a constant) is judged at r itself.
bool acceptable(const Target& target, double z, const RecentMoves& moves, bool atStepLimit) {
    if (!resolved(z) || !(moves.last() < kStep)) return false;
    if (!atStepLimit) return target.fallback(z);
    const bool small = target.finalTest(z);
    if (!small && !moves.settled(z)) return false;
    const std::optional<Neighbourhood> around = probeAround(target, z);
    if (!around) return false;
    return small ? steadyAt(*around, z, target.differenced) : crossesZeroAt(*around, z, target.differenced);
}

struct Outcome {
    bool found = false;
    double z = 0.0;
};

// Newton's method from r for exactly `limit` steps, unless the slope is
// exactly 0 first. Convergence is not checked on the way: only the tests at
// the end decide.
Outcome iterate(const Target& target, double r, int16_t limit) {
    double z = r;
    double t = 0.0;
    double d = 0.0;
    RecentMoves moves;
    int16_t i = 0;
    for (;;) {
        target.value(z, t);
        target.slope(z, d);
        if (d == 0.0) return {acceptable(target, z, moves, false), z};
        const double before = z;
        const double next = z - t / d;
        if (std::isfinite(next)) z = next;
        moves.push(std::fabs(z - before));
        ++i;
        if (i == limit) return {acceptable(target, z, moves, true), z};
    }
}

// A found point must be on the curve: x(z) and y(z) both have a value.
bool pointOnCurve(const BoundForm& x, const BoundForm& y, double z, SearchResult& res) {
    const std::optional<double> xv = numberAt(x, z);
    const std::optional<double> yv = numberAt(y, z);
    if (!xv || !yv) return false;
    res.x = *xv;
    res.y = *yv;
    return true;
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
    res.z = o.z;
    // A failed evaluation anywhere in the search refuses the point, even
    // one whose test held: a failed derivative reads as 0 and would pass.
    res.found = o.found && res.eval_error == 0 && pointOnCurve(x, y, o.z, res);
    if (res.found) {
        res.box = plainText(o.z);
    } else {
        res.messages.push_back(failureMessage(kind));
    }
    res.showPoint = res.eval_error == 0;
    return res;
}

}  // namespace

SearchMessage requestMessage(SearchKind kind) {
    std::string text;
    switch (kind) {
    case SearchKind::Root:
        text = userText("qv::Texts", "Please enter a reference number from which to start looking for a root.");
        break;
    case SearchKind::Extremum:
        text = userText("qv::Texts", "Please enter a reference number from which to start looking for an extremum.");
        break;
    case SearchKind::Inflection:
        text = userText("qv::Texts",
                        "Please enter a reference number from which to start looking for an inflection point.");
        break;
    case SearchKind::Intersection:
        text =
            userText("qv::Texts", "Please enter a reference number from which to start looking for an intersection.");
        break;
    }
    return {userText("qv::Texts", kSearchRequestTitle), text};
}

SearchMessage failureMessage(SearchKind kind) {
    switch (kind) {
    case SearchKind::Root:
        return {userText("qv::Texts", "Quorvanta  -  No Root!"),
                userText("qv::Texts", "A root cannot be found near the desired reference number.")};
    case SearchKind::Extremum:
        return {userText("qv::Texts", "Quorvanta  -  No Extremum!"),
                userText("qv::Texts", "An extremum cannot be found near the desired reference number.")};
    case SearchKind::Inflection:
        return {userText("qv::Texts", "Quorvanta  -  No Inflection Point!"),
                userText("qv::Texts", "An inflection point cannot be found near the desired reference number.")};
    case SearchKind::Intersection: break;
    }
    return {userText("qv::Texts", "Quorvanta  -  No Intersection!"),
            userText("qv::Texts", "An intersection cannot be found near the desired reference number.")};
}

std::optional<double> referenceValue(Evaluator& evaluator, std::string_view goToText) {
    const EvalResult r = evaluator.eval(heal_2(goToText));
    if (r.failed()) return std::nullopt;
    const NumResult n = toArithmetic(r.value);
    if (n.failed() || !std::isfinite(n.value)) return std::nullopt;
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
        res.messages.push_back({kNeedTwoFunctionsTitle, userText("qv::Texts", kNeedTwoFunctionsText)});
        return res;
    }
    res.ran = true;
    res.calc_x = heal_2(input.xText);
    const std::string yForm = heal_2(input.yText);
    const BoundForm x = evaluator.bind(res.calc_x);
    const BoundForm y = evaluator.bind(yForm);
    // An entry's failure shows nothing and leaves the flag set, so the next
    // entry is tried; the first entry whose point is accepted without a
    // failed evaluation ends the search.
    for (const std::string& entry : input.entries) {
        res.eval_error = 0;
        res.calc_y = differenceForm(yForm, heal_2(entry));
        const BoundForm f = evaluator.bind(res.calc_y);
        const Outcome o = iterate(valueTarget(f, res.eval_error), input.r, kSearchSteps);
        res.z = o.z;
        if (o.found && res.eval_error == 0 && pointOnCurve(x, y, o.z, res)) {
            res.found = true;
            res.box = plainText(o.z);
            break;
        }
        res.eval_error = kTrue;
        res.box.clear();
    }
    if (res.found) {
        res.showPoint = true;
    } else {
        res.messages.push_back(failureMessage(SearchKind::Intersection));
    }
    return res;
}

SearchResult runSearch(Evaluator& evaluator, SearchKind kind, const SearchInput& input) {
    switch (kind) {
    case SearchKind::Root: return findRoot(evaluator, input);
    case SearchKind::Extremum: return findExtremum(evaluator, input);
    case SearchKind::Inflection: return findInflectionPoint(evaluator, input);
    case SearchKind::Intersection: break;
    }
    return findIntersection(evaluator, input);
}

}  // namespace qv
