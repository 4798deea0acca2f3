#include "data/fits.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "data/double_double.h"
#include "data/least_squares.h"
#include "document/function_list.h"
#include "expression/evaluator.h"
#include "expression/number_text.h"
#include "expression/user_text.h"

namespace qv {

namespace {

struct FitTypeInfo {
    std::string_view name;
    int minimumPoints;
    int coefficients;
};

FitTypeInfo infoOf(FitType type) {
    switch (type) {
    case FitType::Linear: return {"linear", 2, 2};
    case FitType::Quadratic: return {"quadratic", 3, 3};
    case FitType::Exponential: return {"exponential", 2, 2};
    case FitType::Cubic: return {"cubic", 4, 4};
    case FitType::Logarithmic: return {"logarithmic", 2, 2};
    case FitType::Gaussian: break;
    }
    return {"gaussian", 2, 3};
}

// Natural logarithms of values that must all be positive.
std::optional<std::vector<double>> logarithms(std::span<const double> values) {
    std::vector<double> out;
    out.reserve(values.size());
    for (const double v : values) {
        if (!(v > 0.0)) return std::nullopt;
        out.push_back(std::log(v));
    }
    return out;
}

// R² of a function over the points, or why there is none.
struct Correlation {
    enum class Kind : unsigned char { Value, Failed, Flat };
    Kind kind = Kind::Failed;
    double r2 = 0.0;
};

// The points of a correlation, read once: each y as its number, each x as
// the number it is put into the function as, or its own text when it is no
// number.
class CorrelationPoints {
public:
    // Point k is formed by item k of each column, for every item of the x
    // column; none when a y item is missing or no number, or there is no
    // point at all.
    static std::optional<CorrelationPoints> read(const std::vector<std::string>& xs,
                                                 const std::vector<std::string>& ys);

    // R² of the function text, rewritten by heal and heal_2 and evaluated at
    // each x: Failed when an evaluation fails or a sum overflows; Flat when
    // all y are equal (SST = 0) and the function misses them, for then R²
    // has no value. A function that gives every y is a perfect fit (1), also
    // on such data.
    Correlation correlation(std::string_view function, RewriteContext& ctx, Evaluator& evaluator) const;

    // The coefficients of a fit of the points; none when an x is no number
    // or no function of the type fits them. The Gaussian starts from the
    // points with y other than 0, whose logarithm it needs.
    std::optional<FitCoefficients> fit(FitType type) const;

    // The width of the x the fit uses: the scale the Gaussian moves its
    // centre by.
    double spread(FitType type) const;

    // Works out what each x stands for in a bound form once, before the
    // many correlations of a search.
    void keepBoundValues() {
        boundX_.clear();
        boundX_.reserve(x_.size());
        for (const double x : x_) boundX_.push_back(boundValues(x));
    }

private:
    NumResult valueAt(std::size_t i, const BoundForm& bound, const std::string& form, Evaluator& evaluator) const;
    bool usedBy(FitType type, std::size_t i) const { return type != FitType::Gaussian || y_[i] != 0.0; }

    std::vector<double> x_, y_;
    // What each x stands for in a bound form, worked out once for all the
    // functions a Gaussian search correlates (empty otherwise).
    std::vector<BoundValues> boundX_;
    std::vector<const std::string*> xText_;  // null where x_ holds the number
    dd::DD sst_;
};

std::optional<CorrelationPoints> CorrelationPoints::read(const std::vector<std::string>& xs,
                                                         const std::vector<std::string>& ys) {
    if (ys.size() < xs.size() || xs.empty()) return std::nullopt;
    CorrelationPoints p;
    p.x_.reserve(xs.size());
    p.y_.reserve(xs.size());
    p.xText_.reserve(xs.size());
    dd::ExactSum total;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const std::optional<double> y = toNumber(ys[i]);
        if (!y) return std::nullopt;
        const std::optional<double> x = toNumber(xs[i]);
        p.x_.push_back(x.value_or(0.0));
        p.xText_.push_back(x ? nullptr : &xs[i]);
        p.y_.push_back(*y);
        total.add(*y);
    }
    // Equal values give exactly 0, and close values keep the digits of
    // their spread.
    p.sst_ = dd::sumOfSquaredDeviations(p.y_, total);
    return p;
}

std::optional<FitCoefficients> CorrelationPoints::fit(FitType type) const {
    std::vector<double> x, y;
    for (std::size_t i = 0; i < x_.size(); ++i) {
        if (xText_[i] != nullptr) return std::nullopt;
        if (!usedBy(type, i)) continue;
        x.push_back(x_[i]);
        y.push_back(y_[i]);
    }
    if (x.size() < static_cast<std::size_t>(minimumPoints(type))) return std::nullopt;
    return fitCoefficients(type, x, y);
}

double CorrelationPoints::spread(FitType type) const {
    double low = 0.0, high = 0.0;
    bool any = false;
    for (std::size_t i = 0; i < x_.size(); ++i) {
        if (!usedBy(type, i)) continue;
        low = any ? std::min(low, x_[i]) : x_[i];
        high = any ? std::max(high, x_[i]) : x_[i];
        any = true;
    }
    return high - low;
}

// An x that is a number is bound, which gives what substituting its number
// text gives; any other item text is substituted as it stands.
NumResult CorrelationPoints::valueAt(std::size_t i, const BoundForm& bound, const std::string& form,
                                     Evaluator& evaluator) const {
    if (xText_[i] == nullptr) return boundX_.empty() ? bound.number(x_[i]) : bound.numberAt(boundX_[i]);
    const EvalResult r = evaluator.eval(replaceAll(form, "z", "(" + *xText_[i] + ")"));
    if (r.failed()) return NumResult::fail(r.error);
    return toArithmetic(r.value);
}

Correlation CorrelationPoints::correlation(std::string_view function, RewriteContext& ctx,
                                           Evaluator& evaluator) const {
    const std::string form = heal_2(heal(function, ctx));
    const BoundForm bound = evaluator.bind(form);
    const bool flat = sst_.hi == 0.0;
    // On flat data a function that gives every y to the 15 digits the
    // program writes numbers with fits them: a fitted constant is written
    // with 15 digits, the items may hold 17.
    bool givesEveryY = true;
    dd::DD sse;
    for (std::size_t i = 0; i < y_.size(); ++i) {
        const NumResult f = valueAt(i, bound, form, evaluator);
        if (f.failed()) return {};
        const dd::DD d = dd::twoSum(y_[i], -f.value);
        sse = sse + d * d;
        if (!std::isfinite(sse.hi)) return {};
        if (flat && givesEveryY) givesEveryY = plainTextValue(f.value) == plainTextValue(y_[i]);
    }
    if (!std::isfinite(sst_.hi)) return {};
    if (flat) {
        if (sse.hi == 0.0 || givesEveryY) return {Correlation::Kind::Value, 1.0};
        return {Correlation::Kind::Flat, 0.0};
    }
    const double r = dd::rounded(dd::DD{1.0, 0.0} - sse / sst_);
    if (!std::isfinite(r)) return {};
    return {Correlation::Kind::Value, r};
}

FitOutcome failedFit(FitOutcome out) {
    out.message = DataMessage{userText("qv::Texts", kDataErrorTitle), userText("qv::Texts", kNoFitText)};
    return out;
}

}  // namespace

std::string_view fitTypeName(FitType type) { return infoOf(type).name; }

std::optional<FitType> fitTypeNamed(std::string_view name) {
    for (const FitType type : kFitTypes) {
        if (fitTypeName(type) == name) return type;
    }
    return std::nullopt;
}

int minimumPoints(FitType type) { return infoOf(type).minimumPoints; }

int coefficientCount(FitType type) { return infoOf(type).coefficients; }

std::optional<FitCoefficients> fitCoefficients(FitType type, std::span<const double> x, std::span<const double> y) {
    FitCoefficients fit{type, {}};
    std::array<double, 4>& v = fit.values;
    switch (type) {
    case FitType::Linear:
    case FitType::Quadratic:
    case FitType::Cubic: {
        const int degree = type == FitType::Linear ? 1 : type == FitType::Quadratic ? 2 : 3;
        const std::optional<PolynomialFit> p = fitPolynomial(x, y, degree);
        if (!p) return std::nullopt;
        for (int k = 0; k <= degree; ++k) v[static_cast<std::size_t>(k)] = p->power[static_cast<std::size_t>(degree - k)];
        return fit;
    }
    case FitType::Exponential: {
        const std::optional<std::vector<double>> logs = logarithms(y);
        const std::optional<PolynomialFit> p = logs ? fitPolynomial(x, *logs, 1) : std::nullopt;
        if (!p) return std::nullopt;
        v = {std::exp(p->power[0]), p->power[1], 0.0, 0.0};
        break;
    }
    case FitType::Logarithmic: {
        const std::optional<std::vector<double>> logs = logarithms(x);
        const std::optional<PolynomialFit> p = logs ? fitPolynomial(*logs, y, 1) : std::nullopt;
        if (!p) return std::nullopt;
        v = {p->power[1], p->power[0], 0.0, 0.0};
        break;
    }
    case FitType::Gaussian: {
        const std::optional<std::vector<double>> logs = logarithms(y);
        const std::optional<VertexForm> q = logs ? fitVertexForm(x, *logs) : std::nullopt;
        if (!q) return std::nullopt;
        v = {std::exp(q->height), q->c, q->shift, 0.0};
        break;
    }
    }
    for (const double c : v) {
        if (!std::isfinite(c)) return std::nullopt;
    }
    return fit;
}

std::string fitExpression(const FitCoefficients& fit) {
    const std::array<double, 4>& v = fit.values;
    std::string text;
    switch (fit.type) {
    case FitType::Linear: text = strText(v[0]) + "*(z)+(" + strText(v[1]) + ")"; break;
    case FitType::Quadratic:
        text = strText(v[0]) + "*(z)^2+(" + strText(v[1]) + ")*(z)+(" + strText(v[2]) + ")";
        break;
    case FitType::Exponential: text = strText(v[0]) + "*e^(" + strText(v[1]) + "*(z))"; break;
    case FitType::Cubic:
        text = strText(v[0]) + "*(z)^3+(" + strText(v[1]) + ")*(z)^2+(" + strText(v[2]) + ")*(z)+(" +
               strText(v[3]) + ")";
        break;
    case FitType::Logarithmic: text = strText(v[0]) + "*ln(z)+(" + strText(v[1]) + ")"; break;
    case FitType::Gaussian: text = strText(v[0]) + "*e^(" + strText(v[1]) + "*(" + strText(v[2]) + "+z)^2)"; break;
    }
    return removeBlanks(text);
}

namespace {

// The Gaussian search: a compass search over A, c and B. Each sweep makes
// six directional searches in a fixed order (B down, B up, c up, c down,
// A up, A down); a direction keeps moving while R² improves. A sweep that
// improves nothing quarters the steps, until they are too small to matter.
class GaussianSearcher {
public:
    GaussianSearcher(const FitCoefficients& start, double centreStep, const GaussianScore& score,
                     const FitProgress& progress)
        : s_{GaussianSearch::End::Done, start, 0}, score_(score), progress_(progress),
          centreStep_(usableStep(centreStep, start.values[2])) {}

    GaussianSearch run();

private:
    enum class Moved : unsigned char { Improved, NotImproved, Ended };

    // A step for the centre: a share of the x spread, or of the centre
    // itself when the spread says nothing.
    static double usableStep(double step, double centre) {
        if (std::isfinite(step) && step > 0.0) return step;
        return centre != 0.0 ? std::fabs(centre) / 100 : 0.01;
    }
    std::optional<double> tryCurrent();
    Moved direction(std::size_t index, double sign);
    double moved(std::size_t index, double sign) const {
        const double p = s_.fit.values[index];
        // A and c move by a share of their own value, which keeps its sign;
        // the centre moves by a share of the data's width.
        return index == 2 ? p + sign * centreStep_ * scale_ : p + sign * (p * kFirstShare * scale_);
    }

    static constexpr double kFirstShare = 0.01;  // 1% of A and c a step (B: the centre step)
    static constexpr double kShrink = 0.25;      // after a sweep that improves nothing
    static constexpr double kLastScale = 1e-8;   // steps of 1E-10 of a value end the search

    GaussianSearch s_;
    const GaussianScore& score_;
    const FitProgress& progress_;
    double centreStep_;
    double scale_ = 1.0;
    double best_ = 0.0;
};

std::optional<double> GaussianSearcher::tryCurrent() {
    const std::string expression = fitExpression(s_.fit);
    if (progress_.trial) progress_.trial(expression);
    FitCoefficients shown = s_.fit;
    for (double& v : shown.values) v = plainTextValue(v);
    return score_(expression, shown);
}

GaussianSearcher::Moved GaussianSearcher::direction(std::size_t index, double sign) {
    bool improved = false;
    double& p = s_.fit.values[index];
    for (int n = 0; n < kGaussianTrialsPerDirection && s_.trials < kGaussianTrials; ++n) {
        const double before = p;
        const double next = moved(index, sign);
        // The expression holds the parameter's number text: a move that
        // text does not show, or cannot show, ends the direction.
        const double shown = plainTextValue(next);
        if (!std::isfinite(shown) || shown == plainTextValue(before)) break;
        p = next;
        ++s_.trials;
        const std::optional<double> r = tryCurrent();
        if (!r) {
            s_.end = GaussianSearch::End::Failed;
            return Moved::Ended;
        }
        if (progress_.stop && progress_.stop()) {
            s_.end = GaussianSearch::End::Halted;
            return Moved::Ended;
        }
        if (*r > best_) {
            best_ = *r;
            improved = true;
            continue;
        }
        // A worse trial is undone, and the mark stays the R² of the point
        // the search is back at.
        if (*r < best_) p = before;
        break;
    }
    return improved ? Moved::Improved : Moved::NotImproved;
}

GaussianSearch GaussianSearcher::run() {
    const std::optional<double> first = tryCurrent();
    if (!first) return {GaussianSearch::End::Failed, s_.fit, 0};
    best_ = *first;
    // Parameter (0 = A, 1 = c, 2 = B) and the sign of its moves.
    constexpr std::pair<std::size_t, double> kDirections[] = {{2, -1.0}, {2, 1.0}, {1, 1.0},
                                                              {1, -1.0}, {0, 1.0}, {0, -1.0}};
    while (scale_ >= kLastScale && s_.trials < kGaussianTrials) {
        bool improved = false;
        for (const auto& [index, sign] : kDirections) {
            const Moved m = direction(index, sign);
            if (m == Moved::Ended) return s_;
            improved = improved || m == Moved::Improved;
        }
        if (!improved) scale_ *= kShrink;
    }
    return s_;
}

}  // namespace

GaussianSearch searchGaussian(const FitCoefficients& start, double centreStep, const GaussianScore& score,
                              const FitProgress& progress) {
    return GaussianSearcher(start, centreStep, score, progress).run();
}

FitOutcome createFit(FitType type, const DataColumns& columns, std::string_view currentEntry, RewriteContext& ctx,
                     Evaluator& evaluator, const FitProgress& progress) {
    const std::vector<std::string>& xs = columns.column(kXData);
    const std::vector<std::string>& ys = columns.selectedColumn();
    FitOutcome out;
    std::string entry(currentEntry);
    const bool fitting = xs.size() == ys.size() && xs.size() >= static_cast<std::size_t>(minimumPoints(type));
    // The items are read once, for the fit and its correlation. The search
    // and the correlation shown measure the function on every point, as
    // "Test Correlation" does, so the two always agree.
    std::optional<CorrelationPoints> points = CorrelationPoints::read(xs, ys);
    const auto correlate = [&](std::string_view function) {
        return points ? points->correlation(function, ctx, evaluator) : Correlation{};
    };
    if (fitting) {
        std::optional<FitCoefficients> fit = points ? points->fit(type) : std::nullopt;
        if (!fit) return failedFit(std::move(out));
        if (type == FitType::Gaussian) {
            if (progress.trial) progress.trial(kPleaseWaitText);
            points->keepBoundValues();
            const GaussianScore score = [&](const std::string& e, const FitCoefficients&) -> std::optional<double> {
                const Correlation r = correlate(e);
                if (r.kind != Correlation::Kind::Value) return std::nullopt;
                return r.r2;
            };
            const GaussianSearch search = searchGaussian(*fit, points->spread(type) / 100, score, progress);
            if (search.end == GaussianSearch::End::Failed) return failedFit(std::move(out));
            if (search.end == GaussianSearch::End::Halted) {
                out.entryText = std::string(kDataFitHaltedText);
                out.halted = true;
                return out;
            }
            fit = search.fit;
        }
        entry = fitExpression(*fit);
        out.entryText = entry;
    }
    const Correlation r = correlate(entry);
    if (r.kind == Correlation::Kind::Flat) {
        out.message = DataMessage{userText("qv::Texts", kDataErrorTitle), userText("qv::Texts", kFlatDataText)};
        return out;
    }
    if (r.kind == Correlation::Kind::Failed) return failedFit(std::move(out));
    out.label = kCorrelationPrefix + strText(r.r2);
    out.clearSelection = true;
    out.focusEntry = true;
    return out;
}

CorrelationOutcome testCorrelation(std::string_view entry, const DataColumns& columns, RewriteContext& ctx,
                                   Evaluator& evaluator) {
    const std::vector<std::string>& xs = columns.column(kXData);
    const std::vector<std::string>& ys = columns.selectedColumn();
    CorrelationOutcome out;
    out.entryText = removeBlanks(entry);
    if (out.entryText.empty() || xs.size() != ys.size() || xs.size() < 2) {
        out.message =
            DataMessage{userText("qv::Texts", kDataErrorTitle), userText("qv::Texts", kCorrelationRefusedText)};
        return out;
    }
    std::optional<CorrelationPoints> points = CorrelationPoints::read(xs, ys);
    const Correlation r = points ? points->correlation(out.entryText, ctx, evaluator) : Correlation{};
    if (r.kind == Correlation::Kind::Flat) {
        out.message = DataMessage{userText("qv::Texts", kDataErrorTitle), userText("qv::Texts", kFlatDataText)};
        return out;
    }
    if (r.kind == Correlation::Kind::Failed) {
        out.message =
            DataMessage{userText("qv::Texts", kCorrelationErrorTitle), userText("qv::Texts", kCorrelationErrorText)};
        return out;
    }
    out.label = kCorrelationPrefix + strText(r.r2);
    out.clearSelection = true;
    out.focusEntry = true;
    return out;
}

}  // namespace qv
