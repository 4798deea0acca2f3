// The legend that names the curves of a redraw: which curves it lists and in
// which colour, when it is left out, and how it keeps to its corner when the
// texts are long or the curves many.

#include <gtest/gtest.h>

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
        {"three entries and the box", {"sin(z)", "z", "cos(z)"}, "1", true, true, {"sin(z)", "z", "cos(z)", "1"}},
        {"an empty box draws no curve", {"sin(z)", "cos(z)"}, "", true, true, {"sin(z)", "cos(z)"}},
        {"one entry and an empty box", {"sin(z)"}, "", true, true, {}},
        {"switched off", {"sin(z)", "z"}, "1", true, false, {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(legendTexts(c.functions, c.y, c.plotAll, c.switchedOn), c.expected);
    }
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

}  // namespace
}  // namespace qv
