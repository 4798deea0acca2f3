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
#include <QLineEdit>

#include <map>
#include <set>
#include <string>

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

}  // namespace
}  // namespace qv
