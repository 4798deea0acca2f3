#include "ui/input_conventions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

#include "expression/number_text.h"

namespace qv {

namespace {

// The conventions of a box: its whole text is selected when the focus
// arrives (deferred, because the click that gave the focus would otherwise
// place the caret afterwards); when the focus leaves, the selection goes and
// the box shows the start of its text; and a text the program writes while
// the user is elsewhere shows its start too. A long number cut at the front
// ("7607963267949" for 1.7607963267949) reads as a different number.
class BoxConventionsFilter : public QObject {
public:
    explicit BoxConventionsFilter(QLineEdit* box) : QObject(box) {
        box->installEventFilter(this);
        // The text the box was made with counts as written by the program.
        if (!box->hasFocus()) box->setCursorPosition(0);
        // Writing a text puts the caret at its end, even an unchanged text
        // (with no textChanged). setText clears the modified flag and typing
        // sets it, so only the program's writes are taken back to the start.
        // A selection the program made stays, with the caret at its start.
        connect(box, &QLineEdit::cursorPositionChanged, this, [box](int, int now) {
            if (now == 0 || box->hasFocus() || box->isModified()) return;
            const int start = box->selectionStart(), length = box->selectionLength();
            if (length > 0) {
                if (now == start + length) box->setSelection(start + length, -length);
            } else {
                box->setCursorPosition(0);
            }
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box == nullptr) return false;
        if (event->type() == QEvent::FocusIn) {
            // Selected from the end back to the start, so that the caret,
            // and with it the view of a long text, is at its start.
            QTimer::singleShot(0, box, [box] {
                const int length = static_cast<int>(box->text().size());
                if (box->hasFocus()) box->setSelection(length, -length);
            });
        } else if (event->type() == QEvent::FocusOut) {
            // A context menu or another window takes the focus only for a
            // while; the box keeps its state for when it comes back.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                box->deselect();
                box->setCursorPosition(0);
            }
        }
        return false;
    }
};

bool takesClickFocus(const QWidget* w) {
    const QWidget* target = w->focusProxy() != nullptr ? w->focusProxy() : w;
    return target->isEnabled() && (target->focusPolicy() & Qt::ClickFocus) != 0;
}

}  // namespace

void applyBoxConventions(QLineEdit* box) { new BoxConventionsFilter(box); }

void describeListButtons(std::initializer_list<QPushButton*> buttons, QPushButton* up, QPushButton* down,
                         const QString& list) {
    up->setAccessibleName(QObject::tr("Move item up"));
    down->setAccessibleName(QObject::tr("Move item down"));
    for (QPushButton* b : buttons) b->setAccessibleDescription(list);
    up->setAccessibleDescription(list);
    down->setAccessibleDescription(list);
}

void disableKeepingFocus(QWidget* control, QWidget* focusTo) {
    if (control->hasFocus() && focusTo != nullptr) focusTo->setFocus(Qt::OtherFocusReason);
    control->setEnabled(false);
}

ClickFocusWatcher::ClickFocusWatcher(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool ClickFocusWatcher::userChoseFocus() const {
    return clicked_ || QGuiApplication::mouseButtons() != Qt::NoButton;
}

bool ClickFocusWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == window_ && takesClickFocus(widget)) clicked_ = true;
    } else if (event->type() == QEvent::ActivationChange && watched == window_ && !window_->isActiveWindow()) {
        clicked_ = false;
    }
    return false;
}

QString correctedNumber(const QString& text, double low, double high, int decimals, const QString& fallback) {
    const std::optional<double> v = toNumber(text.toStdString());
    if (!v) return fallback;
    double x = std::clamp(*v, low, high);
    if (decimals >= 0) x = roundHalfEven(x, decimals);
    return QString::fromStdString(plainText(x));
}

DefaultButtonKeeper::DefaultButtonKeeper(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

void DefaultButtonKeeper::setDefaultButton(QPushButton* button) {
    if (current_ == button) return;
    if (current_) current_->setDefault(false);
    current_ = button;
    if (current_) current_->setDefault(true);
    Q_EMIT defaultButtonChanged(button);
}

bool DefaultButtonKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    // Multi-line boxes take Enter as a new line.
    if (qobject_cast<QTextEdit*>(widget) != nullptr || qobject_cast<QPlainTextEdit*>(widget) != nullptr) return false;
    // A focused button is the one Enter presses.
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
        return true;
    }
    if (current_ && current_->isEnabled() && current_->isVisible()) {
        current_->click();
        return true;
    }
    return false;
}

void makeNumericBox(QLineEdit* box, double low, double high, int decimals, const QString& fallback) {
    QObject::connect(box, &QLineEdit::editingFinished, box, [=] {
        const QString fixed = correctedNumber(box->text(), low, high, decimals, fallback);
        if (fixed != box->text()) box->setText(fixed);
    });
}

}  // namespace qv
