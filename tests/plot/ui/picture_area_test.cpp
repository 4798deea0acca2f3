// The picture area as a canvas: sizes in twips, a retained picture that
// keeps what is drawn until cleared, line widths, text colour, overlays
// that never touch the picture, and no harm from absurd coordinates.

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include <limits>

#include "plot/ui/picture_area.h"

namespace qv {
namespace {

class PictureAreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(200, 100);
        area.show();
        area.clear(0xFFFFFF);
    }
    QColor at(int x, int y) const { return area.image().pixelColor(x, y); }

    PictureArea area;
};

TEST_F(PictureAreaTest, SizesAreInTwips) {
    EXPECT_EQ(area.width(), 200.0 * 15);
    EXPECT_EQ(area.height(), 100.0 * 15);
    area.resize(31, 17);
    EXPECT_EQ(area.width(), 31.0 * 15);
    EXPECT_EQ(area.height(), 17.0 * 15);
}

TEST_F(PictureAreaTest, DrawnLinesStayUntilCleared) {
    const uint32_t red = 255;
    area.line(0, 50 * 15, 199 * 15, 50 * 15, red);
    EXPECT_EQ(at(100, 50), QColor(255, 0, 0));
    EXPECT_EQ(at(100, 10), QColor(Qt::white));
    // Painting the widget again keeps the picture.
    area.repaint();
    EXPECT_EQ(at(100, 50), QColor(255, 0, 0));
    area.clear(65536u * 255u);  // blue
    EXPECT_EQ(at(100, 50), QColor(0, 0, 255));
}

// Slanted lines are smoothed; lines along an axis keep whole pixels in their
// own colour, one pixel wide, wherever between two pixels they fall.
TEST_F(PictureAreaTest, SlantedLinesAreAntialiasedAxisLinesStayCrisp) {
    const uint32_t blue = 65536u * 255u;
    area.line(10 * 15, 10 * 15, 190 * 15, 70 * 15, blue);
    int blended = 0;
    for (int x = 10; x < 190; ++x) {
        for (int y = 0; y < 100; ++y) {
            const QColor c = at(x, y);
            blended += c != QColor(Qt::white) && c != QColor(0, 0, 255);
        }
    }
    EXPECT_GT(blended, 100);
    area.clear(0xFFFFFF);
    area.line(100.4 * 15, 0, 100.4 * 15, 99 * 15, blue);
    area.line(0, 40.6 * 15, 199 * 15, 40.6 * 15, blue);
    EXPECT_EQ(at(100, 20), QColor(0, 0, 255));
    EXPECT_EQ(at(99, 20), QColor(Qt::white));
    EXPECT_EQ(at(101, 20), QColor(Qt::white));
    EXPECT_EQ(at(20, 41), QColor(0, 0, 255));
    EXPECT_EQ(at(20, 40), QColor(Qt::white));
    EXPECT_EQ(at(20, 42), QColor(Qt::white));
}

TEST_F(PictureAreaTest, PackedColoursAreRedGreenBlue) {
    EXPECT_EQ(packedToQColor(255 + 256 * 150), QColor(255, 150, 0));
    EXPECT_EQ(packedToQColor(175 + 256 * 75 + 65536 * 75), QColor(175, 75, 75));
}

TEST_F(PictureAreaTest, LineWidthIsClampedAndUsed) {
    area.setLineWidth(0);
    EXPECT_EQ(area.lineWidth(), 1);
    area.setLineWidth(40);
    EXPECT_EQ(area.lineWidth(), 11);
    area.setLineWidth(9);
    area.line(0, 50 * 15, 199 * 15, 50 * 15, 0);
    EXPECT_EQ(at(100, 53), QColor(Qt::black));
    EXPECT_EQ(at(100, 60), QColor(Qt::white));
}

TEST_F(PictureAreaTest, TextUsesTheTextColour) {
    area.setTextColor(255);
    area.text(15, 15, "8888");
    bool red = false;
    for (int y = 0; y < 40 && !red; ++y)
        for (int x = 0; x < 60 && !red; ++x) red = at(x, y).red() > 200 && at(x, y).green() < 80;
    EXPECT_TRUE(red);
}

TEST_F(PictureAreaTest, OverlaysAreShownButNeverDrawnIntoThePicture) {
    area.setOverlayLines({{0, 30 * 15, 199 * 15, 30 * 15, 256u * 255u}});
    const QImage shown = area.grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 30), QColor(0, 255, 0));
    EXPECT_EQ(at(100, 30), QColor(Qt::white));
    area.setOverlayLines({});
    EXPECT_EQ(area.grab().toImage().pixelColor(100, 30), QColor(Qt::white));
}

TEST_F(PictureAreaTest, AbsurdCoordinatesAreHarmless) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    area.line(0, 0, inf, 0, 0);
    area.line(nan, 0, 10, 10, 0);
    area.line(-1e300, -1e300, 1e300, 1e300, 0);
    area.text(inf, 0, "x");
    area.text(-1e300, 1e300, "x");
    area.resize(1, 1);
    area.line(0, 0, 15, 15, 0);
    EXPECT_EQ(area.width(), 15.0);
}

}  // namespace
}  // namespace qv
