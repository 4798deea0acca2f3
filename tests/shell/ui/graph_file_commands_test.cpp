// Saving and opening graph files through the window: the whole document
// comes back, the dialogs' rules and questions, a damaged file that changes
// nothing, a failed save, the initialize file and the default ranges.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "calculator/ui/calculator_panel.h"
#include "persistence/graph_file.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "shell/ui/crash_recovery.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"
#include "support/small_disk.h"

namespace qv {
namespace {

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class GraphFileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("qv-graph-files-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "config");
        platform_.folder = (folder_ / "program").string();
        platform_.userConfigFolder = (folder_ / "config").string();
    }
    void TearDown() override {
        windows_.clear();
        std::filesystem::remove_all(folder_);
    }

    MainWindow& open(std::vector<std::string> arguments = {}) {
        windows_.push_back(std::make_unique<MainWindow>(&platform_, std::move(arguments)));
        windows_.back()->show();
        return *windows_.back();
    }
    static QLineEdit* box(MainWindow& w, const char* name) { return w.findChild<QLineEdit*>(name); }
    static void trigger(MainWindow& w, const char* name) { w.findChild<QAction*>(name)->trigger(); }
    std::string path(const char* name) const { return (folder_ / name).string(); }

    // A document with something in every part of the window.
    void fill(MainWindow& w) {
        box(w, "Text8")->setText("cos(z)");
        box(w, "Text9")->setText("sin(2*z)");
        box(w, "Text6")->setText("0");
        box(w, "Text7")->setText("6");
        box(w, "Text13")->setText("3*4");
        box(w, "Text14(1)")->setText("2");
        w.findChild<QCheckBox*>("Check10")->setChecked(true);
        w.findChild<QCheckBox*>("Check6")->setChecked(true);
        trigger(w, "Logy");
        GraphDocument& doc = w.document();
        doc.colors[kFunctionLine] = packColor(10, 20, 30);
        doc.ans_value = Value::number(1.0 / 3);  // every bit of it comes back
        auto* calculator = w.findChild<CalculatorPanel*>();
        calculator->setHistoryText("3*4\r\n                                 = 12");
        doc.calculator.equations = {{"Ring", "Area of a ring:\r\ntwo radii", "pi*(R^2-r^2)", {"R", "r"}}};
        calculator->showDocument();
        box(w, "Text34(0)")->setText("3");
        box(w, "Text34(1)")->setText("4");
        w.setMode(Mode::List);
        w.findChild<QRadioButton*>("Option5")->click();  // y data (2)
        box(w, "Text26")->setText("5");
        w.markEdited();
    }

    std::filesystem::path folder_;
    FakePlatform platform_;
    std::vector<std::unique_ptr<MainWindow>> windows_;
};

TEST_F(GraphFileCommandsTest, SavedGraphsOpenAsTheyWere) {
    MainWindow& first = open();
    fill(first);
    const GraphFile before = first.gatherFile();
    platform_.saveAnswers.push_back(path("orbit"));  // the dialog's own default extension is not added here
    platform_.saveAnswers.push_back(path("orbit.gph"));
    platform_.answerMessages({MessageAnswer::Ok});
    trigger(first, "SaveAs");
    EXPECT_EQ(platform_.messageTexts(), std::vector<std::string>{"Only a GPH extension is allowed."});
    EXPECT_TRUE(first.document().document_saved);
    EXPECT_EQ(first.windowTitle(), "orbit  -  Quorvanta");
    EXPECT_EQ(first.document().document_path, path("orbit.gph"));

    windows_.push_back(std::make_unique<MainWindow>(&platform_, std::vector<std::string>{path("orbit.gph")}));
    MainWindow& second = *windows_.back();
    // Read in the list mode, the graph is not drawn (until the window shows).
    EXPECT_EQ(second.plotter().redraws(), 0);
    second.show();
    EXPECT_EQ(writeGraphFile(second.gatherFile()), writeGraphFile(before));
    EXPECT_EQ(second.mode(), Mode::List);
    // The calculator's answer button names the column the file shows.
    EXPECT_EQ(second.findChild<QPushButton*>("Command36")->text().toStdString(), "Add answer to y data (2)");
    EXPECT_EQ(second.document().colors[kFunctionLine], packColor(10, 20, 30));
    EXPECT_EQ(second.document().ans_value.num, 1.0 / 3);
    EXPECT_EQ(second.windowTitle(), "orbit  -  Quorvanta");
    EXPECT_TRUE(second.document().document_saved);
    // Saved again, the file is the same to the byte.
    platform_.saveAnswers.push_back(path("again.gph"));
    trigger(second, "SaveAs");
    EXPECT_EQ(fileBytes(folder_ / "again.gph"), fileBytes(folder_ / "orbit.gph"));
    EXPECT_TRUE(platform_.allAnswersUsed());
}

TEST_F(GraphFileCommandsTest, OpenAsksFirstAndADamagedFileChangesNothing) {
    {
        std::ofstream(folder_ / "short.gph", std::ios::binary) << "File_Start\r\n-5\r\n5\r\n-4\r\n4\r\nwhite\r\n";
    }
    MainWindow& w = open();
    fill(w);
    const GraphFile before = w.gatherFile();
    // Cancel at the question; then No, a name without the extension, a file
    // that is not there, and the damaged file.
    platform_.answerMessages({MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::Ok, MessageAnswer::Ok,
                              MessageAnswer::Ok});
    trigger(w, "Open");
    EXPECT_TRUE(platform_.openRequests.empty());
    platform_.openAnswers = {path("short"), path("missing.gph"), path("short.gph")};
    trigger(w, "Open");
    EXPECT_EQ(platform_.messageTexts(),
              (std::vector<std::string>{"Would you like to save your data before opening another file?",
                                        "Would you like to save your data before opening another file?",
                                        "Please add the extension \".gph\" to your file name.",
                                        "\"missing.gph\" not found!",
                                        "The file \"short.gph\" cannot be opened: line 6: expected a whole number "
                                        "from 0 to 16777215 (a colour), found \"white\"."}));
    EXPECT_EQ(platform_.openRequests[0].title, "Open");
    EXPECT_EQ(platform_.openRequests[0].filter, "Graph Files (*.gph)|*.GPH");
    EXPECT_EQ(writeGraphFile(w.gatherFile()), writeGraphFile(before));
    EXPECT_FALSE(w.document().document_saved);
    EXPECT_TRUE(platform_.allAnswersUsed());
}

TEST_F(GraphFileCommandsTest, AFailedSaveKeepsTheWindowAndTheDocument) {
    MainWindow& w = open();
    box(w, "Text8")->setText("z^2");
    w.markEdited();
    // The folder does not exist: one message with the reason; closing with
    // "Yes" then keeps the window.
    platform_.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
    platform_.saveAnswers.push_back(path("no-such-folder/a.gph"));
    EXPECT_FALSE(w.close());
    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[1].title, "Quorvanta  -  Save");
    EXPECT_EQ(platform_.messages[1].text.rfind("The file \"a.gph\" could not be saved: ", 0), 0u)
        << platform_.messages[1].text;
    EXPECT_FALSE(w.document().document_saved);
    EXPECT_EQ(w.document().document_path, "");
    // A history longer than a graph file keeps would save a file that does
    // not open again: the save is refused instead.
    auto* calculator = w.findChild<CalculatorPanel*>();
    const std::string history = calculator->historyText();
    std::string huge = "1";
    for (std::size_t i = 0; i < kMaxMultiLineFieldLines; ++i) huge += "\r\n1";
    calculator->setHistoryText(huge);
    platform_.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
    platform_.saveAnswers.push_back(path("huge.gph"));
    EXPECT_FALSE(w.close());
    ASSERT_EQ(platform_.messages.size(), 4u);
    EXPECT_EQ(platform_.messages[3].text,
              "The file \"huge.gph\" could not be saved: the calculator history is longer than 100000 lines, more "
              "than a graph file keeps.");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "huge.gph"));
    EXPECT_FALSE(w.document().document_saved);
    calculator->setHistoryText(history);
    // Replacing an existing file is asked; No shows the dialog again.
    { std::ofstream(folder_ / "old.gph") << "old"; }
    platform_.saveAnswers = {path("old.GPH"), path("old.gph")};
    platform_.answerMessages({MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes});
    EXPECT_TRUE(w.close());
    EXPECT_EQ(platform_.messages[5].text,
              "The file \"old.gph\" already exists.  Would you like to replace this file?");
    EXPECT_EQ(platform_.messages[5].title, "Quorvanta  -  Save");
    EXPECT_NE(fileBytes(folder_ / "old.gph"), "old");
    EXPECT_TRUE(platform_.allAnswersUsed());
}

// On a disk with 4 KiB free and with none, "Sa&ve" and "Create Initialize
// File..." say why the file could not be written, once, and leave the old
// file as it was and the document unsaved.
TEST_F(GraphFileCommandsTest, AFullDiskKeepsTheOldFileAndTheDocumentUnsaved) {
    const struct {
        const char* action;
        const char* file;
        std::size_t free;
    } cases[] = {{"Save", "graph.gph", 4096}, {"Save", "graph.gph", 0},
                 {"CreateInit", "INIT.txt", 4096}, {"CreateInit", "INIT.txt", 0}};
    for (const auto& c : cases) {
        SmallDisk disk;
        if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
        platform_.userConfigFolder = disk.folder().string();
        const std::string where = std::string(c.action) + " with " + std::to_string(c.free) + " bytes free";
        MainWindow& w = open();
        box(w, "Text8")->setText("cos(z)");
        // A history long enough that the file needs more than 4 KiB.
        w.findChild<CalculatorPanel*>()->setHistoryText(QString("12345678\r\n").repeated(1200).toStdString());
        w.markEdited();
        const bool init = std::string(c.action) == "CreateInit";
        if (init) {
            platform_.answerMessages({MessageAnswer::Ok});
        } else {
            platform_.saveAnswers.push_back((disk / c.file).string());
        }
        trigger(w, init ? "CreateInit" : "SaveAs");
        const std::string old = bytesOfFile(disk / c.file);
        ASSERT_GT(old.size(), 12000u) << where;

        box(w, "Text8")->setText("sin(z)");
        w.markEdited();
        ASSERT_TRUE(disk.leaveFree(c.free)) << where;
        platform_.messages.clear();
        platform_.answerMessages(init ? std::initializer_list<MessageAnswer>{MessageAnswer::Ok, MessageAnswer::Ok}
                                      : std::initializer_list<MessageAnswer>{MessageAnswer::Ok});
        trigger(w, c.action);
        ASSERT_EQ(platform_.messages.size(), init ? 2u : 1u) << where;
        EXPECT_EQ(platform_.messages.back().title, "Quorvanta  -  Save") << where;
        EXPECT_EQ(platform_.messages.back().text,
                  "The file \"" + std::string(c.file) + "\" could not be saved: No space left on device.")
            << where;
        EXPECT_EQ(bytesOfFile(disk / c.file), old) << where;
        EXPECT_EQ(disk.names(), std::vector<std::string>{c.file}) << where;
        EXPECT_FALSE(w.document().document_saved) << where;
        EXPECT_TRUE(platform_.allAnswersUsed()) << where;
        windows_.clear();
    }
}

TEST_F(GraphFileCommandsTest, TheInitializeFileAndTheDefaultRanges) {
    MainWindow& w = open();
    // Refused ranges change nothing.
    const struct {
        const char* xMin;
        const char* xMax;
        const char* message;
    } refusals[] = {
        {"2", "2", "Please make sure that your maximum ranges are larger than your minimum ranges."},
        {"pi", "5",
         "One or more of the values in your graphing ranges are not numeric.  Please make sure the entries in those "
         "four text boxes are valid numbers."},
    };
    for (const auto& r : refusals) {
        box(w, "Text1")->setText(r.xMin);
        box(w, "Text2")->setText(r.xMax);
        platform_.messages.clear();
        platform_.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok});
        trigger(w, "SetDefaultRanges");
        ASSERT_EQ(platform_.messages.size(), 2u);
        EXPECT_EQ(platform_.messages[1].text, r.message);
        EXPECT_EQ(w.document().default_x_min, "-5");
    }
    box(w, "Text1")->setText("-1");
    box(w, "Text2")->setText("7");
    platform_.answerMessages({MessageAnswer::Ok});
    trigger(w, "SetDefaultRanges");
    EXPECT_EQ(w.document().default_x_max, "7");

    // The initialize file: written without a question, the title kept; the
    // next start reads it but never saves into it.
    platform_.answerMessages({MessageAnswer::Cancel, MessageAnswer::Ok});
    trigger(w, "CreateInit");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "config" / "INIT.txt"));
    trigger(w, "CreateInit");
    EXPECT_TRUE(std::filesystem::exists(folder_ / "config" / "INIT.txt"));
    EXPECT_EQ(w.windowTitle(), "Quorvanta");
    // The new default ranges are in no graph file yet.
    EXPECT_FALSE(w.document().document_saved);

    MainWindow& next = open();
    EXPECT_EQ(next.document().default_x_max, "7");
    EXPECT_EQ(box(next, "Text2")->text(), "7");
    EXPECT_EQ(next.windowTitle(), "Quorvanta");
    EXPECT_EQ(next.document().document_path, "");
    EXPECT_TRUE(platform_.allAnswersUsed());
}

// The initialize file is not the graph's own file: edits that are not in
// the graph's file stay unsaved, with the graph's title and its copy kept
// against a crash, and closing still asks about them.
TEST_F(GraphFileCommandsTest, TheInitializeFileLeavesTheGraphUnsaved) {
    platform_.userData = (folder_ / "data").string();
    MainWindow& w = open();
    platform_.saveAnswers.push_back(path("orbit.gph"));
    trigger(w, "SaveAs");
    const QString title = w.windowTitle();
    box(w, "Text8")->setText("cos(z)");
    w.markEdited();
    w.recovery().keep();
    const std::string kept = w.recovery().ownPath();
    ASSERT_TRUE(std::filesystem::exists(kept));

    platform_.answerMessages({MessageAnswer::Ok});
    trigger(w, "CreateInit");
    EXPECT_TRUE(std::filesystem::exists(folder_ / "config" / "INIT.txt"));
    EXPECT_FALSE(w.document().document_saved);
    EXPECT_EQ(w.windowTitle(), title);
    EXPECT_EQ(w.document().document_path, path("orbit.gph"));
    EXPECT_TRUE(std::filesystem::exists(kept));

    platform_.messages.clear();
    platform_.answerMessages({MessageAnswer::Cancel});
    EXPECT_FALSE(w.close());
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, "Would you like to save your graph before exiting?");
    EXPECT_TRUE(platform_.allAnswersUsed());
}

// The headless render draws what a window that opened the file shows in a
// picture area of the same size.
TEST_F(GraphFileCommandsTest, TheRenderedPictureIsTheWindowsPicture) {
    MainWindow& first = open();
    box(first, "Text8")->setText("3*cos(z)");
    box(first, "Text9")->setText("2*sin(3*z)");
    box(first, "Text6")->setText("0");
    box(first, "Text7")->setText("2*pi");
    box(first, "Text5")->setText("1");
    first.findChild<QCheckBox*>("Check10")->setChecked(true);
    first.document().line_width = 3;
    first.document().colors[kBackground] = packColor(250, 250, 200);
    ASSERT_TRUE(first.textSave(path("shown.gph")));

    MainWindow& shown = open({path("shown.gph")});
    const QImage& picture = shown.findChild<PictureArea*>("Picture1")->image();
    ASSERT_FALSE(picture.isNull());
    MainWindow& headless = open({path("shown.gph")});
    const QImage rendered = headless.renderPicture(picture.width(), picture.height());
    ASSERT_EQ(rendered.size(), picture.size());
    EXPECT_TRUE(rendered == picture);
    // And at another size, the same drawing fitted to it.
    const QImage small = headless.renderPicture(320, 240);
    EXPECT_EQ(small.size(), QSize(320, 240));
    EXPECT_EQ(small.pixel(16, 12), QColor(250, 250, 200).rgb());  // inside a cell of the grid
}

}  // namespace
}  // namespace qv
