#include "plot/ui/graph_panel.h"

#include "plot/ui/picture_area.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

#include "ui/input_conventions.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

// The room a read-out label keeps: at least a short number, so that the
// layout does not jump as values come and go, and given room, a long one.
constexpr const char* kShortReadout = "-0.1234567";
constexpr const char* kLongReadout = "-0.123456789012345 * pi";

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const QString& start = {}) {
    auto* box = new QLineEdit(start, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter is handled by the window's default-button keeper, not by
    // whichever button Qt would pick on its own.
    button->setAutoDefault(false);
    return button;
}

// A button whose caption is a symbol or a short word ("*pi", "^"): as wide
// as its caption, not the style's usual minimum, so that it fits beside a
// box.
QPushButton* makeSmallButton(QWidget* parent, const char* name, const QString& caption) {
    QPushButton* button = makeButton(parent, name, caption);
    const int width = std::max(button->fontMetrics().horizontalAdvance(caption) + 14, 26);
    button->setFixedWidth(width);
    return button;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

// Several captions change between cartesian and polar mode; each control
// keeps room for the widest of its captions so that switching the mode does
// not shift the controls around it.
template <typename Captioned>
void reserveWidthFor(Captioned* control, std::initializer_list<const char*> alternatives) {
    const QString own = control->text();
    int width = control->sizeHint().width();
    for (const char* text : alternatives) {
        control->setText(QString::fromLatin1(text));
        width = std::max(width, control->sizeHint().width());
    }
    control->setText(own);
    control->setMinimumWidth(width);
}

// A read-out that appears and disappears while the user works: hidden at
// start, and keeping its place in the layout while hidden so that the
// picture area does not resize whenever it shows.
void makeHiddenReadout(QLabel* label) {
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
}

// A value read-out has a fixed range of widths and ignores the length of
// its text: a long value is cut rather than widening the window.
QLabel* makeValueLabel(QWidget* parent, const char* name) {
    QLabel* label = makeLabel(parent, name, QString());
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    const QFontMetrics fm = label->fontMetrics();
    label->setMinimumWidth(fm.horizontalAdvance(QString::fromLatin1(kShortReadout)));
    label->setMaximumWidth(fm.horizontalAdvance(QString::fromLatin1(kLongReadout)));
    makeHiddenReadout(label);
    return label;
}

QFrame* makeSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

GraphPanel::GraphPanel(PanelContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("GraphPanel");

    // The picture area: the canvas every drawing routine draws on.
    picture_ = new PictureArea(this);
    picture_->setObjectName("Picture1");
    picture_->clear(0xFFFFFF);
    picture_->setMinimumSize(240, 180);

    // Left: the picture with the read-outs under it; right: one column of
    // controls of a fixed width, so every extra pixel goes to the picture.
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(picture_, 1);
    left->addWidget(buildReadouts());

    auto* column = new QWidget(this);
    column->setObjectName("GraphControls");
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* right = new QVBoxLayout(column);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(6);
    functionArea_ = new QStackedWidget(column);
    functionArea_->setObjectName("FunctionArea");
    functionArea_->addWidget(buildFunctionControls());
    right->addWidget(functionArea_);
    right->addWidget(makeSeparator(column));
    right->addWidget(buildPointEvaluation());
    right->addWidget(makeSeparator(column));
    right->addWidget(buildViewRange());
    right->addWidget(buildNavigation());
    right->addStretch(1);
    // Wide enough for a long number in a range box; the boxes' own size
    // hints would make the column much wider than its controls need.
    const int columnWidth = 44 * column->fontMetrics().averageCharWidth();
    column->setFixedWidth(std::max(column->minimumSizeHint().width(), columnWidth));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(left, 1);
    layout->addWidget(column, 0);

    applyInputConventions();
}

// Two rows under the picture: the mouse position, and the point found by
// "Find x(z), y(z)". The x and y columns of both rows line up.
QWidget* GraphPanel::buildReadouts() {
    auto* strip = new QWidget(this);
    strip->setObjectName("Readouts");
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(2, 0, 2, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    QLabel* mouseTitle = makeLabel(strip, "Label13", "Mouse Coordinates");
    QLabel* mouseX = makeLabel(strip, "Label5", "x =");
    QLabel* mouseY = makeLabel(strip, "Label7", "y =");
    reserveWidthFor(mouseX, {"th="});
    reserveWidthFor(mouseY, {"r  ="});
    QLabel* mouseXValue = makeValueLabel(strip, "Label6");
    QLabel* mouseYValue = makeValueLabel(strip, "Label8");

    QLabel* freeze = makeLabel(strip, "Label9", "Freeze x(z), y(z)");
    reserveWidthFor(freeze, {"Freeze th(z), r(z)"});
    QLabel* pointZ = makeLabel(strip, "Label10", "z =");
    QLabel* pointX = makeLabel(strip, "Label11", "x =");
    QLabel* pointY = makeLabel(strip, "Label12", "y =");
    reserveWidthFor(pointX, {"th ="});
    reserveWidthFor(pointY, {"r ="});
    QLabel* pointZValue = makeValueLabel(strip, "Label14");
    QLabel* pointXValue = makeValueLabel(strip, "Label15");
    QLabel* pointYValue = makeValueLabel(strip, "Label16");

    // The mouse display shows only while the mouse is over the window, and
    // the point only once a z is given.
    // Captions keep their own width; the room goes to the values.
    for (QLabel* label : {mouseTitle, mouseX, mouseY, freeze, pointZ, pointX, pointY}) {
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        makeHiddenReadout(label);
    }

    grid->addWidget(mouseTitle, 0, 0);
    grid->addWidget(mouseX, 0, 3);
    grid->addWidget(mouseXValue, 0, 4);
    grid->addWidget(mouseY, 0, 5);
    grid->addWidget(mouseYValue, 0, 6);
    grid->addWidget(freeze, 1, 0);
    grid->addWidget(pointZ, 1, 1);
    grid->addWidget(pointZValue, 1, 2);
    grid->addWidget(pointX, 1, 3);
    grid->addWidget(pointXValue, 1, 4);
    grid->addWidget(pointY, 1, 5);
    grid->addWidget(pointYValue, 1, 6);
    // The values take most of the width, up to their largest; the rest
    // stays empty at the right end.
    for (int valueColumn : {2, 4, 6}) grid->setColumnStretch(valueColumn, 2);
    grid->setColumnStretch(7, 1);
    return strip;
}

// The current function: its two expressions, the z and A ranges, the plot
// and stop buttons, the graphing mode and the curve options, as one block.
QWidget* GraphPanel::buildFunctionControls() {
    auto* frame = new QFrame(this);
    frame->setObjectName("FunctionControls");
    functionControls_ = frame;
    auto* rows = new QVBoxLayout(frame);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(5);
    rows->addLayout(buildExpressionGrid(frame));
    addCurveOptions(frame, rows);
    return frame;
}

// x(z) and y(z) over the full width, then the z and the A range.
QGridLayout* GraphPanel::buildExpressionGrid(QWidget* frame) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    xCaption_ = makeLabel(frame, "XCaption", "x(z) =");
    yCaption_ = makeLabel(frame, "YCaption", "y(z) =");
    reserveWidthFor(xCaption_, {"th(z) ="});
    reserveWidthFor(yCaption_, {"r(z) ="});
    xBox_ = makeBox(frame, "Text8");
    yBox_ = makeBox(frame, "Text9");
    grid->addWidget(xCaption_, 0, 0);
    grid->addWidget(xBox_, 0, 1, 1, 3);
    grid->addWidget(yCaption_, 1, 0);
    grid->addWidget(yBox_, 1, 1, 1, 3);

    grid->addWidget(makeLabel(frame, "Label21", "z min:"), 2, 0);
    grid->addWidget(makeBox(frame, "Text6"), 2, 1);
    grid->addWidget(makeLabel(frame, "Label22", "z max:"), 2, 2);
    grid->addWidget(makeBox(frame, "Text7"), 2, 3);
    grid->addWidget(makeLabel(frame, "Label19", "A min:"), 3, 0);
    grid->addWidget(makeBox(frame, "Text10"), 3, 1);
    grid->addWidget(makeLabel(frame, "Label23", "A max:"), 3, 2);
    grid->addWidget(makeBox(frame, "Text11"), 3, 3);

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

// The plot and stop buttons, the graphing mode and the curve options.
void GraphPanel::addCurveOptions(QWidget* frame, QVBoxLayout* rows) {
    // The value of A while it is animated; empty otherwise.
    QLabel* aValue = makeLabel(frame, "Label24", QString());
    aValue->setMinimumWidth(aValue->fontMetrics().horizontalAdvance("A = -0000.0"));
    plotButton_ = makeButton(frame, "Command19", "Plot  Line");
    // The caption reads "Pause" while A is animated.
    reserveWidthFor(plotButton_, {"Pause"});
    auto* plotRow = new QHBoxLayout;
    plotRow->addWidget(plotButton_, 1);
    plotRow->addWidget(aValue);
    plotRow->addWidget(makeButton(frame, "Command20", "Stop"));
    rows->addLayout(plotRow);

    // The two mode buttons are the only option buttons in this block, so
    // they exclude each other.
    QRadioButton* cartesian = makeOption(frame, "Option1", "Cartesian");
    cartesian->setChecked(true);
    auto* modes = new QHBoxLayout;
    modes->addWidget(cartesian);
    modes->addWidget(makeOption(frame, "Option2", "Polar"));
    modes->addStretch(1);
    rows->addLayout(modes);

    auto* derivatives = new QHBoxLayout;
    derivatives->addWidget(makeCheck(frame, "Check10", "Plot Derivative"));
    derivatives->addWidget(makeCheck(frame, "Check4", "2nd Derivative"));
    derivatives->addStretch(1);
    rows->addLayout(derivatives);
    QCheckBox* all = makeCheck(frame, "Check1", "Plot all functions as y(z)");
    reserveWidthFor(all, {"Plot all functions as r(z)"});
    rows->addWidget(all);
}

// "Go to z =" with its box and the button that evaluates the function there.
// Not part of the function block: it stays usable while the integral panel
// covers that block.
QWidget* GraphPanel::buildPointEvaluation() {
    auto* row = new QWidget(this);
    row->setObjectName("PointEvaluation");
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    goToZBox_ = makeBox(row, "Text5");
    findButton_ = makeButton(row, "Command1", "Find x(z), y(z)");
    reserveWidthFor(findButton_, {"Find th(z), r(z)"});
    layout->addWidget(makeLabel(row, "GoToZLabel", "Go to z ="));
    layout->addWidget(goToZBox_, 1);
    layout->addWidget(findButton_);
    return row;
}

void GraphPanel::addRangeRow(QGridLayout* grid, int row, const char* boxName, const QString& start,
                             const char* timesPiName, const char* byPiName) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(makeBox(parent, boxName, start), row, 2);
    grid->addWidget(makeSmallButton(parent, timesPiName, "*pi"), row, 3);
    grid->addWidget(makeSmallButton(parent, byPiName, "/pi"), row, 4);
}

// The view range and tick scales, one box a row, each with its pi buttons.
QWidget* GraphPanel::buildViewRange() {
    auto* block = new QWidget(this);
    block->setObjectName("ViewRange");
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(5);

    struct Range {
        const char* label;
        const char* caption;
        const char* box;
        const char* start;
        const char* timesPi;
        const char* byPi;
    };
    static constexpr Range kRanges[] = {
        {"Label1", "x min:", "Text1", "-5", "Command3", "Command43"},
        {"Label2", "x max:", "Text2", "5", "Command4", "Command44"},
        {"Label3", "y min:", "Text3", "-4.16", "Command5", "Command45"},
        {"Label4", "y max:", "Text4", "4.16", "Command6", "Command46"},
    };
    int row = 0;
    for (const Range& r : kRanges) {
        grid->addWidget(makeLabel(block, r.label, r.caption), row, 0, 1, 2);
        addRangeRow(grid, row++, r.box, r.start, r.timesPi, r.byPi);
    }
    grid->addWidget(makeLabel(block, "TickScalesLabel", "Tick Scales:"), row, 0);
    grid->addWidget(makeLabel(block, "TickScaleXLabel", "x"), row, 1);
    addRangeRow(grid, row++, "Text17", "1", "Command17", "Command47");
    grid->addWidget(makeLabel(block, "TickScaleYLabel", "y"), row, 1);
    addRangeRow(grid, row, "Text18", "1", "Command18", "Command48");

    grid->setColumnStretch(2, 1);
    return block;
}

// Zoom buttons on the left, the four shift arrows as a cross on the right,
// "Set to default" under the zoom buttons.
QWidget* GraphPanel::buildNavigation() {
    auto* block = new QWidget(this);
    block->setObjectName("Navigation");
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);

    grid->addWidget(makeButton(block, "Command7", "zoom in x"), 0, 0);
    grid->addWidget(makeButton(block, "Command8", "zoom out x"), 0, 1);
    grid->addWidget(makeButton(block, "Command9", "zoom in y"), 1, 0);
    grid->addWidget(makeButton(block, "Command10", "zoom out y"), 1, 1);
    grid->addWidget(makeButton(block, "Command11", "zoom in all"), 2, 0);
    grid->addWidget(makeButton(block, "Command12", "zoom out all"), 2, 1);
    grid->addWidget(makeButton(block, "Command2", "Set to default"), 3, 0, 1, 2);

    grid->setColumnMinimumWidth(2, 10);
    grid->addWidget(makeSmallButton(block, "Command13", "^"), 0, 4);
    grid->addWidget(makeSmallButton(block, "Command16", "<"), 1, 3);
    grid->addWidget(makeSmallButton(block, "Command14", ">"), 1, 5);
    grid->addWidget(makeSmallButton(block, "Command15", "v"), 2, 4);
    grid->setColumnStretch(6, 1);
    return block;
}

// Every box selects its whole text on entry, and every edit by the user
// marks the document as changed. Texts the program writes (setText) do not
// count as edits.
void GraphPanel::applyInputConventions() {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        selectAllOnFocus(box);
        connect(box, &QLineEdit::textEdited, this, [this] {
            if (ctx_.markEdited) ctx_.markEdited();
        });
    }
}

QLineEdit* GraphPanel::box(const char* name) const { return control<QLineEdit>(name); }
QPushButton* GraphPanel::button(const char* name) const { return control<QPushButton>(name); }
QLabel* GraphPanel::label(const char* name) const { return control<QLabel>(name); }
QCheckBox* GraphPanel::checkBox(const char* name) const { return control<QCheckBox>(name); }
QRadioButton* GraphPanel::option(const char* name) const { return control<QRadioButton>(name); }

void GraphPanel::setPointLabelsVisible(bool visible) {
    for (const char* name : {"Label9", "Label10", "Label11", "Label12", "Label14", "Label15", "Label16"}) {
        if (QLabel* l = label(name)) l->setVisible(visible);
    }
}

}  // namespace qv
