// The definite integral: the checks before anything is computed, the
// Simpson sum against known areas, the failures it reports or swallows, and
// the shading lines it draws.

#include "calculus/definite_integral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "expression/evaluator_fixture.h"
#include "draw/viewport.h"
#include "plot/picture_marks.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

using namespace qv::testing_support;

constexpr int16_t kTrue = -1;
constexpr uint32_t kShadeColor = 0x00FF8000;

class DefiniteIntegralTest : public EvaluatorFixture {
protected:
    IntegralSetup prepare(IntegralBoxes& boxes) { return prepareIntegral(boxes, ev, rewrite, eval_error); }

    RewriteContext rewrite;
    int16_t eval_error = kTrue;  // left set by some earlier command
};

// ---------------------------------------------------------------------------
// Before the computation: empty boxes, animations, bounds.

struct PrepareCase {
    const char* name;
    IntegralBoxes boxes;
    IntegralStatus status;
    const char* title;  // nullptr: no message
    const char* text;
    bool copyToMain;
};

TEST_F(DefiniteIntegralTest, RefusesWhatCannotBeIntegrated) {
    const std::vector<PrepareCase> cases = {
        {"empty x", {"", "z", "0", "1"}, IntegralStatus::Nothing, nullptr, nullptr, false},
        {"empty y", {"z", "", "0", "1"}, IntegralStatus::Nothing, nullptr, nullptr, false},
        {"blank lower bound", {"z", "z", "  ", "1"}, IntegralStatus::Nothing, nullptr, nullptr, false},
        {"empty upper bound", {"z", "z", "0", ""}, IntegralStatus::Nothing, nullptr, nullptr, false},
        {"animation in y", {"z", "A*z", "0", "1"}, IntegralStatus::Refused, kIntegralFunctionErrorTitle,
         kIntegralAnimationText, false},
        {"animation in x", {"A+z", "z", "0", "1"}, IntegralStatus::Refused, kIntegralFunctionErrorTitle,
         kIntegralAnimationText, false},
        {"animation before empty bound", {"z", "A", "", ""}, IntegralStatus::Nothing, nullptr, nullptr, false},
        {"equal bounds", {"z", "z", "1", "1"}, IntegralStatus::Refused, kIntegralDataErrorTitle,
         kIntegralBoundsText, true},
        {"reversed bounds", {"z", "z", "2", "-2"}, IntegralStatus::Refused, kIntegralDataErrorTitle,
         kIntegralBoundsText, true},
        {"lower bound fails", {"z", "z", "1/0", "1"}, IntegralStatus::Failed, nullptr, nullptr, true},
        {"upper bound fails", {"z", "z", "0", "sqr(-1)"}, IntegralStatus::Failed, nullptr, nullptr, true},
        {"text bound", {"z", "z", "0", "\"x\""}, IntegralStatus::Failed, nullptr, nullptr, true},
        {"good", {"z", "z^2", "0", "3"}, IntegralStatus::Ready, nullptr, nullptr, true},
    };
    for (const PrepareCase& c : cases) {
        SCOPED_TRACE(c.name);
        IntegralBoxes boxes = c.boxes;
        const IntegralSetup s = prepare(boxes);
        EXPECT_EQ(s.status, c.status);
        EXPECT_EQ(s.copyToMain, c.copyToMain);
        ASSERT_EQ(s.message.has_value(), c.title != nullptr);
        if (c.title != nullptr) {
            EXPECT_EQ(s.message->title, c.title);
            EXPECT_EQ(s.message->text, c.text);
        }
    }
}

TEST_F(DefiniteIntegralTest, RewritesTheBoxesAndReadsTheBounds) {
    IntegralBoxes boxes{"2 z", "z 2", " 1 / 2 ", "2pi"};
    const IntegralSetup s = prepare(boxes);
    ASSERT_EQ(s.status, IntegralStatus::Ready);
    EXPECT_EQ(boxes.x, "2*z");
    EXPECT_EQ(boxes.y.find(' '), std::string::npos);
    EXPECT_EQ(boxes.lower, "1/2");
    EXPECT_DOUBLE_EQ(s.a, 0.5);
    EXPECT_NEAR(s.b, 2 * std::numbers::pi, 1e-12);
    EXPECT_EQ(eval_error, 0) << "the flag is cleared once the function is accepted";
}

TEST_F(DefiniteIntegralTest, AnEmptyBoxLeavesTheFailureFlagAlone) {
    IntegralBoxes boxes{"z", "z", "0", ""};
    prepare(boxes);
    EXPECT_EQ(eval_error, kTrue);
}

// ---------------------------------------------------------------------------
// The Simpson sum.

struct AreaCase {
    const char* name;
    IntegralBoxes boxes;
    double value;
    const char* label;
};

TEST_F(DefiniteIntegralTest, KnownAreas) {
    const std::vector<AreaCase> cases = {
        {"parabola", {"z", "z^2", "0", "3"}, 9, "9"},
        {"below the axis counts negative", {"z", "-1", "0", "2"}, -2, "-2"},
        {"circle, sign from the orientation", {"cos(z)", "sin(z)", "0", "2*pi"}, -3.141592654, "-3.141592654"},
        {"cubic, exact for Simpson", {"z", "z^3", "-1", "2"}, 3.75, "3.75"},
        {"x scaled", {"2*z", "1", "0", "1"}, 2, "2"},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.name);
        IntegralBoxes boxes = c.boxes;
        const IntegralSetup s = prepare(boxes);
        ASSERT_EQ(s.status, IntegralStatus::Ready);
        const IntegralOutcome out = evaluateIntegral(ev, s, eval_error);
        EXPECT_EQ(out.status, IntegralStatus::Evaluated);
        EXPECT_FALSE(out.message.has_value());
        EXPECT_DOUBLE_EQ(out.value, c.value);
        ASSERT_TRUE(out.label.has_value());
        EXPECT_EQ(*out.label, c.label);
    }
}

TEST_F(DefiniteIntegralTest, RoundsToNineDecimals) {
    // The integral of 1 over [0, 1/3] shows as 0.333333333.
    IntegralBoxes boxes{"z", "1", "0", "1/3"};
    const IntegralOutcome out = evaluateIntegral(ev, prepare(boxes), eval_error);
    ASSERT_EQ(out.status, IntegralStatus::Evaluated);
    EXPECT_EQ(out.label, "0.333333333");
    EXPECT_NEAR(out.h, 1.0 / 3000, 1e-18);
}

TEST_F(DefiniteIntegralTest, LeavesZAtTheLastInteriorSample) {
    // The end terms come first, then the interior pairs up to a + 998h.
    IntegralBoxes boxes{"z", "z", "0", "3"};
    const IntegralSetup s = prepare(boxes);
    evaluateIntegral(ev, s, eval_error);
    const Value z = ev.variable("z");
    ASSERT_TRUE(z.isNumber());
    const double h = 3.0 / 1000;
    EXPECT_EQ(z.num, 0 + 2 * 499 * h);
}

TEST_F(DefiniteIntegralTest, YReadsTheScriptVariableZ) {
    // y(z) is evaluated with z assigned, so an upper-case Z is the sample too.
    IntegralBoxes boxes{"z", "Z", "0", "2"};
    const IntegralOutcome out = evaluateIntegral(ev, prepare(boxes), eval_error);
    ASSERT_EQ(out.status, IntegralStatus::Evaluated);
    EXPECT_EQ(out.label, "2");
}

// ---------------------------------------------------------------------------
// Failures.

struct DiscontinuityCase {
    const char* name;
    IntegralBoxes boxes;
};

TEST_F(DefiniteIntegralTest, ReportsFunctionsThatFailAtASample) {
    const std::vector<DiscontinuityCase> cases = {
        {"y fails at the first sample", {"z", "sqr(z)", "-1", "1"}},
        {"y fails at the last sample only", {"z", "sqr(1-z)", "0", "1.5"}},
        {"x' fails", {"sqr(z)", "1", "-1", "1"}},
        {"y fails in the middle", {"z", "sqr(z*z-0.25)", "-1", "1"}},
        {"a logarithm below 0", {"z", "ln(z)", "-1", "1"}},
        {"a text the rewriting cannot restore", {"z", "sinn(z)", "0", "1"}},
    };
    for (const DiscontinuityCase& c : cases) {
        SCOPED_TRACE(c.name);
        IntegralBoxes boxes = c.boxes;
        const IntegralSetup s = prepare(boxes);
        ASSERT_EQ(s.status, IntegralStatus::Ready);
        const IntegralOutcome out = evaluateIntegral(ev, s, eval_error);
        EXPECT_EQ(out.status, IntegralStatus::Refused);
        ASSERT_TRUE(out.message.has_value());
        EXPECT_EQ(out.message->title, kIntegralFunctionErrorTitle);
        EXPECT_EQ(out.message->text, kIntegralContinuityText);
        EXPECT_EQ(out.label, std::string());
        EXPECT_EQ(boxes.y, c.boxes.y);  // shown as typed, never as the rewriter's markers
    }
}

TEST_F(DefiniteIntegralTest, AFailureIsSeenAtTheEndOfTheFirstPass) {
    // y fails at a already; the first interior pair is still sampled.
    IntegralBoxes boxes{"z", "sqr(z)", "-1", "1"};
    const IntegralSetup s = prepare(boxes);
    evaluateIntegral(ev, s, eval_error);
    const Value z = ev.variable("z");
    ASSERT_TRUE(z.isNumber());
    EXPECT_EQ(z.num, -1 + 2 * (2.0 / 1000));
}

TEST_F(DefiniteIntegralTest, SquareRootThroughTheRewriter) {
    IntegralBoxes boxes{"z", "sqrt(z)", "-1", "1"};
    const IntegralOutcome out = evaluateIntegral(ev, prepare(boxes), eval_error);
    EXPECT_EQ(out.status, IntegralStatus::Refused);
    EXPECT_EQ(out.label, std::string());
}

TEST_F(DefiniteIntegralTest, AFailureDuringTheRedrawCountsAsADiscontinuity) {
    IntegralBoxes boxes{"z", "z", "0", "1"};
    const IntegralSetup s = prepare(boxes);
    eval_error = kTrue;  // a derivative curve of the redraw failed
    const IntegralOutcome out = evaluateIntegral(ev, s, eval_error);
    EXPECT_EQ(out.status, IntegralStatus::Refused);
    EXPECT_EQ(out.label, std::string());
}

struct SilentCase {
    const char* name;
    IntegralBoxes boxes;
};

TEST_F(DefiniteIntegralTest, OverflowEndsTheCommandSilently) {
    const std::vector<SilentCase> cases = {
        {"width overflows", {"z", "1", "-1E+308", "1E+308"}},
        {"area overflows", {"z", "1E+300", "0", "1E+300"}},
        // So far out the fixed step vanishes against z: x' is rounding noise
        // of some 1E+186, and times h / 3 the sum overflows.
        {"huge upper bound", {"z", "1", "0", "1E+200"}},
        {"y is text", {"z", "\"abc\"", "0", "1"}},
    };
    for (const SilentCase& c : cases) {
        SCOPED_TRACE(c.name);
        IntegralBoxes boxes = c.boxes;
        const IntegralSetup s = prepare(boxes);
        ASSERT_EQ(s.status, IntegralStatus::Ready);
        const IntegralOutcome out = evaluateIntegral(ev, s, eval_error);
        EXPECT_EQ(out.status, IntegralStatus::Failed);
        EXPECT_FALSE(out.message.has_value());
        EXPECT_FALSE(out.label.has_value()) << "the label keeps what it had";
    }
}

// ---------------------------------------------------------------------------
// Shading.

TEST_F(DefiniteIntegralTest, ShadesFromTheCurveToTheAxis) {
    RecordingCanvas canvas;  // 10015 x 8335 twips
    const ViewRange range;   // -5..5, -4.16..4.16
    IntegralBoxes boxes{"z", "-1", "0", "2"};
    const IntegralSetup s = prepare(boxes);
    const IntegralOutcome out = evaluateIntegral(ev, s, eval_error);
    const int drawn = shadeIntegral(canvas, range, ev, integralShading(s, out.h), kShadeColor);

    ASSERT_EQ(static_cast<size_t>(drawn), canvas.lines.size());
    EXPECT_GE(drawn, 1000);
    EXPECT_LE(drawn, 1001);
    const double axis = mapY(range, canvas, 0);
    const double below = mapY(range, canvas, -1);
    for (size_t i = 0; i < canvas.lines.size(); ++i) {
        const RecordedLine& l = canvas.lines[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(l.color, kShadeColor);
        EXPECT_EQ(l.x1, l.x2);
        EXPECT_DOUBLE_EQ(l.y1, below);
        EXPECT_DOUBLE_EQ(l.y2, axis);
        // 0.002 of a range 10 wide over 10000 usable twips: 2 twips apart.
        if (i > 0) {
            EXPECT_NEAR(l.x1 - canvas.lines[i - 1].x1, 2.0, 1e-6);
        }
    }
    EXPECT_DOUBLE_EQ(canvas.lines.front().x1, 5000);
    EXPECT_GE(canvas.lines.back().x1, 6998 - 1e-6);
    EXPECT_LE(canvas.lines.back().x1, 7000 + 1e-6);
}

TEST_F(DefiniteIntegralTest, AFailedSampleShadesFromZero) {
    RecordingCanvas canvas;
    IntegralBoxes boxes{"z", "sqr(z)", "-1", "1"};
    const IntegralSetup s = prepare(boxes);
    shadeIntegral(canvas, ViewRange{}, ev, integralShading(s, 2.0 / 1000), kShadeColor);
    ASSERT_GE(canvas.lines.size(), 1000u);
    const double axis = mapY(ViewRange{}, canvas, 0);
    EXPECT_DOUBLE_EQ(canvas.lines.front().y1, axis) << "left of 0 the curve counts as 0";
    EXPECT_DOUBLE_EQ(canvas.lines.front().x1, mapX(ViewRange{}, canvas, -1));
    EXPECT_LT(canvas.lines.back().y1, axis) << "right of 0 the line rises to the curve";
}

TEST_F(DefiniteIntegralTest, ADegenerateViewDrawsNothing) {
    RecordingCanvas canvas;
    ViewRange flat;
    flat.x_min = flat.x_max = 1;
    IntegralBoxes boxes{"z", "z", "0", "1"};
    const IntegralSetup s = prepare(boxes);
    EXPECT_EQ(shadeIntegral(canvas, flat, ev, integralShading(s, 0.001), kShadeColor), 0);
    EXPECT_TRUE(canvas.lines.empty());
}

TEST_F(DefiniteIntegralTest, ATextSampleStopsTheShading) {
    RecordingCanvas canvas;
    IntegralBoxes boxes{"z", "\"abc\"", "0", "1"};
    const IntegralSetup s = prepare(boxes);
    EXPECT_EQ(shadeIntegral(canvas, ViewRange{}, ev, integralShading(s, 0.001), kShadeColor), 0);
}

}  // namespace
}  // namespace qv
