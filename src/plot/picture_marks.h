#pragma once

#include <cstdint>
#include <vector>

#include "document/graph_document.h"
#include "draw/canvas.h"
#include "draw/viewport.h"
#include "expression/evaluator.h"

// What the picture shows beside the curves and the data: the evaluated
// point's cross, the integral's shading and the "warp" figure. The document
// keeps them (GraphDocument::marks); every picture of the graph, the
// window's, an exported file, a printed page, draws them from there, each at
// its own size: the shading under the curves (so that they stay visible
// through it), the cross and the warp over them.
namespace qv {

// The view range of the document, as the marks are mapped.
ViewRange viewOf(const GraphDocument& doc);

// The cross on an evaluated point at (x, y) in twips: a short arm left and
// up (longer with lines wider than a pixel), a longer one right and down.
void drawPointCross(Canvas& canvas, double x, double y, uint32_t color);

// Vertical lines in `color` from the curve to the horizontal axis, at
// z = lower, lower + step, lower + 2 step, ... (accumulated) while
// z <= upper. A sample that cannot be evaluated counts as 0. Stops silently
// on any other error (a non-numeric sample, a degenerate view range, an
// overflowing position). Returns the number of lines drawn.
int shadeIntegral(Canvas& canvas, const ViewRange& range, Evaluator& evaluator, const PictureMarks::Shading& shading,
                  uint32_t color);

// The warp figure: lines from the horizontal to the vertical centre line,
// spaced by a quarter of the y tick scale, for a canvas of width x height
// twips.
struct WarpLine {
    double x1, y1, x2, y2;
};
std::vector<WarpLine> warpLines(double width, double height, double yMin, double yMax, double yTickScale);

// The colour of the integral's shading: the curve colour seen through at
// a third of its strength over the background, as a translucent fill looks.
uint32_t shadingColor(uint32_t line, uint32_t background);

// Whether a mark lies under the curves (the shading) or over them.
bool drawnUnderCurves(const PictureMarks::Mark& mark);

// One mark drawn onto the canvas, in the document's view and colours.
void drawPictureMark(Canvas& canvas, Evaluator& evaluator, const GraphDocument& doc, const PictureMarks::Mark& mark);

// The marks of the document that go over the curves, in the order they
// were made; drawn after the curves.
void drawPictureMarks(Canvas& canvas, Evaluator& evaluator, const GraphDocument& doc);

// The marks of `doc` that go under the curves; drawn after the axes and
// before the data and the curves.
void drawMarksUnderCurves(Canvas& canvas, Evaluator& evaluator, const GraphDocument& doc);

// A new mark over the curves: kept by the document and drawn at once onto
// the picture that shows it (the window's picture is not redrawn for it).
void addPictureMark(Canvas& picture, Evaluator& evaluator, GraphDocument& doc, PictureMarks::Mark mark);

}  // namespace qv
