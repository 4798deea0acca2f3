// The whole redraw on a recording canvas: the range check, the preparation
// of the boxes, "Auto z Range", the curves of the function list, the
// animation value, and the hooks the window answers.

#include <gtest/gtest.h>

#include "expression/evaluator_fixture.h"
#include "plot/plot.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

using namespace qv::testing_support;

class PlotTest : public EvaluatorFixture {
protected:
    PlotResult plot() {
        // The boxes take what the redraw left in them, as the window's do.
        PlotResult r = Plot(canvas, ev, rewrite, doc, boxes, functions, options, state, hooks);
        boxes = r.boxes;
        return r;
    }
    size_t linesOf(uint32_t color) const {
        size_t n = 0;
        for (const RecordedLine& l : canvas.lines) n += l.color == color;
        return n;
    }

    RecordingCanvas canvas{9015, 6015};
    RewriteContext rewrite;
    GraphDocument doc;
    PlotBoxes boxes{"-5", "5", "z", "z2", "", "", "-5", "5", "1", "1"};
    std::vector<std::string> functions;
    PlotOptions options;
    PlotState state;
    PlotHooks hooks;
};

TEST_F(PlotTest, AnEmptyOrReversedRangeLeavesThePictureAlone) {
    canvas.line(0, 0, 1, 1, 42);
    for (auto [lo, hi] : {std::pair{5.0, 5.0}, std::pair{5.0, -5.0}}) {
        doc.x_min = lo;
        doc.x_max = hi;
        EXPECT_FALSE(plot().drawn);
        ASSERT_EQ(canvas.lines.size(), 1u);
    }
}

TEST_F(PlotTest, AFullReplotRewritesTheBoxesAndDrawsTheParabola) {
    boxes.x = " z ";
    const PlotResult r = plot();
    EXPECT_TRUE(r.drawn);
    EXPECT_EQ(boxes.y, "z^2");
    EXPECT_EQ(boxes.x, "z");
    // What was prepared is what the boxes now show.
    ASSERT_TRUE(state.prepared.has_value());
    EXPECT_EQ(state.prepared->x, "z");
    EXPECT_EQ(state.prepared->y, "z^2");
    EXPECT_EQ(r.curves, 1);
    EXPECT_GE(r.segments, 300);
    EXPECT_LE(r.segments, 301);
    EXPECT_EQ(static_cast<int>(linesOf(doc.colors[kFunctionLine])), r.segments);
    EXPECT_EQ(state.x_expr, "z");
    EXPECT_EQ(state.y_expr, "z^2");
}

TEST_F(PlotTest, ThePreparedValuesLastUntilTheBoxesChange) {
    plot();
    // The animation moved A on; a redraw of the same boxes keeps it.
    state.a_current = 3;
    plot();
    EXPECT_EQ(state.a_current, 3.0);
    // Another width samples the same range for itself, and keeps A too.
    const double step = state.z_step;
    canvas.resize(canvas.width() * 4, canvas.height());
    plot();
    EXPECT_LT(state.z_step, step);
    EXPECT_EQ(state.a_current, 3.0);
    // A changed box is read again, and A starts over.
    boxes.zMax = "0";
    plot();
    EXPECT_EQ(state.z_end, 0.0);
    EXPECT_EQ(state.a_current, 0.0);
    // The colour effect holds its curves while x(z) and y(z) are edited.
    state.hold_expressions = true;
    boxes.y = "z^3";
    plot();
    EXPECT_EQ(state.y_expr, "z^2");
    state.prepared.reset();
    plot();
    EXPECT_EQ(state.y_expr, "z^3");
}

TEST_F(PlotTest, UnreadableRangesCountAsZeroAndAreNamed) {
    boxes.zMin = "abc(";
    boxes.zMax = "2";
    const PlotResult r = plot();
    EXPECT_EQ(state.z_start, 0.0);
    EXPECT_EQ(state.z_end, 2.0);
    EXPECT_EQ(r.status, "z min: Syntax error");
}

// A failed sample counts as 0 as before, but a curve none of whose samples
// evaluates draws no line at all, and says why.
TEST_F(PlotTest, ACurveWithoutOneGoodSampleDrawsNothing) {
    struct Case {
        const char* y;
        bool drawn;
        const char* status;
    };
    const Case cases[] = {
        {"ln(z-6)", false, "y(z): Invalid procedure call or argument at every sample"},
        {"sinn(z)", false, "y(z): Syntax error at every sample"},
        {"1/(z-z)", false, "y(z): Division by zero at every sample"},
        {"sqr(z)", true, ""},
        {"z^2", true, ""},
    };
    for (const Case& c : cases) {
        canvas.lines.clear();
        boxes.y = c.y;
        const PlotResult r = plot();
        EXPECT_EQ(linesOf(doc.colors[kFunctionLine]) > 0, c.drawn) << c.y;
        EXPECT_EQ(r.segments > 0, c.drawn) << c.y;
        EXPECT_EQ(r.status, c.status) << c.y;
    }
    EXPECT_EQ(boxes.y, "z^2");
}

TEST_F(PlotTest, AutoZRangeFollowsTheXRangeOnlyForXEqualToZ) {
    options.autoZRange = true;
    boxes.xMinBox = "-2";
    boxes.xMaxBox = "3";
    plot();
    EXPECT_EQ(boxes.zMin, "-2");
    EXPECT_EQ(boxes.zMax, "3");
    boxes.x = "2z";
    boxes.zMin = "0";
    plot();
    EXPECT_EQ(boxes.zMin, "0");
    options.axes.log_x = true;
    boxes.x = "z";
    plot();
    EXPECT_EQ(boxes.zMin, "0");
}

TEST_F(PlotTest, EveryFunctionOfTheListIsPlottedWithTheBoxLast) {
    functions = {"sin(z)", "z^2", "2*z"};
    options.plotAllFunctions = true;
    std::vector<int> order;
    hooks.afterCurve = [&](int k) { order.push_back(k); };
    EXPECT_EQ(plot().curves, 4);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));
    // With an empty y(z) box only the list's curves are drawn.
    boxes.y = "";
    order.clear();
    EXPECT_EQ(plot().curves, 3);
    // A list entry that fails at every sample is named by its place.
    functions = {"sin(z)", "ln(z-99)"};
    EXPECT_EQ(plot().status, "Function list entry 2: Invalid procedure call or argument at every sample");
}

TEST_F(PlotTest, NoCurvesWithoutBothBoxes) {
    boxes.y = "";
    EXPECT_EQ(plot().curves, 0);
    boxes.y = "z";
    boxes.x = "";
    EXPECT_EQ(plot().curves, 0);
    EXPECT_FALSE(canvas.lines.empty());  // the axes are there
}

TEST_F(PlotTest, TheAnimationValueStandsForA) {
    boxes.y = "A";
    options.animationRunning = true;
    plot();
    state.a_current = 2;
    canvas.lines.clear();
    plot();
    // The curve y = 2 is a horizontal line at v = 2.
    const double py = (canvas.height() - 15) - (canvas.height() - 15) * (2 - doc.y_min) / (doc.y_max - doc.y_min);
    size_t at2 = 0;
    for (const RecordedLine& l : canvas.lines) at2 += l.color == doc.colors[kFunctionLine] && l.y1 == py && l.y2 == py;
    EXPECT_GE(at2, 300u);
    // Without the animation, A is an unassigned name: 0.
    options.animationRunning = false;
    EXPECT_EQ(ev.eval(state.y_expr).value.num, 0.0);
}

TEST_F(PlotTest, TheTickLimitMessageGoesThroughTheHook) {
    doc.x_tick_scale = 0.001;
    std::vector<std::string> shown;
    hooks.tickLimit = [&](const TickLimitMessage& m) { shown.push_back(m.title); };
    plot();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Quorvanta  -  Too many tick marks!");
    EXPECT_DOUBLE_EQ(doc.x_tick_scale, 0.01);
    EXPECT_EQ(boxes.xTickBox, "0.01");
}

TEST_F(PlotTest, AnimatedGraphsNeverYieldAndStartTheirAnimation) {
    boxes.aMin = "0";
    boxes.aMax = "1";
    state.smooth_pass = true;
    state.animation_request = true;
    int yields = 0, started = 0;
    hooks.yieldToEvents = [&] { ++yields; };
    hooks.startAnimation = [&] { ++started; };
    plot();
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(started, 1);
}

TEST_F(PlotTest, SmoothPlottingYields) {
    state.smooth_pass = true;
    int yields = 0;
    hooks.yieldToEvents = [&] { ++yields; };
    const PlotResult r = plot();
    EXPECT_EQ(yields, r.segments / 2);
}

// A stopped redraw keeps what it drew, exactly as a whole redraw draws it,
// and leaves out the rest: no further curve, no point evaluation of the cut
// one, no animation started; the status says where it stopped. Asked and
// never stopping, the redraw is the same as without the question.
TEST_F(PlotTest, AStoppedRedrawKeepsWhatItDrewAndStartsNothing) {
    functions = {"sin(z)", "z^2", "2*z"};
    options.plotAllFunctions = true;
    options.derivative = true;
    boxes.aMin = "0";
    boxes.aMax = "1";
    const PlotResult whole = plot();
    const std::vector<RecordedLine> wholeLines = canvas.lines;
    ASSERT_EQ(whole.curves, 4);
    const struct {
        int curve;  // stop when asked this often about this curve
        int asked;
        std::string status;
        std::vector<int> evaluated;
    } kStops[] = {
        {-1, 0, "", {0, 1, 2, 3}},  // never
        {0, 1, "Drawing stopped at curve 1 of 4", {}},
        {1, 40, "Drawing stopped at curve 2 of 4", {0}},
        {3, 1, "Drawing stopped at curve 4 of 4", {0, 1, 2}},
    };
    for (const auto& stop : kStops) {
        SCOPED_TRACE(stop.status);
        canvas.lines.clear();
        state.animation_request = true;
        std::vector<int> evaluated;
        int started = 0, asked = 0;
        hooks.afterCurve = [&](int k) { evaluated.push_back(k); };
        hooks.startAnimation = [&] { ++started; };
        hooks.stopRequested = [&](int curve, int curves) {
            EXPECT_EQ(curves, 4);
            return curve == stop.curve && ++asked >= stop.asked;
        };
        const PlotResult r = plot();
        EXPECT_EQ(r.stopped, stop.curve >= 0);
        EXPECT_EQ(r.status, stop.status);
        EXPECT_EQ(evaluated, stop.evaluated);
        EXPECT_EQ(started, stop.curve >= 0 ? 0 : 1);
        EXPECT_EQ(state.animation_request, stop.curve < 0);
        ASSERT_LE(canvas.lines.size(), wholeLines.size());
        for (size_t i = 0; i < canvas.lines.size(); ++i) {
            const RecordedLine& a = canvas.lines[i];
            const RecordedLine& b = wholeLines[i];
            ASSERT_TRUE(a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.color == b.color) << i;
        }
        if (stop.curve < 0) EXPECT_EQ(canvas.lines.size(), wholeLines.size());
        else EXPECT_LT(canvas.lines.size(), wholeLines.size());
    }
}

TEST_F(PlotTest, AFrameOnlyPassDrawsNoCurves) {
    options.frameOnly = true;
    EXPECT_EQ(plot().curves, 0);
    EXPECT_FALSE(state.prepared.has_value());  // nothing was prepared
}


// The data list: points (0, 1) .. (4, 5), drawn as crosses.
void fillData(GraphDocument& doc) {
    doc.data.assign(kXData, {"0", "1", "2", "3", "4"});
    doc.data.assign(kYData1, {"1", "2", "3", "4", "5"});
    doc.data_plot.points = true;
}

TEST_F(PlotTest, TheDataAutoscaleIsAOneShotRequest) {
    struct Case {
        const char* name;
        bool drawingOn, oneXItem;
        int16_t request;
        bool applied;
    };
    const Case cases[] = {
        {"all conditions", true, false, 1, true},
        {"no data drawing", false, false, 1, false},
        {"a single x item", true, true, 1, false},
        {"no request", true, false, 0, false},
    };
    for (const Case& c : cases) {
        doc = GraphDocument{};
        boxes = PlotBoxes{"-5", "5", "z", "z2", "", "", "-5", "5", "1", "1", " -4.16", " 4.16"};
        fillData(doc);
        if (c.oneXItem) doc.data.assign(kXData, {"0"});
        doc.data_plot.points = c.drawingOn;
        state = PlotState{};
        doc.autoscale = c.request;
        EXPECT_EQ(plot().autoscaled, c.applied) << c.name;
        // The request waits for a redraw where it applies.
        EXPECT_EQ(doc.autoscale, c.applied ? 0 : c.request) << c.name;
        if (!c.applied) {
            EXPECT_EQ(boxes.yMinBox, " -4.16") << c.name;
            EXPECT_EQ(boxes.xMaxBox, "5") << c.name;
            continue;
        }
        EXPECT_EQ(boxes.yMinBox, "-0.6");
        EXPECT_EQ(boxes.yMaxBox, " 6.6");
        EXPECT_EQ(boxes.xMinBox, "-1.33333333333333");
        EXPECT_EQ(boxes.xMaxBox, "5.33333333333333");
        // The z range follows x in Cartesian mode, and the curves of the
        // same redraw are prepared from it.
        EXPECT_EQ(boxes.zMin, "-1.33333333333333");
        EXPECT_DOUBLE_EQ(state.z_start, -1.33333333333333);
        EXPECT_DOUBLE_EQ(state.z_end, 5.33333333333333);
    }
}

TEST_F(PlotTest, DataIsDrawnBeforeTheCurvesFromTextsConvertedOnce) {
    fillData(doc);
    doc.data_plot.movingAverage = true;
    doc.data_plot.size = 5;  // more than the five points allow
    std::vector<std::string> shown;
    hooks.dataMessage = [&](const DataMessage& m) { shown.push_back(m.text); };
    for (int redraw = 1; redraw <= 2; ++redraw) {
        const PlotResult r = plot();
        EXPECT_EQ(r.data.crosses, 5);
        EXPECT_EQ(r.data.averageSegments, 0);
        EXPECT_EQ(shown.size(), static_cast<size_t>(redraw));
        size_t firstCross = canvas.lines.size(), firstCurve = canvas.lines.size();
        for (size_t i = canvas.lines.size(); i-- > 0;) {
            if (canvas.lines[i].color == doc.colors[kPointCross]) firstCross = i;
            if (canvas.lines[i].color == doc.colors[kFunctionLine]) firstCurve = i;
        }
        EXPECT_LT(firstCross, firstCurve);
    }
    EXPECT_EQ(shown[0], kMovingAverageTooLarge);
    EXPECT_EQ(state.data_series.convertedItems(), 10u);
    doc.data.assign(kYData1, {"1", "2", "3", "4", "6"});
    plot();
    EXPECT_EQ(state.data_series.convertedItems(), 11u);
}

}  // namespace
}  // namespace qv
