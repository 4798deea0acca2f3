#include "plot/point_evaluation.h"

#include <cmath>

#include "expression/number_text.h"
#include "expression/routines.h"
#include "plot/curves.h"

namespace qv {

namespace {

// A coordinate for the marker: the logarithm, or the reciprocal (which
// replaces the logarithm when both are checked). A failing one keeps its value.
double markerCoordinate(double c, bool log, bool invert) {
    double r = c;
    if (log && c > 0) r = std::log10(c);
    if (invert && c != 0) r = 1 / c;
    return r;
}

double numberOr0(const Value& v) {
    const NumResult n = toArithmetic(v);
    return n.failed() ? 0.0 : n.value;
}

}  // namespace

PointResult evaluatePoint(Evaluator& evaluator, const PointRequest& request, const Canvas& canvas) {
    PointResult r;
    std::string zText = request.goToZ;
    if (request.animationRunning) zText = withAnimationValue(zText, request.a_current);
    const Value zValue = z(evaluator, heal_2(zText));
    if (!zValue.isNumber()) return r;
    r.zNumeric = true;
    r.z = zValue.num;
    // Bound evaluation: the same as evaluating the forms with z written in.
    EvalResult xr = evaluator.evalBound(request.x_expr, r.z);
    EvalResult yr = evaluator.evalBound(request.y_expr, r.z);
    r.x = xr.failed() ? Value::empty() : std::move(xr.value);
    r.y = yr.failed() ? Value::empty() : std::move(yr.value);
    r.xFailed = xr.failed() || toArithmetic(r.x).failed();
    r.yFailed = yr.failed() || toArithmetic(r.y).failed();
    r.marked = !r.xFailed && !r.yFailed;
    const double x = numberOr0(r.x);
    const double y = numberOr0(r.y);
    double px = x, py = y;
    if (request.axes.polar) {
        px = std::cos(x) * y;
        py = std::sin(x) * y;
    } else {
        px = markerCoordinate(x, request.axes.log_x, request.axes.invert_x);
        py = markerCoordinate(y, request.axes.log_y, request.axes.invert_y);
    }
    r.u = px;
    r.v = py;
    r.pictureX = mapX(request.range, canvas, px);
    r.pictureY = mapY(request.range, canvas, py);
    return r;
}

std::string piMultipleText(double value, double constPi) {
    return strText(roundHalfEven(value / constPi, 6)) + " * pi";
}

}  // namespace qv
