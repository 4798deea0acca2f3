#include "animation/effects.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qv {
namespace {

TEST(ParameterAnimation, FramesFromMinToExactlyMax) {
    double a = 0;
    std::vector<std::string> labels;
    int ticks = 0;
    for (;;) {
        const AnimationFrame f = nextAnimationFrame(a, 1.0);
        ++ticks;
        a = f.a;
        if (f.last) break;
        labels.push_back(f.label);
        ASSERT_LT(ticks, 100);
    }
    EXPECT_EQ(ticks, 20);
    EXPECT_EQ(a, 1.0);  // the last frame is drawn exactly at A max
    ASSERT_EQ(labels.size(), 19u);
    EXPECT_EQ(labels[0], "A = 0");  // 0.5 tenths round to the even 0
    EXPECT_EQ(labels[1], "A = 0.1");
    EXPECT_EQ(labels[9], "A = 0.5");
    EXPECT_EQ(labels[18], "A = 1");
    // A negative range and a step past the end at once.
    EXPECT_EQ(nextAnimationFrame(-0.3, 0).label, "A = -0.2");
    EXPECT_TRUE(nextAnimationFrame(0.99, 1.0).last);
}

TEST(Effects, ShadeGradientAndNames) {
    EXPECT_EQ(shadeColorAt("red", 0, 100), packColor(0, 0, 0));
    EXPECT_EQ(shadeColorAt("red", 1, 100), packColor(0, 0, 0));
    EXPECT_EQ(shadeColorAt("green", 51, 100), packColor(0, 128, 0));
    EXPECT_EQ(shadeColorAt("white", 101, 100), packColor(255, 255, 255));
    EXPECT_EQ(shadeColorAt("File_Start", 50, 100), std::nullopt);
    EXPECT_EQ(shadeColorAt("Red", 50, 100), std::nullopt);
    EXPECT_EQ(shadeName("blue"), "blue");
    EXPECT_EQ(shadeName(""), "File_Start");
    EXPECT_EQ(shadeName("red "), "File_Start");
}

TEST(Effects, ColourCycleAndTheUsersColoursBack) {
    ColorSlots c = defaultColors();
    c[kGrid] = packColor(1, 2, 3);
    const ColorSlots chosen = c;
    double t = 0;
    colorCycleTick(t, c);
    EXPECT_DOUBLE_EQ(t, -0.01);
    // At t = 0: background (128, 255 limited, 128), axis the complement.
    EXPECT_EQ(c[kBackground], packColor(128, 255, 128));
    EXPECT_EQ(c[kAxis], packColor(128, 0, 128));
    EXPECT_EQ(c[kFunctionLine], c[kAxis]);
    EXPECT_EQ(c[kPointCross], packColor(255, 0, 255));
    for (ColorSlot s : {kPointConnect, kMovingAverage, kDataSmooth, kDragZoomLines, kDerivative}) {
        EXPECT_EQ(c[s], c[kPointCross]);
    }
    EXPECT_EQ(c[kSecondDerivative], defaultColors()[kSecondDerivative]);
    // After the frame every slot is the user's again, except one that was
    // set while the frame was drawn.
    const ColorSlots shown = c;
    c[kAxis] = packColor(4, 5, 6);
    restoreChosenColors(c, shown, chosen);
    ColorSlots expected = chosen;
    expected[kAxis] = packColor(4, 5, 6);
    EXPECT_EQ(c, expected);
}

TEST(Effects, WarpFigureAndViewsThatWouldNeverEnd) {
    // 8.32 units of y on 6000 twips, a tick of 1: a step of 180.3 twips.
    const std::vector<WarpLine> lines = warpLines(9000, 6000, -4.16, 4.16, 1);
    EXPECT_EQ(lines.size(), 4u * 17u);
    EXPECT_DOUBLE_EQ(lines[0].x1, (9000 - 15) / 2.0);
    EXPECT_DOUBLE_EQ(lines[0].y1, (6000 - 15) / 2.0);
    EXPECT_TRUE(warpLines(9000, 6000, -4.16, 4.16, 0).empty());
    EXPECT_TRUE(warpLines(9000, 6000, -4.16, 4.16, -1).empty());
    EXPECT_TRUE(warpLines(9000, 6000, 2, 2, 1).empty());
    EXPECT_LE(warpLines(9000, 6000, -1e12, 1e12, 1).size(), 4u * 20000u);
}

TEST(Effects, TornadoParticlesStayInTheirRanges) {
    RandomSource rng(7);
    Tornado t;
    t.command(rng);
    ASSERT_EQ(t.particles().size(), 35u);
    EXPECT_TRUE(t.running() && t.visible());
    for (int i = 0; i < 400; ++i) {
        t.tick(9000, 6000, rng);
        for (const Particle& p : t.particles()) {
            ASSERT_GE(p.spiral, 1.8);
            ASSERT_LT(p.spiral, 2.5);
            ASSERT_GE(p.radius, 1000);
            ASSERT_GE(p.fall, 50);
            ASSERT_GE(p.grey, 0);
            ASSERT_LE(p.grey, 120);
            // A particle never falls further than one step below the band
            // where it starts again.
            ASSERT_LE(p.top, 6000 - 15 - 1200 + 110);
            ASSERT_GT(p.width, 0);
        }
    }
    t.command(rng);
    EXPECT_FALSE(t.running() || t.visible());
    t.command(rng);
    EXPECT_TRUE(t.running() && t.visible());
    EXPECT_EQ(t.particles().size(), 35u);
}

}  // namespace
}  // namespace qv
