#include "draw/viewport.h"

#include <algorithm>
#include <cmath>

#include "expression/number_text.h"

namespace qv {

namespace {
// Twips a tick number's character takes, and the room below the number's
// top that a text line needs.
constexpr double kCharWidth = 90;
constexpr double kTextLineRoom = 210;
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
    double limit = 0;
    if (horizontal) {
        const auto chars = static_cast<double>(plainText(roundHalfEven(std::fabs(value), decimals)).size());
        limit = canvas.width() - kCharWidth * (chars + 1);
    } else {
        limit = canvas.height() - kTextLineRoom;
    }
    return std::min(pos, limit);
}

}  // namespace qv
