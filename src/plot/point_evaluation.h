#pragma once

#include <optional>
#include <string>

#include "document/graph_document.h"
#include "expression/evaluator.h"
#include "expression/rewrite.h"
#include "draw/viewport.h"

// The point evaluation behind "Find x(z), y(z)": the functions' values at a
// typed z and where the point lies on the picture.
namespace qv {

struct PointRequest {
    std::string goToZ;   // the box's display form (after heal)
    std::string x_expr;  // the evaluation forms the last plot kept
    std::string y_expr;
    double a_current = 0;
    bool animationRunning = false;
    AxisSwitches axes;
    ViewRange range;
};

struct PointResult {
    bool zNumeric = false;  // false: z did not evaluate to a number; nothing else is known
    double z = 0;
    Value x, y;             // the untransformed values; Empty where evaluation failed
    double u = 0, v = 0;                // the marker in axis coordinates
    double pictureX = 0, pictureY = 0;  // the same, in twips on the canvas
    // A coordinate that did not evaluate to a number; the marker has a
    // place on the graph only when both did.
    bool xFailed = false, yFailed = false;
    bool marked = false;
};

PointResult evaluatePoint(Evaluator& evaluator, const PointRequest& request, const Canvas& canvas);

// A value as a multiple of pi for the "Freeze" display: rounded to 6
// decimals, a blank for the sign of non-negative numbers, then " * pi".
std::string piMultipleText(double value, double constPi);

}  // namespace qv
