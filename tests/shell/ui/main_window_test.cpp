// The main window driven through its real widgets: start-up state, the four
// modes, the save prompt, new graphs and windows, and the default button.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

#include "ui/input_conventions.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("qv-main-window-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        platform_.folder = folder_.string();
    }
    void TearDown() override {
        window_.reset();
        std::filesystem::remove_all(folder_);
    }

    MainWindow& open(std::vector<std::string> arguments = {}) {
        window_ = std::make_unique<MainWindow>(&platform_, std::move(arguments));
        window_->show();
        return *window_;
    }
    template <typename T>
    T* find(const char* name) {
        T* w = window_->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    QWidget* widget(const char* name) { return find<QWidget>(name); }
    QLineEdit* box(const char* name) { return find<QLineEdit>(name); }

    std::filesystem::path folder_;
    FakePlatform platform_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, StartsWithTheDefaultState) {
    MainWindow& w = open();
    EXPECT_EQ(w.windowTitle(), "Quorvanta");
    EXPECT_EQ(box("Text1")->text(), "-5");
    EXPECT_EQ(box("Text2")->text(), "5");
    EXPECT_EQ(box("Text3")->text(), "-4.16");
    EXPECT_EQ(box("Text4")->text(), "4.16");
    EXPECT_EQ(box("Text17")->text(), "1");
    EXPECT_EQ(box("Text18")->text(), "1");
    const ColorSlots& c = w.document().colors;
    EXPECT_EQ(c[kBackground], 16777215u);
    EXPECT_EQ(c[kAxis], 0u);
    EXPECT_EQ(c[kPointCross], 255u);
    EXPECT_EQ(c[kFunctionLine], 16711680u);
    EXPECT_EQ(c[kMovingAverage], 255u + 256u * 150u);
    EXPECT_EQ(c[kSecondDerivative], 175u + 256u * 75u + 65536u * 75u);
    EXPECT_EQ(c[kGrid], 200u + 256u * 200u + 65536u * 200u);
    EXPECT_TRUE(w.document().document_saved);
    EXPECT_FALSE(w.document().open_from_path);
    EXPECT_EQ(w.mode(), Mode::Parametric);
    EXPECT_TRUE(action("ParametricGrapher")->isChecked());
    EXPECT_EQ(w.plotRequests(), 1);
    EXPECT_EQ(w.defaults().defaultButton(), find<QPushButton>("Command19"));
    // The evaluator is set up: the library's constants are there.
    EXPECT_EQ(w.evaluator().eval("pi").value.num, 3.141592653589793);
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(MainWindowTest, ModesShowTheirPanelsAndEnableTheirMenus) {
    struct Row {
        const char* action;
        Mode mode;
        bool calculator, list, vectors, view;
    };
    const Row rows[] = {
        {"Calculator", Mode::Calculator, true, false, false, false},
        {"List", Mode::List, false, true, false, false},
        {"Vectors", Mode::Vectors, false, false, true, false},
        {"ParametricGrapher", Mode::Parametric, false, false, false, true},
        {"List", Mode::List, false, true, false, false},
    };
    MainWindow& w = open();
    for (const Row& r : rows) {
        const int plotsBefore = w.plotRequests();
        action(r.action)->trigger();
        EXPECT_EQ(w.mode(), r.mode) << r.action;
        EXPECT_TRUE(action(r.action)->isChecked()) << r.action;
        int checked = 0;
        for (const char* name : {"ParametricGrapher", "Calculator", "List", "Vectors"}) checked += action(name)->isChecked();
        EXPECT_EQ(checked, 1) << r.action;
        EXPECT_EQ(widget("Picture2")->isVisible(), r.calculator) << r.action;
        EXPECT_EQ(widget("Picture3")->isVisible(), r.list) << r.action;
        EXPECT_EQ(widget("Picture6")->isVisible(), r.vectors) << r.action;
        EXPECT_TRUE(widget("Picture1")->isVisible()) << r.action;
        EXPECT_EQ(find<QMenu>("View")->menuAction()->isEnabled(), r.view) << r.action;
        // Only the parametric grapher redraws on entering.
        EXPECT_EQ(w.plotRequests(), plotsBefore + (r.mode == Mode::Parametric ? 1 : 0)) << r.action;
    }
}

TEST_F(MainWindowTest, ListModeTakesTheAutoscaleRequestFromItsBox) {
    MainWindow& w = open();
    w.document().autoscale = 0;
    w.findChild<QCheckBox*>("Check3")->setChecked(true);
    action("List")->trigger();
    EXPECT_EQ(w.document().autoscale, 1);
}

TEST_F(MainWindowTest, ChoosingTheCheckedModeChangesNothing) {
    MainWindow& w = open();
    const int plots = w.plotRequests();
    action("ParametricGrapher")->trigger();
    EXPECT_TRUE(action("ParametricGrapher")->isChecked());
    EXPECT_EQ(w.plotRequests(), plots);
    action("Vectors")->trigger();
    action("Vectors")->trigger();
    EXPECT_TRUE(action("Vectors")->isChecked());
    EXPECT_EQ(w.mode(), Mode::Vectors);
}

// Activation gives the focus to the mode's box, unless it came with a click
// on a control: that control keeps the focus, so the keys typed next go
// where the user clicked, with the integral panel open too.
TEST_F(MainWindowTest, ActivationNeverTakesTheFocusFromAClickedBox) {
    struct Case {
        bool integral;
        const char* clicked;  // nullptr: activation by the keyboard
        const char* focused;
    };
    const Case cases[] = {
        {false, "Text5", "Text5"}, {false, nullptr, "Text9"}, {true, "Text30", "Text30"}, {true, nullptr, "Text33"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicked ? c.clicked : "keyboard");
        MainWindow& w = open();
        box("Text8")->setText("z");
        box("Text9")->setText("z^2");
        if (c.integral) action("Integral")->trigger();
        QWidget other;  // another window takes the activation, as a message box does
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::processEvents();  // what the window system says of the new window
        ASSERT_FALSE(w.isActiveWindow());
        if (c.clicked) QTest::mouseClick(box(c.clicked), Qt::LeftButton);
        QApplication::setActiveWindow(&w);
        QApplication::processEvents();  // the box selects its text on entry
        ASSERT_TRUE(w.isActiveWindow());
        EXPECT_EQ(QApplication::focusWidget(), box(c.focused));
        QTest::keyClicks(QApplication::focusWidget(), "7");
        EXPECT_EQ(box(c.focused)->text(), "7");
        EXPECT_EQ(box("Text9")->text(), c.focused == std::string("Text9") ? "7" : "z^2");
    }
}

TEST_F(MainWindowTest, ClosingUnchangedAsksNothing) {
    open();
    EXPECT_TRUE(window_->close());
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(MainWindowTest, ClosingAfterAnEditAsksToSave) {
    struct Case {
        MessageAnswer answer;
        bool closes;
    };
    // "Yes" whose save is cancelled keeps the window and its graph.
    for (const Case c : {Case{MessageAnswer::Cancel, false}, Case{MessageAnswer::No, true}, Case{MessageAnswer::Yes, false}}) {
        platform_.messages.clear();
        MainWindow& w = open();
        QTest::keyClicks(box("Text8"), "2z");
        EXPECT_FALSE(w.document().document_saved);
        platform_.answerMessages({c.answer});
        if (c.answer == MessageAnswer::Yes) platform_.saveAnswers.push_back(std::nullopt);
        EXPECT_EQ(w.close(), c.closes);
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].title, "Quorvanta  -  Save?");
        EXPECT_EQ(platform_.messages[0].text, "Would you like to save your graph before exiting?");
        EXPECT_EQ(platform_.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_TRUE(platform_.allAnswersUsed());
        if (!c.closes) {
            EXPECT_EQ(box("Text8")->text(), "2z");
            EXPECT_FALSE(w.document().document_saved);
        }
    }
}

TEST_F(MainWindowTest, NewGraphAsksThenStartsANewProcessAndCloses) {
    MainWindow& w = open();
    w.markEdited();
    platform_.answerMessages({MessageAnswer::Cancel});
    action("NewGraph")->trigger();
    EXPECT_TRUE(platform_.startedPrograms.empty());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, "Would you like to save your graph before starting a new one?");
    EXPECT_EQ(platform_.messages[0].title, "Quorvanta  -  Save?");

    // "Yes" with a save that did not happen keeps this graph, and starts none.
    platform_.answerMessages({MessageAnswer::Yes});
    platform_.saveAnswers.push_back(std::nullopt);
    action("NewGraph")->trigger();
    EXPECT_TRUE(platform_.startedPrograms.empty());
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.document().document_saved);

    platform_.answerMessages({MessageAnswer::No});
    action("NewGraph")->trigger();
    EXPECT_EQ(platform_.startedPrograms.size(), 1u);
    EXPECT_FALSE(w.isVisible());
    // Closing for the new graph asks no second time.
    EXPECT_EQ(platform_.messages.size(), 3u);
    EXPECT_TRUE(w.document().document_saved);
}

TEST_F(MainWindowTest, NewGraphWithoutChangesAsksNothing) {
    MainWindow& w = open();
    action("NewGraph")->trigger();
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(platform_.startedPrograms.size(), 1u);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, NewWindowStartsAProcessAndStays) {
    MainWindow& w = open();
    w.markEdited();
    action("NewWindow")->trigger();
    EXPECT_EQ(platform_.startedPrograms.size(), 1u);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(platform_.messages.empty());
}

// A file the user named (on the command line, or by opening it from the
// desktop) that does not open says why, as "&Open..." would, and the window
// starts plain; the initialize file falls back without a word.
TEST_F(MainWindowTest, FilesThatCannotBeReadLeadToThePlainStart) {
    std::ofstream(folder_ / "cut.gph") << "File_Start\n";
    const std::string folderName = folder_.filename().string();
    const std::pair<std::string, std::string> kNamed[] = {
        {"/no/such/file.gph", "\"file.gph\" not found!"},
        {"\"/no/such/file.gph\"", "\"file.gph\" not found!"},
        {folder_.string(), "\"" + folderName + "\" is a folder, not a graph file."},
        {(folder_ / "cut.gph").string(),
         "The file \"cut.gph\" cannot be opened: line 2: the file ends here; expected a default range."},
    };
    for (const auto& [argument, text] : kNamed) {
        SCOPED_TRACE(argument);
        platform_.messages.clear();
        platform_.answerMessages({MessageAnswer::Ok});
        MainWindow& w = open({argument});
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].title, "Quorvanta  -  Open");
        EXPECT_EQ(platform_.messages[0].text, text);
        EXPECT_EQ(w.windowTitle(), "Quorvanta");
        EXPECT_TRUE(w.document().document_saved);
        EXPECT_FALSE(w.document().open_from_path);
        EXPECT_EQ(w.document().document_path, "");
        EXPECT_EQ(w.plotRequests(), 1);
    }
    platform_.messages.clear();
    std::ofstream(folder_ / "INIT.txt") << "File_Start\n";
    MainWindow& w = open();
    EXPECT_EQ(w.windowTitle(), "Quorvanta");
    EXPECT_EQ(w.document().document_path, "");
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_TRUE(platform_.allAnswersUsed());
}

TEST_F(MainWindowTest, EnterClicksTheCurrentDefaultButton) {
    MainWindow& w = open();
    QPushButton* plot = find<QPushButton>("Command19");
    QPushButton* findPoint = find<QPushButton>("Command1");
    QSignalSpy plotClicks(plot, &QPushButton::clicked);
    QSignalSpy findClicks(findPoint, &QPushButton::clicked);
    w.activateWindow();
    box("Text8")->setFocus();
    QTest::keyClick(box("Text8"), Qt::Key_Return);
    EXPECT_EQ(plotClicks.count(), 1);
    w.defaults().setDefaultButton(findPoint);
    EXPECT_TRUE(findPoint->isDefault());
    EXPECT_FALSE(plot->isDefault());
    QTest::keyClick(box("Text8"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(findClicks.count(), 1);
    EXPECT_EQ(plotClicks.count(), 1);
}

}  // namespace
}  // namespace qv
