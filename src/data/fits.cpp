#include "data/fits.h"

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "data/double_double.h"
#include "data/least_squares.h"
#include "document/function_list.h"
#include "expression/evaluator.h"
#include "expression/number_text.h"

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

using dd::CompensatedSum;

// The points of a correlation, read once: each y as its number, each x as
// the number it is put into the function as, or its own text when it is no
// number.
class CorrelationPoints {
public:
    // Point k is formed by item k of each column, for every item of the x
    // column; none when a y item is missing or no number, or there is no
    // point at all. `skipZeroY` leaves out the points with y = 0.
    static std::optional<CorrelationPoints> read(const std::vector<std::string>& xs,
                                                 const std::vector<std::string>& ys, bool skipZeroY);

    // R² of the function text: rewritten by heal and heal_2, then evaluated
    // at each x. None when an evaluation fails, a sum overflows or all y
    // are equal (SST = 0).
    std::optional<double> rSquared(std::string_view function, RewriteContext& ctx, Evaluator& evaluator) const;

    // The coefficients of a fit of the points; none when an x is no number
    // or no function of the type fits them.
    std::optional<FitCoefficients> fit(FitType type) const;

private:
    NumResult valueAt(std::size_t i, const BoundForm& bound, const std::string& form, Evaluator& evaluator) const;

    std::vector<double> x_, y_;
    std::vector<const std::string*> xText_;  // null where x_ holds the number
    double sst_ = 0.0;
};

std::optional<CorrelationPoints> CorrelationPoints::read(const std::vector<std::string>& xs,
                                                         const std::vector<std::string>& ys, bool skipZeroY) {
    if (ys.size() < xs.size()) return std::nullopt;
    CorrelationPoints p;
    p.x_.reserve(xs.size());
    p.y_.reserve(xs.size());
    p.xText_.reserve(xs.size());
    dd::DD total;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const std::optional<double> y = toNumber(ys[i]);
        if (!y) return std::nullopt;
        if (skipZeroY && *y == 0.0) continue;
        const std::optional<double> x = toNumber(xs[i]);
        p.x_.push_back(x.value_or(0.0));
        p.xText_.push_back(x ? nullptr : &xs[i]);
        p.y_.push_back(*y);
        total = total + dd::DD{*y, 0.0};
    }
    if (p.y_.empty()) return std::nullopt;
    // The mean to the nearest double: equal values give exactly their value,
    // so SST is exactly 0 for them.
    const double mean = dd::rounded(total / dd::DD{static_cast<double>(p.y_.size()), 0.0});
    CompensatedSum sst;
    for (const double y : p.y_) sst.add((y - mean) * (y - mean));
    p.sst_ = sst.value();
    return p;
}

std::optional<FitCoefficients> CorrelationPoints::fit(FitType type) const {
    for (const std::string* text : xText_) {
        if (text != nullptr) return std::nullopt;
    }
    return fitCoefficients(type, x_, y_);
}

// An x that is a number is bound, which gives what substituting its number
// text gives; any other item text is substituted as it stands.
NumResult CorrelationPoints::valueAt(std::size_t i, const BoundForm& bound, const std::string& form,
                                     Evaluator& evaluator) const {
    if (xText_[i] == nullptr) return bound.number(x_[i]);
    const EvalResult r = evaluator.eval(replaceAll(form, "z", "(" + *xText_[i] + ")"));
    if (r.failed()) return NumResult::fail(r.error);
    return toArithmetic(r.value);
}

std::optional<double> CorrelationPoints::rSquared(std::string_view function, RewriteContext& ctx,
                                                  Evaluator& evaluator) const {
    const std::string form = heal_2(heal(function, ctx));
    const BoundForm bound = evaluator.bind(form);
    CompensatedSum sse;
    for (std::size_t i = 0; i < y_.size(); ++i) {
        const NumResult f = valueAt(i, bound, form, evaluator);
        if (f.failed()) return std::nullopt;
        const double d = y_[i] - f.value;
        sse.add(d * d);
    }
    const double r = 1.0 - sse.value() / sst_;
    if (!std::isfinite(sse.value()) || !std::isfinite(sst_) || sst_ == 0.0 || !std::isfinite(r)) return std::nullopt;
    return r;
}

FitOutcome failedFit(FitOutcome out) {
    out.message = DataMessage{kDataErrorTitle, kNoFitText};
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

GaussianSearch searchGaussian(const FitCoefficients& start, const GaussianScore& score, const FitProgress& progress) {
    GaussianSearch s{GaussianSearch::End::Done, start, 0};
    const auto tryCurrent = [&] {
        const std::string expression = fitExpression(s.fit);
        if (progress.trial) progress.trial(expression);
        FitCoefficients shown = s.fit;
        for (double& v : shown.values) v = plainTextValue(v);
        return score(expression, shown);
    };
    const std::optional<double> first = tryCurrent();
    if (!first) return {GaussianSearch::End::Failed, s.fit, 0};
    double best = *first;
    // Parameter (0 = A, 1 = c, 2 = B) and the sign of its moves.
    constexpr std::pair<std::size_t, double> kDirections[] = {{2, -1.0}, {2, 1.0}, {1, 1.0},
                                                              {1, -1.0}, {0, 1.0}, {0, -1.0}};
    for (int round = 0; round < 5; ++round) {
        for (const auto& [index, sign] : kDirections) {
            double& p = s.fit.values[index];
            for (int n = 0; n < kGaussianTrialsPerDirection && s.trials < kGaussianTrials; ++n) {
                const double before = p;
                const double moved = p + sign * (p / 100);
                // The expression holds the parameter's number text: a move
                // that text does not show, or cannot show, ends the direction.
                const double shown = plainTextValue(moved);
                if (!std::isfinite(shown) || shown == plainTextValue(before)) break;
                p = moved;
                ++s.trials;
                const std::optional<double> r = tryCurrent();
                if (!r) {
                    s.end = GaussianSearch::End::Failed;
                    return s;
                }
                if (progress.stop && progress.stop()) {
                    s.end = GaussianSearch::End::Halted;
                    return s;
                }
                if (*r > best) {
                    best = *r;
                    continue;
                }
                // A worse trial is undone, and the mark stays the R² of the
                // point the search is back at.
                if (*r < best) p = before;
                break;
            }
        }
    }
    return s;
}

FitOutcome createFit(FitType type, const DataColumns& columns, std::string_view currentEntry, RewriteContext& ctx,
                     Evaluator& evaluator, const FitProgress& progress) {
    const std::vector<std::string>& xs = columns.column(kXData);
    const std::vector<std::string>& ys = columns.selectedColumn();
    FitOutcome out;
    std::string entry(currentEntry);
    const bool fitting = xs.size() == ys.size() && xs.size() >= static_cast<std::size_t>(minimumPoints(type));
    const bool gaussian = fitting && type == FitType::Gaussian;
    // The items are read once, for the fit and its correlation. The
    // Gaussian leaves the points with y = 0 out of its search and its
    // correlation alike.
    const std::optional<CorrelationPoints> points = CorrelationPoints::read(xs, ys, gaussian);
    if (fitting) {
        std::optional<FitCoefficients> fit = points ? points->fit(type) : std::nullopt;
        if (!fit) return failedFit(std::move(out));
        if (gaussian) {
            if (progress.trial) progress.trial(kPleaseWaitText);
            const GaussianSearch search = searchGaussian(
                *fit, [&](const std::string& e, const FitCoefficients&) { return points->rSquared(e, ctx, evaluator); },
                progress);
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
    const std::optional<double> r = points ? points->rSquared(entry, ctx, evaluator) : std::nullopt;
    if (!r) return failedFit(std::move(out));
    out.label = kCorrelationPrefix + strText(*r);
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
        out.message = DataMessage{kDataErrorTitle, kCorrelationRefusedText};
        return out;
    }
    const std::optional<CorrelationPoints> points = CorrelationPoints::read(xs, ys, false);
    const std::optional<double> r = points ? points->rSquared(out.entryText, ctx, evaluator) : std::nullopt;
    if (!r) {
        out.message = DataMessage{kCorrelationErrorTitle, kCorrelationErrorText};
        return out;
    }
    out.label = kCorrelationPrefix + strText(*r);
    out.clearSelection = true;
    out.focusEntry = true;
    return out;
}

}  // namespace qv
