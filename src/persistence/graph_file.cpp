#include "persistence/graph_file.h"

#include <algorithm>
#include <charconv>
#include <concepts>
#include <cstddef>
#include <type_traits>

#include "appearance/color_options.h"
#include "data/utf8_text.h"
#include "expression/number_text.h"
#include "expression/user_text.h"
#include "persistence/text_encoding.h"

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Where the next line break (CR or LF) from `from` is, or npos.
std::size_t breakAt(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') return i;
    }
    return std::string_view::npos;
}

// Where the line after the break at `at` starts: CR LF is one break.
std::size_t afterBreak(std::string_view text, std::size_t at) {
    return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? at + 2 : at + 1;
}

// Every line break (CR LF, LF or CR alone) in the text, replaced.
std::string replaceBreaks(std::string_view text, std::string_view with) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = breakAt(text, 0); at != std::string_view::npos; at = breakAt(text, start)) {
        out.append(text, start, at - start);
        out += with;
        start = afterBreak(text, at);
    }
    out.append(text, start);
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
        if (breakAt(text, 0) == std::string_view::npos) {
            out_ += text;
        } else {
            out_ += replaceBreaks(text, " ");
        }
        out_ += kLineEnd;
    }
    // True or False only for a bool, a number only for anything else: a
    // switch written as a number, or a number as True or False, would not
    // read back.
    void boolean(std::same_as<bool> auto b) { line(b ? "True" : "False"); }
    template <std::integral N>
        requires(!std::same_as<N, bool>)
    void integer(N n) { line(std::to_string(n)); }

    // A multi-line field and its end marker. A line of the text that reads
    // as the marker would end the field early; a blank after it keeps it a
    // line of the text.
    void multiLine(std::string_view text, std::string_view marker) {
        std::size_t start = 0;
        while (true) {
            const std::size_t end = breakAt(text, start);
            const std::string_view one = text.substr(start, end - start);
            out_ += one;
            if (one == marker) out_ += ' ';
            out_ += kLineEnd;
            if (end == std::string_view::npos) break;
            start = afterBreak(text, end);
        }
        line(marker);
    }
    void list(const std::vector<std::string>& items) {
        integer(items.size());
        for (const std::string& item : items) line(item);
    }
    void equations(const std::vector<std::array<std::string, 8>>& equations) {
        integer(equations.size());
        for (const auto& equation : equations) {
            for (const std::string& field : equation) line(equationLine(field));
        }
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
        fail(fillIn(userText("qv::Texts", "expected True or False (%1), found %2"), {named(what), quoted(l)}));
        return false;
    }
    int64_t integer(std::string_view what, int64_t low, int64_t high) {
        std::string_view l;
        if (!next(what, l)) return low;
        const std::string_view t = trimmed(l);
        int64_t n = 0;
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
        if (t.empty() || ec != std::errc() || end != t.data() + t.size() || n < low || n > high) {
            fail(fillIn(userText("qv::Texts", "expected a whole number from %1 to %2 (%3), found %4"),
                        {std::to_string(low), std::to_string(high), named(what), quoted(l)}));
            return low;
        }
        return n;
    }
    // A number kept as the text it was written as.
    std::string number(std::string_view what) {
        std::string_view l;
        if (!next(what, l)) return {};
        if (!isNumeric(l)) {
            fail(fillIn(userText("qv::Texts", "expected a number (%1), found %2"), {named(what), quoted(l)}));
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
        const std::string ending = fillIn(userText("qv::Texts", "the line %1 that ends %2"), {marker, named(what)});
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
            if (!trimmed(l).empty()) {
                fail(fillIn(userText("qv::Texts", "the file goes on after its last line: found %1"), {quoted(l)}));
            }
        }
    }

    // A count and as many lines. The count is checked before anything is
    // allocated for it.
    std::vector<std::string> list(std::string_view count, std::string_view what, int64_t max) {
        std::vector<std::string> items;
        const int64_t n = integer(count, 0, max);
        if (failed_) return items;
        items.reserve(static_cast<std::size_t>(n));
        for (int64_t i = 0; i < n && !failed_; ++i) items.push_back(text(what));
        return items;
    }
    std::vector<std::array<std::string, 8>> equations(std::string_view count, std::string_view what, int64_t max) {
        std::vector<std::array<std::string, 8>> equations;
        const int64_t n = integer(count, 0, max);
        if (failed_) return equations;
        equations.resize(static_cast<std::size_t>(n));
        for (auto& equation : equations) {
            for (std::string& field : equation) field = equationField(text(what));
        }
        return equations;
    }

private:
    // Whether a multi-line field of so many lines is within its limits.
    bool fits(const std::string& field, std::size_t lines, std::string_view what) {
        if (lines > kMaxMultiLineFieldLines) {
            fail(fillIn(userText("qv::Texts", "%1 is longer than %2 lines, more than the program keeps"),
                        {named(what), std::to_string(kMaxMultiLineFieldLines)}));
        } else if (field.size() > kMaxMultiLineFieldBytes) {
            fail(fillIn(userText("qv::Texts", "%1 is longer than %2 MiB, more than the program keeps"),
                        {named(what), std::to_string(kMaxMultiLineFieldBytes >> 20)}));
        }
        return !failed_;
    }

    bool next(std::string_view what, std::string_view& line) {
        if (failed_) return false;
        ++lineNumber_;
        if (pos_ >= text_.size()) {
            fail(fillIn(userText("qv::Texts", "the file ends here; expected %1"), {named(what)}));
            return false;
        }
        const std::size_t end = lineEnd(text_, pos_);
        line = text_.substr(pos_, end - pos_);
        pos_ = afterLineEnd(text_, end);
        return true;
    }
    // A field's description (QV_TR in the layout below) in the user's
    // language; a description made here is in it already.
    static std::string named(std::string_view what) { return userText("qv::Texts", std::string(what).c_str()); }

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

// The kinds of a field's lines. A field whose member is an array is that
// many fields of the kind, one after the other.
enum class Kind {
    Text,       // one line, kept as it is
    Number,     // one line that must be a number, kept as its text
    Boolean,    // True or False
    Integer,    // a whole number within bounds
    MultiLine,  // lines up to an end marker
    List,       // a count, then as many lines
    Equations,  // a count, then eight escaped lines for each equation
};

struct Field;
using WriteField = void (*)(Writer&, const Field&, const GraphFile&);
using ReadField = void (*)(Reader&, const Field&, GraphFile&);

// One field of the file: how its lines are written and read, and what the
// reader's messages call them.
struct Field {
    WriteField write;
    ReadField read;
    std::string_view what;    // one of its lines ("a colour")
    std::string_view count;   // a list's count line ("the number of data items")
    std::string_view marker;  // a multi-line field's end marker
    int64_t low, high;        // an integer's bounds; a list's largest count
};

// The member itself, or each element of an array member.
template <class T>
inline constexpr bool kIsArray = false;
template <class T, std::size_t N>
inline constexpr bool kIsArray<std::array<T, N>> = true;

template <class Member, class Visit>
void each(Member& member, Visit visit) {
    if constexpr (kIsArray<std::remove_const_t<Member>>) {
        for (auto& value : member) visit(value);
    } else {
        visit(member);
    }
}

template <Kind K, auto M>
void writeAs(Writer& w, const Field& field, const GraphFile& f) {
    each(f.*M, [&](const auto& value) {
        if constexpr (K == Kind::Text || K == Kind::Number) w.line(value);
        else if constexpr (K == Kind::Boolean) w.boolean(value);
        else if constexpr (K == Kind::Integer) w.integer(value);
        else if constexpr (K == Kind::MultiLine) w.multiLine(value, field.marker);
        else if constexpr (K == Kind::List) w.list(value);
        else w.equations(value);
    });
}

template <Kind K, auto M>
void readAs(Reader& r, const Field& field, GraphFile& f) {
    each(f.*M, [&]<class T>(T& value) {
        if constexpr (K == Kind::Text) value = r.text(field.what);
        else if constexpr (K == Kind::Number) value = r.number(field.what);
        else if constexpr (K == Kind::Boolean) value = r.boolean(field.what);
        else if constexpr (K == Kind::Integer) value = static_cast<T>(r.integer(field.what, field.low, field.high));
        else if constexpr (K == Kind::MultiLine) value = r.multiLine(field.marker, field.what);
        else if constexpr (K == Kind::List) value = r.list(field.count, field.what, field.high);
        else value = r.equations(field.count, field.what, field.high);
    });
}

// A row of the table: the member M read and written as kind K.
template <Kind K, auto M>
constexpr Field as(std::string_view what, int64_t low = 0, int64_t high = 0, std::string_view count = {},
                   std::string_view marker = {}) {
    return {&writeAs<K, M>, &readAs<K, M>, what, count, marker, low, high};
}
template <auto M>
constexpr Field text(std::string_view what) { return as<Kind::Text, M>(what); }
template <auto M>
constexpr Field number(std::string_view what) { return as<Kind::Number, M>(what); }
template <auto M>
constexpr Field boolean(std::string_view what) { return as<Kind::Boolean, M>(what); }
template <auto M>
constexpr Field integer(std::string_view what, int64_t low, int64_t high) {
    return as<Kind::Integer, M>(what, low, high);
}
// A check box: 0 unchecked, 1 checked, 2 greyed.
template <auto M>
constexpr Field check(std::string_view what) { return as<Kind::Integer, M>(what, 0, 2); }
template <auto M>
constexpr Field multiLine(std::string_view what, std::string_view marker) {
    return as<Kind::MultiLine, M>(what, 0, 0, {}, marker);
}
template <auto M>
constexpr Field list(std::string_view count, std::string_view what, int64_t max) {
    return as<Kind::List, M>(what, 0, max, count);
}
template <auto M>
constexpr Field equations(std::string_view count, std::string_view what, int64_t max) {
    return as<Kind::Equations, M>(what, 0, max, count);
}

using F = GraphFile;

// The file, field by field in the order of its lines. Both the writer and the
// reader walk this table; nothing else knows the order.
constexpr Field kFields[] = {
    text<&F::file_marker>(QV_TR("qv::Texts", "the first line")),
    number<&F::default_ranges>(QV_TR("qv::Texts", "a default range")),
    integer<&F::colors>(QV_TR("qv::Texts", "a colour"), 0, 0xFFFFFF),
    integer<&F::line_width>(QV_TR("qv::Texts", "the line width"), kMinLineSize, kMaxLineSize),
    text<&F::show_tick_numbers>(QV_TR("qv::Texts", "the tick number switch")),
    text<&F::show_grid>(QV_TR("qv::Texts", "the grid switch")),
    text<&F::show_mouse_coordinates>(QV_TR("qv::Texts", "the mouse coordinate switch")),
    boolean<&F::menu_checks>(QV_TR("qv::Texts", "a menu check")),
    check<&F::checks>(QV_TR("qv::Texts", "a check box")),
    boolean<&F::column_choices>(QV_TR("qv::Texts", "a data column choice")),
    text<&F::range_boxes>(QV_TR("qv::Texts", "a range box")),
    text<&F::go_to_z>(QV_TR("qv::Texts", "the \"Go to z =\" box")),
    text<&F::z_min>(QV_TR("qv::Texts", "z min")),
    text<&F::z_max>(QV_TR("qv::Texts", "z max")),
    text<&F::x_of_z>(QV_TR("qv::Texts", "x(z)")),
    text<&F::y_of_z>(QV_TR("qv::Texts", "y(z)")),
    text<&F::a_min>(QV_TR("qv::Texts", "A min")),
    text<&F::a_max>(QV_TR("qv::Texts", "A max")),
    boolean<&F::cartesian>(QV_TR("qv::Texts", "the \"Cartesian\" choice")),
    boolean<&F::polar>(QV_TR("qv::Texts", "the \"Polar\" choice")),
    text<&F::calculator_entry>(QV_TR("qv::Texts", "the calculator's entry")),
    text<&F::formula_values>(QV_TR("qv::Texts", "a variable value")),
    check<&F::calculate_from_history>(QV_TR("qv::Texts", "the \"Calculate from history box\" check box")),
    multiLine<&F::description>(QV_TR("qv::Texts", "the description"), kDescriptionEnd),
    multiLine<&F::history>(QV_TR("qv::Texts", "the history"), kHistoryEnd),
    equations<&F::equations>(QV_TR("qv::Texts", "the number of user equations"),
                             QV_TR("qv::Texts", "a field of a user equation"), kMaxFileEquations),
    list<&F::columns>(QV_TR("qv::Texts", "the number of data items"), QV_TR("qv::Texts", "data items"),
                      kMaxFileListItems),
    list<&F::functions>(QV_TR("qv::Texts", "the number of function list items"),
                        QV_TR("qv::Texts", "function list items"), kMaxFileListItems),
    text<&F::x_tick_scale>(QV_TR("qv::Texts", "the x tick scale")),
    text<&F::y_tick_scale>(QV_TR("qv::Texts", "the y tick scale")),
    boolean<&F::fit_types>(QV_TR("qv::Texts", "a fit type choice")),
    text<&F::data_entry>(QV_TR("qv::Texts", "the data entry")),
    text<&F::function_entry>(QV_TR("qv::Texts", "the function entry")),
    text<&F::moving_average_size>(QV_TR("qv::Texts", "the moving average size")),
    text<&F::neighbours>(QV_TR("qv::Texts", "the number of neighbours")),
    check<&F::moving_average>(QV_TR("qv::Texts", "the \"Moving Avg.\" check box")),
    check<&F::smooth>(QV_TR("qv::Texts", "the \"Smooth\" check box")),
    text<&F::statistics_result>(QV_TR("qv::Texts", "the statistics result")),
    text<&F::integral_boxes>(QV_TR("qv::Texts", "a box of the integral")),
    text<&F::coordinates_in_pi>(QV_TR("qv::Texts", "the multiples-of-pi switch")),
    text<&F::ans>(QV_TR("qv::Texts", "the last answer")),
    text<&F::vector_boxes>(QV_TR("qv::Texts", "a vector box")),
    integer<&F::vector_selections>(QV_TR("qv::Texts", "a vector list choice"), -1, 4),
    boolean<&F::integral_shown>(QV_TR("qv::Texts", "the integral check")),
    boolean<&F::modes>(QV_TR("qv::Texts", "a mode check")),
};

}  // namespace

std::string writeGraphFile(const GraphFile& f) {
    std::size_t size = 4096 + f.description.size() + f.history.size();
    for (const auto& column : f.columns) size += column.size() * 24;
    size += f.functions.size() * 48;
    Writer w(size);
    for (const Field& field : kFields) field.write(w, field, f);
    return w.take();
}

GraphFileRead readGraphFile(std::string_view text) {
    Reader r(text);
    GraphFile f;
    for (const Field& field : kFields) field.read(r, field, f);
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
    const std::pair<const std::string*, const char*> fields[] = {
        {&file.description, QV_TR("qv::Texts", "the description")},
        {&file.history, QV_TR("qv::Texts", "the calculator history")}};
    for (const auto& [text, what] : fields) {
        std::size_t lines = 1;
        for (std::size_t at = text->find(kLineEnd); at != std::string::npos; at = text->find(kLineEnd, at + 2)) ++lines;
        if (lines > kMaxMultiLineFieldLines) {
            return fillIn(userText("qv::Texts", "%1 is longer than %2 lines, more than a graph file keeps"),
                          {userText("qv::Texts", what), std::to_string(kMaxMultiLineFieldLines)});
        }
        if (text->size() > kMaxMultiLineFieldBytes) {
            return fillIn(userText("qv::Texts", "%1 is longer than %2 MiB, more than a graph file keeps"),
                          {userText("qv::Texts", what), std::to_string(kMaxMultiLineFieldBytes >> 20)});
        }
    }
    return std::nullopt;
}

std::string graphFileBytes(const GraphFile& file) {
    std::string text = writeGraphFile(file);
    // ASCII reads the same in both encodings: no copy.
    if (isAscii(text)) return text;
    return encodeFileText(text);
}

GraphFileRead readGraphFileBytes(std::string_view bytes) {
    if (bytes.size() > kMaxGraphFileBytes) {
        GraphFileRead result;
        result.error = {0, userText("qv::Texts", "The file is too large to be a graph file.")};
        return result;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        GraphFileRead result;
        const std::size_t at = bytes.find('\0');
        int line = 1;
        for (std::size_t end = lineEnd(bytes, 0); end < at; end = lineEnd(bytes, afterLineEnd(bytes, end))) {
            ++line;
        }
        result.error = {line, userText("qv::Texts", "the file holds binary data, not text")};
        return result;
    }
    return readGraphFile(decodeFileText(bytes));
}

std::string describe(const GraphFileError& error) {
    if (error.line <= 0) return error.message;
    return fillIn(userText("qv::Texts", "line %1: %2"), {std::to_string(error.line), error.message});
}

}  // namespace qv
