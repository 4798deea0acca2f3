#include "data/ui/data_list_panel.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/ui/data_column_model.h"
#include "document/graph_document.h"
#include "expression/number_text.h"
#include "expression/user_text.h"
#include "platform/platform.h"
#include "ui/document_binding.h"
#include "ui/input_conventions.h"
#include "ui/panel_context.h"
#include "ui/undo_steps.h"

namespace qv {

namespace {

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);  // Enter goes to the keeper's default button
    return button;
}

QCheckBox* makeCheck(const QString& caption, const char* name, QWidget* parent) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

QLineEdit* makeBox(const char* name, const QString& start, QWidget* parent) {
    auto* box = new QLineEdit(start, parent);
    box->setObjectName(QString::fromLatin1(name));
    applyBoxConventions(box);
    return box;
}

QString latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

// The result line as the document keeps it, in English, so that a graph
// file reads the same in every language; shown with its caption in the
// user's language.
QString shownResult(const std::string& text) {
    static constexpr const char* kCaptions[] = {
        QT_TRANSLATE_NOOP("qv::DataListPanel", "Correlation = "),
        QT_TRANSLATE_NOOP("qv::DataListPanel", "Sum = "),
        QT_TRANSLATE_NOOP("qv::DataListPanel", "Average = "),
        QT_TRANSLATE_NOOP("qv::DataListPanel", "Standard Deviation = "),
        QT_TRANSLATE_NOOP("qv::DataListPanel", "Number of Elements = "),
    };
    for (const char* caption : kCaptions) {
        const std::string_view c(caption);
        if (text.compare(0, c.size(), c) == 0) {
            return DataListPanel::tr(caption) + latin1(text.substr(c.size()));
        }
    }
    return latin1(text);
}

// A count written with its leading blank, as the mismatch message has it.
std::string countText(std::size_t n) { return strText(static_cast<double>(n)); }

// The integer a size box's text holds, within what a window of points can mean.
int textInteger(const std::string& text, int fallback) {
    const std::optional<double> v = toNumber(text);
    if (!v || std::isnan(*v)) return fallback;
    return static_cast<int>(std::clamp(*v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

constexpr const char* kColumnCaptions[kDataColumnCount] = {
    QT_TRANSLATE_NOOP("qv::DataListPanel", "x data"), QT_TRANSLATE_NOOP("qv::DataListPanel", "y data (1)"),
    QT_TRANSLATE_NOOP("qv::DataListPanel", "y data (2)"), QT_TRANSLATE_NOOP("qv::DataListPanel", "y data (3)")};
constexpr const char* kOptionNames[kDataColumnCount] = {"Option3", "Option4", "Option5", "Option6"};
constexpr const char* kViewNames[kDataColumnCount] = {"List1(0)", "List1(1)", "List1(2)", "List1(3)"};

}  // namespace

DataListPanel::DataListPanel(PanelContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("DataList");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildColumns(), 1);
    // What is done with the column, one page at a time, so that the column
    // keeps its room in a window of 720 pixels.
    tools_ = new QTabWidget(this);
    tools_->setObjectName("DataTools");
    tools_->setAccessibleName(tr("Data tools"));
    tools_->addTab(buildStatistics(), tr("Statistics"));
    tools_->addTab(buildFit(), tr("Curve Fit"));
    tools_->addTab(buildDrawing(), tr("Plot Data"));
    layout->addWidget(tools_);
    // The result of a statistic or a fit.
    result_ = new QLabel(this);
    result_->setObjectName("Label38");
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result_->setMinimumHeight(result_->fontMetrics().height());
    layout->addWidget(result_);
    // Bound first: the commands' own handlers of a box's change find the
    // document already holding it.
    bindDocument();
    connectCommands();
}

namespace {

// The fit type choices in the order they are laid out, and the document's
// name of each.
constexpr FitChoice kFitChoiceOfOption[6] = {FitChoice::Linear, FitChoice::Quadratic,   FitChoice::Exponential,
                                             FitChoice::Cubic,  FitChoice::Logarithmic, FitChoice::Gaussian};

}  // namespace

BoundControls DataListPanel::boundControls() const {
    ListState& l = ctx_.doc->list;
    return {{{entry_, &l.data_entry}, {size_, &l.moving_average_size}, {neighbours_, &l.neighbours}},
            {{points_, &l.plot_data},
             {connect_, &l.connect},
             {average_, &l.moving_average},
             {smooth_, &l.smooth},
             {autoscale_, &l.autoscale}}};
}

void DataListPanel::bindDocument() {
    boundControls().bind();
    for (size_t i = 0; i < fitTypes_.size(); ++i) {
        connect(fitTypes_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) ctx_.doc->list.fit = kFitChoiceOfOption[i];
        });
    }
    showDocument();
}

void DataListPanel::showDocument() {
    const ListState& l = ctx_.doc->list;
    boundControls().show();
    for (size_t i = 0; i < fitTypes_.size(); ++i) {
        if (kFitChoiceOfOption[i] == l.fit) fitTypes_[i]->setChecked(true);
    }
    result_->setText(shownResult(l.statistics_result));
    refresh();
    // The calculator's answer button names the column shown.
    ctx_.events.announceDataColumn(columns().selected());
}

DataColumns& DataListPanel::columns() { return ctx_.doc->data; }

QWidget* DataListPanel::buildColumns() {
    auto* block = new QWidget(this);
    auto* rows = new QVBoxLayout(block);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(tr("Data List"), block);
    heading->setObjectName("DataListCaption");
    rows->addWidget(heading);

    // The four option buttons share a parent of their own, so they exclude
    // only each other.
    auto* choices = new QWidget(block);
    auto* choiceRow = new QGridLayout(choices);
    choiceRow->setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < kDataColumnCount; ++c) {
        auto* option = new QRadioButton(tr(kColumnCaptions[c]), choices);
        option->setObjectName(QString::fromLatin1(kOptionNames[c]));
        options_[static_cast<size_t>(c)] = option;
        choiceRow->addWidget(option, c / 2, c % 2);
    }
    rows->addWidget(choices);

    entry_ = makeBox("Text26", QString(), block);
    entry_->setAccessibleName(tr("Data entry"));
    entry_->installEventFilter(this);
    rows->addWidget(entry_);

    auto* listRow = new QHBoxLayout;
    const int shown = columns().selected();
    for (int c = 0; c < kDataColumnCount; ++c) {
        auto* view = new QListView(block);
        view->setObjectName(QString::fromLatin1(kViewNames[c]));
        view->setAccessibleName(tr(kColumnCaptions[c]));
        view->setUniformItemSizes(true);  // 32,767 rows stay quick
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        models_[static_cast<size_t>(c)] = new DataColumnModel(columns(), c, view);
        view->setModel(models_[static_cast<size_t>(c)]);
        view->setVisible(c == shown);
        views_[static_cast<size_t>(c)] = view;
        listRow->addWidget(view, 1);
    }
    options_[static_cast<size_t>(shown)]->setChecked(true);
    up_ = makeButton("^", "Command41", block);
    down_ = makeButton("v", "Command42", block);
    auto* arrows = new QVBoxLayout;
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    arrows->addStretch(1);
    listRow->addLayout(arrows);
    rows->addLayout(listRow, 1);

    add_ = makeButton(tr("Add to List"), "Command25", block);
    delete_ = makeButton(tr("Delete Item"), "Command26", block);
    clear_ = makeButton(tr("Clear List"), "Command27", block);
    replace_ = makeButton(tr("Replace Data"), "Command38", block);
    describeListButtons({add_, delete_, clear_}, up_, down_, tr("Data list"));
    auto* buttons = new QGridLayout;
    buttons->addWidget(add_, 0, 0);
    buttons->addWidget(delete_, 0, 1);
    buttons->addWidget(clear_, 1, 0);
    buttons->addWidget(replace_, 1, 1);
    rows->addLayout(buttons);
    return block;
}

QWidget* DataListPanel::buildStatistics() {
    auto* block = new QWidget(this);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 4, 0, 0);
    const char* captions[] = {QT_TR_NOOP("Sum"), QT_TR_NOOP("Average"), QT_TR_NOOP("Standard Dev."),
                              QT_TR_NOOP("n Elements")};
    const char* names[] = {"Command33", "Command34", "Command35", "Command37"};
    for (size_t i = 0; i < statistics_.size(); ++i) {
        statistics_[i] = makeButton(tr(captions[i]), names[i], block);
        grid->addWidget(statistics_[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    grid->setRowStretch(2, 1);
    return block;
}

// "Fit Type" with its six choices, and the two fit commands.
QWidget* DataListPanel::buildFit() {
    auto* block = new QWidget(this);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(4, 4, 4, 4);
    const char* captions[] = {QT_TR_NOOP("Linear"), QT_TR_NOOP("Quadratic"),   QT_TR_NOOP("Exponential"),
                              QT_TR_NOOP("Cubic"),  QT_TR_NOOP("Logarithmic"), QT_TR_NOOP("Gaussian")};
    const char* names[] = {"Option7", "Option8", "Option9", "Option10", "Option11", "Option12"};
    auto* types = new QGroupBox(tr("Fit Type"), block);
    auto* typeGrid = new QGridLayout(types);
    for (size_t i = 0; i < fitTypes_.size(); ++i) {
        fitTypes_[i] = new QRadioButton(tr(captions[i]), types);
        fitTypes_[i]->setObjectName(QString::fromLatin1(names[i]));
        typeGrid->addWidget(fitTypes_[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    fitTypes_[0]->setChecked(true);
    createFit_ = makeButton(tr("Create Fit"), "Command40", block);
    testCorrelation_ = makeButton(tr("Test Correlation"), "Command51", block);
    grid->addWidget(types, 0, 0, 1, 2);
    grid->addWidget(createFit_, 1, 0);
    grid->addWidget(testCorrelation_, 1, 1);
    return block;
}

QWidget* DataListPanel::buildDrawing() {
    auto* block = new QWidget(this);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 4, 0, 0);
    points_ = makeCheck(tr("Plot Data"), "Check2", block);
    connect_ = makeCheck(tr("Connect"), "Check7", block);
    average_ = makeCheck(tr("Moving Avg."), "Check8", block);
    smooth_ = makeCheck(tr("Smooth"), "Check9", block);
    autoscale_ = makeCheck(tr("Autoscale"), "Check3", block);
    size_ = makeBox("Text28", "2", block);
    neighbours_ = makeBox("Text29", "1", block);
    const int boxWidth = size_->fontMetrics().horizontalAdvance("000000") + 12;
    size_->setFixedWidth(boxWidth);
    neighbours_->setFixedWidth(boxWidth);
    grid->addWidget(points_, 0, 0);
    grid->addWidget(connect_, 0, 2);
    grid->addWidget(average_, 1, 0);
    grid->addWidget(size_, 1, 1);
    grid->addWidget(smooth_, 1, 2);
    grid->addWidget(neighbours_, 1, 3);
    grid->addWidget(autoscale_, 2, 0);
    grid->setColumnStretch(4, 1);
    return block;
}

void DataListPanel::connectCommands() {
    for (int c = 0; c < kDataColumnCount; ++c) {
        connect(options_[static_cast<size_t>(c)], &QRadioButton::clicked, this, [this, c] { selectColumn(c); });
        connect(views_[static_cast<size_t>(c)], &QListView::clicked, this, [this](const QModelIndex& index) {
            writeBack(columns().clickItem(index.row()));
        });
    }
    connect(add_, &QPushButton::clicked, this, [this] {
        runCommand(QT_TR_NOOP("Add to List"),
                   [&] { return columns().add(ctx_.doc->list.data_entry, *ctx_.rewrite, *ctx_.evaluator); });
    });
    connect(delete_, &QPushButton::clicked, this,
            [this] { runCommand(QT_TR_NOOP("Delete Item"), [&] { return columns().remove(selectedItem()); }); });
    connect(clear_, &QPushButton::clicked, this,
            [this] { runCommand(QT_TR_NOOP("Clear List"), [&] { return columns().clear(); }); });
    connect(replace_, &QPushButton::clicked, this, [this] {
        runCommand(QT_TR_NOOP("Replace Data"), [&] {
            return columns().replace(selectedItem(), ctx_.doc->list.data_entry, *ctx_.rewrite, *ctx_.evaluator);
        });
    });
    connect(up_, &QPushButton::clicked, this,
            [this] { runCommand(QT_TR_NOOP("Move Item Up"), [&] { return columns().moveUp(selectedItem()); }); });
    connect(down_, &QPushButton::clicked, this,
            [this] { runCommand(QT_TR_NOOP("Move Item Down"), [&] { return columns().moveDown(selectedItem()); }); });
    connect(&ctx_.events, &PanelEvents::addAnswerRequested, this, [this] {
        runCommand(QT_TR_NOOP("Add Answer"), [&] { return columns().appendAnswer(ctx_.doc->ans_value); });
    });
    connect(createFit_, &QPushButton::clicked, this, [this] { Q_EMIT createFitRequested(fitType()); });
    connect(testCorrelation_, &QPushButton::clicked, this, &DataListPanel::testCorrelationRequested);
    const Statistic kinds[] = {Statistic::Sum, Statistic::Average, Statistic::StandardDeviation, Statistic::Count};
    for (size_t i = 0; i < statistics_.size(); ++i) {
        connect(statistics_[i], &QPushButton::clicked, this, [this, which = kinds[i]] { showStatistic(which); });
    }
    for (QCheckBox* box : {points_, connect_, average_, smooth_}) {
        connect(box, &QCheckBox::clicked, this, [this, box] { checkReleased(box); });
    }
    connect(autoscale_, &QCheckBox::clicked, this, [this](bool on) {
        ctx_.doc->autoscale = on ? 1 : 0;
    });
    connect(size_, &QLineEdit::textChanged, this, [this] { sizeBoxChanged(size_, 1); });
    connect(neighbours_, &QLineEdit::textChanged, this, [this] { sizeBoxChanged(neighbours_, 0); });
    makeNumericBox(size_, 1, 1e15, 0, "1");
    makeNumericBox(neighbours_, 0, 1e15, 0, "0");
    // Entering the list mode takes the autoscale request from its box.
    connect(&ctx_.events, &PanelEvents::modeChanged, this, [this](Mode mode) {
        if (mode == Mode::List) ctx_.doc->autoscale = isOn(ctx_.doc->list.autoscale) ? 1 : 0;
    });
}

// Runs a command on the shown column, writes its outcome back and records
// the column's change as a step of the undo history.
template <typename Command>
void DataListPanel::runCommand(const char* name, Command command) {
    const int c = columns().selected();
    std::vector<std::string> before = columns().column(c);
    const DataColumnEdit edit = command();
    writeBack(edit);
    if (edit.changed) recordColumn(tr(name), c, std::move(before));
}

void DataListPanel::recordColumn(const QString& name, int c, std::vector<std::string> before) {
    recordStep(ctx_.undo, name, std::move(before), columns().column(c), [this, c](const std::vector<std::string>& items) {
        // An undo or redo puts the column back; like any edit it marks the
        // graph and the plot inputs as changed.
        columns().assign(c, items);
        models_[static_cast<size_t>(c)]->reset();
        ctx_.events.markEdited();
    });
}

void DataListPanel::writeBack(const DataColumnEdit& edit) {
    if (edit.entryText) entry_->setText(latin1(*edit.entryText));
    if (edit.changed) model()->appended();
    if (edit.scrollTo >= 0) view()->scrollTo(model()->index(edit.scrollTo));
    if (edit.selection) selectRow(*edit.selection);
    if (edit.selectEntryText) entry_->setSelection(static_cast<int>(entry_->text().size()), -static_cast<int>(entry_->text().size()));
    if (edit.focusEntry) entry_->setFocus();
    if (edit.defaultButton == DataDefaultButton::AddToList) ctx_.defaults->setDefaultButton(add_);
    if (edit.defaultButton == DataDefaultButton::ReplaceData) ctx_.defaults->setDefaultButton(replace_);
    if (edit.edited) ctx_.events.markEdited();
    if (edit.message && ctx_.platform) {
        ctx_.platform->message(edit.message->title, edit.message->text, MessageButtons::Ok, MessageIcon::None);
    }
}

QListView* DataListPanel::view() const { return views_[static_cast<size_t>(ctx_.doc->data.selected())]; }
DataColumnModel* DataListPanel::model() const { return models_[static_cast<size_t>(ctx_.doc->data.selected())]; }

int DataListPanel::selectedItem() const {
    const QModelIndexList rows = view()->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void DataListPanel::selectRow(int row) {
    if (row < 0) {
        view()->clearSelection();
        view()->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = model()->index(row);
    view()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view()->scrollTo(index);
}

void DataListPanel::clearItemSelection() { selectRow(-1); }

void DataListPanel::refresh() {
    for (DataColumnModel* m : models_) m->reset();
    const int shown = columns().selected();
    for (int c = 0; c < kDataColumnCount; ++c) views_[static_cast<size_t>(c)]->setVisible(c == shown);
    options_[static_cast<size_t>(shown)]->setChecked(true);
}

// Choosing a column: the old one loses its selection and hides, the
// statistics result goes, the new one shows; in the list mode the entry box
// takes the focus as a click into it does.
void DataListPanel::selectColumn(int c) {
    clearItemSelection();
    showResult({});
    view()->hide();
    columns().select(c);
    view()->show();
    options_[static_cast<size_t>(c)]->setChecked(true);
    if (isVisible()) {
        entry_->setFocus();
        ctx_.defaults->setDefaultButton(add_);
        Q_EMIT entryBoxClicked();
    }
    ctx_.events.announceDataColumn(c);
}

FitType DataListPanel::fitType() const {
    for (size_t i = 0; i < fitTypes_.size(); ++i) {
        if (kFitChoiceOfOption[i] == ctx_.doc->list.fit) return kFitTypes[i];
    }
    return FitType::Linear;
}

void DataListPanel::showResult(const std::string& text) {
    ctx_.doc->list.statistics_result = text;
    result_->setText(shownResult(text));
}

void DataListPanel::showStatistic(Statistic which) {
    const StatisticResult r = computeStatistic(which, columns().selectedColumn(), *ctx_.evaluator);
    if (r.label) showResult(*r.label);
    if (r.clearSelection) clearItemSelection();
    if (r.message && ctx_.platform) {
        ctx_.platform->message(r.message->title, r.message->text, MessageButtons::Ok, MessageIcon::None);
    }
}

// A data drawing switched on locks the list (the data cannot change while
// it is plotted) and is refused when the columns cannot make points. The
// graph in view beside the list follows at once: a drawing switched on
// shows, one switched off leaves no points behind.
void DataListPanel::checkReleased(QCheckBox* box, bool redraw) {
    if (box->isChecked()) {
        setListLocked(true);
        const std::size_t xs = columns().column(kXData).size();
        const std::size_t ys = columns().selectedColumn().size();
        std::string refusal;
        if (xs != ys) {
            refusal = tr("There are%1 X data points, but there are%2 Y data points.  There must be the same number "
                         "of X and Y data points in order to plot them.")
                          .arg(QString::fromStdString(countText(xs)), QString::fromStdString(countText(ys)))
                          .toStdString();
        } else if (xs == 0) {
            refusal = tr("There are no data points with which to plot.").toStdString();
        }
        if (!refusal.empty()) {
            if (ctx_.platform)
                ctx_.platform->message(userText("qv::Texts", kDataErrorTitle), refusal, MessageButtons::Ok,
                                       MessageIcon::None);
            box->setChecked(false);
        }
    }
    const ListState& l = ctx_.doc->list;
    const bool any = isOn(l.plot_data) || isOn(l.connect) || isOn(l.moving_average) || isOn(l.smooth);
    if (!any) setListLocked(false);
    if (box == average_ && box->isChecked()) size_->setFocus();
    if (box == smooth_ && box->isChecked()) neighbours_->setFocus();
    storeDrawingOptions();
    if (redraw) ctx_.events.requestPlot();
}

// One redraw for the four, and none when the graph already shows what they
// ask for (a graph file read with the drawings it was drawn with).
void DataListPanel::applyDrawingChecks() {
    const auto switches = [this] {
        const DataPlotOptions& o = ctx_.doc->data_plot;
        return std::array<bool, 4>{o.points, o.connect, o.movingAverage, o.smooth};
    };
    const std::array<bool, 4> before = switches();
    for (QCheckBox* box : {points_, connect_, average_, smooth_}) checkReleased(box, false);
    if (switches() != before) ctx_.events.requestPlot();
}

void DataListPanel::setListLocked(bool locked) {
    for (QRadioButton* option : options_) option->setEnabled(!locked);
    for (QPushButton* button : {add_, delete_, clear_}) button->setEnabled(!locked);
}

// The size boxes hold whole numbers, at least `low`: a number typed is
// rounded (half to even) and raised to `low` at once.
void DataListPanel::sizeBoxChanged(QLineEdit* box, int low) {
    const std::optional<double> v = toNumber(box->text().toStdString());
    if (v && std::isfinite(*v)) {
        const double whole = std::max(roundHalfEven(*v, 0), static_cast<double>(low));
        const QString text = QString::fromStdString(plainText(whole));
        if (text != box->text()) {
            box->setText(text);
            box->end(false);
        }
    }
    storeDrawingOptions();
}

void DataListPanel::storeDrawingOptions() {
    const ListState& l = ctx_.doc->list;
    DataPlotOptions& o = ctx_.doc->data_plot;
    o.points = isOn(l.plot_data);
    o.connect = isOn(l.connect);
    o.movingAverage = isOn(l.moving_average);
    o.smooth = isOn(l.smooth);
    o.size = std::max(1, textInteger(l.moving_average_size, 1));
    o.neighbours = std::max(0, textInteger(l.neighbours, 0));
}

bool DataListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entry_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ctx_.defaults->setDefaultButton(add_);
        Q_EMIT entryBoxClicked();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qv
