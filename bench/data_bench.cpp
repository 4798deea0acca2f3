// Speed of a redraw with the data list drawn, beside the same drawing written
// as a plain native loop. Prints one line per case:
//   data CASE: ours X us native Y us ratio R
//
// Both sides draw 32,767 points with all four drawings on (crosses, the
// connecting line, the moving average and the smoothing curve) and the same
// frame (drawAxes), onto a canvas that keeps only a checksum. Ours is a whole
// Plot() with empty function boxes. The native loop maps the points with the
// same formula, draws the same lines in the same order, and moves plain
// running sums along for the two averages, so its cost does not grow with
// the window either.
//
// The list holds texts, and a redraw reads them:
// - a redraw of unchanged data (the usual case: the list is locked while it
//   is drawn) finds its converted points by comparing the texts; the native
//   loop has its doubles already;
// - a redraw after the data changed ("new data") converts every item; the
//   native loop parses every item with std::from_chars.
// Before anything is timed the two sides must draw the same number of lines
// with checksums that agree to the last bits of the means.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "draw/canvas.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"
#include "plot/axes.h"
#include "plot/plot.h"

namespace {

constexpr int kPoints = 32767;
constexpr int kRepetitions = 15;
constexpr int kPassesPerRepetition = 8;
constexpr double kAgreement = 1e-9;  // largest relative difference of the checksums

volatile double g_dataSink = 0.0;

[[noreturn]] void die(const std::string& message) {
    std::fprintf(stderr, "data_bench: %s\n", message.c_str());
    std::fflush(stdout);
    std::exit(1);
}

// Draws nothing; sums what it is given so the drawing cannot be left out.
// Both sides draw through the Canvas interface, as a real picture area is
// drawn on: line() stays a call even where the compiler could see which
// canvas the native loop draws on, so the native side is not spared the
// calls the program makes.
class NullCanvas : public qv::Canvas {
public:
    double width() const override { return 1200.0 * qv::kTwipsPerPixel; }
    double height() const override { return 800.0 * qv::kTwipsPerPixel; }
    void clear(uint32_t color) override { sum_ += color; }
    [[gnu::noinline]] void line(double x1, double y1, double x2, double y2, uint32_t color) override {
        sum_ += std::abs(x1) + std::abs(y1) + std::abs(x2) + std::abs(y2) + color;
        ++lines_;
    }
    void text(double x, double y, const std::string& s) override { sum_ += x + y + static_cast<double>(s.size()); }
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
    double sum_ = 0;
    long lines_ = 0;
    int lineWidth_ = 1;
};

struct DataCase {
    const char* name;
    int size, neighbours;
    bool newData;  // every redraw finds changed texts
};

// A noisy wave over x = 0 .. 32.766, its items as the list writes them.
qv::GraphDocument dataDocument(const DataCase& c, int variant) {
    qv::GraphDocument doc;
    doc.x_min = -1;
    doc.x_max = 34;
    doc.y_min = -5;
    doc.y_max = 5;
    std::vector<std::string> xs, ys;
    for (int i = 0; i < kPoints; ++i) {
        xs.push_back(qv::strText(i * 0.001 + variant * 1e-6));
        ys.push_back(qv::strText(3 * std::sin(i * 0.01) + 0.25 * std::sin(i * 7.3) + variant * 1e-3));
    }
    doc.data.assign(qv::kXData, xs);
    doc.data.assign(qv::kYData1, ys);
    doc.data_plot = {true, true, true, true, c.size, c.neighbours};
    return doc;
}

// The native side's points: an item that does not parse repeats the one
// before it, as ours does (none fails here, but the loop pays for the test).
struct NativePoints {
    std::vector<double> x, y;
};

void nativeParse(const std::vector<std::string>& items, std::vector<double>& out) {
    out.resize(items.size());
    double last = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const char* p = items[i].data();
        const char* end = p + items[i].size();
        while (p < end && *p == ' ') ++p;
        double v = 0;
        if (std::from_chars(p, end, v).ec == std::errc()) last = v;
        out[i] = last;
    }
}

struct NativeMap {
    double w, h, xMin, xSpan, yMin, ySpan;
    double px(double u) const { return w * (u - xMin) / xSpan; }
    double py(double v) const { return h - h * (v - yMin) / ySpan; }
};

// The line through (x_i, mean of the window for i) for i from first - 1 to
// last; the window of point i starts at i - back. A plain running sum.
void nativeMeans(qv::Canvas& canvas, const NativePoints& p, const NativeMap& m, size_t window, size_t back,
                 size_t first, size_t last, uint32_t color) {
    double sum = 0;
    for (size_t t = first - 1 - back; t < first - 1 - back + window; ++t) sum += p.y[t];
    double prevX = m.px(p.x[first - 1]), prevY = m.py(sum / static_cast<double>(window));
    for (size_t i = first; i <= last; ++i) {
        sum += p.y[i - back + window - 1] - p.y[i - back - 1];
        const double x = m.px(p.x[i]), y = m.py(sum / static_cast<double>(window));
        canvas.line(prevX, prevY, x, y, color);
        prevX = x;
        prevY = y;
    }
}

void nativeDraw(qv::Canvas& canvas, const NativePoints& p, const qv::GraphDocument& doc) {
    const NativeMap m{canvas.width() - 15, canvas.height() - 15, doc.x_min, doc.x_max - doc.x_min,
                      doc.y_min,           doc.y_max - doc.y_min};
    const size_t n = p.y.size();
    std::vector<double> px(n), py(n);
    for (size_t i = 0; i < n; ++i) {
        px[i] = m.px(p.x[i]);
        py[i] = m.py(p.y[i]);
    }
    const uint32_t cross = doc.colors[qv::kPointCross];
    for (size_t i = 0; i < n; ++i) {
        canvas.line(px[i] - 90, py[i], px[i] + 105, py[i], cross);
        canvas.line(px[i], py[i] - 90, px[i], py[i] + 105, cross);
    }
    for (size_t i = 1; i < n; ++i) canvas.line(px[i - 1], py[i - 1], px[i], py[i], doc.colors[qv::kPointConnect]);
    const size_t k = static_cast<size_t>(doc.data_plot.size), nb = static_cast<size_t>(doc.data_plot.neighbours);
    nativeMeans(canvas, p, m, k, k - 1, k, n - 1, doc.colors[qv::kMovingAverage]);
    nativeMeans(canvas, p, m, 2 * nb + 1, nb, nb + 1, n - nb - 1, doc.colors[qv::kDataSmooth]);
}

class DataHarness {
public:
    DataHarness() : math_(rng_), evaluator_(math_, rng_) { evaluator_.setUp(); }

    void ours(NullCanvas& canvas, qv::GraphDocument& doc) {
        state_.prepared.reset();  // every redraw prepares its forms again, as before
        const qv::PlotResult r = qv::Plot(canvas, evaluator_, rewrite_, doc, boxes_, {}, {}, state_, {});
        if (!r.drawn || r.data.crosses != kPoints) die("the redraw did not draw every point");
    }

    static void native(NullCanvas& canvas, const qv::GraphDocument& doc, NativePoints& points, bool parse) {
        canvas.setTextColor(doc.colors[qv::kAxis]);
        qv::AxesInput in;
        in.range = {doc.x_min, doc.x_max, doc.y_min, doc.y_max};
        in.background_color = doc.colors[qv::kBackground];
        in.axis_color = doc.colors[qv::kAxis];
        in.grid_color = doc.colors[qv::kGrid];
        qv::drawAxes(canvas, in);
        if (parse) {
            nativeParse(doc.data.column(qv::kXData), points.x);
            nativeParse(doc.data.selectedColumn(), points.y);
        }
        nativeDraw(canvas, points, doc);
    }

private:
    qv::RandomSource rng_{12345};
    qv::MathLibrary math_;
    qv::Evaluator evaluator_;
    qv::RewriteContext rewrite_;
    qv::PlotBoxes boxes_{"-5", "5", "", "", "0", "0", "-1", "34", "1", "1"};
    qv::PlotState state_;
};

using Clock = std::chrono::steady_clock;

double usSince(Clock::time_point start, int passes) {
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
    return elapsed.count() / passes;
}

void checkSameDrawing(const char* name, const NullCanvas& ours, const NullCanvas& native) {
    const double scale = std::max(std::abs(ours.sum()), std::abs(native.sum()));
    const double d = scale == 0 ? 0 : std::abs(ours.sum() - native.sum()) / scale;
    if (ours.lines() != native.lines() || !(d < kAgreement)) {
        char buf[256];
        std::snprintf(buf, sizeof buf, "%s: ours drew %ld lines (checksum %.17g), native %ld (%.17g)", name,
                      ours.lines(), ours.sum(), native.lines(), native.sum());
        die(buf);
    }
}

struct Timings {
    double ours = INFINITY, native = INFINITY;
};

Timings timeCase(DataHarness& h, const DataCase& c) {
    // Two versions of the data, every x and y item different; a "new data"
    // case alternates between them so that every redraw converts them all.
    qv::GraphDocument docs[2] = {dataDocument(c, 0), dataDocument(c, 1)};
    NativePoints points[2];
    NullCanvas oursCanvas, nativeCanvas;
    for (int v = 0; v < 2; ++v) {
        oursCanvas.reset();
        nativeCanvas.reset();
        h.ours(oursCanvas, docs[v]);
        DataHarness::native(nativeCanvas, docs[v], points[v], true);
        checkSameDrawing(c.name, oursCanvas, nativeCanvas);
    }
    Timings best;
    for (int rep = 0; rep < kRepetitions; ++rep) {
        for (int side = 0; side < 2; ++side) {
            NullCanvas& canvas = (rep + side) % 2 == 0 ? oursCanvas : nativeCanvas;
            canvas.reset();
            const Clock::time_point start = Clock::now();
            for (int i = 0; i < kPassesPerRepetition; ++i) {
                const int v = c.newData ? i % 2 : 0;
                if (&canvas == &oursCanvas) {
                    h.ours(canvas, docs[v]);
                } else {
                    DataHarness::native(canvas, docs[v], points[v], c.newData);
                }
            }
            double& slot = &canvas == &oursCanvas ? best.ours : best.native;
            slot = std::min(slot, usSince(start, kPassesPerRepetition));
            g_dataSink = g_dataSink + canvas.sum();
        }
    }
    return best;
}

}  // namespace

void printDataSummary() {
    DataHarness harness;
    const DataCase cases[] = {
        {"k2-m1", 2, 1, false},
        {"k10000-m10000", 10000, 10000, false},
        {"k2-m1-new-data", 2, 1, true},
        {"k10000-m10000-new-data", 10000, 10000, true},
    };
    for (const DataCase& c : cases) {
        const Timings t = timeCase(harness, c);
        std::printf("data %s: ours %.1f us native %.1f us ratio %.2f\n", c.name, t.ours, t.native,
                    t.ours / t.native);
        std::fflush(stdout);
    }
}
