#include "plot/axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "draw/viewport.h"
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
        // "12.35" is 5 characters: 10015 - 90 * 6.
        {"right edge leaves room for the digits", 9999, true, 12.345678, 2, 9475},
        {"sign does not count", 9999, true, -12.345678, 2, 9475},
        {"value rounded before counting", 9999, true, 0.99996, 4, 10015 - 90 * 2},
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
    const auto xs = xNumbers(d, 4160 + 175);
    EXPECT_EQ(textsOf(xs), (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", " 6",  //
                                                     "-1", "-2", "-3", "-4", "-5", "-6"}));
    EXPECT_DOUBLE_EQ(xs[0].x, 6000 - 90);
    EXPECT_DOUBLE_EQ(xs[6].x, 4000 - 90);
    // y numbers: 210 twips plus one character left of the axis; the minus
    // sign of the negative ones is not counted.
    std::vector<RecordedText> ys;
    for (const auto& t : d.canvas.texts)
        if (t.y != 4160 + 175) ys.push_back(t);
    ASSERT_EQ(ys.size(), 10u);
    EXPECT_EQ(ys[0].text, " 1");
    EXPECT_NEAR(ys[0].y, 3160 - 90, 1e-9);
    EXPECT_DOUBLE_EQ(ys[0].x, 5000 - 210 - 90);
    EXPECT_EQ(ys[5].text, "-1");
    EXPECT_DOUBLE_EQ(ys[5].x, 5000 - 210 - 90);
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
        // 0 below and left of the range: numbers at the bottom and left edge.
        {"positive range", {10, 20, 10, 20}, kH - 210, true},
        // 0 above and right of it: numbers at the top and right edge.
        {"negative range", {-20, -10, -20, -10}, 15, false},
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
                EXPECT_DOUBLE_EQ(t.x, 15) << tc.name << " " << t.text;
            } else {
                // "-12" rounded absolute value "12": room for three characters.
                const double chars = static_cast<double>(t.text.size()) - 1;
                EXPECT_DOUBLE_EQ(t.x, kW - 90 * (chars + 1)) << tc.name << " " << t.text;
            }
        }
        EXPECT_FALSE(xNumbers(d, tc.x_number_y).empty()) << tc.name;
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
        // The message comes before the picture is cleared again.
        EXPECT_EQ(clears_at_message, std::vector<int>{1}) << tc.name;
        EXPECT_EQ(c.clears, 2);
        EXPECT_DOUBLE_EQ(r.x_tick_scale, tc.final_x);
        EXPECT_DOUBLE_EQ(r.y_tick_scale, tc.final_y);
        EXPECT_EQ(tc.axis == TickAxis::X ? r.x_tick_box : r.y_tick_box, "0.01");
    }
}

TEST(Axes, TheLimitIsMoreThanAThousandVisibleTicks) {
    // A binary tick scale keeps every tick position exact. Each loop draws
    // one tick past the edge, counted too: 1000 ticks up to the edge pass,
    // 1001 do not.
    struct Case {
        double ticks_to_edge;
        size_t messages;
    };
    const double scale = 1.0 / 1024;
    for (const Case& tc : {Case{999, 0}, Case{1000, 1}}) {
        AxesInput in = baseInput();
        in.range.x_max = tc.ticks_to_edge * scale;
        in.range.x_min = -in.range.x_max;
        in.x_tick_scale = scale;
        const Drawn d = draw(in);
        EXPECT_EQ(d.result.tick_limit_messages.size(), tc.messages) << tc.ticks_to_edge;
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
    in.log_x = true;
    in.x_tick_scale = 0.5;
    const Drawn d = draw(in);
    const auto xs = xNumbers(d, d.result.axis_y_pos + 175);
    EXPECT_EQ(textsOf(xs), (std::vector<std::string>{
                               " 1",   " 2",   " 3",   " 4",   " 5",   " 6",   " 7",   " 8",   " 9",   " 10",
                               " 20",  " 30",  " 40",  " 50",  " 60",  " 70",  " 80",  " 90",  " 100", " 200",
                               " 1",   " 0.9", " 0.8", " 0.7", " 0.6", " 0.5", " 0.4", " 0.3", " 0.2", " 0.1",
                               " 0.09"}));
    const double unit = 10000.0 / 3;
    // The lone 1 is moved right by 30 twips; the others sit 90 left of their tick.
    EXPECT_NEAR(xs[0].x, unit - 90 + 30, 1e-9);
    EXPECT_NEAR(xs[9].x, 2 * unit - 90, 1e-9);
    EXPECT_NEAR(xs[18].x, 3 * unit - 90, 1e-9);
    EXPECT_NEAR(xs[29].x, -90, 1e-9);
    EXPECT_DOUBLE_EQ(d.result.x_tick_scale, 0.5);
    EXPECT_EQ(d.result.x_tick_box, "0.5");
}

TEST(Axes, LogYAxisCountsEveryCharacter) {
    AxesInput in = baseInput();
    in.range.y_min = -1;
    in.range.y_max = 2;
    in.log_y = true;
    const Drawn d = draw(in);
    bool found = false;
    for (const auto& t : d.canvas.texts) {
        if (t.text != " 0.9") continue;
        found = true;
        // "0.9" is three characters, none of them a minus sign.
        EXPECT_DOUBLE_EQ(t.x, 5000 - 210 - 90 * 3);
        EXPECT_NEAR(t.y, 8320 - 8320 * (std::log10(0.9) + 1) / 3 - 90, 1e-6);
    }
    EXPECT_TRUE(found);
}

TEST(Axes, ReciprocalAxisPrintsOneOverTheTick) {
    AxesInput in = baseInput();
    in.x_tick_scale = 0.25;
    in.invert_x = true;
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
    plain.polar = true;
    AxesInput transformed = plain;
    transformed.log_x = true;
    transformed.invert_y = true;
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
    const std::vector<Case> cases = {
        // 0.1 + 0.1 + 0.1 is not 0.3 exactly, but prints so.
        {0.1, {" 0.1", " 0.2", " 0.3", " 0.4"}},
        {0.3, {" 0.3", " 0.6", " 0.9", " 1.2"}},
        // 123 twips between ticks: one decimal.
        {0.123, {" 0.1", " 0.2", " 0.4", " 0.5"}},
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

TEST(Axes, ExtremeScalesAndRangesEnd) {
    // A scale of 1e-300 on a width of 1e300: restarts, ten times coarser
    // each time, until 5e299 / scale is under the limit.
    AxesInput fine = baseInput();
    fine.range.x_min = -5e299;
    fine.range.x_max = 5e299;
    fine.x_tick_scale = 1e-300;
    const Drawn a = draw(fine);
    EXPECT_DOUBLE_EQ(a.result.x_tick_scale, 1e297);
    EXPECT_EQ(a.result.tick_limit_messages.size(), 597u);
    EXPECT_EQ(a.canvas.lines.back().color, kAxis);

    // A range far from 0 that no tick walk from the origin reaches in time.
    AxesInput far = baseInput();
    far.range.x_min = 1e300;
    far.range.x_max = 2e300;
    const Drawn b = draw(far);
    EXPECT_TRUE(b.result.drawn);
    EXPECT_TRUE(b.result.tick_limit_messages.empty());
    for (double x : xTickMarks(b)) EXPECT_LT(x, 0);

    // A width that overflows: every tick maps to the same place.
    AxesInput huge = baseInput();
    huge.range.x_min = -1e308;
    huge.range.x_max = 1e308;
    const Drawn c = draw(huge);
    EXPECT_TRUE(c.result.drawn);
    EXPECT_EQ(c.canvas.lines.back().color, kAxis);
}

}  // namespace
}  // namespace qv
