#include "document/data_columns.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "expression/evaluator_fixture.h"

namespace qv {
namespace {

using Items = std::vector<std::string>;
using testing_support::EvaluatorFixture;

class RecordingSink : public FormulaErrorSink {
public:
    void formulaError(const std::string&, const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class DataColumnsTest : public EvaluatorFixture {
protected:
    DataColumnsTest() { rewrite.errors = &sink; }

    // The shown column ("y data (1)") holds `items`; "x data" holds one item
    // that no command on the shown column may touch.
    DataColumns columnsWith(Items items) {
        DataColumns columns;
        columns.assign(kXData, {" 7"});
        columns.assign(kYData1, std::move(items));
        return columns;
    }

    RecordingSink sink;
    RewriteContext rewrite;
};

const std::optional<DataMessage> kInvalidEntry = DataMessage{kDataErrorTitle, kInvalidEntryText};

// ---------------------------------------------------------------------------
// Add to List

struct AddCase {
    const char* name;
    const char* typed;
    std::optional<std::string> added;      // the item appended, none for no item
    std::string entryAfter;                // what the entry box shows afterwards
    std::optional<DataMessage> message;
};

const AddCase kAddCases[] = {
    {"sum, written with a leading blank", "2 + 3", " 5", "", std::nullopt},
    {"negative, no blank", "-1/4", "-0.25", "", std::nullopt},
    {"typed notation is rewritten first", "2pi", " 6.28318530717959", "", std::nullopt},
    {"zero keeps its blank", "0", " 0", "", std::nullopt},
    {"a comparison is a number", "1<2", "-1", "", std::nullopt},
    {"a text that reads as a number", "\"12\"", " 12", "", std::nullopt},
    {"text: nothing, silently", "\"ab\"", std::nullopt, "\"ab\"", std::nullopt},
    {"unassigned name: nothing, silently", "q", std::nullopt, "q", std::nullopt},
    {"empty box: nothing", "", std::nullopt, "", std::nullopt},
    {"blanks only: nothing", "   ", std::nullopt, "", std::nullopt},
    {"division by zero: the message", "1/0", std::nullopt, "1/0", kInvalidEntry},
    {"syntax error: the message", "2*(3", std::nullopt, "2*(3", kInvalidEntry},
};

TEST_F(DataColumnsTest, AddAppendsTheNumberTextOfTheEntry) {
    for (const AddCase& c : kAddCases) {
        SCOPED_TRACE(c.name);
        DataColumns columns = columnsWith({" 1"});
        const DataColumnEdit edit = columns.add(c.typed, rewrite, ev);
        Items expected{" 1"};
        if (c.added) expected.push_back(*c.added);
        EXPECT_EQ(columns.column(kYData1), expected);
        EXPECT_EQ(columns.column(kXData), Items{" 7"});
        EXPECT_EQ(edit.entryText, c.entryAfter);
        EXPECT_EQ(edit.message, c.message);
        EXPECT_EQ(edit.changed, c.added.has_value());
        EXPECT_EQ(edit.edited, c.added.has_value());
        EXPECT_FALSE(edit.replot);
        if (c.added) {
            EXPECT_EQ(edit.scrollTo, 1);
            EXPECT_EQ(edit.selection, std::optional<int>(-1));
            EXPECT_TRUE(edit.focusEntry);
            EXPECT_EQ(edit.defaultButton, DataDefaultButton::AddToList);
        }
    }
}

TEST_F(DataColumnsTest, AddToAFullColumnKeepsTheEntryAndSaysWhy) {
    DataColumns columns = columnsWith(Items(kMaxDataItems, " 1"));
    const DataColumnEdit edit = columns.add("5", rewrite, ev);
    EXPECT_EQ(columns.selectedColumn().size(), kMaxDataItems);
    EXPECT_FALSE(edit.edited);
    EXPECT_EQ(edit.entryText, "5");
    ASSERT_TRUE(edit.message);
    EXPECT_EQ(edit.message->text, kColumnFullText);
}

// ---------------------------------------------------------------------------
// Replace Data

struct ReplaceCase {
    const char* name;
    int item;
    const char* typed;
    Items after;
    bool replaced;
    std::optional<DataMessage> message;
};

const ReplaceCase kReplaceCases[] = {
    {"the selected item takes the value", 1, "3 * 3", {" 1", " 9", " 3"}, true, std::nullopt},
    {"a negative value", 0, "-2.5", {"-2.5", " 2", " 3"}, true, std::nullopt},
    {"no selection: nothing at all", -1, "4", {" 1", " 2", " 3"}, false, std::nullopt},
    {"a text is refused", 1, "\"ab\"", {" 1", " 2", " 3"}, false, kInvalidEntry},
    {"an empty entry is refused", 1, "", {" 1", " 2", " 3"}, false, kInvalidEntry},
    {"an unassigned name is refused", 2, "q", {" 1", " 2", " 3"}, false, kInvalidEntry},
};

TEST_F(DataColumnsTest, ReplaceWritesTheNumberTextOrShowsTheMessage) {
    for (const ReplaceCase& c : kReplaceCases) {
        SCOPED_TRACE(c.name);
        DataColumns columns = columnsWith({" 1", " 2", " 3"});
        const DataColumnEdit edit = columns.replace(c.item, c.typed, rewrite, ev);
        EXPECT_EQ(columns.column(kYData1), c.after);
        EXPECT_EQ(edit.message, c.message);
        EXPECT_EQ(edit.edited, c.replaced);
        EXPECT_EQ(edit.replot, c.replaced);
        if (c.replaced) {
            EXPECT_EQ(edit.entryText, "");
            EXPECT_EQ(edit.selection, std::optional<int>(-1));
            EXPECT_EQ(edit.defaultButton, DataDefaultButton::AddToList);
        }
    }
}

// ---------------------------------------------------------------------------
// Delete Item, Clear List, a click on an item

TEST_F(DataColumnsTest, RemoveAndClearTouchOnlyTheShownColumn) {
    struct Case {
        const char* name;
        Items items;
        int remove;  // -2: "Clear List" instead
        Items after;
        bool edited;
    };
    const Case cases[] = {
        {"delete the selected item", {" 1", " 2", " 3"}, 1, {" 1", " 3"}, true},
        {"delete without a selection", {" 1", " 2"}, -1, {" 1", " 2"}, false},
        {"delete past the end", {" 1"}, 1, {" 1"}, false},
        {"clear", {" 1", " 2"}, -2, {}, true},
        {"clear an empty column", {}, -2, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataColumns columns = columnsWith(c.items);
        const DataColumnEdit edit = c.remove == -2 ? columns.clear() : columns.remove(c.remove);
        EXPECT_EQ(columns.column(kYData1), c.after);
        EXPECT_EQ(columns.column(kXData), Items{" 7"});
        EXPECT_EQ(edit.edited, c.edited);
        EXPECT_FALSE(edit.replot);
    }
}

TEST_F(DataColumnsTest, AClickPutsTheItemWithoutBlanksIntoTheEntryBox) {
    const DataColumns columns = columnsWith({" 5", "-0.25"});
    for (const auto& [item, entry] : {std::pair{0, "5"}, std::pair{1, "-0.25"}}) {
        const DataColumnEdit edit = columns.clickItem(item);
        EXPECT_EQ(edit.entryText, std::optional<std::string>(entry));
        EXPECT_TRUE(edit.selectEntryText);
        EXPECT_EQ(edit.defaultButton, DataDefaultButton::ReplaceData);
    }
    EXPECT_FALSE(columns.clickItem(2).entryText);
}

// ---------------------------------------------------------------------------
// ^ and v

struct MoveCase {
    const char* name;
    bool up;
    int selected;
    Items after;
    std::optional<int> selection;  // none: nothing happened
    const char* entry;
};

const MoveCase kMoveCases[] = {
    {"^ on the middle item", true, 1, {" 2", " 1", " 3"}, 0, "2"},
    {"v on the middle item", false, 1, {" 1", " 3", " 2"}, 2, "2"},
    {"v on the first item", false, 0, {" 2", " 1", " 3"}, 1, "1"},
    {"^ on the first item", true, 0, {" 1", " 2", " 3"}, std::nullopt, ""},
    {"v on the last item", false, 2, {" 1", " 2", " 3"}, std::nullopt, ""},
    {"^ without a selection", true, -1, {" 1", " 2", " 3"}, std::nullopt, ""},
    {"v without a selection", false, -1, {" 1", " 2", " 3"}, std::nullopt, ""},
};

TEST_F(DataColumnsTest, MovesSwapWithTheNeighbourAndKeepTheItemSelected) {
    for (const MoveCase& c : kMoveCases) {
        SCOPED_TRACE(c.name);
        DataColumns columns = columnsWith({" 1", " 2", " 3"});
        const DataColumnEdit edit = c.up ? columns.moveUp(c.selected) : columns.moveDown(c.selected);
        EXPECT_EQ(columns.column(kYData1), c.after);
        EXPECT_EQ(edit.selection, c.selection);
        EXPECT_EQ(edit.edited, c.selection.has_value());
        EXPECT_FALSE(edit.replot);
        if (c.selection) {
            EXPECT_EQ(edit.entryText, std::optional<std::string>(c.entry));
            EXPECT_TRUE(edit.selectEntryText);
        } else {
            EXPECT_FALSE(edit.entryText);
        }
    }
}

}  // namespace
}  // namespace qv
