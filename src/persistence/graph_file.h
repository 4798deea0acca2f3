#pragma once

// The graph file: every value a saved graph holds, one line each, in a fixed
// order; the position of a line is its meaning. `GraphFile` is that layout
// as one plain value; one table of its fields, in their order, drives both
// the reader and the writer. The document is converted to and from it
// (document_file.h); nothing else knows the order of the lines.
//
// Texts are UTF-8 here; the byte form on disk is text_encoding's business.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The end markers of the two multi-line fields.
inline constexpr std::string_view kDescriptionEnd = "<FILE_END1>";
inline constexpr std::string_view kHistoryEnd = "<FILE_END2>";
// What a line break inside an equation field is written as: the character
// of code 247, "÷".
inline constexpr std::string_view kEquationBreak = "\xC3\xB7";
// What comes before a "÷" the user typed in an equation field, so that it
// reads back as a "÷" and not as a line break: U+0080, a character no file
// of the old design can hold (they are single bytes, and the byte 0x80 is
// the euro sign). The character itself is written twice.
inline constexpr std::string_view kEquationEscape = "\xC2\x80";

// Limits a file must keep; larger counts are malformed and refused before
// anything is allocated for them.
inline constexpr int kMaxFileEquations = 50;
inline constexpr int kMaxFileListItems = 32767;
// The description and the history: a calculator session of thirty thousand
// evaluations stays well within these, and the history box opens such a
// text in a fraction of a second.
inline constexpr std::size_t kMaxMultiLineFieldLines = 100000;
inline constexpr std::size_t kMaxMultiLineFieldBytes = std::size_t{4} << 20;
// A file larger than this is not a graph file: four full columns of long
// numbers, the longest description and history, and thousands of functions
// take a fraction of it. It is refused before it is read, so a huge file
// costs neither time nor memory.
inline constexpr std::size_t kMaxGraphFileBytes = std::size_t{32} << 20;

struct GraphFile {
    std::string file_marker = "File_Start";
    std::array<std::string, 4> default_ranges{"-5", "5", "-4.16", "4.16"};
    std::array<int64_t, 11> colors{};
    int line_width = 1;
    // "Show Tick Numbers", "Show Grid", "Show Mouse Coordinates": "1" or "0".
    std::string show_tick_numbers = "1", show_grid = "1", show_mouse_coordinates = "1";
    // "&Hide Scrolling Plot", "&Smooth Plotting", "&Auto z Range", "Log x-axis",
    // "Log y-axis", "1 / x-axis", "1 / y-axis".
    std::array<bool, 7> menu_checks{};
    // "Plot all functions as y(z)", "Plot Data", "Autoscale", "Factor of pi",
    // "Radical", "Fraction", "Connect", "Plot Derivative", "2nd Derivative":
    // 0 unchecked, 1 checked, 2 greyed.
    std::array<int, 9> checks{};
    // "x data", "y data (1)", "y data (2)", "y data (3)".
    std::array<bool, 4> column_choices{true, false, false, false};
    std::array<std::string, 4> range_boxes{"-5", "5", "-4.16", "4.16"};
    std::string go_to_z;
    std::string z_min, z_max;
    std::string x_of_z, y_of_z;
    std::string a_min, a_max;
    bool cartesian = true, polar = false;
    std::string calculator_entry;
    std::array<std::string, 10> formula_values{};
    int calculate_from_history = 0;
    // Multi-line: the description label and the history box. Line breaks
    // inside are CR LF.
    std::string description;
    std::string history;
    // The user's equations, eight fields each: title, description, equation
    // and the five variable names.
    std::vector<std::array<std::string, 8>> equations;
    std::array<std::vector<std::string>, 4> columns;
    std::vector<std::string> functions;
    std::string x_tick_scale = "1", y_tick_scale = "1";
    // "Linear", "Quadratic", "Cubic", "Exponential", "Logarithmic", "Gaussian".
    std::array<bool, 6> fit_types{true, false, false, false, false, false};
    std::string data_entry, function_entry, moving_average_size, neighbours;
    int moving_average = 0, smooth = 0;
    std::string statistics_result;
    std::array<std::string, 4> integral_boxes{};
    std::string coordinates_in_pi = "0";
    std::string ans = "0";
    std::array<std::string, 30> vector_boxes{};
    std::array<int, 4> vector_selections{0, 1, 0, 2};
    bool integral_shown = false;
    // "&Parametric Grapher", "&Calculator", "&List", "&Vectors".
    std::array<bool, 4> modes{true, false, false, false};

    bool operator==(const GraphFile&) const = default;
};

// The UTF-8 text of the file, every line ended by CR LF. A field that would
// break the layout is written so that it cannot: a line break in a
// single-line field becomes a blank, and a line of a multi-line field that
// equals its end marker gets a blank after it.
std::string writeGraphFile(const GraphFile& file);

// Why a document cannot be saved as a graph file that opens again: its
// description or history is beyond the limits the reader keeps ("the
// calculator history is longer than 100000 lines"). None when it fits.
std::optional<std::string> oversizedField(const GraphFile& file);

struct GraphFileError {
    int line = 0;          // 1-based
    std::string message;   // what was expected there, and what was found
};

struct GraphFileRead {
    std::optional<GraphFile> file;
    GraphFileError error;  // when there is no file
};

// Reads the UTF-8 text of a whole file (CR LF, LF or CR line ends). Every line
// is checked against its form; the first that does not fit, a multi-line
// field beyond its limits, the end of the text before the layout is
// complete, or a line after it that is not blank, is the error.
GraphFileRead readGraphFile(std::string_view text);

// Both steps between a file's bytes and the value: the encoding and the
// layout.
std::string graphFileBytes(const GraphFile& file);
GraphFileRead readGraphFileBytes(std::string_view bytes);

// "line N: message", as the error is shown and printed.
std::string describe(const GraphFileError& error);

}  // namespace qv
