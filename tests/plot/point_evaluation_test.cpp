// The point evaluation's values and marker position.

#include <gtest/gtest.h>

#include "plot/point_evaluation.h"
#include "expression/evaluator_fixture.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

using namespace qv::testing_support;

class PointEvaluationCoreTest : public EvaluatorFixture {
protected:
    PointRequest request(const char* zText, const char* x, const char* y) {
        PointRequest r;
        r.goToZ = zText;
        r.x_expr = x;
        r.y_expr = y;
        r.range = {-5, 5, -4, 4};
        return r;
    }
    RecordingCanvas canvas{1015, 815};
};

TEST_F(PointEvaluationCoreTest, LogAxesPlaceTheCrossAtTheLogarithmButKeepTheValue) {
    PointRequest r = request("10", "z", "z/10");
    r.axes.log_x = true;
    const PointResult p = evaluatePoint(ev, r, canvas);
    ASSERT_TRUE(p.zNumeric);
    EXPECT_EQ(p.x.num, 10.0);
    EXPECT_DOUBLE_EQ(p.pictureX, mapX(r.range, canvas, 1.0));
    EXPECT_DOUBLE_EQ(p.pictureY, mapY(r.range, canvas, 1.0));
    // The reciprocal replaces the logarithm when both are checked.
    r.axes.invert_x = true;
    EXPECT_DOUBLE_EQ(evaluatePoint(ev, r, canvas).pictureX, mapX(r.range, canvas, 0.1));
}

TEST_F(PointEvaluationCoreTest, PolarMarksTheConvertedPoint) {
    PointRequest r = request("pi/2", "z", "1");
    r.axes.polar = true;
    const PointResult p = evaluatePoint(ev, r, canvas);
    // z is bound as its 15-digit text "1.5707963267949", so x(z) = z is that.
    EXPECT_EQ(p.x.num, 1.5707963267949);
    EXPECT_EQ(p.y.num, 1.0);
    EXPECT_NEAR(p.pictureX, mapX(r.range, canvas, 0.0), 1e-9);
    EXPECT_NEAR(p.pictureY, mapY(r.range, canvas, 1.0), 1e-9);
}

TEST_F(PointEvaluationCoreTest, FailuresGiveEmptyValuesAndANonNumericZNothing) {
    const PointResult p = evaluatePoint(ev, request("0", "1/z", "sqr(z-1)"), canvas);
    ASSERT_TRUE(p.zNumeric);
    EXPECT_TRUE(p.x.isEmpty());
    EXPECT_TRUE(p.y.isEmpty());
    EXPECT_FALSE(evaluatePoint(ev, request("\"a\"", "z", "z"), canvas).zNumeric);
    EXPECT_FALSE(evaluatePoint(ev, request("(", "z", "z"), canvas).zNumeric);
}

TEST_F(PointEvaluationCoreTest, TheAnimationValueStandsForAInZ) {
    PointRequest r = request("2*A", "z", "z");
    r.animationRunning = true;
    r.a_current = 1.5;
    EXPECT_EQ(evaluatePoint(ev, r, canvas).z, 3.0);
}

}  // namespace
}  // namespace qv
