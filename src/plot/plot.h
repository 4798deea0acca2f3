#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "expression/evaluator.h"
#include "expression/rewrite.h"
#include "plot/axes.h"
#include "plot/data_points.h"
#include "plot/legend.h"
#include "draw/canvas.h"

// Plot: the one redraw of the graph. The frame (range check, axes, ticks,
// grid), the data autoscale, the preparation of the typed inputs, the data
// points and the curves, drawn through a canvas; the window gathers the
// boxes' texts and writes them back.
namespace qv {

// The texts of the boxes a redraw reads and writes back.
struct PlotBoxes {
    std::string zMin, zMax, x, y, aMin, aMax;  // Text6 .. Text11
    std::string xMinBox, xMaxBox;              // Text1, Text2 ("Auto z Range" reads them)
    std::string xTickBox, yTickBox;            // Text17, Text18
    // Text3, Text4. The data autoscale writes all four range boxes; their
    // change handlers then move the view.
    std::string yMinBox{}, yMaxBox{};
};

struct PlotOptions {
    AxisSwitches axes;
    bool derivative = false, secondDerivative = false;
    bool plotAllFunctions = false;
    bool autoZRange = false;
    bool showGrid = true, showTickNumbers = true;
    // Only the frame is drawn (a scrolling transition with "Hide Scrolling Plot").
    bool frameOnly = false;
    bool animationRunning = false;
    // Curves drawn refined (broken at poles and jumps, smooth at any zoom),
    // for a screen of `pixelRatio` device pixels to a pixel.
    bool refineCurves = false;
    double pixelRatio = 1;
};

// The box texts values were prepared from, and the picture width the z step
// was taken for.
struct PreparedFrom {
    std::string zMin, zMax, x, y, aMin, aMax;
    double width = 0;
    bool operator==(const PreparedFrom&) const = default;
};

// Values prepared from the boxes, kept from one redraw to the next. A redraw
// prepares them again when the boxes no longer hold what they were prepared
// from (a new picture width takes a new z step only).
struct PlotState {
    double z_start = 0, z_end = 0, z_step = 0;
    std::string x_expr, y_expr, x_copy, y_copy;
    // The y(z) box's text as the preparation left it; while the box still
    // holds it, y_expr is its form (a text the rewriting could not restore
    // stays in the box as typed, and its form fails to evaluate).
    std::string y_shown;
    // Why a range box gave no value ("z min: Division by zero"), and the
    // names the range boxes read as unset variables.
    std::string range_error;
    std::vector<std::string> unset_names;
    double a_start = 0, a_end = 0, a_current = 0;
    bool skip_segment = false;
    bool smooth_pass = false;
    bool animation_request = false;
    // The data points as converted from the list's texts, kept for the next redraw.
    DataSeriesCache data_series;
    // What the values were prepared from; none before the first redraw, or
    // when they must be prepared again whatever the boxes hold.
    std::optional<PreparedFrom> prepared;
    // While set, an edit of x(z) or y(z) alone does not make the prepared
    // forms stale: the colour effect keeps drawing the curves it started
    // with until "Plot Line" asks for the boxes again.
    bool hold_expressions = false;
};

// What the window does at the steps of a redraw that belong to it.
struct PlotHooks {
    std::function<void(const TickLimitMessage&)> tickLimit;   // show the message
    std::function<void()> yieldToEvents;                      // smooth plotting
    std::function<void(const DataMessage&)> dataMessage;  // an oversized average (OK only)
    std::function<void()> hideReadouts;                       // before curves, unless animated
    std::function<void()> restoreReadouts;                    // after curves
    std::function<void(int curve)> afterCurve;                // the point evaluation
    std::function<void()> underCurves;  // after the axes, before the data: the shading
    std::function<void()> startAnimation;                     // at the end, when requested
    // Asked before each curve and after every segment, with the curve being
    // drawn (from 0) and the number of curves; true ends the redraw there
    // (Esc or "Stop" in the window, which also lets a long redraw's events
    // in here). What was drawn stays; the rest of the curves, their point
    // evaluations and the animation's start are left out.
    std::function<bool(int curve, int curves)> stopRequested;
};

struct PlotResult {
    // The boxes' texts as the redraw left them: rewritten into their display
    // forms, blanks dropped, the z range of "Auto z Range", and the ranges a
    // data autoscale fitted. The caller puts them into the document.
    PlotBoxes boxes;
    // false: the range was empty or reversed, nothing changed. true: the
    // picture was cleared, and the document's marks with it.
    bool drawn = false;
    int curves = 0;
    int segments = 0;
    // The data autoscale ran: the range and z boxes hold the fitted ranges.
    bool autoscaled = false;
    DataDrawStats data;
    // The redraw was ended through stopRequested; the status says where.
    bool stopped = false;
    // Set when the curves were to be drawn: why a curve drew nothing ("z min
    // is empty", "x(z): Type mismatch at every sample"), or empty when all
    // went well. Unset for a pass that drew no curves by design (a frame
    // only, nothing typed yet).
    std::optional<std::string> status;
    // The status is only a note (names read as 0): a message raised while
    // drawing says more and takes its place.
    bool statusIsNote = false;
    // The curves drawn (or begun, when stopped), in drawing order, for the
    // legend that is drawn last, over the marks.
    std::vector<LegendEntry> legend;
};

PlotResult Plot(Canvas& canvas, Evaluator& evaluator, RewriteContext& rewrite, GraphDocument& doc,
                const PlotBoxes& typed, const std::vector<std::string>& functionList, const PlotOptions& options,
                PlotState& state, const PlotHooks& hooks);

}  // namespace qv
