#include "persistence/document_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qv {
namespace {

// A document in which every value the file keeps differs from a new one's.
GraphDocument everyFieldSet() {
    GraphDocument d;
    d.file_marker = "Blue";
    d.default_x_min = "-1";
    d.default_x_max = "3";
    d.default_y_min = "-2";
    d.default_y_max = "6";
    for (std::size_t i = 0; i < d.colors.size(); ++i) d.colors[i] = packColor(static_cast<int>(i), 7, 200);
    d.line_width = 4;
    d.show_tick_numbers = "0";
    d.show_grid = "0";
    d.show_mouse_coordinates = "0";
    d.view = {true, false, true};
    d.axes = {false, true, true, false, true};
    d.boxes.range = {"-1", "3", "-2", "2*pi"};
    d.boxes.x_tick = "0.5";
    d.boxes.y_tick = "pi/2";
    d.boxes.go_to_z = "1.25";
    d.boxes.z_min = "0";
    d.boxes.z_max = "2*pi";
    d.boxes.x_of_z = "3*cos(z)";
    d.boxes.y_of_z = "2*sin(3*z)";
    d.boxes.a_min = "1";
    d.boxes.a_max = "4";
    d.boxes.plot_all_functions = CheckMark::On;
    d.boxes.derivative = CheckMark::Greyed;
    d.boxes.second_derivative = CheckMark::On;
    d.calculator.entry = "sqr(2)";
    for (std::size_t i = 0; i < d.calculator.formula_values.size(); ++i) {
        d.calculator.formula_values[i] = std::to_string(i * 3);
    }
    d.calculator.from_history = CheckMark::On;
    d.calculator.factor_of_pi = CheckMark::On;
    d.calculator.radical = CheckMark::Greyed;
    d.calculator.fraction = CheckMark::On;
    d.calculator.description = "two lines\r\nof description";
    d.calculator.history = "1+1\r\n= 2";
    d.calculator.equations = {{"Area", "of a circle\r\nby radius", "pi*r^2", {"r", "", "", "", ""}},
                              {"Sum ÷", "", "a+b", {"a", "b", "", "", ""}}};
    d.data.assign(0, {"1", "2", "3"});
    d.data.assign(2, {"0.1", "0.30000000000000004"});
    d.data.select(2);
    d.functions.assign({"z^2", "sin(z)"});
    d.list.fit = FitChoice::Logarithmic;
    d.list.data_entry = "4";
    d.list.function_entry = "cos(z)";
    d.list.moving_average_size = "3";
    d.list.neighbours = "2";
    d.list.plot_data = CheckMark::On;
    d.list.autoscale = CheckMark::On;
    d.list.connect = CheckMark::Greyed;
    d.list.moving_average = CheckMark::On;
    d.list.smooth = CheckMark::Greyed;
    d.list.statistics_result = "Mean = 2";
    d.integral.boxes = {"z", "z^2", "0", "1"};
    d.integral.shown = true;
    d.coordinates_in_pi = "1";
    d.ans_value = Value::number(1.0 / 3.0);
    for (std::size_t i = 0; i < d.vector_boxes.size(); ++i) d.vector_boxes[i] = std::to_string(i) + ".5";
    d.vector_selections = {4, 3, -1, 1};
    d.mode = Mode::List;
    return d;
}

GraphDocument throughFile(const GraphDocument& d) {
    const GraphFileRead read = readGraphFileBytes(graphFileBytes(graphFileOf(d)));
    EXPECT_TRUE(read.file.has_value()) << describe(read.error);
    GraphDocument back;
    if (read.file) readGraphFileInto(*read.file, back);
    return back;
}

TEST(DocumentFile, EveryFieldSurvivesWritingAndReading) {
    const GraphDocument d = everyFieldSet();
    const GraphDocument back = throughFile(d);
    EXPECT_EQ(back.file_marker, d.file_marker);
    EXPECT_EQ(back.default_x_min, d.default_x_min);
    EXPECT_EQ(back.default_y_max, d.default_y_max);
    EXPECT_EQ(back.colors, d.colors);
    EXPECT_EQ(back.line_width, d.line_width);
    EXPECT_EQ(back.show_tick_numbers, "0");
    EXPECT_EQ(back.show_grid, "0");
    EXPECT_EQ(back.show_mouse_coordinates, "0");
    EXPECT_EQ(back.view, d.view);
    EXPECT_EQ(back.axes, d.axes);
    EXPECT_EQ(back.boxes, d.boxes);
    EXPECT_EQ(back.calculator, d.calculator);
    EXPECT_EQ(back.list, d.list);
    EXPECT_EQ(back.integral, d.integral);
    for (int c = 0; c < kDataColumnCount; ++c) EXPECT_EQ(back.data.column(c), d.data.column(c)) << "column " << c;
    EXPECT_EQ(back.data.selected(), 2);
    EXPECT_EQ(back.functions.entries(), d.functions.entries());
    EXPECT_EQ(back.coordinates_in_pi, "1");
    ASSERT_TRUE(back.ans_value.isNumber());
    EXPECT_EQ(back.ans_value.num, 1.0 / 3.0);  // every bit
    EXPECT_EQ(back.vector_boxes, d.vector_boxes);
    EXPECT_EQ(back.vector_selections, d.vector_selections);
    EXPECT_EQ(back.mode, Mode::List);
    // And once more: what was read writes the same file.
    EXPECT_EQ(graphFileBytes(graphFileOf(back)), graphFileBytes(graphFileOf(d)));
}

TEST(DocumentFile, OneOfManyFieldsWithoutAChoiceKeepTheDocuments) {
    GraphFile f = graphFileOf(everyFieldSet());
    f.fit_types = {};
    f.modes = {};
    f.column_choices = {};
    f.cartesian = false;
    f.polar = false;
    GraphDocument d;
    d.list.fit = FitChoice::Cubic;
    d.mode = Mode::Vectors;
    d.data.select(3);
    d.axes.polar = true;
    readGraphFileInto(f, d);
    EXPECT_EQ(d.list.fit, FitChoice::Cubic);
    EXPECT_EQ(d.mode, Mode::Vectors);
    EXPECT_EQ(d.data.selected(), 3);
    EXPECT_TRUE(d.axes.polar);
    // Both graphing modes checked: the later one, "Polar", holds.
    f.cartesian = f.polar = true;
    d.axes.polar = false;
    readGraphFileInto(f, d);
    EXPECT_TRUE(d.axes.polar);
}

TEST(DocumentFile, AnAnswerThatIsTextStaysText) {
    GraphDocument d;
    d.ans_value = Value::string("hello");
    const GraphDocument back = throughFile(d);
    EXPECT_FALSE(back.ans_value.isNumber());
    EXPECT_EQ(valueText(back.ans_value), "hello");
}

}  // namespace
}  // namespace qv
