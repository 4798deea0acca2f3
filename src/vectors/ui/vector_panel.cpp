#include "vectors/ui/vector_panel.h"

#include <optional>
#include <string>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "document/graph_document.h"
#include "expression/number_text.h"
#include "platform/platform.h"
#include "ui/input_conventions.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

// The unit vectors' letters: a dotless i and j (the hat takes the dot's
// place) and k.
const char16_t* const kUnitLetters[3] = {u"\u0131", u"\u0237", u"k"};
const char* const kUnitNames[3] = {"i", "j", "k"};
const char* const kVectorNames[kVectorCount] = {"A", "B", "C", "D", "E"};
const char* const kVectorItems[kVectorCount] = {"  A", "  B", "  C", "  D", "  E"};
// The words are set off by blanks so that the list reads centred.
const char* const kOperationItems[5] = {"      +", "      -", QT_TRANSLATE_NOOP("qv::VectorPanel", "  Angle"),
                                        QT_TRANSLATE_NOOP("qv::VectorPanel", "    Dot"),
                                        QT_TRANSLATE_NOOP("qv::VectorPanel", "  Cross")};
constexpr VectorOperation kOperations[5] = {VectorOperation::Sum, VectorOperation::Difference,
                                            VectorOperation::Angle, VectorOperation::Dot, VectorOperation::Cross};
constexpr const char* kZeroTitle = QT_TRANSLATE_NOOP("qv::VectorPanel", "Quorvanta  -  Reset Vectors?");
constexpr const char* kZeroQuestion = QT_TRANSLATE_NOOP("qv::VectorPanel", "Reset all vector values to zero?");

QString qText(const std::string& s) { return QString::fromStdString(s); }

// A unit vector's caption: its letter with a "^" drawn above it. Fonts
// place a combining circumflex over k unreliably, so the hat is painted.
class UnitCaption : public QWidget {
public:
    UnitCaption(int axis, QWidget* parent)
        : QWidget(parent), letter_(QString::fromUtf16(kUnitLetters[axis])) {
        setAccessibleName(QString::fromLatin1(kUnitNames[axis]));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override {
        const QFontMetrics fm = fontMetrics();
        return {fm.horizontalAdvance(letter_) + fm.xHeight(), fm.height() + hatHeight() + gap()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics fm = fontMetrics();
        const int baseline = height() - fm.descent();
        const QRect ink = fm.tightBoundingRect(letter_);
        const qreal x = (width() - fm.horizontalAdvance(letter_)) / 2.0;
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(QPointF(x, baseline), letter_);

        const qreal centre = x + ink.center().x() + 0.5;
        const qreal bottom = baseline + ink.top() - gap();
        const qreal half = qMax(3.0, fm.xHeight() * 0.4);
        QPen pen = p.pen();
        pen.setWidthF(qMax(1.0, fm.lineWidth() * 1.0));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        const QPointF hat[3] = {{centre - half, bottom}, {centre, bottom - hatHeight()}, {centre + half, bottom}};
        p.drawPolyline(hat, 3);
    }

private:
    int hatHeight() const { return qMax(2, fontMetrics().xHeight() / 4); }
    int gap() const { return qMax(2, fontMetrics().xHeight() / 3); }

    QString letter_;
};

QWidget* unitCaption(int axis, QWidget* parent) { return new UnitCaption(axis, parent); }

// A box or a value label wide enough for the usual texts the rules write
// ("-123.4567891", "-0.70710678"); longer ones scroll in their box.
int valueWidth(const QWidget* w) { return w->fontMetrics().horizontalAdvance(QStringLiteral("-000.0000000")) + 12; }

// Lays out one vector (or the result) as the rows show it: the components
// joined by "+", then, after "<--->", the magnitude and the two angles with
// their captions. `cells` are the six value widgets in box order.
void layOutVector(QGridLayout* grid, int top, QWidget* parent, const std::array<QWidget*, 6>& cells,
                  const QString& lead) {
    auto* components = new QHBoxLayout;
    components->setSpacing(4);
    for (int axis = 0; axis < 3; ++axis) {
        if (axis > 0) components->addWidget(new QLabel(QStringLiteral("+"), parent));
        components->addWidget(cells[static_cast<std::size_t>(axis)]);
        components->addWidget(unitCaption(axis, parent));
    }
    components->addStretch(1);
    grid->addWidget(new QLabel(lead, parent), top, 0);
    grid->addLayout(components, top, 1, 1, 3);

    const char* captions[3] = {QT_TRANSLATE_NOOP("qv::VectorPanel", "Magnitude ="),
                               QT_TRANSLATE_NOOP("qv::VectorPanel", "Angle from +x axis ="),
                               QT_TRANSLATE_NOOP("qv::VectorPanel", "Angle from x - y plane =")};
    grid->addWidget(new QLabel(QStringLiteral("<--->"), parent), top + 1, 0, Qt::AlignRight);
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(VectorPanel::tr(captions[i]), parent), top + 1 + i, 1);
        grid->addWidget(cells[static_cast<std::size_t>(3 + i)], top + 1 + i, 2);
        if (i > 0)
            grid->addWidget(new QLabel(QCoreApplication::translate("qv::VectorPanel", "deg."), parent), top + 1 + i, 3);
    }
}

QComboBox* vectorList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (int k = 0; k < kVectorCount; ++k) list->addItem(QString::fromLatin1(kVectorItems[k]), 6 * k);
    return list;
}

}  // namespace

VectorPanel::VectorPanel(PanelContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName("Picture6");
    // A click on the panel (or an assignment) takes the focus off the boxes;
    // Tab goes from box to box and never stops on the panel itself, where
    // the focus would show nowhere.
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(tr("Vectors"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The rows scroll when the window is too low for all of them.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("VectorsArea");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes from box to box, and the area follows; it is no stop itself.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    auto* rows = new QVBoxLayout(content);
    rows->setContentsMargins(4, 0, 4, 0);
    rows->addWidget(buildVectors());
    rows->addWidget(buildOperation());
    rows->addStretch(1);
    scroll->setWidget(content);
    layout->addWidget(scroll);
    setMinimumWidth(content->sizeHint().width() + 20);

    for (std::size_t i = 0; i < lists_.size(); ++i) {
        lists_[i]->setCurrentIndex(ctx_.doc->vector_selections[i]);
        connect(lists_[i], &QComboBox::currentIndexChanged, this,
                [this, i](int index) { ctx_.doc->vector_selections[i] = index; });
    }
    for (int i : {0, 1, 2}) {
        connect(lists_[static_cast<std::size_t>(i)], &QComboBox::activated, this, &VectorPanel::runOperation);
    }
    connect(assign_, &QPushButton::clicked, this, &VectorPanel::assignResult);
    connect(zero_, &QPushButton::clicked, this, &VectorPanel::zeroAll);
    connect(&ctx_.events, &PanelEvents::modeChanged, this, [this](Mode mode) {
        if (mode == Mode::Vectors) refresh();
    });
    showResult(false);
    showBoxes();
}

QWidget* VectorPanel::buildVectors() {
    auto* block = new QWidget(this);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    for (int k = 0; k < kVectorCount; ++k) {
        std::array<QWidget*, 6> cells{};
        for (int j = 0; j < 6; ++j) {
            const int n = 6 * k + j;
            auto* box = new QLineEdit(QStringLiteral("0"), block);
            box->setObjectName(QStringLiteral("Text34(%1)").arg(n));
            box->setFixedWidth(valueWidth(box));
            applyBoxConventions(box);
            box->installEventFilter(this);
            connect(box, &QLineEdit::textChanged, this, [this, n] { boxChanged(n); });
            connect(box, &QLineEdit::textEdited, &ctx_.events, &PanelEvents::markEdited);
            // Named for screen readers: "Vector A, i component", "Vector A, magnitude".
            static constexpr const char* kParts[6] = {QT_TR_NOOP("i component"),    QT_TR_NOOP("j component"),
                                                      QT_TR_NOOP("k component"),    QT_TR_NOOP("magnitude"),
                                                      QT_TR_NOOP("angle from +x axis"), QT_TR_NOOP("angle from x - y plane")};
            box->setAccessibleName(
                tr("Vector %1, %2").arg(QString::fromLatin1(kVectorNames[k]), tr(kParts[j])));
            boxes_[static_cast<std::size_t>(n)] = box;
            cells[static_cast<std::size_t>(j)] = box;
        }
        const int top = 5 * k;
        layOutVector(grid, top, block, cells, tr("Vector %1 =").arg(QString::fromLatin1(kVectorNames[k])));
        if (k + 1 < kVectorCount) {
            auto* line = new QFrame(block);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, top + 4, 0, 1, 4);
        }
    }
    grid->setColumnStretch(4, 1);
    return block;
}

QWidget* VectorPanel::buildOperation() {
    auto* block = new QFrame(this);
    block->setObjectName("VectorOperation");
    block->setFrameShape(QFrame::StyledPanel);
    auto* rows = new QVBoxLayout(block);
    rows->setContentsMargins(6, 4, 6, 4);
    rows->setSpacing(4);

    lists_[0] = vectorList("Combo5(0)", block);
    lists_[1] = vectorList("Combo5(1)", block);
    lists_[2] = new QComboBox(block);
    lists_[2]->setObjectName("Combo5(2)");
    for (int i = 0; i < 5; ++i)
        lists_[2]->addItem(tr(kOperationItems[i]), i);
    lists_[3] = vectorList("Combo5(3)", block);
    assign_ = new QPushButton(tr("Assign to Vector"), block);
    assign_->setObjectName("Command52(0)");
    assign_->setAutoDefault(false);
    zero_ = new QPushButton(tr("Zero all Vectors"), block);
    zero_->setObjectName("Command52(1)");
    zero_->setAutoDefault(false);

    scalar_ = new QLabel(QStringLiteral("N/A"), block);
    scalar_->setObjectName("VectorScalar");
    scalar_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    degrees_ = new QLabel(tr("Degrees"), block);
    auto* operation = new QHBoxLayout;
    operation->addWidget(new QLabel(tr("Evaluate:"), block));
    operation->addWidget(lists_[0]);
    operation->addWidget(lists_[2]);
    operation->addWidget(lists_[1]);
    operation->addWidget(new QLabel(QStringLiteral("="), block));
    operation->addWidget(scalar_);
    operation->addWidget(degrees_);
    operation->addStretch(1);
    rows->addLayout(operation);

    resultRow_ = new QWidget(block);
    auto* grid = new QGridLayout(resultRow_);
    grid->setContentsMargins(0, 0, 0, 0);
    std::array<QWidget*, 6> cells{};
    for (int j = 0; j < 6; ++j) {
        auto* label = new QLabel(QStringLiteral("0"), resultRow_);
        label->setObjectName(QStringLiteral("VectorResult(%1)").arg(j));
        label->setFixedWidth(valueWidth(label));
        // Framed like the boxes above, so that the result reads as a row.
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMargin(2);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        resultLabels_[static_cast<std::size_t>(j)] = label;
        cells[static_cast<std::size_t>(j)] = label;
    }
    layOutVector(grid, 0, resultRow_, cells, QString());
    grid->setColumnStretch(4, 1);
    rows->addWidget(resultRow_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(assign_);
    bottom->addWidget(lists_[3]);
    bottom->addStretch(1);
    bottom->addWidget(zero_);
    rows->addLayout(bottom);

    return block;
}

bool VectorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A box left with a text that is not a number shows 0 again.
        for (QLineEdit* box : boxes_) {
            if (watched == box && !isNumeric(box->text().toStdString())) box->setText(QStringLiteral("0"));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VectorPanel::boxChanged(int n) {
    std::array<std::string, kVectorBoxCount>& boxes = ctx_.doc->vector_boxes;
    boxes[static_cast<std::size_t>(n)] = boxes_[static_cast<std::size_t>(n)]->text().toStdString();
    if (!guard_ || !isNumeric(boxes[static_cast<std::size_t>(n)])) return;
    guard_ = false;
    updateVectorRow(boxes, n, ctx_.doc->const_pi);
    showBoxes();
    runOperation();
    guard_ = true;
}

void VectorPanel::showBoxes() {
    const bool guard = guard_;
    guard_ = false;
    for (std::size_t n = 0; n < boxes_.size(); ++n) {
        const QString text = qText(ctx_.doc->vector_boxes[n]);
        if (boxes_[n]->text() != text) boxes_[n]->setText(text);
    }
    guard_ = guard;
}

void VectorPanel::showResult(bool visible) {
    resultRow_->setVisible(visible);
    assign_->setVisible(visible);
    lists_[3]->setVisible(visible);
}

void VectorPanel::runOperation() {
    const auto chosen = [this](int list) -> std::optional<int> {
        const int i = ctx_.doc->vector_selections[static_cast<std::size_t>(list)];
        return i < 0 ? std::nullopt : std::optional<int>(i);
    };
    const std::optional<int> op = chosen(2);
    result_ = runVectorOperation(ctx_.doc->vector_boxes, chosen(0), chosen(1),
                                 op ? std::optional<VectorOperation>(kOperations[*op]) : std::nullopt,
                                 *ctx_.evaluator, ctx_.doc->const_pi);
    for (std::size_t j = 0; j < resultLabels_.size(); ++j) resultLabels_[j]->setText(qText(result_.vector[j]));
    scalar_->setText(qText(result_.scalar));
    scalar_->setVisible(result_.showScalar);
    degrees_->setVisible(result_.showDegrees);
    showResult(result_.showVector);
}

void VectorPanel::assignResult() {
    const int target = ctx_.doc->vector_selections[3];
    if (target < 0) return;
    guard_ = false;
    assignVectorResult(ctx_.doc->vector_boxes, result_, target);
    showBoxes();
    showResult(false);
    setFocus();
    guard_ = true;
    ctx_.events.markEdited();
}

void VectorPanel::zeroAll() {
    if (ctx_.platform == nullptr) return;
    if (ctx_.platform->message(tr(kZeroTitle).toStdString(), tr(kZeroQuestion).toStdString(), MessageButtons::YesNo,
                               MessageIcon::Question) != MessageAnswer::Yes) {
        return;
    }
    guard_ = false;
    ctx_.doc->vector_boxes.fill("0");
    showBoxes();
    runOperation();
    guard_ = true;
    for (int k = 0; k < kVectorCount; ++k) updateVector(6 * k);
    ctx_.events.markEdited();
}

void VectorPanel::updateVector(int firstBox) { boxChanged(firstBox); }

void VectorPanel::showDocument() {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        if (lists_[i]->currentIndex() != ctx_.doc->vector_selections[i]) {
            lists_[i]->setCurrentIndex(ctx_.doc->vector_selections[i]);
        }
    }
    showBoxes();
    runOperation();
}

void VectorPanel::refresh() {
    showBoxes();
    runOperation();
    for (int k = 0; k < kVectorCount; ++k) updateVector(6 * k);
}

}  // namespace qv
