// The data drawings on a recording canvas: crosses, the connecting line,
// moving averages and smoothing with their oversize messages, the axis
// transformations and skipped elements, items that do not convert, the
// running means against plain sums, and the autoscale's box texts.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"
#include "plot/data_points.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

using namespace qv::testing_support;

// A segment (or, with u1 == u2 and v1 == v2, a cross's centre) in axis
// coordinates.
struct Seg {
    double u1, v1, u2, v2;
};

std::vector<std::string> texts(const std::vector<double>& values) {
    std::vector<std::string> out;
    for (double v : values) out.push_back(strText(v));
    return out;
}

DataSeries seriesOf(const std::vector<double>& x, const std::vector<double>& y) {
    return readDataSeries(texts(x), texts(y));
}

// Point i at (i, i^2) for i = 0 .. n - 1.
DataSeries squares(int n) {
    std::vector<double> x, y;
    for (int i = 0; i < n; ++i) {
        x.push_back(i);
        y.push_back(i * i);
    }
    return seriesOf(x, y);
}

class DataPointsTest : public ::testing::Test {
protected:
    DataPointsTest() { drawing.range = {0, 10, 0, 30}; }  // px = 900 u, py = 6000 - 200 v

    DataDrawStats draw(const DataSeries& s) {
        return drawDataPoints(canvas, s, drawing, skip, [this](const DataMessage& m) {
            EXPECT_EQ(m.title, "Quorvanta  -  Oversized parameter!");
            messages.push_back(m.text);
        });
    }

    std::vector<RecordedLine> linesOf(ColorSlot slot) const {
        std::vector<RecordedLine> out;
        for (const RecordedLine& l : canvas.lines) {
            if (l.color == drawing.colors[slot]) out.push_back(l);
        }
        return out;
    }

    // The segments of a colour must run through the expected axis points.
    void expectSegments(ColorSlot slot, const std::vector<Seg>& expected, const char* what) const {
        const std::vector<RecordedLine> lines = linesOf(slot);
        ASSERT_EQ(lines.size(), expected.size()) << what;
        for (size_t i = 0; i < lines.size(); ++i) {
            const Seg& e = expected[i];
            EXPECT_NEAR(lines[i].x1, 900 * e.u1, 1e-6) << what << " segment " << i;
            EXPECT_NEAR(lines[i].y1, 6000 - 200 * e.v1, 1e-6) << what << " segment " << i;
            EXPECT_NEAR(lines[i].x2, 900 * e.u2, 1e-6) << what << " segment " << i;
            EXPECT_NEAR(lines[i].y2, 6000 - 200 * e.v2, 1e-6) << what << " segment " << i;
        }
    }

    // Cross centres, read from their horizontal strokes (every second line).
    void expectCrosses(const std::vector<Seg>& centres, const char* what) const {
        const std::vector<RecordedLine> lines = linesOf(kPointCross);
        ASSERT_EQ(lines.size(), 2 * centres.size()) << what;
        for (size_t i = 0; i < centres.size(); ++i) {
            EXPECT_NEAR(lines[2 * i].x1 + 90, 900 * centres[i].u1, 1e-6) << what << " cross " << i;
            EXPECT_NEAR(lines[2 * i].y1, 6000 - 200 * centres[i].v1, 1e-6) << what << " cross " << i;
        }
    }

    RecordingCanvas canvas{9015, 6015};
    DataDrawing drawing;
    bool skip = false;
    std::vector<std::string> messages;
};

TEST_F(DataPointsTest, CrossesAreNarrowerBeforeThePointWithAThinLine) {
    struct Case {
        int width;
        double before;
    };
    for (const Case c : {Case{1, 90}, Case{2, 105}, Case{11, 105}}) {
        canvas.clear(0);
        canvas.setLineWidth(c.width);
        drawing.options.points = true;
        EXPECT_EQ(draw(squares(4)).crosses, 4);
        const std::vector<RecordedLine> lines = linesOf(kPointCross);
        ASSERT_EQ(lines.size(), 8u) << c.width;
        EXPECT_EQ(canvas.lines.size(), 8u);  // nothing else is drawn
        for (int i = 0; i < 4; ++i) {
            const double px = 900.0 * i, py = 6000.0 - 200.0 * i * i;
            const RecordedLine& h = lines[2 * static_cast<size_t>(i)];
            const RecordedLine& v = lines[2 * static_cast<size_t>(i) + 1];
            EXPECT_EQ(h.x1, px - c.before);
            EXPECT_EQ(h.x2, px + 105);
            EXPECT_EQ(h.y1, py);
            EXPECT_EQ(h.y2, py);
            EXPECT_EQ(v.y1, py - c.before);
            EXPECT_EQ(v.y2, py + 105);
            EXPECT_EQ(v.x1, px);
            EXPECT_EQ(v.x2, px);
        }
    }
}

TEST_F(DataPointsTest, AveragesRunThroughTheMeansOfTheirWindows) {
    const std::vector<Seg> connect4{{0, 0, 1, 1}, {1, 1, 2, 4}, {2, 4, 3, 9}};
    const std::vector<Seg> connect6{{0, 0, 1, 1}, {1, 1, 2, 4}, {2, 4, 3, 9}, {3, 9, 4, 16}, {4, 16, 5, 25}};
    struct Case {
        const char* name;
        int points;
        bool smooth;  // else the moving average
        int parameter;
        std::vector<Seg> expected;
        const char* message;
    };
    const Case cases[] = {
        {"average of 2", 4, false, 2, {{1, 0.5, 2, 2.5}, {2, 2.5, 3, 6.5}}, nullptr},
        {"average of 3", 4, false, 3, {{2, 5.0 / 3, 3, 14.0 / 3}}, nullptr},
        {"average of 4", 4, false, 4, {}, kMovingAverageTooLarge},
        {"average of 1", 4, false, 1, connect4, nullptr},
        {"average of 0 counts as 1", 4, false, 0, connect4, nullptr},
        {"smooth 1", 6, true, 1, {{1, 5.0 / 3, 2, 14.0 / 3}, {2, 14.0 / 3, 3, 29.0 / 3}, {3, 29.0 / 3, 4, 50.0 / 3}},
         nullptr},
        {"smooth 2", 6, true, 2, {{2, 6, 3, 11}}, nullptr},
        {"smooth 3", 6, true, 3, {}, kNeighboursTooLarge},
        {"smooth 2 of 5", 5, true, 2, {}, kNeighboursTooLarge},
        {"smooth 0", 6, true, 0, connect6, nullptr},
        {"smooth -1 counts as 0", 6, true, -1, connect6, nullptr},
    };
    for (const Case& c : cases) {
        canvas.clear(0);
        messages.clear();
        drawing.options = {};
        drawing.options.movingAverage = !c.smooth;
        drawing.options.smooth = c.smooth;
        drawing.options.size = c.parameter;
        drawing.options.neighbours = c.parameter;
        const DataDrawStats stats = draw(squares(c.points));
        expectSegments(c.smooth ? kDataSmooth : kMovingAverage, c.expected, c.name);
        EXPECT_EQ(canvas.lines.size(), c.expected.size()) << c.name;
        EXPECT_EQ(stats.averageSegments + stats.smoothSegments, static_cast<int>(c.expected.size())) << c.name;
        EXPECT_EQ(messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.name;
    }
}

TEST_F(DataPointsTest, AnOversizedParameterLeavesTheOtherDrawingsAtEveryRedraw) {
    drawing.options = {true, true, true, true, 4, 2};
    for (int redraw = 1; redraw <= 2; ++redraw) {
        canvas.clear(0);
        const DataDrawStats stats = draw(squares(4));
        EXPECT_EQ(stats.crosses, 4);
        EXPECT_EQ(stats.connections, 3);
        EXPECT_EQ(messages.size(), 2u * redraw);
    }
    EXPECT_EQ(messages[0], kMovingAverageTooLarge);
    EXPECT_EQ(messages[1], kNeighboursTooLarge);
    // Crosses, then the connection: the order of the drawings.
    EXPECT_EQ(canvas.lines.front().color, drawing.colors[kPointCross]);
    EXPECT_EQ(canvas.lines.back().color, drawing.colors[kPointConnect]);
}

TEST_F(DataPointsTest, TransformsPlaceOrSkipEachElement) {
    const double pi = std::numbers::pi;
    struct Case {
        const char* name;
        AxisSwitches axes;
        std::vector<double> x, y;
        std::vector<Seg> crosses, connect, average;  // average: moving average of 2
    };
    const Case cases[] = {
        {"log x skips x <= 0", {.log_x = true}, {-1, 1, 10, 100}, {1, 2, 3, 4},
         {{0, 2, 0, 2}, {1, 3, 1, 3}, {2, 4, 2, 4}}, {{0, 2, 1, 3}, {1, 3, 2, 4}},
         {{0, 1.5, 1, 2.5}, {1, 2.5, 2, 3.5}}},
        {"log y skips y <= 0 and takes the log of the mean", {.log_y = true}, {1, 2, 3, 4}, {10, 0, 100, 1000},
         {{1, 1, 1, 1}, {3, 2, 3, 2}, {4, 3, 4, 3}}, {{3, 2, 4, 3}},
         {{2, std::log10(5.0), 3, std::log10(50.0)}, {3, std::log10(50.0), 4, std::log10(550.0)}}},
        {"a mean <= 0 on a log y axis is skipped", {.log_y = true}, {1, 2, 3}, {-1, 1, 5},
         {{2, 0, 2, 0}, {3, std::log10(5.0), 3, std::log10(5.0)}}, {{2, 0, 3, std::log10(5.0)}}, {}},
        {"1/x skips 0", {.invert_x = true}, {0, 0.5, 0.25}, {1, 2, 3}, {{2, 2, 2, 2}, {4, 3, 4, 3}},
         {{2, 2, 4, 3}}, {{2, 1.5, 4, 2.5}}},
        {"1/y takes the reciprocal of the mean", {.invert_y = true}, {1, 2, 3}, {0.1, 0.05, 0.2},
         {{1, 10, 1, 10}, {2, 20, 2, 20}, {3, 5, 3, 5}}, {{1, 10, 2, 20}, {2, 20, 3, 5}},
         {{2, 1 / 0.075, 3, 1 / 0.125}}},
        {"polar: the mean is the radius at the point's angle",
         {.log_x = true, .log_y = true, .invert_x = true, .invert_y = true, .polar = true}, {0, pi / 2, 0.5}, {2, 3, 7},
         {{2, 0, 2, 0}, {3 * std::cos(pi / 2), 3, 0, 0}, {7 * std::cos(0.5), 7 * std::sin(0.5), 0, 0}},
         {{2, 0, 3 * std::cos(pi / 2), 3}, {3 * std::cos(pi / 2), 3, 7 * std::cos(0.5), 7 * std::sin(0.5)}},
         {{2.5 * std::cos(pi / 2), 2.5, 5 * std::cos(0.5), 5 * std::sin(0.5)}}},
    };
    for (const Case& c : cases) {
        canvas.clear(0);
        drawing.axes = c.axes;
        drawing.options = {true, true, true, false, 2, 1};
        draw(seriesOf(c.x, c.y));
        expectCrosses(c.crosses, c.name);
        expectSegments(kPointConnect, c.connect, c.name);
        expectSegments(kMovingAverage, c.average, c.name);
        EXPECT_FALSE(skip) << c.name;  // cleared after every element
    }
}

TEST_F(DataPointsTest, ItemsThatDoNotConvertStandForThePreviousOnes) {
    struct Case {
        const char* name;
        std::vector<std::string> xs, ys;
        std::vector<double> x, y;
        size_t unread;
    };
    const Case cases[] = {
        {"numbers with blanks", {" 1", "-2 ", "3E+02"}, {" 0.5", "1E-05", "7"}, {1, -2, 300}, {0.5, 1e-5, 7}, 0},
        {"bad items", {"0", "abc", "2", " 3"}, {"1", "", "1/0", "4"}, {0, 0, 2, 3}, {1, 1, 1, 4}, 3},
        {"bad first items read as 0", {"x", "5"}, {"", "6"}, {0, 5}, {0, 6}, 2},
        {"x column shorter", {"0", "1"}, {"0", "1", "4", "9"}, {0, 1, 1, 1}, {0, 1, 4, 9}, 2},
        {"y column shorter", {"0", "1", "2"}, {"7"}, {0}, {7}, 0},
        {"empty columns", {}, {}, {}, {}, 0},
        {"overflowing items", {"1E+400", "2"}, {"-1E999", "3"}, {0, 2}, {0, 3}, 2},
    };
    for (const Case& c : cases) {
        const DataSeries s = readDataSeries(c.xs, c.ys);
        EXPECT_EQ(s.x, c.x) << c.name;
        EXPECT_EQ(s.y, c.y) << c.name;
        EXPECT_EQ(s.unreadItems, c.unread) << c.name;
        EXPECT_EQ(s.xItems, c.xs.size()) << c.name;
        // Everything drawn from such data stays finite and nothing fails.
        canvas.clear(0);
        drawing.options = {true, true, true, true, 1, 0};
        const DataDrawStats stats = draw(s);
        EXPECT_EQ(stats.crosses, static_cast<int>(c.y.size())) << c.name;
        for (const RecordedLine& l : canvas.lines) {
            EXPECT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) && std::isfinite(l.y2))
                << c.name;
        }
    }
    // A bad item enters the running mean as the value it stands for.
    canvas.clear(0);
    drawing.options = {false, false, true, false, 2, 0};
    draw(readDataSeries({"1", "2", "3"}, {"1", "bad", "3"}));
    expectSegments(kMovingAverage, {{2, 1, 3, 2}}, "bad item in a window");
}

TEST_F(DataPointsTest, TheCacheConvertsOnlyChangedTexts) {
    DataColumns columns;
    columns.assign(kXData, {"1", "2", "3"});
    columns.assign(kYData1, {"3", "x", "5"});
    DataSeriesCache cache;
    struct Step {
        const char* name;
        int column;
        std::vector<std::string> items;
        size_t converted;  // in all, so far
        std::vector<double> x, y;
    };
    const Step steps[] = {
        {"first read", -1, {}, 6, {1, 2, 3}, {3, 3, 5}},
        {"unchanged", -1, {}, 6, {1, 2, 3}, {3, 3, 5}},
        // The item after a changed one follows it when it stands for it.
        {"one item", kYData1, {"4", "x", "5"}, 7, {1, 2, 3}, {4, 4, 5}},
        {"a longer column", kYData1, {"4", "x", "5", "", "6"}, 8, {1, 2, 3, 3, 3}, {4, 4, 5, 5, 6}},
        {"a shorter one", kXData, {"1", "7"}, 9, {1, 7, 7, 7, 7}, {4, 4, 5, 5, 6}},
        {"another column", -2, {}, 9, {}, {}},
    };
    for (const Step& s : steps) {
        if (s.column >= 0) columns.assign(s.column, s.items);
        if (s.column == -2) columns.select(kYData2);  // an empty column
        const DataSeries& series = cache.read(columns);
        EXPECT_EQ(cache.convertedItems(), s.converted) << s.name;
        EXPECT_EQ(series.x, s.x) << s.name;
        EXPECT_EQ(series.y, s.y) << s.name;
    }
}

// The means against a sum in long double over each window (exact for the
// dyadic values used below), for windows short and long. A plain running
// sum in doubles fails the spike: the bits it lost while the spike was in
// the window stay lost after it has left.
TEST(WindowMeans, AgreeWithPlainSumsOverLongRuns) {
    constexpr size_t n = 32767;
    std::mt19937_64 gen(7);
    std::uniform_int_distribution<int> fraction(0, 1 << 10);
    auto dyadic = [&] { return 1 + fraction(gen) / 1024.0; };  // 1 .. 2 in steps of 2^-10
    struct Case {
        const char* name;
        std::vector<double> values;
    };
    std::vector<Case> cases(4);
    cases[0].name = "positive";
    cases[1].name = "a spike of 1E+13";
    cases[2].name = "alternating signs";
    cases[3].name = "near the largest double";
    for (size_t i = 0; i < n; ++i) {
        const double d = dyadic();
        cases[0].values.push_back(d);
        cases[1].values.push_back(i % 5000 == 17 ? 1e13 : d);
        cases[2].values.push_back(i % 2 ? -1e6 * d : 1e6 * d + 1);
        cases[3].values.push_back(1.5e308 * (d / 2));
    }
    for (const Case& c : cases) {
        for (size_t window : {size_t{1}, size_t{2}, size_t{7}, size_t{10000}, size_t{20001}, n}) {
            const std::vector<double> means = windowMeans(c.values, window);
            ASSERT_EQ(means.size(), n - window + 1) << c.name << " " << window;
            // Every mean of the short windows; a spread of the long ones.
            for (size_t j = 0; j < means.size(); j += window < 100 ? 1 : 1 + j % 97) {
                long double sum = 0;
                for (size_t t = j; t < j + window; ++t) sum += c.values[t];
                const double expected = static_cast<double>(sum / static_cast<long double>(window));
                EXPECT_NEAR(means[j], expected, 1e-12 * std::fabs(expected))
                    << c.name << " window " << window << " at " << j;
            }
        }
    }
    EXPECT_TRUE(windowMeans({1, 2}, 0).empty());
    EXPECT_TRUE(windowMeans({1, 2}, 3).empty());
}

class DataAutoscaleTest : public EvaluatorFixture {};

TEST_F(DataAutoscaleTest, FitsTheViewToTheData) {
    struct Case {
        const char* name;
        AxisSwitches axes;
        std::vector<std::string> xs, ys;
        BoxRange y, x, z;
    };
    const BoxRange none{"-", "-"};
    const Case cases[] = {
        {"cartesian", {}, {"0", "1", "2", "3", "4"}, {"1", "2", "3", "4", "5"}, {"-0.6", " 6.6"},
         {"-1.33333333333333", "5.33333333333333"}, {"-1.33333333333333", "5.33333333333333"}},
        {"all y equal", {}, {"0", "1", "2"}, {"3", "3", "3"}, {" 2.1", " 3.9"}, {"-0.666666666666667", "2.66666666666667"},
         {"-0.666666666666667", "2.66666666666667"}},
        {"items evaluated, failures left out", {}, {"0", "2*3", "abc", "1/0"}, {"1", "2", "abc", "1/0"}, {" 0.6", " 2.4"},
         {"-2", "8"}, {"-2", "8"}},
        {"log y leaves out y <= 0", {.log_y = true}, {"0", "1", "2", "3", "4"}, {"-1", "1", "10", "100", "1000"},
         {"-1.2", " 4.2"}, {"0", "5"}, {"0", "5"}},
        {"log x: z over the raw x", {.log_x = true}, {"1", "10", "100"}, {"1", "2", "3"}, {" 0.2", " 3.8"},
         {"-0.666666666666667", "2.66666666666667"}, {"-32", "133"}},
        {"log x leaves out x < 0; a negative first value counts", {.log_x = true}, {"-1", "1", "10"},
         {"5", "-2", "4"}, {"-4.4", " 6.4"}, {"-0.333333333333333", "1.33333333333333"},
         {"-4.66666666666667", "13.6666666666667"}},
        {"log y: a first value below 1 counts", {.log_y = true}, {"1", "2", "3"}, {"0.01", "1", "10"},
         {"-3.2", " 2.2"}, {"0.333333333333333", "3.66666666666667"}, {"0.333333333333333", "3.66666666666667"}},
        {"1/x: z over the raw x", {.invert_x = true}, {"1", "0.5"}, {"1", "2"}, {" 0.6", " 2.4"},
         {"0.666666666666667", "2.33333333333333"}, {"0.333333333333333", "1.16666666666667"}},
        {"polar", {.polar = true}, {"0", "3"}, {"2", "0"}, {"-0.9", " 0.9"}, {"-0.666666666666667", "2.66666666666667"},
         {"-1", "4"}},
        {"log y and no positive y", {.log_y = true}, {"0", "1"}, {"-1", "0"}, none,
         {"0.166666666666667", "1.83333333333333"}, {"0.166666666666667", "1.83333333333333"}},
    };
    auto text = [&](const std::optional<BoxRange>& r) { return r ? r->min + "|" + r->max : none.min + "|" + none.max; };
    for (const Case& c : cases) {
        DataColumns columns;
        columns.assign(kXData, c.xs);
        columns.assign(kYData1, c.ys);
        const DataAutoscale a = autoscaleData(ev, columns, c.axes);
        EXPECT_EQ(text(a.y), c.y.min + "|" + c.y.max) << c.name;
        EXPECT_EQ(text(a.x), c.x.min + "|" + c.x.max) << c.name;
        EXPECT_EQ(text(a.z), c.z.min + "|" + c.z.max) << c.name;
    }
}

}  // namespace
}  // namespace qv
