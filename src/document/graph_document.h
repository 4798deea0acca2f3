#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "document/data_columns.h"
#include "document/function_list.h"
#include "expression/rewrite.h"
#include "expression/value.h"

// The open graph, whole: every value its graph file keeps (the texts of its
// boxes as typed, its check boxes, choices and switches, its lists) and
// what the program keeps beside it while it runs (the view as numbers, the
// marks on the picture, the saved flag). Plain data, owned by the main
// window and passed by reference; the panels show it and write the user's
// edits into it.
namespace qv {

// The window's four exclusive modes.
enum class Mode : unsigned char { Parametric, Calculator, List, Vectors };

// A check box's three states, with the numbers a graph file writes.
enum class CheckMark : unsigned char { Off = 0, On = 1, Greyed = 2 };
constexpr bool isOn(CheckMark c) { return c == CheckMark::On; }
constexpr CheckMark checkMark(bool on) { return on ? CheckMark::On : CheckMark::Off; }

// The curve fits, in the order the data list and the graph file give them.
enum class FitChoice : unsigned char { Linear, Quadratic, Cubic, Exponential, Logarithmic, Gaussian };
inline constexpr int kFitChoiceCount = 6;

// How the picture maps values: the View menu's four axis transformations
// and the polar graphing mode. Every drawing, point evaluation and mouse
// reading takes this one set.
struct AxisSwitches {
    bool log_x = false, log_y = false;
    bool invert_x = false, invert_y = false;  // "1 / x-axis", "1 / y-axis"
    bool polar = false;

    // Whether the graph is a plain cartesian one, as the calculus
    // commands assume.
    bool plain() const { return !log_x && !log_y && !invert_x && !invert_y && !polar; }
    bool operator==(const AxisSwitches&) const = default;
};

// The View menu's plotting switches besides the axis transformations.
struct ViewSwitches {
    bool hide_scrolling_plot = false;
    bool smooth_plotting = false;
    bool auto_z_range = false;
    // Kept in the user's settings, not in graph files. The tick scales
    // follow the range; one unit is as long across as up.
    bool auto_tick_scales = false;
    bool equal_scales = false;
    bool refine_curves = true;
    // The legend naming the curves when more than one is drawn.
    bool legend = true;
    bool operator==(const ViewSwitches&) const = default;
};

// The grapher's boxes, as typed.
struct GraphBoxes {
    // x min, x max, y min, y max.
    std::array<std::string, 4> range{"-5", "5", "-4.16", "4.16"};
    std::string x_tick = "1", y_tick = "1";
    std::string go_to_z;
    std::string z_min, z_max;
    std::string x_of_z, y_of_z;
    std::string a_min, a_max;
    // "Plot all functions as y(z)", "Plot Derivative", "2nd Derivative".
    CheckMark plot_all_functions = CheckMark::Off;
    CheckMark derivative = CheckMark::Off;
    CheckMark second_derivative = CheckMark::Off;
    bool operator==(const GraphBoxes&) const = default;
};

// One of the user's own formulas of the calculator's "User Defined" list.
struct CustomEquation {
    std::string title;        // the list item
    std::string description;
    std::string equation;
    std::array<std::string, 5> names;  // the five variable names

    bool operator==(const CustomEquation&) const = default;
};

// The calculator's entry, its variable values, the answer checks, the
// description and the history.
struct CalculatorState {
    std::string entry;
    std::array<std::string, 10> formula_values{};
    CheckMark from_history = CheckMark::Off;  // "Calculate from history box"
    CheckMark factor_of_pi = CheckMark::Off;
    CheckMark radical = CheckMark::Off;
    CheckMark fraction = CheckMark::Off;
    // Multi-line, with CR LF line breaks.
    std::string description;
    std::string history;
    std::vector<CustomEquation> equations;
    bool operator==(const CalculatorState&) const = default;
};

// The list mode's boxes, checks and choices besides the lists themselves
// (the data column shown is the data columns' selection).
struct ListState {
    FitChoice fit = FitChoice::Linear;
    std::string data_entry, function_entry;
    std::string moving_average_size = "2", neighbours = "1";
    CheckMark plot_data = CheckMark::Off;
    CheckMark autoscale = CheckMark::Off;
    CheckMark connect = CheckMark::Off;
    CheckMark moving_average = CheckMark::Off;
    CheckMark smooth = CheckMark::Off;
    std::string statistics_result;
    bool operator==(const ListState&) const = default;
};

// The definite integral's boxes (x(z), y(z), upper and lower z, in the graph
// file's order) and whether its panel is open.
struct IntegralState {
    std::array<std::string, 4> boxes{};
    bool shown = false;
    bool operator==(const IntegralState&) const = default;
};

// What the picture shows beside the curves and the data: the evaluated
// points' crosses, the shaded integral, the "warp" lines, in the order they
// were drawn (a later one covers an earlier one). Every picture of the graph
// (the window's, an export, a printed page) draws them after the curves, at
// its own size; a redraw that clears the picture clears them.
struct PictureMarks {
    // The cross on an evaluated point, in axis coordinates (the values after
    // the logarithm, the reciprocal or the polar mapping of the view), so
    // that it lands on the same point whatever the picture's size.
    struct Cross {
        double u = 0, v = 0;
        bool operator==(const Cross&) const = default;
    };
    // The integral's shading: the evaluation forms of its x(z) and y(z), and
    // its z range with the step between two lines.
    struct Shading {
        std::string x, y;
        double lower = 0, upper = 0, step = 0;
        bool operator==(const Shading&) const = default;
    };
    // The "warp" figure, drawn from the view's y range and y tick scale.
    struct Warp {
        bool operator==(const Warp&) const = default;
    };
    using Mark = std::variant<Cross, Shading, Warp>;

    std::vector<Mark> drawn;
    bool operator==(const PictureMarks&) const = default;
};

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

    // The boxes, checks and switches of the panels.
    GraphBoxes boxes;
    AxisSwitches axes;
    ViewSwitches view;
    CalculatorState calculator;
    ListState list;
    IntegralState integral;
    // The coordinates read out in multiples of pi: "1" or "0".
    std::string coordinates_in_pi = "0";
    // The four vector lists' choices (-1 none, 0 to 4 the vectors A to E).
    std::array<int, 4> vector_selections{0, 1, 0, 2};
    Mode mode = Mode::Parametric;

    // What the picture shows beside the curves.
    PictureMarks marks;

    // Document status.
    std::string document_path;
    // Nothing is unsaved. Every edit clears it; opening, saving and the
    // plain start set it.
    bool document_saved = true;
    // Opening loads document_path without asking: true until start-up has
    // loaded its file.
    bool open_from_path = true;
    // A top menu was just opened: the next mouse move over the picture
    // belongs to it. Set at start as well.
    bool menu_opened = true;
};

}  // namespace qv
