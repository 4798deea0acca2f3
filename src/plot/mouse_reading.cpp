#include "plot/mouse_reading.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {

AxisPoint axisPointAt(const ViewRange& r, const Canvas& canvas, double px, double py) {
    const double w = canvas.width() - 15;
    const double h = canvas.height() - 15;
    return {r.x_min + (r.x_max - r.x_min) * px / w, r.y_min + (r.y_max - r.y_min) * (h - py) / h};
}

PolarReading polarReading(double x, double y) {
    if (x == 0) x = 0.01;
    PolarReading p;
    p.r = std::sqrt(x * x + y * y);
    const double base = std::atan(y / x);
    p.th = base;
    // Each test overrides the one before, as the display always did.
    if (x < 0 && y >= 0) p.th = base + std::numbers::pi;
    if (x <= 0 && y <= 0) p.th = base + std::numbers::pi;
    if (x >= 0 && y <= 0) p.th = base + 2 * std::numbers::pi;
    return p;
}

bool zoomBoxRange(const ViewRange& range, const Canvas& canvas, double x1, double y1, double x2, double y2,
                  ViewRange& out) {
    if (!(std::fabs(x2 - x1) > 15 && std::fabs(y2 - y1) > 15)) return false;
    const AxisPoint a = axisPointAt(range, canvas, std::min(x1, x2), std::max(y1, y2));  // lower left
    const AxisPoint b = axisPointAt(range, canvas, std::max(x1, x2), std::min(y1, y2));  // upper right
    out = {a.x, b.x, a.y, b.y};
    return true;
}

}  // namespace qv
