#pragma once

#include <functional>

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

using CurvePointAt = std::function<CurvePoint(double z)>;
using CurveChord = std::function<void(const CurvePoint&, const CurvePoint&)>;

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

// Draws the curve between samples a and b through `chord`: whole, in
// pieces, or broken where it has a pole, a jump or no value.
void refineSegment(const CurvePoint& a, const CurvePoint& b, const CurvePointAt& at, const RefineFrame& frame,
                   const CurveChord& chord);

}  // namespace qv
