#include "plot/ui/graph_panel.h"

#include <QCheckBox>
#include <QEvent>
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
#include <utility>
#include <vector>

#include "plot/ui/picture_area.h"
#include "ui/input_conventions.h"
#include "ui/document_binding.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

// The longest texts a read-out shows: a number in its longest plain form,
// and the same as a multiple of pi (the mouse coordinates only). Every
// value label keeps room for them, so that values never get cut and the
// layout does not jump as they come and go.
constexpr const char* kLongestNumber = "-1.23456789012345E-100";
constexpr const char* kLongestPiMultiple = "-1.23456789012345E-100 * pi";

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
void reserveWidthFor(Captioned* control, std::initializer_list<QString> alternatives) {
    const QString own = control->text();
    int width = control->sizeHint().width();
    for (const QString& text : alternatives) {
        control->setText(text);
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

// A value read-out has the width of the longest number it shows, whatever
// its text: a value that is no number (a long text) is cut rather than
// widening the window.
QLabel* makeValueLabel(QWidget* parent, const char* name, const char* longest) {
    QLabel* label = makeLabel(parent, name, QString());
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(longest)) + 2);
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

    // Top: the picture, and one column of controls of a fixed width beside
    // it, so every extra pixel goes to the picture. Below both, the
    // read-outs, which have the panel's whole width to show their values.

    auto* column = new QWidget(this);
    controls_ = column;
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

    // The picture area: the canvas every drawing routine draws on. Made
    // after the controls beside it, it follows them in the Tab order: the
    // window starts with the cursor in x(z), and Tab reaches the picture
    // after the last arrow.
    picture_ = new PictureArea(this);
    picture_->setObjectName("Picture1");
    picture_->setAccessibleName(tr("Graph"));
    picture_->clear(0xFFFFFF);
    picture_->setMinimumSize(240, 180);

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(picture_, 1);
    top->addWidget(column, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(top, 1);
    layout->addWidget(buildReadouts());

    applyInputConventions();
    bindDocument();
}

BoundControls GraphPanel::boundControls() const {
    GraphBoxes& b = ctx_.doc->boxes;
    return {{{view_.range[0], &b.range[0]}, {view_.range[1], &b.range[1]}, {view_.range[2], &b.range[2]},
             {view_.range[3], &b.range[3]}, {view_.xTick, &b.x_tick},      {view_.yTick, &b.y_tick},
             {point_.goToZ, &b.go_to_z},    {function_.zMin, &b.z_min},    {function_.zMax, &b.z_max},
             {function_.x, &b.x_of_z},      {function_.y, &b.y_of_z},      {function_.aMin, &b.a_min},
             {function_.aMax, &b.a_max}},
            {{function_.plotAll, &b.plot_all_functions},
             {function_.derivative, &b.derivative},
             {function_.secondDerivative, &b.second_derivative}}};
}

const std::string* GraphPanel::documentText(const QLineEdit* box) const {
    for (const auto& [bound, field] : boundControls().texts) {
        if (bound == box) return field;
    }
    return nullptr;
}

void GraphPanel::bindDocument() {
    boundControls().bind();
    bindCheck(function_.polar, ctx_.doc->axes.polar);
}

void GraphPanel::showDocument() {
    boundControls().show();
    // As a click does, so that the graphing mode's handlers run.
    QRadioButton* mode = ctx_.doc->axes.polar ? function_.polar : function_.cartesian;
    if (!mode->isChecked()) mode->click();
}

// The read-outs under the picture: the mouse position, the point found by
// "Find x(z), y(z)", and the plot's status line. How they are arranged
// depends on the width they have (arrangeReadouts).
QWidget* GraphPanel::buildReadouts() {
    readoutStrip_ = new QWidget(this);
    QWidget* strip = readoutStrip_;
    strip->setObjectName("Readouts");
    strip->installEventFilter(this);

    Readouts& r = readouts_;
    r.mouseTitle = makeLabel(strip, "Label13", tr("Mouse Coordinates"));
    r.mouseX = makeLabel(strip, "Label5", "x =");
    r.mouseY = makeLabel(strip, "Label7", "y =");
    reserveWidthFor(r.mouseX, {"th="});
    reserveWidthFor(r.mouseY, {"r  ="});
    r.mouseXValue = makeValueLabel(strip, "Label6", kLongestPiMultiple);
    r.mouseYValue = makeValueLabel(strip, "Label8", kLongestPiMultiple);

    r.freeze = makeLabel(strip, "Label9", tr("Freeze x(z), y(z)"));
    reserveWidthFor(r.freeze, {tr("Freeze th(z), r(z)")});
    r.pointZ = makeLabel(strip, "Label10", "z =");
    r.pointX = makeLabel(strip, "Label11", "x =");
    r.pointY = makeLabel(strip, "Label12", "y =");
    reserveWidthFor(r.pointX, {"th ="});
    reserveWidthFor(r.pointY, {"r ="});
    r.pointZValue = makeValueLabel(strip, "Label14", kLongestNumber);
    r.pointXValue = makeValueLabel(strip, "Label15", kLongestNumber);
    r.pointYValue = makeValueLabel(strip, "Label16", kLongestNumber);

    // The mouse display shows only while the mouse is over the window, and
    // the point only once a z is given.
    // Captions keep their own width; the room goes to the values.
    for (QLabel* label : {r.mouseTitle, r.mouseX, r.mouseY, r.freeze, r.pointZ, r.pointX, r.pointY}) {
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        makeHiddenReadout(label);
    }
    // Why the last redraw drew no curve; empty otherwise. It has a line of
    // its own under the values.
    status_ = makeLabel(strip, "PlotStatus", QString());
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->setMinimumHeight(status_->fontMetrics().height());
    readoutRows_ = new QVBoxLayout(strip);
    readoutRows_->setContentsMargins(2, 0, 2, 0);
    readoutRows_->setSpacing(2);
    readoutRows_->addWidget(status_);

    // The widths each arrangement needs, measured once: the captions keep
    // room for their polar texts and the values for their longest texts.
    for (const ReadoutArrangement a : {ReadoutArrangement::Stacked, ReadoutArrangement::ThreeRows,
                                       ReadoutArrangement::TwoRows}) {
        arrangeReadouts(a);
        readoutWidths_[static_cast<size_t>(a)] = readoutRows_->minimumSize().width();
    }
    // The narrowest arrangement fits whatever width the panel has.
    strip->setMinimumWidth(readoutWidths_[static_cast<size_t>(ReadoutArrangement::Stacked)]);
    return strip;
}

// Two rows with the x and y columns lined up where the width allows; else
// the point's values on a row of their own; else every pair on its own row.
void GraphPanel::arrangeReadouts(ReadoutArrangement arrangement) {
    readoutArrangement_ = arrangement;
    delete readoutGrid_;
    readoutGrid_ = new QGridLayout;
    readoutRows_->insertLayout(0, readoutGrid_);
    QGridLayout* grid = readoutGrid_;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const Readouts& r = readouts_;
    struct Cell {
        QWidget* widget;
        int row, column;
    };
    std::vector<Cell> cells;
    switch (arrangement) {
    case ReadoutArrangement::TwoRows:
        cells = {{r.mouseTitle, 0, 0},  {r.mouseX, 0, 3},      {r.mouseXValue, 0, 4}, {r.mouseY, 0, 5},
                 {r.mouseYValue, 0, 6}, {r.freeze, 1, 0},      {r.pointZ, 1, 1},      {r.pointZValue, 1, 2},
                 {r.pointX, 1, 3},      {r.pointXValue, 1, 4}, {r.pointY, 1, 5},      {r.pointYValue, 1, 6}};
        break;
    case ReadoutArrangement::ThreeRows:
        cells = {{r.mouseTitle, 0, 0}, {r.mouseX, 0, 1},      {r.mouseXValue, 0, 2}, {r.mouseY, 0, 3},
                 {r.mouseYValue, 0, 4}, {r.freeze, 1, 0},     {r.pointZ, 1, 1},      {r.pointZValue, 1, 2},
                 {r.pointX, 2, 1},      {r.pointXValue, 2, 2}, {r.pointY, 2, 3},     {r.pointYValue, 2, 4}};
        break;
    case ReadoutArrangement::Stacked:
        cells = {{r.mouseTitle, 0, 0}, {r.mouseX, 1, 0},      {r.mouseXValue, 1, 1}, {r.mouseY, 1, 2},
                 {r.mouseYValue, 1, 3}, {r.freeze, 2, 0},     {r.pointZ, 3, 0},      {r.pointZValue, 3, 1},
                 {r.pointX, 4, 0},      {r.pointXValue, 4, 1}, {r.pointY, 4, 2},     {r.pointYValue, 4, 3}};
        break;
    }
    int columns = 0;
    for (const Cell& c : cells) {
        // A title spans the caption and value after it where those are free.
        const bool title = c.widget == r.mouseTitle || c.widget == r.freeze;
        const int span = title && arrangement == ReadoutArrangement::Stacked ? 4 : 1;
        grid->addWidget(c.widget, c.row, c.column, 1, span);
        columns = std::max(columns, c.column + span);
    }
    // The rest of the width stays empty at the right end.
    grid->setColumnStretch(columns, 1);
}

bool GraphPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == readoutStrip_ && event->type() == QEvent::Resize) {
        const int width = readoutStrip_->width();
        ReadoutArrangement fits = ReadoutArrangement::Stacked;
        for (const ReadoutArrangement a : {ReadoutArrangement::ThreeRows, ReadoutArrangement::TwoRows}) {
            if (width >= readoutWidths_[static_cast<size_t>(a)]) fits = a;
        }
        if (fits != readoutArrangement_) {
            arrangeReadouts(fits);
            // The strip has its size already: place the labels now, not at
            // the next layout pass.
            readoutRows_->activate();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GraphPanel::setPlotStatus(const QString& text) {
    if (status_->text() != text) status_->setText(text);
}

// The current function: its two expressions, the z and A ranges, the plot
// and stop buttons, the graphing mode and the curve options, as one block.
QWidget* GraphPanel::buildFunctionControls() {
    auto* frame = new QFrame(this);
    frame->setObjectName("FunctionControls");
    functionBlock_ = frame;
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

    FunctionControls& f = function_;
    f.xCaption = makeLabel(frame, "XCaption", "x(z) =");
    f.yCaption = makeLabel(frame, "YCaption", "y(z) =");
    reserveWidthFor(f.xCaption, {"th(z) ="});
    reserveWidthFor(f.yCaption, {"r(z) ="});
    f.x = makeBox(frame, "Text8");
    f.y = makeBox(frame, "Text9");
    grid->addWidget(f.xCaption, 0, 0);
    grid->addWidget(f.x, 0, 1, 1, 3);
    grid->addWidget(f.yCaption, 1, 0);
    grid->addWidget(f.y, 1, 1, 1, 3);

    f.zMinLabel = makeLabel(frame, "Label21", tr("z min:"));
    f.zMin = makeBox(frame, "Text6");
    f.zMaxLabel = makeLabel(frame, "Label22", tr("z max:"));
    f.zMax = makeBox(frame, "Text7");
    f.aMinLabel = makeLabel(frame, "Label19", tr("A min:"));
    f.aMin = makeBox(frame, "Text10");
    f.aMaxLabel = makeLabel(frame, "Label23", tr("A max:"));
    f.aMax = makeBox(frame, "Text11");
    grid->addWidget(f.zMinLabel, 2, 0);
    grid->addWidget(f.zMin, 2, 1);
    grid->addWidget(f.zMaxLabel, 2, 2);
    grid->addWidget(f.zMax, 2, 3);
    grid->addWidget(f.aMinLabel, 3, 0);
    grid->addWidget(f.aMin, 3, 1);
    grid->addWidget(f.aMaxLabel, 3, 2);
    grid->addWidget(f.aMax, 3, 3);
    // Each box is named by its label, for screen readers; the names follow
    // the captions (x(z) becomes th(z) in Polar mode).
    const std::pair<QLabel*, QLineEdit*> named[] = {{f.xCaption, f.x},  {f.yCaption, f.y},  {f.zMinLabel, f.zMin},
                                                    {f.zMaxLabel, f.zMax}, {f.aMinLabel, f.aMin}, {f.aMaxLabel, f.aMax}};
    for (const auto& [label, box] : named) label->setBuddy(box);

    // An empty box shows, in grey, an example of what it takes; the example
    // is no text of the box and never reaches the document.
    const std::pair<QLineEdit*, const char*> hints[] = {{f.x, "3*cos(z)"}, {f.y, "2*sin(3*z)"}, {f.zMin, "0"},
                                                        {f.zMax, "2*pi"},  {f.aMin, "0"},          {f.aMax, "1"}};
    for (const auto& [box, hint] : hints) box->setPlaceholderText(QString::fromLatin1(hint));

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

// The plot and stop buttons, the graphing mode and the curve options.
void GraphPanel::addCurveOptions(QWidget* frame, QVBoxLayout* rows) {
    // The value of A while it is animated; empty otherwise.
    FunctionControls& f = function_;
    f.aValue = makeLabel(frame, "Label24", QString());
    f.aValue->setMinimumWidth(f.aValue->fontMetrics().horizontalAdvance("A = -0000.0"));
    f.plot = makeButton(frame, "Command19", tr("Plot  Line"));
    // The caption reads "Pause" while A is animated.
    reserveWidthFor(f.plot, {tr("Pause")});
    f.stop = makeButton(frame, "Command20", tr("Stop"));
    auto* plotRow = new QHBoxLayout;
    plotRow->addWidget(f.plot, 1);
    plotRow->addWidget(f.aValue);
    plotRow->addWidget(f.stop);
    rows->addLayout(plotRow);

    // The two mode buttons are the only option buttons in this block, so
    // they exclude each other.
    f.cartesian = makeOption(frame, "Option1", tr("Cartesian"));
    f.cartesian->setChecked(true);
    f.polar = makeOption(frame, "Option2", tr("Polar"));
    auto* modes = new QHBoxLayout;
    modes->addWidget(f.cartesian);
    modes->addWidget(f.polar);
    modes->addStretch(1);
    rows->addLayout(modes);

    f.derivative = makeCheck(frame, "Check10", tr("Plot Derivative"));
    f.secondDerivative = makeCheck(frame, "Check4", tr("2nd Derivative"));
    auto* derivatives = new QHBoxLayout;
    derivatives->addWidget(f.derivative);
    derivatives->addWidget(f.secondDerivative);
    derivatives->addStretch(1);
    rows->addLayout(derivatives);
    f.plotAll = makeCheck(frame, "Check1", tr("Plot all functions as y(z)"));
    reserveWidthFor(f.plotAll, {tr("Plot all functions as r(z)")});
    rows->addWidget(f.plotAll);
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
    point_.goToZ = makeBox(row, "Text5");
    point_.goToZ->setPlaceholderText(QStringLiteral("1"));
    point_.find = makeButton(row, "Command1", tr("Find x(z), y(z)"));
    reserveWidthFor(point_.find, {tr("Find th(z), r(z)")});
    QLabel* goToZLabel = makeLabel(row, "GoToZLabel", tr("Go to z ="));
    goToZLabel->setBuddy(point_.goToZ);
    layout->addWidget(goToZLabel);
    layout->addWidget(point_.goToZ, 1);
    layout->addWidget(point_.find);
    return row;
}

// One box of the view range (index 0 to 3) or the tick scales (4 and 5)
// with its pi buttons.
QLineEdit* GraphPanel::addRangeRow(QGridLayout* grid, int row, int index, const char* boxName, const QString& start,
                                   const char* timesPiName, const char* byPiName) {
    QWidget* parent = grid->parentWidget();
    QLineEdit* box = makeBox(parent, boxName, start);
    const auto i = static_cast<size_t>(index);
    view_.timesPi[i] = makeSmallButton(parent, timesPiName, "*pi");
    view_.byPi[i] = makeSmallButton(parent, byPiName, "/pi");
    // Six pairs of buttons share the two captions: each says which box it
    // acts on.
    static constexpr const char* kBoxNames[] = {QT_TR_NOOP("x min"),        QT_TR_NOOP("x max"),
                                                QT_TR_NOOP("y min"),        QT_TR_NOOP("y max"),
                                                QT_TR_NOOP("x tick scale"), QT_TR_NOOP("y tick scale")};
    const QString boxText = tr(kBoxNames[i]);
    box->setAccessibleName(boxText);
    view_.timesPi[i]->setAccessibleDescription(tr("Multiply %1 by pi").arg(boxText));
    view_.byPi[i]->setAccessibleDescription(tr("Divide %1 by pi").arg(boxText));
    grid->addWidget(box, row, 2);
    grid->addWidget(view_.timesPi[i], row, 3);
    grid->addWidget(view_.byPi[i], row, 4);
    return box;
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
        {"Label1", QT_TR_NOOP("x min:"), "Text1", "-5", "Command3", "Command43"},
        {"Label2", QT_TR_NOOP("x max:"), "Text2", "5", "Command4", "Command44"},
        {"Label3", QT_TR_NOOP("y min:"), "Text3", "-4.16", "Command5", "Command45"},
        {"Label4", QT_TR_NOOP("y max:"), "Text4", "4.16", "Command6", "Command46"},
    };
    int row = 0;
    for (const Range& r : kRanges) {
        const auto i = static_cast<size_t>(row);
        view_.rangeLabel[i] = makeLabel(block, r.label, tr(r.caption));
        grid->addWidget(view_.rangeLabel[i], row, 0, 1, 2);
        view_.range[i] = addRangeRow(grid, row, row, r.box, r.start, r.timesPi, r.byPi);
        ++row;
    }
    grid->addWidget(makeLabel(block, "TickScalesLabel", tr("Tick Scales:")), row, 0);
    grid->addWidget(makeLabel(block, "TickScaleXLabel", "x"), row, 1);
    view_.xTick = addRangeRow(grid, row++, 4, "Text17", "1", "Command17", "Command47");
    grid->addWidget(makeLabel(block, "TickScaleYLabel", "y"), row, 1);
    view_.yTick = addRangeRow(grid, row, 5, "Text18", "1", "Command18", "Command48");

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

    ViewControls& v = view_;
    v.zoomInX = makeButton(block, "Command7", tr("zoom in x"));
    v.zoomOutX = makeButton(block, "Command8", tr("zoom out x"));
    v.zoomInY = makeButton(block, "Command9", tr("zoom in y"));
    v.zoomOutY = makeButton(block, "Command10", tr("zoom out y"));
    v.zoomInAll = makeButton(block, "Command11", tr("zoom in all"));
    v.zoomOutAll = makeButton(block, "Command12", tr("zoom out all"));
    v.setToDefault = makeButton(block, "Command2", tr("Set to default"));
    grid->addWidget(v.zoomInX, 0, 0);
    grid->addWidget(v.zoomOutX, 0, 1);
    grid->addWidget(v.zoomInY, 1, 0);
    grid->addWidget(v.zoomOutY, 1, 1);
    grid->addWidget(v.zoomInAll, 2, 0);
    grid->addWidget(v.zoomOutAll, 2, 1);
    grid->addWidget(v.setToDefault, 3, 0, 1, 2);

    grid->setColumnMinimumWidth(2, 10);
    v.up = makeSmallButton(block, "Command13", "^");
    v.left = makeSmallButton(block, "Command16", "<");
    v.right = makeSmallButton(block, "Command14", ">");
    v.down = makeSmallButton(block, "Command15", "v");
    // The arrows' captions are symbols; a screen reader says what they do.
    const std::pair<QPushButton*, const char*> arrows[] = {
        {v.up, QT_TR_NOOP("Shift Graph Up")},
        {v.left, QT_TR_NOOP("Shift Graph Left")},
        {v.right, QT_TR_NOOP("Shift Graph Right")},
        {v.down, QT_TR_NOOP("Shift Graph Down")}};
    for (const auto& [button, name] : arrows) button->setAccessibleName(tr(name));
    grid->addWidget(v.up, 0, 4);
    grid->addWidget(v.left, 1, 3);
    grid->addWidget(v.right, 1, 5);
    grid->addWidget(v.down, 2, 4);
    grid->setColumnStretch(6, 1);
    return block;
}

// Every box selects its whole text on entry, and every edit by the user
// marks the document as changed. Texts the program writes (setText) do not
// count as edits.
void GraphPanel::applyInputConventions() {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        applyBoxConventions(box);
        connect(box, &QLineEdit::textEdited, &ctx_.events, &PanelEvents::markEdited);
    }
}

QLineEdit* GraphPanel::firstFunctionBox() const {
    return ctx_.doc->boxes.x_of_z.empty() ? function_.x : function_.y;
}

void GraphPanel::setPointLabelsVisible(bool visible) {
    const Readouts& r = readouts_;
    for (QLabel* l : {r.freeze, r.pointZ, r.pointX, r.pointY, r.pointZValue, r.pointXValue, r.pointYValue}) {
        l->setVisible(visible);
    }
}

void GraphPanel::setReadoutColors(uint32_t background, uint32_t text) {
    // The strip as a whole takes the colours, one band under the picture;
    // its labels inherit them and paint no boxes of their own.
    QPalette p = readoutStrip_->palette();
    p.setColor(QPalette::Window, packedToQColor(background));
    p.setColor(QPalette::WindowText, packedToQColor(text));
    readoutStrip_->setPalette(p);
    readoutStrip_->setAutoFillBackground(true);
}

void GraphPanel::setControlsShown(bool shown) {
    if (controls_->isVisibleTo(this) != shown) controls_->setVisible(shown);
}

int GraphPanel::controlsWidth() const { return controls_->sizeHint().width(); }

void GraphPanel::setMouseLabelsVisible(bool visible) {
    const Readouts& r = readouts_;
    for (QLabel* l : {r.mouseX, r.mouseXValue, r.mouseY, r.mouseYValue, r.mouseTitle}) l->setVisible(visible);
}

}  // namespace qv
