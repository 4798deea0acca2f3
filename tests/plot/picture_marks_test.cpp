// The marks beside the curves: drawn from the document at the size of any
// canvas, in the order they were made, and gone with the picture a redraw
// clears.

#include "plot/picture_marks.h"

#include <gtest/gtest.h>

#include "expression/evaluator_fixture.h"
#include "plot/plot.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

using namespace qv::testing_support;

class PictureMarksTest : public EvaluatorFixture {
protected:
    PictureMarksTest() {
        doc.x_min = -1;
        doc.x_max = 3;
        doc.y_min = -2;
        doc.y_max = 6;
        doc.colors[kAxis] = 11;
        doc.colors[kPointCross] = 22;
        doc.colors[kFunctionLine] = 33;
        // A cross at (1, 4), the area under y = 2 for x from 0 to 1, the
        // warp, and a second cross at (2, 0): a later mark covers an earlier one.
        doc.marks.drawn = {PictureMarks::Cross{1, 4}, PictureMarks::Shading{"z", "2", 0, 1, 0.25},
                           PictureMarks::Warp{}, PictureMarks::Cross{2, 0}};
    }

    GraphDocument doc;
};

TEST_F(PictureMarksTest, EveryMarkIsDrawnAtTheCanvassOwnSizeInItsOrder) {
    struct Case {
        double width, height;
        int lineWidth;
        double shortArm;  // the cross's arm left and up
    };
    const Case cases[] = {{10015, 8335, 1, 90}, {4015, 3015, 1, 90}, {24015, 16015, 3, 105}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        RecordingCanvas canvas(c.width, c.height);
        canvas.setLineWidth(c.lineWidth);
        // The shading lies under the curves, the rest over them.
        drawMarksUnderCurves(canvas, ev, doc);
        drawPictureMarks(canvas, ev, doc);
        const ViewRange view = viewOf(doc);
        const std::vector<WarpLine> warp = warpLines(c.width, c.height, -2, 6, doc.y_tick_scale);
        ASSERT_FALSE(warp.empty());
        ASSERT_EQ(canvas.lines.size(), 5 + 2 + warp.size() + 2);

        const auto expectCross = [&](size_t first, double u, double v) {
            const double x = mapX(view, canvas, u), y = mapY(view, canvas, v);
            const RecordedLine& across = canvas.lines[first];
            const RecordedLine& down = canvas.lines[first + 1];
            EXPECT_EQ(across.color, 22u);
            EXPECT_EQ(down.color, 22u);
            EXPECT_DOUBLE_EQ(across.x1, x - c.shortArm);
            EXPECT_DOUBLE_EQ(across.x2, x + 105);
            EXPECT_DOUBLE_EQ(across.y1, y);
            EXPECT_DOUBLE_EQ(down.y1, y - c.shortArm);
            EXPECT_DOUBLE_EQ(down.y2, y + 105);
            EXPECT_DOUBLE_EQ(down.x1, x);
        };
        // Five lines at x = 0, 0.25, ... 1, from y = 2 down to the axis, in
        // the curve colour a third strong over the background.
        for (size_t i = 0; i < 5; ++i) {
            const RecordedLine& l = canvas.lines[i];
            EXPECT_EQ(l.color, shadingColor(33, doc.colors[kBackground]));
            EXPECT_DOUBLE_EQ(l.x1, mapX(view, canvas, 0.25 * static_cast<double>(i)));
            EXPECT_DOUBLE_EQ(l.y1, mapY(view, canvas, 2));
            EXPECT_DOUBLE_EQ(l.y2, mapY(view, canvas, 0));
        }
        expectCross(5, 1, 4);
        const RecordedLine& firstWarp = canvas.lines[7];
        EXPECT_EQ(firstWarp.color, 11u);
        EXPECT_DOUBLE_EQ(firstWarp.x1, warp[0].x1);
        EXPECT_DOUBLE_EQ(firstWarp.y2, warp[0].y2);
        EXPECT_DOUBLE_EQ(canvas.lines[7 + warp.size() - 1].y2, warp.back().y2);
        expectCross(7 + warp.size(), 2, 0);
    }
}

// The shading's colour is a third of the curve colour over the background,
// per channel, so that what lies under it reads as seen through it.
TEST(ShadingColorTest, MixesAThirdOfTheLineIntoTheBackground) {
    struct Case {
        uint32_t line, background, expected;
    };
    const Case cases[] = {{packColor(255, 0, 0), packColor(255, 255, 255), packColor(255, 170, 170)},
                          {packColor(0, 0, 255), packColor(0, 0, 0), packColor(0, 0, 85)},
                          {packColor(30, 60, 90), packColor(30, 60, 90), packColor(30, 60, 90)}};
    for (const Case& c : cases) EXPECT_EQ(shadingColor(c.line, c.background), c.expected) << c.line;
}

// A redraw that clears the picture takes the marks with it; one that leaves
// the picture alone (an empty range) leaves them on it.
TEST_F(PictureMarksTest, ARedrawThatClearsThePictureClearsTheMarks) {
    const std::pair<double, bool> cases[] = {{3, true}, {-1, false}};
    for (const auto& [xMax, cleared] : cases) {
        GraphDocument d = doc;
        d.x_max = xMax;
        RecordingCanvas canvas;
        RewriteContext rewrite;
        PlotBoxes boxes{"-5", "5", "z", "z2", "", "", "-1", "3", "1", "1"};
        PlotState state;
        const PlotResult r = Plot(canvas, ev, rewrite, d, boxes, {}, PlotOptions{}, state, PlotHooks{});
        EXPECT_EQ(r.drawn, cleared);
        EXPECT_EQ(d.marks.drawn.empty(), cleared) << xMax;
    }
}

}  // namespace
}  // namespace qv
