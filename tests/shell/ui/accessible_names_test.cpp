// What a screen reader reads of the main window: in every mode, every
// control it can reach has a name, and buttons that share a name tell
// apart by their descriptions.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QLineEdit>
#include <QTimer>

#include <map>
#include <set>
#include <string>

#include "plot/ui/point_evaluation_controller.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

bool interactive(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w->parentWidget()) || qobject_cast<const QComboBox*>(w->parentWidget())) {
        return false;  // a combo box's own line edit
    }
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

// The faults of the visible controls: "<object> has no name", and
// "<n> buttons named <name>" where their descriptions do not differ.
std::string namingFaults(const QWidget& window) {
    std::string faults;
    std::map<QString, std::set<QString>> descriptions;
    std::map<QString, int> buttons;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || !interactive(w)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString name = a != nullptr ? a->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty()) faults += w->objectName().toStdString() + " has no name; ";
        if (a == nullptr || !qobject_cast<QAbstractButton*>(w)) continue;
        ++buttons[name];
        descriptions[name].insert(a->text(QAccessible::Description));
    }
    for (const auto& [name, count] : buttons) {
        if (static_cast<int>(descriptions[name].size()) != count) {
            faults += std::to_string(count) + " buttons named " + name.toStdString() + "; ";
        }
    }
    return faults;
}

TEST(AccessibleNamesTest, EveryControlOfEveryModeHasANameAndSameNamedButtonsDiffer) {
    FakePlatform platform;
    MainWindow window(&platform);
    window.resize(1800, 900);  // wide enough for every panel beside the graph's controls
    window.show();
    for (const char* mode : {"ParametricGrapher", "Calculator", "List", "Vectors"}) {
        SCOPED_TRACE(mode);
        window.findChild<QAction*>(mode)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(namingFaults(window), "");
    }
}

// The dialogs the menus open, read while they are up, and the integral's
// panel beside the graph.
TEST(AccessibleNamesTest, EveryDialogsControlsHaveNames) {
    FakePlatform platform;
    platform.printers = {"Office", "Lab"};
    MainWindow window(&platform);
    window.resize(1800, 900);
    window.show();
    for (const char* command : {"Options", "PrintMe"}) {
        SCOPED_TRACE(command);
        std::string faults = "no dialog opened";
        QTimer::singleShot(0, [&faults] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) return;
            faults = namingFaults(*dialog);
            dialog->close();
        });
        window.findChild<QAction*>(command)->trigger();
        EXPECT_EQ(faults, "");
    }
    window.findChild<QAction*>("Integral")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(namingFaults(window), "");
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// The picture's description follows every drawing and names the found
// point while one is shown. (That each change reaches the accessibility bus
// is read through AT-SPI by tests/install/atspi_test.sh: the offscreen
// platform has no bus to hear it.)
TEST(AccessibleNamesTest, ThePicturesDescriptionNamesTheFoundPoint) {
    FakePlatform platform;
    MainWindow window(&platform);
    window.resize(1800, 900);
    window.show();
    window.findChild<QLineEdit*>("Text8")->setText("z");
    window.findChild<QLineEdit*>("Text9")->setText("z^2");
    window.findChild<QLineEdit*>("Text5")->setText("1.5");
    window.findChild<QAbstractButton*>("Command1")->click();
    QApplication::processEvents();
    const QWidget* picture = window.findChild<QWidget*>("Picture1");
    EXPECT_EQ(picture->accessibleDescription().toStdString(),
              "x(z) = z, y(z) = z^2; view: x from -5 to 5, y from -4.16 to 4.16; found point: z = 1.5, x = 1.5, y = 2.25");
    // Polar mode names the coordinates th and r; an emptied box takes the point away.
    window.findChild<QAbstractButton*>("Option2")->click();
    QApplication::processEvents();
    EXPECT_TRUE(picture->accessibleDescription().endsWith("found point: z = 1.5, th = 1.5, r = 2.25"))
        << picture->accessibleDescription().toStdString();
    // Find waits for its closing box to end; the test ends it at once.
    for (int ticks = 0; window.pointEvaluation().closingBoxRunning() && ticks < 1000; ++ticks) {
        window.pointEvaluation().closingBoxTick();
    }
    window.findChild<QLineEdit*>("Text5")->setText("");
    window.findChild<QAbstractButton*>("Command1")->click();
    QApplication::processEvents();
    EXPECT_FALSE(picture->accessibleDescription().contains("found point")) << picture->accessibleDescription().toStdString();
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// Everything a mouse reaches, Tab reaches too, and Tab stops only where the
// focus shows: on a control, a box, a list, a tab row, a framed scrolling
// area or the graph; never on a bare panel that would hold the focus
// without a sign of it.
TEST(KeyboardReachTest, EveryControlIsATabStopAndEveryTabStopShowsItsFocus) {
    FakePlatform platform;
    MainWindow window(&platform);
    window.resize(1800, 900);
    window.show();
    for (const char* mode : {"ParametricGrapher", "Calculator", "List", "Vectors"}) {
        SCOPED_TRACE(mode);
        window.findChild<QAction*>(mode)->trigger();
        QApplication::processEvents();
        std::string unreachable, bareStops;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled() || w->focusProxy() != nullptr) continue;
            const bool stop = (w->focusPolicy() & Qt::TabFocus) != 0;
            const bool showsFocus = interactive(w) || qobject_cast<QAbstractScrollArea*>(w) != nullptr ||
                                    qobject_cast<QTabBar*>(w) != nullptr || w->objectName() == "Picture1";
            if (interactive(w) && !stop) unreachable += w->objectName().toStdString() + " ";
            if (stop && !showsFocus) bareStops += w->objectName().toStdString() + "(" + w->metaObject()->className() + ") ";
        }
        EXPECT_EQ(unreachable, "");
        EXPECT_EQ(bareStops, "");
    }
}

}  // namespace
}  // namespace qv
