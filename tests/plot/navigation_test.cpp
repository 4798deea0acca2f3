// Zooming and the range transition's steps.

#include <gtest/gtest.h>

#include "plot/navigation.h"

namespace qv {
namespace {

TEST(NavigationTest, ZoomingInThenOutRestoresTheRange) {
    const struct {
        double lo, hi;
    } ranges[] = {{-5, 5}, {-4.16, 4.16}, {0.1, 0.3}, {-1e6, 3}};
    for (const auto& r : ranges) {
        const auto [a, b] = zoomedIn(r.lo, r.hi);
        EXPECT_NEAR(b - a, 0.8 * (r.hi - r.lo), 1e-12 * (r.hi - r.lo));
        EXPECT_NEAR((a + b) / 2, (r.lo + r.hi) / 2, 1e-9 * (r.hi - r.lo));
        const auto [c, d] = zoomedOut(a, b);
        EXPECT_NEAR(c, r.lo, 1e-12 * (r.hi - r.lo));
        EXPECT_NEAR(d, r.hi, 1e-12 * (r.hi - r.lo));
    }
    EXPECT_EQ(zoomedIn(-5, 5), (std::pair<double, double>{-4, 4}));
    EXPECT_EQ(zoomedOut(-4, 4), (std::pair<double, double>{-5, 5}));
}

TEST(NavigationTest, ZoomingAboutAPointKeepsItAtItsPlace) {
    const struct {
        double lo, hi, fraction;
    } cases[] = {{-5, 5, 0.5}, {-5, 5, 0.1}, {0.1, 0.3, 0.9}, {-1e6, 3, 0}, {-4.16, 4.16, 1}};
    for (const auto& c : cases) {
        const double w = c.hi - c.lo, at = c.lo + c.fraction * w;
        for (bool in : {true, false}) {
            const auto [a, b] = zoomedAbout(c.lo, c.hi, c.fraction, in);
            EXPECT_NEAR(b - a, (in ? 0.8 : 1.25) * w, 1e-12 * w);
            EXPECT_NEAR(a + c.fraction * (b - a), at, 1e-12 * w) << c.fraction;
            const auto [e, f] = zoomedAbout(a, b, c.fraction, !in);
            EXPECT_NEAR(e, c.lo, 1e-12 * w);
            EXPECT_NEAR(f, c.hi, 1e-12 * w);
        }
    }
}

TEST(NavigationTest, EqualScalesWidenTheShorterRangeAboutItsMiddle) {
    const struct {
        ViewRange range;
        double width, height;
        bool widensX;
    } cases[] = {
        {{-5, 5, -4.16, 4.16}, 20985, 13485, true},  // 1400 x 900 pixels
        {{-5, 5, -4.16, 4.16}, 6000, 13485, false},  // a narrow picture
        {{0, 1, 0, 100}, 1000, 1000, true},
        {{-1e-6, 1e-6, 10, 10.5}, 9000, 3000, true},
    };
    for (const auto& c : cases) {
        const ViewRange r = equalScales(c.range, c.width, c.height);
        const double across = c.width / (r.x_max - r.x_min), up = c.height / (r.y_max - r.y_min);
        EXPECT_NEAR(across, up, 1e-9 * up);
        const ViewRange& o = c.range;
        EXPECT_EQ(c.widensX ? (r.y_min == o.y_min && r.y_max == o.y_max) : (r.x_min == o.x_min && r.x_max == o.x_max), true);
        EXPECT_GT(c.widensX ? r.x_max - r.x_min : r.y_max - r.y_min,
                  c.widensX ? o.x_max - o.x_min : o.y_max - o.y_min);
        EXPECT_NEAR(r.x_min + r.x_max, o.x_min + o.x_max, 1e-9 * (r.x_max - r.x_min));
        EXPECT_NEAR(r.y_min + r.y_max, o.y_min + o.y_max, 1e-9 * (r.y_max - r.y_min));
        // Equal already: nothing moves.
        const ViewRange again = equalScales(r, c.width, c.height);
        EXPECT_EQ(again.x_min, r.x_min);
        EXPECT_EQ(again.y_max, r.y_max);
    }
}

TEST(NavigationTest, TheFifteenStepsCoverNearlyTheWaySlowAtBothEnds) {
    double travelled = 0;
    for (int k = 1; k <= kTransitionSteps; ++k) travelled += transitionIncrement(1.0, k);
    EXPECT_NEAR(travelled, 0.981, 0.001);
    EXPECT_LT(transitionIncrement(1.0, 1), transitionIncrement(1.0, 7));
    EXPECT_LT(transitionIncrement(1.0, 14), transitionIncrement(1.0, 8));
    EXPECT_NEAR(transitionIncrement(1.0, 15), 0.0, 1e-15);
}

}  // namespace
}  // namespace qv
