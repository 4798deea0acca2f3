#include "data/list_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "expression/evaluator_fixture.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// ---------------------------------------------------------------------------
// Export lines and checks

struct ExportCase {
    const char* name;
    ExportMode mode;
    Lines items;  // the shown column ("y data (1)")
    Lines xs;     // "x data"
    const char* function;
    Lines lines;
    std::optional<DataMessage> message;
};

const DataMessage kNoData{kDataErrorTitle, "There is no data in the current data list!"};
const DataMessage kLogRefused{"Quorvanta  -  Data Error!",
                              "One or more of your data items is less than or equal to zero, so a logarithm cannot "
                              "be performed on your list."};
const DataMessage kInverseRefused{"Quorvanta  -  Data Error!",
                                  "One or more of your data items is equal to zero, so it cannot be inverted."};
const DataMessage kCountsDiffer{kDataErrorTitle,
                                "There is either no data in your current list or the number of data points in "
                                "your x list does not match the number of data points in your y list."};
const DataMessage kNoFunction{"Quorvanta  -  Blank field!", "There is no function for which to compare the data."};

const ExportCase kExportCases[] = {
    {"items without blanks, in list order", ExportMode::Normal, {" 2", "-0.5", " 10"}, {}, "", {"2", "-0.5", "10"}, {}},
    {"an imported text goes out as it is", ExportMode::Normal, {" a b"}, {}, "", {"ab"}, {}},
    {"logarithms", ExportMode::Log, {" 1", " 10", " 100"}, {}, "", {"0", "1", "2"}, {}},
    {"logarithm of zero", ExportMode::Log, {" 1", " 0"}, {}, "", {}, kLogRefused},
    {"logarithm of a negative", ExportMode::Log, {"-2"}, {}, "", {}, kLogRefused},
    {"reciprocals", ExportMode::Inverse, {" 4", "-0.5", " 3"}, {}, "", {"0.25", "-2", "0.333333333333333"}, {}},
    {"reciprocal of zero", ExportMode::Inverse, {" 2", " 0"}, {}, "", {}, kInverseRefused},
    {"empty column", ExportMode::Normal, {}, {" 1"}, "z", {}, kNoData},
    {"empty column before the difference checks", ExportMode::Difference, {}, {}, "", {}, kNoData},
    {"differences", ExportMode::Difference, {" 3", " 5", " 7"}, {" 1", " 2", " 3"}, "z2", {"2", "1", "-2"}, {}},
    {"an exact fit", ExportMode::Difference, {" 3", " 5"}, {" 1", " 2"}, "2z + 1", {"0", "0"}, {}},
    {"x list shorter", ExportMode::Difference, {" 3", " 5"}, {" 1"}, "z", {}, kCountsDiffer},
    {"no function", ExportMode::Difference, {" 3"}, {" 1"}, "", {}, kNoFunction},
    {"blanks are no function", ExportMode::Difference, {" 3"}, {" 1"}, "   ", {}, kNoFunction},
    // Where f has no value there is no difference to write: y is no
    // substitute for one.
    {"the function fails at a point", ExportMode::Difference, {" 3", " 5"}, {" 4", "-1"}, "sqrt(z)", {},
     DataMessage{kDataErrorTitle,
                 "The function does not give a number at item 2 of the x data, so the difference cannot be formed."}},
    {"a reciprocal too large", ExportMode::Inverse, {" 2", " 5E-324"}, {}, "", {},
     DataMessage{kDataErrorTitle, "The value for item 2 of the list is too large, so the list cannot be exported."}},
    {"an x item that is an expression", ExportMode::Difference, {" 4"}, {" pi"}, "z", {"0.858407346410207"}, {}},
    {"a y item that is no number", ExportMode::Inverse, {" 2", " abc"}, {}, "", {},
     DataMessage{kDataErrorTitle, "Item 2 of the list is not a number, so the list cannot be exported."}},
    {"a function that gives a text", ExportMode::Difference, {" 1"}, {" 1"}, "\"a\"", {},
     DataMessage{kDataErrorTitle,
                 "The function does not give a number at item 1 of the x data, so the difference cannot be formed."}},
};

using ListExport = testing_support::EvaluatorFixture;

TEST_F(ListExport, LinesAndChecks) {
    for (const ExportCase& c : kExportCases) {
        SCOPED_TRACE(c.name);
        DataColumns columns;
        columns.assign(kXData, c.xs);
        columns.assign(kYData1, c.items);
        RewriteContext rewrite;
        const ExportPlan plan = planExport(c.mode, columns, c.function, rewrite, ev);
        EXPECT_EQ(plan.message, c.message);
        EXPECT_EQ(plan.lines, c.lines);
    }
}

// ---------------------------------------------------------------------------
// The paths the dialogs give

struct PathCase {
    const char* name;
    bool forExport;
    std::string chosen;
    bool exists;
    PathVerdict verdict;
    std::string path;
    DataMessage message;
};

const DataMessage kWrongExtension{"Quorvanta  -  Wrong extension!", "Only a TXT extension is allowed."};
const DataMessage kMissingExtension{"Quorvanta  -  Missing extension!",
                                    "Please add the extension \".txt\" to your file name."};

const PathCase kPathCases[] = {
    {"export: new file", true, "/d/list.txt", false, PathVerdict::Accept, "/d/list.txt", {}},
    {"export: upper case becomes lower", true, "/d/LIST.TXT", false, PathVerdict::Accept, "/d/LIST.txt", {}},
    {"export: blanks around, text after a NUL", true, std::string(" /d/a.txt \0junk", 15), false,
     PathVerdict::Accept, "/d/a.txt", {}},
    {"export: another extension", true, "/d/list.csv", false, PathVerdict::Refuse, "/d/list.csv", kWrongExtension},
    {"export: an existing file", true, "/d/list.txt", true, PathVerdict::AskReplace, "/d/list.txt",
     {kExportTitle, "The file \"list.txt\" already exists.  Would you like to replace this file?"}},
    {"import: an existing file", false, " /d/list.txt", true, PathVerdict::Accept, "/d/list.txt", {}},
    {"import: upper-case extension", false, "/d/LIST.TXT", true, PathVerdict::Accept, "/d/LIST.TXT", {}},
    {"import: another extension", false, "/d/list.csv", true, PathVerdict::Refuse, "/d/list.csv", kMissingExtension},
    {"import: no such file", false, "/d/gone.txt", false, PathVerdict::Refuse, "/d/gone.txt",
     {kImportTitle, "\"gone.txt\" not found!"}},
};

TEST(ListFilePaths, DialogPathsAreCheckedAsTheCommandsNeedThem) {
    for (const PathCase& c : kPathCases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> asked;
        const FileExists exists = [&](const std::string& path) {
            asked.push_back(path);
            return c.exists;
        };
        const PathCheck check = c.forExport ? checkExportPath(c.chosen, exists) : checkImportPath(c.chosen, exists);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_EQ(check.path, c.path);
        EXPECT_EQ(check.message, c.message);
        // Existence is asked of the path that would be used, once its name passed.
        if (!asked.empty()) {
            EXPECT_EQ(asked, std::vector<std::string>{c.path});
        }
    }
}

// Only the extension of the file's own name counts, and only it is written
// in lower case: folder names are nobody's extension.
struct ExtensionCase {
    const char* extension;
    bool forSave;
    const char* chosen;
    PathVerdict verdict;
    const char* path;
};

const ExtensionCase kExtensionCases[] = {
    {"gph", true, "/home/MyGPHfiles/x.gph", PathVerdict::Accept, "/home/MyGPHfiles/x.gph"},
    {"gph", true, "/OnlyGPH/z.gph", PathVerdict::Accept, "/OnlyGPH/z.gph"},
    {"gph", true, "/OnlyGPH/z", PathVerdict::Refuse, "/OnlyGPH/z"},
    {"gph", true, "/g.gph.d/z.GpH", PathVerdict::Accept, "/g.gph.d/z.gph"},
    {"gph", true, "/g/z.gph.bak", PathVerdict::Refuse, "/g/z.gph.bak"},
    {"bmp", true, "/BMP/GRAPH.BMP", PathVerdict::Accept, "/BMP/GRAPH.bmp"},
    {"bmp", true, "/pictures.bmp/graph", PathVerdict::Refuse, "/pictures.bmp/graph"},
    {"txt", true, "/TXT/notes.txt.d/list.csv", PathVerdict::Refuse, "/TXT/notes.txt.d/list.csv"},
    {"txt", true, "/d/.txt", PathVerdict::Refuse, "/d/.txt"},
    {"gph", false, "/home/MyGPHfiles/ORBIT.GPH", PathVerdict::Accept, "/home/MyGPHfiles/ORBIT.GPH"},
    {"gph", false, "/g.gph.d/notes", PathVerdict::Refuse, "/g.gph.d/notes"},
    {"txt", false, "/d/DATA.TXT", PathVerdict::Accept, "/d/DATA.TXT"},
    {"txt", false, "/d/notes.txt.d/list.csv", PathVerdict::Refuse, "/d/notes.txt.d/list.csv"},
};

TEST(ListFilePaths, OnlyTheExtensionIsLookedAtAndWritten) {
    for (const ExtensionCase& c : kExtensionCases) {
        SCOPED_TRACE(c.chosen);
        const FileExists exists = [](const std::string&) { return false; };
        const FileExists all = [](const std::string&) { return true; };
        const PathCheck check = c.forSave ? checkSavePath(c.chosen, c.extension, kExportTitle, exists)
                                          : checkOpenPath(c.chosen, c.extension, kImportTitle, all);
        EXPECT_EQ(check.verdict, c.verdict) << check.message.text;
        EXPECT_EQ(check.path, c.path);
    }
}

TEST(ListFilePaths, AnImportAsksBeforeItErasesAColumn) {
    DataColumns columns;
    EXPECT_FALSE(importEraseQuestion(columns));
    columns.assign(columns.selected(), {" 1"});
    EXPECT_EQ(importEraseQuestion(columns), (DataMessage{"Quorvanta  -  Remove permanently?",
                                                         "Your current list still contains data.  Ok to erase?"}));
}

// ---------------------------------------------------------------------------
// Files

class ListFileIo : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() / (std::string("quorvanta_list_") + info->name() + "_" +
                                              std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string fileWith(const std::string& bytes, const char* name = "list.txt") {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    static std::string bytesOf(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
};

std::string manyLines(std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) bytes += "1\r\n";
    return bytes;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    Lines items;
    std::string refusal;  // a part of the message's text, empty when read
};

TEST_F(ListFileIo, ReadingMakesEachLineAnItemOrRefusesTheFile) {
    const ReadCase cases[] = {
        {"CR LF", "3\r\n-1\r\n", {" 3", " -1"}, ""},
        {"LF, no final line end", "3\n-1", {" 3", " -1"}, ""},
        {"CR alone", "3\r-1\r", {" 3", " -1"}, ""},
        {"empty file", "", {}, ""},
        {"blank lines at the end add nothing", "1\r\n2\r\n\r\n \r\n", {" 1", " 2"}, ""},
        {"only a line end", "\r\n", {}, ""},
        {"byte order mark", "\xEF\xBB\xBF" "2\r\n", {" 2"}, ""},
        {"blanks around a number are kept", " 2.5\t\r\n1E-05\r\n", {"  2.5\t", " 1E-05"}, ""},
        {"a word", "1\r\n2\r\nabc\r\n4\r\n", {}, "Line 3 of \"list.txt\" is not a number: abc"},
        {"a decimal comma", "1,5\r\n", {}, "Line 1 of \"list.txt\" is not a number: 1,5"},
        {"an expression", "2*3\n", {}, "Line 1 of \"list.txt\" is not a number: 2*3"},
        {"a value beyond any double", "1E999\n", {}, "Line 1 of \"list.txt\" is not a number: 1E999"},
        {"Latin-1 text is shown by its bytes", "\xB5 m\r\n", {}, "Line 1 of \"list.txt\" is not a number: \\xB5 m"},
        {"UTF-8 text cut between characters", "1\n" + std::string(39, 'x') + "\xE2\x82\xAC\xE2\x82\xAC", {},
         "Line 2 of \"list.txt\" is not a number: " + std::string(39, 'x') + "\xE2\x82\xAC..."},
        {"an empty line between values", "3\r\n\r\n4", {}, "Line 2 of \"list.txt\" is empty, not a number."},
        {"a stray CR makes an empty line", "3\r\r\n4", {}, "Line 2 of \"list.txt\" is empty, not a number."},
        {"a long line is cut short", "1\n" + std::string(50, 'x'), {},
         "Line 2 of \"list.txt\" is not a number: " + std::string(40, 'x') + "..."},
        {"a NUL byte", std::string("3\0\r\n", 4), {}, "binary"},
        {"a control byte", "1\x01\n", {}, "binary"},
        {"UTF-16", std::string("\xFF\xFE" "1\0\r\0\n\0", 8), {}, "binary"},
        {"a line over 1 MiB", std::string(kMaxListLineBytes + 1, '7'), {}, "line 1 is longer"},
        {"a number of 1 MiB", "1." + std::string(kMaxListLineBytes - 2, '0'),
         {" 1." + std::string(kMaxListLineBytes - 2, '0')}, ""},
        {"too many lines", manyLines(kMaxListFileLines + 1), {}, "more than 32767 lines"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult r = readListFile(fileWith(c.bytes));
        EXPECT_EQ(r.items, c.items);
        ASSERT_EQ(r.message.has_value(), !c.refusal.empty());
        if (!c.refusal.empty()) {
            EXPECT_EQ(r.message->title, kImportTitle);
            EXPECT_NE(r.message->text.find(c.refusal), std::string::npos) << r.message->text;
            EXPECT_NE(r.message->text.find("\"list.txt\""), std::string::npos) << r.message->text;
        }
    }
    EXPECT_EQ(readListFile(fileWith(manyLines(kMaxListFileLines))).items.size(), kMaxListFileLines);
}

TEST_F(ListFileIo, ReadingRefusesWhatIsNoFile) {
    const std::string missing = (folder / "gone.txt").string();
    fs::create_directory(folder / "dir.txt");
    const std::pair<std::string, std::string> cases[] = {
        {missing, "\"gone.txt\" not found!"},
        {(folder / "dir.txt").string(), "\"dir.txt\" is a folder, not a list file."},
    };
    for (const auto& [path, text] : cases) {
        const ImportResult r = readListFile(path);
        EXPECT_TRUE(r.items.empty());
        EXPECT_EQ(r.message, (DataMessage{kImportTitle, text}));
    }
}

TEST_F(ListFileIo, WritingEndsEachLineWithCrLfAndReadsBackAsItems) {
    const std::string path = fileWith("old content that is longer than the new one\r\n");
    EXPECT_FALSE(writeListFile(path, {"2", "-0.5", "0.3333333333333333"}));
    EXPECT_EQ(bytesOf(path), "2\r\n-0.5\r\n0.3333333333333333\r\n");
    EXPECT_EQ(readListFile(path).items, (Lines{" 2", " -0.5", " 0.3333333333333333"}));
}

TEST_F(ListFileIo, WritingReportsAFileThatCannotBeCreated) {
    const std::string path = (folder / "no such folder" / "list.txt").string();
    EXPECT_EQ(writeListFile(path, {"1"}),
              (DataMessage{kExportTitle, "The file \"list.txt\" cannot be created: No such file or directory."}));
    fs::create_directory(folder / "dir.txt");
    EXPECT_TRUE(writeListFile((folder / "dir.txt").string(), {"1"}));
}

}  // namespace
}  // namespace qv
