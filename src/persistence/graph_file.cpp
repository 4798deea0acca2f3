#include "persistence/graph_file.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "appearance/color_options.h"
#include "data/utf8_text.h"
#include "expression/number_text.h"
#include "persistence/text_encoding.h"

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Every line break (CR LF, LF or CR alone) in the text, replaced.
std::string replaceBreaks(std::string_view text, std::string_view with) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += with;
        } else {
            out += c;
        }
    }
    return out;
}

// An equation field on its one line: each line break as "÷", as files of the
// old design have it; a "÷" of the text, and the escape character itself,
// after the escape character.
std::string equationLine(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        const std::string_view two = field.substr(i, 2);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n') ++i;
            out += kEquationBreak;
        } else if (two == kEquationBreak || two == kEquationEscape) {
            out += kEquationEscape;
            out += two;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// The field an equation line holds: "÷" alone is a line break, a "÷" or an
// escape character after the escape character is that character. An
// escape character before anything else stands for itself; it is written
// back doubled, which reads as the same field.
std::string equationField(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
        const std::string_view two = line.substr(i, 2);
        const std::string_view after = line.substr(std::min(i + 2, line.size()), 2);
        if (two == kEquationEscape && (after == kEquationBreak || after == kEquationEscape)) {
            out += after;
            i += 4;
        } else if (two == kEquationBreak) {
            out += kLineEnd;
            i += 2;
        } else {
            out += line[i];
            ++i;
        }
    }
    return out;
}

class Writer {
public:
    explicit Writer(std::size_t reserve) { out_.reserve(reserve); }

    // One line: a line break inside would shift every later line.
    void line(std::string_view text) {
        if (text.find_first_of("\r\n") == std::string_view::npos) {
            out_ += text;
        } else {
            out_ += replaceBreaks(text, " ");
        }
        out_ += kLineEnd;
    }
    void boolean(bool b) { line(b ? "True" : "False"); }
    void integer(int64_t n) { line(std::to_string(n)); }

    // A multi-line field and its end marker. A line of the text that reads
    // as the marker would end the field early; a blank after it keeps it a
    // line of the text.
    void multiLine(std::string_view text, std::string_view marker) {
        const std::string lines = replaceBreaks(text, "\n");
        std::size_t start = 0;
        while (true) {
            const std::size_t end = lines.find('\n', start);
            const std::string_view one = std::string_view(lines).substr(start, end - start);
            out_ += one;
            if (one == marker) out_ += ' ';
            out_ += kLineEnd;
            if (end == std::string::npos) break;
            start = end + 1;
        }
        line(marker);
    }
    template <std::size_t N>
    void lines(const std::array<std::string, N>& texts) {
        for (const std::string& t : texts) line(t);
    }
    void list(const std::vector<std::string>& items) {
        integer(static_cast<int64_t>(items.size()));
        for (const std::string& item : items) line(item);
    }

    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

// Where the line that starts at `pos` ends: at CR LF, LF or a CR alone, the
// same breaks the writer keeps out of a line. A CR inside a line read as part
// of it would be a line break once the field is written back.
std::size_t lineEnd(std::string_view text, std::size_t pos) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::size_t cr = text.substr(pos, end - pos).find('\r');
    return cr == std::string_view::npos ? end : pos + cr;
}

// Where the next line starts, past the break at `end`.
std::size_t afterLineEnd(std::string_view text, std::size_t end) {
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    return end;
}

// Blanks and tabs around a number line are allowed.
std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A shown excerpt of a faulty line: short, on one line, printable.
std::string quoted(std::string_view line) { return "\"" + textExcerpt(line) + "\""; }

// The lines of a text, consumed in order, with the first failure kept.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool failed() const { return failed_; }
    const GraphFileError& error() const { return error_; }

    std::string text(std::string_view what) {
        std::string_view l;
        if (!next(what, l)) return {};
        return std::string(l);
    }
    bool boolean(std::string_view what) {
        std::string_view l;
        if (!next(what, l)) return false;
        const std::string_view t = trimmed(l);
        if (equalsIgnoringCase(t, "True")) return true;
        if (equalsIgnoringCase(t, "False")) return false;
        fail(std::string("expected True or False (") + std::string(what) + "), found " + quoted(l));
        return false;
    }
    int64_t integer(std::string_view what, int64_t low, int64_t high) {
        std::string_view l;
        if (!next(what, l)) return low;
        const std::string_view t = trimmed(l);
        int64_t n = 0;
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
        if (t.empty() || ec != std::errc() || end != t.data() + t.size() || n < low || n > high) {
            fail("expected a whole number from " + std::to_string(low) + " to " + std::to_string(high) + " (" +
                 std::string(what) + "), found " + quoted(l));
            return low;
        }
        return n;
    }
    int check(std::string_view what) { return static_cast<int>(integer(what, 0, 2)); }
    // A number kept as the text it was written as.
    std::string number(std::string_view what) {
        std::string_view l;
        if (!next(what, l)) return {};
        if (!isNumeric(l)) {
            fail("expected a number (" + std::string(what) + "), found " + quoted(l));
            return {};
        }
        return std::string(l);
    }

    // A multi-line field: the lines up to its marker, joined by CR LF; a
    // field that is exactly one line break is empty. The first line belongs
    // to the field even when it reads as the marker (a field is never
    // written without one); it is kept with the blank the writer gives such
    // a line, so that what opens is what a save writes.
    std::string multiLine(std::string_view marker, std::string_view what) {
        std::string_view l;
        if (!next(what, l)) return {};
        std::string field(l);
        if (l == marker) field += ' ';
        const std::string ending = "the line " + std::string(marker) + " that ends " + std::string(what);
        for (std::size_t lines = 1; fits(field, lines, what); ++lines) {
            if (!next(ending, l) || l == marker) break;
            field += kLineEnd;
            field += l;
        }
        if (failed_) return {};
        if (field == kLineEnd) field.clear();
        return field;
    }

    // After the last line of the layout only blank lines may follow: line
    // ends an editor added. Anything else is no part of a graph file.
    void end() {
        std::string_view l;
        while (!failed_ && pos_ < text_.size() && next("", l)) {
            if (!trimmed(l).empty()) fail("the file goes on after its last line: found " + quoted(l));
        }
    }

    // A count and as many lines. The count is checked before anything is
    // allocated for it.
    std::vector<std::string> list(std::string_view what, int max) {
        std::vector<std::string> items;
        const int64_t n = integer(std::string("the number of ") + std::string(what), 0, max);
        if (failed_) return items;
        items.reserve(static_cast<std::size_t>(n));
        for (int64_t i = 0; i < n && !failed_; ++i) items.push_back(text(what));
        return items;
    }

    template <std::size_t N>
    void texts(std::array<std::string, N>& out, std::string_view what) {
        for (std::string& t : out) t = text(what);
    }

private:
    // Whether a multi-line field of so many lines is within its limits.
    bool fits(const std::string& field, std::size_t lines, std::string_view what) {
        if (lines > kMaxMultiLineFieldLines) {
            fail(std::string(what) + " is longer than " + std::to_string(kMaxMultiLineFieldLines) +
                 " lines, more than the program keeps");
        } else if (field.size() > kMaxMultiLineFieldBytes) {
            fail(std::string(what) + " is longer than " + std::to_string(kMaxMultiLineFieldBytes >> 20) +
                 " MiB, more than the program keeps");
        }
        return !failed_;
    }

    bool next(std::string_view what, std::string_view& line) {
        if (failed_) return false;
        ++lineNumber_;
        if (pos_ >= text_.size()) {
            fail("the file ends here; expected " + std::string(what));
            return false;
        }
        const std::size_t end = lineEnd(text_, pos_);
        line = text_.substr(pos_, end - pos_);
        pos_ = afterLineEnd(text_, end);
        return true;
    }
    void fail(std::string message) {
        if (failed_) return;
        failed_ = true;
        error_ = {lineNumber_, std::move(message)};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int lineNumber_ = 0;
    bool failed_ = false;
    GraphFileError error_;
};

}  // namespace

std::string writeGraphFile(const GraphFile& f) {
    std::size_t size = 4096 + f.description.size() + f.history.size();
    for (const auto& column : f.columns) size += column.size() * 24;
    size += f.functions.size() * 48;
    Writer w(size);
    w.line(f.file_marker);
    w.lines(f.default_ranges);
    for (int64_t c : f.colors) w.integer(c);
    w.integer(f.line_width);
    w.line(f.show_tick_numbers);
    w.line(f.show_grid);
    w.line(f.show_mouse_coordinates);
    for (bool b : f.menu_checks) w.boolean(b);
    for (int c : f.checks) w.integer(c);
    for (bool b : f.column_choices) w.boolean(b);
    w.lines(f.range_boxes);
    w.line(f.go_to_z);
    w.line(f.z_min);
    w.line(f.z_max);
    w.line(f.x_of_z);
    w.line(f.y_of_z);
    w.line(f.a_min);
    w.line(f.a_max);
    w.boolean(f.cartesian);
    w.boolean(f.polar);
    w.line(f.calculator_entry);
    w.lines(f.formula_values);
    w.integer(f.calculate_from_history);
    w.multiLine(f.description, kDescriptionEnd);
    w.multiLine(f.history, kHistoryEnd);
    w.integer(static_cast<int64_t>(f.equations.size()));
    for (const auto& equation : f.equations) {
        for (const std::string& field : equation) w.line(equationLine(field));
    }
    for (const auto& column : f.columns) w.list(column);
    w.list(f.functions);
    w.line(f.x_tick_scale);
    w.line(f.y_tick_scale);
    for (bool b : f.fit_types) w.boolean(b);
    w.line(f.data_entry);
    w.line(f.function_entry);
    w.line(f.moving_average_size);
    w.line(f.neighbours);
    w.integer(f.moving_average);
    w.integer(f.smooth);
    w.line(f.statistics_result);
    w.lines(f.integral_boxes);
    w.line(f.coordinates_in_pi);
    w.line(f.ans);
    w.lines(f.vector_boxes);
    for (int s : f.vector_selections) w.integer(s);
    w.boolean(f.integral_shown);
    for (bool b : f.modes) w.boolean(b);
    return w.take();
}

GraphFileRead readGraphFile(std::string_view text) {
    Reader r(text);
    GraphFile f;
    f.file_marker = r.text("the first line");
    for (std::string& range : f.default_ranges) range = r.number("a default range");
    for (int64_t& c : f.colors) c = r.integer("a colour", 0, 0xFFFFFF);
    f.line_width = static_cast<int>(r.integer("the line width", kMinLineSize, kMaxLineSize));
    f.show_tick_numbers = r.text("the tick number switch");
    f.show_grid = r.text("the grid switch");
    f.show_mouse_coordinates = r.text("the mouse coordinate switch");
    for (bool& b : f.menu_checks) b = r.boolean("a menu check");
    for (int& c : f.checks) c = r.check("a check box");
    for (bool& b : f.column_choices) b = r.boolean("a data column choice");
    r.texts(f.range_boxes, "a range box");
    f.go_to_z = r.text("the \"Go to z =\" box");
    f.z_min = r.text("z min");
    f.z_max = r.text("z max");
    f.x_of_z = r.text("x(z)");
    f.y_of_z = r.text("y(z)");
    f.a_min = r.text("A min");
    f.a_max = r.text("A max");
    f.cartesian = r.boolean("the \"Cartesian\" choice");
    f.polar = r.boolean("the \"Polar\" choice");
    f.calculator_entry = r.text("the calculator's entry");
    r.texts(f.formula_values, "a variable value");
    f.calculate_from_history = r.check("the \"Calculate from history box\" check box");
    f.description = r.multiLine(kDescriptionEnd, "the description");
    f.history = r.multiLine(kHistoryEnd, "the history");
    const int64_t equations = r.integer("the number of user equations", 0, kMaxFileEquations);
    if (!r.failed()) f.equations.resize(static_cast<std::size_t>(equations));
    for (auto& equation : f.equations) {
        for (std::string& field : equation) {
            field = equationField(r.text("a field of a user equation"));
        }
    }
    for (auto& column : f.columns) column = r.list("data items", kMaxFileListItems);
    f.functions = r.list("function list items", kMaxFileListItems);
    f.x_tick_scale = r.text("the x tick scale");
    f.y_tick_scale = r.text("the y tick scale");
    for (bool& b : f.fit_types) b = r.boolean("a fit type choice");
    f.data_entry = r.text("the data entry");
    f.function_entry = r.text("the function entry");
    f.moving_average_size = r.text("the moving average size");
    f.neighbours = r.text("the number of neighbours");
    f.moving_average = r.check("the \"Moving Avg.\" check box");
    f.smooth = r.check("the \"Smooth\" check box");
    f.statistics_result = r.text("the statistics result");
    r.texts(f.integral_boxes, "a box of the integral");
    f.coordinates_in_pi = r.text("the multiples-of-pi switch");
    f.ans = r.text("the last answer");
    r.texts(f.vector_boxes, "a vector box");
    for (int& s : f.vector_selections) s = static_cast<int>(r.integer("a vector list choice", -1, 4));
    f.integral_shown = r.boolean("the integral check");
    for (bool& b : f.modes) b = r.boolean("a mode check");
    r.end();

    GraphFileRead result;
    if (r.failed()) {
        result.error = r.error();
    } else {
        result.file = std::move(f);
    }
    return result;
}

std::optional<std::string> oversizedField(const GraphFile& file) {
    const std::pair<const std::string*, const char*> fields[] = {{&file.description, "the description"},
                                                                 {&file.history, "the calculator history"}};
    for (const auto& [text, what] : fields) {
        std::size_t lines = 1;
        for (std::size_t at = text->find(kLineEnd); at != std::string::npos; at = text->find(kLineEnd, at + 2)) ++lines;
        if (lines > kMaxMultiLineFieldLines) {
            return std::string(what) + " is longer than " + std::to_string(kMaxMultiLineFieldLines) +
                   " lines, more than a graph file keeps";
        }
        if (text->size() > kMaxMultiLineFieldBytes) {
            return std::string(what) + " is longer than " + std::to_string(kMaxMultiLineFieldBytes >> 20) +
                   " MiB, more than a graph file keeps";
        }
    }
    return std::nullopt;
}

std::string graphFileBytes(const GraphFile& file) { return encodeFileText(writeGraphFile(file)); }

GraphFileRead readGraphFileBytes(std::string_view bytes) {
    if (bytes.size() > kMaxGraphFileBytes) {
        GraphFileRead result;
        result.error = {0, "The file is too large to be a graph file."};
        return result;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        GraphFileRead result;
        const std::size_t at = bytes.find('\0');
        int line = 1;
        for (std::size_t end = lineEnd(bytes, 0); end < at; end = lineEnd(bytes, afterLineEnd(bytes, end))) {
            ++line;
        }
        result.error = {line, "the file holds binary data, not text"};
        return result;
    }
    return readGraphFile(decodeFileText(bytes));
}

std::string describe(const GraphFileError& error) {
    if (error.line <= 0) return error.message;
    return "line " + std::to_string(error.line) + ": " + error.message;
}

}  // namespace qv
