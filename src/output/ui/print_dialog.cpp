#include "output/ui/print_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/picture_files.h"
#include "ui/input_conventions.h"

namespace qv {

PrintDialog::PrintDialog(const std::vector<std::string>& printers, const std::string& defaultPrinter,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle(tr("Print"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Printer Options (press OK to print)"), this));

    printers_ = new QListWidget(this);
    printers_->setObjectName("List1");
    for (const std::string& name : printers) {
        printers_->addItem(QString::fromStdString(name));
        if (name == defaultPrinter && printers_->currentRow() < 0) printers_->setCurrentRow(printers_->count() - 1);
    }
    // With no default printer (or one the list does not hold) the first is
    // chosen: "OK" always has a printer to print on.
    if (printers_->currentRow() < 0 && printers_->count() > 0) printers_->setCurrentRow(0);
    if (printers.empty()) {
        // Said plainly rather than shown as an empty list.
        auto* none = new QLabel(tr("No printer is installed. Add one in the system's printer settings."), this);
        none->setObjectName("NoPrinter");
        none->setWordWrap(true);
        layout->addWidget(none);
        printers_->hide();
    }
    printers_->setAccessibleName(tr("Printer"));
    layout->addWidget(printers_);

    copies_ = new QLineEdit(QStringLiteral("1"), this);
    copies_->setObjectName("Text1");
    copies_->setMaximumWidth(copies_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    applyBoxConventions(copies_);
    // Left with a text that is not a number, the box shows 1 again.
    makeNumericBox(copies_, 1, 32767, 0, QStringLiteral("1"));
    auto* copies = new QHBoxLayout;
    auto* copiesLabel = new QLabel(tr("Number of Copies:"), this);
    copiesLabel->setBuddy(copies_);
    copies->addWidget(copiesLabel);
    copies->addWidget(copies_);
    copies->addStretch(1);
    layout->addLayout(copies);

    equations_ = new QCheckBox(tr("Print Equations"), this);
    equations_->setObjectName("Check1");
    equations_->setChecked(true);
    layout->addWidget(equations_);

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName("Command1");
    ok_->setDefault(true);
    ok_->setEnabled(!printers.empty());
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName("Command2");
    cancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(copies_, &QLineEdit::textChanged, this, &PrintDialog::copiesChanged);
    connect(ok_, &QPushButton::clicked, this, &PrintDialog::printRequested);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (ok_->isEnabled()) ok_->setFocus();
}

void PrintDialog::copiesChanged() {
    const std::optional<int> copies = copiesFor(copies_->text().toStdString());
    if (!copies) return;
    const QString text = QString::number(*copies);
    if (copies_->text() != text) {
        copies_->setText(text);
        copies_->end(false);
    }
}

std::string PrintDialog::printer() const {
    const QListWidgetItem* item = printers_->currentItem();
    return item == nullptr ? std::string() : item->text().toStdString();
}

std::string PrintDialog::copiesText() const { return copies_->text().toStdString(); }

bool PrintDialog::printEquations() const { return equations_->isChecked(); }

}  // namespace qv
