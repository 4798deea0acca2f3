#include "ui/document_binding.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>

namespace qv {

namespace {

CheckMark markOf(const QAbstractButton* box) {
    if (const auto* check = qobject_cast<const QCheckBox*>(box)) {
        switch (check->checkState()) {
        case Qt::Checked: return CheckMark::On;
        case Qt::PartiallyChecked: return CheckMark::Greyed;
        case Qt::Unchecked: break;
        }
        return CheckMark::Off;
    }
    return checkMark(box->isChecked());
}

}  // namespace

void bindText(QLineEdit* box, std::string& field) {
    showText(box, field);
    QObject::connect(box, &QLineEdit::textChanged, box, [&field](const QString& text) { field = text.toStdString(); });
}

void bindCheck(QAbstractButton* box, CheckMark& field) {
    showCheck(box, field);
    const auto store = [box, &field] { field = markOf(box); };
    if (auto* check = qobject_cast<QCheckBox*>(box)) {
        QObject::connect(check, &QCheckBox::stateChanged, box, store);
    } else {
        QObject::connect(box, &QAbstractButton::toggled, box, store);
    }
}

void bindCheck(QAbstractButton* box, bool& field) {
    box->setChecked(field);
    QObject::connect(box, &QAbstractButton::toggled, box, [&field](bool on) { field = on; });
}

void showText(QLineEdit* box, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (box->text() != shown) box->setText(shown);
}

void showCheck(QAbstractButton* box, CheckMark mark) {
    if (auto* check = qobject_cast<QCheckBox*>(box)) {
        const Qt::CheckState state = mark == CheckMark::On       ? Qt::Checked
                                     : mark == CheckMark::Greyed ? Qt::PartiallyChecked
                                                                 : Qt::Unchecked;
        if (check->checkState() != state) check->setCheckState(state);
        return;
    }
    if (box->isChecked() != isOn(mark)) box->setChecked(isOn(mark));
}

void BoundControls::bind() const {
    for (const auto& [box, field] : texts) bindText(box, *field);
    for (const auto& [box, field] : checks) bindCheck(box, *field);
}

void BoundControls::show() const {
    for (const auto& [box, field] : texts) showText(box, *field);
    for (const auto& [box, field] : checks) showCheck(box, *field);
}

}  // namespace qv
