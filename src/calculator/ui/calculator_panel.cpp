#include "calculator/ui/calculator_panel.h"

#include <algorithm>
#include <utility>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "calculator/calculator.h"
#include "calculator/ui/description_label.h"
#include "document/data_columns.h"
#include "document/graph_document.h"
#include "expression/user_text.h"
#include "platform/platform.h"
#include "ui/document_binding.h"
#include "ui/input_conventions.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

QString qText(const std::string& text) { return QString::fromStdString(text); }

// CR LF (as stored) to the box's line breaks, and back.
QString shownLines(const std::string& text) {
    QString shown = qText(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

std::string storedLines(const QString& text) {
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return stored.toStdString();
}

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

constexpr const char* kAnswerButtonCaptions[kDataColumnCount] = {
    QT_TRANSLATE_NOOP("qv::CalculatorPanel", "Add answer to x data"),
    QT_TRANSLATE_NOOP("qv::CalculatorPanel", "Add answer to y data (1)"),
    QT_TRANSLATE_NOOP("qv::CalculatorPanel", "Add answer to y data (2)"),
    QT_TRANSLATE_NOOP("qv::CalculatorPanel", "Add answer to y data (3)")};

constexpr FormulaList kLists[] = {FormulaList::Miscellaneous, FormulaList::Area, FormulaList::Volume,
                                  FormulaList::UserDefined};

QString heading(FormulaList list) { return QString::fromStdString(shownFormulaText(formulaListHeading(list))); }

// Blanks cannot be typed into a variable box: they go as they come, and the
// caret stays where the user was typing.
void dropBlanks(QLineEdit* box) {
    const QString text = box->text();
    if (!text.contains(QLatin1Char(' '))) return;
    const int caret = box->cursorPosition();
    const int before = static_cast<int>(text.left(caret).count(QLatin1Char(' ')));
    QString cleaned = text;
    cleaned.remove(QLatin1Char(' '));
    box->setText(cleaned);
    box->setCursorPosition(caret - before);
}

}  // namespace

CalculatorPanel::CalculatorPanel(PanelContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName("Picture2");
    setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildCalculator(), 1);
    layout->addWidget(buildLibrary());
    // The mode hands the focus to the panel: it goes to the expression box.
    setFocusProxy(expression_);
    connectControls();
    bindDocument();
}

BoundControls CalculatorPanel::boundControls() const {
    CalculatorState& c = ctx_.doc->calculator;
    BoundControls bound{{{expression_, &c.entry}},
                        {{fromHistory_, &c.from_history},
                         {pi_, &c.factor_of_pi},
                         {radical_, &c.radical},
                         {fraction_, &c.fraction}}};
    for (std::size_t i = 0; i < variables_.size(); ++i) bound.texts.emplace_back(variables_[i], &c.formula_values[i]);
    return bound;
}

void CalculatorPanel::bindDocument() {
    boundControls().bind();
    // The history is the one text the user edits in place; the document
    // follows every change.
    connect(history_, &QPlainTextEdit::textChanged, this,
            [this] { ctx_.doc->calculator.history = storedLines(history_->toPlainText()); });
}

void CalculatorPanel::dropVariableBlanks() {
    for (std::size_t i = 0; i < variables_.size(); ++i) {
        std::string& value = ctx_.doc->calculator.formula_values[i];
        std::erase(value, ' ');
        showText(variables_[i], value);
    }
}

void CalculatorPanel::showDocument() {
    const CalculatorState& c = ctx_.doc->calculator;
    boundControls().show();
    description_->setDescription(shownDescription(c.description));
    setHistoryText(c.history);
    equations_.assign(c.equations);
    refreshCustomEquations();
}

QWidget* CalculatorPanel::buildCalculator() {
    auto* block = new QWidget(this);
    auto* rows = new QVBoxLayout(block);
    rows->setContentsMargins(0, 0, 0, 0);

    history_ = new QPlainTextEdit(block);
    history_->setObjectName("Text12");
    history_->setAccessibleName(tr("Calculator history"));
    history_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    history_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    history_->installEventFilter(this);
    history_->viewport()->installEventFilter(this);
    rows->addWidget(history_, 1);

    expression_ = new QLineEdit(block);
    expression_->setObjectName("Text13");
    expression_->setAccessibleName(tr("Calculator entry"));
    applyBoxConventions(expression_);
    expression_->installEventFilter(this);
    rows->addWidget(expression_);

    evaluate_ = makeButton(tr("Evaluate"), "Command21", block);
    transfer_ = makeButton(tr("Transfer Text"), "Command22", block);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(evaluate_);
    buttons->addWidget(transfer_);
    rows->addLayout(buttons);

    pi_ = makeCheck(tr("Factor of pi"), "Check5", block);
    radical_ = makeCheck(tr("Radical"), "Check6", block);
    fraction_ = makeCheck(tr("Fraction"), "Check12", block);
    fromHistory_ = makeCheck(tr("Calculate from history box"), "Check11", block);
    auto* checks = new QGridLayout;
    checks->addWidget(pi_, 0, 0);
    checks->addWidget(radical_, 0, 1);
    checks->addWidget(fraction_, 0, 2);
    checks->addWidget(fromHistory_, 1, 0, 1, 3);
    rows->addLayout(checks);

    addAnswer_ = makeButton(tr(kAnswerButtonCaptions[kYData1]), "Command36", block);
    rows->addWidget(addAnswer_);
    return block;
}

QWidget* CalculatorPanel::buildLibrary() {
    auto* block = new QGroupBox(tr("Formulas"), this);
    block->setObjectName("FormulaLibrary");
    auto* grid = new QGridLayout(block);

    const char* names[] = {"Combo1", "Combo2", "Combo3", "Combo4"};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* combo = new QComboBox(block);
        combo->setObjectName(QString::fromLatin1(names[i]));
        combo->setPlaceholderText(heading(kLists[i]));
        combo->installEventFilter(this);
        if (kLists[i] == FormulaList::UserDefined) {
            // The title of a new equation is typed here.
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->lineEdit()->installEventFilter(this);
            combo->lineEdit()->setAccessibleName(tr("Title of a new equation"));
        } else {
            for (const Formula* f : formulasOf(kLists[i])) {
                // Shown in the user's language, chosen by its English.
                combo->addItem(QString::fromStdString(shownFormulaText(f->entry)),
                               QString::fromLatin1(f->entry.data(), static_cast<qsizetype>(f->entry.size())));
            }
        }
        combo->setMaxVisibleItems(24);
        lists_[i] = combo;
        showHeading(combo);
        grid->addWidget(combo, static_cast<int>(i / 2), static_cast<int>(i % 2));
    }

    // Clicking them leaves the focus where it is, so the title typed into
    // "User Defined" is still there when they read it.
    create_ = makeButton(tr("Create Equation"), "Command23", block);
    delete_ = makeButton(tr("Delete Equation"), "Command24", block);
    create_->setFocusPolicy(Qt::TabFocus);
    delete_->setFocusPolicy(Qt::TabFocus);
    grid->addWidget(create_, 2, 0);
    grid->addWidget(delete_, 2, 1);

    auto* variables = new QGridLayout;
    variables->addWidget(new QLabel(tr("Variable Name"), block), 0, 0);
    variables->addWidget(new QLabel(tr("Value"), block), 0, 1);
    for (int i = 0; i < 10; ++i) {
        auto* box = new QLineEdit(block);
        box->setObjectName(QStringLiteral("Text14(%1)").arg(i));
        applyBoxConventions(box);
        box->installEventFilter(this);
        variables_[static_cast<std::size_t>(i)] = box;
        variables->addWidget(box, 1 + i / 2, i % 2);
    }
    grid->addLayout(variables, 3, 0, 1, 2);

    // The description scrolls when it is longer than its room; its width
    // follows the panel and never widens it.
    auto* scroll = new QScrollArea(block);
    scroll->setObjectName("DescriptionArea");
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    description_ = new DescriptionLabel(scroll);
    description_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    scroll->setWidget(description_);
    scroll->setMinimumHeight(description_->fontMetrics().lineSpacing() * 6 + 12);
    scroll->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::MinimumExpanding);
    grid->addWidget(scroll, 4, 0, 1, 2);
    return block;
}

void CalculatorPanel::connectControls() {
    connect(evaluate_, &QPushButton::clicked, this, &CalculatorPanel::evaluate);
    connect(transfer_, &QPushButton::clicked, this, &CalculatorPanel::transferText);
    connect(create_, &QPushButton::pressed, this, &CalculatorPanel::createEquation);
    connect(delete_, &QPushButton::pressed, this, &CalculatorPanel::deleteEquation);
    connect(addAnswer_, &QPushButton::clicked, &ctx_.events, &PanelEvents::requestAddAnswer);
    connect(&ctx_.events, &PanelEvents::dataColumnSelected, this, [this](int c) {
        if (c >= 0 && c < kDataColumnCount) addAnswer_->setText(tr(kAnswerButtonCaptions[c]));
    });

    // The operator shortcut: an operator typed over the whole text goes on
    // from the last answer.
    connect(expression_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const std::optional<std::string> shortcut = operatorShortcut(text.toStdString())) {
            expression_->setText(qText(*shortcut));
            expression_->end(false);
        }
        ctx_.events.markEdited();
    });
    connect(history_, &QPlainTextEdit::textChanged, this, [this] {
        if (history_->hasFocus()) ctx_.events.markEdited();
    });
    for (QLineEdit* box : variables_) {
        connect(box, &QLineEdit::textEdited, this, [this, box] {
            dropBlanks(box);
            ctx_.events.markEdited();
        });
    }

    connect(fromHistory_, &QCheckBox::clicked, this, [this](bool on) {
        if (on && ctx_.defaults) ctx_.defaults->setDefaultButton(evaluate_);
    });
    for (QCheckBox* form : {pi_, radical_, fraction_}) {
        connect(form, &QCheckBox::clicked, this, [this] { expression_->setFocus(); });
    }

    for (std::size_t i = 0; i < lists_.size(); ++i) {
        QComboBox* combo = lists_[i];
        const FormulaList list = kLists[i];
        connect(combo, &QComboBox::activated, this, [this, combo, list](int index) {
            if (list == FormulaList::UserDefined) {
                customChosen(index);
            } else {
                formulaChosen(list, combo->itemData(index).toString());
            }
        });
    }

    connect(description_, &DescriptionLabel::droppedFrom, this, [this](QObject* source) {
        // The history box dropped on the description: its text moves there.
        auto* widget = qobject_cast<QWidget*>(source);
        if (widget != history_ && !history_->isAncestorOf(widget)) return;
        setDescription(historyText());
        history_->clear();
        ctx_.events.markEdited();
    });
}

bool CalculatorPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool variableBox = std::find(variables_.begin(), variables_.end(), watched) != variables_.end();
    if ((watched == expression_ || variableBox) && type == QEvent::FocusIn) {
        // Enter in the expression box, or in a variable box after typing a
        // value, evaluates.
        if (ctx_.defaults) ctx_.defaults->setDefaultButton(evaluate_);
    } else if (watched == history_ && type == QEvent::FocusIn) {
        const bool fromHistory = isOn(ctx_.doc->calculator.from_history);
        if (ctx_.defaults) ctx_.defaults->setDefaultButton(fromHistory ? evaluate_ : nullptr);
    } else if (watched == history_ && type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (enter && plain && isOn(ctx_.doc->calculator.from_history)) {
            evaluate();
            return true;
        }
    } else if (watched == history_->viewport() && (type == QEvent::DragEnter || type == QEvent::Drop)) {
        // The description dropped on the history box: its text moves there.
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source() == description_) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (type == QEvent::Drop) {
                setHistoryText(ctx_.doc->calculator.description);
                setDescription({});
                ctx_.events.markEdited();
            }
            return true;
        }
    } else if (type == QEvent::FocusOut) {
        // A list shows its heading again once the focus has left it.
        for (QComboBox* combo : lists_) {
            if ((watched == combo || (combo->lineEdit() != nullptr && watched == combo->lineEdit())) &&
                !combo->isAncestorOf(QApplication::focusWidget()) && QApplication::focusWidget() != combo &&
                !combo->view()->isVisible()) {
                showHeading(combo);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorPanel::showHeading(QComboBox* combo) {
    const auto i = static_cast<std::size_t>(std::find(lists_.begin(), lists_.end(), combo) - lists_.begin());
    if (combo->isEditable()) {
        combo->setCurrentIndex(-1);
        combo->setEditText(heading(kLists[i]));
    } else {
        combo->setCurrentIndex(-1);
    }
}

void CalculatorPanel::evaluate() {
    CalculatorInput in;
    const CalculatorState& c = ctx_.doc->calculator;
    in.expression = c.entry;
    // The line of the history the cursor is on: where the user is, not a
    // value of the document.
    if (isOn(c.from_history) && history_->hasFocus()) {
        in.historyLine = history_->textCursor().block().text().toStdString();
    }
    in.variables = c.formula_values;
    in.forms = {isOn(c.fraction), isOn(c.factor_of_pi), isOn(c.radical)};
    in.ans = ctx_.doc->ans_value;
    in.constPi = ctx_.doc->const_pi;

    const CalculatorOutcome out = qv::evaluate(in, *ctx_.rewrite, *ctx_.evaluator);
    for (std::size_t i = 0; i < variables_.size(); ++i) {
        ctx_.doc->calculator.formula_values[i] = out.variables[i];
        showText(variables_[i], out.variables[i]);
    }
    if (out.expression) {
        ctx_.doc->calculator.entry = *out.expression;
        showText(expression_, *out.expression);
    }
    if (out.message) {
        if (ctx_.platform) {
            ctx_.platform->message(kCalculatorMessageTitle, *out.message, MessageButtons::Ok, MessageIcon::None);
        }
        return;
    }
    if (out.ans) {
        ctx_.doc->ans_value = *out.ans;
        ctx_.events.markEdited();
    }
    appendToHistory(out.appended);
    finishEvaluation();
}

void CalculatorPanel::appendToHistory(const std::string& text) {
    QTextCursor end(history_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(shownLines(text));
    if (!text.empty()) ctx_.events.markEdited();
}

void CalculatorPanel::finishEvaluation() {
    if (ctx_.defaults) ctx_.defaults->setDefaultButton(evaluate_);
    if (!history_->hasFocus()) expression_->setFocus();
    expression_->selectAll();
    QTextCursor end = history_->textCursor();
    end.movePosition(QTextCursor::End);
    history_->setTextCursor(end);
    history_->ensureCursorVisible();
}

void CalculatorPanel::transferText() {
    if (!history_->document()->isEmpty()) setDescription(historyText());
    history_->clear();
    ctx_.events.markEdited();
}

std::string CalculatorPanel::historyText() const { return ctx_.doc->calculator.history; }

void CalculatorPanel::setHistoryText(const std::string& text) {
    history_->setPlainText(shownLines(text));
    QTextCursor end = history_->textCursor();
    end.movePosition(QTextCursor::End);
    history_->setTextCursor(end);
}

std::string CalculatorPanel::description() const { return ctx_.doc->calculator.description; }

void CalculatorPanel::setDescription(const std::string& text) {
    ctx_.doc->calculator.description = text;
    description_->setDescription(shownDescription(text));
}

void CalculatorPanel::applyFill(const FormulaFill& fill) {
    for (std::size_t k = 0; k < fill.names.size(); ++k) variables_[2 * k]->setText(qText(fill.names[k]));
    expression_->setText(qText(fill.expression));
    setDescription(fill.description);
    ctx_.events.markEdited();
}

void CalculatorPanel::formulaChosen(FormulaList list, const QString& entry) {
    if (const Formula* f = findFormula(list, entry.toStdString())) applyFill(fillOf(*f));
}

void CalculatorPanel::customChosen(int index) {
    if (index >= 0 && index < equations_.count()) applyFill(equations_.fillOf(index));
}

// The text of the "User Defined" box: the title typed for a new equation,
// the heading when nothing was typed.
QString CalculatorPanel::typedTitle() const { return lists_[3]->currentText(); }

void CalculatorPanel::createEquation() {
    if (equations_.full()) {
        if (ctx_.platform) {
            ctx_.platform->message(userText("qv::Texts", kEquationLimitTitle),
                                   userText("qv::Texts", kEquationLimitText), MessageButtons::Ok, MessageIcon::None);
        }
        return;
    }
    CustomEquation e;
    e.title = typedTitle().toStdString();
    e.description = description();
    e.equation = ctx_.doc->calculator.entry;
    for (std::size_t k = 0; k < e.names.size(); ++k) e.names[k] = ctx_.doc->calculator.formula_values[2 * k];
    const QString title = qText(e.title);
    equations_.create(std::move(e));
    ctx_.doc->calculator.equations = equations_.equations();
    lists_[3]->addItem(title);
    showHeading(lists_[3]);
    setDescription({});
    expression_->clear();
    for (std::size_t k = 0; k < 5; ++k) variables_[2 * k]->clear();
    ctx_.events.markEdited();
}

void CalculatorPanel::deleteEquation() {
    QComboBox* list = lists_[3];
    int i = list->currentIndex();
    // A title typed over the chosen item leaves nothing chosen.
    if (i >= 0 && list->currentText() != list->itemText(i)) i = -1;
    if (i < 0 || i >= equations_.count()) return;
    if (ctx_.platform == nullptr) return;
    const MessageAnswer answer = ctx_.platform->message(userText("qv::Texts", kRemoveEquationTitle),
                                                        removeEquationQuestion(list->currentText().toStdString()),
                                                        MessageButtons::YesNo, MessageIcon::Question);
    if (answer != MessageAnswer::Yes) return;
    equations_.remove(i);
    ctx_.doc->calculator.equations = equations_.equations();
    list->removeItem(i);
    showHeading(list);
    setDescription({});
    expression_->clear();
    for (std::size_t k = 0; k < 5; ++k) variables_[2 * k]->clear();
    ctx_.events.markEdited();
}

void CalculatorPanel::refreshCustomEquations() {
    QComboBox* list = lists_[3];
    list->clear();
    for (const CustomEquation& e : equations_.equations()) list->addItem(qText(e.title));
    showHeading(list);
}

}  // namespace qv
