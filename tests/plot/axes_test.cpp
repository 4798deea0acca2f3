#include "plot/axes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "draw/viewport.h"
#include "expression/number_text.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

// A canvas whose usable extent is 10000 by 8320 twips: with the default range
// -5..5 by -4.16..4.16 one x unit is 1000 twips and one y unit 1000 twips.
constexpr double kW = 10015, kH = 8335;
constexpr uint32_t kAxis = 0x0000FF, kGrid = 0x00FF00, kBack = 0xFFFFFF;

AxesInput baseInput() {
    AxesInput in;
    in.range = {-5, 5, -4.16, 4.16};
    in.axis_color = kAxis;
    in.grid_color = kGrid;
    in.background_color = kBack;
    return in;
}

struct Drawn {
    RecordingCanvas canvas{kW, kH};
    AxesResult result;
};

Drawn draw(const AxesInput& in) {
    Drawn d;
    d.result = drawAxes(d.canvas, in);
    return d;
}

// Tick marks are the short axis-coloured lines across an axis.
std::vector<double> xTickMarks(const Drawn& d) {
    std::vector<double> at;
    for (const auto& l : d.canvas.lines)
        if (l.color == kAxis && l.x1 == l.x2 && l.y1 == d.result.axis_y_pos - 100) at.push_back(l.x1);
    return at;
}

std::vector<double> yTickMarks(const Drawn& d) {
    std::vector<double> at;
    for (const auto& l : d.canvas.lines)
        if (l.color == kAxis && l.y1 == l.y2 && l.x1 == d.result.axis_x_pos - 100) at.push_back(l.y1);
    return at;
}

// The numbers of the x axis share their vertical position; those of the y
// axis do not, so the y ones are the rest.
std::vector<RecordedText> xNumbers(const Drawn& d, double y) {
    std::vector<RecordedText> out;
    for (const auto& t : d.canvas.texts)
        if (t.y == y) out.push_back(t);
    return out;
}

std::vector<std::string> textsOf(const std::vector<RecordedText>& texts) {
    std::vector<std::string> out;
    for (const auto& t : texts) out.push_back(t.text);
    return out;
}

void expectPositions(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-9) << "tick " << i;
}

TEST(Viewport, MapsTheRangeOntoTheUsableExtent) {
    RecordingCanvas c(kW, kH);
    const ViewRange r{-5, 5, -4.16, 4.16};
    EXPECT_DOUBLE_EQ(mapX(r, c, -5), 0);
    EXPECT_DOUBLE_EQ(mapX(r, c, 5), 10000);
    EXPECT_DOUBLE_EQ(mapY(r, c, -4.16), 8320);
    EXPECT_DOUBLE_EQ(mapY(r, c, 4.16), 0);
    const AxisPositions axes = axisPositions(r, c);
    EXPECT_DOUBLE_EQ(axes.axis_x_pos, 5000);
    EXPECT_NEAR(axes.axis_y_pos, 4160, 1e-9);
    // The size is read at every use.
    c.resize(2015, kH);
    EXPECT_DOUBLE_EQ(mapX(r, c, 5), 2000);
}

struct BoundCase {
    const char* name;
    double pos;
    bool horizontal;
    double value;
    int decimals;
    double expected;
};

TEST(Viewport, BoundKeepsTickNumbersInside) {
    RecordingCanvas c(kW, kH);
    const std::vector<BoundCase> cases = {
        {"before the left edge", -400, true, 3, 0, 15},
        {"before the top edge", 14.9, false, 3, 0, 15},
        {"inside stays", 500, true, 3, 0, 500},
        // " 12.35" is 6 characters and ends at the usable width: 10000 - 90 * 6.
        {"right edge leaves room for the digits", 9999, true, 12.345678, 2, 9460},
        {"a minus sign takes the blank's place", 9999, true, -12.345678, 2, 9460},
        {"value rounded before counting", 9999, true, 0.99996, 4, 10000 - 90 * 2},
        {"bottom edge leaves a text line", 8200, false, 123456, 0, 8125},
        {"bottom edge ignores the value", 9000, false, 0, 0, 8125},
    };
    for (const auto& tc : cases)
        EXPECT_DOUBLE_EQ(bound(c, tc.pos, tc.horizontal, tc.value, tc.decimals), tc.expected) << tc.name;
}

TEST(Axes, DefaultRangeTicksEveryUnitAndNumbersAllButZero) {
    const Drawn d = draw(baseInput());
    ASSERT_TRUE(d.result.drawn);
    EXPECT_EQ(d.canvas.clears, 1);
    EXPECT_EQ(d.canvas.last_clear_color, kBack);
    // Upward from the origin, then downward; each loop draws one tick past
    // the edge before it notices it has left the area.
    expectPositions(xTickMarks(d), {5000, 6000, 7000, 8000, 9000, 10000, 11000,  //
                                    5000, 4000, 3000, 2000, 1000, 0, -1000});
    expectPositions(yTickMarks(d), {4160, 3160, 2160, 1160, 160, -840,  //
                                    4160, 5160, 6160, 7160, 8160, 9160});
    // Marks reach 100 twips before the axis and 115 past it.
    for (const auto& l : d.canvas.lines) {
        if (l.color != kAxis || l.x1 != 6000 || l.x2 != 6000) continue;
        EXPECT_NEAR(l.y1, 4060, 1e-9);
        EXPECT_NEAR(l.y2, 4275, 1e-9);
    }
    for (const auto& l : d.canvas.lines) {
        if (l.color != kAxis || l.y1 != l.y2 || std::fabs(l.y1 - 3160) > 1e-9) continue;
        EXPECT_DOUBLE_EQ(l.x1, 4900);
        EXPECT_DOUBLE_EQ(l.x2, 5115);
    }
    // The ticks past the edges (6 and -6) get no number; the numbers at the
    // edges are moved inside, whole, and 45 twips clear of the border.
    const auto xs = xNumbers(d, 4160 + 175);
    EXPECT_EQ(textsOf(xs), (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5",  //
                                                     "-1", "-2", "-3", "-4", "-5"}));
    EXPECT_DOUBLE_EQ(xs[0].x, 6000 - 90);
    EXPECT_DOUBLE_EQ(xs[4].x, 10000 - 180 - 45);
    EXPECT_DOUBLE_EQ(xs[5].x, 4000 - 90);
    EXPECT_DOUBLE_EQ(xs[9].x, 45);
    // y numbers: 210 twips plus one character left of the axis; the minus
    // sign of the negative ones is not counted.
    std::vector<RecordedText> ys;
    for (const auto& t : d.canvas.texts)
        if (t.y != 4160 + 175) ys.push_back(t);
    ASSERT_EQ(ys.size(), 8u);
    EXPECT_EQ(ys[0].text, " 1");
    EXPECT_NEAR(ys[0].y, 3160 - 90, 1e-9);
    EXPECT_DOUBLE_EQ(ys[0].x, 5000 - 210 - 90);
    EXPECT_EQ(ys[4].text, "-1");
    EXPECT_DOUBLE_EQ(ys[4].x, 5000 - 210 - 90);
    EXPECT_EQ(d.result.x_tick_box, "1");
    EXPECT_EQ(d.result.y_tick_box, "1");
    EXPECT_TRUE(d.result.tick_limit_messages.empty());
}

TEST(Axes, GridAndMarksComeBeforeTheAxes) {
    const Drawn d = draw(baseInput());
    const auto& lines = d.canvas.lines;
    ASSERT_GE(lines.size(), 4u);
    // Each tick: grid line across the area, then the mark, then its number.
    EXPECT_EQ(lines[0].color, kGrid);
    EXPECT_DOUBLE_EQ(lines[0].y1, 0);
    EXPECT_DOUBLE_EQ(lines[0].y2, kH);
    EXPECT_EQ(lines[1].color, kAxis);
    // The axes close the drawing: vertical first, then horizontal.
    const auto& v = lines[lines.size() - 2];
    const auto& h = lines.back();
    EXPECT_EQ(v.color, kAxis);
    EXPECT_DOUBLE_EQ(v.x1, 5000);
    EXPECT_DOUBLE_EQ(v.y1, kH - 15);
    EXPECT_DOUBLE_EQ(v.y2, 0);
    EXPECT_EQ(h.color, kAxis);
    EXPECT_DOUBLE_EQ(h.x1, 0);
    EXPECT_DOUBLE_EQ(h.x2, kW - 15);
    EXPECT_EQ(d.canvas.order.back().kind, RecordedItem::Line);
    EXPECT_EQ(d.canvas.order[d.canvas.order.size() - 2].kind, RecordedItem::Line);
}

TEST(Axes, SwitchesLeaveOutGridAndNumbers) {
    AxesInput in = baseInput();
    in.show_grid = false;
    in.show_tick_numbers = false;
    const Drawn d = draw(in);
    EXPECT_TRUE(d.canvas.texts.empty());
    for (const auto& l : d.canvas.lines) EXPECT_EQ(l.color, kAxis);
    EXPECT_EQ(xTickMarks(d).size(), 14u);
}

TEST(Axes, NumbersStayInsideWhenTheAxesLieOutside) {
    struct Case {
        const char* name;
        ViewRange range;
        double x_number_y;  // where the x numbers sit
        bool y_numbers_at_left;
    };
    const std::vector<Case> cases = {
        // 0 below and left of the range: numbers at the bottom and left edge,
        // 45 twips clear of them.
        {"positive range", {10, 20, 10, 20}, kH - 15 - 195 - 45, true},
        // 0 above and right of it: numbers at the top and right edge.
        {"negative range", {-20, -10, -20, -10}, 45, false},
    };
    for (const auto& tc : cases) {
        AxesInput in = baseInput();
        in.range = tc.range;
        const Drawn d = draw(in);
        ASSERT_FALSE(d.canvas.texts.empty()) << tc.name;
        for (const auto& t : d.canvas.texts) {
            const bool x_number = t.y == tc.x_number_y;
            if (x_number) continue;
            if (tc.y_numbers_at_left) {
                EXPECT_DOUBLE_EQ(t.x, 45) << tc.name << " " << t.text;
            } else {
                // "-12" ends 45 twips before the usable width.
                const double chars = static_cast<double>(t.text.size());
                EXPECT_DOUBLE_EQ(t.x, kW - 15 - 45 - 90 * chars) << tc.name << " " << t.text;
            }
        }
        EXPECT_FALSE(xNumbers(d, tc.x_number_y).empty()) << tc.name;
    }
}

TEST(Axes, TicksPastTheEdgeGetNoNumber) {
    // Each loop draws one tick past the edge; kept inside, its number would
    // stand beside the wrong tick.
    struct Case {
        const char* name;
        ViewRange range;
        const char* last_inside;
        const char* past_edge;
    };
    const std::vector<Case> cases = {
        {"right", {-5, 5.5, -4.16, 4.16}, " 5", " 6"},
        {"left", {-5.5, 5, -4.16, 4.16}, "-5", "-6"},
        {"top", {-3.5, 3.5, -4.16, 4.6}, " 4", " 5"},
        {"bottom", {-3.5, 3.5, -4.6, 4.16}, "-4", "-5"},
    };
    for (const auto& tc : cases) {
        AxesInput in = baseInput();
        in.range = tc.range;
        const Drawn d = draw(in);
        const auto texts = textsOf(d.canvas.texts);
        EXPECT_NE(std::find(texts.begin(), texts.end(), tc.last_inside), texts.end()) << tc.name;
        EXPECT_EQ(std::find(texts.begin(), texts.end(), tc.past_edge), texts.end()) << tc.name;
    }
}

TEST(Axes, TooManyTicksRestartsWithTenTimesTheScale) {
    struct Case {
        const char* name;
        double x_scale, y_scale;
        TickAxis axis;
        const char* text;
        double final_x, final_y;
    };
    const std::vector<Case> cases = {
        {"x", 0.001, 1, TickAxis::X,
         "The x tick scale is not large enough!  Quorvanta will restart the plot using your current x tick scale "
         "multiplied by 10.",
         0.01, 1},
        {"y", 1, 0.001, TickAxis::Y,
         "The y tick scale is not large enough!  Quorvanta will restart the plot using your current y tick scale "
         "multiplied by 10.",
         1, 0.01},
    };
    for (const auto& tc : cases) {
        AxesInput in = baseInput();
        in.x_tick_scale = tc.x_scale;
        in.y_tick_scale = tc.y_scale;
        RecordingCanvas c(kW, kH);
        std::vector<int> clears_at_message;
        const AxesResult r = drawAxes(c, in, [&](const TickLimitMessage&) { clears_at_message.push_back(c.clears); });
        ASSERT_EQ(r.tick_limit_messages.size(), 1u) << tc.name;
        EXPECT_EQ(r.tick_limit_messages[0].axis, tc.axis);
        EXPECT_EQ(r.tick_limit_messages[0].title, "Quorvanta  -  Too many tick marks!");
        EXPECT_EQ(r.tick_limit_messages[0].text, tc.text);
        // The pass that would stop is not drawn: the message comes before the
        // picture is cleared, once.
        EXPECT_EQ(clears_at_message, std::vector<int>{0}) << tc.name;
        EXPECT_EQ(c.clears, 1);
        EXPECT_DOUBLE_EQ(r.x_tick_scale, tc.final_x);
        EXPECT_DOUBLE_EQ(r.y_tick_scale, tc.final_y);
        EXPECT_EQ(tc.axis == TickAxis::X ? r.x_tick_box : r.y_tick_box, "0.01");
    }
}

TEST(Axes, TheLimitIsMoreThanAThousandVisibleTicks) {
    // A binary tick scale keeps every tick position exact. Each loop draws
    // one tick past the edge, counted too: 1000 ticks up to the edge pass,
    // 1001 do not, wherever the view lies. The pass that would stop is
    // never drawn: the area is cleared once.
    struct Case {
        double ticks_to_edge;
        double from;  // the view's edge nearest the origin
        bool negative;
        size_t messages;
    };
    const double scale = 1.0 / 1024;
    const std::vector<Case> cases = {
        {999, 0, false, 0},    {1000, 0, false, 1},   {999, 1024, false, 0},
        {1000, 1024, false, 1}, {999, 1024, true, 0}, {1000, 1024, true, 1},
    };
    for (const Case& tc : cases) {
        AxesInput in = baseInput();
        const double far = tc.from + tc.ticks_to_edge * scale;
        in.range.x_min = tc.from == 0 ? -far : tc.from;
        in.range.x_max = far;
        if (tc.negative) in.range = {-in.range.x_max, -in.range.x_min, in.range.y_min, in.range.y_max};
        in.x_tick_scale = scale;
        const Drawn d = draw(in);
        EXPECT_EQ(d.result.tick_limit_messages.size(), tc.messages) << tc.ticks_to_edge << " from " << tc.from;
        EXPECT_EQ(d.canvas.clears, 1) << tc.ticks_to_edge << " from " << tc.from;
    }
}

TEST(Axes, LastTicksBeforeTheLimitAreStillDrawn) {
    // 0.01 on a width of 10: 500 visible ticks each way, under the limit.
    AxesInput in = baseInput();
    in.x_tick_scale = 0.01;
    const Drawn d = draw(in);
    EXPECT_TRUE(d.result.tick_limit_messages.empty());
    const auto marks = xTickMarks(d);
    EXPECT_EQ(marks.size(), 2u * 502u);
    EXPECT_NEAR(marks[1] - marks[0], 10, 1e-6);
}

TEST(Axes, LogXAxisTicksDecadesAndKeepsTheScale) {
    AxesInput in = baseInput();
    in.range.x_min = -1;
    in.range.x_max = 2;
    in.axes.log_x = true;
    in.x_tick_scale = 0.5;
    const Drawn d = draw(in);
    // Every tick keeps its mark: 1 to 200 upwards, 1 to 0.09 downwards.
    EXPECT_EQ(xTickMarks(d).size(), 31u);
    // Numbers that would cover the one before are left out (9, 60, 80 and
    // 100 at the edge, the second 1, 0.9 and 0.8 beside it, ...); 200 and
    // 0.09 lie beyond the edges.
    const auto xs = xNumbers(d, d.result.axis_y_pos + 175);
    EXPECT_EQ(textsOf(xs), (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 10", " 20", " 30",
                                                     " 40", " 50", " 70", " 90", " 0.7", " 0.5", " 0.3", " 0.2",
                                                     " 0.1"}));
    const double unit = 10000.0 / 3;
    // The lone 1 is moved right by 30 twips; the others sit 90 left of their
    // tick, or 45 twips inside the edge.
    EXPECT_NEAR(xs[0].x, unit - 90 + 30, 1e-9);
    EXPECT_NEAR(xs[8].x, 2 * unit - 90, 1e-9);
    EXPECT_DOUBLE_EQ(xs[14].x, 10000 - 270 - 45);
    EXPECT_DOUBLE_EQ(xs[19].x, 45);
    EXPECT_DOUBLE_EQ(d.result.x_tick_scale, 0.5);
    EXPECT_EQ(d.result.x_tick_box, "0.5");
}

TEST(Axes, LogYAxisCountsEveryCharacter) {
    AxesInput in = baseInput();
    in.range.y_min = -1;
    in.range.y_max = 2;
    in.axes.log_y = true;
    const Drawn d = draw(in);
    bool found = false;
    for (const auto& t : d.canvas.texts) {
        if (t.text != " 0.5") continue;
        found = true;
        // "0.5" is three characters, none of them a minus sign. (0.9 is
        // within a text line of 1, and left out.)
        EXPECT_DOUBLE_EQ(t.x, 5000 - 210 - 90 * 3);
        EXPECT_NEAR(t.y, 8320 - 8320 * (std::log10(0.5) + 1) / 3 - 90, 1e-6);
    }
    EXPECT_TRUE(found);
}

TEST(Axes, ReciprocalAxisPrintsOneOverTheTick) {
    AxesInput in = baseInput();
    in.x_tick_scale = 0.25;
    in.axes.invert_x = true;
    const Drawn d = draw(in);
    const auto xs = xNumbers(d, d.result.axis_y_pos + 175);
    auto textAt = [&](double x) {
        for (const auto& t : xs)
            if (std::fabs(t.x - x) < 1e-9) return t.text;
        return std::string("(none)");
    };
    EXPECT_EQ(textAt(5500 - 90), " 2");
    EXPECT_EQ(textAt(4750 - 90), "-4");
    EXPECT_EQ(textAt(5750 - 90), " 1.33");
}

TEST(Axes, PolarModeIgnoresTransformations) {
    AxesInput plain = baseInput();
    plain.axes.polar = true;
    AxesInput transformed = plain;
    transformed.axes.log_x = true;
    transformed.axes.invert_y = true;
    const Drawn a = draw(plain);
    const Drawn b = draw(transformed);
    ASSERT_EQ(a.canvas.lines.size(), b.canvas.lines.size());
    ASSERT_EQ(a.canvas.texts.size(), b.canvas.texts.size());
    for (size_t i = 0; i < a.canvas.texts.size(); ++i) EXPECT_EQ(a.canvas.texts[i].text, b.canvas.texts[i].text);
    expectPositions(xTickMarks(b), xTickMarks(a));
}

TEST(Axes, NumbersAreRoundedToTheirDecimals) {
    struct Case {
        double scale;
        std::vector<std::string> first;  // the first upward x numbers
    };
    // Ticks 100 to 300 twips apart: every second to fourth number is left
    // out, as it would cover the one before.
    const std::vector<Case> cases = {
        // 9 * 0.1 is not 0.9 exactly, but prints so.
        {0.1, {" 0.1", " 0.5", " 0.9", " 1.3"}},
        {0.3, {" 0.3", " 0.9", " 1.5", " 2.1"}},
        // 123 twips between ticks: one decimal.
        {0.123, {" 0.1", " 0.5", " 0.9", " 1.2"}},
    };
    for (const auto& tc : cases) {
        AxesInput in = baseInput();
        in.x_tick_scale = tc.scale;
        const Drawn d = draw(in);
        auto xs = textsOf(xNumbers(d, d.result.axis_y_pos + 175));
        ASSERT_GE(xs.size(), tc.first.size());
        xs.resize(tc.first.size());
        EXPECT_EQ(xs, tc.first) << tc.scale;
    }
}

TEST(Axes, EmptyOrReversedRangeDrawsNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<ViewRange> ranges = {
        {5, -5, -4.16, 4.16}, {1, 1, -4.16, 4.16}, {-5, 5, 4.16, -4.16}, {-5, 5, 2, 2}, {nan, 5, -4.16, 4.16},
    };
    for (const auto& r : ranges) {
        AxesInput in = baseInput();
        in.range = r;
        const Drawn d = draw(in);
        EXPECT_FALSE(d.result.drawn);
        EXPECT_EQ(d.canvas.clears, 0);
        EXPECT_TRUE(d.canvas.order.empty());
    }
}

TEST(Axes, NonPositiveTickScaleDrawsNoTicksOnThatAxis) {
    for (double scale : {0.0, -1.0}) {
        AxesInput in = baseInput();
        in.x_tick_scale = scale;
        const Drawn d = draw(in);
        EXPECT_TRUE(xTickMarks(d).empty()) << scale;
        EXPECT_EQ(yTickMarks(d).size(), 12u) << scale;
        EXPECT_TRUE(d.result.tick_limit_messages.empty());
        EXPECT_EQ(d.canvas.lines.back().color, kAxis);
    }
}

TEST(Axes, RestartsGoStraightToTheScaleTheyWouldReach) {
    // The scale a run of restarts ends on, each ten times the one before in
    // floating point, and how many there are. The counts are those the
    // restarts reach when every one of them is drawn.
    struct Case {
        const char* name;
        ViewRange range;
        double x_scale, y_scale;
        int x_restarts, y_restarts;
    };
    const std::vector<Case> cases = {
        {"x scale 0.001", {-5, 5, -4.16, 4.16}, 0.001, 1, 1, 0},
        {"both axes", {-5, 5, -4.16, 4.16}, 1e-7, 3e-9, 5, 7},
        {"y scale 1E-300", {-5, 5, -4.16, 4.16}, 1, 1e-300, 0, 298},
        // Past about 1E+304 the mapping overflows and a loop ends there.
        {"x max 1E308", {-5, 1e308, -4.16, 4.16}, 1, 1, 302, 0},
        {"1E-300 on a width of 1E+300", {-5e299, 5e299, -4.16, 4.16}, 1e-300, 1, 597, 0},
        // Far from the origin: 2000 ticks of 1E+297 across the view, 200 of 1E+298.
        {"view far from the origin", {1e300, 3e300, -4.16, 4.16}, 1, 1, 298, 0},
    };
    for (const auto& tc : cases) {
        AxesInput in = baseInput();
        in.range = tc.range;
        in.x_tick_scale = tc.x_scale;
        in.y_tick_scale = tc.y_scale;
        RecordingCanvas c(kW, kH);
        std::vector<TickAxis> shown;
        const AxesResult r = drawAxes(c, in, [&](const TickLimitMessage& m) { shown.push_back(m.axis); });
        EXPECT_EQ(r.x_restarts, tc.x_restarts) << tc.name;
        EXPECT_EQ(r.y_restarts, tc.y_restarts) << tc.name;
        double x = tc.x_scale, y = tc.y_scale;
        for (int k = 0; k < tc.x_restarts; ++k) x *= 10;
        for (int k = 0; k < tc.y_restarts; ++k) y *= 10;
        EXPECT_EQ(r.x_tick_box, plainText(x)) << tc.name;
        EXPECT_EQ(r.y_tick_box, plainText(y)) << tc.name;
        EXPECT_EQ(r.x_tick_scale, toNumber(plainText(x))) << tc.name;
        EXPECT_EQ(r.y_tick_scale, toNumber(plainText(y))) << tc.name;
        // One message per axis, x first, and one drawing.
        std::vector<TickAxis> expected;
        if (tc.x_restarts > 0) expected.push_back(TickAxis::X);
        if (tc.y_restarts > 0) expected.push_back(TickAxis::Y);
        EXPECT_EQ(shown, expected) << tc.name;
        EXPECT_EQ(r.tick_limit_messages.size(), expected.size()) << tc.name;
        EXPECT_EQ(c.clears, 1) << tc.name;
        EXPECT_EQ(c.lines.back().color, kAxis) << tc.name;
    }
}

TEST(Axes, ViewsFarFromTheOriginHaveTheirTicks) {
    // Ten units across, a tick every 1000 twips wherever the view lies.
    struct Case {
        const char* name;
        ViewRange range;
        bool x_axis;
        size_t ticks;  // inside the area
        const char* first_number;
    };
    const std::vector<Case> cases = {
        {"x from 1E12", {1e12, 1e12 + 10, -4.16, 4.16}, true, 11, " 1000000000000"},
        {"x up to -1E12", {-1e12 - 10, -1e12, -4.16, 4.16}, true, 11, "-1000000000000"},
        {"x from 12345.5", {12345.5, 12355.5, -4.16, 4.16}, true, 10, " 12346"},
        // The lowest y number would sit on the x numbers kept along the
        // bottom edge; the next one up is drawn.
        {"y from 1E12", {-5, 5, 1e12, 1e12 + 8.32}, false, 9, " 1000000000001"},
    };
    for (const auto& tc : cases) {
        AxesInput in = baseInput();
        in.range = tc.range;
        const Drawn d = draw(in);
        EXPECT_TRUE(d.result.tick_limit_messages.empty()) << tc.name;
        const double extent = tc.x_axis ? kW - 15 : kH - 15;
        const double first = tc.x_axis ? mapX(in.range, d.canvas, std::ceil(in.range.x_min))
                                       : mapY(in.range, d.canvas, std::ceil(in.range.y_min));
        std::vector<double> inside;
        for (double p : tc.x_axis ? xTickMarks(d) : yTickMarks(d))
            if (p >= 0 && p <= extent) inside.push_back(p);
        std::sort(inside.begin(), inside.end());
        if (!tc.x_axis) std::reverse(inside.begin(), inside.end());
        ASSERT_EQ(inside.size(), tc.ticks) << tc.name;
        for (size_t k = 0; k < inside.size(); ++k)
            EXPECT_NEAR(inside[k], first + (tc.x_axis ? 1000.0 : -1000.0) * static_cast<double>(k), 0.1) << tc.name;
        bool found = false;
        for (const auto& t : d.canvas.texts) found = found || t.text == tc.first_number;
        EXPECT_TRUE(found) << tc.name;
    }
}

// Splits the numbers by axis: all of the x axis is drawn before the first
// tick mark of the y axis.
struct AxisTexts {
    std::vector<RecordedText> x, y;
};

AxisTexts numbersByAxis(const Drawn& d) {
    AxisTexts out;
    bool y_axis = false;
    for (const RecordedItem& item : d.canvas.order) {
        if (item.kind == RecordedItem::Text) {
            (y_axis ? out.y : out.x).push_back(d.canvas.texts[item.index]);
            continue;
        }
        const RecordedLine& l = d.canvas.lines[item.index];
        if (l.color == kAxis && l.y1 == l.y2 && l.x1 == d.result.axis_x_pos - 100) y_axis = true;
    }
    return out;
}

// What is wrong with the numbers of one axis: one covering another along
// the axis, or one reaching out of the usable extent or to within two
// pixels of its border, where the glyphs' edges would be cut off.
std::string numberFaults(const std::vector<RecordedText>& texts, bool along_x, const RecordingCanvas& c) {
    constexpr double kClear = 30;
    const double line = c.textHeight();
    std::string faults;
    for (size_t i = 0; i < texts.size(); ++i) {
        const RecordedText& a = texts[i];
        const double width = c.textWidth(a.text);
        if (a.x < kClear || a.x + width > c.width() - 15 - kClear || a.y < kClear ||
            a.y + line > c.height() - 15 - kClear)
            faults += " at the border:" + a.text;
        for (size_t j = 0; j < i; ++j) {
            const RecordedText& b = texts[j];
            const double a0 = along_x ? a.x : a.y, b0 = along_x ? b.x : b.y;
            const double a1 = a0 + (along_x ? width : line), b1 = b0 + (along_x ? c.textWidth(b.text) : line);
            if (a0 < b1 && b0 < a1) faults += " overlap:" + b.text + "/" + a.text;
        }
    }
    return faults;
}

// Numbers of the two axes meet near the origin; none may cover another.
std::string crossAxisFaults(const AxisTexts& n, const RecordingCanvas& c) {
    std::string faults;
    for (const RecordedText& a : n.x) {
        for (const RecordedText& b : n.y) {
            if (a.x < b.x + c.textWidth(b.text) && b.x < a.x + c.textWidth(a.text) && a.y < b.y + c.textHeight() &&
                b.y < a.y + c.textHeight())
                faults += " cross:" + a.text + "/" + b.text;
        }
    }
    return faults;
}

TEST(Axes, TickNumbersNeverOverlapAndStayInside) {
    enum class Kind { Linear, Log, Reciprocal };
    const std::vector<ViewRange> views = {
        {-5, 5, -4.16, 4.16}, {-1, 2, -3, 3}, {0.3, 0.9, 0.2, 0.7}, {-123.4, -120, -0.05, 0.02}, {1e12, 1e12 + 10, 5, 9},
    };
    const std::vector<double> scales = {1, 0.25, 0.1, 0.003};
    const std::vector<std::pair<double, double>> pixels = {{300, 200}, {900, 600}, {1920, 1080}};
    for (Kind kind : {Kind::Linear, Kind::Log, Kind::Reciprocal})
        for (const ViewRange& view : views)
            for (double scale : scales)
                for (const auto& [w, h] : pixels)
                    for (double char_width : {90.0, 130.0}) {
                        AxesInput in = baseInput();
                        in.range = view;
                        in.x_tick_scale = in.y_tick_scale = scale;
                        in.axes.log_x = in.axes.log_y = kind == Kind::Log;
                        in.axes.invert_x = in.axes.invert_y = kind == Kind::Reciprocal;
                        Drawn d;
                        d.canvas.resize(w * 15, h * 15);
                        d.canvas.char_width = char_width;
                        d.result = drawAxes(d.canvas, in);
                        const AxisTexts numbers = numbersByAxis(d);
                        const std::string faults = numberFaults(numbers.x, true, d.canvas) +
                                                   numberFaults(numbers.y, false, d.canvas) +
                                                   crossAxisFaults(numbers, d.canvas);
                        EXPECT_EQ(faults, "") << "kind " << static_cast<int>(kind) << " view " << view.x_min << ".."
                                              << view.x_max << " scale " << scale << " " << w << "x" << h << " char "
                                              << char_width;
                    }
}

TEST(Axes, ExtremeScalesAndRangesEnd) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        ViewRange range;
        double x_scale, y_scale;
    };
    const std::vector<Case> cases = {
        {"width that overflows", {-1e308, 1e308, -4.16, 4.16}, 1, 1},
        {"1E+300 each way, finest scales", {-1e300, 1e300, -1e300, 1e300}, 5e-324, 5e-324},
        {"width of 1E-300", {0, 1e-300, 1, 1 + 1e-15}, 1e-310, 1e-300},
        {"width of 1E-300 far out", {1e300, 1e300 * (1 + 1e-15), -1e-300, 1e-300}, 1e-310, 1e-300},
        {"huge scales", {-5, 5, -4.16, 4.16}, 1e308, std::numeric_limits<double>::infinity()},
        {"NaN scales", {-5, 5, -4.16, 4.16}, nan, nan},
    };
    for (const auto& tc : cases) {
        AxesInput in = baseInput();
        in.range = tc.range;
        in.x_tick_scale = tc.x_scale;
        in.y_tick_scale = tc.y_scale;
        const Drawn d = draw(in);
        EXPECT_TRUE(d.result.drawn) << tc.name;
        EXPECT_LE(d.result.tick_limit_messages.size(), 2u) << tc.name;
        EXPECT_LE(d.canvas.lines.size(), 4u * 1003 * 2 + 2) << tc.name;
        ASSERT_FALSE(d.canvas.lines.empty()) << tc.name;
        EXPECT_EQ(d.canvas.lines.back().color, kAxis) << tc.name;
    }
}

}  // namespace
}  // namespace qv
