// The main window's layout at the sizes of small and usual screens: in every
// mode the picture keeps at least half the width, no mode widens the window
// by itself, and the controls beside the picture are shown whole.

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <string>

#include "plot/ui/graph_panel.h"
#include "plot/ui/picture_area.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

void settle(QWidget& window) {
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
        if (window.layout() != nullptr) window.layout()->activate();
    }
}

bool insideScrollArea(const QWidget* w, const QWidget* top) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != top; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(p) != nullptr) return true;
    }
    return false;
}

// The visible controls that lie (partly) outside the window or outside
// their parent, or are narrower than their text needs. Controls in a scroll
// area are left out: scrolling them into view is their purpose.
std::string clippedControls(const QWidget& window) {
    std::string faults;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<const QPushButton*>(w) || qobject_cast<const QCheckBox*>(w) ||
                             qobject_cast<const QRadioButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
                             qobject_cast<const QComboBox*>(w) || qobject_cast<const QLabel*>(w);
        if (!control || !w->isVisible() || insideScrollArea(w, &window)) continue;
        if (qobject_cast<const QLineEdit*>(w->parentWidget()) || qobject_cast<const QComboBox*>(w->parentWidget())) {
            continue;  // a combo box's own line edit
        }
        const QRect inWindow(w->mapTo(&window, QPoint(0, 0)), w->size());
        const QRect inParent = w->geometry();
        const bool outside = !window.rect().contains(inWindow) || !w->parentWidget()->rect().contains(inParent);
        // A label with no text, or one that wraps, may be as narrow as the
        // layout likes.
        const auto* label = qobject_cast<const QLabel*>(w);
        const bool flexible = label != nullptr && (label->text().isEmpty() || label->wordWrap());
        // Its own minimum where one was set (a small button sized to its
        // caption), else what its style asks for.
        const int least = w->minimumWidth() > 0 ? w->minimumWidth() : w->minimumSizeHint().width();
        const bool squeezed = !flexible && w->width() < least;
        if (outside || squeezed) {
            faults += w->objectName().toStdString() + (outside ? " outside" : " squeezed") + "; ";
        }
    }
    return faults;
}

TEST(WindowLayoutTest, EveryModeLeavesThePictureHalfTheWidthAndKeepsTheWindowsSize) {
    const QSize sizes[] = {{1024, 720}, {1400, 900}};
    const char* modes[] = {"Calculator", "List", "Vectors", "ParametricGrapher", "Calculator"};
    FakePlatform platform;
    for (const QSize& size : sizes) {
        MainWindow window(&platform);
        window.resize(size);
        window.show();
        settle(window);
        for (const char* mode : modes) {
            SCOPED_TRACE(std::string(mode) + " at " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
            window.findChild<QAction*>(mode)->trigger();
            settle(window);
            EXPECT_EQ(window.size(), size);
            const QSize least = window.layout()->totalMinimumSize().expandedTo(window.minimumSize());
            EXPECT_LE(least.width(), 1024);
            EXPECT_LE(least.height(), 720);
            const PictureArea* picture = window.findChild<GraphPanel*>()->picture();
            // (The picture's own width() is its drawing width in twips.)
            EXPECT_GE(2 * picture->size().width(), window.width());
            // The read-outs lie under the picture, never over it.
            const QWidget* readouts = window.findChild<QWidget*>("Readouts");
            const QRect pictureRect(picture->mapTo(&window, QPoint(0, 0)), picture->size());
            const QRect readoutRect(readouts->mapTo(&window, QPoint(0, 0)), readouts->size());
            EXPECT_FALSE(pictureRect.intersects(readoutRect));
            EXPECT_GE(readoutRect.top(), pictureRect.bottom());
            // One band in the picture's background colour from the start.
            EXPECT_TRUE(readouts->autoFillBackground());
            EXPECT_EQ(readouts->palette().color(QPalette::Window), QColor(Qt::white));
            EXPECT_EQ(clippedControls(window), "");
            // At 1024 a mode panel takes the place of the graph's controls.
            const bool grapher = std::string(mode) == "ParametricGrapher";
            if (size.width() == 1024) {
                EXPECT_EQ(window.findChild<QWidget*>("GraphControls")->isVisible(), grapher);
            }
        }
        // Narrowed in the calculator mode, the window gives up the graph's
        // controls rather than refuse to shrink; widened to leave room for
        // both beside half of it, it shows them beside the panel again.
        for (const int width : {1024, 1800, 1024}) {
            window.resize(width, size.height());
            settle(window);
            EXPECT_EQ(window.width(), width);
            EXPECT_EQ(window.findChild<QWidget*>("GraphControls")->isVisible(), width == 1800);
            EXPECT_GE(2 * window.findChild<GraphPanel*>()->picture()->size().width(), window.width());
        }
    }
}

}  // namespace
}  // namespace qv
