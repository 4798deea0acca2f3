#include "data/ui/list_panel.h"
#include "document/graph_document.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/input_conventions.h"
#include "ui/panel_context.h"

namespace qv {
namespace {

// These waits end as soon as the window system's events are processed; the
// bound only stops a broken run, so it is far beyond any loaded machine.
constexpr int kEventWaitMs = 60000;

using Entries = std::vector<std::string>;

class RecordingSink : public FormulaErrorSink {
public:
    void formulaError(const std::string&, const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// A window with its default-button keeper and the panel inside, shown and
// active, so that focus and Enter behave as they do for the user.
class ListPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        rewriteCtx.errors = &sink;
        window = std::make_unique<QWidget>();
        keeper = new DefaultButtonKeeper(window.get());
        ctx.defaults = keeper;
        ctx.rewrite = &rewriteCtx;
        ctx.doc = &doc;
        ctx.undo = &undo;
        QObject::connect(&ctx.events, &PanelEvents::documentEdited, [this] { ++edits; });
        panel = new ListPanel(ctx, window.get());
        auto* layout = new QHBoxLayout(window.get());
        layout->addWidget(panel);
        window->resize(800, 500);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), kEventWaitMs));

        entry = panel->findChild<QLineEdit*>("Text27");
        list = panel->findChild<QListWidget*>("List2");
        ASSERT_NE(entry, nullptr);
        ASSERT_NE(list, nullptr);
        for (const char* name : {"Command28", "Command29", "Command30", "Command39", "Command49", "Command50"})
            ASSERT_NE(button(name), nullptr) << name;
    }

    QPushButton* button(const char* name) const { return panel->findChild<QPushButton*>(name); }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    void clickEntry(int row) {
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }

    // Clicks into the entry box and types, as the user does; the box selects
    // its text on the focus, so typing replaces it.
    void type(const QString& text) {
        QTest::mouseClick(entry, Qt::LeftButton);
        QApplication::processEvents();
        QTest::keyClicks(entry, text);
    }

    void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    QPushButton* defaultButton() const { return keeper->defaultButton(); }

    void setEntries(const Entries& texts) { panel->setEntries(texts); }

    std::string entryText() const { return entry->text().toStdString(); }

    Entries shown() const {
        Entries texts;
        for (int r = 0; r < list->count(); ++r) texts.push_back(list->item(r)->text().toStdString());
        return texts;
    }

    // The list box and the core list always agree; returns the entries.
    Entries entries() const {
        EXPECT_EQ(shown(), panel->functions().entries());
        return panel->functions().entries();
    }

    int selectedRow() const {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        EXPECT_EQ(panel->selectedFunction(), selected.isEmpty() ? -1 : list->row(selected.first()));
        return panel->selectedFunction();
    }

    RecordingSink sink;
    RewriteContext rewriteCtx;
    int edits = 0;
    GraphDocument doc;
    QUndoStack undo;
    PanelContext ctx;
    std::unique_ptr<QWidget> window;  // destroyed before ctx, which the panel uses
    DefaultButtonKeeper* keeper = nullptr;
    ListPanel* panel = nullptr;
    QLineEdit* entry = nullptr;
    QListWidget* list = nullptr;
};

TEST_F(ListPanelTest, ControlsCarryTheirCaptions) {
    EXPECT_EQ(panel->objectName().toStdString(), "Picture3");
    const struct { const char* name; const char* caption; } buttons[] = {
        {"Command28", "Add to List"}, {"Command29", "Delete Item"}, {"Command30", "Clear List"},
        {"Command39", "Replace Function"}, {"Command49", "^"}, {"Command50", "v"},
        {"Command31", "Add to x(z)"}, {"Command32", "Add to y(z)"},
        {"Command25", "Add to List"}, {"Command26", "Delete Item"}, {"Command27", "Clear List"},
        {"Command38", "Replace Data"}, {"Command41", "^"}, {"Command42", "v"},
        {"Command33", "Sum"}, {"Command34", "Average"}, {"Command35", "Standard Dev."}, {"Command37", "n Elements"},
    };
    for (const auto& b : buttons) EXPECT_EQ(button(b.name)->text().toStdString(), b.caption) << b.name;
    bool captionFound = false;
    for (const QLabel* label : panel->findChildren<QLabel*>()) captionFound |= label->text() == "Function List";
    EXPECT_TRUE(captionFound);
    EXPECT_NE(panel->findChild<QWidget*>("DataList"), nullptr);
}

// ---------------------------------------------------------------------------
// Add to List

struct AddCase {
    const char* typed;
    const char* stored;
    bool byEnter;
};

TEST_F(ListPanelTest, AddStoresTheDisplayFormAndEmptiesTheBox) {
    const AddCase cases[] = {
        {"2 z", "2*z", false},
        {"x2", "z^2", true},
        {" sin ( z ) ", "sin(z)", true},
        {"2 z", "2*z", true},  // the same function twice
    };
    Entries expected;
    for (const AddCase& c : cases) {
        SCOPED_TRACE(c.typed);
        type(c.typed);
        edits = 0;
        if (c.byEnter) pressEnter(); else click("Command28");
        expected.push_back(c.stored);
        EXPECT_EQ(entries(), expected);
        EXPECT_EQ(entryText(), "");
        EXPECT_EQ(edits, 1);
        EXPECT_EQ(selectedRow(), -1);
        EXPECT_EQ(defaultButton(), button("Command28"));
    }
    EXPECT_TRUE(sink.texts.empty());
}

TEST_F(ListPanelTest, BlankEntryAddsNothingAndEditsNothing) {
    setEntries({"z"});
    for (const char* typed : {"", "   "}) {
        SCOPED_TRACE(std::string("'") + typed + "'");
        type(typed);
        edits = 0;
        click("Command28");
        EXPECT_EQ(entries(), Entries{"z"});
        EXPECT_EQ(entryText(), "");
        EXPECT_EQ(edits, 0);
    }
}

TEST_F(ListPanelTest, AfterAnAddEnterAddsTheNextFunction) {
    setEntries({"z"});
    clickEntry(0);
    ASSERT_EQ(defaultButton(), button("Command39"));
    // The clicked entry's text is added once more with the button ...
    click("Command28");
    EXPECT_EQ(entries(), (Entries{"z", "z"}));
    EXPECT_EQ(defaultButton(), button("Command28"));
    // ... and the next one goes in with Enter alone, the box reached by the
    // keyboard rather than by a click.
    entry->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(entry->hasFocus());
    QTest::keyClicks(entry, "3z");
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(entries(), (Entries{"z", "z", "3*z"}));
}

TEST_F(ListPanelTest, NothingAddedLeavesTheDefaultButton) {
    setEntries({"z"});
    clickEntry(0);
    entry->setText("  ");
    click("Command28");
    EXPECT_EQ(entries(), Entries{"z"});
    EXPECT_EQ(defaultButton(), button("Command39"));
}

TEST_F(ListPanelTest, UnbalancedParenthesesShowOneMessageAndAreStillAdded) {
    type("(z+1");
    pressEnter();
    EXPECT_EQ(sink.texts, std::vector<std::string>{kParenthesisErrorText});
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entryText(), "");
}

TEST_F(ListPanelTest, AFullListKeepsTheTypedText) {
    setEntries(Entries(kMaxFunctionEntries, "z"));
    type("3 z");
    edits = 0;
    click("Command28");
    EXPECT_EQ(list->count(), static_cast<int>(kMaxFunctionEntries));
    EXPECT_EQ(panel->functions().size(), kMaxFunctionEntries);
    EXPECT_EQ(entryText(), "3z");
    EXPECT_EQ(edits, 0);
}

TEST_F(ListPanelTest, WorksWithoutTheWindowsRewriterOrKeeper) {
    GraphDocument bareDoc;
    PanelContext bare;
    bare.doc = &bareDoc;
    int bareEdits = 0;
    QObject::connect(&bare.events, &PanelEvents::documentEdited, [&] { ++bareEdits; });
    ListPanel alone(bare);
    alone.functionEntryBox()->setText("2 z");
    QTest::mouseClick(alone.findChild<QPushButton*>("Command28"), Qt::LeftButton);
    EXPECT_EQ(alone.functions().entries(), Entries{"2*z"});
    EXPECT_EQ(bareEdits, 1);
}

// Every change of the function list is a named step of the undo history;
// undo puts the entries back exactly and marks the graph as changed, redo
// repeats the change.
TEST_F(ListPanelTest, FunctionListChangesUndoAndRedo) {
    struct Case {
        const char* name;
        std::function<void()> act;
        Entries after;
    };
    const Entries start{"sin(z)", "z^2", "2*z"};
    const std::vector<Case> cases = {
        {"Add to Function List", [this] { type("3z"); click("Command28"); }, {"sin(z)", "z^2", "2*z", "3*z"}},
        {"Delete Function", [this] { clickEntry(1); click("Command29"); }, {"sin(z)", "2*z"}},
        {"Clear Function List", [this] { click("Command30"); }, {}},
        {"Move Function Up", [this] { clickEntry(2); click("Command49"); }, {"sin(z)", "2*z", "z^2"}},
        {"Move Function Down", [this] { clickEntry(0); click("Command50"); }, {"z^2", "sin(z)", "2*z"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        undo.clear();
        setEntries(start);
        c.act();
        EXPECT_EQ(entries(), c.after);
        ASSERT_EQ(undo.count(), 1);
        EXPECT_EQ(undo.undoText().toStdString(), c.name);
        edits = 0;
        undo.undo();
        EXPECT_EQ(entries(), start);
        EXPECT_EQ(edits, 1);
        undo.redo();
        EXPECT_EQ(entries(), c.after);
    }
    // A command that changes nothing leaves no step.
    undo.clear();
    setEntries(start);
    click("Command29");  // nothing selected
    EXPECT_EQ(undo.count(), 0);
}

// "Replace Function" puts the entry box's rewritten text in place of the
// selected entry; "Add to x(z)" and "Add to y(z)" hand the box's text on.
TEST_F(ListPanelTest, ReplaceFunctionAndTheGraphBoxButtons) {
    setEntries({"sin(z)", "z^2"});
    clickEntry(1);
    type("3 z");
    click("Command39");
    EXPECT_EQ(entries(), (Entries{"sin(z)", "3*z"}));
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(entryText(), "");
    EXPECT_EQ(defaultButton(), button("Command28"));
    click("Command39");  // nothing selected, nothing typed: nothing happens
    EXPECT_EQ(entries(), (Entries{"sin(z)", "3*z"}));

    QSignalSpy handed(panel, &ListPanel::functionForBox);
    type("cos(z)");
    edits = 0;
    click("Command31");
    click("Command32");
    ASSERT_EQ(handed.size(), 2);
    EXPECT_EQ(handed[0][0].value<ListPanel::FunctionBox>(), ListPanel::FunctionBox::X);
    EXPECT_EQ(handed[1][0].value<ListPanel::FunctionBox>(), ListPanel::FunctionBox::Y);
    EXPECT_EQ(handed[1][1].toString(), "cos(z)");
    EXPECT_EQ(edits, 2);
}

// ---------------------------------------------------------------------------
// Delete Item and Clear List

TEST_F(ListPanelTest, DeleteRemovesOnlyTheSelectedEntry) {
    setEntries({"a", "b", "c"});
    entry->setText("kept");
    click("Command29");
    EXPECT_EQ(entries(), (Entries{"a", "b", "c"}));
    EXPECT_EQ(entryText(), "kept");
    EXPECT_EQ(edits, 0);

    clickEntry(1);
    click("Command29");
    EXPECT_EQ(entries(), (Entries{"a", "c"}));
    EXPECT_EQ(entryText(), "");
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(edits, 1);
}

TEST_F(ListPanelTest, ClearEditsOnlyAListWithEntries) {
    click("Command30");
    EXPECT_EQ(edits, 0);
    EXPECT_TRUE(entry->hasFocus());

    setEntries({"a", "b"});
    clickEntry(0);
    click("Command30");
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(edits, 1);
    EXPECT_TRUE(entry->hasFocus());
}

// ---------------------------------------------------------------------------
// ^ and v

struct MoveCase {
    const char* name;
    const char* buttonName;
    int clicked;  // -1: no entry clicked
    Entries after;
    int selectedAfter;
    const char* entryText;
    bool edited;
};

TEST_F(ListPanelTest, MovesFollowTheSelectedEntry) {
    const MoveCase cases[] = {
        {"up from the middle", "Command49", 1, {"z^2", "sin(z)", "2*z"}, 0, "z^2", true},
        {"down from the top", "Command50", 0, {"z^2", "sin(z)", "2*z"}, 1, "sin(z)", true},
        {"down from the last", "Command50", 2, {"sin(z)", "z^2", "2*z"}, 2, "2*z", false},
        {"up from the top", "Command49", 0, {"sin(z)", "z^2", "2*z"}, 0, "sin(z)", false},
        {"up without a selection", "Command49", -1, {"sin(z)", "z^2", "2*z"}, -1, "", false},
        {"down without a selection", "Command50", -1, {"sin(z)", "z^2", "2*z"}, -1, "", false},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        setEntries({"sin(z)", "z^2", "2*z"});
        entry->clear();
        if (c.clicked >= 0) clickEntry(c.clicked);
        edits = 0;
        click(c.buttonName);
        EXPECT_EQ(entries(), c.after);
        EXPECT_EQ(selectedRow(), c.selectedAfter);
        EXPECT_EQ(entryText(), c.entryText);
        EXPECT_EQ(edits, c.edited ? 1 : 0);
        if (c.edited) {
            EXPECT_EQ(entry->selectedText().toStdString(), c.entryText);
        }
    }
}

TEST_F(ListPanelTest, RepeatedMovesCarryTheEntryToTheTop) {
    setEntries({"a", "b", "c", "d"});
    clickEntry(3);
    for (int i = 0; i < 4; ++i) click("Command49");
    EXPECT_EQ(entries(), (Entries{"d", "a", "b", "c"}));
    EXPECT_EQ(selectedRow(), 0);
}

// ---------------------------------------------------------------------------
// Clicks, typing, focus

TEST_F(ListPanelTest, ClickingAnEntryCopiesItForReplacing) {
    setEntries({"sin(z)", "z^2"});
    clickEntry(1);
    EXPECT_EQ(entryText(), "z^2");
    EXPECT_TRUE(entry->hasFocus());
    EXPECT_EQ(entry->selectedText().toStdString(), "z^2");
    EXPECT_EQ(defaultButton(), button("Command39"));
    // Copying is not an edit of the document.
    EXPECT_EQ(edits, 0);
}

TEST_F(ListPanelTest, ClickInTheEntryBoxMakesAddTheDefault) {
    setEntries({"z"});
    clickEntry(0);
    QSignalSpy clicked(panel, &ListPanel::functionEntryBoxClicked);
    QTest::mouseClick(entry, Qt::LeftButton);
    EXPECT_EQ(defaultButton(), button("Command28"));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ListPanelTest, TypingMarksTheDocumentButProgramWritesDoNot) {
    setEntries({"z"});
    entry->setText("written by the program");
    EXPECT_EQ(edits, 0);
    type("z");
    EXPECT_GE(edits, 1);
}

TEST_F(ListPanelTest, TheHaltMessageGoesWhenTheBoxGetsTheFocus) {
    const struct { const char* text; const char* afterFocus; } cases[] = {
        {"Data fit halted.", ""},
        {"Data fit halted", "Data fit halted"},
        {"data fit halted.", "data fit halted."},
        {"z^2", "z^2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        list->setFocus();
        entry->setText(c.text);
        QTest::mouseClick(entry, Qt::LeftButton);
        EXPECT_EQ(entryText(), c.afterFocus);
    }
    // The focus that "Clear List" gives counts too.
    entry->setText("Data fit halted.");
    click("Command30");
    EXPECT_EQ(entryText(), "");
    EXPECT_EQ(edits, 0);
}

TEST_F(ListPanelTest, LoadedEntriesReplaceTheListUnselected) {
    setEntries({"a", "b"});
    clickEntry(1);
    panel->setEntries({"c"});
    EXPECT_EQ(entries(), Entries{"c"});
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(edits, 0);
}

}  // namespace
}  // namespace qv
