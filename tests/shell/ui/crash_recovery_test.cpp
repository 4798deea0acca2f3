// Work kept against a crash, tried for real: a window in a process of its
// own is killed (SIGKILL), also in a pid namespace of its own where every
// run is process 1; the next run offers the work once and keeps its file
// through a second crash until the work is saved. And a kept file on a
// full disk.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "calculator/ui/calculator_panel.h"
#include "shell/ui/crash_recovery.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"
#include "support/small_disk.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> keptFiles(const fs::path& data) {
    std::vector<std::string> found;
    if (!fs::exists(data / "recovery")) return found;
    for (const auto& entry : fs::directory_iterator(data / "recovery")) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".gph") || name.ends_with(".tmp")) found.push_back(name);
    }
    return found;
}

// The child's part, run only by the tests below in a process of their own:
// "edit" types a function and keeps it, "recover" answers the offer with
// Yes. Either then reports and waits to be killed.
TEST(CrashRecoveryChild, DISABLED_WindowUntilKilled) {
    const std::string data = qEnvironmentVariable("QV_CHILD_DATA").toStdString();
    const std::string role = qEnvironmentVariable("QV_CHILD_ROLE").toStdString();
    if (data.empty()) GTEST_SKIP() << "started by the crash recovery tests only";
    FakePlatform platform;
    platform.folder = data + "/program";
    platform.userData = data;
    if (role == "recover") platform.answerMessages({MessageAnswer::Yes});
    MainWindow window(&platform);
    window.show();
    if (role == "edit") {
        window.findChild<QLineEdit*>("Text8")->setText("z^3");
        window.markEdited();
        window.recovery().keep();
    }
    // The process number inside the child's namespace, and as the parent
    // sees it (this /proc is the parent's).
    const std::string outside = fs::read_symlink("/proc/self").string();
    std::printf("child: %d %s %zu %s\n", static_cast<int>(::getpid()), outside.c_str(), platform.messages.size(),
                window.findChild<QLineEdit*>("Text8")->text().toStdString().c_str());
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
}

struct ChildReport {
    int pid = 0;           // in its own namespace
    long outsidePid = 0;   // as this process sees it
    std::size_t offers = 0;
    std::string function;  // the x(z) box
};

// Runs the child's part with `launcher` in front, waits for its report and
// kills it with SIGKILL.
ChildReport runAndKill(const QStringList& launcher, const std::string& data, const char* role) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QV_CHILD_DATA", QString::fromStdString(data));
    environment.insert("QV_CHILD_ROLE", role);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    QStringList command = launcher;
    command << QCoreApplication::applicationFilePath() << "--gtest_also_run_disabled_tests"
            << "--gtest_filter=CrashRecoveryChild.DISABLED_WindowUntilKilled";
    child.start(command.takeFirst(), command);
    ChildReport report;
    std::string output;
    const auto reported = [&output] {
        const std::size_t at = output.find("child: ");
        return at != std::string::npos && output.find('\n', at) != std::string::npos;
    };
    while (!reported()) {
        if (!child.waitForReadyRead(60000)) {
            ADD_FAILURE() << "the child did not report: " << output << child.readAllStandardError().toStdString();
            child.kill();
            child.waitForFinished();
            return report;
        }
        output += child.readAllStandardOutput().toStdString();
    }
    std::istringstream line(output.substr(output.find("child: ") + 7));
    line >> report.pid >> report.outsidePid >> report.offers;
    std::getline(line >> std::ws, report.function);
    ::kill(static_cast<pid_t>(report.outsidePid), SIGKILL);
    child.waitForFinished(60000);
    return report;
}

// A window killed after it kept its work; a second window restores it and
// is killed too; the third gets it back, once, and its file goes when the
// work is saved.
void recoverAcrossTwoKills(const QStringList& launcher) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string data = folder.filePath("data").toStdString();
    const ChildReport edited = runAndKill(launcher, data, "edit");
    if (!launcher.isEmpty()) {
        EXPECT_EQ(edited.pid, 1);  // the child ran as process 1 of its own namespace
    }
    ASSERT_EQ(keptFiles(data).size(), 1u);
    const ChildReport restored = runAndKill(launcher, data, "recover");
    EXPECT_EQ(restored.offers, 1u);
    EXPECT_EQ(restored.function, "z^3");

    FakePlatform platform;
    platform.folder = data + "/program";
    platform.userData = data;
    platform.answerMessages({MessageAnswer::Yes});
    MainWindow window(&platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Recover?");
    EXPECT_EQ(window.findChild<QLineEdit*>("Text8")->text(), "z^3");
    {
        // A window started meanwhile is not offered the same work.
        FakePlatform other;
        other.folder = platform.folder;
        other.userData = data;
        MainWindow second(&other);
        EXPECT_TRUE(other.messages.empty());
    }
    EXPECT_EQ(keptFiles(data).size(), 1u);
    platform.saveAnswers.push_back(folder.filePath("restored.gph").toStdString());
    ASSERT_TRUE(window.saveAsCommand());
    EXPECT_TRUE(keptFiles(data).empty());
    EXPECT_TRUE(platform.allAnswersUsed());
}

TEST(CrashRecoveryTest, AKilledWindowsWorkComesBackOnceAndSurvivesASecondKill) { recoverAcrossTwoKills({}); }

TEST(CrashRecoveryTest, ARunInAPidNamespaceOfItsOwnIsRecoveredToo) {
    if (QProcess::execute("unshare", {"--pid", "--fork", "true"}) != 0) {
        GTEST_SKIP() << "unshare --pid --fork is not permitted here";
    }
    recoverAcrossTwoKills({"unshare", "--pid", "--fork"});
}

// A kept file that cannot be written again on a full disk stays as it was;
// the failure is said once however often the timer tries.
TEST(CrashRecoveryTest, AKeptFileOnAFullDiskStaysAndIsReportedOnce) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
    FakePlatform platform;
    platform.folder = (disk / "program").string();
    platform.userData = disk.folder().string();
    MainWindow window(&platform);
    window.findChild<QLineEdit*>("Text8")->setText("z^3");
    window.findChild<CalculatorPanel*>()->setHistoryText(QString("12345678\r\n").repeated(1200).toStdString());
    window.markEdited();
    window.recovery().keep();
    const fs::path kept = window.recovery().ownPath();
    const std::string old = bytesOfFile(kept);
    ASSERT_GT(old.size(), 12000u);

    window.findChild<QLineEdit*>("Text8")->setText("z^4");
    for (const std::size_t free : {std::size_t{4096}, std::size_t{0}}) {
        ASSERT_TRUE(disk.leaveFree(free));
        window.markEdited();
        window.recovery().keep();
        EXPECT_EQ(bytesOfFile(kept), old) << free;
        EXPECT_EQ(keptFiles(disk.folder()), std::vector<std::string>{kept.filename().string()}) << free;
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Your unsaved graph could not be kept against a crash: No space left on device.");
    // With room again, the next tick keeps the work.
    ASSERT_TRUE(disk.leaveFree(32 * 1024));
    window.recovery().keep();
    EXPECT_NE(bytesOfFile(kept), old);
    window.recovery().discard();
}

}  // namespace
}  // namespace qv
