// The colour options dialog: choosing a colour, the line size box and the
// three switches, each with what it redraws and whether the graph counts as
// changed.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "appearance/color_options.h"
#include "appearance/ui/color_options_dialog.h"
#include "document/graph_document.h"
#include "plot/ui/picture_area.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"
#include "ui/panel_context.h"

namespace qv {
namespace {

TEST(ColorOptions, LineSizeIsAWholeNumberFromOneToEleven) {
    const std::pair<const char*, std::optional<int>> kCases[] = {
        {"0", 1}, {"12", 11}, {"2.5", 2}, {"3.5", 4}, {"-7", 1}, {"1e300", 11}, {"5", 5},
        {"", std::nullopt}, {"abc", std::nullopt}, {"-", std::nullopt}, {"1e400", std::nullopt},
    };
    for (const auto& [text, size] : kCases) EXPECT_EQ(lineSizeFor(text), size) << text;
    // Every slot has exactly one option.
    std::array<int, kColorSlotCount> seen{};
    for (const ColorOption& o : kColorOptions) ++seen[static_cast<std::size_t>(o.slot)];
    for (int n : seen) EXPECT_EQ(n, 1);
}

class ColorOptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ctx_.doc = &doc_;
        ctx_.platform = &platform_;
        QObject::connect(&ctx_.events, &PanelEvents::documentEdited, [this] { doc_.document_saved = false; });
    }
    template <typename T>
    static T* find(ColorOptionsDialog& d, const char* name) {
        T* w = d.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    GraphDocument doc_;
    FakePlatform platform_;
    PanelContext ctx_;
};

TEST_F(ColorOptionsDialogTest, ChangingAColourAppliesEverySlotAndMarksTheGraph) {
    doc_.colors[kGrid] = packColor(1, 2, 3);
    ColorOptionsDialog dialog(ctx_);
    QSignalSpy applied(&dialog, &ColorOptionsDialog::colorsChanged);
    EXPECT_EQ(dialog.previewColor(), doc_.colors[kBackground]);
    find<QRadioButton>(dialog, "Option11")->click();  // Grid
    EXPECT_EQ(dialog.previewColor(), packColor(1, 2, 3));

    platform_.colorAnswers = {std::nullopt, packColor(9, 8, 7)};
    find<QPushButton>(dialog, "Command2")->click();
    EXPECT_EQ(applied.count(), 0);
    EXPECT_TRUE(doc_.document_saved);
    find<QPushButton>(dialog, "Command2")->click();
    EXPECT_EQ(applied.count(), 1);
    EXPECT_EQ(doc_.colors[kGrid], packColor(9, 8, 7));
    EXPECT_EQ(dialog.previewColor(), packColor(9, 8, 7));
    EXPECT_FALSE(doc_.document_saved);
    // The chooser started from the slot's colour, and the custom colours
    // it changed are offered again within the same dialog.
    EXPECT_EQ(platform_.colorRequests, (std::vector<uint32_t>{packColor(1, 2, 3), packColor(1, 2, 3)}));
    platform_.colorAnswers = {std::nullopt};
    find<QPushButton>(dialog, "Command2")->click();
    EXPECT_EQ(platform_.customColorsShown.back()[0], packColor(9, 8, 7));

    // A second opening shows the slots as they are now, from "Background".
    ColorOptionsDialog again(ctx_);
    EXPECT_TRUE(find<QRadioButton>(again, "Option1")->isChecked());
    find<QRadioButton>(again, "Option11")->click();
    EXPECT_EQ(again.previewColor(), packColor(9, 8, 7));
}

TEST_F(ColorOptionsDialogTest, LineSizeAndSwitchesRedrawAsTheyShould) {
    doc_.line_width = 3;
    ColorOptionsDialog dialog(ctx_);
    QSignalSpy redraws(&dialog, &ColorOptionsDialog::redrawRequested);
    QLineEdit* size = find<QLineEdit>(dialog, "Text1");
    // Filling the box drew nothing.
    EXPECT_EQ(size->text(), "3");
    EXPECT_EQ(redraws.count(), 0);
    EXPECT_TRUE(doc_.document_saved);

    const std::pair<const char*, const char*> kTyped[] = {{"0", "1"}, {"12", "11"}, {"abc", "abc"}};
    for (const auto& [typed, shown] : kTyped) {
        size->selectAll();
        QTest::keyClicks(size, typed);
        EXPECT_EQ(size->text(), shown);
    }
    EXPECT_EQ(doc_.line_width, 11);
    EXPECT_GE(redraws.count(), 2);
    EXPECT_FALSE(doc_.document_saved);

    const int before = redraws.count();
    find<QCheckBox>(dialog, "Check3")->click();  // mouse coordinates: no redraw
    EXPECT_EQ(doc_.show_mouse_coordinates, "0");
    EXPECT_EQ(redraws.count(), before);
    find<QCheckBox>(dialog, "Check2")->click();  // grid
    EXPECT_EQ(doc_.show_grid, "0");
    EXPECT_EQ(redraws.count(), before + 1);
    find<QCheckBox>(dialog, "Check1")->click();  // tick numbers
    EXPECT_EQ(doc_.show_tick_numbers, "0");
    EXPECT_EQ(redraws.count(), before + 2);
    EXPECT_TRUE(find<QPushButton>(dialog, "CommandMe")->isDefault());
    EXPECT_TRUE(platform_.allAnswersUsed());
}

// The share of the picture's pixels that have the colour.
double shareOf(const QImage& image, PackedColor color) {
    const QColor wanted = packedToQColor(color);
    qsizetype same = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) same += image.pixelColor(x, y).rgb() == wanted.rgb() ? 1 : 0;
    }
    return image.isNull() ? 0.0 : static_cast<double>(same) / (static_cast<double>(image.width()) * image.height());
}

// The graph is in view beside every mode's panel: a background chosen in
// the dialog shows in the picture at once, whatever the mode.
TEST(ColorOptionsInTheWindow, AChosenBackgroundShowsInEveryMode) {
    FakePlatform platform;
    MainWindow window(&platform);
    window.resize(1180, 760);
    window.show();
    const PictureArea* picture = window.findChild<PictureArea*>("Picture1");
    const struct {
        Mode mode;
        const char* name;
        PackedColor color;
    } cases[] = {
        {Mode::Calculator, "calculator", packColor(250, 220, 200)},
        {Mode::List, "list", packColor(200, 250, 220)},
        {Mode::Vectors, "vectors", packColor(220, 200, 250)},
        {Mode::Parametric, "grapher", packColor(240, 240, 180)},
    };
    for (const auto& c : cases) {
        window.setMode(c.mode);
        platform.colorAnswers = {c.color};
        // "Background" is the option chosen when the dialog opens.
        QTimer::singleShot(0, &window, [&window] {
            auto* dialog = window.findChild<ColorOptionsDialog*>();
            dialog->findChild<QPushButton*>("Command2")->click();
            dialog->findChild<QPushButton*>("CommandMe")->click();
        });
        window.showVisualOptions();
        EXPECT_EQ(window.document().colors[kBackground], c.color) << c.name;
        EXPECT_GT(shareOf(picture->image(), c.color), 0.5) << c.name;
    }
    EXPECT_TRUE(platform.allAnswersUsed());
}

}  // namespace
}  // namespace qv
