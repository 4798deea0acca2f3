// The mouse on the picture: dragging the view, the zoom box, coordinates.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "shell/ui/main_window.h"
#include "plot/ui/picture_area.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

class PictureMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->resize(1100, 720);
        window->show();
        picture = window->findChild<PictureArea*>("Picture1");
        window->document().menu_opened = false;
    }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    void moveTo(QPoint p, Qt::MouseButtons held) {
        QMouseEvent e(QEvent::MouseMove, p, picture->mapToGlobal(p), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(picture, &e);
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
    PictureArea* picture = nullptr;
};

TEST_F(PictureMouseTest, DraggingAQuarterWidthMovesTheViewAndTheBoxes) {
    const int w = picture->QWidget::width() - 1;
    const QPoint start(w * 3 / 4, 100);
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, start);
    moveTo(QPoint(w / 2, 100), Qt::LeftButton);
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, QPoint(w / 2, 100));
    EXPECT_NEAR(window->document().x_min, -2.5, 0.05);
    EXPECT_NEAR(window->document().x_max, 7.5, 0.05);
    EXPECT_NEAR(box("Text1")->text().toDouble(), -2.5, 0.05);
    // The program wrote the boxes: each shows where its number begins.
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) EXPECT_EQ(box(name)->cursorPosition(), 0) << name;
}

TEST_F(PictureMouseTest, ARightDragZoomsToTheBoxAndAClickChangesNothing) {
    const double w = picture->QWidget::width() - 1, h = picture->QWidget::height() - 1;
    QTest::mousePress(picture, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseRelease(picture, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(box("Text1")->text(), "-5");
    QTest::mousePress(picture, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));  // (0, 0) would mean the centre
    moveTo(QPoint(int(w / 2), int(h / 2)), Qt::RightButton);
    QTest::mouseRelease(picture, Qt::RightButton, Qt::NoModifier, QPoint(int(w / 2), int(h / 2)));
    EXPECT_NEAR(box("Text1")->text().toDouble(), -5, 0.05);
    EXPECT_NEAR(box("Text2")->text().toDouble(), 0, 0.05);
    EXPECT_NEAR(box("Text3")->text().toDouble(), 0, 0.05);
    EXPECT_NEAR(box("Text4")->text().toDouble(), 4.16, 0.05);
}

TEST_F(PictureMouseTest, PolarCoordinatesReadTwoPiOnThePositiveAxis) {
    window->findChild<QRadioButton*>("Option2")->click();
    const double w = picture->QWidget::width() - 1, h = picture->QWidget::height() - 1;
    moveTo(QPoint(int(w * 0.9), int(h / 2)), Qt::NoButton);
    EXPECT_NEAR(window->findChild<QLabel*>("Label6")->text().toDouble(), 6.28, 0.02);
    moveTo(QPoint(int(w * 0.1), int(h / 2)), Qt::NoButton);
    EXPECT_NEAR(window->findChild<QLabel*>("Label6")->text().toDouble(), 3.14, 0.02);
    EXPECT_TRUE(window->findChild<QLabel*>("Label13")->isVisible());
}

TEST_F(PictureMouseTest, TheFirstMoveAfterAMenuOnlyClearsTheFlag) {
    window->document().menu_opened = true;
    moveTo(QPoint(50, 50), Qt::NoButton);
    EXPECT_FALSE(window->findChild<QLabel*>("Label13")->isVisible());
    EXPECT_FALSE(window->document().menu_opened);
}

}  // namespace
}  // namespace qv
