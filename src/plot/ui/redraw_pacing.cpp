#include "plot/ui/redraw_pacing.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace qv {

RedrawPacing::RedrawPacing(QWidget* window, QAbstractButton* stopButton,
                           std::function<void(const QString&)> progress)
    : window_(window), stopButton_(stopButton), progress_(std::move(progress)) {
    started_.start();
    sincePause_.start();
    QCoreApplication::instance()->installEventFilter(this);
}

RedrawPacing::~RedrawPacing() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (busyPointer_) QGuiApplication::restoreOverrideCursor();
}

void RedrawPacing::process(Mode mode) {
    mode_ = mode;
    QCoreApplication::processEvents();
    mode_ = Mode::Off;
    sincePause_.start();
}

void RedrawPacing::yieldAll() { process(Mode::All); }

bool RedrawPacing::poll(int curve, int curves) {
    if (stop_ || started_.elapsed() < kQuietMs || sincePause_.elapsed() < kIntervalMs) return stop_;
    if (!busyPointer_) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        busyPointer_ = true;
    }
    if (progress_) progress_(drawingProgressText(curve, curves));
    process(Mode::Held);
    return stop_;
}

// The user's input, which a long redraw holds back from the window.
bool RedrawPacing::holdsBack(QEvent* event) const {
    if (mode_ != Mode::Held) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod: return true;
    default: return false;
    }
}

bool RedrawPacing::eventFilter(QObject* watched, QEvent* event) {
    if (mode_ == Mode::Off) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Another window (a message box a timer raised) is not the drawing's.
    if (widget == nullptr || window_ == nullptr || widget->window() != window_) return false;
    const QEvent::Type type = event->type();
    if (stopButton_ != nullptr && (widget == stopButton_ || stopButton_->isAncestorOf(widget))) {
        // "Stop" takes its click as usual (it also ends an animation).
        if (type == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            stop_ = true;
        }
        return false;
    }
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool escape = key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
        if (escape && type == QEvent::KeyPress) {
            stop_ = true;
            stopByKey_ = true;
        }
        // Accepting the override keeps the menus' shortcuts from running:
        // the key itself then comes as a key press.
        if (escape || mode_ == Mode::Held) {
            event->accept();
            return true;
        }
        return false;
    }
    if (type == QEvent::Close && widget == window_) {
        stop_ = true;
        event->ignore();
        return true;
    }
    return holdsBack(event);
}

QString drawingProgressText(int curve, int curves) {
    return QCoreApplication::translate("qv::RedrawPacing", "Drawing curve %1 of %2 (Esc or Stop ends the drawing)")
        .arg(curve + 1)
        .arg(curves);
}

}  // namespace qv
