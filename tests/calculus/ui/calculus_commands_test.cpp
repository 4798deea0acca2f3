// The point derivative commands in the window.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>

#include <memory>

#include "document/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

class CalculusCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->show();
    }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    QAction* action(const char* name) { return window->findChild<QAction*>(name); }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(CalculusCommandsTest, TheDerivativeMessageForZSquaredAtOne) {
    box("Text8")->setText("z");
    box("Text9")->setText("z2");
    box("Text6")->setText("-2");
    box("Text7")->setText("2");
    box("Text5")->setText(" 1");
    platform.answerMessages({MessageAnswer::Ok});
    action("Derivative")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Derivative");
    EXPECT_EQ(platform.messages[0].text, "Derivative at z = 1 :\r\n\r\n              2");
    // The box ends with the text as typed; the plot rewrote the function boxes.
    EXPECT_EQ(box("Text5")->text(), " 1");
    EXPECT_EQ(box("Text9")->text(), "z^2");
}

TEST_F(CalculusCommandsTest, AnEmptyBoxAsksForANumberWhileTheMessageIsUp) {
    QString shown;
    platform.whileMessageShown = [&](const RecordedMessage&) { shown = box("Text5")->text(); };
    platform.answerMessages({MessageAnswer::Ok});
    action("Second_Derivative")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Data error!");
    EXPECT_EQ(platform.messages[0].text, "Please enter a value at which the second derivative should be calculated.");
    EXPECT_EQ(shown, "Enter number here!");
    EXPECT_EQ(box("Text5")->text(), "");
}

TEST_F(CalculusCommandsTest, AVerticalTangentIsReportedNotFound) {
    box("Text8")->setText("1");
    box("Text9")->setText("z");
    box("Text5")->setText("0");
    platform.answerMessages({MessageAnswer::Ok});
    action("Derivative")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Data Error!");
    EXPECT_EQ(platform.messages[0].text, "Derivative cannot be found at requested point.");
}

TEST_F(CalculusCommandsTest, OnlyTheParametricGrapherEnablesThem) {
    action("Calculator")->trigger();
    EXPECT_FALSE(action("Derivative")->isEnabled());
    EXPECT_FALSE(action("Second_Derivative")->isEnabled());
    action("ParametricGrapher")->trigger();
    EXPECT_TRUE(action("Derivative")->isEnabled());
}

}  // namespace
}  // namespace qv
