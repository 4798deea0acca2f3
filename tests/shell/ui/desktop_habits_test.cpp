// Help and about, the recent files, a file dropped on the window, and the
// window's place kept between runs.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <fstream>
#include <memory>

#include "help/help.h"
#include "help/ui/build_info.h"
#include "persistence/graph_file.h"
#include "shell/ui/crash_recovery.h"
#include "persistence/recent_files.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

TEST(Help, ManualLookupAndTheAboutText) {
    const auto present = [](std::vector<std::string> files) {
        return [files](const std::string& p) { return std::find(files.begin(), files.end(), p) != files.end(); };
    };
    struct Case {
        std::vector<std::string> folders, files, found;
    };
    const Case kCases[] = {
        {{"/opt/qv", "/usr/share/quorvanta"}, {"/usr/share/quorvanta/Quorvanta Manual.pdf"},
         {"/usr/share/quorvanta/Quorvanta Manual.pdf"}},
        // In a folder the word processor's documents come before the PDF,
        // and the program's folder before the installed data.
        {{"/opt/qv/", "/usr/share"},
         {"/usr/share/Quorvanta Manual.docx", "/opt/qv/Quorvanta Manual.pdf", "/opt/qv/Quorvanta Manual.docx",
          "/opt/qv/Quorvanta Manual compatible.doc"},
         {"/opt/qv/Quorvanta Manual.docx", "/opt/qv/Quorvanta Manual compatible.doc", "/opt/qv/Quorvanta Manual.pdf",
          "/usr/share/Quorvanta Manual.docx"}},
        {{"", "/x"}, {"/y/Quorvanta Manual.pdf"}, {}},
    };
    for (const Case& c : kCases) EXPECT_EQ(findManuals(c.folders, present(c.files)), c.found);
    const std::string about = aboutText("2.3.4", "May 4, 2031");
    EXPECT_EQ(about.substr(0, 19), "About Quorvanta\r\n\r\n");
    EXPECT_NE(about.find("\r\n     Version 2.3.4\r\n"), std::string::npos);
    EXPECT_EQ(about.substr(about.size() - 33), "\r\n     Last compiled: May 4, 2031");
}

TEST(RecentFiles, NewestFirstOnceAndEightAtMost) {
    std::vector<std::string> list;
    for (int i = 0; i < 10; ++i) list = withRecent(list, "/g/" + std::to_string(i) + ".gph");
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list.front(), "/g/9.gph");
    list = withRecent(list, "/g/5.gph");
    EXPECT_EQ(list.front(), "/g/5.gph");
    EXPECT_EQ(std::count(list.begin(), list.end(), "/g/5.gph"), 1);
    EXPECT_EQ(splitRecent(joinRecent(list)), list);
    EXPECT_EQ(splitRecent(joinRecent({"/a.gph", "bad\nname.gph", "", "/b.gph"})),
              (std::vector<std::string>{"/a.gph", "/b.gph"}));
}

class DesktopHabitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("qv-habits-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        platform_.folder = (folder_ / "program").string();
    }
    void TearDown() override {
        window_.reset();
        std::filesystem::remove_all(folder_);
    }
    MainWindow& open() {
        window_ = std::make_unique<MainWindow>(&platform_);
        window_->show();
        return *window_;
    }

    std::filesystem::path folder_;
    FakePlatform platform_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(DesktopHabitsTest, HelpOpensTheManualOrSaysWhereItIs) {
    MainWindow& w = open();
    platform_.answerMessages({MessageAnswer::Ok});
    w.findChild<QAction*>("HelpContents")->trigger();
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].title, "No help file!");
    EXPECT_EQ(platform_.messages[0].icon, MessageIcon::Warning);

    std::filesystem::create_directories(folder_ / "share");
    const std::string pdf = (folder_ / "share" / "Quorvanta Manual.pdf").string();
    const std::string docx = (folder_ / "share" / "Quorvanta Manual.docx").string();
    std::ofstream(pdf) << "%PDF";
    platform_.installedDataFolders = {(folder_ / "share").string()};
    w.findChild<QAction*>("HelpContents")->trigger();
    EXPECT_EQ(platform_.openedDocuments, std::vector<std::string>{pdf});
    std::ofstream(docx) << "PK";
    w.findChild<QAction*>("HelpContents")->trigger();
    EXPECT_EQ(platform_.openedDocuments.back(), docx);
    // When nothing opens them, every manual is tried and the message says
    // where they are, in full.
    platform_.openedDocuments.clear();
    platform_.openSucceeds = false;
    platform_.answerMessages({MessageAnswer::Ok});
    w.findChild<QAction*>("HelpContents")->trigger();
    EXPECT_EQ(platform_.openedDocuments, (std::vector<std::string>{docx, pdf}));
    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[1].title, kNoViewerTitle);
    EXPECT_EQ(platform_.messages[1].text, noViewerText({docx, pdf}));
    EXPECT_NE(platform_.messages[1].text.find("\r\n" + pdf), std::string::npos);
    EXPECT_TRUE(platform_.allAnswersUsed());
}

// The about box tells this program's version and the day it was built: the
// build notes the date whenever it builds, so it is the day this test
// program was linked (or the day before, for a build across midnight).
TEST_F(DesktopHabitsTest, AboutTellsTheVersionAndTheBuildDate) {
    MainWindow& w = open();
    platform_.answerMessages({MessageAnswer::Ok});
    w.findChild<QAction*>("About")->trigger();
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].title, "Quorvanta");
    EXPECT_EQ(platform_.messages[0].text, aboutText(QV_PROJECT_VERSION, buildDate()));
    EXPECT_STREQ(programVersion(), QV_PROJECT_VERSION);
    const QDate built = QDate::fromString(QString::fromLatin1(buildDate()), QStringLiteral("MMMM d, yyyy"));
    ASSERT_TRUE(built.isValid()) << buildDate();
    const QDate linked = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
    EXPECT_TRUE(built == linked || built == linked.addDays(-1)) << buildDate();
}

TEST_F(DesktopHabitsTest, RecentFilesDroppedFilesAndTheWindowsPlace) {
    MainWindow& w = open();
    const std::string graph = (folder_ / "graph.gph").string();
    ASSERT_TRUE(w.textSave(graph));
    EXPECT_EQ(w.recentFiles(), std::vector<std::string>{graph});
    // A file gone from the list's place is taken off it, with a note.
    const std::string gone = (folder_ / "gone.gph").string();
    platform_.setSetting(kRecentFilesKey, joinRecent({gone, graph}));
    platform_.answerMessages({MessageAnswer::Ok});
    w.openRecent(gone);
    EXPECT_EQ(w.recentFiles(), std::vector<std::string>{graph});
    EXPECT_EQ(platform_.messages.back().text, "The file \"gone.gph\" is no longer there; it was taken off the list.");

    // Opening a recent file asks about unsaved work first.
    w.findChild<QLineEdit*>("Text8")->setText("z^2");
    w.markEdited();
    platform_.answerMessages({MessageAnswer::No});
    w.openRecent(graph);
    EXPECT_EQ(w.findChild<QLineEdit*>("Text8")->text(), "");
    EXPECT_EQ(w.windowTitle(), "graph  -  Quorvanta");

    // A dropped file that is not a graph is refused; a graph opens.
    const std::string text = (folder_ / "notes.txt").string();
    std::ofstream(text) << "hello";
    platform_.answerMessages({MessageAnswer::Ok});
    w.openDropped(text);
    EXPECT_EQ(platform_.messages.back().text, "The file \"notes.txt\" is not a graph file.");
    w.openDropped(graph);
    EXPECT_TRUE(w.document().document_saved);

    // The window's place comes back in the next window.
    w.setGeometry(40, 50, 1000, 700);
    ASSERT_TRUE(w.close());
    MainWindow& next = open();
    EXPECT_EQ(next.size(), QSize(1000, 700));
    EXPECT_TRUE(platform_.allAnswersUsed());
}

TEST_F(DesktopHabitsTest, UnsavedWorkComesBackAfterACrash) {
    platform_.userData = (folder_ / "data").string();
    MainWindow& w = open();
    w.findChild<QLineEdit*>("Text8")->setText("z^3");
    w.markEdited();
    w.recovery().keep();
    const std::filesystem::path kept = w.recovery().ownPath();
    ASSERT_TRUE(std::filesystem::exists(kept));
    // A clean exit leaves nothing behind.
    platform_.answerMessages({MessageAnswer::No});
    ASSERT_TRUE(w.close());
    EXPECT_FALSE(std::filesystem::exists(kept));

    // What a process that died left: offered at the next start.
    const std::filesystem::path crashed = folder_ / "data" / "recovery" / "999999999.gph";
    {
        MainWindow source(&platform_);
        source.findChild<QLineEdit*>("Text8")->setText("z^3");
        std::ofstream(crashed, std::ios::binary) << graphFileBytes(source.gatherFile());
    }
    platform_.answerMessages({MessageAnswer::Yes});
    MainWindow& restored = open();
    EXPECT_EQ(restored.findChild<QLineEdit*>("Text8")->text(), "z^3");
    EXPECT_FALSE(restored.document().document_saved);
    EXPECT_EQ(restored.windowTitle(), "Quorvanta");
    // Kept until the restored work is saved or kept again.
    EXPECT_TRUE(std::filesystem::exists(crashed));
    window_.reset();

    // A damaged one says so once and is gone.
    std::ofstream(crashed, std::ios::binary) << "File_Start\r\n";
    platform_.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
    open();
    EXPECT_EQ(platform_.messages.back().text.rfind("The graph kept from the last session cannot be read: line 2", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(crashed));
    EXPECT_TRUE(platform_.allAnswersUsed());
}

}  // namespace
}  // namespace qv
