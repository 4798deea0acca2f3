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

double distance(const CurvePoint& a, const CurvePoint& b) { return length(b.x - a.x, b.y - a.y); }

// The distance from p to the segment a..b.
double distanceToChord(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Halvings in a row without the gap shrinking that mark a jump or a pole: a
// steep but continuous curve settles within fewer, as its gap halves with
// the interval once the interval is as narrow as its rise.
constexpr int kJumpHalvings = 6;

class Refiner {
public:
    Refiner(const CurvePointAt& at, const RefineFrame& frame, const CurveChord& chord)
        : at_(at), frame_(frame), chord_(chord) {}

    // `unsettled` counts the halvings in a row, down to this interval, whose
    // gap did not shrink.
    void run(const CurvePoint& a, const CurvePoint& b, int depth, int unsettled) {
        // Between two failed samples the curve is taken to have no value:
        // searching every such gap to the full depth would cost too much.
        if (!a.valid && !b.valid) return;
        if (!a.valid || !b.valid) {
            // The edge of where the curve has values lies inside: close in
            // on it, one half at each step.
            if (depth >= frame_.depth) return;
            split(a, at_(middle(a, b)), b, depth, 0);
            return;
        }
        // Past one edge of the view at both ends: nothing of it can be seen.
        if (beyondOneEdge(a, b) || distance(a, b) <= frame_.pixel / 2) {
            chord_(a, b);
            return;
        }
        const CurvePoint m = at_(middle(a, b));
        if (!m.valid) {
            if (depth < frame_.depth) split(a, m, b, depth, 0);
            return;
        }
        // On a smooth curve each half spans about half the gap; at a jump or
        // a pole one half keeps all of it however small the interval gets.
        const double gap = distance(a, b);
        const bool settles = std::max(distance(a, m), distance(m, b)) <= 0.75 * gap;
        // A gap that stayed whole through this many halvings is a jump or a
        // pole: the curve is broken there, within a small part of a pixel.
        if (depth >= frame_.depth || (!settles && unsettled + 1 >= kJumpHalvings)) {
            if (settles || gap <= frame_.pixel) {
                chord_(a, m);
                chord_(m, b);
            }
            return;
        }
        if (!settles || distanceToChord(m, a, b) > frame_.pixel / 2) {
            split(a, m, b, depth, settles ? 0 : unsettled + 1);
            return;
        }
        chord_(a, b);
    }

private:
    static double middle(const CurvePoint& a, const CurvePoint& b) { return a.z + (b.z - a.z) / 2; }

    void split(const CurvePoint& a, const CurvePoint& m, const CurvePoint& b, int depth, int unsettled) {
        run(a, m, depth + 1, unsettled);
        run(m, b, depth + 1, unsettled);
    }

    bool beyondOneEdge(const CurvePoint& a, const CurvePoint& b) const {
        const double w = frame_.width, h = frame_.height;
        return (a.x < 0 && b.x < 0) || (a.x > w && b.x > w) || (a.y < 0 && b.y < 0) || (a.y > h && b.y > h);
    }

    const CurvePointAt& at_;
    const RefineFrame& frame_;
    const CurveChord& chord_;
};

}  // namespace

void refineSegment(const CurvePoint& a, const CurvePoint& b, const CurvePointAt& at, const RefineFrame& frame,
                   const CurveChord& chord) {
    Refiner(at, frame, chord).run(a, b, 0, 0);
}

}  // namespace qv
