#pragma once

#include "draw/canvas.h"

// The mapping between axis coordinates and the picture area. The x axis is
// drawn in a coordinate u and the y axis in v (x itself, log10 x or 1/x,
// depending on the axis transformation); the view range is given in u and v.
// The usable extent of the area is one pixel (15 twips) short of its size on
// both sides, so the right and bottom edges stay free.
namespace qv {

struct ViewRange {
    double x_min = -5, x_max = 5, y_min = -4.16, y_max = 4.16;

    // Both widths positive; a NaN bound makes the range invalid too.
    bool valid() const { return x_max - x_min > 0 && y_max - y_min > 0; }
};

// The usable extent of the area: width (height) less one pixel.
double usableWidth(const Canvas& canvas);
double usableHeight(const Canvas& canvas);

// Horizontal position in twips of axis coordinate u: 0 at x_min, the usable
// width at x_max. The canvas size is read afresh at every call.
double mapX(const ViewRange& range, const Canvas& canvas, double u);
// Vertical position in twips of axis coordinate v: the usable height at
// y_min, 0 at y_max (the area's y grows downwards).
double mapY(const ViewRange& range, const Canvas& canvas, double v);

// Where the two axes lie: axis_x_pos is the horizontal position of the
// vertical axis (u = 0), axis_y_pos the vertical position of the horizontal
// axis (v = 0). Either may lie outside the area.
struct AxisPositions {
    double axis_x_pos = 0;
    double axis_y_pos = 0;
};
AxisPositions axisPositions(const ViewRange& range, const Canvas& canvas);

// Keeps a tick number inside the area. pos is its left (horizontal) or top
// (vertical) position; value and decimals are the number to be printed, in
// its print form (sign or blank, then the digits of the value rounded to the
// decimals). A position before 15 twips becomes 15; a position whose text
// would reach past the usable extent is moved back so the whole text fits:
// its measured width horizontally, a text line vertically.
double bound(const Canvas& canvas, double pos, bool horizontal, double value, int decimals);

}  // namespace qv
