#include "expression/derivatives.h"

#include <cmath>

namespace qv {

namespace {

// The step and its multiples are kept as the literals the formula has
// always used, so results match to the last digit.
constexpr double kTwoSteps = 0.000912;
constexpr double kStep = 0.000456;
constexpr double kDivisor = 0.005472;

// One application of the difference formula to f. Returns false when the
// combination itself overflows.
template <typename F>
bool difference(double z, F f, double& out) {
    double v[4];
    const double points[4] = {z - kTwoSteps, z - kStep, z + kStep, z + kTwoSteps};
    for (int i = 0; i < 4; ++i) {
        if (!f(points[i], v[i])) return false;
    }
    const double r = (v[0] - 8 * v[1] + 8 * v[2] - v[3]) / kDivisor;
    if (!std::isfinite(r)) return false;
    out = r;
    return true;
}

double fail(int16_t& eval_error) {
    eval_error = -1;
    return 0.0;
}

}  // namespace

double Derive(const BoundForm& form, double z, int16_t& eval_error) {
    double r = 0.0;
    const bool ok = difference(z, [&](double p, double& out) {
        const NumResult v = form.number(p);
        out = v.value;
        return !v.failed();
    }, r);
    return ok ? r : fail(eval_error);
}

DerivativePoints derivativePoints(double z) {
    return {{boundValues(z - kTwoSteps), boundValues(z - kStep), boundValues(z + kStep), boundValues(z + kTwoSteps)}};
}

double Derive(const BoundForm& form, const DerivativePoints& points, int16_t& eval_error) {
    double v[4];
    for (int i = 0; i < 4; ++i) {
        const NumResult n = form.numberAt(points.at[i]);
        if (n.failed()) return fail(eval_error);
        v[i] = n.value;
    }
    const double r = (v[0] - 8 * v[1] + 8 * v[2] - v[3]) / kDivisor;
    return std::isfinite(r) ? r : fail(eval_error);
}

double Double_Derivative(const BoundForm& form, double z, int16_t& eval_error) {
    double r = 0.0;
    // An inner failure contributes 0 (and leaves the flag set); the outer
    // formula still completes.
    const bool ok = difference(z, [&](double p, double& out) {
        out = Derive(form, p, eval_error);
        return true;
    }, r);
    return ok ? r : fail(eval_error);
}

double Triple_Derivative(const BoundForm& form, double z, int16_t& eval_error) {
    double r = 0.0;
    const bool ok = difference(z, [&](double p, double& out) {
        out = Double_Derivative(form, p, eval_error);
        return true;
    }, r);
    return ok ? r : fail(eval_error);
}

double Derive(Evaluator& evaluator, std::string_view form, double z, int16_t& eval_error) {
    return Derive(evaluator.bind(form), z, eval_error);
}

double Double_Derivative(Evaluator& evaluator, std::string_view form, double z, int16_t& eval_error) {
    return Double_Derivative(evaluator.bind(form), z, eval_error);
}

double Triple_Derivative(Evaluator& evaluator, std::string_view form, double z, int16_t& eval_error) {
    return Triple_Derivative(evaluator.bind(form), z, eval_error);
}

}  // namespace qv
