// The data list in the window: entering, clicking, replacing and moving
// items, the column switch, the statistics, the drawing switches with their
// refusals and size boxes, and the undo history of every column change.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "data/ui/data_list_panel.h"
#include "data/ui/list_panel.h"
#include "document/graph_document.h"
#include "plot/ui/navigation_controller.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"
#include "ui/input_conventions.h"

namespace qv {
namespace {

using Items = std::vector<std::string>;

class DataListPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->resize(1180, 760);
        window->show();
        window->setMode(Mode::List);
        QApplication::setActiveWindow(window.get());
        data = &window->findChild<ListPanel*>()->dataList();
        entry = box("Text26");
    }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QCheckBox* check(const char* name) { return window->findChild<QCheckBox*>(name); }
    QListView* view(int c) { return window->findChild<QListView*>(QString("List1(%1)").arg(c)); }
    DataColumns& columns() { return window->document().data; }
    // What the view shows of column c, checked against the column itself.
    Items shown(int c) {
        Items out, expected;
        QAbstractItemModel* m = view(c)->model();
        for (int r = 0; r < m->rowCount(); ++r) out.push_back(m->index(r, 0).data().toString().toStdString());
        for (const std::string& item : columns().column(c)) expected.push_back(shownItemText(item));
        EXPECT_EQ(out, expected) << "the view shows the column";
        return out;
    }
    void enter(const char* text) {
        entry->setText(text);
        button("Command25")->click();
    }
    void clickItem(int row) {
        QListView* v = view(columns().selected());
        v->scrollTo(v->model()->index(row, 0));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(row, 0)).center());
    }
    QUndoStack& undo() { return window->undoStack(); }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
    DataListPanel* data = nullptr;
    QLineEdit* entry = nullptr;
};

// Each entry becomes an item with every digit of its value (the list shows
// 15), or is refused with one message; the box keeps what was refused.
TEST_F(DataListPanelTest, EntriesBecomeItemsOrAreRefusedOnce) {
    const std::string invalid = "Invalid input!  Make sure your entry is a real number.";
    struct Case {
        const char* typed;
        Items shownAfter;
        const char* entryAfter;
        std::string message;  // the one message shown, empty for none
    };
    const Case cases[] = {
        {"2 + 3", {" 5"}, "", ""},
        {"-1/4", {" 5", "-0.25"}, "", ""},
        {"1/3", {" 5", "-0.25", " 0.333333333333333"}, "", ""},
        {"\"abc\"", {" 5", "-0.25", " 0.333333333333333"}, "\"abc\"", invalid},
        {"hello", {" 5", "-0.25", " 0.333333333333333"}, "h*e^llo", invalid},
        {"x", {" 5", "-0.25", " 0.333333333333333"}, "z", invalid},
        {"2*(3", {" 5", "-0.25", " 0.333333333333333"}, "2*(3",
         "One of your expressions does not contain an equal number of opened and closed parenthesis."},
        {"", {" 5", "-0.25", " 0.333333333333333"}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        platform.messages.clear();
        if (!c.message.empty()) platform.answerMessages({MessageAnswer::Ok});
        enter(c.typed);
        EXPECT_EQ(shown(1), c.shownAfter);
        EXPECT_EQ(entry->text().toStdString(), c.entryAfter);
        EXPECT_EQ(platform.messageTexts(), c.message.empty() ? std::vector<std::string>{}
                                                             : std::vector<std::string>{c.message});
    }
    EXPECT_EQ(columns().column(1)[2], " 0.3333333333333333");
    EXPECT_TRUE(platform.allAnswersUsed());
    // The item's own text goes into the box, so replacing it with itself
    // keeps every digit.
    clickItem(2);
    EXPECT_EQ(entry->text(), "0.3333333333333333");
    button("Command38")->click();
    EXPECT_EQ(columns().column(1)[2], " 0.3333333333333333");
}

TEST_F(DataListPanelTest, ClickReplaceAndMoveFollowTheItem) {
    for (const char* t : {"1", "2", "3"}) enter(t);
    clickItem(1);
    EXPECT_EQ(entry->text(), "2");
    EXPECT_EQ(window->defaults().defaultButton(), button("Command38"));
    button("Command41")->click();  // ^
    EXPECT_EQ(shown(1), (Items{" 2", " 1", " 3"}));
    EXPECT_EQ(data->selectedItem(), 0);
    EXPECT_EQ(entry->text(), "2");
    clickItem(2);
    button("Command42")->click();  // v on the last: nothing
    EXPECT_EQ(shown(1), (Items{" 2", " 1", " 3"}));
    entry->setText("7*2");
    button("Command38")->click();
    EXPECT_EQ(shown(1), (Items{" 2", " 1", " 14"}));
    EXPECT_EQ(data->selectedItem(), -1);
    EXPECT_EQ(window->defaults().defaultButton(), button("Command25"));
    entry->setText("\"text\"");
    clickItem(0);
    entry->setText("1/0");
    platform.answerMessages({MessageAnswer::Ok});
    button("Command38")->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Data error!");
    EXPECT_EQ(platform.messages[0].text, "Invalid input!  Make sure your entry is a real number.");
    EXPECT_EQ(shown(1), (Items{" 2", " 1", " 14"}));
}

TEST_F(DataListPanelTest, SwitchingColumnsShowsOneAndClearsTheResult) {
    enter("4");
    button("Command37")->click();
    EXPECT_EQ(window->findChild<QLabel*>("Label38")->text(), "Number of Elements =  1");
    QSignalSpy selected(&window->findChild<ListPanel*>()->dataList(), &DataListPanel::entryBoxClicked);
    window->findChild<QRadioButton*>("Option3")->click();
    EXPECT_EQ(columns().selected(), 0);
    EXPECT_TRUE(window->findChild<QLabel*>("Label38")->text().isEmpty());
    for (int c = 0; c < 4; ++c) EXPECT_EQ(view(c)->isVisible(), c == 0) << c;
    enter("9");
    button("Command27")->click();  // Clear List: only the shown column
    EXPECT_TRUE(columns().column(0).empty());
    EXPECT_EQ(columns().column(1), (Items{" 4"}));
}

TEST_F(DataListPanelTest, StatisticsShowTheirLabels) {
    for (const char* t : {"1", "2", "3", "4"}) enter(t);
    const struct {
        const char* button;
        const char* label;
    } cases[] = {
        {"Command33", "Sum = 10"},
        {"Command34", "Average =  2.5"},
        {"Command35", "Standard Deviation =  1.29099444873581"},
        {"Command37", "Number of Elements =  4"},
    };
    for (const auto& c : cases) {
        button(c.button)->click();
        EXPECT_EQ(window->findChild<QLabel*>("Label38")->text().toStdString(), c.label);
    }
}

// A drawing switched on with columns that cannot make points is refused
// with its message; one that is accepted locks the list's column choice and
// edit buttons until every drawing is off again.
TEST_F(DataListPanelTest, DrawingSwitchesRefuseOrLockTheList) {
    enter("1");
    enter("2");  // y has two items, x none
    platform.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok});
    check("Check2")->click();
    EXPECT_FALSE(check("Check2")->isChecked());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "There are 0 X data points, but there are 2 Y data points.  There must be the same number of X and "
              "Y data points in order to plot them.");
    window->findChild<QRadioButton*>("Option3")->click();
    check("Check7")->click();  // x against x: no points at all
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "There are no data points with which to plot.");
    enter("0");
    enter("1");
    window->findChild<QRadioButton*>("Option4")->click();
    check("Check8")->click();
    EXPECT_TRUE(check("Check8")->isChecked());
    EXPECT_TRUE(window->document().data_plot.movingAverage);
    for (const char* name : {"Command25", "Command26", "Command27"}) EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(window->findChild<QRadioButton*>("Option3")->isEnabled());
    check("Check8")->click();
    EXPECT_TRUE(button("Command25")->isEnabled());
    EXPECT_TRUE(window->findChild<QRadioButton*>("Option3")->isEnabled());
}

// Each drawing switch shows on the graph beside the list as it is ticked,
// and unticking it takes its points and lines away at once.
TEST_F(DataListPanelTest, DrawingSwitchesRedrawTheGraphAtOnce) {
    window->findChild<QRadioButton*>("Option3")->click();
    for (const char* t : {"-2", "-1", "0", "1", "2"}) enter(t);
    window->findChild<QRadioButton*>("Option4")->click();
    for (const char* t : {"1", "-1", "2", "0", "3"}) enter(t);
    const PictureArea* picture = window->findChild<PictureArea*>("Picture1");
    window->plotter().plot();
    const QImage plain = picture->image().copy();
    for (const char* name : {"Check2", "Check7", "Check8", "Check9"}) {
        check(name)->click();
        ASSERT_TRUE(check(name)->isChecked()) << name;
        EXPECT_NE(picture->image(), plain) << name << " ticked";
        check(name)->click();
        EXPECT_EQ(picture->image(), plain) << name << " unticked";
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DataListPanelTest, SizeBoxesHoldWholeNumbers) {
    struct Case {
        const char* box;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"Text28", "2.5", "2"}, {"Text28", "-3", "1"}, {"Text28", "abc", "1"},
        {"Text29", "1.5", "2"}, {"Text29", "-3", "0"}, {"Text29", "abc", "0"},
    };
    for (const Case& c : cases) {
        QLineEdit* b = box(c.box);
        b->setText(c.typed);
        Q_EMIT b->editingFinished();  // as leaving the box does
        EXPECT_EQ(b->text().toStdString(), c.shown) << c.box << " " << c.typed;
    }
    EXPECT_EQ(window->document().data_plot.size, 1);
    EXPECT_EQ(window->document().data_plot.neighbours, 0);
}

// Every column change is one named step; undo restores the column exactly
// (a clear of a full column too) and marks the graph as changed.
TEST_F(DataListPanelTest, EveryColumnChangeUndoesAndRedoes) {
    for (const char* t : {"1", "2", "3"}) enter(t);
    const Items start = columns().column(1);
    struct Case {
        const char* name;
        std::function<void()> act;
    };
    const std::vector<Case> cases = {
        {"Add to List", [this] { enter("4"); }},
        {"Delete Item", [this] { clickItem(1); button("Command26")->click(); }},
        {"Replace Data", [this] { clickItem(0); entry->setText("8"); button("Command38")->click(); }},
        {"Move Item Up", [this] { clickItem(2); button("Command41")->click(); }},
        {"Move Item Down", [this] { clickItem(0); button("Command42")->click(); }},
        {"Clear List", [this] { button("Command27")->click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        undo().clear();
        columns().assign(1, start);
        data->refresh();
        c.act();
        const Items after = shown(1);
        ASSERT_NE(after, start);
        ASSERT_EQ(undo().count(), 1);
        EXPECT_EQ(undo().undoText().toStdString(), c.name);
        window->document().document_saved = true;
        undo().undo();
        EXPECT_EQ(shown(1), start);
        EXPECT_FALSE(window->document().document_saved);
        undo().redo();
        EXPECT_EQ(shown(1), after);
    }
    // A full column cleared and brought back.
    Items full;
    for (std::size_t i = 0; i < kMaxDataItems; ++i) full.push_back(" " + std::to_string(i));
    columns().assign(1, full);
    data->refresh();
    undo().clear();
    button("Command27")->click();
    EXPECT_TRUE(columns().column(1).empty());
    window->findChild<QAction*>("Undo")->trigger();
    EXPECT_EQ(columns().column(1), full);
    EXPECT_EQ(view(1)->model()->rowCount(), static_cast<int>(kMaxDataItems));
}

// Export and import through the File menu: the lines written, the refused
// extension that reopens the dialog, the erase question, a binary file
// refused with the column kept, the import as an undo step.
TEST_F(DataListPanelTest, ListFilesThroughTheFileMenu) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("qv-list-files-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string out = (folder / "out.txt").string();
    for (const char* t : {"2", "-0.5", "10"}) enter(t);

    platform.saveAnswers = {(folder / "out.csv").string(), out};
    platform.answerMessages({MessageAnswer::Ok});
    window->findChild<QAction*>("Export")->trigger();
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"Only a TXT extension is allowed."}));
    std::ifstream written(out, std::ios::binary);
    std::stringstream bytes;
    bytes << written.rdbuf();
    EXPECT_EQ(bytes.str(), "2\r\n-0.5\r\n10\r\n");
    EXPECT_EQ(window->document().export_mode, "normal");

    std::ofstream(folder / "bin.txt", std::ios::binary) << std::string("1\n\0\n2", 5);
    std::ofstream(folder / "word.txt", std::ios::binary) << "1\r\n2\r\nabc\r\n";
    std::ofstream(folder / "in.txt", std::ios::binary) << "3\r\n-1\n";
    platform.messages.clear();
    platform.openAnswers = {(folder / "bin.txt").string(), (folder / "word.txt").string(),
                            (folder / "in.txt").string()};
    platform.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Ok});
    undo().clear();
    window->findChild<QAction*>("Import")->trigger();
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].text, "Your current list still contains data.  Ok to erase?");
    EXPECT_EQ(platform.messages[2].title, "Quorvanta  -  Import");
    EXPECT_EQ(platform.messages[2].text, "Line 3 of \"word.txt\" is not a number: abc");
    EXPECT_EQ(shown(1), (Items{" 3", " -1"}));
    EXPECT_TRUE(platform.allAnswersUsed());
    EXPECT_EQ(undo().undoText().toStdString(), "Import List");
    undo().undo();
    EXPECT_EQ(shown(1), (Items{" 2", "-0.5", " 10"}));
    std::filesystem::remove_all(folder);
}

// Points entered in the x and y columns are drawn with all four drawings,
// and the autoscale fits the view to them at the next redraw.
TEST_F(DataListPanelTest, EnteredPointsAreDrawnAndAutoscaled) {
    window->findChild<QRadioButton*>("Option3")->click();
    for (const char* t : {"0", "1", "2", "3", "4"}) enter(t);
    window->findChild<QRadioButton*>("Option4")->click();
    for (const char* t : {"1", "2", "3", "4", "5"}) enter(t);
    for (const char* name : {"Check2", "Check7", "Check8", "Check9"}) check(name)->click();
    box("Text29")->setText("1");
    check("Check3")->click();
    ASSERT_TRUE(window->document().data_plot.any());
    button("Command19")->click();  // Plot  Line
    EXPECT_EQ(box("Text3")->text(), "-0.6");
    EXPECT_EQ(box("Text4")->text(), " 6.6");
    EXPECT_EQ(box("Text1")->text().left(8), "-1.33333");
    EXPECT_EQ(box("Text6")->text(), box("Text1")->text());
    EXPECT_EQ(window->document().autoscale, 0);  // one-shot
    // The view travels to the fitted range and the graph, in view beside the
    // list, is redrawn on the way.
    const int redraws = window->plotter().redraws();
    for (int i = 0; i < 20 && window->navigation().transitionRunning(); ++i) window->navigation().transitionTick();
    EXPECT_NEAR(window->document().x_min, -4.0 / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(window->document().y_max, 6.6);
    EXPECT_GE(window->plotter().redraws(), redraws + 15);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace qv
