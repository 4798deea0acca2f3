// Navigation in the window: zoom and shift through the boxes, the animated
// transition ending on the boxes, ignored texts, tick scales and pi.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <memory>

#include "plot/ui/navigation_controller.h"
#include "plot/ui/plot_controller.h"
#include "plot/ui/picture_area.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

class NavigationControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->show();
    }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    void click(const char* name) { window->findChild<QPushButton*>(name)->click(); }
    void finishTransition() {
        for (int i = 0; i < 20 && window->navigation().transitionRunning(); ++i) window->navigation().transitionTick();
    }
    GraphDocument& doc() { return window->document(); }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(NavigationControllerTest, ZoomInThenOutRestoresTheBoxesAndTheView) {
    click("Command11");
    EXPECT_EQ(box("Text1")->text(), "-4");
    EXPECT_EQ(box("Text2")->text(), "4");
    EXPECT_EQ(box("Text3")->text(), "-3.328");
    finishTransition();
    EXPECT_EQ(doc().x_min, -4.0);
    EXPECT_EQ(doc().y_max, 3.328);
    click("Command12");
    finishTransition();
    EXPECT_EQ(box("Text1")->text(), "-5");
    EXPECT_EQ(box("Text4")->text(), "4.16");
    EXPECT_EQ(doc().x_max, 5.0);
    EXPECT_FALSE(doc().document_saved);
}

TEST_F(NavigationControllerTest, TheTransitionEndsExactlyOnTheTargetAfterFifteenTicks) {
    box("Text2")->setText("15");
    ASSERT_TRUE(window->navigation().transitionRunning());
    for (int k = 1; k < 15; ++k) {
        window->navigation().transitionTick();
        EXPECT_LT(doc().x_max, 15.0) << k;
        EXPECT_GT(doc().x_max, 5.0) << k;
    }
    window->navigation().transitionTick();
    EXPECT_FALSE(window->navigation().transitionRunning());
    EXPECT_EQ(doc().x_max, 15.0);
    EXPECT_TRUE(window->plotter().state().prepared.has_value());  // the final redraw prepared everything
}

TEST_F(NavigationControllerTest, NonNumericAndReversedRangesAreIgnored) {
    for (const char* text : {"abc", "-6", ""}) {
        box("Text2")->setText(text);  // x max below x min, or no number
        EXPECT_FALSE(window->navigation().transitionRunning()) << text;
        EXPECT_EQ(doc().x_max, 5.0) << text;
    }
}

TEST_F(NavigationControllerTest, ShiftMovesByATenthOfTheView) {
    click("Command14");  // ">"
    EXPECT_EQ(box("Text1")->text(), "-4");
    EXPECT_EQ(box("Text2")->text(), "6");
    finishTransition();
    window->findChild<QAction*>("ShiftGraphDown")->trigger();
    EXPECT_EQ(box("Text3")->text(), "-4.992");
    EXPECT_EQ(box("Text4")->text(), "3.328");
}

// The picture, focused, moves the view by the arrows as the arrow buttons
// do, zooms by + and - as the menu does, and leaves Ctrl+arrows to the found
// point; Shift+arrow is no command.
TEST(NavigationKeysTest, ThePictureTakesTheFocusAndMovesTheViewByKeys) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* xMin;
        const char* xMax;
        const char* yMin;
        const char* yMax;
        const char* goToZ;
    } cases[] = {
        {Qt::Key_Right, Qt::NoModifier, "-4", "6", "-4.16", "4.16", "1"},
        {Qt::Key_Left, Qt::NoModifier, "-6", "4", "-4.16", "4.16", "1"},
        {Qt::Key_Up, Qt::NoModifier, "-5", "5", "-3.328", "4.992", "1"},
        {Qt::Key_Down, Qt::KeypadModifier, "-5", "5", "-4.992", "3.328", "1"},
        {Qt::Key_Plus, Qt::ShiftModifier, "-4", "4", "-3.328", "3.328", "1"},
        {Qt::Key_Equal, Qt::NoModifier, "-4", "4", "-3.328", "3.328", "1"},
        {Qt::Key_Minus, Qt::NoModifier, "-6.25", "6.25", "-5.2", "5.2", "1"},
        {Qt::Key_Right, Qt::ShiftModifier, "-5", "5", "-4.16", "4.16", "1"},
        {Qt::Key_Right, Qt::ControlModifier, "-5", "5", "-4.16", "4.16", "1.1"},
        {Qt::Key_Down, Qt::ControlModifier | Qt::AltModifier, "-5", "5", "-4.16", "4.16", "0.99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        FakePlatform platform;
        MainWindow window(&platform);
        window.show();
        window.findChild<QLineEdit*>("Text5")->setText("1");
        PictureArea* picture = window.findChild<PictureArea*>();
        ASSERT_EQ(picture->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(picture, c.key, c.modifiers);
        EXPECT_EQ(window.findChild<QLineEdit*>("Text1")->text(), c.xMin);
        EXPECT_EQ(window.findChild<QLineEdit*>("Text2")->text(), c.xMax);
        EXPECT_EQ(window.findChild<QLineEdit*>("Text3")->text(), c.yMin);
        EXPECT_EQ(window.findChild<QLineEdit*>("Text4")->text(), c.yMax);
        EXPECT_EQ(window.findChild<QLineEdit*>("Text5")->text(), c.goToZ);
    }
}

TEST_F(NavigationControllerTest, SetToDefaultAndPiButtons) {
    box("Text1")->setText("-1");
    click("Command3");  // x min times pi
    EXPECT_EQ(box("Text1")->text(), "-3.14159265358979");
    click("Command43");  // and back, from the 15 digits the box holds
    EXPECT_EQ(box("Text1")->text(), "-0.999999999999999");
    click("Command2");
    EXPECT_EQ(box("Text1")->text(), "-5");
    box("Text17")->setText("abc");
    click("Command17");
    EXPECT_EQ(box("Text17")->text(), "abc");
}

// One notch of the wheel zooms by the buttons' factor, and the point under
// the cursor is the same before and after the glide.
TEST_F(NavigationControllerTest, TheWheelZoomsAboutTheCursor) {
    auto* picture = window->findChild<PictureArea*>("Picture1");
    const struct {
        Qt::KeyboardModifiers keys;
        int turn;
        double xFactor, yFactor;
    } cases[] = {
        {Qt::NoModifier, 120, 0.8, 0.8},
        {Qt::NoModifier, -120, 1.25, 1.25},
        {Qt::ControlModifier, 120, 0.8, 1},
        {Qt::ShiftModifier, -120, 1, 1.25},
        {Qt::NoModifier, 60, 1, 1},  // half a notch waits for the other half
        {Qt::NoModifier, 60, 0.8, 0.8},
    };
    const QPointF at(picture->QWidget::width() * 0.2, picture->QWidget::height() * 0.7);
    auto pointAt = [&] {
        const double fx = at.x() * 15 / usableWidth(*picture), fy = 1 - at.y() * 15 / usableHeight(*picture);
        return std::pair(doc().x_min + fx * (doc().x_max - doc().x_min), doc().y_min + fy * (doc().y_max - doc().y_min));
    };
    for (const auto& c : cases) {
        const auto before = pointAt();
        const double w = doc().x_max - doc().x_min, h = doc().y_max - doc().y_min;
        QWheelEvent e(at, picture->mapToGlobal(at), QPoint(), QPoint(0, c.turn), Qt::NoButton, c.keys, Qt::NoScrollPhase,
                      false);
        QApplication::sendEvent(picture, &e);
        finishTransition();
        EXPECT_NEAR(doc().x_max - doc().x_min, c.xFactor * w, 1e-9) << c.turn << " " << c.keys;
        EXPECT_NEAR(doc().y_max - doc().y_min, c.yFactor * h, 1e-9) << c.turn << " " << c.keys;
        EXPECT_NEAR(pointAt().first, before.first, 1e-9);
        EXPECT_NEAR(pointAt().second, before.second, 1e-9);
    }
}

// "Equal Scales" keeps one unit as long across as up through resizes, a
// zoom and a change of mode, and is kept in the user's settings.
TEST_F(NavigationControllerTest, EqualScalesGiveEqualUnitsAtEverySize) {
    auto* picture = window->findChild<PictureArea*>("Picture1");
    auto expectEqualUnits = [&](const char* when) {
        QApplication::processEvents();
        finishTransition();
        const double across = usableWidth(*picture) / (doc().x_max - doc().x_min);
        const double up = usableHeight(*picture) / (doc().y_max - doc().y_min);
        EXPECT_NEAR(across, up, 1e-6 * up) << when;
        EXPECT_NEAR(box("Text2")->text().toDouble(), doc().x_max, 1e-9 * across) << when;
        EXPECT_NEAR(box("Text4")->text().toDouble(), doc().y_max, 1e-9 * up) << when;
    };
    window->resize(1400, 900);
    QApplication::processEvents();
    window->findChild<QAction*>("EqualScales")->trigger();
    EXPECT_EQ(platform.settings["equalScales"], "1");
    expectEqualUnits("switched on at 1400 x 900");
    for (const QSize size : {QSize(1024, 720), QSize(1800, 700), QSize(1100, 1000)}) {
        window->resize(size);
        expectEqualUnits("resized");
    }
    click("Command9");  // zoom in y
    expectEqualUnits("zoomed");
    window->findChild<QAction*>("List")->trigger();
    expectEqualUnits("list mode");
}

// Automatic tick scales (on unless the user switched them off) follow the
// range into the tick-scale boxes without a message; off, the boxes rule.
TEST_F(NavigationControllerTest, AutomaticTickScalesFollowTheRange) {
    const struct {
        double lo, hi;
    } cases[] = {{-1e-12, 1e-12}, {0, 1e300}, {-1e300, 1e300}, {0, 0.01}, {-5, 5}};
    auto isOneTwoOrFive = [](double s) {
        const double m = s / std::pow(10.0, std::floor(std::log10(s) + 1e-12));
        return std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9;
    };
    for (const auto& c : cases) {
        for (const char* name : {"Text1", "Text3"}) box(name)->setText(QString::number(c.lo));
        for (const char* name : {"Text2", "Text4"}) box(name)->setText(QString::number(c.hi));
        finishTransition();
        for (const char* name : {"Text17", "Text18"}) {
            const double s = box(name)->text().toDouble();
            EXPECT_TRUE(isOneTwoOrFive(s)) << name << " " << s;
            EXPECT_GE((c.hi - c.lo) / s, 4) << name << " " << c.hi;
            EXPECT_LE((c.hi - c.lo) / s, 11) << name << " " << c.hi;
        }
    }
    EXPECT_TRUE(platform.messages.empty());
    // Switched off, the boxes rule.
    window->findChild<QAction*>("AutoTickScales")->trigger();
    EXPECT_EQ(platform.settings["autoTickScales"], "0");
    box("Text17")->setText("0.5");
    box("Text2")->setText("6");
    finishTransition();
    EXPECT_EQ(box("Text17")->text(), "0.5");
}

TEST_F(NavigationControllerTest, TickScalesTakeOnlyPositiveNumbers) {
    window->findChild<QAction*>("AutoTickScales")->trigger();  // the boxes rule
    box("Text17")->setText("0.5");
    EXPECT_EQ(doc().x_tick_scale, 0.5);
    for (const char* text : {"0", "-1", "x"}) {
        box("Text17")->setText(text);
        EXPECT_EQ(doc().x_tick_scale, 0.5) << text;
    }
}

TEST_F(NavigationControllerTest, RangeLabelsWidenWithTheLeftButtonAndNarrowWithTheRight) {
    struct Case {
        const char* label;
        Qt::MouseButton button;
        const char* box;
        const char* result;
    };
    box("Text6")->setText("0");
    box("Text7")->setText("2");
    const Case cases[] = {
        {"Label1", Qt::LeftButton, "Text1", "-6"},  {"Label1", Qt::RightButton, "Text1", "-5"},
        {"Label2", Qt::LeftButton, "Text2", "6"},   {"Label4", Qt::RightButton, "Text4", "3.16"},
        {"Label3", Qt::LeftButton, "Text3", "-5.16"}, {"Label21", Qt::LeftButton, "Text6", "-1"},
        {"Label22", Qt::RightButton, "Text7", "1"}, {"Label23", Qt::LeftButton, "Text11", "q"},
    };
    box("Text11")->setText("q");  // not a number: nothing happens
    for (const Case& c : cases) {
        QTest::mousePress(window->findChild<QWidget*>(c.label), c.button);
        EXPECT_EQ(box(c.box)->text(), c.result) << c.label;
    }
}

TEST_F(NavigationControllerTest, HoveringPaintsOneRangeLabelGrey) {
    QWidget* xMin = window->findChild<QWidget*>("Label1");
    QWidget* xMax = window->findChild<QWidget*>("Label2");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(xMin, &enter);
    EXPECT_FALSE(xMin->styleSheet().isEmpty());
    QApplication::sendEvent(xMax, &enter);
    EXPECT_TRUE(xMin->styleSheet().isEmpty());
    EXPECT_FALSE(xMax->styleSheet().isEmpty());
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->findChild<QWidget*>("Picture1"), &move);
    EXPECT_TRUE(xMax->styleSheet().isEmpty());
}

// With "Hide Scrolling Plot" a moving view draws its frame only, whether it
// moves by the range transition or by a drag, and the curve returns when
// the view stops.
TEST_F(NavigationControllerTest, HideScrollingPlotDrawsTheFrameOnlyWhileTheViewMoves) {
    auto* picture = window->findChild<PictureArea*>("Picture1");
    auto curveShown = [picture] {
        const QImage& img = picture->image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (const QColor c = img.pixelColor(x, y); c.blue() > c.red() + 60 && c.blue() > c.green() + 60)
                    return true;
        return false;
    };
    box("Text8")->setText("z");
    box("Text9")->setText("z");
    box("Text6")->setText("-5");
    box("Text7")->setText("5");
    click("Command19");
    ASSERT_TRUE(curveShown());
    window->findChild<QAction*>("hideplot")->trigger();

    box("Text2")->setText("6");
    window->navigation().transitionTick();
    EXPECT_FALSE(curveShown()) << "during the transition";
    finishTransition();
    EXPECT_TRUE(curveShown()) << "after the transition";

    doc().menu_opened = false;  // the first move would belong to a menu
    const QPoint from(200, 100), to(150, 100);
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, picture->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    EXPECT_FALSE(curveShown()) << "during the drag";
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, to);
    finishTransition();
    EXPECT_TRUE(curveShown()) << "after the drag";
}

}  // namespace
}  // namespace qv
