#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/data_columns.h"
#include "document/function_list.h"
#include "expression/rewrite.h"
#include "expression/value.h"

// The window-level state of the open graph: what several parts of the
// program share besides the texts of their boxes. Plain data, owned by the
// main window and passed by reference.
namespace qv {

// A colour packed as red + 256 * green + 65536 * blue.
using PackedColor = uint32_t;
constexpr PackedColor packColor(int r, int g, int b) {
    return static_cast<PackedColor>(r) + 256u * static_cast<PackedColor>(g) + 65536u * static_cast<PackedColor>(b);
}

enum ColorSlot : int {
    kBackground = 0, kAxis, kPointCross, kFunctionLine, kPointConnect, kMovingAverage,
    kDataSmooth, kDragZoomLines, kDerivative, kSecondDerivative, kGrid, kColorSlotCount,
};

using ColorSlots = std::array<PackedColor, kColorSlotCount>;

constexpr ColorSlots defaultColors() {
    return {packColor(255, 255, 255), packColor(0, 0, 0),     packColor(255, 0, 0),
            packColor(0, 0, 255),     packColor(255, 0, 255), packColor(255, 150, 0),
            packColor(130, 0, 130),   packColor(0, 255, 0),   packColor(0, 255, 255),
            packColor(175, 75, 75),   packColor(200, 200, 200)};
}

struct GraphDocument {
    // The default view range ("Set to default" returns to it).
    std::string default_x_min = "-5", default_x_max = "5";
    std::string default_y_min = "-4.16", default_y_max = "4.16";
    // The current view range, copied from the range boxes.
    double x_min = -5, x_max = 5, y_min = -4.16, y_max = 4.16;
    double x_tick_scale = 1, y_tick_scale = 1;
    int16_t autoscale = 0;
    bool smooth_pass = false;
    int16_t eval_error = 0;
    int16_t calculator_rewrite = 0;
    double const_pi = 3.141592653589793;
    double const_e = 2.718281828459045;
    Value ans_value = Value::number(0);
    std::string export_mode = "normal";
    std::string file_marker = "File_Start";
    ColorSlots colors = defaultColors();
    // The picture area's line width in pixels (1 to 11) and the switches
    // "Show Tick Numbers", "Show Grid" and "Show Mouse Coordinates", each
    // "1" or "0".
    int line_width = 1;
    std::string show_tick_numbers = "1", show_grid = "1", show_mouse_coordinates = "1";
    FunctionNames function_names = defaultFunctionNames();

    // The function list kept beside the graph.
    FunctionList functions;
    // The vector workspace: six texts for each of the vectors A to E (x, y,
    // z, magnitude, angle from the +x axis, angle from the x-y plane).
    std::array<std::string, 30> vector_boxes = [] {
        std::array<std::string, 30> boxes;
        boxes.fill("0");
        return boxes;
    }();
    // The data list and how it is drawn.
    DataColumns data;
    DataPlotOptions data_plot;

    // Document status.
    std::string document_path;
    // Nothing is unsaved. Every edit clears it; opening, saving and the
    // plain start set it.
    bool document_saved = true;
    // Opening loads document_path without asking: true until start-up has
    // loaded its file.
    bool open_from_path = true;
    // The next redraw re-reads and re-prepares the expressions of the boxes.
    bool full_replot = true;
    // A top menu was just opened: the next mouse move over the picture
    // belongs to it. Set at start as well.
    bool menu_opened = true;
};

}  // namespace qv
