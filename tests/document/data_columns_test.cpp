#include "document/data_columns.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"

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
    // The script variable z holds what the last evaluation at a point left
    // in it, as it does in the running program.
    void SetUp() override {
        EvaluatorFixture::SetUp();
        ev.setVariable("z", Value::number(1.494));
    }

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

const std::optional<DataMessage> kNone;

// Items keep every bit of the value: 1/3 is stored as the shortest text that
// reads back as the same double. Whatever is not a number is refused with the
// one message, the entry box keeping its text.
const AddCase kAddCases[] = {
    {"sum, written with a leading blank", "2 + 3", " 5", "", kNone},
    {"negative, no blank", "-1/4", "-0.25", "", kNone},
    {"a third keeps every digit", "1/3", " 0.3333333333333333", "", kNone},
    {"typed notation is rewritten first", "2pi", " 6.283185307179586", "", kNone},
    {"a small value", "1E-5", " 1E-05", "", kNone},
    {"zero keeps its blank", "0", " 0", "", kNone},
    {"negative zero is zero", "-0", " 0", "", kNone},
    {"a comparison is a number", "1<2", "-1", "", kNone},
    {"empty box: nothing", "", std::nullopt, "", kNone},
    {"blanks only: nothing", "   ", std::nullopt, "", kNone},
    {"a text", "\"ab\"", std::nullopt, "\"ab\"", kInvalidEntry},
    {"a text that reads as a number", "\"12\"", std::nullopt, "\"12\"", kInvalidEntry},
    {"an unassigned name", "abc", std::nullopt, "abc", kInvalidEntry},
    {"a word read as a product of names", "hello", std::nullopt, "h*e^llo", kInvalidEntry},
    {"the variable x, which is z", "x", std::nullopt, "z", kInvalidEntry},
    {"a number run into letters", "12abc", std::nullopt, "12abc", kInvalidEntry},
    {"an operator without operand", "1+", std::nullopt, "1+", kInvalidEntry},
    {"division by zero", "1/0", std::nullopt, "1/0", kInvalidEntry},
    {"a domain error", "ln(-1)", std::nullopt, "ln(-1)", kInvalidEntry},
    {"a name heal cannot restore keeps the typed text", "sinn(2)", std::nullopt, "sinn(2)", kInvalidEntry},
    // heal has shown its parenthesis message: no second one.
    {"unbalanced parentheses", "2*(3", std::nullopt, "2*(3", kNone},
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
        const bool unbalanced = std::string_view(c.typed) == "2*(3";
        EXPECT_EQ(sink.texts.size(), unbalanced ? 1u : 0u);
        sink.texts.clear();
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
    {"every digit kept", 0, "-2/3", {"-0.6666666666666666", " 2", " 3"}, true, std::nullopt},
    {"the variable t, which is z", 0, "t", {" 1", " 2", " 3"}, false, kInvalidEntry},
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
        EXPECT_EQ(edit.changed, c.replaced);
        if (c.replaced) {
            EXPECT_EQ(edit.entryText, "");
            EXPECT_EQ(edit.selection, std::optional<int>(-1));
            EXPECT_EQ(edit.defaultButton, DataDefaultButton::AddToList);
        }
    }
}

// ---------------------------------------------------------------------------
// The calculator's answer, and what the list shows of an item

TEST_F(DataColumnsTest, AnswersAreAppendedWithEveryDigitOrRefused) {
    const struct {
        const char* name;
        Value answer;
        std::optional<std::string> added;
    } cases[] = {
        {"a third", Value::number(1.0 / 3.0), " 0.3333333333333333"},
        {"a negative", Value::number(-0.25), "-0.25"},
        {"True is -1", Value::boolean(true), "-1"},
        {"a text", Value::string("ab"), std::nullopt},
        {"a text that reads as a number", Value::string("5"), std::nullopt},
        {"nothing", Value::empty(), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DataColumns columns = columnsWith({" 1"});
        const DataColumnEdit edit = columns.appendAnswer(c.answer);
        Items expected{" 1"};
        if (c.added) expected.push_back(*c.added);
        EXPECT_EQ(columns.column(kYData1), expected);
        EXPECT_EQ(edit.edited, c.added.has_value());
        EXPECT_EQ(edit.message, c.added ? kNone : kInvalidEntry);
    }
}

// A stored value shows its 15 digits; any other item shows as it is.
TEST(DataItems, TheListShowsFifteenDigitsOfAStoredValue) {
    const std::pair<double, const char*> stored[] = {
        {1.0 / 3.0, " 0.333333333333333"}, {-2.0 / 3.0, "-0.666666666666667"}, {0.1 + 0.2, " 0.3"},
        {1e-5, " 1E-05"}, {1.7976931348623157e308, " 1.79769313486232E+308"}, {5e-324, " 4.94065645841247E-324"},
    };
    for (const auto& [value, shown] : stored) {
        const std::string item = itemText(value);
        EXPECT_EQ(toNumber(item), value) << item;
        EXPECT_EQ(shownItemText(item), shown) << item;
    }
    for (const char* asStored : {" 1.50", " 2", " abc", " 0.33333333333333331", "3"}) {
        EXPECT_EQ(shownItemText(asStored), asStored);
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
        if (c.selection) {
            EXPECT_EQ(edit.entryText, std::optional<std::string>(c.entry));
            EXPECT_TRUE(edit.selectEntryText);
        } else {
            EXPECT_FALSE(edit.entryText);
        }
    }
}

// A reader that has seen a column's stamp skips its items: every command
// that changes the items must give the column a new stamp, and only that
// column; a command that changes nothing may keep it.
TEST_F(DataColumnsTest, EveryChangeOfTheItemsRenewsTheColumnsStamp) {
    struct StampCase {
        const char* name;
        std::function<DataColumnEdit(DataColumns&)> command;
        bool changes;
    };
    const StampCase cases[] = {
        {"add", [&](DataColumns& c) { return c.add("4", rewrite, ev); }, true},
        {"add refused", [&](DataColumns& c) { return c.add("abc", rewrite, ev); }, false},
        {"answer", [](DataColumns& c) { return c.appendAnswer(Value::number(2)); }, true},
        {"remove", [](DataColumns& c) { return c.remove(0); }, true},
        {"clear", [](DataColumns& c) { return c.clear(); }, true},
        {"replace", [&](DataColumns& c) { return c.replace(1, "9", rewrite, ev); }, true},
        {"move up", [](DataColumns& c) { return c.moveUp(1); }, true},
        {"move down", [](DataColumns& c) { return c.moveDown(0); }, true},
        {"click", [](DataColumns& c) { return c.clickItem(0); }, false},
    };
    for (const StampCase& k : cases) {
        DataColumns columns = columnsWith({" 1", " 2"});
        const DataColumns copy = columns;
        EXPECT_EQ(copy.stamp(kYData1), columns.stamp(kYData1)) << k.name;
        const uint64_t before = columns.stamp(kYData1), x = columns.stamp(kXData);
        const Items items = columns.column(kYData1);
        const std::vector<uint64_t> itemsBefore = columns.itemStamps(kYData1);
        k.command(columns);
        EXPECT_EQ(columns.stamp(kXData), x) << k.name;
        // Every item has a stamp; an item that moved took its own along.
        const std::vector<uint64_t>& after = columns.itemStamps(kYData1);
        ASSERT_EQ(after.size(), columns.column(kYData1).size()) << k.name;
        for (size_t i = 0; i < after.size(); ++i) {
            for (size_t j = 0; j < itemsBefore.size(); ++j) {
                if (after[i] == itemsBefore[j]) {
                    EXPECT_EQ(columns.column(kYData1)[i], items[j]) << k.name;
                }
            }
        }
        if (k.changes || columns.column(kYData1) != items) {
            EXPECT_NE(columns.stamp(kYData1), before) << k.name;
            EXPECT_NE(columns.stamp(kYData1), copy.stamp(kYData1)) << k.name;
        }
    }
    // A column given again keeps the stamps of the items whose texts stay.
    DataColumns again = columnsWith({" 1", " 2", " 3"});
    const std::vector<uint64_t> first = again.itemStamps(kYData1);
    again.assign(kYData1, {" 1", " 5", " 3", " 4"});
    const std::vector<uint64_t>& second = again.itemStamps(kYData1);
    ASSERT_EQ(second.size(), 4u);
    EXPECT_EQ(second[0], first[0]);
    EXPECT_NE(second[1], first[1]);
    EXPECT_EQ(second[2], first[2]);
    EXPECT_NE(second[3], 0u);

    DataColumns a, b;
    a.assign(kYData1, {" 1"});
    b.assign(kYData1, {" 2"});
    EXPECT_NE(a.stamp(kYData1), b.stamp(kYData1)) << "two documents";
}

}  // namespace
}  // namespace qv
