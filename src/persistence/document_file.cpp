#include "persistence/document_file.h"

#include <cstddef>
#include <optional>

#include "expression/number_text.h"

namespace qv {

namespace {

// The menu's seven switches in the file's order.
constexpr bool ViewSwitches::*kViewSwitches[3] = {&ViewSwitches::hide_scrolling_plot, &ViewSwitches::smooth_plotting,
                                                  &ViewSwitches::auto_z_range};
constexpr bool AxisSwitches::*kTransformations[4] = {&AxisSwitches::log_x, &AxisSwitches::log_y,
                                                     &AxisSwitches::invert_x, &AxisSwitches::invert_y};

// The nine check boxes the file keeps together, in its order.
struct CheckField {
    CheckMark GraphBoxes::*graph = nullptr;
    CheckMark ListState::*list = nullptr;
    CheckMark CalculatorState::*calculator = nullptr;
};
const CheckField kChecks[9] = {
    {&GraphBoxes::plot_all_functions, nullptr, nullptr},
    {nullptr, &ListState::plot_data, nullptr},
    {nullptr, &ListState::autoscale, nullptr},
    {nullptr, nullptr, &CalculatorState::factor_of_pi},
    {nullptr, nullptr, &CalculatorState::radical},
    {nullptr, nullptr, &CalculatorState::fraction},
    {nullptr, &ListState::connect, nullptr},
    {&GraphBoxes::derivative, nullptr, nullptr},
    {&GraphBoxes::second_derivative, nullptr, nullptr},
};

CheckMark& checkOf(GraphDocument& doc, const CheckField& f) {
    if (f.graph != nullptr) return doc.boxes.*f.graph;
    if (f.list != nullptr) return doc.list.*f.list;
    return doc.calculator.*f.calculator;
}

CheckMark checkOf(const GraphDocument& doc, const CheckField& f) {
    return checkOf(const_cast<GraphDocument&>(doc), f);
}

CheckMark markOf(int n) { return n == 1 ? CheckMark::On : n == 2 ? CheckMark::Greyed : CheckMark::Off; }

// The last option a one-of-many field has chosen; none when none is.
template <std::size_t N>
std::optional<int> chosen(const std::array<bool, N>& options) {
    std::optional<int> last;
    for (std::size_t i = 0; i < N; ++i) {
        if (options[i]) last = static_cast<int>(i);
    }
    return last;
}

template <std::size_t N>
std::array<bool, N> oneOf(int index) {
    std::array<bool, N> options{};
    options[static_cast<std::size_t>(index)] = true;
    return options;
}

}  // namespace

GraphFile graphFileOf(const GraphDocument& doc) {
    GraphFile f;
    f.file_marker = doc.file_marker;
    f.default_ranges = {doc.default_x_min, doc.default_x_max, doc.default_y_min, doc.default_y_max};
    for (std::size_t i = 0; i < f.colors.size(); ++i) f.colors[i] = doc.colors[i];
    f.line_width = doc.line_width;
    f.show_tick_numbers = doc.show_tick_numbers;
    f.show_grid = doc.show_grid;
    f.show_mouse_coordinates = doc.show_mouse_coordinates;
    for (std::size_t i = 0; i < 3; ++i) f.menu_checks[i] = doc.view.*kViewSwitches[i];
    for (std::size_t i = 0; i < 4; ++i) f.menu_checks[3 + i] = doc.axes.*kTransformations[i];
    for (std::size_t i = 0; i < f.checks.size(); ++i) f.checks[i] = static_cast<int>(checkOf(doc, kChecks[i]));
    f.column_choices = oneOf<4>(doc.data.selected());
    const GraphBoxes& b = doc.boxes;
    f.range_boxes = b.range;
    f.go_to_z = b.go_to_z;
    f.z_min = b.z_min;
    f.z_max = b.z_max;
    f.x_of_z = b.x_of_z;
    f.y_of_z = b.y_of_z;
    f.a_min = b.a_min;
    f.a_max = b.a_max;
    f.cartesian = !doc.axes.polar;
    f.polar = doc.axes.polar;
    const CalculatorState& c = doc.calculator;
    f.calculator_entry = c.entry;
    f.formula_values = c.formula_values;
    f.calculate_from_history = static_cast<int>(c.from_history);
    f.description = c.description;
    f.history = c.history;
    for (const CustomEquation& e : c.equations) {
        f.equations.push_back({e.title, e.description, e.equation, e.names[0], e.names[1], e.names[2], e.names[3],
                               e.names[4]});
    }
    for (int col = 0; col < kDataColumnCount; ++col) f.columns[static_cast<std::size_t>(col)] = doc.data.column(col);
    f.functions = doc.functions.entries();
    f.x_tick_scale = b.x_tick;
    f.y_tick_scale = b.y_tick;
    const ListState& l = doc.list;
    f.fit_types = oneOf<kFitChoiceCount>(static_cast<int>(l.fit));
    f.data_entry = l.data_entry;
    f.function_entry = l.function_entry;
    f.moving_average_size = l.moving_average_size;
    f.neighbours = l.neighbours;
    f.moving_average = static_cast<int>(l.moving_average);
    f.smooth = static_cast<int>(l.smooth);
    f.statistics_result = l.statistics_result;
    f.integral_boxes = doc.integral.boxes;
    f.coordinates_in_pi = doc.coordinates_in_pi;
    // Every bit of the answer: "ans" after opening the file is the same number.
    f.ans = doc.ans_value.isNumber() ? roundTripText(doc.ans_value.num) : valueText(doc.ans_value);
    f.vector_boxes = doc.vector_boxes;
    f.vector_selections = doc.vector_selections;
    f.integral_shown = doc.integral.shown;
    f.modes = oneOf<4>(static_cast<int>(doc.mode));
    return f;
}

void readGraphFileInto(const GraphFile& f, GraphDocument& doc) {
    doc.file_marker = f.file_marker;
    doc.default_x_min = f.default_ranges[0];
    doc.default_x_max = f.default_ranges[1];
    doc.default_y_min = f.default_ranges[2];
    doc.default_y_max = f.default_ranges[3];
    for (std::size_t i = 0; i < f.colors.size(); ++i) doc.colors[i] = static_cast<PackedColor>(f.colors[i]);
    doc.line_width = f.line_width;
    doc.show_tick_numbers = f.show_tick_numbers;
    doc.show_grid = f.show_grid;
    doc.show_mouse_coordinates = f.show_mouse_coordinates;
    for (std::size_t i = 0; i < 3; ++i) doc.view.*kViewSwitches[i] = f.menu_checks[i];
    for (std::size_t i = 0; i < 4; ++i) doc.axes.*kTransformations[i] = f.menu_checks[3 + i];
    for (std::size_t i = 0; i < f.checks.size(); ++i) checkOf(doc, kChecks[i]) = markOf(f.checks[i]);
    if (const std::optional<int> column = chosen(f.column_choices)) doc.data.select(*column);
    GraphBoxes& b = doc.boxes;
    b.range = f.range_boxes;
    b.go_to_z = f.go_to_z;
    b.z_min = f.z_min;
    b.z_max = f.z_max;
    b.x_of_z = f.x_of_z;
    b.y_of_z = f.y_of_z;
    b.a_min = f.a_min;
    b.a_max = f.a_max;
    // "Polar" chosen after "Cartesian", as the file's order has them.
    if (f.cartesian) doc.axes.polar = false;
    if (f.polar) doc.axes.polar = true;
    CalculatorState& c = doc.calculator;
    c.entry = f.calculator_entry;
    c.formula_values = f.formula_values;
    c.from_history = markOf(f.calculate_from_history);
    c.description = f.description;
    c.history = f.history;
    c.equations.clear();
    for (const auto& e : f.equations) c.equations.push_back({e[0], e[1], e[2], {e[3], e[4], e[5], e[6], e[7]}});
    for (int col = 0; col < kDataColumnCount; ++col) doc.data.assign(col, f.columns[static_cast<std::size_t>(col)]);
    doc.functions.assign(f.functions);
    b.x_tick = f.x_tick_scale;
    b.y_tick = f.y_tick_scale;
    ListState& l = doc.list;
    if (const std::optional<int> fit = chosen(f.fit_types)) l.fit = static_cast<FitChoice>(*fit);
    l.data_entry = f.data_entry;
    l.function_entry = f.function_entry;
    l.moving_average_size = f.moving_average_size;
    l.neighbours = f.neighbours;
    l.moving_average = markOf(f.moving_average);
    l.smooth = markOf(f.smooth);
    l.statistics_result = f.statistics_result;
    doc.integral.boxes = f.integral_boxes;
    doc.integral.shown = f.integral_shown;
    doc.coordinates_in_pi = f.coordinates_in_pi;
    const std::optional<double> ans = isNumeric(f.ans) ? toNumber(f.ans) : std::nullopt;
    doc.ans_value = ans ? Value::number(*ans) : Value::string(f.ans);
    doc.vector_boxes = f.vector_boxes;
    doc.vector_selections = f.vector_selections;
    if (const std::optional<int> mode = chosen(f.modes)) doc.mode = static_cast<Mode>(*mode);
}

}  // namespace qv
