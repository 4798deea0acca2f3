// Texts in the user's language: the lookup the window installs, and the
// placeholders filled in one pass.

#include <gtest/gtest.h>

#include <string>

#include "expression/routines.h"
#include "expression/user_text.h"

namespace qv {
namespace {

TEST(UserTextTest, FillInReplacesEachPlaceholderOnceInOnePass) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> args;
        const char* expected;
    } cases[] = {
        {"The file %1 could not be saved: %2.", {"\"a.gph\"", "the disk is full"},
         "The file \"a.gph\" could not be saved: the disk is full."},
        {"Line %2 of %1", {"x.txt", "7"}, "Line 7 of x.txt"},  // translations may reorder
        {"The %1 tick scale, %1 again", {"x"}, "The x tick scale, x again"},
        // An argument that holds a placeholder stays as it is: a file named
        // "%2.gph" must not pull in the reason.
        {"%1: %2", {"%2.gph", "gone"}, "%2.gph: gone"},
        // A % that names no argument is text: 100%, %0, %3 of two.
        {"100% of %1, %0, %3", {"a", "b"}, "100% of a, %0, %3"},
        {"ends in %", {}, "ends in %"},
    };
    for (const Case& c : cases) EXPECT_EQ(fillIn(c.pattern, c.args), c.expected) << c.pattern;
}

std::string shouting(const char* context, const char* english) {
    return std::string(context) + ":" + english + "!";
}

// The plot's note on names read as 0 speaks the user's language, list joints
// included; the history's and the command line's stay English.
TEST(UserTextTest, TheStatusNoteOnUnsetNamesIsTranslatedAndTheHistorysIsNot) {
    const std::vector<std::string> names = {"w", "h", "llo"};
    EXPECT_EQ(unsetNamesStatus(names), unsetNamesNote(names));
    EXPECT_EQ(unsetNamesStatus({}), "");
    setTextLookup(&shouting);
    EXPECT_EQ(unsetNamesStatus(names), "qv::Texts:note: qv::Texts:w, h and llo! are not defined and read as 0!");
    EXPECT_EQ(unsetNamesStatus({"w"}), "qv::Texts:note: w is not defined and reads as 0!");
    EXPECT_EQ(unsetNamesNote(names), "note: w, h and llo are not defined and read as 0");
    setTextLookup(nullptr);
}

TEST(UserTextTest, TheInstalledLookupAnswersUntilItIsRemoved) {
    EXPECT_EQ(userText("qv::Texts", "Overflow"), "Overflow");
    setTextLookup(&shouting);
    EXPECT_EQ(userText("qv::Texts", "Overflow"), "qv::Texts:Overflow!");
    setTextLookup(nullptr);
    EXPECT_EQ(userText("qv::Texts", "Overflow"), "Overflow");
}

}  // namespace
}  // namespace qv
