#include "plot/ui/graph_panel.h"

#include "document/graph_document.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPalette>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <vector>

#include "ui/panel_context.h"

// Readable sizes in failure messages.
void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }

namespace qv {
namespace {

// These waits end as soon as the window system's events are processed; the
// bound only stops a broken run, so it is far beyond any loaded machine.
constexpr int kEventWaitMs = 60000;

enum class Kind { Box, Button, Label, Check, Option };

struct NamedControl {
    const char* name;
    Kind kind;
    const char* caption;  // for a box: its text at start-up
};

// Every control of the graph area with its start-up caption or text.
const NamedControl kControls[] = {
    // View range and tick scales.
    {"Label1", Kind::Label, "x min:"},
    {"Label2", Kind::Label, "x max:"},
    {"Label3", Kind::Label, "y min:"},
    {"Label4", Kind::Label, "y max:"},
    {"Text1", Kind::Box, "-5"},
    {"Text2", Kind::Box, "5"},
    {"Text3", Kind::Box, "-4.16"},
    {"Text4", Kind::Box, "4.16"},
    {"TickScalesLabel", Kind::Label, "Tick Scales:"},
    {"TickScaleXLabel", Kind::Label, "x"},
    {"TickScaleYLabel", Kind::Label, "y"},
    {"Text17", Kind::Box, "1"},
    {"Text18", Kind::Box, "1"},
    {"Command3", Kind::Button, "*pi"},
    {"Command4", Kind::Button, "*pi"},
    {"Command5", Kind::Button, "*pi"},
    {"Command6", Kind::Button, "*pi"},
    {"Command17", Kind::Button, "*pi"},
    {"Command18", Kind::Button, "*pi"},
    {"Command43", Kind::Button, "/pi"},
    {"Command44", Kind::Button, "/pi"},
    {"Command45", Kind::Button, "/pi"},
    {"Command46", Kind::Button, "/pi"},
    {"Command47", Kind::Button, "/pi"},
    {"Command48", Kind::Button, "/pi"},
    // Navigation.
    {"Command2", Kind::Button, "Set to default"},
    {"Command7", Kind::Button, "zoom in x"},
    {"Command8", Kind::Button, "zoom out x"},
    {"Command9", Kind::Button, "zoom in y"},
    {"Command10", Kind::Button, "zoom out y"},
    {"Command11", Kind::Button, "zoom in all"},
    {"Command12", Kind::Button, "zoom out all"},
    {"Command13", Kind::Button, "^"},
    {"Command14", Kind::Button, ">"},
    {"Command15", Kind::Button, "v"},
    {"Command16", Kind::Button, "<"},
    // The current function.
    {"XCaption", Kind::Label, "x(z) ="},
    {"YCaption", Kind::Label, "y(z) ="},
    {"Text8", Kind::Box, ""},
    {"Text9", Kind::Box, ""},
    {"Label21", Kind::Label, "z min:"},
    {"Label22", Kind::Label, "z max:"},
    {"Text6", Kind::Box, ""},
    {"Text7", Kind::Box, ""},
    {"Label19", Kind::Label, "A min:"},
    {"Label23", Kind::Label, "A max:"},
    {"Text10", Kind::Box, ""},
    {"Text11", Kind::Box, ""},
    {"Label24", Kind::Label, ""},
    {"Command19", Kind::Button, "Plot  Line"},
    {"Command20", Kind::Button, "Stop"},
    {"Option1", Kind::Option, "Cartesian"},
    {"Option2", Kind::Option, "Polar"},
    {"Check10", Kind::Check, "Plot Derivative"},
    {"Check4", Kind::Check, "2nd Derivative"},
    {"Check1", Kind::Check, "Plot all functions as y(z)"},
    // Point evaluation.
    {"GoToZLabel", Kind::Label, "Go to z ="},
    {"Text5", Kind::Box, ""},
    {"Command1", Kind::Button, "Find x(z), y(z)"},
    {"Label9", Kind::Label, "Freeze x(z), y(z)"},
    {"Label10", Kind::Label, "z ="},
    {"Label11", Kind::Label, "x ="},
    {"Label12", Kind::Label, "y ="},
    {"Label14", Kind::Label, ""},
    {"Label15", Kind::Label, ""},
    {"Label16", Kind::Label, ""},
    // Mouse coordinates.
    {"Label13", Kind::Label, "Mouse Coordinates"},
    {"Label5", Kind::Label, "x ="},
    {"Label6", Kind::Label, ""},
    {"Label7", Kind::Label, "y ="},
    {"Label8", Kind::Label, ""},
};

// The point read-out is hidden while no z is given; the mouse read-out
// until the mouse moves over the window.
const char* const kHiddenReadouts[] = {
    "Label9", "Label10", "Label11", "Label12", "Label14", "Label15", "Label16",
    "Label5", "Label6",  "Label7",  "Label8",  "Label13",
};

// Each box of the view range with the pi buttons that act on it.
struct PiPair {
    const char* box;
    const char* timesPi;
    const char* byPi;
};
const PiPair kPiButtons[] = {
    {"Text1", "Command3", "Command43"},  {"Text2", "Command4", "Command44"},
    {"Text3", "Command5", "Command45"},  {"Text4", "Command6", "Command46"},
    {"Text17", "Command17", "Command47"}, {"Text18", "Command18", "Command48"},
};

QString captionOf(QWidget* widget, Kind kind) {
    switch (kind) {
        case Kind::Box: return static_cast<QLineEdit*>(widget)->text();
        case Kind::Label: return static_cast<QLabel*>(widget)->text();
        default: return static_cast<QAbstractButton*>(widget)->text();
    }
}

bool hasKind(QWidget* widget, Kind kind) {
    switch (kind) {
        case Kind::Box: return qobject_cast<QLineEdit*>(widget) != nullptr;
        case Kind::Button: return qobject_cast<QPushButton*>(widget) != nullptr;
        case Kind::Label: return qobject_cast<QLabel*>(widget) != nullptr;
        case Kind::Check: return qobject_cast<QCheckBox*>(widget) != nullptr;
        case Kind::Option: return qobject_cast<QRadioButton*>(widget) != nullptr;
    }
    return false;
}

class GraphPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.doc = &doc;
        QObject::connect(&ctx.events, &PanelEvents::documentEdited, [this] { ++edits; });
        panel = std::make_unique<GraphPanel>(ctx);
    }

    // Shows the panel at a size; fails when its minimum size is larger.
    void showAt(QSize size) {
        panel->resize(size);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get(), kEventWaitMs));
        panel->layout()->activate();
        ASSERT_EQ(panel->size(), size) << "the panel does not fit";
    }

    QWidget* named(const char* name) const { return panel->findChild<QWidget*>(name); }

    // The geometry of a control in the panel's coordinates.
    QRect placeOf(const QWidget* widget) const {
        return QRect(widget->mapTo(panel.get(), QPoint(0, 0)), widget->size());
    }

    // The controls a user sees and clicks: boxes, buttons, labels and the
    // picture, but not the containers that arrange them.
    std::vector<QWidget*> visibleControls() const {
        std::vector<QWidget*> out;
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QLabel*>(w) || w == panel->picture();
            if (control && w->isVisible()) out.push_back(w);
        }
        return out;
    }

    // Every read-out shown with a long value, as in use: the layout must
    // have room for them, too.
    void showAllReadouts() {
        for (const char* name : kHiddenReadouts) {
            auto* label = panel->findChild<QLabel*>(name);
            if (label->text().isEmpty()) label->setText("-1.23456789012345E-100");
            label->show();
        }
        // The mouse coordinates may show multiples of pi.
        for (const char* name : {"Label6", "Label8"}) {
            panel->findChild<QLabel*>(name)->setText("-1.23456789012345E-100 * pi");
        }
        panel->setPlotStatus("x(z): Type mismatch at every sample");
        panel->layout()->activate();
    }

    GraphDocument doc;
    PanelContext ctx;
    int edits = 0;
    std::unique_ptr<GraphPanel> panel;
};

TEST_F(GraphPanelTest, EveryNamedControlHasItsClassAndCaption) {
    EXPECT_EQ(panel->objectName(), "GraphPanel");
    for (const NamedControl& c : kControls) {
        SCOPED_TRACE(c.name);
        const QList<QWidget*> found = panel->findChildren<QWidget*>(c.name);
        ASSERT_EQ(found.size(), 1) << "each name is given to exactly one control";
        ASSERT_TRUE(hasKind(found.front(), c.kind));
        EXPECT_EQ(captionOf(found.front(), c.kind), QString::fromLatin1(c.caption));
    }
    ASSERT_NE(named("Picture1"), nullptr);
    EXPECT_EQ(named("Picture1"), panel->picture());
}

TEST_F(GraphPanelTest, StartUpChoicesAndReadouts) {
    EXPECT_TRUE(panel->findChild<QRadioButton*>("Option1")->isChecked());
    EXPECT_FALSE(panel->findChild<QRadioButton*>("Option2")->isChecked());
    for (const char* name : {"Check1", "Check4", "Check10"}) {
        EXPECT_FALSE(panel->findChild<QCheckBox*>(name)->isChecked()) << name;
    }
    showAt({1024, 720});
    for (const char* name : kHiddenReadouts) {
        EXPECT_FALSE(named(name)->isVisible()) << name;
    }
    // The picture's background is white before anything is drawn.
    const QImage shown = panel->picture()->grab().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::white));
}

TEST_F(GraphPanelTest, ModeOptionsExcludeEachOther) {
    panel->findChild<QRadioButton*>("Option2")->click();
    EXPECT_TRUE(panel->findChild<QRadioButton*>("Option2")->isChecked());
    EXPECT_FALSE(panel->findChild<QRadioButton*>("Option1")->isChecked());
    panel->findChild<QRadioButton*>("Option1")->click();
    EXPECT_FALSE(panel->findChild<QRadioButton*>("Option2")->isChecked());
}

// The program reaches the controls through the typed groups; each member
// must be the control of its given name.
TEST_F(GraphPanelTest, TypedControlsAreTheNamedControls) {
    const FunctionControls& f = panel->function();
    const ViewControls& v = panel->view();
    const Readouts& r = panel->readouts();
    struct Case {
        QWidget* got;
        const char* name;
    };
    const Case cases[] = {
        {f.x, "Text8"}, {f.y, "Text9"}, {f.zMin, "Text6"}, {f.zMax, "Text7"}, {f.aMin, "Text10"}, {f.aMax, "Text11"},
        {f.xCaption, "XCaption"}, {f.yCaption, "YCaption"}, {f.zMinLabel, "Label21"}, {f.zMaxLabel, "Label22"},
        {f.aMinLabel, "Label19"}, {f.aMaxLabel, "Label23"}, {f.plot, "Command19"}, {f.stop, "Command20"},
        {f.aValue, "Label24"}, {f.cartesian, "Option1"}, {f.polar, "Option2"}, {f.derivative, "Check10"},
        {f.secondDerivative, "Check4"}, {f.plotAll, "Check1"},
        {panel->point().goToZ, "Text5"}, {panel->point().find, "Command1"}, {panel->picture(), "Picture1"},
        {v.range[0], "Text1"}, {v.range[1], "Text2"}, {v.range[2], "Text3"}, {v.range[3], "Text4"},
        {v.rangeLabel[0], "Label1"}, {v.rangeLabel[1], "Label2"}, {v.rangeLabel[2], "Label3"},
        {v.rangeLabel[3], "Label4"}, {v.xTick, "Text17"}, {v.yTick, "Text18"},
        {v.timesPi[0], "Command3"}, {v.timesPi[1], "Command4"}, {v.timesPi[2], "Command5"},
        {v.timesPi[3], "Command6"}, {v.timesPi[4], "Command17"}, {v.timesPi[5], "Command18"},
        {v.byPi[0], "Command43"}, {v.byPi[1], "Command44"}, {v.byPi[2], "Command45"},
        {v.byPi[3], "Command46"}, {v.byPi[4], "Command47"}, {v.byPi[5], "Command48"},
        {v.zoomInX, "Command7"}, {v.zoomOutX, "Command8"}, {v.zoomInY, "Command9"}, {v.zoomOutY, "Command10"},
        {v.zoomInAll, "Command11"}, {v.zoomOutAll, "Command12"}, {v.setToDefault, "Command2"},
        {v.up, "Command13"}, {v.right, "Command14"}, {v.down, "Command15"}, {v.left, "Command16"},
        {r.mouseTitle, "Label13"}, {r.mouseX, "Label5"}, {r.mouseY, "Label7"}, {r.mouseXValue, "Label6"},
        {r.mouseYValue, "Label8"}, {r.freeze, "Label9"}, {r.pointZ, "Label10"}, {r.pointX, "Label11"},
        {r.pointY, "Label12"}, {r.pointZValue, "Label14"}, {r.pointXValue, "Label15"}, {r.pointYValue, "Label16"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.got, nullptr) << c.name;
        EXPECT_EQ(c.got->objectName(), c.name);
    }
}

// The integral panel takes the place of the function block, so that block
// must hold the function's own controls and nothing that stays usable
// while the integral tool is open.
TEST_F(GraphPanelTest, FunctionBlockHoldsTheFunctionControlsOnly) {
    QWidget* block = panel->functionBlock();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(panel->functionArea()->currentWidget(), block);
    for (const char* inside : {"Text8", "Text9", "Text6", "Text7", "Text10", "Text11", "Command19",
                               "Command20", "Option1", "Option2", "Check1", "Check4", "Check10"}) {
        EXPECT_TRUE(block->isAncestorOf(named(inside))) << inside;
    }
    for (const char* outside : {"Text5", "Command1", "Text1", "Text17", "Command2", "Picture1", "Label14"}) {
        EXPECT_FALSE(block->isAncestorOf(named(outside))) << outside;
    }
}

TEST_F(GraphPanelTest, PictureTakesMostOfTheSpaceAndGrowsWithThePanel) {
    showAt({1024, 720});
    const QRect small = placeOf(panel->picture());
    for (QWidget* w : visibleControls()) {
        if (w == panel->picture()) continue;
        EXPECT_LT(w->width() * w->height(), small.width() * small.height()) << w->objectName().toStdString();
    }
    EXPECT_GT(small.width(), panel->width() / 2);
    EXPECT_GT(small.height(), panel->height() * 3 / 4);

    panel->resize(1920, 1080);
    panel->layout()->activate();
    ASSERT_EQ(panel->size(), QSize(1920, 1080));
    const QRect large = placeOf(panel->picture());
    // Nearly all of the extra room goes to the picture.
    EXPECT_GE(large.width() - small.width(), (1920 - 1024) * 9 / 10);
    EXPECT_GE(large.height() - small.height(), (1080 - 720) * 9 / 10);
}

TEST_F(GraphPanelTest, ShowingTheReadoutsDoesNotMoveThePicture) {
    showAt({1024, 720});
    const QRect before = placeOf(panel->picture());
    showAllReadouts();
    EXPECT_EQ(placeOf(panel->picture()), before);
}

TEST_F(GraphPanelTest, PiButtonsSitBesideTheirBox) {
    showAt({1024, 720});
    for (const PiPair& p : kPiButtons) {
        SCOPED_TRACE(p.box);
        const QRect box = placeOf(named(p.box));
        const QRect times = placeOf(named(p.timesPi));
        const QRect by = placeOf(named(p.byPi));
        EXPECT_GT(times.left(), box.right());
        EXPECT_GT(by.left(), times.right());
        EXPECT_TRUE(box.top() <= times.center().y() && times.center().y() <= box.bottom());
        EXPECT_TRUE(box.top() <= by.center().y() && by.center().y() <= box.bottom());
    }
}

// At the smallest and at a large screen size, with every read-out showing a
// long value: no two controls overlap, each lies inside the panel, and no
// caption is cut.
// The read-outs take the picture's colours as one band: no label paints a
// box of its own, and each shows its text in the axis colour.
TEST_F(GraphPanelTest, ReadoutColorsMakeOneBandWithoutBoxes) {
    showAt(QSize(1024, 720));
    showAllReadouts();
    const uint32_t axis = packColor(200, 10, 20);
    panel->setReadoutColors(packColor(255, 255, 255), axis);
    for (const char* name : {"Label13", "Label5", "Label6", "Label9", "Label14", "Label16"}) {
        auto* label = panel->findChild<QLabel*>(name);
        EXPECT_FALSE(label->autoFillBackground()) << name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(200, 10, 20)) << name;
    }
}

class GraphPanelSizeTest : public GraphPanelTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(GraphPanelSizeTest, NothingOverlapsAndNoCaptionIsCut) {
    const QSize size = GetParam();
    showAt(size);
    showAllReadouts();
    ASSERT_EQ(panel->size(), size) << "the read-outs widened the panel";
    const QRect whole = panel->rect();
    const std::vector<QWidget*> controls = visibleControls();
    ASSERT_GE(controls.size(), std::size(kControls));
    for (size_t i = 0; i < controls.size(); ++i) {
        const QRect a = placeOf(controls[i]);
        const std::string name = controls[i]->objectName().toStdString();
        EXPECT_TRUE(whole.contains(a)) << name;
        for (size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(a.intersects(placeOf(controls[j])))
                << name << " overlaps " << controls[j]->objectName().toStdString();
        }
        const QFontMetrics fm = controls[i]->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(controls[i])) {
            EXPECT_GE(label->width(), fm.horizontalAdvance(label->text())) << name;
        } else if (auto* button = qobject_cast<QPushButton*>(controls[i])) {
            EXPECT_GE(button->width(), fm.horizontalAdvance(button->text()) + 8) << name;
        } else if (auto* choice = qobject_cast<QAbstractButton*>(controls[i])) {
            EXPECT_GE(choice->width(), choice->sizeHint().width()) << name;
        } else if (qobject_cast<QLineEdit*>(controls[i]) != nullptr) {
            EXPECT_GE(controls[i]->width(), fm.horizontalAdvance("-3.14159265")) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, GraphPanelSizeTest,
                         // The whole window, and the graph panel beside the
                         // list or calculator panel at 1024x720, and beside
                         // them in the smallest window.
                         ::testing::Values(QSize(1024, 720), QSize(1920, 1080), QSize(700, 680),
                                           QSize(520, 680)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

TEST_F(GraphPanelTest, EveryBoxSelectsItsWholeTextOnFocus) {
    showAt({1024, 720});
    QApplication::setActiveWindow(panel.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get(), kEventWaitMs));
    for (const NamedControl& c : kControls) {
        if (c.kind != Kind::Box) continue;
        auto* box = panel->findChild<QLineEdit*>(c.name);
        box->setText("12.5");
        box->deselect();
        box->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->selectedText() == "12.5"; }, kEventWaitMs)) << c.name;
    }
}

TEST_F(GraphPanelTest, TypingMarksTheDocumentEditedButProgramWritesDoNot) {
    showAt({1024, 720});
    QApplication::setActiveWindow(panel.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get(), kEventWaitMs));
    for (const NamedControl& c : kControls) {
        if (c.kind != Kind::Box) continue;
        SCOPED_TRACE(c.name);
        auto* box = panel->findChild<QLineEdit*>(c.name);
        edits = 0;
        box->setText("3");
        EXPECT_EQ(edits, 0);
        EXPECT_EQ(box->cursorPosition(), 0) << "a written text shows its start";
        box->setFocus();
        box->end(false);  // typing goes where the user puts the caret
        QTest::keyClick(box, Qt::Key_7);
        EXPECT_EQ(edits, 1);
        EXPECT_EQ(box->text(), "37");
    }
}

// A screen reader names every control it can reach: boxes by their labels,
// symbol buttons by what they do; buttons that share a caption (the six
// "*pi" and "/pi") tell apart by their descriptions. In both graphing
// modes.
TEST_F(GraphPanelTest, EveryControlHasAnAccessibleNameAndSameNamedButtonsDiffer) {
    for (const char* mode : {"Option1", "Option2"}) {
        panel->findChild<QRadioButton*>(mode)->click();
        std::map<QString, std::set<QString>> descriptionsByName;
        std::map<QString, int> countByName;
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w)) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr) << w->objectName().toStdString();
            const QString name = a->text(QAccessible::Name).trimmed();
            EXPECT_FALSE(name.isEmpty()) << mode << ": " << w->objectName().toStdString() << " has no name";
            if (!qobject_cast<QAbstractButton*>(w)) continue;
            ++countByName[name];
            descriptionsByName[name].insert(a->text(QAccessible::Description));
        }
        for (const auto& [name, count] : countByName) {
            EXPECT_EQ(static_cast<int>(descriptionsByName[name].size()), count)
                << mode << ": " << count << " buttons named \"" << name.toStdString() << "\" without distinct descriptions";
        }
    }
    // A box's name follows its caption, as Polar mode changes it.
    panel->findChild<QLabel*>("XCaption")->setText("th(z) =");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panel->findChild<QLineEdit*>("Text8"))->text(QAccessible::Name),
              "th(z) =");
}

}  // namespace
}  // namespace qv
