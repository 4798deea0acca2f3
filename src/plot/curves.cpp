#include "plot/curves.h"

#include <cmath>
#include <vector>

#include "expression/derivatives.h"
#include "expression/number_text.h"
#include "expression/rewrite.h"

namespace qv {

namespace {

struct Point {
    double a = 0, b = 0;
};

// A sample's three points in picture coordinates, and whether its
// derivative segments must be left out.
struct Sample {
    Point function, first, second;
    bool evaluated = true;  // both x and y gave numbers
};

// A line held back while a curve has not yet had one sample whose x and y
// both evaluate. A curve that never does is not drawn at all: its failed
// samples would otherwise draw a false line at 0.
struct HeldLine {
    double x1, y1, x2, y2;
    uint32_t color;
};

bool usable(double v) { return std::isfinite(v); }

// Logarithm or reciprocal of one coordinate. A function point's coordinate
// that cannot take a logarithm goes to 1 (so onto the axis); a derivative
// point's keeps its value. Either way the next derivative segment is left
// out. A failed reciprocal keeps the value.
void transformCoordinate(double& c, bool log, bool invert, bool functionPoint, bool& skip) {
    if (log) {
        if (c <= 0) {
            skip = true;
            if (functionPoint) c = 0;  // log10(1)
        } else {
            c = std::log10(c);
        }
    }
    if (invert && c != 0) c = 1 / c;
}

void transform(Point& p, const CurveView& view, bool functionPoint, bool& skip) {
    if (view.axes.polar) {
        const double x = p.b * std::cos(p.a);
        const double y = p.b * std::sin(p.a);
        if (usable(x) && usable(y)) p = {x, y};
        return;
    }
    transformCoordinate(p.a, view.axes.log_x, false, functionPoint, skip);
    transformCoordinate(p.b, view.axes.log_y, false, functionPoint, skip);
    transformCoordinate(p.a, false, view.axes.invert_x, functionPoint, skip);
    transformCoordinate(p.b, false, view.axes.invert_y, functionPoint, skip);
}

Point mapToCanvas(const Point& p, const Canvas& canvas, const CurveView& view) {
    const double w = canvas.width() - 15;
    const double h = canvas.height() - 15;
    return {w * (p.a - view.x_min) / (view.x_max - view.x_min),
            h - h * (p.b - view.y_min) / (view.y_max - view.y_min)};
}

class CurveSampler {
public:
    CurveSampler(const Canvas& canvas, const CurveForms& forms, const CurveView& view, CurveStats& stats)
        : canvas_(canvas), forms_(forms), view_(view), stats_(stats) {}

    // Computes the sample at z. The derivative values of the previous
    // sample stay where a quotient fails.
    Sample at(double z, bool& skip) {
        Sample s;
        const double x = value(forms_.x, z, stats_.xFailures, stats_.xError, s.evaluated);
        const double y = value(forms_.y, z, stats_.yFailures, stats_.yError, s.evaluated);
        s.function = {x, y};
        if (view_.derivative || view_.secondDerivative) {
            int16_t flag = 0;
            const double dx = Derive(forms_.x, z, flag);
            if (view_.derivative) {
                const double q = Derive(forms_.y, z, flag) / dx;
                if (usable(q)) firstB_ = q;
            }
            if (view_.secondDerivative) {
                const double q = Double_Derivative(forms_.y, z, flag) / (dx * dx);
                if (usable(q)) secondB_ = q;
            }
        }
        s.first = {x, firstB_};
        s.second = {x, secondB_};
        transform(s.function, view_, true, skip);
        if (view_.derivative) transform(s.first, view_, false, skip);
        if (view_.secondDerivative) transform(s.second, view_, false, skip);
        s.function = mapToCanvas(s.function, canvas_, view_);
        if (view_.derivative) s.first = mapToCanvas(s.first, canvas_, view_);
        if (view_.secondDerivative) s.second = mapToCanvas(s.second, canvas_, view_);
        return s;
    }

private:
    // A failed evaluation counts as 0; the failure is counted.
    static double value(const BoundForm& f, double z, int& failures, int& firstError, bool& evaluated) {
        const NumResult r = f.number(z);
        if (!r.failed()) return r.value;
        evaluated = false;
        if (failures++ == 0) firstError = r.error;
        return 0.0;
    }

    const Canvas& canvas_;
    const CurveForms& forms_;
    const CurveView& view_;
    CurveStats& stats_;
    double firstB_ = 0, secondB_ = 0;
};

// The lines from one sample to the next, through `line`: the derivative
// curves' (unless left out) and the function's.
template <typename Line>
void drawSegments(const Sample& p0, const Sample& p1, const CurveView& view, bool& skip, const Line& line) {
    if (view.secondDerivative) {
        if (!skip) line(p0.second.a, p0.second.b, p1.second.a, p1.second.b, view.secondDerivativeColor);
        skip = false;
    }
    if (view.derivative) {
        if (!skip) line(p0.first.a, p0.first.b, p1.first.a, p1.first.b, view.derivativeColor);
        skip = false;
    }
    line(p0.function.a, p0.function.b, p1.function.a, p1.function.b, view.lineColor);
}

}  // namespace

SampleRange sampleRange(double zStart, double zEnd, double canvasWidth) {
    SampleRange r{zStart, zEnd, 0};
    const double samples = (canvasWidth - 15) / 30;
    if (samples > 0) {
        const double step = (zEnd - zStart) / samples;
        if (usable(step)) r.step = step;
    }
    return r;
}

CurveStats drawCurve(Canvas& canvas, const CurveForms& forms, const SampleRange& range, const CurveView& view,
                     bool& skip, const std::function<void()>& yieldToEvents,
                     const std::function<bool()>& stopRequested) {
    CurveStats stats;
    if (!(range.step > 0) || !(range.end > range.start)) return stats;
    CurveSampler sampler(canvas, forms, view, stats);
    double z = range.start;
    Sample p0 = sampler.at(z, skip);
    stats.samples = 1;
    bool released = p0.evaluated;
    std::vector<HeldLine> held;
    const auto draw = [&canvas](double x1, double y1, double x2, double y2, uint32_t color) {
        canvas.line(x1, y1, x2, y2, color);
    };
    const auto hold = [&held](double x1, double y1, double x2, double y2, uint32_t color) {
        held.push_back({x1, y1, x2, y2, color});
    };
    // The sample count is bounded by the range and the step, with a margin
    // for rounding; a step too small to move z ends the curve.
    const double limit = (range.end - range.start) / range.step + 2;
    while (z < range.end && stats.segments < limit) {
        const double next = z + range.step;
        if (!(next > z)) break;
        z = next;
        const Sample p1 = sampler.at(z, skip);
        ++stats.samples;
        if (!released && p1.evaluated) {
            released = true;
            for (const HeldLine& h : held) canvas.line(h.x1, h.y1, h.x2, h.y2, h.color);
        }
        if (released) drawSegments(p0, p1, view, skip, draw);
        else drawSegments(p0, p1, view, skip, hold);
        ++stats.segments;
        if (yieldToEvents && stats.segments % 2 == 0) yieldToEvents();
        if (stopRequested && stopRequested()) {
            stats.stopped = true;
            break;
        }
        p0 = p1;
    }
    if (!released) stats.segments = 0;
    return stats;
}

std::string withAnimationValue(const std::string& form, double a) {
    return replaceAll(form, "A", "(" + plainText(a) + ")");
}

}  // namespace qv
