#include "plot/picture_marks.h"

#include <cmath>
#include <type_traits>
#include <utility>

#include "expression/routines.h"

namespace qv {

namespace {

// One coordinate of a shading sample: a failed evaluation is 0, a value
// arithmetic cannot read ends the shading.
bool sample(const BoundForm& form, double t, double& out) {
    const EvalResult r = form.eval(t);
    if (r.failed()) {
        out = 0;
        return true;
    }
    const NumResult n = toArithmetic(r.value);
    out = n.value;
    return !n.failed();
}

}  // namespace

ViewRange viewOf(const GraphDocument& doc) { return ViewRange{doc.x_min, doc.x_max, doc.y_min, doc.y_max}; }

void drawPointCross(Canvas& canvas, double x, double y, uint32_t color) {
    const double a = canvas.lineWidth() == 1 ? 90 : 105;
    canvas.line(x - a, y, x + 105, y, color);
    canvas.line(x, y - a, x, y + 105, color);
}

int shadeIntegral(Canvas& canvas, const ViewRange& range, Evaluator& evaluator, const PictureMarks::Shading& shading,
                  uint32_t color) {
    const double h = shading.step;
    if (!(h > 0)) return 0;
    const BoundForm x = evaluator.bind(shading.x);
    const BoundForm y = evaluator.bind(shading.y);
    int drawn = 0;
    for (double t = shading.lower; t <= shading.upper; t += h) {
        double xv = 0, yv = 0;
        if (!sample(x, t, xv) || !sample(y, t, yv)) break;
        const double px = mapX(range, canvas, xv);
        const double py = mapY(range, canvas, yv);
        const double py0 = mapY(range, canvas, 0);
        if (!std::isfinite(px) || !std::isfinite(py) || !std::isfinite(py0)) break;
        canvas.line(px, py, px, py0, color);
        ++drawn;
        // Far from 0 a step below half an ulp no longer moves t.
        if (t + h == t) break;
    }
    return drawn;
}

std::vector<WarpLine> warpLines(double width, double height, double yMin, double yMax, double yTickScale) {
    std::vector<WarpLine> lines;
    const double cx = (width - 15) / 2, cy = (height - 15) / 2;
    const double o = (height - 15) * (yMax - std::round(yMax)) / (yMax - yMin);
    const double step = (yTickScale / 4) * height / (yMax - yMin);
    // A step that does not move (or moves by less than a hair) would never
    // end the figure: such a view draws what a hair-wide step would, and
    // no more than this many rounds.
    constexpr int kMaxRounds = 20000;
    if (!std::isfinite(o) || !std::isfinite(step) || step <= 0) return lines;
    int rounds = 0;
    for (double k = 0; k <= height / 2 && rounds < kMaxRounds; k += step, ++rounds) {
        lines.push_back({cx - k, cy, cx, o + k});
        lines.push_back({cx + k, cy, cx, o + k});
        lines.push_back({cx - k, cy, cx, height - 15 - k - o});
        lines.push_back({cx + k, cy, cx, height - 15 - k - o});
    }
    return lines;
}

uint32_t shadingColor(uint32_t line, uint32_t background) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t l = (line >> shift) & 0xFF, b = (background >> shift) & 0xFF;
        out |= ((l + 2 * b + 1) / 3) << shift;
    }
    return out;
}

bool drawnUnderCurves(const PictureMarks::Mark& mark) {
    return std::holds_alternative<PictureMarks::Shading>(mark);
}

void drawPictureMark(Canvas& canvas, Evaluator& evaluator, const GraphDocument& doc, const PictureMarks::Mark& mark) {
    const ViewRange range = viewOf(doc);
    std::visit(
        [&](const auto& m) {
            using Kind = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<Kind, PictureMarks::Cross>) {
                drawPointCross(canvas, mapX(range, canvas, m.u), mapY(range, canvas, m.v), doc.colors[kPointCross]);
            } else if constexpr (std::is_same_v<Kind, PictureMarks::Shading>) {
                shadeIntegral(canvas, range, evaluator, m,
                              shadingColor(doc.colors[kFunctionLine], doc.colors[kBackground]));
            } else {
                for (const WarpLine& l : warpLines(canvas.width(), canvas.height(), doc.y_min, doc.y_max,
                                                   doc.y_tick_scale)) {
                    canvas.line(l.x1, l.y1, l.x2, l.y2, doc.colors[kAxis]);
                }
            }
        },
        mark);
}

void drawPictureMarks(Canvas& canvas, Evaluator& evaluator, const GraphDocument& doc) {
    for (const PictureMarks::Mark& mark : doc.marks.drawn) {
        if (!drawnUnderCurves(mark)) drawPictureMark(canvas, evaluator, doc, mark);
    }
}

void drawMarksUnderCurves(Canvas& canvas, Evaluator& evaluator, const GraphDocument& doc) {
    for (const PictureMarks::Mark& mark : doc.marks.drawn) {
        if (drawnUnderCurves(mark)) drawPictureMark(canvas, evaluator, doc, mark);
    }
}

void addPictureMark(Canvas& picture, Evaluator& evaluator, GraphDocument& doc, PictureMarks::Mark mark) {
    doc.marks.drawn.push_back(std::move(mark));
    drawPictureMark(picture, evaluator, doc, doc.marks.drawn.back());
}

}  // namespace qv
