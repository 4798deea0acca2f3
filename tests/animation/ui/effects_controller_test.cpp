// The animation and the effects in the window, driven tick by tick.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "animation/ui/effects_controller.h"
#include "plot/ui/picture_area.h"
#include "persistence/graph_commands.h"
#include "plot/ui/plot_controller.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

class EffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->resize(1000, 700);
        window->show();
    }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QString aLabel() { return window->findChild<QLabel*>("Label24")->text(); }
    void plotLine(const char* x, const char* y) {
        box("Text8")->setText(x);
        box("Text9")->setText(y);
        button("Command19")->click();
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(EffectsTest, TheAnimationStepsAToItsMaximumAndStops) {
    box("Text6")->setText("0");
    box("Text7")->setText("2*pi");
    box("Text10")->setText("0");
    box("Text11")->setText("1");
    EffectsController& e = window->effects();
    plotLine("cos(z)", "A*sin(z)");
    ASSERT_TRUE(e.animationRunning());
    PlotController& p = window->plotter();
    const int before = p.redraws();
    std::vector<QString> labels;
    while (e.animationRunning() && labels.size() < 100) {
        e.animationTick();
        labels.push_back(aLabel());
    }
    EXPECT_EQ(p.redraws() - before, 20);
    EXPECT_EQ(labels[9], "A = 0.5");
    EXPECT_EQ(labels.back(), "");
    EXPECT_EQ(button("Command19")->text(), "Plot Line");
    EXPECT_EQ(p.state().a_current, 0.0);

    // Stopped half-way: no redraw, the label empty, A back at its minimum.
    button("Command19")->click();
    ASSERT_TRUE(e.animationRunning());
    for (int i = 0; i < 5; ++i) e.animationTick();
    EXPECT_EQ(aLabel(), "A = 0.2");
    const int stopped = p.redraws();
    button("Command20")->click();
    EXPECT_FALSE(e.animationRunning());
    EXPECT_EQ(p.redraws(), stopped);
    EXPECT_EQ(aLabel(), "");
    EXPECT_EQ(p.state().a_current, 0.0);

    // A min = A max draws once and starts nothing.
    box("Text11")->setText("0");
    button("Command19")->click();
    EXPECT_FALSE(e.animationRunning());
}

TEST_F(EffectsTest, TornadoColourShadeAndWarp) {
    EffectsController& e = window->effects();
    plotLine("tornado", "");
    EXPECT_EQ(box("Text8")->text(), "");
    EXPECT_TRUE(e.tornado().running());
    const double top = e.tornado().particles()[0].top;
    e.tornadoTick();
    EXPECT_GT(e.tornado().particles()[0].top, top);
    plotLine("tornado", "");
    EXPECT_FALSE(e.tornado().running() || e.tornado().visible());

    const ColorSlots chosen = window->document().colors;
    const QImage before = window->findChild<PictureArea*>("Picture1")->image().copy();
    plotLine("color", "");
    EXPECT_TRUE(e.colorEffectRunning());
    for (int i = 0; i < 3; ++i) e.colorTick();
    // The picture cycles; the graph's own colours stay.
    EXPECT_NE(window->findChild<PictureArea*>("Picture1")->image(), before);
    EXPECT_EQ(window->document().colors, chosen);
    plotLine("color", "");
    EXPECT_FALSE(e.colorEffectRunning());
    EXPECT_EQ(window->document().colors, chosen);

    // The warp draws into the picture in the axis colour.
    const QImage plain = window->findChild<PictureArea*>("Picture1")->image();
    plotLine("warp", "");
    EXPECT_EQ(box("Text8")->text(), "");
    EXPECT_NE(window->findChild<PictureArea*>("Picture1")->image(), plain);

    // "shade" with "red": the name goes into the graph file and comes back.
    plotLine("shade", "red");
    EXPECT_EQ(window->document().file_marker, "red");
    EXPECT_EQ(box("Text9")->text(), "");
    const auto path = std::filesystem::temp_directory_path() / ("qv-shade-" + std::to_string(::getpid()) + ".gph");
    ASSERT_TRUE(window->textSave(path.string()));
    MainWindow reopened(&platform, {path.string()});
    reopened.resize(800, 600);
    reopened.show();
    EXPECT_EQ(reopened.document().file_marker, "red");
    const QImage shaded = reopened.centralWidget()->grab().toImage();
    const QColor bottom = shaded.pixelColor(2, shaded.height() - 3);
    EXPECT_GT(bottom.red(), 200);
    EXPECT_EQ(bottom.green(), 0);
    std::filesystem::remove(path);
    plotLine("shade", "");
    EXPECT_EQ(window->document().file_marker, "File_Start");
}

// The share of the picture's pixels that have the colour.
double shareOf(const QImage& image, PackedColor color) {
    const QRgb wanted = packedToQColor(color).rgb();
    qsizetype same = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) same += image.pixelColor(x, y).rgb() == wanted ? 1 : 0;
    }
    return image.isNull() ? 0.0 : static_cast<double>(same) / (static_cast<double>(image.width()) * image.height());
}

// The colour effect shows its colours on the picture but never takes the
// user's: a save while it runs writes the user's colours, a graph opened
// while it runs brings its own, and stopping it shows them again.
TEST_F(EffectsTest, TheColourEffectKeepsTheUsersColours) {
    EffectsController& e = window->effects();
    const PictureArea* picture = window->findChild<PictureArea*>("Picture1");
    GraphDocument& doc = window->document();
    const auto folder = std::filesystem::temp_directory_path() / ("qv-colour-effect-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string during = (folder / "during.gph").string();
    const std::string other = (folder / "other.gph").string();
    ColorSlots otherColors = defaultColors();
    otherColors[kBackground] = packColor(230, 230, 250);
    otherColors[kPointCross] = packColor(0, 100, 0);
    doc.colors = otherColors;
    ASSERT_TRUE(window->textSave(other));
    ColorSlots chosen = defaultColors();
    chosen[kBackground] = packColor(250, 240, 230);
    chosen[kAxis] = packColor(1, 2, 3);
    chosen[kDerivative] = packColor(9, 9, 90);
    doc.colors = chosen;

    plotLine("color", "");
    ASSERT_TRUE(e.colorEffectRunning());
    e.colorTick();
    e.colorTick();
    ColorSlots cycled = chosen;
    double t = 0;
    colorCycleTick(t, cycled);
    colorCycleTick(t, cycled);
    EXPECT_GT(shareOf(picture->image(), cycled[kBackground]), 0.5);
    EXPECT_EQ(doc.colors, chosen);
    ASSERT_TRUE(window->textSave(during));
    const GraphFileRead saved = loadGraphFile(during);
    ASSERT_TRUE(saved.file.has_value());
    for (std::size_t i = 0; i < chosen.size(); ++i) EXPECT_EQ(saved.file->colors[i], static_cast<int64_t>(chosen[i])) << "slot " << i;

    // Opened while the effect runs: the file's colours stay the graph's.
    window->markEdited();
    platform.answerMessages({MessageAnswer::No});
    window->openRecent(other);
    EXPECT_TRUE(e.colorEffectRunning());
    e.colorTick();
    EXPECT_EQ(doc.colors, otherColors);
    plotLine("color", "");
    EXPECT_FALSE(e.colorEffectRunning());
    EXPECT_EQ(doc.colors, otherColors);
    EXPECT_GT(shareOf(picture->image(), otherColors[kBackground]), 0.5);
    EXPECT_TRUE(platform.allAnswersUsed());
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qv
