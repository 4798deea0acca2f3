#pragma once

#include <algorithm>
#include <cmath>

// Refinement of the segments of a sampled curve: between two samples the
// curve is bisected in z to find where it leaves the view and comes back on
// the other side (a pole), where it jumps, where it cannot be evaluated, and
// where the chord strays from it; the curve is broken at the first three and
// subdivided at the last, so that what is drawn stays within half a device
// pixel of the curve.
namespace qv {

// A sample in picture coordinates (twips); `valid` is false where the curve
// has no point (an evaluation failed).
struct CurvePoint {
    double z = 0, x = 0, y = 0;
    bool valid = false;
};

struct RefineFrame {
    double pixel = 15;              // twips per device pixel
    double width = 0, height = 0;   // the picture, in twips
    int depth = 12;                 // halvings of a sample step at most
};

// True when the three neighbouring samples (all with values) show the curve
// bends so little at p1 that a chord to either neighbour is the curve to
// within a fraction of a pixel, judged from their second difference. A
// segment whose two ends both bend little is drawn as its chord with no
// further evaluation: this keeps the refinement's cost down on smooth curves.
// (Inline: it runs for every segment of every curve.) The middle of a
// segment lies about an eighth of the second difference away from its
// chord; a fifth of the allowed half pixel is asked for, as the estimate
// holds for smooth curves only and a jump of less than a pixel is not worth
// a search. Compared squared.
inline bool bendsLittle(const CurvePoint& p0, const CurvePoint& p1, const CurvePoint& p2, double pixel) {
    if (!p0.valid || !p1.valid || !p2.valid) return false;
    const double dx = p0.x - 2 * p1.x + p2.x, dy = p0.y - 2 * p1.y + p2.y;
    const double allowed = pixel / 10;
    return dx * dx + dy * dy <= 64 * allowed * allowed;
}

namespace refinement_detail {

// The length of (dx, dy): a square root where the squares stay finite, as
// they do for every point near the view, hypot's slower care elsewhere.
double carefulLength(double dx, double dy);
inline double length(double dx, double dy) {
    const double squared = dx * dx + dy * dy;
    return std::isfinite(squared) ? std::sqrt(squared) : carefulLength(dx, dy);
}

// The distance between two points, and from p to the segment a..b.
inline double distance(const CurvePoint& a, const CurvePoint& b) { return length(b.x - a.x, b.y - a.y); }
double distanceToChord(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b);

// Halvings in a row without the gap shrinking that mark a jump or a pole: a
// steep but continuous curve settles within fewer, as its gap halves with
// the interval once the interval is as narrow as its rise.
inline constexpr int kJumpHalvings = 6;

// `At` gives the curve's point at a z, `Chord` draws a piece: called
// directly, as they run many times for every refined segment.
template <typename At, typename Chord>
class Refiner {
public:
    Refiner(const At& at, const RefineFrame& frame, const Chord& chord) : at_(at), frame_(frame), chord_(chord) {}

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

    const At& at_;
    const RefineFrame& frame_;
    const Chord& chord_;
};

}  // namespace refinement_detail

// Draws the curve between samples a and b through `chord(a, b)`: whole, in
// pieces, or broken where it has a pole, a jump or no value. `at(z)` gives
// the curve's CurvePoint at z.
template <typename At, typename Chord>
void refineSegment(const CurvePoint& a, const CurvePoint& b, const At& at, const RefineFrame& frame,
                   const Chord& chord) {
    refinement_detail::Refiner<At, Chord>(at, frame, chord).run(a, b, 0, 0);
}

}  // namespace qv
