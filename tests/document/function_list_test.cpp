#include "document/function_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

using Entries = std::vector<std::string>;

class RecordingSink : public FormulaErrorSink {
public:
    void formulaError(const std::string& title, const std::string& text) override {
        titles.push_back(title);
        texts.push_back(text);
    }
    std::vector<std::string> titles, texts;
};

// A graph-mode rewriter whose messages are recorded; smooth_pass starts set
// so that a parenthesis error is visible in it too.
struct Rewriter {
    RecordingSink sink;
    RewriteContext ctx;
    Rewriter() {
        ctx.smooth_pass = true;
        ctx.errors = &sink;
    }
};

FunctionList listOf(Entries entries) {
    FunctionList list;
    list.assign(std::move(entries));
    return list;
}

// ---------------------------------------------------------------------------
// Add to List

struct AddCase {
    const char* name;
    const char* typed;
    const char* stored;
};

const AddCase kAddCases[] = {
    {"blank inside is dropped before rewriting", "2 z", "2*z"},
    {"blanks all around", "  sin ( z )  ", "sin(z)"},
    {"typed notation becomes the display form", "x2", "z^2"},
    {"already a display form", "2*z", "2*z"},
};

TEST(FunctionListAdd, AppendsTheDisplayFormAndEmptiesTheEntryBox) {
    for (const AddCase& c : kAddCases) {
        SCOPED_TRACE(c.name);
        Rewriter rw;
        FunctionList list = listOf({"sin(z)"});
        const FunctionListEdit edit = list.add(c.typed, rw.ctx);
        EXPECT_EQ(list.entries(), (Entries{"sin(z)", c.stored}));
        EXPECT_TRUE(edit.changed);
        EXPECT_TRUE(edit.edited);
        EXPECT_FALSE(edit.refused);
        EXPECT_EQ(edit.entryText, std::optional<std::string>(""));
        // The new last entry is brought into view and then left unselected.
        EXPECT_EQ(edit.scrollTo, 1);
        EXPECT_EQ(edit.selection, std::optional<int>(-1));
        EXPECT_TRUE(rw.sink.texts.empty());
    }
}

TEST(FunctionListAdd, EmptyOrBlankTextChangesNothing) {
    for (const char* typed : {"", " ", "     "}) {
        SCOPED_TRACE(std::string("'") + typed + "'");
        Rewriter rw;
        FunctionList list = listOf({"z"});
        const FunctionListEdit edit = list.add(typed, rw.ctx);
        EXPECT_EQ(list.entries(), Entries{"z"});
        EXPECT_FALSE(edit.changed);
        EXPECT_FALSE(edit.edited);
        // The box shows its text without blanks, which here is nothing.
        EXPECT_EQ(edit.entryText, std::optional<std::string>(""));
        EXPECT_EQ(edit.selection, std::nullopt);
        EXPECT_EQ(edit.scrollTo, -1);
        EXPECT_TRUE(rw.ctx.smooth_pass);
    }
}

TEST(FunctionListAdd, TheSameFunctionMayBeAddedTwice) {
    Rewriter rw;
    FunctionList list;
    list.add("2z", rw.ctx);
    const FunctionListEdit second = list.add("2 z", rw.ctx);
    EXPECT_TRUE(second.changed);
    EXPECT_EQ(list.entries(), (Entries{"2*z", "2*z"}));
    EXPECT_EQ(second.scrollTo, 1);
}

TEST(FunctionListAdd, UnbalancedParenthesesAreReportedOnceAndStillAppended) {
    for (const char* typed : {"(z+1", "sin(z))", "2 (z"}) {
        SCOPED_TRACE(typed);
        Rewriter rw;
        RewriteContext quiet;
        const std::string expected = heal(removeBlanks(typed), quiet);
        FunctionList list;
        const FunctionListEdit edit = list.add(typed, rw.ctx);
        ASSERT_EQ(rw.sink.texts.size(), 1u);
        EXPECT_EQ(rw.sink.titles[0], kFormulaErrorTitle);
        EXPECT_EQ(rw.sink.texts[0], kParenthesisErrorText);
        EXPECT_FALSE(rw.ctx.smooth_pass);
        EXPECT_EQ(list.entries(), Entries{expected});
        EXPECT_TRUE(edit.edited);
        EXPECT_EQ(edit.entryText, std::optional<std::string>(""));
    }
}

// ---------------------------------------------------------------------------
// The limit of 32767 entries

TEST(FunctionListLimit, AFullListRefusesAndKeepsTheTypedText) {
    Rewriter rw;
    FunctionList list = listOf(Entries(kMaxFunctionEntries, "z"));
    ASSERT_TRUE(list.full());
    // Not even rewritten: the unbalanced text raises no message.
    const FunctionListEdit edit = list.add("2 (z", rw.ctx);
    EXPECT_TRUE(edit.refused);
    EXPECT_FALSE(edit.changed);
    EXPECT_FALSE(edit.edited);
    EXPECT_EQ(edit.entryText, std::optional<std::string>("2(z"));
    EXPECT_EQ(edit.selection, std::nullopt);
    EXPECT_EQ(list.size(), kMaxFunctionEntries);
    EXPECT_TRUE(rw.sink.texts.empty());
}

TEST(FunctionListLimit, TheLastFreePlaceIsStillTaken) {
    Rewriter rw;
    FunctionList list = listOf(Entries(kMaxFunctionEntries - 1, "z"));
    ASSERT_FALSE(list.full());
    const FunctionListEdit edit = list.add("3z", rw.ctx);
    EXPECT_TRUE(edit.changed);
    EXPECT_EQ(list.size(), kMaxFunctionEntries);
    EXPECT_EQ(list.entries().back(), "3*z");
    EXPECT_EQ(edit.scrollTo, static_cast<int>(kMaxFunctionEntries) - 1);
    EXPECT_TRUE(list.add("4z", rw.ctx).refused);
    // Deleting one makes room again.
    list.remove(0);
    EXPECT_TRUE(list.add("4z", rw.ctx).changed);
    EXPECT_EQ(list.entries().back(), "4*z");
}

TEST(FunctionListLimit, AssigningMoreKeepsTheFirstEntries) {
    Entries many(kMaxFunctionEntries, "z");
    many.push_back("beyond");
    FunctionList list = listOf(many);
    EXPECT_EQ(list.size(), kMaxFunctionEntries);
    EXPECT_EQ(list.entries().back(), "z");
}

// ---------------------------------------------------------------------------
// Delete Item and Clear List

struct RemoveCase {
    const char* name;
    int selected;
    Entries after;
    bool changed;
};

TEST(FunctionListRemove, RemovesOnlyASelectedEntry) {
    const RemoveCase cases[] = {
        {"no selection", -1, {"a", "b", "c"}, false},
        {"first", 0, {"b", "c"}, true},
        {"middle", 1, {"a", "c"}, true},
        {"last", 2, {"a", "b"}, true},
        {"index past the end", 3, {"a", "b", "c"}, false},
    };
    for (const RemoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        FunctionList list = listOf({"a", "b", "c"});
        const FunctionListEdit edit = list.remove(c.selected);
        EXPECT_EQ(list.entries(), c.after);
        EXPECT_EQ(edit.changed, c.changed);
        EXPECT_EQ(edit.edited, c.changed);
        if (c.changed) {
            EXPECT_EQ(edit.entryText, std::optional<std::string>(""));
            EXPECT_EQ(edit.selection, std::optional<int>(-1));
        } else {
            // With nothing removed the entry box and the selection stay.
            EXPECT_EQ(edit.entryText, std::nullopt);
            EXPECT_EQ(edit.selection, std::nullopt);
        }
    }
}

TEST(FunctionListRemove, OneOfTwoEqualEntriesGoes) {
    FunctionList list = listOf({"z", "2*z", "z"});
    list.remove(2);
    EXPECT_EQ(list.entries(), (Entries{"z", "2*z"}));
}

TEST(FunctionListClear, OnlyAListWithEntriesCountsAsAnEdit) {
    FunctionList empty;
    const FunctionListEdit nothing = empty.clear();
    EXPECT_FALSE(nothing.changed);
    EXPECT_FALSE(nothing.edited);
    EXPECT_TRUE(empty.empty());

    FunctionList list = listOf({"z", "sin(z)"});
    const FunctionListEdit edit = list.clear();
    EXPECT_TRUE(edit.changed);
    EXPECT_TRUE(edit.edited);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(edit.selection, std::optional<int>(-1));
    // The entry box keeps its text.
    EXPECT_EQ(edit.entryText, std::nullopt);
}

// ---------------------------------------------------------------------------
// ^ and v

struct MoveCase {
    const char* name;
    bool up;
    int selected;
    Entries after;
    int selectedAfter;       // -2: nothing happened
    const char* entryText;   // shown in the entry box when something moved
};

const Entries kMoveStart = {"sin(z)", "z^2", "2*z"};

const MoveCase kMoveCases[] = {
    {"up from the middle", true, 1, {"z^2", "sin(z)", "2*z"}, 0, "z^2"},
    {"up from the end", true, 2, {"sin(z)", "2*z", "z^2"}, 1, "2*z"},
    {"up from the top", true, 0, kMoveStart, -2, nullptr},
    {"up without a selection", true, -1, kMoveStart, -2, nullptr},
    {"up past the end", true, 3, kMoveStart, -2, nullptr},
    {"down from the top", false, 0, {"z^2", "sin(z)", "2*z"}, 1, "sin(z)"},
    {"down from the middle", false, 1, {"sin(z)", "2*z", "z^2"}, 2, "z^2"},
    {"down from the end", false, 2, kMoveStart, -2, nullptr},
    {"down without a selection", false, -1, kMoveStart, -2, nullptr},
    {"down past the end", false, 3, kMoveStart, -2, nullptr},
};

TEST(FunctionListMove, SwapsWithTheNeighbourAndFollowsTheEntry) {
    for (const MoveCase& c : kMoveCases) {
        SCOPED_TRACE(c.name);
        FunctionList list = listOf(kMoveStart);
        const FunctionListEdit edit = c.up ? list.moveUp(c.selected) : list.moveDown(c.selected);
        EXPECT_EQ(list.entries(), c.after);
        if (c.selectedAfter == -2) {
            EXPECT_FALSE(edit.changed);
            EXPECT_FALSE(edit.edited);
            EXPECT_EQ(edit.selection, std::nullopt);
            EXPECT_EQ(edit.entryText, std::nullopt);
            EXPECT_FALSE(edit.selectEntryText);
        } else {
            EXPECT_TRUE(edit.changed);
            EXPECT_TRUE(edit.edited);
            EXPECT_EQ(edit.selection, std::optional<int>(c.selectedAfter));
            EXPECT_EQ(edit.entryText, std::optional<std::string>(c.entryText));
            EXPECT_TRUE(edit.selectEntryText);
        }
    }
}

TEST(FunctionListMove, SingleEntryCannotMove) {
    FunctionList list = listOf({"z"});
    EXPECT_FALSE(list.moveUp(0).changed);
    EXPECT_FALSE(list.moveDown(0).changed);
    EXPECT_EQ(list.entries(), Entries{"z"});
}

TEST(FunctionListMove, TheEntryBoxGetsTheMovedTextWithoutBlanks) {
    // Entries read from a file may carry blanks; the list keeps them, the
    // entry box does not.
    FunctionList list = listOf({"z", "sin (z) + 1"});
    const FunctionListEdit edit = list.moveUp(1);
    EXPECT_EQ(list.entries(), (Entries{"sin (z) + 1", "z"}));
    EXPECT_EQ(edit.entryText, std::optional<std::string>("sin(z)+1"));
}

TEST(FunctionListMove, UpThenDownRestoresTheOrder) {
    FunctionList list = listOf({"a", "b", "c", "d"});
    const FunctionListEdit up = list.moveUp(2);
    ASSERT_EQ(up.selection, std::optional<int>(1));
    const FunctionListEdit down = list.moveDown(*up.selection);
    EXPECT_EQ(down.selection, std::optional<int>(2));
    EXPECT_EQ(list.entries(), (Entries{"a", "b", "c", "d"}));
}

TEST(RemoveBlanks, DropsSpacesOnly) {
    EXPECT_EQ(removeBlanks(" 2 z + 1 "), "2z+1");
    EXPECT_EQ(removeBlanks("   "), "");
    EXPECT_EQ(removeBlanks("sin(z)"), "sin(z)");
}

}  // namespace
}  // namespace qv
