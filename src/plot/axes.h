#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "draw/canvas.h"
#include "draw/viewport.h"

// The first phase of every redraw: clear the picture area, then draw grid
// lines, tick marks and tick numbers for both axes, then the two axes on top.
// Pure drawing through a Canvas; the caller shows any message.
namespace qv {

struct AxesInput {
    ViewRange range;
    // The distance between ticks in axis units, as the tick-scale boxes hold
    // it. A log axis ignores it for its positions (it ticks 1, 2, ..., 9, 10,
    // 20, ...) but still takes its decimals from it.
    double x_tick_scale = 1, y_tick_scale = 1;
    // In polar mode the four transformations are ignored.
    AxisSwitches axes;
    bool show_grid = true, show_tick_numbers = true;
    // The tick scales of the linear axes are chosen for the range (1, 2 or
    // 5 x 10^k, about five to ten numbers) instead of taken from the boxes.
    bool auto_tick_scales = false;
    uint32_t background_color = 0xFFFFFF, axis_color = 0, grid_color = 0xC8C8C8;
};

enum class TickAxis { X, Y };

// Shown when a tick loop would count too many visible ticks: that axis'
// tick scale is then multiplied by ten until its ticks fit.
struct TickLimitMessage {
    TickAxis axis = TickAxis::X;
    std::string title;
    std::string text;
};

TickLimitMessage tickLimitMessage(TickAxis axis);

struct AxesResult {
    // False when the range was empty or reversed: nothing was cleared or drawn.
    bool drawn = false;
    double axis_x_pos = 0, axis_y_pos = 0;
    // The tick scales after the pass (ten times larger per restart) and the
    // texts the tick-scale boxes are to show.
    double x_tick_scale = 1, y_tick_scale = 1;
    std::string x_tick_box, y_tick_box;
    // How often each axis' scale was multiplied by ten before its ticks fit.
    int x_restarts = 0, y_restarts = 0;
    // One entry per axis whose scale had to grow, in the order they arose.
    std::vector<TickLimitMessage> tick_limit_messages;
};

// Called once for each axis whose scale has to grow, before the area is
// cleared, so the caller can show the message (it may be empty).
using TickLimitHandler = std::function<void(const TickLimitMessage&)>;

// Tick numbers are printed only for ticks inside the area, kept whole inside
// it (see bound), and left out where they would cover a number drawn before
// on the same axis; their tick marks and grid lines stay.
AxesResult drawAxes(Canvas& canvas, const AxesInput& input, const TickLimitHandler& on_tick_limit = {});

}  // namespace qv
