// Speed of a whole redraw beside the same drawing written in native C++.
//
// One pass is a full Plot() after typing (the boxes are prepared again), onto
// a canvas that keeps nothing but a checksum of what it is asked to draw. The
// native counterpart draws the same frame through drawAxes, then samples the
// same curves at the same points with C++ functions, doing the same
// evaluations per sample (the derivatives by the same difference formula),
// the same polar transform and mapping, and the same line calls. Before
// anything is timed the two passes must draw the same number of lines at the
// same places, so a fast wrong pass cannot look good.
//
// Every figure is the minimum over several repetitions; a repetition times a
// batch of passes, ours and native back to back, starting with a different
// one each time.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/random_source.h"
#include "draw/canvas.h"
#include "expression/rewrite.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/plot.h"

namespace {

constexpr int kRepetitions = 20;
constexpr int kPassesPerRepetition = 10;
constexpr double kHeightPixels = 800;
constexpr double kAgreement = 1e-9;  // largest relative difference of the checksums

volatile double g_plotSink = 0.0;

[[noreturn]] void die(const std::string& message) {
    std::fprintf(stderr, "plot_bench: %s\n", message.c_str());
    std::fflush(stdout);
    std::exit(1);
}

// Draws nothing; sums what it is given so the drawing cannot be left out.
class NullCanvas : public qv::Canvas {
public:
    NullCanvas(double widthPixels, double heightPixels)
        : width_(widthPixels * qv::kTwipsPerPixel), height_(heightPixels * qv::kTwipsPerPixel) {}

    double width() const override { return width_; }
    double height() const override { return height_; }
    void clear(uint32_t color) override { sum_ += color; }
    void line(double x1, double y1, double x2, double y2, uint32_t color) override {
        sum_ += std::abs(x1) + std::abs(y1) + std::abs(x2) + std::abs(y2) + color;
        ++lines_;
    }
    void text(double x, double y, const std::string& s) override {
        sum_ += x + y + static_cast<double>(s.size());
    }
    void setLineWidth(int pixels) override { lineWidth_ = pixels; }
    int lineWidth() const override { return lineWidth_; }
    void setTextColor(uint32_t color) override { sum_ += color; }

    double sum() const { return sum_; }
    long lines() const { return lines_; }
    void reset() {
        sum_ = 0;
        lines_ = 0;
    }

private:
    double width_, height_;
    double sum_ = 0;
    long lines_ = 0;
    int lineWidth_ = 1;
};

// A native curve coordinate: f(z, parameter).
using NativeFn = double (*)(double, double);

double nativeIdentity(double z, double) { return z; }
double nativeFarIdentity(double z, double) { return z + 1000000000005.0; }
double nativeSquare(double z, double) { return std::pow(z, 2); }
double nativeSin4(double z, double) { return std::sin(4 * z); }
double nativeShiftedSin(double z, double shift) { return std::sin(z) + shift; }

struct NativeCurve {
    NativeFn x, y;
    double yParameter = 0;
};

struct PlotCase {
    const char* name;
    std::string zMin, zMax, x, y;
    double range;  // the view is -range .. range on both axes
    qv::PlotOptions options;
    std::vector<std::string> typedFunctions;  // the function list, as typed
    std::vector<NativeCurve> native;          // the list's curves, then the y box's
    double xCentre = 0;                       // the x view is moved to lie around it
};

std::vector<PlotCase> plotCases() {
    std::vector<PlotCase> cases;
    cases.push_back(
        {"parabola", "-5", "5", "z", "z^2", 5, {}, {}, {{nativeIdentity, nativeSquare, 0}}});

    PlotCase polar{
        "polar-derivs", "0", "6.3", "z", "sin(4z)", 2, {}, {}, {{nativeIdentity, nativeSin4, 0}}};
    polar.options.axes.polar = true;
    polar.options.derivative = true;
    polar.options.secondDerivative = true;
    cases.push_back(polar);

    PlotCase ten{"ten-functions", "-5", "5", "z", "sin(z)", 5, {}, {}, {}};
    ten.options.plotAllFunctions = true;
    for (int k = 1; k <= 10; ++k) {
        char typed[32];
        std::snprintf(typed, sizeof typed, "sin(z)+%d*0.1", k);
        ten.typedFunctions.push_back(typed);
        ten.native.push_back({nativeIdentity, nativeShiftedSin, k * 0.1});
    }
    ten.native.push_back({nativeIdentity, nativeShiftedSin, 0});
    cases.push_back(ten);
    return cases;
}

// Every evaluation sees the value of z's 15-digit number text, on both
// sides, so that the comparison is like with like.
double at15(NativeFn f, double z, double p) { return f(qv::plainTextValue(z), p); }

// The difference formula of the derivatives, with the same literals.
double nativeDerive(NativeFn f, double p, double z) {
    return (at15(f, z - 0.000912, p) - 8 * at15(f, z - 0.000456, p) + 8 * at15(f, z + 0.000456, p) -
            at15(f, z + 0.000912, p)) /
           0.005472;
}

// The same on the four points already rounded: x and y share them.
struct NativePoints {
    double at[4];
};
NativePoints nativePoints(double z) {
    return {{qv::plainTextValue(z - 0.000912), qv::plainTextValue(z - 0.000456), qv::plainTextValue(z + 0.000456),
             qv::plainTextValue(z + 0.000912)}};
}
double nativeDerive(NativeFn f, double p, const NativePoints& z) {
    return (f(z.at[0], p) - 8 * f(z.at[1], p) + 8 * f(z.at[2], p) - f(z.at[3], p)) / 0.005472;
}

double nativeDoubleDerivative(NativeFn f, double p, double z) {
    return (nativeDerive(f, p, z - 0.000912) - 8 * nativeDerive(f, p, z - 0.000456) +
            8 * nativeDerive(f, p, z + 0.000456) - nativeDerive(f, p, z + 0.000912)) /
           0.005472;
}

struct Pt {
    double a = 0, b = 0;
};

struct NativeSample {
    Pt function, first, second;
};

class NativeSampler {
public:
    NativeSampler(const NativeCurve& c, const qv::CurveView& v, double w, double h)
        : c_(c), v_(v), w_(w), h_(h) {
        // Read through volatiles so the calls stay indirect calls, as ours are.
        NativeFn volatile x = c.x, y = c.y;
        c_.x = x;
        c_.y = y;
    }

    NativeSample at(double z) {
        // One value of z for x and y, and one set of points for their
        // derivatives, as ours has.
        const double bound = qv::plainTextValue(z);
        const double x = c_.x(bound, 0);
        const double y = c_.y(bound, c_.yParameter);
        NativeSample s;
        s.function = map(polar({x, y}));
        if (v_.derivative || v_.secondDerivative) {
            const NativePoints points = nativePoints(z);
            const double dx = nativeDerive(c_.x, 0, points);
            if (v_.derivative) {
                const double q = nativeDerive(c_.y, c_.yParameter, points) / dx;
                if (std::isfinite(q)) first_ = q;
                s.first = map(polar({x, first_}));
            }
            if (v_.secondDerivative) {
                const double q = nativeDoubleDerivative(c_.y, c_.yParameter, z) / (dx * dx);
                if (std::isfinite(q)) second_ = q;
                s.second = map(polar({x, second_}));
            }
        }
        return s;
    }

private:
    Pt polar(Pt p) const {
        if (!v_.axes.polar) return p;
        const Pt q{p.b * std::cos(p.a), p.b * std::sin(p.a)};
        return std::isfinite(q.a) && std::isfinite(q.b) ? q : p;
    }
    Pt map(Pt p) const {
        return {w_ * (p.a - v_.x_min) / (v_.x_max - v_.x_min),
                h_ - h_ * (p.b - v_.y_min) / (v_.y_max - v_.y_min)};
    }

    NativeCurve c_;
    const qv::CurveView& v_;
    double w_, h_;
    double first_ = 0, second_ = 0;
};

// The curve loop of the redraw, on native functions; no log or reciprocal
// axes, no failed evaluations, so nothing is ever skipped.
void nativeCurve(qv::Canvas& canvas, const NativeCurve& c, double zStart, double zEnd,
                 const qv::CurveView& v) {
    const double step = (zEnd - zStart) / ((canvas.width() - 15) / 30);
    NativeSampler sampler(c, v, canvas.width() - 15, canvas.height() - 15);
    double z = zStart;
    NativeSample p0 = sampler.at(z);
    const double limit = (zEnd - zStart) / step + 2;
    for (int segments = 0; z < zEnd && segments < limit; ++segments) {
        z += step;
        const NativeSample p1 = sampler.at(z);
        if (v.secondDerivative)
            canvas.line(p0.second.a, p0.second.b, p1.second.a, p1.second.b,
                        v.secondDerivativeColor);
        if (v.derivative)
            canvas.line(p0.first.a, p0.first.b, p1.first.a, p1.first.b, v.derivativeColor);
        canvas.line(p0.function.a, p0.function.b, p1.function.a, p1.function.b, v.lineColor);
        p0 = p1;
    }
}

class PlotHarness {
public:
    PlotHarness() : math_(rng_), evaluator_(math_, rng_) { evaluator_.setUp(); }

    // The function list as the window keeps it: display forms.
    std::vector<std::string> displayForms(const std::vector<std::string>& typed) {
        std::vector<std::string> out;
        for (const std::string& t : typed)
            out.push_back(qv::heal(t, rewrite_));
        return out;
    }

    qv::GraphDocument document(const PlotCase& c) const {
        qv::GraphDocument doc;
        doc.x_min = c.xCentre - c.range;
        doc.x_max = c.xCentre + c.range;
        doc.y_min = -c.range;
        doc.y_max = c.range;
        return doc;
    }

    static qv::PlotBoxes boxes(const PlotCase& c) {
        qv::PlotBoxes b;
        b.zMin = c.zMin;
        b.zMax = c.zMax;
        b.x = c.x;
        b.y = c.y;
        b.aMin = b.aMax = "0";
        return b;
    }

    void ours(NullCanvas& canvas, const PlotCase& c, const std::vector<std::string>& list,
              qv::GraphDocument& doc, qv::PlotBoxes& boxes) {
        qv::PlotState state;
        const qv::PlotResult r =
            qv::Plot(canvas, evaluator_, rewrite_, doc, boxes, list, c.options, state, {});
        if (!r.drawn) die(std::string(c.name) + ": the redraw drew nothing");
    }

    static void native(NullCanvas& canvas, const PlotCase& c, const qv::GraphDocument& doc) {
        canvas.setTextColor(doc.colors[qv::kAxis]);
        qv::drawAxes(canvas, axesInput(c, doc));
        qv::CurveView v;
        v.x_min = doc.x_min;
        v.x_max = doc.x_max;
        v.y_min = doc.y_min;
        v.y_max = doc.y_max;
        v.axes = c.options.axes;
        v.derivative = c.options.derivative;
        v.secondDerivative = c.options.secondDerivative;
        v.lineColor = doc.colors[qv::kFunctionLine];
        v.derivativeColor = doc.colors[qv::kDerivative];
        v.secondDerivativeColor = doc.colors[qv::kSecondDerivative];
        const double zStart = std::strtod(c.zMin.c_str(), nullptr),
                     zEnd = std::strtod(c.zMax.c_str(), nullptr);
        for (const NativeCurve& curve : c.native)
            nativeCurve(canvas, curve, zStart, zEnd, v);
    }

private:
    static qv::AxesInput axesInput(const PlotCase& c, const qv::GraphDocument& doc) {
        qv::AxesInput in;
        in.range = {doc.x_min, doc.x_max, doc.y_min, doc.y_max};
        in.x_tick_scale = doc.x_tick_scale;
        in.y_tick_scale = doc.y_tick_scale;
        in.axes = c.options.axes;
        in.background_color = doc.colors[qv::kBackground];
        in.axis_color = doc.colors[qv::kAxis];
        in.grid_color = doc.colors[qv::kGrid];
        return in;
    }

    qv::RandomSource rng_{12345};
    qv::MathLibrary math_;
    qv::Evaluator evaluator_;
    qv::RewriteContext rewrite_;
};

using Clock = std::chrono::steady_clock;

double usSince(Clock::time_point start, int passes) {
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
    return elapsed.count() / passes;
}

// Both passes must draw the same lines; the checksums differ only by the
// last bits of the sums.
void checkSameDrawing(const char* name, double widthPixels, const NullCanvas& ours,
                      const NullCanvas& native) {
    const double scale = std::max(std::abs(ours.sum()), std::abs(native.sum()));
    const double d = scale == 0 ? 0 : std::abs(ours.sum() - native.sum()) / scale;
    if (ours.lines() != native.lines() || !(d < kAgreement)) {
        char buf[256];
        std::snprintf(buf, sizeof buf,
                      "%s at %gpx: ours drew %ld lines (checksum %.17g), native %ld (%.17g)", name,
                      widthPixels, ours.lines(), ours.sum(), native.lines(), native.sum());
        die(buf);
    }
}

struct PlotTimings {
    double ours = INFINITY, native = INFINITY;
};

PlotTimings timeCase(PlotHarness& h, const PlotCase& c, double widthPixels, int repetitions = kRepetitions,
                     int passes = kPassesPerRepetition) {
    const std::vector<std::string> list = h.displayForms(c.typedFunctions);
    NullCanvas oursCanvas(widthPixels, kHeightPixels), nativeCanvas(widthPixels, kHeightPixels);
    {
        qv::GraphDocument doc = h.document(c);
        qv::PlotBoxes boxes = PlotHarness::boxes(c);
        h.ours(oursCanvas, c, list, doc, boxes);
        PlotHarness::native(nativeCanvas, c, h.document(c));
        checkSameDrawing(c.name, widthPixels, oursCanvas, nativeCanvas);
    }
    PlotTimings best;
    for (int rep = 0; rep < repetitions; ++rep) {
        for (int k = 0; k < 2; ++k) {
            if ((rep + k) % 2 == 0) {
                // Fresh boxes and documents for every pass, made before the clock starts.
                std::vector<qv::GraphDocument> docs(static_cast<size_t>(passes), h.document(c));
                std::vector<qv::PlotBoxes> boxes(static_cast<size_t>(passes), PlotHarness::boxes(c));
                oursCanvas.reset();
                const Clock::time_point start = Clock::now();
                for (size_t i = 0; i < docs.size(); ++i)
                    h.ours(oursCanvas, c, list, docs[i], boxes[i]);
                best.ours = std::min(best.ours, usSince(start, passes));
                g_plotSink = g_plotSink + oursCanvas.sum();
            } else {
                const qv::GraphDocument doc = h.document(c);
                nativeCanvas.reset();
                const Clock::time_point start = Clock::now();
                for (int i = 0; i < passes; ++i)
                    PlotHarness::native(nativeCanvas, c, doc);
                best.native = std::min(best.native, usSince(start, passes));
                g_plotSink = g_plotSink + nativeCanvas.sum();
            }
        }
    }
    return best;
}

// A graph whose function list holds `count` different curves, all drawn.
PlotCase manyCurves(int count) {
    PlotCase c{"many-curves", "-5", "5", "z", "sin(z)", 5, {}, {}, {}};
    c.options.plotAllFunctions = true;
    for (int k = 1; k <= count; ++k) {
        char typed[40];
        std::snprintf(typed, sizeof typed, "sin(z)+%d*0.001", k);
        c.typedFunctions.push_back(typed);
        c.native.push_back({nativeIdentity, nativeShiftedSin, k * 0.001});
    }
    c.native.push_back({nativeIdentity, nativeShiftedSin, 0});
    return c;
}

// The cost of a redraw per curve as the function list grows: redrawing the
// same long list again must find its compiled forms, however many there are.
void printManyCurves(PlotHarness& harness) {
    for (int count : {64, 256, 512, 1000}) {
        const PlotCase c = manyCurves(count);
        const PlotTimings t = timeCase(harness, c, 1200, 5, 3);
        const double curves = count + 1;
        std::printf("plot many-curves %d 1200px: ours %.2f us/curve native %.2f us/curve ratio %.2f\n", count,
                    t.ours / curves, t.native / curves, t.ours / t.native);
        std::fflush(stdout);
    }
}

// The parabola moved far from the origin: x from 1E12 to 1E12 + 10, ticked
// every unit. Its ticks are as many as the centred parabola's, so its redraw
// must cost about the same: printed beside the centred one's.
void printFarFromZero(PlotHarness& harness, const PlotTimings& centred) {
    PlotCase far{"far-from-zero", "-5", "5", "z+1000000000005", "z^2", 5, {}, {}, {}};
    far.native.push_back({nativeFarIdentity, nativeSquare, 0});
    far.xCentre = 1000000000005.0;
    const PlotTimings t = timeCase(harness, far, 1200);
    std::printf("plot %s 1200px: ours %.1f us native %.1f us ratio %.2f\n", far.name, t.ours,
                t.native, t.ours / t.native);
    std::printf("plot far-from-zero/centred 1200px: ours %.2f native %.2f\n", t.ours / centred.ours,
                t.native / centred.native);
    std::fflush(stdout);
}

// Ours alone as sampled and as refined, the best time of a pass of each in
// microseconds: refined drawings have no native counterpart. The two are
// timed in turns, so that both see the same machine.
struct SampledAndRefined {
    double sampled = INFINITY, refined = INFINITY;
};

SampledAndRefined timeSampledAndRefined(PlotHarness& h, PlotCase c, double widthPixels) {
    const std::vector<std::string> list = h.displayForms(c.typedFunctions);
    NullCanvas canvas(widthPixels, kHeightPixels);
    SampledAndRefined best;
    for (int rep = 0; rep < kRepetitions; ++rep) {
        for (int k = 0; k < 2; ++k) {
            const bool refined = (rep + k) % 2 == 1;
            c.options.refineCurves = refined;
            std::vector<qv::GraphDocument> docs(static_cast<size_t>(kPassesPerRepetition), h.document(c));
            std::vector<qv::PlotBoxes> boxes(static_cast<size_t>(kPassesPerRepetition), PlotHarness::boxes(c));
            canvas.reset();
            const Clock::time_point start = Clock::now();
            for (size_t i = 0; i < docs.size(); ++i) h.ours(canvas, c, list, docs[i], boxes[i]);
            double& slot = refined ? best.refined : best.sampled;
            slot = std::min(slot, usSince(start, kPassesPerRepetition));
            g_plotSink = g_plotSink + canvas.sum();
        }
    }
    return best;
}

// The cost of refined curves: every case drawn as sampled and refined, and
// the curves with poles and jumps (tan(z) and the floor int(z)), which refinement
// breaks. Goal: refined at most 1.5 times the drawing as sampled.
void printRefinement(PlotHarness& harness) {
    std::vector<PlotCase> cases = plotCases();
    // Int is the floor of the expression language.
    PlotCase poles{"poles", "-5", "5", "z", "int(z)", 5, {}, {"tan(z)"}, {}};
    poles.options.plotAllFunctions = true;
    cases.push_back(poles);
    for (PlotCase& c : cases) {
        for (double w : {1200.0, 3840.0}) {
            const SampledAndRefined t = timeSampledAndRefined(harness, c, w);
            std::printf("plot %s refined %.0fpx: sampled %.1f us refined %.1f us ratio %.2f\n", c.name, w, t.sampled,
                        t.refined, t.refined / t.sampled);
            std::fflush(stdout);
        }
    }
}

}  // namespace

// One line per case and picture width: a full redraw after typing, ours
// beside native C++, in microseconds per pass.
void printPlotSummary() {
    PlotHarness harness;
    const double widths[] = {1200, 3840};
    PlotTimings centred;
    for (const PlotCase& c : plotCases()) {
        for (double w : widths) {
            const PlotTimings t = timeCase(harness, c, w);
            std::printf("plot %s %.0fpx: ours %.1f us native %.1f us ratio %.2f\n", c.name, w,
                        t.ours, t.native, t.ours / t.native);
            std::fflush(stdout);
            if (std::string(c.name) == "parabola" && w == 1200) centred = t;
        }
    }
    printFarFromZero(harness, centred);
    printManyCurves(harness);
    printRefinement(harness);
}
