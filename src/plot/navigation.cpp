#include "plot/navigation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {

std::pair<double, double> zoomedIn(double min, double max) {
    const double d = (max - min) / 2 * 0.2;
    return {min + d, max - d};
}

std::pair<double, double> zoomedOut(double min, double max) {
    const double d = (max - min) / 2 * 0.25;
    return {min - d, max + d};
}

std::pair<double, double> zoomedAbout(double min, double max, double fraction, bool in) {
    // What the width loses (or gains), shared out on both sides of the point.
    const double shrink = (max - min) * (in ? 0.2 : -0.25);
    return {min + fraction * shrink, max - (1 - fraction) * shrink};
}

ViewRange equalScales(const ViewRange& range, double width, double height) {
    if (!range.valid() || !(width > 0) || !(height > 0)) return range;
    const double wx = range.x_max - range.x_min, wy = range.y_max - range.y_min;
    const double across = width / wx, up = height / wy;  // twips per unit
    if (std::fabs(across - up) <= 1e-12 * std::max(across, up)) return range;
    ViewRange r = range;
    if (across > up) {
        const double grow = (width / up - wx) / 2;
        r.x_min -= grow;
        r.x_max += grow;
    } else {
        const double grow = (height / across - wy) / 2;
        r.y_min -= grow;
        r.y_max += grow;
    }
    return r;
}

double transitionIncrement(double delta, int step) {
    return delta * std::sin(std::numbers::pi * step / kTransitionSteps) / 9.7;
}

}  // namespace qv
