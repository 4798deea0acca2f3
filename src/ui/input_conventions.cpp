#include "ui/input_conventions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
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

// Selects the whole text after the focus arrives; deferred, because the
// click that gave the focus would otherwise place the caret afterwards.
class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* box = qobject_cast<QLineEdit*>(watched);
            if (box != nullptr) QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return false;
    }
};

QString correctedNumber(const QString& text, double low, double high, int decimals, const QString& fallback) {
    const std::optional<double> v = toNumber(text.toStdString());
    if (!v) return fallback;
    double x = std::clamp(*v, low, high);
    if (decimals >= 0) x = roundHalfEven(x, decimals);
    return QString::fromStdString(plainText(x));
}

}  // namespace

void selectAllOnFocus(QLineEdit* box) {
    box->installEventFilter(new SelectAllFilter(box));
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
