// The "Refine Curves" switch of the View menu: on for a new user, and kept
// in the user's settings from one window to the next.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>

#include <memory>

#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

TEST(RefineCurvesSettingTest, OnByDefaultAndKeptInTheSettings) {
    FakePlatform platform;
    auto window = std::make_unique<MainWindow>(&platform, std::vector<std::string>{});
    QAction* refine = window->findChild<QAction*>("RefineCurves");
    ASSERT_NE(refine, nullptr);
    EXPECT_TRUE(refine->isChecked());
    EXPECT_TRUE(window->document().view.refine_curves);

    refine->trigger();
    EXPECT_FALSE(window->document().view.refine_curves);
    EXPECT_EQ(platform.settings["refineCurves"], "0");

    window = std::make_unique<MainWindow>(&platform, std::vector<std::string>{});
    EXPECT_FALSE(window->document().view.refine_curves);
    EXPECT_FALSE(window->findChild<QAction*>("RefineCurves")->isChecked());
}

}  // namespace
}  // namespace qv
