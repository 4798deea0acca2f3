#include "plot/curves.h"

#include <array>
#include <cmath>
#include <vector>

#include "expression/derivatives.h"
#include "expression/number_text.h"
#include "expression/rewrite.h"
#include "plot/curve_refinement.h"

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
    bool drawable = true;   // evaluated, and a point of the picture (refined drawing)
};

// The usual curve: its function's line alone, on plain axes. Its samples
// need nothing but the function's point.
bool functionOnly(const CurveView& view) { return !view.derivative && !view.secondDerivative && view.axes.plain(); }

// A sample of a curve drawn without derivative curves on plain axes.
struct FunctionSample {
    Point point;
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

// Into a picture whose usable part is w by h twips.
Point mapToCanvas(const Point& p, double w, double h, const CurveView& view) {
    return {w * (p.a - view.x_min) / (view.x_max - view.x_min),
            h - h * (p.b - view.y_min) / (view.y_max - view.y_min)};
}

class CurveSampler {
public:
    CurveSampler(const Canvas& canvas, const CurveForms& forms, const CurveView& view, CurveStats& stats)
        : forms_(forms), view_(view), stats_(stats), plain_(view.axes.plain()), width_(canvas.width() - 15),
          height_(canvas.height() - 15), labelRight_(width_ - 20 * kTwipsPerPixel),
          labelBottom_(height_ - 20 * kTwipsPerPixel) {}

    // Computes the sample at z into `s`, every member of it. The derivative
    // values of the previous sample stay where a quotient fails.
    // Inlined into the drawing loops: the call's own cost is a good part of
    // a sample's.
    [[gnu::always_inline]] void at(double z, bool& skip, Sample& s) {
        s.evaluated = true;
        // x and y see the same value of z, worked out once.
        const BoundValues bound = boundValues(z);
        const double x = value(forms_.x, bound, stats_.xFailures, stats_.xError, s.evaluated);
        const double y = value(forms_.y, bound, stats_.yFailures, stats_.yError, s.evaluated);
        s.function = {x, y};
        if (view_.derivative || view_.secondDerivative) {
            int16_t flag = 0;
            const DerivativePoints points = derivativePoints(z);
            const double dx = Derive(forms_.x, points, flag);
            if (view_.derivative) {
                const double q = Derive(forms_.y, points, flag) / dx;
                if (usable(q)) firstB_ = q;
            }
            if (view_.secondDerivative) {
                const double q = Double_Derivative(forms_.y, z, flag) / (dx * dx);
                if (usable(q)) secondB_ = q;
            }
        }
        s.first = {x, firstB_};
        s.second = {x, secondB_};
        if (plain_) {
            s.drawable = s.evaluated;
        } else {
            s.drawable = s.evaluated && onAxes(x, y);
            transform(s.function, view_, true, skip);
            if (view_.derivative) transform(s.first, view_, false, skip);
            if (view_.secondDerivative) transform(s.second, view_, false, skip);
        }
        s.function = mapToCanvas(s.function, width_, height_, view_);
        if (view_.labelX >= 0 && s.drawable) noteLabelPoint(s.function);
        if (view_.derivative) s.first = mapToCanvas(s.first, width_, height_, view_);
        if (view_.secondDerivative) s.second = mapToCanvas(s.second, width_, height_, view_);
    }

    // The sample at z of a curve without derivative curves on plain axes:
    // what at() gives there, with nothing else worked out.
    [[gnu::always_inline]] void functionAt(double z, FunctionSample& s) {
        s.evaluated = true;
        const BoundValues bound = boundValues(z);
        const double x = value(forms_.x, bound, stats_.xFailures, stats_.xError, s.evaluated);
        const double y = value(forms_.y, bound, stats_.yFailures, stats_.yError, s.evaluated);
        s.point = mapToCanvas({x, y}, width_, height_, view_);
        if (view_.labelX >= 0 && s.evaluated) noteLabelPoint(s.point);
    }

    // The function's point at z for the refined drawing, where a failure is
    // not counted and leaves no point.
    CurvePoint pointAt(double z) const {
        CurvePoint c{z, 0, 0, false};
        const BoundValues bound = boundValues(z);
        const NumResult x = forms_.x.numberAt(bound);
        if (x.failed()) return c;
        const NumResult y = forms_.y.numberAt(bound);
        if (y.failed()) return c;
        Point p{x.value, y.value};
        if (!plain_) {
            if (!onAxes(x.value, y.value)) return c;
            bool skip = false;
            transform(p, view_, true, skip);
        }
        p = mapToCanvas(p, width_, height_, view_);
        return {z, p.a, p.b, usable(p.a) && usable(p.b)};
    }

private:
    // Keeps the point if it is nearer the label's place than the last one
    // kept, and far enough inside the picture for a tag beside it.
    void noteLabelPoint(const Point& p) {
        // Once a point is kept, nearly every later one is no nearer: that
        // test comes first.
        const double distance = std::abs(p.a - view_.labelX);
        if (!(distance < labelDistance_)) return;
        const double margin = 20 * kTwipsPerPixel;
        if (!(p.a > margin && p.a < labelRight_ && p.b > margin && p.b < labelBottom_)) return;
        stats_.labelled = true;
        stats_.labelX = p.a;
        stats_.labelY = p.b;
        labelDistance_ = distance;
    }

    // Whether (x, y) has a place on the axes: a logarithmic axis has none for
    // values at or below 0.
    bool onAxes(double x, double y) const {
        if (view_.axes.polar) return true;
        return !(view_.axes.log_x && x <= 0) && !(view_.axes.log_y && y <= 0);
    }

    // A failed evaluation counts as 0; the failure is counted.
    static double value(const BoundForm& f, const BoundValues& bound, int& failures, int& firstError,
                        bool& evaluated) {
        const NumResult r = f.numberAt(bound);
        if (!r.failed()) return r.value;
        evaluated = false;
        if (failures++ == 0) firstError = r.error;
        return 0.0;
    }

    const CurveForms& forms_;
    const CurveView& view_;
    CurveStats& stats_;
    // Plain axes: points keep their coordinates and all have a place.
    const bool plain_;
    double firstB_ = 0, secondB_ = 0;
    // The picture's usable width and height, in twips.
    double width_, height_;
    // The right and bottom bounds of where a label point is taken, and how
    // far across from its place the point kept is.
    double labelRight_, labelBottom_;
    double labelDistance_ = INFINITY;
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

CurvePoint functionPoint(const Sample& s, double z) {
    return {z, s.function.a, s.function.b, s.drawable && usable(s.function.a) && usable(s.function.b)};
}

// The derivative curves' lines between two samples of the refined drawing:
// not through a sample that failed.
template <typename Line>
void drawDerivativeSegments(const Sample& p0, const Sample& p1, const CurveView& view, bool& skip, const Line& line) {
    const bool both = p0.evaluated && p1.evaluated;
    if (view.secondDerivative) {
        if (!skip && both) line(p0.second.a, p0.second.b, p1.second.a, p1.second.b, view.secondDerivativeColor);
        skip = false;
    }
    if (view.derivative) {
        if (!skip && both) line(p0.first.a, p0.first.b, p1.first.a, p1.first.b, view.derivativeColor);
        skip = false;
    }
}

// The sample positions of a curve, z_start and then one step after another.
// Their count is bounded by the range and the step, with a margin for
// rounding; a step too small to move z ends the curve.
class SamplePositions {
public:
    explicit SamplePositions(const SampleRange& range)
        : range_(range), z_(range.start), limit_((range.end - range.start) / range.step + 2) {}

    // The next position into z; false when the curve has ended.
    bool next(double& z) {
        if (!started_) {
            started_ = true;
        } else {
            const double step = z_ + range_.step;
            if (!(z_ < range_.end) || !(static_cast<double>(taken_) < limit_) || !(step > z_)) return false;
            z_ = step;
            ++taken_;
        }
        z = z_;
        return true;
    }

private:
    const SampleRange& range_;
    double z_;
    double limit_;
    long taken_ = 0;
    bool started_ = false;
};

// A sample of the refined drawing and the function's point from it.
struct TakenSample {
    Sample sample;
    CurvePoint point;
};

// The same for a curve without derivative curves on plain axes.
struct TakenPoint {
    CurvePoint point;
};

// The refined drawing: each segment's chord where the neighbouring samples
// show the curve is straight enough there, else the segment refined. Only
// the segment's two samples and the one after are kept: a curve at a wide
// picture has thousands, and holding them all cost more than drawing them.
// `compute(z, taken)` works out a sample (true when it evaluated) and
// `between(a, b)` draws what else joins two samples (derivative curves).
template <typename Taken, typename Compute, typename Between>
void refinedCurve(Canvas& canvas, const CurveSampler& sampler, const SampleRange& range, const CurveView& view,
                  CurveStats& stats, const Compute& compute, const Between& between,
                  const std::function<void()>& yieldToEvents, const std::function<bool()>& stopRequested) {
    SamplePositions positions(range);
    bool released = false;
    // Samples are taken in order (the derivative values carry from one to
    // the next), one ahead of the segment drawn.
    const auto take = [&](Taken& t) __attribute__((always_inline)) {
        double z = 0;
        if (!positions.next(z)) return false;
        released |= compute(z, t);
        ++stats.samples;
        return true;
    };
    const RefineFrame frame{view.devicePixel, canvas.width() - 15, canvas.height() - 15};
    const auto at = [&sampler](double z) { return sampler.pointAt(z); };
    const auto chord = [&canvas, &view](const CurvePoint& a, const CurvePoint& b) {
        canvas.line(a.x, a.y, b.x, b.y, view.lineColor);
    };
    // The segment's two samples and the one after, taken in turn into three
    // places rather than copied along.
    std::array<Taken, 3> ring;
    size_t ia = 0, ib = 1, iafter = 2;
    if (!take(ring[ia]) || !take(ring[ib])) return;
    bool hasAfter = take(ring[iafter]);
    // Whether the curve bends little at the segment's first sample, judged
    // from its neighbours: carried from the previous segment's last sample.
    bool straightAtA = true;
    for (bool first = true;; first = false) {
        const Taken& a = ring[ia];
        const Taken& b = ring[ib];
        between(a, b);
        const bool straightAtB = !hasAfter || bendsLittle(a.point, b.point, ring[iafter].point, view.devicePixel);
        // A lone segment has no neighbours to judge its bend by.
        if (a.point.valid && b.point.valid && (!first || hasAfter) && straightAtA && straightAtB) {
            canvas.line(a.point.x, a.point.y, b.point.x, b.point.y, view.lineColor);
        } else {
            refineSegment(a.point, b.point, at, frame, chord);
        }
        straightAtA = straightAtB;
        ++stats.segments;
        if (yieldToEvents && stats.segments % 2 == 0) yieldToEvents();
        if (stopRequested && stopRequested()) {
            stats.stopped = true;
            break;
        }
        if (!hasAfter) break;
        const size_t freed = ia;
        ia = ib;
        ib = iafter;
        iafter = freed;
        hasAfter = take(ring[iafter]);
    }
    if (!released) stats.segments = 0;
}

CurveStats drawRefinedCurve(Canvas& canvas, const CurveForms& forms, const SampleRange& range, const CurveView& view,
                            bool& skip, const std::function<void()>& yieldToEvents,
                            const std::function<bool()>& stopRequested) {
    CurveStats stats;
    CurveSampler sampler(canvas, forms, view, stats);
    if (functionOnly(view)) {
        const auto compute = [&sampler](double z, TakenPoint& t) {
            FunctionSample s;
            sampler.functionAt(z, s);
            t.point = {z, s.point.a, s.point.b, s.evaluated && usable(s.point.a) && usable(s.point.b)};
            return s.evaluated;
        };
        const auto between = [](const TakenPoint&, const TakenPoint&) {};
        refinedCurve<TakenPoint>(canvas, sampler, range, view, stats, compute, between, yieldToEvents,
                                 stopRequested);
        return stats;
    }
    const auto compute = [&sampler, &skip](double z, TakenSample& t) {
        sampler.at(z, skip, t.sample);
        t.point = functionPoint(t.sample, z);
        return t.sample.evaluated;
    };
    const auto line = [&canvas](double x1, double y1, double x2, double y2, uint32_t color) {
        canvas.line(x1, y1, x2, y2, color);
    };
    const auto between = [&view, &skip, &line](const TakenSample& a, const TakenSample& b) {
        drawDerivativeSegments(a.sample, b.sample, view, skip, line);
    };
    refinedCurve<TakenSample>(canvas, sampler, range, view, stats, compute, between, yieldToEvents, stopRequested);
    return stats;
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

namespace {

// The sampled drawing's loop: a sample at range.start and one a step after
// another, `take(z, sample)` computing each into one of two places, and
// `join(p0, p1, line)` drawing the segment between two. Lines are held back
// until a sample evaluates.
template <typename S, typename Take, typename Join>
void sampledCurve(Canvas& canvas, const SampleRange& range, CurveStats& stats, const Take& take, const Join& join,
                  const std::function<void()>& yieldToEvents, const std::function<bool()>& stopRequested) {
    double z = range.start;
    std::array<S, 2> pair;
    size_t i0 = 0;
    take(z, pair[i0]);
    int samples = 1, segments = 0;
    bool released = pair[i0].evaluated;
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
    const double end = range.end, step = range.step;
    while (z < end && segments < limit) {
        const double next = z + step;
        if (!(next > z)) break;
        z = next;
        const S& p0 = pair[i0];
        S& p1 = pair[1 - i0];
        take(z, p1);
        ++samples;
        if (!released && p1.evaluated) {
            released = true;
            for (const HeldLine& h : held) canvas.line(h.x1, h.y1, h.x2, h.y2, h.color);
        }
        if (released) join(p0, p1, draw);
        else join(p0, p1, hold);
        ++segments;
        if (yieldToEvents && segments % 2 == 0) {
            stats.samples = samples;
            stats.segments = segments;
            yieldToEvents();
        }
        if (stopRequested && stopRequested()) {
            stats.stopped = true;
            break;
        }
        i0 = 1 - i0;
    }
    stats.samples = samples;
    stats.segments = released ? segments : 0;
}

}  // namespace

CurveStats drawCurve(Canvas& canvas, const CurveForms& forms, const SampleRange& range, const CurveView& view,
                     bool& skip, const std::function<void()>& yieldToEvents,
                     const std::function<bool()>& stopRequested) {
    CurveStats stats;
    if (!(range.step > 0) || !(range.end > range.start)) return stats;
    if (view.refine) return drawRefinedCurve(canvas, forms, range, view, skip, yieldToEvents, stopRequested);
    CurveSampler sampler(canvas, forms, view, stats);
    if (functionOnly(view)) {
        const auto take = [&sampler](double z, FunctionSample& s) { sampler.functionAt(z, s); };
        const uint32_t color = view.lineColor;
        const auto join = [color](const FunctionSample& p0, const FunctionSample& p1, const auto& line) {
            line(p0.point.a, p0.point.b, p1.point.a, p1.point.b, color);
        };
        sampledCurve<FunctionSample>(canvas, range, stats, take, join, yieldToEvents, stopRequested);
        return stats;
    }
    const auto take = [&sampler, &skip](double z, Sample& s) { sampler.at(z, skip, s); };
    const auto join = [&view, &skip](const Sample& p0, const Sample& p1, const auto& line) {
        drawSegments(p0, p1, view, skip, line);
    };
    sampledCurve<Sample>(canvas, range, stats, take, join, yieldToEvents, stopRequested);
    return stats;
}

std::string withAnimationValue(const std::string& form, double a) {
    return replaceAll(form, "A", "(" + plainText(a) + ")");
}

}  // namespace qv
