#include "data/ui/list_panel.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "data/ui/data_list_panel.h"
#include "data/ui/fit_commands.h"
#include "document/graph_document.h"
#include "ui/input_conventions.h"
#include "ui/undo_steps.h"
#include "ui/document_binding.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);  // Enter goes to the keeper's default button
    return button;
}

QString qText(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ListPanel::ListPanel(PanelContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("Picture3");
    // The data columns take this half of the panel.
    data_ = new DataListPanel(ctx_, this);
    buildFunctionControls();
    layOut();
    // A click into either entry box clears the selection of the other list.
    connect(data_, &DataListPanel::entryBoxClicked, this, &ListPanel::clearFunctionSelection);
    connect(this, &ListPanel::functionEntryBoxClicked, data_, &DataListPanel::clearItemSelection);
    // The fits write into this panel's entry box.
    fits_ = new FitCommands(ctx_,
                            {data_, entry_, [this] { clearFunctionSelection(); },
                             [this]() -> RewriteContext& { return rewrite(); }},
                            this);
    bindText(entry_, ctx_.doc->list.function_entry);
}

void ListPanel::showDocument() {
    showText(entry_, ctx_.doc->list.function_entry);
    refreshFunctionList();
    data_->showDocument();
}

void ListPanel::buildFunctionControls() {
    functionCaption_ = new QLabel(tr("Function List"), this);
    functionCaption_->setObjectName("FunctionListCaption");

    entry_ = new QLineEdit(this);
    entry_->setObjectName("Text27");
    applyBoxConventions(entry_);
    entry_->installEventFilter(this);
    connect(entry_, &QLineEdit::textEdited, &ctx_.events, &PanelEvents::markEdited);

    list_ = new QListWidget(this);
    list_->setObjectName("List2");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QListWidget::itemClicked, this, &ListPanel::functionClicked);

    add_ = makeButton(tr("Add to List"), "Command28", this);
    delete_ = makeButton(tr("Delete Item"), "Command29", this);
    clear_ = makeButton(tr("Clear List"), "Command30", this);
    up_ = makeButton("^", "Command49", this);
    down_ = makeButton("v", "Command50", this);
    entry_->setAccessibleName(tr("Function entry"));
    list_->setAccessibleName(tr("Function List"));
    describeListButtons({add_, delete_, clear_}, up_, down_, tr("Function list"));
    connect(add_, &QPushButton::clicked, this, &ListPanel::addFunction);
    connect(delete_, &QPushButton::clicked, this, &ListPanel::deleteFunction);
    connect(clear_, &QPushButton::clicked, this, &ListPanel::clearFunctions);
    connect(up_, &QPushButton::clicked, this, &ListPanel::moveFunctionUp);
    connect(down_, &QPushButton::clicked, this, &ListPanel::moveFunctionDown);

    replace_ = makeButton(tr("Replace Function"), "Command39", this);
    connect(replace_, &QPushButton::clicked, this, &ListPanel::replaceFunction);
    // The entry box's text goes to the graph's x(z) or y(z) box.
    toX_ = makeButton(tr("Add to x(z)"), "Command31", this);
    toY_ = makeButton(tr("Add to y(z)"), "Command32", this);
    connect(toX_, &QPushButton::clicked, this, [this] {
        Q_EMIT functionForBox(FunctionBox::X, qText(ctx_.doc->list.function_entry));
        ctx_.events.markEdited();
    });
    connect(toY_, &QPushButton::clicked, this, [this] {
        Q_EMIT functionForBox(FunctionBox::Y, qText(ctx_.doc->list.function_entry));
        ctx_.events.markEdited();
    });
}

void ListPanel::layOut() {
    auto* arrows = new QVBoxLayout;
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    arrows->addStretch(1);

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addLayout(arrows);

    auto* buttons = new QGridLayout;
    buttons->addWidget(add_, 0, 0);
    buttons->addWidget(delete_, 0, 1);
    buttons->addWidget(clear_, 1, 0);
    buttons->addWidget(replace_, 1, 1);
    buttons->addWidget(toX_, 2, 0);
    buttons->addWidget(toY_, 2, 1);

    auto* functionSide = new QVBoxLayout;
    functionSide->addWidget(functionCaption_);
    functionSide->addWidget(entry_);
    functionSide->addLayout(listRow, 1);
    functionSide->addLayout(buttons);

    // The data list above the function list, in one column beside the
    // graph, so that the picture keeps most of the window's width.
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->addWidget(data_, 3);
    root->addWidget(separator);
    root->addLayout(functionSide, 2);
}

FunctionList& ListPanel::functions() { return ctx_.doc->functions; }
const FunctionList& ListPanel::functions() const { return ctx_.doc->functions; }

void ListPanel::setEntries(const std::vector<std::string>& entries) {
    functions().assign(entries);
    refreshFunctionList();
}

void ListPanel::refreshFunctionList() {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(functions().size()));
    for (const std::string& entry : functions().entries()) texts.append(qText(entry));
    list_->clear();
    list_->addItems(texts);
}

int ListPanel::selectedFunction() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

void ListPanel::clearFunctionSelection() { selectRow(-1); }

// Runs a command of the function list and records its change in the undo
// history under `name`.
template <typename Command>
void ListPanel::recordFunctions(const char* name, Command command) {
    std::vector<std::string> before = functions().entries();
    command();
    recordStep(ctx_.undo, tr(name), std::move(before), functions().entries(),
               [this](const std::vector<std::string>& entries) { restoreFunctions(entries); });
}

// An undo or redo puts the entries back; like any edit, it marks the graph
// as changed.
void ListPanel::restoreFunctions(const std::vector<std::string>& entries) {
    setEntries(entries);
    ctx_.events.markEdited();
}

void ListPanel::addFunction() {
    recordFunctions(QT_TR_NOOP("Add to Function List"), [this] { addFunctionNow(); });
}

void ListPanel::addFunctionNow() {
    const FunctionListEdit edit = functions().add(ctx_.doc->list.function_entry, rewrite());
    if (edit.changed) list_->addItem(qText(functions().entries().back()));
    writeBack(edit);
    // Enter adds the next function.
    if (edit.changed) makeDefault(add_);
}

void ListPanel::deleteFunction() {
    recordFunctions(QT_TR_NOOP("Delete Function"), [this] { deleteFunctionNow(); });
}

void ListPanel::deleteFunctionNow() {
    const int row = selectedFunction();
    const FunctionListEdit edit = functions().remove(row);
    if (edit.changed) delete list_->takeItem(row);
    writeBack(edit);
}

void ListPanel::clearFunctions() {
    recordFunctions(QT_TR_NOOP("Clear Function List"), [this] {
        const FunctionListEdit edit = functions().clear();
        list_->clear();
        writeBack(edit);
    });
    entry_->setFocus();
}

void ListPanel::replaceFunction() {
    recordFunctions(QT_TR_NOOP("Replace Function"), [this] {
        const int row = selectedFunction();
        const FunctionListEdit edit = functions().replace(row, ctx_.doc->list.function_entry, rewrite());
        if (edit.changed) list_->item(row)->setText(qText(functions().entries()[static_cast<std::size_t>(row)]));
        writeBack(edit);
    });
    if (selectedFunction() < 0) makeDefault(add_);
}

void ListPanel::moveFunctionUp() {
    recordFunctions(QT_TR_NOOP("Move Function Up"), [this] {
        const int row = selectedFunction();
        const FunctionListEdit edit = functions().moveUp(row);
        if (edit.changed) swapRows(row, *edit.selection);
        writeBack(edit);
    });
}

void ListPanel::moveFunctionDown() {
    recordFunctions(QT_TR_NOOP("Move Function Down"), [this] {
        const int row = selectedFunction();
        const FunctionListEdit edit = functions().moveDown(row);
        if (edit.changed) swapRows(row, *edit.selection);
        writeBack(edit);
    });
}

void ListPanel::swapRows(int row, int other) {
    // The core has swapped them already; the list box copies both texts.
    for (int r : {row, other}) list_->item(r)->setText(qText(functions().entries()[static_cast<std::size_t>(r)]));
}

void ListPanel::functionClicked(QListWidgetItem* item) {
    const int row = list_->row(item);
    if (row < 0) return;
    entry_->setText(qText(functions().entries()[static_cast<std::size_t>(row)]));
    entry_->setFocus();
    // The box may have had the focus already, so select here too.
    entry_->selectAll();
    makeDefault(replace_);
}

void ListPanel::writeBack(const FunctionListEdit& edit) {
    if (edit.entryText) entry_->setText(qText(*edit.entryText));
    if (edit.scrollTo >= 0) {
        // Selecting the entry scrolls the list to it.
        selectRow(edit.scrollTo);
        list_->scrollToItem(list_->item(edit.scrollTo));
    }
    if (edit.selection) selectRow(*edit.selection);
    if (edit.selectEntryText) entry_->selectAll();
    if (edit.edited) ctx_.events.markEdited();
}

void ListPanel::selectRow(int row) {
    if (row < 0) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    } else {
        list_->setCurrentRow(row);
    }
}

bool ListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entry_) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            makeDefault(add_);
            Q_EMIT functionEntryBoxClicked();
        } else if (event->type() == QEvent::FocusIn &&
                   ctx_.doc->list.function_entry == kDataFitHaltedText) {
            entry_->clear();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListPanel::makeDefault(QPushButton* button) {
    if (ctx_.defaults != nullptr) ctx_.defaults->setDefaultButton(button);
}

RewriteContext& ListPanel::rewrite() { return ctx_.rewrite != nullptr ? *ctx_.rewrite : localRewrite_; }

}  // namespace qv
