#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>

class QLineEdit;
class QWidget;

// The input conventions every panel follows: boxes select their whole text
// when they get the focus, Enter clicks the window's current default button,
// and numeric boxes correct themselves.
namespace qv {

// Makes the box select its whole text whenever it gets the focus (by the
// keyboard or by a click).
void selectAllOnFocus(QLineEdit* box);

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
