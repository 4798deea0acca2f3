#pragma once

#include "draw/canvas.h"
#include "draw/viewport.h"

// What the mouse over the picture reads: the axis coordinates under it, the
// polar angle and radius, and the range a zoom box encloses.
namespace qv {

struct AxisPoint {
    double x = 0, y = 0;
};

// The axis coordinates of a picture position in twips.
AxisPoint axisPointAt(const ViewRange& range, const Canvas& canvas, double px, double py);

// th from 0 to 2 pi (a point on the positive x axis reads 2 pi) and r.
struct PolarReading {
    double th = 0, r = 0;
};
PolarReading polarReading(double x, double y);

// The range a zoom box drawn from (x1, y1) to (x2, y2), in twips, encloses,
// whichever way it was drawn; nothing for a box of 15 twips or less either way.
bool zoomBoxRange(const ViewRange& range, const Canvas& canvas, double x1, double y1, double x2, double y2,
                  ViewRange& out);

}  // namespace qv
