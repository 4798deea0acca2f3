#include "plot/curve_refinement.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

double distance(const CurvePoint& a, const CurvePoint& b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The distance from p to the segment a..b.
double distanceToChord(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

class Refiner {
public:
    Refiner(const CurvePointAt& at, const RefineFrame& frame, const CurveChord& chord)
        : at_(at), frame_(frame), chord_(chord) {}

    void run(const CurvePoint& a, const CurvePoint& b, int depth) {
        // Between two failed samples the curve is taken to have no value:
        // searching every such gap to the full depth would cost too much.
        if (!a.valid && !b.valid) return;
        if (!a.valid || !b.valid) {
            // The edge of where the curve has values lies inside: close in
            // on it, one half at each step.
            if (depth >= frame_.depth) return;
            split(a, at_(middle(a, b)), b, depth);
            return;
        }
        // Past one edge of the view at both ends: nothing of it can be seen.
        if (beyondOneEdge(a, b) || distance(a, b) <= frame_.pixel / 2) {
            chord_(a, b);
            return;
        }
        const CurvePoint m = at_(middle(a, b));
        if (!m.valid) {
            if (depth < frame_.depth) split(a, m, b, depth);
            return;
        }
        // On a smooth curve each half spans about half the gap; at a jump or
        // a pole one half keeps all of it however small the interval gets.
        const double gap = distance(a, b);
        const bool settles = std::max(distance(a, m), distance(m, b)) <= 0.75 * gap;
        if (depth >= frame_.depth) {
            if (settles || gap <= frame_.pixel) {
                chord_(a, m);
                chord_(m, b);
            }
            return;
        }
        if (!settles || distanceToChord(m, a, b) > frame_.pixel / 2) {
            split(a, m, b, depth);
            return;
        }
        chord_(a, b);
    }

private:
    static double middle(const CurvePoint& a, const CurvePoint& b) { return a.z + (b.z - a.z) / 2; }

    void split(const CurvePoint& a, const CurvePoint& m, const CurvePoint& b, int depth) {
        run(a, m, depth + 1);
        run(m, b, depth + 1);
    }

    bool beyondOneEdge(const CurvePoint& a, const CurvePoint& b) const {
        const double w = frame_.width, h = frame_.height;
        return (a.x < 0 && b.x < 0) || (a.x > w && b.x > w) || (a.y < 0 && b.y < 0) || (a.y > h && b.y > h);
    }

    const CurvePointAt& at_;
    const RefineFrame& frame_;
    const CurveChord& chord_;
};

// The middle of a segment lies about an eighth of the second difference
// away from its chord: whether that is within `allowed` (compared squared,
// as this runs for every segment of every curve).
bool bendsWithin(const CurvePoint& p0, const CurvePoint& p1, const CurvePoint& p2, double allowed) {
    const double dx = p0.x - 2 * p1.x + p2.x, dy = p0.y - 2 * p1.y + p2.y;
    return dx * dx + dy * dy <= 64 * allowed * allowed;
}

}  // namespace

bool chordIsClose(const CurvePoint* before, const CurvePoint& a, const CurvePoint& b, const CurvePoint* after,
                  double pixel) {
    if (!a.valid || !b.valid) return false;
    if ((before == nullptr || !before->valid) && (after == nullptr || !after->valid)) return false;
    // A fifth of the allowed half pixel: the estimate holds for smooth
    // curves only, and a jump of less than a pixel is not worth a search.
    const double allowed = pixel / 10;
    if (before != nullptr && (!before->valid || !bendsWithin(*before, a, b, allowed))) return false;
    if (after != nullptr && (!after->valid || !bendsWithin(a, b, *after, allowed))) return false;
    return true;
}

void refineSegment(const CurvePoint& a, const CurvePoint& b, const CurvePointAt& at, const RefineFrame& frame,
                   const CurveChord& chord) {
    Refiner(at, frame, chord).run(a, b, 0);
}

}  // namespace qv
