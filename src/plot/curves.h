#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "document/graph_document.h"
#include "expression/evaluator.h"
#include "draw/canvas.h"

// The curve phase of a redraw: sampling z, evaluating x(z) and y(z) (th(z)
// and r(z) in polar mode), the derivative curves, the axis transformations
// and the segments drawn between consecutive samples.
namespace qv {

struct CurveView {
    double x_min = -5, x_max = 5, y_min = -4.16, y_max = 4.16;
    AxisSwitches axes;
    bool derivative = false, secondDerivative = false;
    uint32_t lineColor = 0xFF0000;
    uint32_t derivativeColor = 0xFFFF00;
    uint32_t secondDerivativeColor = 0x4B4BAF;
    // Refined drawing: segments are tested between samples and broken at
    // poles, jumps and failed samples, or subdivided where the chord strays
    // more than half a device pixel from the curve. Off, every sample is
    // joined to the next and a failed one is drawn at 0.
    bool refine = false;
    double devicePixel = 15;  // twips per device pixel
    // Where across the picture (twips) a point of the curve is sought for
    // its legend tag; negative: none is.
    double labelX = -1;
};

// The sampled range: z_start, z_end and the step between samples.
struct SampleRange {
    double start = 0, end = 0, step = 0;
};

// One sample every 30 twips of usable width (W - 15). A width with no room
// for a sample gives a step of 0 (nothing is drawn).
SampleRange sampleRange(double zStart, double zEnd, double canvasWidth);

// What one curve draws from: its x and y forms in evaluator syntax, with
// every "A" already replaced by the animation's value when it runs.
struct CurveForms {
    BoundForm x;
    BoundForm y;
};

// Counts of what a curve drew, for tests, benchmarks and the status line:
// the samples whose x (or y) failed to evaluate, and the first error each.
struct CurveStats {
    int samples = 0;
    int segments = 0;
    int xFailures = 0, yFailures = 0;
    int xError = 0, yError = 0;
    bool stopped = false;  // the redraw was ended before the curve's last sample
    // The drawn point nearest CurveView::labelX, well inside the picture.
    bool labelled = false;
    double labelX = 0, labelY = 0;
};

// Draws one curve (refined, see CurveView::refine). `skipSegment` leaves out the next derivative segments
// (a point that could not take a logarithm); it is cleared at the start of
// a redraw and carries from one curve to the next. `yieldToEvents`, when
// set, runs after every second segment (smooth plotting). Failures never
// stop the drawing: unrefined, a failed evaluation counts as 0 (refined, it
// breaks the curve and its derivative curves); a failed derivative
// keeps its previous value; but a curve none of whose samples evaluates
// (x and y both numbers) draws nothing.
//
// `stopRequested`, when set, is asked after every segment; true ends the
// curve there (`stopped`): what is drawn stays, and lines held back for a
// first good sample that never came are dropped, as for a curve that has
// none.
CurveStats drawCurve(Canvas& canvas, const CurveForms& forms, const SampleRange& range, const CurveView& view,
                     bool& skipSegment, const std::function<void()>& yieldToEvents = {},
                     const std::function<bool()>& stopRequested = {});

// An evaluation form with every "A" replaced by the value in parentheses,
// as the drawing does while the animation of A runs.
std::string withAnimationValue(const std::string& form, double a);

}  // namespace qv
