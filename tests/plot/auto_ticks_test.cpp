// Tick scales chosen for the range: 1, 2 or 5 x 10^k with five to ten
// numbers, from the tiniest range to the widest, without a message.

#include "plot/auto_ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "expression/number_text.h"
#include "plot/axes.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

struct Range {
    double lo, hi;
};

const Range kRanges[] = {
    {-1e-12, 1e-12}, {0, 1e-12},  {3e-12, 4.7e-12}, {-5, 5},     {-4.16, 4.16}, {0.1, 0.37},
    {-10.5, 9.5},   {17, 1000},  {-1, 1e6},        {0, 1e300},  {-1e300, 1e300}, {2e299, 9e299},
};

// The leading digit of a scale 1, 2 or 5 x 10^k.
double mantissa(double s) { return s / std::pow(10.0, std::floor(std::log10(s) + 1e-12)); }

TEST(AutoTicks, ScalesAreOneTwoOrFiveTimesAPowerOfTenWithFiveToTenNumbers) {
    for (const Range& r : kRanges) {
        const std::optional<double> s = autoTickScale(r.lo, r.hi);
        ASSERT_TRUE(s) << r.lo << " " << r.hi;
        const double m = mantissa(*s);
        EXPECT_TRUE(std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9) << *s;
        const long n = numberedTicks(r.lo, r.hi, *s);
        EXPECT_GE(n, 5) << r.lo << " " << r.hi << " by " << *s;
        EXPECT_LE(n, 10) << r.lo << " " << r.hi << " by " << *s;
    }
    EXPECT_FALSE(autoTickScale(1, 1));
    EXPECT_FALSE(autoTickScale(2, 1));
    EXPECT_FALSE(autoTickScale(-1e308, 1e308));  // the width overflows
}

// Drawn on a picture of about 670 by 555 pixels: every linear axis shows five
// to ten distinct numbers, none rounded away to 0, and no tick-limit message.
TEST(AutoTicks, TheAxesDrawFiveToTenNumbersAtEveryRangeWithNoMessage) {
    for (const Range& r : kRanges) {
        RecordingCanvas canvas(10015, 8335);
        AxesInput in;
        in.range = {r.lo, r.hi, r.lo, r.hi};
        in.x_tick_scale = in.y_tick_scale = 1;
        in.auto_tick_scales = true;
        int messages = 0;
        const AxesResult result = drawAxes(canvas, in, [&](const TickLimitMessage&) { ++messages; });
        EXPECT_EQ(messages, 0) << r.lo << " " << r.hi;
        ASSERT_FALSE(canvas.texts.empty()) << r.lo << " " << r.hi;
        // The x axis is numbered first, all its numbers on one line.
        const double xLine = canvas.texts.front().y;
        std::set<std::string> xs, ys;
        int xCount = 0, yCount = 0;
        for (const auto& t : canvas.texts) {
            EXPECT_NE(t.text, " 0") << r.lo << " " << r.hi;
            if (t.y == xLine && yCount == 0) {
                xs.insert(t.text);
                ++xCount;
            } else {
                ys.insert(t.text);
                ++yCount;
            }
        }
        for (int count : {xCount, yCount}) {
            EXPECT_GE(count, 5) << r.lo << " " << r.hi << " by " << result.x_tick_scale << ", " << result.y_tick_scale;
            EXPECT_LE(count, 10) << r.lo << " " << r.hi;
        }
        EXPECT_EQ(xs.size(), static_cast<size_t>(xCount)) << "x numbers repeat at " << r.lo << " " << r.hi;
        EXPECT_EQ(ys.size(), static_cast<size_t>(yCount)) << "y numbers repeat at " << r.lo << " " << r.hi;
        EXPECT_EQ(result.x_tick_box, plainText(result.x_tick_scale));
    }
}

}  // namespace
}  // namespace qv
