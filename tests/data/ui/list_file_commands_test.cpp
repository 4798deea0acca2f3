// The list export on a full disk: the old list file stays whole and one
// message says why the new one could not be written.

#include <gtest/gtest.h>

#include <QAction>

#include <string>
#include <vector>

#include "data/ui/data_list_panel.h"
#include "data/ui/list_panel.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"
#include "support/small_disk.h"

namespace qv {
namespace {

std::vector<std::string> items(int count, const std::string& tail) {
    std::vector<std::string> list;
    for (int i = 0; i < count; ++i) list.push_back(" " + std::to_string(i) + tail);
    return list;
}

TEST(ListFileCommandsTest, AnExportOnAFullDiskKeepsTheOldFile) {
    for (const std::size_t free : {std::size_t{4096}, std::size_t{0}}) {
        SmallDisk disk;
        if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
        FakePlatform platform;
        MainWindow window(&platform);
        window.setMode(Mode::List);
        DataColumns& columns = window.document().data;
        const auto show = [&](const std::vector<std::string>& list) {
            columns.assign(columns.selected(), list);
            window.findChild<ListPanel*>()->dataList().refresh();
        };
        const std::string path = (disk / "list.txt").string();
        show(items(3000, ".1"));
        platform.saveAnswers.push_back(path);
        window.findChild<QAction*>("Export")->trigger();
        const std::string old = bytesOfFile(path);
        ASSERT_GT(old.size(), 20000u);

        show(items(3000, ".25"));
        ASSERT_TRUE(disk.leaveFree(free));
        platform.saveAnswers.push_back(path);
        platform.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
        window.findChild<QAction*>("Export")->trigger();
        ASSERT_EQ(platform.messages.size(), 2u) << free;  // the question to replace, and the failure
        EXPECT_EQ(platform.messages[1].title, "Quorvanta  -  Export");
        EXPECT_EQ(platform.messages[1].text, "The file \"list.txt\" cannot be created: No space left on device.");
        EXPECT_EQ(bytesOfFile(path), old) << free;
        EXPECT_EQ(disk.names(), std::vector<std::string>{"list.txt"}) << free;
        EXPECT_TRUE(platform.allAnswersUsed());
    }
}

}  // namespace
}  // namespace qv
