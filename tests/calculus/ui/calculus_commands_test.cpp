// The point derivative commands in the window.

#include <gtest/gtest.h>

#include <QAction>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <string>
#include <utility>

#include "plot/picture_marks.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "plot/ui/point_evaluation_controller.h"
#include "ui/input_conventions.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

class CalculusCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(&platform);
        window->show();
    }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    QAction* action(const char* name) { return window->findChild<QAction*>(name); }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(CalculusCommandsTest, TheDerivativeMessageForZSquaredAtOne) {
    box("Text8")->setText("z");
    box("Text9")->setText("z2");
    box("Text6")->setText("-2");
    box("Text7")->setText("2");
    box("Text5")->setText(" 1");
    platform.answerMessages({MessageAnswer::Ok});
    action("Derivative")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Derivative");
    EXPECT_EQ(platform.messages[0].text, "Derivative at z = 1 :\r\n\r\n              2");
    // The box ends with the text as typed; the plot rewrote the function boxes.
    EXPECT_EQ(box("Text5")->text(), " 1");
    EXPECT_EQ(box("Text9")->text(), "z^2");
}

TEST_F(CalculusCommandsTest, AnEmptyBoxAsksForANumberWhileTheMessageIsUp) {
    QString shown;
    platform.whileMessageShown = [&](const RecordedMessage&) { shown = box("Text5")->text(); };
    platform.answerMessages({MessageAnswer::Ok});
    action("Second_Derivative")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Data error!");
    EXPECT_EQ(platform.messages[0].text, "Please enter a value at which the second derivative should be calculated.");
    EXPECT_EQ(shown, "Enter number here!");
    EXPECT_EQ(box("Text5")->text(), "");
}

TEST_F(CalculusCommandsTest, AVerticalTangentIsReportedNotFound) {
    box("Text8")->setText("1");
    box("Text9")->setText("z");
    box("Text5")->setText("0");
    platform.answerMessages({MessageAnswer::Ok});
    action("Derivative")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Data Error!");
    EXPECT_EQ(platform.messages[0].text, "Derivative cannot be found at requested point.");
}

// An unbalanced function and a derivative that cannot be had: one click,
// one box, the one that names the cause. A domain error is no derivative.
TEST_F(CalculusCommandsTest, ADerivativeCommandShowsOneMessage) {
    box("Text8")->setText("z");
    box("Text9")->setText("ln(z");
    box("Text6")->setText("-2");
    box("Text7")->setText("2");
    box("Text5")->setText("-1");
    platform.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok});
    action("Derivative")->trigger();
    EXPECT_EQ(platform.messageTexts(),
              std::vector<std::string>{
                  "One of your expressions does not contain an equal number of opened and closed parenthesis."});
    box("Text9")->setText("ln(z)");
    action("Derivative")->trigger();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "Derivative cannot be found at requested point.");
}

TEST_F(CalculusCommandsTest, OnlyTheParametricGrapherEnablesThem) {
    action("Calculator")->trigger();
    EXPECT_FALSE(action("Derivative")->isEnabled());
    EXPECT_FALSE(action("Second_Derivative")->isEnabled());
    action("ParametricGrapher")->trigger();
    EXPECT_TRUE(action("Derivative")->isEnabled());
}

class SearchTest : public CalculusCommandsTest {
protected:
    void SetUp() override {
        CalculusCommandsTest::SetUp();
        box("Text8")->setText("z");
        box("Text6")->setText("-5");
        box("Text7")->setText("5");
    }
    QString shownZ() { return window->findChild<QLabel*>("Label14")->text(); }
};

TEST_F(SearchTest, TheRootOfZSquaredMinusTwoFromOne) {
    box("Text9")->setText("z^2-2");
    box("Text5")->setText("1");
    action("Root")->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(shownZ(), "1.4142135623731");  // sqrt(2) rounded to 15 digits, the trailing 0 dropped
    EXPECT_EQ(box("Text5")->text(), "1");
}

TEST_F(SearchTest, NoRootOfZSquaredPlusOne) {
    box("Text9")->setText("z^2+1");
    box("Text5")->setText("0.5");
    platform.answerMessages({MessageAnswer::Ok});
    action("Root")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  No Root!");
    EXPECT_EQ(platform.messages[0].text, "A root cannot be found near the desired reference number.");
}

// One box per search, whatever failed: the search (ln(-1) fails at the
// start), the reference (it does not evaluate) or the rewriting of the
// reference ("sinn" is no name heal can restore: the box keeps the text).
TEST_F(SearchTest, AFailedSearchShowsOneMessageAndKeepsAnUnreadableReference) {
    struct Case {
        const char* y;
        const char* typed;
        const char* boxAfter;
    };
    const Case cases[] = {
        {"ln(z)", "-1", ""},
        {"z^2-2", "1/0", "1/0"},
        {"z^2-2", "sinn(2)", "sinn(2)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        platform.messages.clear();
        box("Text9")->setText(c.y);
        box("Text5")->setText(c.typed);
        platform.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok});
        action("Root")->trigger();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  No Root!");
        EXPECT_EQ(box("Text5")->text(), c.boxAfter);
    }
}

// Unbalanced parentheses in y(z), in the reference or in both: the
// rewriting of the box, the redraw and the point evaluation each meet them,
// and the search fails, but the user sees the parenthesis message once.
TEST_F(SearchTest, AParenthesisErrorIsTheOneMessage) {
    const std::pair<const char*, const char*> cases[] = {{"(z", "1"}, {"z^2-2", "(1"}, {"(z", "(1"}};
    for (const auto& [y, typed] : cases) {
        SCOPED_TRACE(std::string(y) + " from " + typed);
        platform.messages.clear();
        box("Text9")->setText(y);
        box("Text5")->setText(typed);
        platform.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok});
        action("Root")->trigger();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Formula error!");
    }
}

// The second derivative of z^3-3z near 0 is rounding noise above the
// tolerance; the search still reports the inflection point at 0.
TEST_F(SearchTest, TheInflectionPointOfACubicFromZero) {
    box("Text9")->setText("z^3-3*z");
    box("Text5")->setText("0");
    action("Inflection_Point")->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_NEAR(shownZ().toDouble(), 0.0, 1e-9);
    EXPECT_EQ(box("Text5")->text(), "0");
}

TEST_F(SearchTest, TheExtremumOfAParabolaAndAConstant) {
    box("Text9")->setText("(z-3)^2");
    box("Text5")->setText("0");
    action("Extrema")->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_NEAR(shownZ().toDouble(), 3.0, 1e-9);
}

// A search marks the point it found, once: no cross stays at the start
// value, and the closing box plays after the search but not again at the
// redraws of a zoom or a mode change.
TEST_F(SearchTest, OnlyTheFoundPointIsMarkedAndTheClosingBoxPlaysOnce) {
    struct Case {
        const char* y;
        const char* action;
        double z;  // the point found (x(z) = z)
    };
    const Case cases[] = {{"(z-3)^2", "Extrema", 3}, {"z^3-3*z", "Inflection_Point", 0}, {"z^2-2", "Root", 1.4142135623731}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        box("Text9")->setText(c.y);
        box("Text5")->setText("1");
        action(c.action)->trigger();
        ASSERT_TRUE(platform.messages.empty());
        const std::vector<PictureMarks::Mark>& marks = window->document().marks.drawn;
        ASSERT_EQ(marks.size(), 1u);
        ASSERT_TRUE(std::holds_alternative<PictureMarks::Cross>(marks[0]));
        EXPECT_NEAR(std::get<PictureMarks::Cross>(marks[0]).u, c.z, 1e-6);
        PointEvaluationController& point = window->pointEvaluation();
        EXPECT_TRUE(point.closingBoxRunning());
        for (int i = 0; i < 1000 && point.closingBoxRunning(); ++i) point.closingBoxTick();
        window->plotter().plot();
        EXPECT_FALSE(point.closingBoxRunning());
        action("Calculator")->trigger();
        action("ParametricGrapher")->trigger();
        EXPECT_FALSE(point.closingBoxRunning());
        EXPECT_EQ(window->document().marks.drawn.size(), 1u);  // the redraws mark the point again
    }
}

TEST_F(SearchTest, IntersectionsNeedAListEntry) {
    box("Text9")->setText("z");
    box("Text5")->setText("0");
    platform.answerMessages({MessageAnswer::Ok});
    action("Intersection")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta");
    EXPECT_EQ(platform.messages[0].text, "You need to plot at least two functions to find an intersection.");
    // With the entry 2-z the lines meet at z = 1.
    box("Text27")->setText("2-z");
    window->findChild<QPushButton*>("Command28")->click();
    platform.messages.clear();
    action("Intersection")->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_NEAR(shownZ().toDouble(), 1.0, 1e-9);
}

TEST_F(SearchTest, AnEmptyBoxAsksForTheReferenceNumber) {
    QString shown;
    platform.whileMessageShown = [&](const RecordedMessage&) { shown = box("Text5")->text(); };
    platform.answerMessages({MessageAnswer::Ok});
    action("Inflection_Point")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Please enter a reference number from which to start looking for an inflection point.");
    EXPECT_EQ(shown, "Enter number here!");
    EXPECT_EQ(box("Text5")->text(), "");
}

TEST_F(SearchTest, TransformationsAndPolarDisableTheCartesianSearches) {
    action("Logx")->trigger();
    EXPECT_FALSE(action("Root")->isEnabled());
    EXPECT_FALSE(action("Integral")->isEnabled());
    EXPECT_TRUE(action("Derivative")->isEnabled());
    action("Logx")->trigger();
    EXPECT_TRUE(action("Root")->isEnabled());
    window->findChild<QRadioButton*>("Option2")->click();
    EXPECT_FALSE(action("Extrema")->isEnabled());
}

class IntegralPanelTest : public CalculusCommandsTest {
protected:
    QString integrate(const char* x, const char* y, const char* lower, const char* upper) {
        box("Text30")->setText(x);
        box("Text31")->setText(y);
        box("Text33")->setText(lower);
        box("Text32")->setText(upper);
        window->findChild<QPushButton*>("Command54")->click();
        return window->findChild<QLabel*>("Label46")->text();
    }
};

TEST_F(IntegralPanelTest, TheMenuEntryOpensThePanelOverTheFunctionControls) {
    box("Text8")->setText("z");
    action("Integral")->trigger();
    EXPECT_TRUE(window->findChild<QWidget*>("Picture5")->isVisible());
    EXPECT_TRUE(action("Integral")->isChecked());
    EXPECT_EQ(box("Text30")->text(), "z");
    EXPECT_FALSE(window->findChild<QMenu*>("View")->menuAction()->isEnabled());
    EXPECT_FALSE(action("Derivative")->isEnabled());
    EXPECT_EQ(window->defaults().defaultButton(), window->findChild<QPushButton*>("Command54"));
    window->findChild<QPushButton*>("Command53")->click();
    EXPECT_FALSE(window->findChild<QWidget*>("Picture5")->isVisible());
    EXPECT_FALSE(action("Integral")->isChecked());
    EXPECT_TRUE(action("Derivative")->isEnabled());
    EXPECT_TRUE(window->findChild<QMenu*>("View")->menuAction()->isEnabled());
}

TEST_F(IntegralPanelTest, KnownAreasAndTheContinuityMessage) {
    action("Integral")->trigger();
    EXPECT_EQ(integrate("z", "z^2", "0", "3"), "9");
    EXPECT_EQ(integrate("z", "-1", "0", "2"), "-2");
    EXPECT_EQ(integrate("cos(z)", "sin(z)", "0", "2pi"), "-3.141592654");
    EXPECT_EQ(box("Text8")->text(), "cos(z)");  // the integrated function became the current one
    EXPECT_TRUE(platform.messages.empty());
    platform.answerMessages({MessageAnswer::Ok});
    EXPECT_EQ(integrate("z", "sqrt(z)", "-1", "1"), "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The function must be continuous over the desired interval.");
}

// The shading lies under the curve in a paler colour: the curve keeps its
// colour where the shading meets it, and the area between is shaded.
TEST_F(IntegralPanelTest, TheShadingIsPaleAndUnderTheCurve) {
    box("Text6")->setText("-5");
    box("Text7")->setText("5");
    action("Integral")->trigger();
    ASSERT_EQ(integrate("z", "2", "-3", "3"), "12");
    const GraphDocument& doc = window->document();
    ASSERT_EQ(doc.marks.drawn.size(), 1u);
    const auto& shading = std::get<PictureMarks::Shading>(doc.marks.drawn[0]);
    PictureArea& picture = *window->findChild<PictureArea*>("Picture1");
    const QImage& image = picture.image();
    const ViewRange view = viewOf(doc);
    const auto pixel = [&](double x, double y) {
        return image.pixelColor(static_cast<int>(mapX(view, picture, x) / 15),
                                static_cast<int>(mapY(view, picture, y) / 15));
    };
    const uint32_t line = doc.colors[kFunctionLine];
    const QColor lineColor(line & 0xFF, (line >> 8) & 0xFF, (line >> 16) & 0xFF);
    const uint32_t pale = shadingColor(line, doc.colors[kBackground]);
    const QColor paleColor(pale & 0xFF, (pale >> 8) & 0xFF, (pale >> 16) & 0xFF);
    ASSERT_NE(paleColor, lineColor);
    int shaded = 0;
    for (double x : {shading.lower + 4 * shading.step, shading.lower + 9 * shading.step}) {
        SCOPED_TRACE(x);
        // The curve y = 2 runs over the shading's top end; between it and
        // the axis lies the shading.
        bool curveShown = false;
        for (double dy : {-0.02, 0.0, 0.02}) curveShown = curveShown || pixel(x, 2 + dy) == lineColor;
        EXPECT_TRUE(curveShown);
        for (double dx : {-0.01, 0.0, 0.01}) shaded += pixel(x + dx, 1) == paleColor;
        EXPECT_NE(pixel(x, 1), lineColor);
    }
    EXPECT_GE(shaded, 2);
}

TEST_F(IntegralPanelTest, RefusalsShowTheirMessages) {
    action("Integral")->trigger();
    platform.answerMessages({MessageAnswer::Ok, MessageAnswer::Ok});
    integrate("z", "A*z", "0", "1");
    integrate("z", "z", "2", "1");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].title, "Quorvanta  -  Function Error!");
    EXPECT_EQ(platform.messages[0].text, "Animations are not allowed to be integrated.");
    EXPECT_EQ(platform.messages[1].title, "Quorvanta  -  Data Error!");
    EXPECT_EQ(platform.messages[1].text, "The upper bound must be greater than the lower bound.");
}

}  // namespace
}  // namespace qv
