#include "persistence/graph_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "persistence/text_encoding.h"

namespace qv {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF at the end";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string text;
    for (const std::string& l : lines) text += l + end;
    return text;
}

struct EncodingCase {
    const char* name;
    std::string text;   // UTF-8
    std::string bytes;  // as written
};

const EncodingCase kEncodings[] = {
    {"ascii", "x(z) = 2*z", "x(z) = 2*z"},
    {"latin letters", "caf\xC3\xA9 \xC3\xB7", "caf\xE9 \xF7"},
    {"the code page's own high row", "\xE2\x82\xAC \xE2\x80\x9C\xC5\xA0", "\x80 \x93\x8A"},
    {"an unused byte stands for itself", "\xC2\x81", "\x81"},
    {"a character the code page lacks", "\xE4\xB8\xAD \xC3\xA9", "\xE4\xB8\xAD \xC3\xA9"},
    // C3 A9 as single bytes would read back as UTF-8 "é".
    {"single bytes that look like UTF-8", "\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9"},
};

TEST(TextEncoding, WritesTheCodePageWheneverItReadsBackTheSame) {
    for (const EncodingCase& c : kEncodings) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(encodeFileText(c.text), c.bytes);
        EXPECT_EQ(decodeFileText(c.bytes), c.text);
    }
}

TEST(TextEncoding, ReadsUtf8WhenValidAndTheCodePageOtherwise) {
    const std::pair<std::string, std::string> kReads[] = {
        {"\xEF\xBB\xBFok", "ok"},                    // byte order mark dropped
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},            // overlong: single bytes
        {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},        // cut off at the end
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // a surrogate half
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},  // above U+10FFFF
    };
    for (const auto& [bytes, text] : kReads) {
        EXPECT_EQ(decodeFileText(bytes), text);
        EXPECT_TRUE(isValidUtf8(decodeFileText(bytes)));
    }
    // Every byte has a character, and back.
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(utf8ToWindows1252(windows1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

// A file of the old design, typed out: CR LF, single bytes, "é" in the
// description, two equations, data and functions.
std::vector<std::string> oldFileLines() {
    std::vector<std::string> l = {"File_Start", "-10", "10", "-8", "8"};
    for (int i = 0; i < 11; ++i) l.push_back(std::to_string(i * 1000));
    l.insert(l.end(), {"2", "1", "0", "1", "False", "True", "False", "False", "False", "False", "False"});
    l.insert(l.end(), {"0", "1", "0", "0", "1", "0", "1", "0", "0"});
    l.insert(l.end(), {"False", "True", "False", "False", "-10", "10", "-8", "8", "1.5", "-pi", "pi", "cos(z)",
                       "sin(z)", "0", "1", "True", "False", "3*4"});
    for (int i = 0; i < 10; ++i) l.push_back(i == 0 ? "3" : "");
    l.push_back("0");
    l.insert(l.end(), {"Aire d'un cercle, caf\xE9", "  second line", "<FILE_END1>", " 3*4", "  = 12", "<FILE_END2>"});
    l.insert(l.end(), {"2", "Circle", "Area\xF7of a circle", "pi*r^2", "r", "", "", "", "", "Square", "", "s^2", "s",
                       "", "", "", ""});
    l.insert(l.end(), {"3", " 1", " 2", " 3", "3", " 2", " 4", " 6", "0", "0"});
    l.insert(l.end(), {"1", "2*(z)+(0)"});
    l.insert(l.end(), {"1", "0.5", "True", "False", "False", "False", "False", "False", " 7", "2*(z)+(0)", "3", "2",
                       "0", "1", "Mean = 4", "0", "1", "", "", "1"});
    l.push_back("12");
    for (int i = 0; i < 30; ++i) l.push_back(i % 6 == 0 ? "1" : "0");
    l.insert(l.end(), {"0", "1", "4", "2", "False", "False", "True", "False", "False"});
    return l;
}

TEST(GraphFileRead, AFileOfTheOldDesignOpensWithEveryFieldInPlace) {
    const std::string bytes = joinLines(oldFileLines());
    const GraphFileRead read = readGraphFileBytes(bytes);
    ASSERT_TRUE(read.file) << describe(read.error);
    const GraphFile& f = *read.file;
    EXPECT_EQ(f.default_ranges[3], "8");
    EXPECT_EQ(f.colors[10], 10000);
    EXPECT_EQ(f.line_width, 2);
    EXPECT_EQ(f.show_grid, "0");
    EXPECT_TRUE(f.menu_checks[1]);
    EXPECT_EQ(f.checks, (std::array<int, 9>{0, 1, 0, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(f.x_of_z, "cos(z)");
    EXPECT_EQ(f.a_max, "1");
    EXPECT_EQ(f.formula_values[0], "3");
    EXPECT_EQ(f.description, "Aire d'un cercle, caf\xC3\xA9\r\n  second line");
    EXPECT_EQ(f.history, " 3*4\r\n  = 12");
    ASSERT_EQ(f.equations.size(), 2u);
    EXPECT_EQ(f.equations[0][1], "Area\r\nof a circle");
    EXPECT_EQ(f.equations[1][2], "s^2");
    EXPECT_EQ(f.columns[1], (std::vector<std::string>{" 2", " 4", " 6"}));
    EXPECT_TRUE(f.columns[3].empty());
    EXPECT_EQ(f.functions, std::vector<std::string>{"2*(z)+(0)"});
    EXPECT_EQ(f.y_tick_scale, "0.5");
    EXPECT_EQ(f.statistics_result, "Mean = 4");
    EXPECT_EQ(f.integral_boxes[1], "1");
    EXPECT_EQ(f.ans, "12");
    EXPECT_EQ(f.vector_boxes[6], "1");
    EXPECT_EQ(f.vector_selections, (std::array<int, 4>{0, 1, 4, 2}));
    EXPECT_EQ(f.modes, (std::array<bool, 4>{false, true, false, false}));

    // LF and CR line ends read the same.
    for (const char* end : {"\n", "\r"}) {
        const GraphFileRead other = readGraphFileBytes(joinLines(oldFileLines(), end));
        ASSERT_TRUE(other.file) << describe(other.error);
        EXPECT_EQ(*other.file, f);
    }
}

TEST(GraphFileWrite, LinesInTheirPlaces) {
    GraphFile f;
    f.colors[0] = 16777215;
    const std::vector<std::string> lines = splitLines(writeGraphFile(f));
    ASSERT_EQ(lines.size(), 135u);
    EXPECT_EQ(lines[0], "File_Start");
    EXPECT_EQ(lines[5], "16777215");
    EXPECT_EQ(lines[20], "False");
    EXPECT_EQ(lines[27], "0");
    EXPECT_EQ(lines[36], "True");
    // An empty description and history: one empty line before each marker;
    // no equations; empty lists as one "0" line each.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 65, lines.begin() + 75),
              (std::vector<std::string>{"", "<FILE_END1>", "", "<FILE_END2>", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(lines[134], "False");
    // The same file is the default value again.
    const GraphFileRead read = readGraphFile(writeGraphFile(f));
    ASSERT_TRUE(read.file);
    EXPECT_EQ(*read.file, f);
}

TEST(GraphFileWrite, FieldsThatWouldShiftTheLinesAreGuarded) {
    GraphFile f;
    f.x_of_z = "2*z\r\n+1";
    f.functions = {"a\nb", "c"};
    f.description = "one\ntwo\r\n<FILE_END1>\rthree";
    f.history = "<FILE_END2>";
    f.equations = {{"T", "line\r\nbreak\nand\rmore", "e", "", "", "", "", ""}};
    f.ans = "7";
    const std::string text = writeGraphFile(f);
    const GraphFileRead read = readGraphFile(text);
    ASSERT_TRUE(read.file) << describe(read.error);
    EXPECT_EQ(read.file->x_of_z, "2*z +1");
    EXPECT_EQ(read.file->functions, (std::vector<std::string>{"a b", "c"}));
    EXPECT_EQ(read.file->description, "one\r\ntwo\r\n<FILE_END1> \r\nthree");
    EXPECT_EQ(read.file->history, "<FILE_END2> ");
    EXPECT_EQ(read.file->equations[0][1], "line\r\nbreak\r\nand\r\nmore");
    // Everything after them is where it belongs.
    EXPECT_EQ(read.file->ans, "7");
    EXPECT_EQ(read.file->modes, f.modes);
}

// A valid file with one line changed (or cut off) fails at that line.
struct DamageCase {
    const char* name;
    int line;  // 1-based line of the valid file
    const char* replacement;  // nullptr: the file ends before this line
    int errorLine;
};

const DamageCase kDamage[] = {
    {"empty file", 1, nullptr, 1},
    {"one line", 2, nullptr, 2},
    {"colour that is a word", 6, "white", 6},
    {"colour beyond 24 bits", 7, "16777216", 7},
    {"line width with a fraction", 17, "1.5", 17},
    {"line width of -1", 17, "-1", 17},
    {"line width of -32768", 17, "-32768", 17},
    {"line width of 0", 17, "0", 17},
    {"line width of 12", 17, "12", 17},
    {"default range that is a word", 2, "text", 2},
    {"default range NaN", 3, "NaN", 3},
    {"default range empty", 5, "", 5},
    {"menu check that is a word", 21, "Yes", 21},
    {"check box out of range", 29, "3", 29},
    {"missing description marker", 67, nullptr, 67},
    {"equation count of -1", 70, "-1", 70},
    {"equation count above 50", 70, "51", 70},
    {"data count of 999999999", 71, "999999999", 71},
    {"function count that is empty", 75, "", 75},
    {"vector choice out of range", 127, "5", 127},
    {"last mode line missing", 135, nullptr, 135},
};

TEST(GraphFileRead, TheFirstFaultyLineIsNamed) {
    const std::vector<std::string> valid = splitLines(writeGraphFile(GraphFile{}));
    for (const DamageCase& c : kDamage) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = valid;
        if (c.replacement == nullptr) {
            lines.resize(static_cast<std::size_t>(c.line - 1));
        } else {
            lines[static_cast<std::size_t>(c.line - 1)] = c.replacement;
        }
        const GraphFileRead read = readGraphFileBytes(joinLines(lines));
        EXPECT_FALSE(read.file);
        EXPECT_EQ(read.error.line, c.errorLine) << describe(read.error);
        EXPECT_FALSE(read.error.message.empty());
    }
    // Lines after the last one are no part of any graph; blank ones are
    // only line ends an editor added.
    std::vector<std::string> longer = valid;
    longer.insert(longer.end(), {"", "  ", "True"});
    EXPECT_EQ(readGraphFileBytes(joinLines(longer)).error.line, 138);
    longer.pop_back();
    EXPECT_TRUE(readGraphFileBytes(joinLines(longer)).file);
    const GraphFileRead binary = readGraphFileBytes(std::string("File_Start\r\n-5\0\x01", 16));
    EXPECT_FALSE(binary.file);
    EXPECT_EQ(describe(binary.error), "line 2: the file holds binary data, not text");
}

// What a message quotes of a faulty line is text: cut between characters,
// with bytes that are no text shown as \xNN.
TEST(GraphFileRead, AFaultyLineIsQuotedAsText) {
    std::string eAcute45;
    for (int i = 0; i < 45; ++i) eAcute45 += "\xC3\xA9";
    std::string eAcute39;
    for (int i = 0; i < 39; ++i) eAcute39 += "\xC3\xA9";
    const std::pair<std::string, std::string> kLines[] = {
        {"a" + eAcute45, "found \"a" + eAcute39 + "...\""},
        {"\x01\x1B[2Jwhite\x7F", "found \"\\x01\\x1B[2Jwhite\\x7F\""},
        {"\x81\xF7", "found \"\\x81\xC3\xB7\""},  // single bytes: an unused one and a "÷"
    };
    std::vector<std::string> lines = splitLines(writeGraphFile(GraphFile{}));
    for (const auto& [line, shown] : kLines) {
        lines[5] = line;
        const GraphFileRead read = readGraphFileBytes(joinLines(lines));
        ASSERT_FALSE(read.file);
        EXPECT_TRUE(isValidUtf8(read.error.message)) << read.error.message;
        EXPECT_NE(read.error.message.find(shown), std::string::npos) << read.error.message;
    }
}

// The description and the history are refused beyond sizes no calculator
// session reaches, at the line where they pass them, before the rest of a
// huge file costs time and memory.
TEST(GraphFileRead, MultiLineFieldsHaveTheirLimits) {
    const auto lines = [](std::size_t n) {
        std::string text = "1";
        for (std::size_t i = 1; i < n; ++i) text += "\r\n1";
        return text;
    };
    const std::size_t maxLines = kMaxMultiLineFieldLines, maxBytes = kMaxMultiLineFieldBytes;
    struct Case {
        const char* name;
        std::string description, history;
        int errorLine;  // 0: reads
    };
    const Case kCases[] = {
        {"a history of the most lines", "", lines(maxLines), 0},
        {"a history of one line more", "", lines(maxLines + 1), 68 + static_cast<int>(maxLines)},
        {"a description of one line more", lines(maxLines + 1), "", 66 + static_cast<int>(maxLines)},
        {"a description of the most bytes", std::string(maxBytes, 'x'), "", 0},
        {"a description of one byte more", std::string(maxBytes + 1, 'x'), "", 66},
        {"a history of one byte more, on its second line", "", "ab\r\n" + std::string(maxBytes - 3, 'x'), 69},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        GraphFile f;
        f.description = c.description;
        f.history = c.history;
        const GraphFileRead read = readGraphFile(writeGraphFile(f));
        // A save refuses exactly what would not open again.
        EXPECT_EQ(oversizedField(f).has_value(), c.errorLine != 0);
        if (c.errorLine == 0) {
            ASSERT_TRUE(read.file) << describe(read.error);
            EXPECT_EQ(*read.file, f);
        } else {
            ASSERT_FALSE(read.file);
            EXPECT_EQ(read.error.line, c.errorLine) << describe(read.error);
        }
    }
}

std::string randomText(std::mt19937& rng, bool multiLine) {
    static const std::vector<std::string> kPieces = {"a",  "Z",         "0",  "-1.5E-3", " ", "*",   "(z)", "\xC3\xA9",
                                                     "\xE2\x82\xAC", "\xE4\xB8\xAD", "'", "\"", "\t", "True", "<FILE_END"};
    std::uniform_int_distribution<int> length(0, 12), piece(0, static_cast<int>(kPieces.size()) - 1), breakOne(0, 5);
    std::string s;
    const int n = length(rng);
    for (int i = 0; i < n; ++i) {
        s += kPieces[static_cast<std::size_t>(piece(rng))];
        if (multiLine && breakOne(rng) == 0) s += "\r\n";
    }
    if (s == "\r\n") s.clear();  // a field that is one line break reads back empty
    return s;
}

GraphFile randomFile(std::mt19937& rng) {
    std::uniform_int_distribution<int> coin(0, 1), check(0, 2), color(0, 0xFFFFFF), width(1, 11), count(0, 40),
        choice(-1, 4);
    const auto text = [&] { return randomText(rng, false); };
    GraphFile f;
    f.file_marker = coin(rng) ? "File_Start" : text();
    for (auto& s : f.default_ranges) s = std::to_string(color(rng) - 8000000) + (coin(rng) ? ".25" : "");
    for (auto& c : f.colors) c = color(rng);
    f.line_width = width(rng);
    f.show_grid = coin(rng) ? "1" : "0";
    for (auto&& b : f.menu_checks) b = coin(rng);
    for (auto& c : f.checks) c = check(rng);
    for (auto&& b : f.column_choices) b = coin(rng);
    for (auto& s : f.range_boxes) s = text();
    f.x_of_z = text();
    f.a_min = text();
    f.polar = coin(rng);
    f.calculator_entry = text();
    for (auto& s : f.formula_values) s = text();
    f.calculate_from_history = check(rng);
    f.description = randomText(rng, true);
    f.history = randomText(rng, true);
    f.equations.resize(static_cast<std::size_t>(count(rng)));
    for (auto& e : f.equations) {
        for (auto& field : e) field = randomText(rng, true);
    }
    for (auto& column : f.columns) {
        column.resize(static_cast<std::size_t>(count(rng) * count(rng)));
        for (auto& item : column) item = " " + std::to_string(color(rng) - 8000000);
    }
    f.functions.resize(static_cast<std::size_t>(count(rng)));
    for (auto& item : f.functions) item = text();
    for (auto&& b : f.fit_types) b = coin(rng);
    f.function_entry = text();
    f.smooth = check(rng);
    f.statistics_result = text();
    f.ans = text();
    for (auto& s : f.vector_boxes) s = text();
    for (auto& s : f.vector_selections) s = choice(rng);
    f.integral_shown = coin(rng);
    for (auto&& b : f.modes) b = coin(rng);
    return f;
}

TEST(GraphFileRoundTrip, SaveOpenSaveGivesTheSameBytes) {
    std::mt19937 rng(81);
    for (int trial = 0; trial < 200; ++trial) {
        const GraphFile f = randomFile(rng);
        const std::string bytes = graphFileBytes(f);
        const GraphFileRead read = readGraphFileBytes(bytes);
        ASSERT_TRUE(read.file) << "trial " << trial << ": " << describe(read.error);
        ASSERT_EQ(*read.file, f) << "trial " << trial;
        ASSERT_EQ(graphFileBytes(*read.file), bytes) << "trial " << trial;
    }
}

// Every member is in the layout: with each one changed from its default, the
// file reads back equal. A member left out, or read twice where another
// belongs, would come back as its default.
TEST(GraphFileRoundTrip, EveryMemberIsWrittenAndRead) {
    int n = 1;
    const auto next = [&n] { return std::to_string(++n); };  // numbers, which every text field takes
    GraphFile f;
    for (std::string* s : {&f.file_marker, &f.show_tick_numbers, &f.show_grid, &f.show_mouse_coordinates, &f.go_to_z,
                           &f.z_min, &f.z_max, &f.x_of_z, &f.y_of_z, &f.a_min, &f.a_max, &f.calculator_entry,
                           &f.description, &f.history, &f.x_tick_scale, &f.y_tick_scale, &f.data_entry,
                           &f.function_entry, &f.moving_average_size, &f.neighbours, &f.statistics_result,
                           &f.coordinates_in_pi, &f.ans}) {
        *s = next();
    }
    for (auto* texts : {&f.default_ranges, &f.range_boxes, &f.integral_boxes}) {
        for (std::string& s : *texts) s = next();
    }
    for (std::string& s : f.formula_values) s = next();
    for (std::string& s : f.vector_boxes) s = next();
    for (int64_t& c : f.colors) c = ++n;
    f.line_width = 7;
    for (int* c : {&f.calculate_from_history, &f.moving_average, &f.smooth}) *c = 1;
    f.checks.fill(2);
    f.vector_selections = {4, 3, -1, 1};
    for (bool* b : {&f.cartesian, &f.polar, &f.integral_shown}) *b = !*b;
    for (auto* choices : {&f.column_choices, &f.modes}) {
        for (bool& b : *choices) b = !b;
    }
    for (bool& b : f.menu_checks) b = !b;
    for (bool& b : f.fit_types) b = !b;
    f.equations = {{next(), next(), next(), next(), next(), next(), next(), next()}};
    for (auto& column : f.columns) column = {next()};
    f.functions = {next()};

    const GraphFileRead read = readGraphFile(writeGraphFile(f));
    ASSERT_TRUE(read.file) << describe(read.error);
    EXPECT_EQ(*read.file, f);
}

TEST(GraphFileRoundTrip, FullColumnsAndFiftyEquations) {
    GraphFile f;
    for (std::size_t c = 0; c < f.columns.size(); ++c) {
        for (int i = 0; i < kMaxFileListItems; ++i) f.columns[c].push_back(" " + std::to_string(i * 7 - 1000 * static_cast<int>(c)));
    }
    f.equations.assign(kMaxFileEquations, {"T\xC3\xA9", "a\r\nb", "x^2", "x", "", "", "", ""});
    const std::string bytes = graphFileBytes(f);
    const GraphFileRead read = readGraphFileBytes(bytes);
    ASSERT_TRUE(read.file) << describe(read.error);
    EXPECT_TRUE(*read.file == f);
    EXPECT_EQ(graphFileBytes(*read.file), bytes);
    // One item more than a column holds is malformed.
    std::vector<std::string> lines = splitLines(writeGraphFile(GraphFile{}));
    lines[70] = "32768";
    EXPECT_EQ(readGraphFileBytes(joinLines(lines)).error.line, 71);
}

// A "÷" the user typed in an equation stays a "÷"; the line breaks of an
// equation are still written as the code page's "÷", as files of the old
// design hold them (read in AFileOfTheOldDesignOpensWithEveryFieldInPlace).
TEST(GraphFileRoundTrip, ADivisionSignInAnEquationStaysOne) {
    GraphFile f;
    f.equations = {{"Speed \xC3\xB7 time", "v = d \xC3\xB7 t\r\nin m\xC3\xB7s", "d\xC3\xB7t", "d", "t",
                    "\xC2\x80", "\xC2\x80\xC3\xB7\xC2\x80x", "\xC3\xB7\xC3\xB7\r\n\r\n"}};
    f.ans = "7";
    const GraphFileRead read = readGraphFileBytes(graphFileBytes(f));
    ASSERT_TRUE(read.file) << describe(read.error);
    EXPECT_EQ(*read.file, f);

    GraphFile plain;
    plain.equations = {{"T", "two\r\nlines", "", "", "", "", "", ""}};
    EXPECT_NE(graphFileBytes(plain).find("\r\ntwo\xF7lines\r\n"), std::string::npos);
}

// Files the writer would not write, which must still save as they opened:
// the value read from the saved bytes is the value first read.
TEST(GraphFileRoundTrip, OpenSaveOpenKeepsWhatOpened) {
    const std::vector<std::string> valid = splitLines(writeGraphFile(GraphFile{}));
    std::vector<std::string> markerFirst = valid, crInHistory = valid, markCharacter = valid;
    markerFirst[65] = "<FILE_END1>";  // the description's only line
    crInHistory[67] = " 3*4\r  = 12";
    markCharacter[0] = "\xEF\xBB\xBF\xEF\xBB\xBF" + valid[0];  // a byte order mark, then its character
    const std::pair<const char*, std::vector<std::string>> kFiles[] = {
        {"a description whose first line is its end marker", markerFirst},
        {"a line of the history broken by a CR alone", crInHistory},
        {"the character of the byte order mark after the mark", markCharacter},
    };
    for (const auto& [name, lines] : kFiles) {
        SCOPED_TRACE(name);
        const GraphFileRead read = readGraphFileBytes(joinLines(lines));
        ASSERT_TRUE(read.file) << describe(read.error);
        const std::string saved = graphFileBytes(*read.file);
        const GraphFileRead again = readGraphFileBytes(saved);
        ASSERT_TRUE(again.file) << describe(again.error);
        EXPECT_EQ(*again.file, *read.file);
        EXPECT_EQ(graphFileBytes(*again.file), saved);
    }
}

}  // namespace
}  // namespace qv
