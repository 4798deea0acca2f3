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

// True when the samples around the segment a..b show it bends so little that
// its chord is the curve to within a fraction of a pixel, judged from the
// second differences of the neighbouring samples (`before`, `after`, either
// may be null at the curve's ends). No evaluation is needed: this keeps the
// refinement's cost down on smooth curves.
bool chordIsClose(const CurvePoint* before, const CurvePoint& a, const CurvePoint& b, const CurvePoint* after,
                  double pixel);

// Draws the curve between samples a and b through `chord`: whole, in
// pieces, or broken where it has a pole, a jump or no value.
void refineSegment(const CurvePoint& a, const CurvePoint& b, const CurvePointAt& at, const RefineFrame& frame,
                   const CurveChord& chord);

}  // namespace qv
