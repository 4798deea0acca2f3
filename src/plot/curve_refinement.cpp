#include "plot/curve_refinement.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace refinement_detail {

double carefulLength(double dx, double dy) { return std::hypot(dx, dy); }

double distanceToChord(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace refinement_detail

}  // namespace qv
