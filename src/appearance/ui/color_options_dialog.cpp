#include "appearance/ui/color_options_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/input_conventions.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

QColor qColor(PackedColor c) { return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF)); }

QCheckBox* makeCheck(const QString& caption, const char* name, bool on, QWidget* parent) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    check->setChecked(on);
    return check;
}

}  // namespace

ColorOptionsDialog::ColorOptionsDialog(PanelContext& context, QWidget* parent) : QDialog(parent), ctx_(context) {
    setObjectName("Form2");
    setWindowTitle(tr("Color Options"));
    setModal(true);
    const GraphDocument& doc = *ctx_.doc;
    for (std::size_t i = 0; i < kColorOptions.size(); ++i) values_[i] = doc.colors[kColorOptions[i].slot];

    auto* options = new QVBoxLayout;
    options->addWidget(new QLabel(tr("Select which color to modify:"), this));
    for (std::size_t i = 0; i < kColorOptions.size(); ++i) {
        auto* option = new QRadioButton(tr(kColorOptions[i].caption), this);
        option->setObjectName(QString::fromLatin1(kColorOptions[i].name));
        options->addWidget(option);
        options_[i] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { choose(static_cast<int>(i)); });
    }
    options_[0]->setChecked(true);

    preview_ = new QFrame(this);
    preview_->setObjectName("Picture1");
    static_cast<QFrame*>(preview_)->setFrameShape(QFrame::Box);
    preview_->setAutoFillBackground(true);
    preview_->setMinimumSize(96, 72);
    change_ = new QPushButton(tr("Change..."), this);
    change_->setObjectName("Command2");
    change_->setAutoDefault(false);
    auto* colour = new QVBoxLayout;
    colour->addWidget(preview_, 1);
    colour->addWidget(change_);
    colour->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(options);
    top->addSpacing(16);
    top->addLayout(colour);

    lineSize_ = new QLineEdit(this);
    lineSize_->setObjectName("Text1");
    lineSize_->setMaximumWidth(lineSize_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    applyBoxConventions(lineSize_);
    auto* size = new QHBoxLayout;
    auto* sizeLabel = new QLabel(tr("Line Size:"), this);
    sizeLabel->setBuddy(lineSize_);
    size->addWidget(sizeLabel);
    size->addWidget(lineSize_);
    size->addStretch(1);

    tickNumbers_ = makeCheck(tr("Show Tick Numbers"), "Check1", doc.show_tick_numbers == "1", this);
    grid_ = makeCheck(tr("Show Grid"), "Check2", doc.show_grid == "1", this);
    mouseCoordinates_ = makeCheck(tr("Show Mouse Coordinates"), "Check3", doc.show_mouse_coordinates == "1", this);
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName("CommandMe");
    close_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(size);
    layout->addWidget(tickNumbers_);
    layout->addWidget(grid_);
    layout->addWidget(mouseCoordinates_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    connect(change_, &QPushButton::clicked, this, &ColorOptionsDialog::change);
    connect(lineSize_, &QLineEdit::textChanged, this, &ColorOptionsDialog::lineSizeChanged);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    // A switch: "Close" is the default button again; the two that change
    // the picture draw it again.
    const auto flip = [this](QCheckBox* box, std::string GraphDocument::*flag, bool redraw) {
        connect(box, &QCheckBox::clicked, this, [this, box, flag, redraw](bool on) {
            close_->setDefault(true);
            ctx_.doc->*flag = on ? "1" : "0";
            ctx_.events.markEdited();
            if (redraw) Q_EMIT redrawRequested();
        });
    };
    flip(tickNumbers_, &GraphDocument::show_tick_numbers, true);
    flip(grid_, &GraphDocument::show_grid, true);
    flip(mouseCoordinates_, &GraphDocument::show_mouse_coordinates, false);

    showPreview();
    // Filling the box is its first change, which draws nothing.
    lineSize_->setText(QString::number(doc.line_width));
}

void ColorOptionsDialog::choose(int option) {
    current_ = option;
    showPreview();
}

void ColorOptionsDialog::showPreview() {
    QPalette p = preview_->palette();
    p.setColor(QPalette::Window, qColor(previewColor()));
    preview_->setPalette(p);
    preview_->setToolTip(tr(kColorOptions[static_cast<std::size_t>(current_)].caption));
}

void ColorOptionsDialog::change() {
    if (ctx_.platform == nullptr) return;
    const std::optional<PackedColor> chosen = ctx_.platform->chooseColor(previewColor(), custom_);
    if (!chosen) return;
    values_[static_cast<std::size_t>(current_)] = *chosen & 0xFFFFFFu;
    showPreview();
    ctx_.doc->show_tick_numbers = tickNumbers_->isChecked() ? "1" : "0";
    for (std::size_t i = 0; i < kColorOptions.size(); ++i) ctx_.doc->colors[kColorOptions[i].slot] = values_[i];
    Q_EMIT colorsChanged();
    ctx_.events.markEdited();
}

void ColorOptionsDialog::lineSizeChanged() {
    const std::optional<int> size = lineSizeFor(lineSize_->text().toStdString());
    if (!size) return;
    const QString text = QString::number(*size);
    if (lineSize_->text() != text) {
        // Writing the held number back runs this again with it.
        lineSize_->setText(text);
        return;
    }
    const bool changed = ctx_.doc->line_width != *size;
    ctx_.doc->line_width = *size;
    if (lineSizeChangedOnce_) {
        if (changed) ctx_.events.markEdited();
        Q_EMIT redrawRequested();
    }
    lineSize_->end(false);
    lineSizeChangedOnce_ = true;
}

}  // namespace qv
