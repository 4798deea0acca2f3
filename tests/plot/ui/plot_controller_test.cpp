// The redraw in the window: "Plot  Line" reads and rewrites the boxes and
// draws on the picture area, the effect words, and the tick-limit message.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <memory>

#include "shell/ui/main_window.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/navigation_controller.h"
#include "plot/ui/plot_controller.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

class PlotControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->resize(1100, 720);
        window->show();
    }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    // Pixels of the picture in (or, antialiased, near) the function-line
    // colour.
    int curvePixels() {
        const QImage& img = window->findChild<PictureArea*>("Picture1")->image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
            }
        return n;
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(PlotControllerTest, EnterPlotsTheTypedCurveAndShowsTheDisplayForms) {
    EXPECT_EQ(curvePixels(), 0);
    QTest::keyClicks(box("Text8"), "cos(3z)");
    QTest::keyClicks(box("Text9"), "sin(2z)");
    QTest::keyClicks(box("Text6"), "0");
    QTest::keyClicks(box("Text7"), "6.3");
    QTest::keyClick(box("Text7"), Qt::Key_Return);
    EXPECT_EQ(box("Text8")->text(), "cos(3*z)");
    EXPECT_EQ(box("Text9")->text(), "sin(2*z)");
    EXPECT_GT(curvePixels(), 500);
    // What was prepared is what the boxes show: the next redraw reads nothing again.
    ASSERT_TRUE(window->plotter().state().prepared.has_value());
    EXPECT_EQ(window->plotter().state().prepared->x, "cos(3*z)");
    EXPECT_FALSE(window->document().document_saved);
    // A screen reader is told what the picture now shows.
    const QString said = window->findChild<PictureArea*>()->accessibleDescription();
    EXPECT_TRUE(said.startsWith("x(z) = cos(3*z), y(z) = sin(2*z); view: x from -5 to 5")) << said.toStdString();
}

TEST_F(PlotControllerTest, EffectWordsDoNotPlot) {
    box("Text9")->setText("z");
    box("Text7")->setText("1");
    const int before = window->plotter().redraws();
    box("Text8")->setText("warp");
    button("Command19")->click();
    EXPECT_EQ(box("Text8")->text(), "");
    // The effects take their word out of the box.
    for (const char* word : {"tornado", "color"}) {
        box("Text8")->setText(word);
        button("Command19")->click();
        EXPECT_EQ(box("Text8")->text(), "") << word;
    }
    EXPECT_EQ(window->plotter().redraws(), before);
    box("Text8")->setText("shade");
    box("Text9")->setText("red");
    button("Command19")->click();
    EXPECT_EQ(box("Text8")->text(), "");
    EXPECT_EQ(box("Text9")->text(), "");
    EXPECT_EQ(window->plotter().redraws(), before + 1);
}

// A redraw that draws no curve says why under the picture, without a
// message box; the next good redraw clears it.
TEST_F(PlotControllerTest, TheStatusLineSaysWhyNoCurveWasDrawn) {
    struct Case {
        const char* x;
        const char* y;
        const char* zMin;
        const char* zMax;
        const char* status;
    };
    const Case cases[] = {
        {"cos(3z)", "sin(2z)", "", "", "z min and z max are empty"},
        {"cos(3z)", "sin(2z)", "0", "6.3", ""},
        {"cos(3z)", "sin(2z)", "0", "", "z max is empty"},
        {"z", "z", "2", "1", "z max is not greater than z min"},
        {"z", "\"a\"", "0", "1", "y(z): Type mismatch at every sample"},
        {"1/(z-z)", "z", "0", "1", "x(z): Division by zero at every sample"},
        {"z", "", "0", "1", "y(z) is empty"},
        {"z", "sqrt(z)", "-1", "1", ""},  // some samples fail, not all
        {"z", "ln(z)", "-2", "-1", "y(z): Invalid procedure call or argument at every sample"},
        {"z", "sinn(z)", "0", "1", "y(z): Syntax error at every sample"},
        // Names nothing set read as 0: the curve is drawn, and the names are named.
        {"z", "2*w+z", "0", "1", "note: w is not defined and reads as 0"},
        {"z", "hello", "0", "1", "note: h and llo are not defined and read as 0"},
        {"z", "A*z", "0", "1", ""},  // the animation's parameter is 0 while it does not run
        {"z", "z", "1/0", "1", "z min: Division by zero"},
    };
    auto* status = window->findChild<QLabel*>("PlotStatus");
    ASSERT_NE(status, nullptr);
    for (const Case& c : cases) {
        box("Text8")->setText(c.x);
        box("Text9")->setText(c.y);
        box("Text6")->setText(c.zMin);
        box("Text7")->setText(c.zMax);
        button("Command19")->click();
        EXPECT_EQ(status->text(), c.status) << c.x << " / " << c.y;
    }
    EXPECT_TRUE(platform.messages.empty());
}

// A curve whose every sample fails draws nothing (no line along y = 0), and
// a text the rewriting cannot restore stays in its box as typed.
TEST_F(PlotControllerTest, ACurveThatNeverEvaluatesIsNotDrawn) {
    struct Case {
        const char* y;
        const char* zMin;
        const char* shown;
    };
    const Case cases[] = {
        {"sinn(z)", "-1", "sinn(z)"},
        {"2*sinnz", "-1", "2*sinnz"},
        {"ln(z)", "-3", "ln(z)"},
        {"sqr(-1-z*z)", "-3", "sqr(-1-z*z)"},
    };
    box("Text8")->setText("z");
    box("Text7")->setText("-0.5");
    for (const Case& c : cases) {
        box("Text9")->setText(c.y);
        box("Text6")->setText(c.zMin);
        button("Command19")->click();
        EXPECT_EQ(box("Text9")->text(), c.shown) << c.y;
        EXPECT_EQ(curvePixels(), 0) << c.y;
    }
    box("Text9")->setText("sqrt(z+1)");  // half of the samples fail: the rest is drawn
    box("Text7")->setText("1");
    button("Command19")->click();
    EXPECT_GT(curvePixels(), 100);
    EXPECT_TRUE(platform.messages.empty());
}

// The oversized moving-average message comes once when the cause arises, not
// at every redraw of a range glide; the status line keeps saying it. Once
// the cause went away, it may come again.
TEST_F(PlotControllerTest, ARedrawMessageComesOncePerCause) {
    GraphDocument& doc = window->document();
    doc.data.assign(kXData, {" 0", " 1", " 2"});
    doc.data.assign(kYData1, {" 1", " 4", " 9"});
    doc.data_plot.points = doc.data_plot.movingAverage = true;
    doc.data_plot.size = 5;
    platform.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok});
    box("Text8")->setText("z");
    box("Text9")->setText("z");
    box("Text6")->setText("0");
    box("Text7")->setText("2");
    button("Command19")->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Desired size of moving average is too high for the current number of data points!");
    box("Text2")->setText("9");  // the view glides there, redrawing all the way
    for (int i = 0; i < 20 && window->navigation().transitionRunning(); ++i) window->navigation().transitionTick();
    button("Command19")->click();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(window->findChild<QLabel*>("PlotStatus")->text(),
              "Desired size of moving average is too high for the current number of data points!");
    doc.data_plot.size = 2;
    button("Command19")->click();
    doc.data_plot.size = 4;
    button("Command19")->click();
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(platform.allAnswersUsed());
}

// Two boxes with unbalanced parentheses: one click, one message.
TEST_F(PlotControllerTest, OneParenthesisMessagePerRedraw) {
    platform.answerMessages({MessageAnswer::Ok});
    box("Text8")->setText("(z");
    box("Text9")->setText("sin(z");
    box("Text6")->setText("(0");
    box("Text7")->setText("1");
    button("Command19")->click();
    EXPECT_EQ(platform.messageTexts(),
              std::vector<std::string>{
                  "One of your expressions does not contain an equal number of opened and closed parenthesis."});
}

TEST_F(PlotControllerTest, TooManyTicksShowsTheMessageAndAWiderScale) {
    window->document().view.auto_tick_scales = false;  // the boxes' own scales
    platform.answerMessages({MessageAnswer::Ok});
    // A new tick scale redraws at once.
    box("Text17")->setText("0.001");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Too many tick marks!");
    EXPECT_EQ(platform.messages[0].text,
              "The x tick scale is not large enough!  Quorvanta will restart the plot using your current x tick scale "
              "multiplied by 10.");
    EXPECT_EQ(box("Text17")->text(), "0.01");
}

// A range that needs hundreds of restarts of the tick scale shows the
// message once, through the whole transition to it, and ends on the scale
// the restarts reach.
TEST_F(PlotControllerTest, AHugeRangeShowsTheTickMessageOnce) {
    window->document().view.auto_tick_scales = false;  // the boxes' own scales
    platform.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok});
    QTest::keyClicks(box("Text2"), "e308");  // "5" becomes "5e308": too large, nothing moves
    box("Text2")->setText("1e308");
    for (int i = 0; i < 20 && window->navigation().transitionRunning(); ++i) window->navigation().transitionTick();
    ASSERT_FALSE(window->navigation().transitionRunning());
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(window->document().x_max, 1e308);
    EXPECT_EQ(box("Text17")->text(), "1E+302");
}

TEST_F(PlotControllerTest, AFailingExpressionNeverStopsTheWindow) {
    for (const char* y : {"1/z", "sqrt(z)", "(z", "abc", "1E308*z^9"}) {
        platform.messages.clear();
        platform.answerMessages({MessageAnswer::Ok});
        box("Text8")->setText("z");
        box("Text9")->setText(y);
        box("Text6")->setText("-1");
        box("Text7")->setText("1");
        button("Command19")->click();
    }
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PlotControllerTest, TransformationsExcludeTheirPartnerAndNoteThePolarMode) {
    auto entry = [&](const char* name) { return window->findChild<QAction*>(name); };
    entry("Logx")->trigger();
    EXPECT_TRUE(entry("Logx")->isChecked());
    EXPECT_FALSE(window->plotter().calculusAllowed());
    entry("x_invert")->trigger();
    EXPECT_TRUE(entry("x_invert")->isChecked());
    EXPECT_FALSE(entry("Logx")->isChecked());
    entry("x_invert")->trigger();
    EXPECT_TRUE(window->plotter().calculusAllowed());
    EXPECT_TRUE(platform.messages.empty());

    window->findChild<QRadioButton*>("Option2")->click();
    EXPECT_FALSE(window->plotter().calculusAllowed());
    platform.answerMessages({MessageAnswer::Ok});
    entry("Logy")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta");
    EXPECT_EQ(platform.messages[0].text,
              "Note that axis transformations will not take effect while in polar graphing mode.");
    EXPECT_TRUE(entry("Logy")->isChecked());
}

TEST_F(PlotControllerTest, PolarAndCartesianRenameTheCoordinates) {
    window->findChild<QRadioButton*>("Option2")->click();
    EXPECT_EQ(window->findChild<QLabel*>("Label5")->text(), "th=");
    EXPECT_EQ(window->findChild<QLabel*>("Label7")->text(), "r  =");
    EXPECT_EQ(window->findChild<QLabel*>("Label9")->text(), "Freeze th(z), r(z)");
    EXPECT_EQ(button("Command1")->text(), "Find th(z), r(z)");
    EXPECT_EQ(window->findChild<QCheckBox*>("Check1")->text(), "Plot all functions as r(z)");
    window->findChild<QRadioButton*>("Option1")->click();
    EXPECT_EQ(window->findChild<QLabel*>("Label11")->text(), "x =");
    EXPECT_EQ(button("Command1")->text(), "Find x(z), y(z)");
    EXPECT_EQ(window->findChild<QCheckBox*>("Check1")->text(), "Plot all functions as y(z)");
}

// An empty box shows a grey example of what it takes; the example is no
// text: a redraw reads the box as empty and the document keeps it empty.
TEST_F(PlotControllerTest, EmptyBoxesShowAHintThatIsNoText) {
    const std::pair<const char*, const char*> hints[] = {
        {"Text8", "3*cos(z)"}, {"Text9", "2*sin(3*z)"}, {"Text6", "0"}, {"Text7", "2*pi"},
        {"Text5", "1"},        {"Text30", "z"},         {"Text31", "z^2"}, {"Text33", "0"}, {"Text32", "1"}};
    for (const auto& [name, hint] : hints) {
        box(name)->clear();
        EXPECT_EQ(box(name)->placeholderText(), hint) << name;
    }
    button("Command19")->click();
    const GraphDocument& doc = window->document();
    EXPECT_TRUE(doc.boxes.x_of_z.empty());
    EXPECT_TRUE(doc.boxes.y_of_z.empty());
    EXPECT_TRUE(doc.boxes.z_min.empty());
    EXPECT_TRUE(box("Text8")->text().isEmpty());
}

// Polar and back gives every caption its first text again, blanks included.
TEST_F(PlotControllerTest, PolarAndBackRestoresEveryCaption) {
    const char* names[] = {"Label5", "Label7", "Label9", "Label11", "Label12", "XCaption", "YCaption"};
    std::vector<QString> before;
    for (const char* name : names) before.push_back(window->findChild<QLabel*>(name)->text());
    window->findChild<QRadioButton*>("Option2")->click();
    window->findChild<QRadioButton*>("Option1")->click();
    for (size_t i = 0; i < std::size(names); ++i) {
        EXPECT_EQ(window->findChild<QLabel*>(names[i])->text(), before[i]) << names[i];
    }
}

TEST_F(PlotControllerTest, AutoZRangeFollowsTheXRange) {
    box("Text8")->setText("z");
    box("Text9")->setText("z");
    window->findChild<QAction*>("AutoZ")->trigger();
    EXPECT_EQ(box("Text6")->text(), "-5");
    EXPECT_EQ(box("Text7")->text(), "5");
}

// A redraw of 3,000 curves with their derivatives takes seconds: it keeps
// the window painting and ends at the first pause after Esc, a click of
// "Stop" or the close box (which then leaves the window open). What it drew
// stays, the status line says where it stopped, and the redraws asked for
// meanwhile do not follow.
TEST_F(PlotControllerTest, ALongRedrawEndsOnEscStopOrTheCloseBox) {
    std::vector<std::string> entries;
    for (int i = 0; i < 3000; ++i) entries.push_back("sin(z)+" + std::to_string(i) + "*z/1000");
    window->document().functions.assign(entries);
    box("Text8")->setText("z");
    box("Text9")->setText("z^2");
    box("Text6")->setText("-5");
    box("Text7")->setText("5");
    for (const char* check : {"Check1", "Check10", "Check4"}) window->findChild<QCheckBox*>(check)->setChecked(true);
    PlotController& plotter = window->plotter();
    QPushButton* stop = button("Command20");
    const std::pair<const char*, std::function<void()>> kWays[] = {
        {"Esc", [this] { QTest::keyClick(box("Text8"), Qt::Key_Escape); }},
        {"Stop", [stop] { QTest::mouseClick(stop, Qt::LeftButton); }},
        {"close box", [this] { window->close(); }},
    };
    for (const auto& [way, act] : kWays) {
        SCOPED_TRACE(way);
        const int before = plotter.redraws();
        // The timer fires at the redraw's first pause: a redraw asked for
        // then, and the user's stop.
        QTimer::singleShot(0, window.get(), [&plotter, &act] {
            plotter.plot();
            act();
        });
        plotter.plot();
        const QString status = window->findChild<QLabel*>("PlotStatus")->text();
        EXPECT_TRUE(status.startsWith("Drawing stopped at curve ")) << status.toStdString();
        EXPECT_TRUE(status.endsWith(" of 3001")) << status.toStdString();
        EXPECT_EQ(plotter.redraws(), before + 1);
        EXPECT_GT(curvePixels(), 0);
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_TRUE(platform.unexpected.empty());
}

}  // namespace
}  // namespace qv
