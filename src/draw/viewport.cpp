#include "draw/viewport.h"

#include <algorithm>

#include "expression/number_text.h"

namespace qv {

namespace {
// Numbers keep this far from the left and top edges.
constexpr double kEdge = 15;
}  // namespace

double usableWidth(const Canvas& canvas) { return canvas.width() - kTwipsPerPixel; }

double usableHeight(const Canvas& canvas) { return canvas.height() - kTwipsPerPixel; }

double mapX(const ViewRange& range, const Canvas& canvas, double u) {
    return usableWidth(canvas) * (u - range.x_min) / (range.x_max - range.x_min);
}

double mapY(const ViewRange& range, const Canvas& canvas, double v) {
    const double h = usableHeight(canvas);
    return h - h * (v - range.y_min) / (range.y_max - range.y_min);
}

AxisPositions axisPositions(const ViewRange& range, const Canvas& canvas) {
    return {mapX(range, canvas, 0), mapY(range, canvas, 0)};
}

double bound(const Canvas& canvas, double pos, bool horizontal, double value, int decimals) {
    if (pos < kEdge) return kEdge;
    const double limit = horizontal ? usableWidth(canvas) - canvas.textWidth(strText(roundHalfEven(value, decimals)))
                                    : usableHeight(canvas) - canvas.textHeight();
    return std::min(pos, limit);
}

}  // namespace qv
