#include "calculus/ui/integral_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/input_conventions.h"

namespace qv {

namespace {

// A caption and its box; the box shows `hint` in grey while it is empty.
QLineEdit* addRow(QGridLayout* grid, int row, const QString& caption, const char* name, const char* hint,
                  QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setPlaceholderText(QString::fromLatin1(hint));
    label->setBuddy(box);
    applyBoxConventions(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

}  // namespace

IntegralPanel::IntegralPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("Picture5");
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Definite Integral"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    auto* grid = new QGridLayout();
    x_ = addRow(grid, 0, QStringLiteral("x(z) ="), "Text30", "z", this);
    y_ = addRow(grid, 1, QStringLiteral("y(z) ="), "Text31", "z^2", this);
    lower_ = addRow(grid, 2, tr("Lower Bound:   z ="), "Text33", "0", this);
    upper_ = addRow(grid, 3, tr("Upper Bound:   z ="), "Text32", "1", this);
    layout->addLayout(grid);
    result_ = new QLabel(this);
    result_->setObjectName("Label46");
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(result_);
    auto* buttons = new QHBoxLayout();
    evaluate_ = new QPushButton(tr("Evaluate"), this);
    evaluate_->setObjectName("Command54");
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName("Command53");
    for (QPushButton* b : {evaluate_, close_}) b->setAutoDefault(false);
    buttons->addWidget(evaluate_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);
    layout->addStretch(1);
}

QLineEdit* IntegralPanel::firstEmptyBox() const {
    for (QLineEdit* b : {x_, y_, lower_}) {
        if (b->text().isEmpty()) return b;
    }
    return upper_;
}

}  // namespace qv
