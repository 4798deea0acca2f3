// "Find x(z), y(z)" in the window: the value labels, polar values, keyboard
// stepping, the "Freeze" display, and no endless loop with the plot.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "plot/point_evaluation.h"
#include "plot/ui/point_evaluation_controller.h"
#include "plot/ui/picture_area.h"
#include "ui/input_conventions.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

class PointEvaluationTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->show();
    }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) { return window->findChild<QLabel*>(name); }
    void find() { window->findChild<QPushButton*>("Command1")->click(); }
    void functions(const char* x, const char* y, const char* zMin, const char* zMax) {
        box("Text8")->setText(x);
        box("Text9")->setText(y);
        box("Text6")->setText(zMin);
        box("Text7")->setText(zMax);
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(PointEvaluationTest, AnEmptyBoxHidesTheLabels) {
    functions("z", "z^2", "-2", "2");
    box("Text5")->setText("1");
    find();
    EXPECT_TRUE(label("Label14")->isVisible());
    box("Text5")->setText("  ");
    find();
    for (const char* name : {"Label9", "Label10", "Label11", "Label12", "Label14", "Label15", "Label16"}) {
        EXPECT_FALSE(label(name)->isVisible()) << name;
    }
}

TEST_F(PointEvaluationTest, ShowsZAndTheValues) {
    functions("z", "z2", "-2", "2");
    box("Text5")->setText("3/2");
    find();
    EXPECT_EQ(label("Label14")->text(), "1.5");
    EXPECT_EQ(label("Label15")->text(), "1.5");
    EXPECT_EQ(label("Label16")->text(), "2.25");
    EXPECT_EQ(box("Text5")->text(), "3/2");
}

// A value that cannot be had is said to be undefined, never shown as 0 or
// as the value of an earlier z; a "Go to z =" text the rewriting cannot
// restore stays as typed and hides the values.
TEST_F(PointEvaluationTest, UndefinedValuesAreNeverShownAsNumbers) {
    functions("z", "ln(z)", "-2", "2");
    box("Text5")->setText("1");
    find();
    EXPECT_EQ(label("Label16")->text(), "0");
    box("Text5")->setText("-1");
    find();
    EXPECT_EQ(label("Label14")->text(), "-1");
    EXPECT_EQ(label("Label15")->text(), "-1");
    EXPECT_EQ(label("Label16")->text(), "undefined");
    box("Text5")->setText("sinn(1)");
    find();
    EXPECT_EQ(box("Text5")->text(), "sinn(1)");
    EXPECT_FALSE(label("Label16")->isVisible());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PointEvaluationTest, PolarShowsTheAngleAndTheRadius) {
    window->findChild<QRadioButton*>("Option2")->click();
    functions("z", "1", "0", "6.3");
    box("Text5")->setText("pi/2");
    find();
    EXPECT_EQ(label("Label15")->text(), "1.5707963267949");
    EXPECT_EQ(label("Label16")->text(), "1");
}

TEST_F(PointEvaluationTest, CtrlUpStepsByATenthOfTheTickScale) {
    functions("z", "z", "-2", "2");
    box("Text5")->setText("pi/2");
    box("Text5")->setFocus();
    QTest::keyClick(box("Text5"), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(box("Text5")->text(), "1.6707963267949");
    EXPECT_EQ(box("Text5")->cursorPosition(), 0) << "the stepped number shows its start";
    QTest::keyClick(box("Text5"), Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(box("Text5")->text(), "1.6607963267949");
    // Without Ctrl the arrows move the caret as usual.
    QTest::keyClick(box("Text5"), Qt::Key_Up);
    EXPECT_EQ(box("Text5")->text(), "1.6607963267949");
}

// Find disables itself while the closing box runs; the focus it had goes
// to the point's box, never to the next control, whose text the next keys
// would overwrite.
TEST_F(PointEvaluationTest, TheFocusOfADisabledFindStaysWithThePoint) {
    QApplication::setActiveWindow(window.get());
    functions("z", "z", "-2", "2");
    box("Text5")->setText("1");
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    ASSERT_TRUE(window->pointEvaluation().closingBoxRunning());
    window->pointEvaluation().closingBoxTick();
    EXPECT_EQ(QApplication::focusWidget(), box("Text5"));
    QApplication::processEvents();  // the box selects its text on entry
    QTest::keyClicks(QApplication::focusWidget(), "2");
    EXPECT_EQ(box("Text5")->text(), "2");
    EXPECT_EQ(box("Text1")->text(), "-5");
}

TEST_F(PointEvaluationTest, FreezeShowsMultiplesOfPiWhileHeld) {
    functions("z", "z/2", "-4", "4");
    box("Text5")->setText("pi");
    find();
    QTest::mousePress(label("Label9"), Qt::LeftButton);
    EXPECT_EQ(label("Label14")->text(), " 1 * pi");
    EXPECT_EQ(label("Label16")->text(), " 0.5 * pi");
    QTest::mouseRelease(label("Label9"), Qt::LeftButton);
    EXPECT_EQ(label("Label14")->text(), "3.14159265358979");
}

TEST_F(PointEvaluationTest, EmptyFunctionBoxesEndWithoutLooping) {
    box("Text5")->setText("1");
    find();
    find();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PointEvaluationTest, FocusMovesTheDefaultButton) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box("Text5"), &in);
    EXPECT_EQ(window->defaults().defaultButton(), window->findChild<QPushButton*>("Command1"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box("Text5"), &out);
    EXPECT_EQ(window->defaults().defaultButton(), window->findChild<QPushButton*>("Command19"));
}

TEST_F(PointEvaluationTest, TheClosingBoxClosesInOnThePointAndEnds) {
    functions("z", "z", "-2", "2");
    box("Text5")->setText("1");
    find();
    auto& point = window->pointEvaluation();
    ASSERT_TRUE(point.closingBoxRunning());
    QPushButton* findButton = window->findChild<QPushButton*>("Command1");
    point.closingBoxTick();
    EXPECT_FALSE(findButton->isEnabled());
    int ticks = 1;
    while (point.closingBoxRunning() && ticks < 1000) {
        point.closingBoxTick();
        ++ticks;
    }
    EXPECT_FALSE(point.closingBoxRunning());
    EXPECT_TRUE(findButton->isEnabled());
    // One picture width at 210 twips a tick.
    const double width = window->findChild<PictureArea*>("Picture1")->width();
    EXPECT_NEAR(ticks, width / 210, 2);
}

TEST(PiMultipleTest, RoundsToSixDecimalsWithTheSignPlace) {
    EXPECT_EQ(piMultipleText(1.5707963, 3.141592653589793), " 0.5 * pi");
    EXPECT_EQ(piMultipleText(-3.141592653589793, 3.141592653589793), "-1 * pi");
    EXPECT_EQ(piMultipleText(0, 3.141592653589793), " 0 * pi");
}

}  // namespace
}  // namespace qv
