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
