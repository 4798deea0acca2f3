// Start-up decisions: the command-line path, the initialize file, the title.

#include <gtest/gtest.h>

#include <set>

#include "document/startup.h"

namespace qv {
namespace {

TEST(StartupTest, QuotesAreRemovedOnlyWhenTheyEncloseTheWholeLine) {
    struct Case {
        const char* line;
        const char* path;
    };
    const Case cases[] = {
        {"\"/home/ann/my graph.gph\"", "/home/ann/my graph.gph"},
        {"\"/home/ann/a.gph", "\"/home/ann/a.gph"},
        {"/home/ann/a.gph\"", "/home/ann/a.gph\""},
        {"/home/ann/a.gph", "/home/ann/a.gph"},
        {"\"\"", ""},
        {"\"", "\""},
        {"\"a\"b\"", "a\"b"},
    };
    for (const Case& c : cases) EXPECT_EQ(commandLinePath(c.line), c.path) << c.line;
}

TEST(StartupTest, ArgumentsJoinIntoOneCommandLine) {
    EXPECT_EQ(joinArguments({}), "");
    EXPECT_EQ(joinArguments({"\"/tmp/my", "graph.gph\""}), "\"/tmp/my graph.gph\"");
    EXPECT_EQ(commandLinePath(joinArguments({"\"/tmp/my", "graph.gph\""})), "/tmp/my graph.gph");
}

TEST(StartupTest, TheCommandLineWinsOverTheInitializeFile) {
    const std::set<std::string> files = {"/opt/qv/INIT.txt"};
    auto exists = [&](const std::string& p) { return files.count(p) > 0; };
    const StartDocument named = chooseStartDocument("\"/tmp/x.gph\"", {"/opt/qv"}, exists);
    EXPECT_EQ(named.path, "/tmp/x.gph");
    EXPECT_TRUE(named.fromCommandLine);
    const StartDocument init = chooseStartDocument("", {"/opt/qv"}, exists);
    EXPECT_EQ(init.path, "/opt/qv/INIT.txt");
    EXPECT_FALSE(init.fromCommandLine);
    EXPECT_EQ(chooseStartDocument("", {"/opt/qv/"}, exists).path, "/opt/qv/INIT.txt");
    EXPECT_EQ(chooseStartDocument("", {"/elsewhere"}, exists).path, "");
    // The user's own initialize file comes before the program's.
    const std::set<std::string> both = {"/opt/qv/INIT.txt", "/home/ann/.config/Quorvanta/INIT.txt"};
    auto inBoth = [&](const std::string& p) { return both.count(p) > 0; };
    EXPECT_EQ(chooseStartDocument("", {"/home/ann/.config/Quorvanta", "/opt/qv"}, inBoth).path,
              "/home/ann/.config/Quorvanta/INIT.txt");
    EXPECT_EQ(chooseStartDocument("", {"", "/opt/qv"}, inBoth).path, "/opt/qv/INIT.txt");
}

TEST(StartupTest, TitlesFollowTheDocumentName) {
    struct Case {
        const char* path;
        const char* title;
        bool clear;
    };
    const Case cases[] = {
        {"", "Quorvanta", false},
        {"/home/ann/orbit.gph", "orbit  -  Quorvanta", false},
        {"C:\\graphs\\orbit.gph", "orbit  -  Quorvanta", false},
        {"/home/ann/notes.txt", "notes.txt  -  Quorvanta", false},
        {"/opt/qv/INIT.txt", "Quorvanta", true},
        {"orbit.GPH", "orbit.GPH  -  Quorvanta", false},
    };
    for (const Case& c : cases) {
        const TitleChoice t = documentTitle(c.path);
        EXPECT_EQ(t.title, c.title) << c.path;
        EXPECT_EQ(t.clearPath, c.clear) << c.path;
    }
}

}  // namespace
}  // namespace qv
