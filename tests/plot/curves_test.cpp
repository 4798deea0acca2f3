// The curve phase on a canvas that keeps what is drawn: sample counts,
// the parabola, the polar circle, log and reciprocal axes, failing samples,
// derivative curves, and termination on degenerate ranges.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "expression/evaluator_fixture.h"
#include "expression/rewrite.h"
#include "plot/curves.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

using namespace qv::testing_support;

// The lines of one colour, in drawing order.
std::vector<RecordedLine> colored(const RecordingCanvas& canvas, uint32_t color) {
    std::vector<RecordedLine> out;
    for (const RecordedLine& l : canvas.lines) {
        if (l.color == color) out.push_back(l);
    }
    return out;
}

class CurvesTest : public EvaluatorFixture {
protected:
    CurveForms forms(const char* x, const char* y) {
        RewriteContext rc;
        return {ev.bind(heal_2(heal(x, rc))), ev.bind(heal_2(heal(y, rc)))};
    }
    // The picture coordinates of axis point (u, v) on `canvas`.
    static double px(const RecordingCanvas& c, const CurveView& v, double u) {
        return (c.width() - 15) * (u - v.x_min) / (v.x_max - v.x_min);
    }
    static double py(const RecordingCanvas& c, const CurveView& v, double w) {
        return (c.height() - 15) - (c.height() - 15) * (w - v.y_min) / (v.y_max - v.y_min);
    }

    RecordingCanvas canvas{9015, 6015};  // 600 by 400 pixels of usable area
    CurveView view;
    bool skip = false;
};

TEST_F(CurvesTest, OneSampleEveryThirtyTwips) {
    const SampleRange r = sampleRange(-5, 5, canvas.width());
    EXPECT_DOUBLE_EQ(r.step, 10.0 / 300);
    EXPECT_EQ(sampleRange(0, 1, 15).step, 0.0);
    EXPECT_EQ(sampleRange(0, 1, 0).step, 0.0);
}

TEST_F(CurvesTest, TheParabolaHasAboutOneSegmentPerSample) {
    const CurveStats s = drawCurve(canvas, forms("z", "z^2"), sampleRange(-5, 5, canvas.width()), view, skip);
    // 300 steps of 1/30; rounding may add one last sample at or beyond the end.
    EXPECT_GE(s.segments, 300);
    EXPECT_LE(s.segments, 301);
    EXPECT_EQ(canvas.lines.size(), static_cast<size_t>(s.segments));
    // The first segment starts at (-5, 25), the lowest point is at the origin.
    EXPECT_DOUBLE_EQ(canvas.lines.front().x1, px(canvas, view, -5));
    EXPECT_DOUBLE_EQ(canvas.lines.front().y1, py(canvas, view, 25));
    double lowest = -1e300;
    for (const auto& l : canvas.lines) lowest = std::max(lowest, l.y1);
    EXPECT_NEAR(lowest, py(canvas, view, 0), 1e-6);
}

TEST_F(CurvesTest, PolarUnitCircle) {
    view.axes.polar = true;
    view.x_min = -2, view.x_max = 2, view.y_min = -2, view.y_max = 2;
    drawCurve(canvas, forms("z", "1"), sampleRange(0, 6.3, canvas.width()), view, skip);
    ASSERT_GT(canvas.lines.size(), 200u);
    for (const auto& l : canvas.lines) {
        const double u = l.x1 / (canvas.width() - 15) * 4 - 2;
        const double v = 2 - l.y1 / (canvas.height() - 15) * 4;
        EXPECT_NEAR(u * u + v * v, 1.0, 1e-9);
    }
}

TEST_F(CurvesTest, LogAxisPutsNonPositiveSamplesOnTheAxis) {
    view.axes.log_y = true;
    view.y_min = -2, view.y_max = 1;
    drawCurve(canvas, forms("z", "z"), sampleRange(-1, 1, canvas.width()), view, skip);
    ASSERT_FALSE(canvas.lines.empty());
    // Every sample with y <= 0 is drawn at log10(1) = 0, on the horizontal axis.
    EXPECT_DOUBLE_EQ(canvas.lines.front().y1, py(canvas, view, 0));
    int onAxis = 0;
    for (const auto& l : canvas.lines) onAxis += l.y1 == py(canvas, view, 0);
    EXPECT_GE(onAxis, 140);
    // The curve is still drawn on the positive side.
    EXPECT_NEAR(canvas.lines.back().y2, py(canvas, view, 0), 2.0);
}

TEST_F(CurvesTest, FailingSamplesAreDrawnAtZero) {
    // 1/z across 0: the sample at z = 0 exactly (range -1..1 in steps that
    // hit 0) fails and counts as 0.
    drawCurve(canvas, forms("z", "1/z"), SampleRange{-1, 1, 0.25}, view, skip);
    bool atZero = false;
    for (const auto& l : canvas.lines) atZero |= (l.x2 == px(canvas, view, 0) && l.y2 == py(canvas, view, 0));
    EXPECT_TRUE(atZero);
}

TEST_F(CurvesTest, DerivativeCurvesAreDrawnInTheirColoursBeforeTheFunction) {
    view.derivative = true;
    view.secondDerivative = true;
    drawCurve(canvas, forms("z", "z^3"), SampleRange{-1, 1, 0.5}, view, skip);
    ASSERT_EQ(canvas.lines.size(), 12u);
    for (size_t i = 0; i < canvas.lines.size(); i += 3) {
        EXPECT_EQ(canvas.lines[i].color, view.secondDerivativeColor);
        EXPECT_EQ(canvas.lines[i + 1].color, view.derivativeColor);
        EXPECT_EQ(canvas.lines[i + 2].color, view.lineColor);
    }
    // y' = 3z^2 at z = 0.5 and y'' = 6z.
    const auto first = colored(canvas, view.derivativeColor);
    EXPECT_NEAR(first[2].y2, py(canvas, view, 0.75), 1e-3);
    const auto second = colored(canvas, view.secondDerivativeColor);
    EXPECT_NEAR(second[2].y2, py(canvas, view, 3.0), 1e-2);
}

TEST_F(CurvesTest, AFailedDerivativeKeepsItsPreviousValue) {
    view.derivative = true;
    // x(z) = 1 has dx = 0 everywhere: dy/dx fails at every sample and the
    // derivative points keep their first value, 0.
    drawCurve(canvas, forms("1", "z"), SampleRange{0, 1, 0.5}, view, skip);
    for (const auto& l : colored(canvas, view.derivativeColor)) {
        EXPECT_EQ(l.y1, py(canvas, view, 0));
        EXPECT_EQ(l.y2, py(canvas, view, 0));
    }
}

TEST_F(CurvesTest, ALogarithmThatFailsSkipsTheNextDerivativeSegment) {
    view.axes.log_y = true;
    view.derivative = true;
    // y = z - 0.5 is not positive at the first two samples.
    drawCurve(canvas, forms("z", "z-0.5"), SampleRange{0, 2, 0.5}, view, skip);
    EXPECT_EQ(colored(canvas, view.lineColor).size(), 4u);
    EXPECT_LT(colored(canvas, view.derivativeColor).size(), 4u);
}

TEST_F(CurvesTest, ReciprocalAxisDrawsOneOverTheValue) {
    view.axes.invert_x = true;
    drawCurve(canvas, forms("z", "1"), SampleRange{1, 2, 0.5}, view, skip);
    ASSERT_EQ(canvas.lines.size(), 2u);
    EXPECT_DOUBLE_EQ(canvas.lines[0].x1, px(canvas, view, 1.0));
    EXPECT_DOUBLE_EQ(canvas.lines[0].x2, px(canvas, view, 1 / 1.5));
    EXPECT_DOUBLE_EQ(canvas.lines[1].x2, px(canvas, view, 0.5));
}

TEST_F(CurvesTest, DegenerateRangesEndWithoutDrawingOrLooping) {
    const CurveForms f = forms("z", "z");
    const SampleRange cases[] = {
        {5, 5, 0}, {5, -5, -0.1}, {0, 1, 0}, {0, 1, -1}, {0, 1, std::nan("")},
        {1e20, 1e20 + 1e5, 333}, {0, 1e300, 1e298}, {-1e-300, 1e-300, 1e-302},
    };
    for (const SampleRange& r : cases) {
        canvas.lines.clear();
        const CurveStats s = drawCurve(canvas, f, r, view, skip);
        EXPECT_LE(s.segments, 10000) << r.start << " " << r.end << " " << r.step;
    }
}

TEST_F(CurvesTest, SmoothPlottingYieldsEverySecondSegment) {
    int yields = 0;
    const CurveStats s = drawCurve(canvas, forms("z", "z"), SampleRange{0, 1, 0.1}, view, skip, [&] { ++yields; });
    EXPECT_EQ(yields, s.segments / 2);
}

TEST_F(CurvesTest, TheAnimationValueReplacesEveryA) {
    EXPECT_EQ(withAnimationValue("A*z+A", -0.5), "(-0.5)*z+(-0.5)");
    EXPECT_EQ(withAnimationValue("z", 2), "z");
}

}  // namespace
}  // namespace qv
