// The legend that names the curves of a redraw: which curves it lists and in
// which colour, when it is left out, and how it keeps to its corner when the
// texts are long or the curves many.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "expression/evaluator_fixture.h"
#include "plot/legend.h"
#include "plot/plot.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

using namespace qv::testing_support;

class LegendTest : public EvaluatorFixture {
protected:
    // The texts the legend drew, in the curves' colour, after a redraw.
    std::vector<std::string> legendTexts(const std::vector<std::string>& functions, const std::string& y,
                                         bool plotAll, bool switchedOn) {
        RecordingCanvas canvas{9015, 6015};
        PlotBoxes boxes{"-5", "5", "z", y, "", "", "-5", "5", "1", "1"};
        PlotOptions options;
        options.plotAllFunctions = plotAll;
        PlotState state;
        doc.view.legend = switchedOn;
        const PlotResult r = Plot(canvas, ev, rewrite, doc, boxes, functions, options, state, {});
        drawLegend(canvas, doc, r.legend);
        std::vector<std::string> texts;
        for (const RecordedText& t : canvas.texts) {
            if (t.color != doc.colors[kFunctionLine]) continue;
            // The curves' numbers, in the box and on the curves, are
            // checked by their own test.
            if (t.text.find_first_not_of("0123456789") == std::string::npos) continue;
            texts.push_back(t.text);
            // In the top right corner, inside the picture.
            EXPECT_GT(t.x, canvas.width() * 2 / 3) << t.text;
            EXPECT_LT(t.x + canvas.textWidth(t.text), canvas.width()) << t.text;
            EXPECT_LT(t.y, canvas.height() / 3) << t.text;
        }
        return texts;
    }

    RewriteContext rewrite;
    GraphDocument doc;
};

TEST_F(LegendTest, ListsEveryDrawnCurveInItsColourWhenThereIsMoreThanOne) {
    doc.colors[kFunctionLine] = 0x2080C0;
    using Texts = std::vector<std::string>;
    const struct {
        const char* what;
        Texts functions;
        std::string y;
        bool plotAll, switchedOn;
        Texts expected;
    } kCases[] = {
        {"the box alone", {"sin(z)"}, "z2", false, true, {}},
        {"one entry and the box, the box last", {"sin(z)"}, "z2", true, true, {"sin(z)", "z^2"}},
        {"three entries and the box", {"sin(z)", "z", "cos(z)"}, "z+1", true, true, {"sin(z)", "z", "cos(z)", "z+1"}},
        {"an empty box draws no curve", {"sin(z)", "cos(z)"}, "", true, true, {"sin(z)", "cos(z)"}},
        {"one entry and an empty box", {"sin(z)"}, "", true, true, {}},
        {"switched off", {"sin(z)", "z"}, "1", true, false, {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(legendTexts(c.functions, c.y, c.plotAll, c.switchedOn), c.expected);
    }
}

// The curves share one colour: each listed curve's number is put on a point
// of that very curve, the points spread across the picture.
TEST_F(LegendTest, EachCurvesNumberIsTaggedOnAPointOfThatCurve) {
    RecordingCanvas canvas{9015, 6015};
    PlotBoxes boxes{"-5", "5", "z", "1", "", "", "-5", "5", "1", "1"};
    PlotOptions options;
    options.plotAllFunctions = true;
    PlotState state;
    const PlotResult r = Plot(canvas, ev, rewrite, doc, boxes, {"sin(z)", "z/2", "-3"}, options, state, {});
    const std::function<double(double)> curves[] = {[](double u) { return std::sin(u); },
                                                     [](double u) { return u / 2; }, [](double) { return -3.0; },
                                                     [](double) { return 1.0; }};
    ASSERT_EQ(r.legend.size(), 4u);
    const double w = canvas.width() - 15, h = canvas.height() - 15;
    const LegendLayout layout = layoutLegend(canvas, r.legend, 0);
    ASSERT_EQ(layout.tags.size(), 4u);
    double previousX = -1;
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(r.legend[i].text);
        const LegendEntry& e = r.legend[i];
        ASSERT_TRUE(e.anchored);
        const double u = doc.x_min + (doc.x_max - doc.x_min) * e.anchorX / w;
        EXPECT_NEAR(e.anchorY, h - h * (curves[i](u) - doc.y_min) / (doc.y_max - doc.y_min), kTwipsPerPixel);
        EXPECT_GT(e.anchorX, previousX);
        previousX = e.anchorX;
        const LegendTag& tag = layout.tags[i];
        EXPECT_EQ(tag.number, std::to_string(i + 1));
        EXPECT_EQ(layout.lines[i].tag, tag.number);
        // Beside its point, inside the picture.
        EXPECT_NEAR(tag.x, e.anchorX, 10 * kTwipsPerPixel);
        EXPECT_NEAR(tag.y + tag.height, e.anchorY, 10 * kTwipsPerPixel);
        EXPECT_GE(tag.x, 0);
        EXPECT_LE(tag.x + tag.width, w);
    }
    // A point at the very edge keeps its tag inside the picture.
    std::vector<LegendEntry> atEdge = r.legend;
    atEdge[0].anchorX = w, atEdge[0].anchorY = 0;
    const LegendTag edge = layoutLegend(canvas, atEdge, 0).tags[0];
    EXPECT_LE(edge.x + edge.width, w);
    EXPECT_GE(edge.y, 0);
}

TEST_F(LegendTest, LongTextsAreCutAndManyCurvesEndInDots) {
    const std::string root = "\xE2\x88\x9A";  // a character of three bytes
    std::string longText;
    for (int i = 0; i < 60; ++i) longText += root + "(z)+";
    std::vector<LegendEntry> many;
    for (int i = 0; i < 40; ++i) many.push_back({"z+" + std::to_string(i), 0x00FF00});
    const struct {
        const char* what;
        double width, height;
        std::vector<LegendEntry> entries;
        size_t lines;  // 0: no legend
        bool capped;
    } kCases[] = {
        {"two short", 9015, 6015, {{"z", 1}, {"z^2", 2}}, 2, false},
        {"one long", 9015, 6015, {{longText, 1}, {"z", 2}}, 2, false},
        {"many", 9015, 6015, many, 9, true},
        {"many on a tall picture", 9015, 60015, many, 40, false},
        {"a picture too small", 900, 600, {{"z", 1}, {"z^2", 2}}, 0, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        RecordingCanvas canvas{c.width, c.height};
        const LegendLayout l = layoutLegend(canvas, c.entries, 0x777777);
        ASSERT_EQ(l.lines.size(), c.lines);
        if (c.lines == 0) continue;
        // Inside the picture, within a third of it each way.
        EXPECT_LE(l.width, c.width / 3);
        EXPECT_GT(l.x, 0);
        EXPECT_LE(l.x + l.width, c.width);
        EXPECT_GT(l.y, 0);
        EXPECT_LE(l.height, c.height / 3);
        for (size_t i = 0; i < l.lines.size(); ++i) {
            const LegendLine& line = l.lines[i];
            EXPECT_LE(line.x + canvas.textWidth(line.text), l.x + l.width);
            EXPECT_LE(line.y + canvas.textHeight(), l.y + l.height);
            if (c.capped && i + 1 == l.lines.size()) {
                EXPECT_EQ(line.text, "...");
                EXPECT_EQ(line.color, 0x777777u);
                continue;
            }
            const std::string& full = c.entries[i].text;
            EXPECT_EQ(line.color, c.entries[i].color);
            if (line.text == full) continue;
            // Cut: a beginning of the text, between two characters, with dots.
            ASSERT_GT(line.text.size(), 3u);
            const std::string kept = line.text.substr(0, line.text.size() - 3);
            EXPECT_EQ(line.text.substr(kept.size()), "...");
            EXPECT_EQ(full.compare(0, kept.size(), kept), 0);
            EXPECT_NE(static_cast<unsigned char>(full[kept.size()]) & 0xC0, 0x80);
            EXPECT_GT(kept.size(), 10u);
        }
    }
}

// The picture in words: every curve drawn, as its boxes read in the mode,
// and the view with the numbers as the range boxes show them.
TEST(PictureDescription, NamesEveryCurveAndTheView) {
    GraphDocument doc;
    doc.x_min = -5;
    doc.x_max = 1.0 / 3.0;
    doc.y_min = -1E-20;
    doc.y_max = 4.16;
    const std::string view = "view: x from -5 to 0.333333333333333, y from -1E-20 to 4.16";
    struct Case {
        std::vector<LegendEntry> curves;
        bool polar;
        std::string want;
    };
    const Case cases[] = {
        {{{"z^2"}}, false, "x(z) = z, y(z) = z^2; " + view},
        {{{"3*cos(2*z)"}}, true, "th(z) = z, r(z) = 3*cos(2*z); " + view},
        {{{"sin(z)"}, {"cos(z)"}}, false, "x(z) = z, y(z) = sin(z); x(z) = z, y(z) = cos(z); " + view},
        {{}, false, view},
    };
    for (const Case& c : cases) EXPECT_EQ(pictureDescription(c.curves, "z", c.polar, doc), c.want);
}

}  // namespace
}  // namespace qv
