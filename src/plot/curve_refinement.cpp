#include "plot/curve_refinement.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// The length of (dx, dy): a square root where the squares stay finite, as
// they do for every point near the view, hypot's slower care elsewhere.
double length(double dx, double dy) {
    const double squared = dx * dx + dy * dy;
    return std::isfinite(squared) ? std::sqrt(squared) : std::hypot(dx, dy);
}

}  // namespace

namespace refinement_detail {

double distance(const CurvePoint& a, const CurvePoint& b) { return length(b.x - a.x, b.y - a.y); }

double distanceToChord(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace refinement_detail

}  // namespace qv
