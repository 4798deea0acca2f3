// What the mouse reads over the picture: axis points, polar angles, zoom boxes.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "plot/mouse_reading.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

TEST(MouseReadingTest, CornersAndCentreReadTheRange) {
    const RecordingCanvas canvas(1015, 815);
    const ViewRange r{-5, 5, -4, 4};
    const AxisPoint topLeft = axisPointAt(r, canvas, 0, 0);
    EXPECT_DOUBLE_EQ(topLeft.x, -5);
    EXPECT_DOUBLE_EQ(topLeft.y, 4);
    const AxisPoint centre = axisPointAt(r, canvas, 500, 400);
    EXPECT_DOUBLE_EQ(centre.x, 0);
    EXPECT_DOUBLE_EQ(centre.y, 0);
}

TEST(MouseReadingTest, PolarAnglesRunFromZeroToTwoPi) {
    const double pi = std::numbers::pi;
    const struct {
        double x, y, th, r;
    } cases[] = {
        {1, 0, 2 * pi, 1},       // the positive x axis reads 2 pi
        {-1, 0, pi, 1},          // the negative one pi
        {0, 1, pi / 2, 1},       // x = 0 reads as 0.01
        {1, 1, pi / 4, std::sqrt(2.0)},
        {-1, 1, 3 * pi / 4, std::sqrt(2.0)},
        {-1, -1, 5 * pi / 4, std::sqrt(2.0)},
        {1, -1, 7 * pi / 4, std::sqrt(2.0)},
    };
    for (const auto& c : cases) {
        const PolarReading p = polarReading(c.x, c.y);
        EXPECT_NEAR(p.th, c.th, 0.011) << c.x << "," << c.y;
        EXPECT_NEAR(p.r, c.r, 1e-4) << c.x << "," << c.y;
    }
}

TEST(MouseReadingTest, ZoomBoxesAreReadWhicheverWayTheyWereDrawn) {
    const RecordingCanvas canvas(1015, 815);
    const ViewRange r{-5, 5, -4, 4};
    ViewRange out;
    ASSERT_TRUE(zoomBoxRange(r, canvas, 0, 0, 500, 400, out));
    EXPECT_DOUBLE_EQ(out.x_min, -5);
    EXPECT_DOUBLE_EQ(out.x_max, 0);
    EXPECT_DOUBLE_EQ(out.y_min, 0);
    EXPECT_DOUBLE_EQ(out.y_max, 4);
    ViewRange back;
    ASSERT_TRUE(zoomBoxRange(r, canvas, 500, 400, 0, 0, back));
    EXPECT_DOUBLE_EQ(back.x_min, out.x_min);
    EXPECT_DOUBLE_EQ(back.y_max, out.y_max);
    EXPECT_FALSE(zoomBoxRange(r, canvas, 10, 10, 25, 300, out));
    EXPECT_FALSE(zoomBoxRange(r, canvas, 10, 10, 10, 10, out));
}

}  // namespace
}  // namespace qv
