#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>

#include <initializer_list>

class QLineEdit;
class QWidget;

// The input conventions every panel follows: boxes select their whole text
// when they get the focus, Enter clicks the window's current default button,
// and numeric boxes correct themselves.
namespace qv {

// The conventions every box follows: it selects its whole text whenever it
// gets the focus (by the keyboard or by a click); when the focus leaves, or
// when the program writes it while the focus is elsewhere, it shows the
// start of its text, unselected.
void applyBoxConventions(QLineEdit* box);

// The buttons of a list (the data list, the function list), which share
// their captions with the other list's: the arrows are named by what they
// do, and every button says which list it acts on (`list`).
void describeListButtons(std::initializer_list<QPushButton*> buttons, QPushButton* up, QPushButton* down,
                         const QString& list);

// Disables a control; when it has the focus, the focus goes to `focusTo`
// first rather than to whatever control Qt would pick next.
void disableKeepingFocus(QWidget* control, QWidget* focusTo);

// Tells whether the user has chosen where the focus goes: a mouse button
// went down on a control of the window that takes the focus by a click since
// the window was last deactivated, or a button is down now. The window's own
// focus rule on activation stands back then, so an activation that comes
// with a click never moves the focus away from the control clicked.
class ClickFocusWatcher : public QObject {
    Q_OBJECT
public:
    explicit ClickFocusWatcher(QWidget* window);
    bool userChoseFocus() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool clicked_ = false;
};

// Keeps the window's current default button and clicks it on Enter or
// Return in any box of the window. Handlers move the default with
// setDefaultButton as the program's rules say.
class DefaultButtonKeeper : public QObject {
    Q_OBJECT
public:
    // Watches every key press that reaches `window` or its children.
    explicit DefaultButtonKeeper(QWidget* window);

    void setDefaultButton(QPushButton* button);
    QPushButton* defaultButton() const { return current_; }

Q_SIGNALS:
    void defaultButtonChanged(QPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QPointer<QPushButton> current_;
};

// A numeric box that corrects itself: on losing the focus, a text that is
// not a number is replaced by `fallback`; a number outside [low, high] is
// clamped, and with `decimals` >= 0 rounded to that many decimals (half to
// even). Returns nothing; the correction happens on focus-out and on
// editingFinished.
void makeNumericBox(QLineEdit* box, double low, double high, int decimals, const QString& fallback);

}  // namespace qv
