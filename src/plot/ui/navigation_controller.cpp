#include "plot/ui/navigation_controller.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <numbers>
#include <optional>
#include <string_view>

#include "document/graph_document.h"
#include "plot/ui/graph_panel.h"
#include "ui/panel_context.h"
#include "expression/number_text.h"
#include "plot/navigation.h"
#include "plot/ui/plot_controller.h"

namespace qv {

namespace {

constexpr int kTransitionIntervalMs = 30;

std::optional<double> number(const QLineEdit* box) { return toNumber(box->text().toStdString()); }

void setNumber(QLineEdit* box, double v) { box->setText(QString::fromStdString(plainText(v))); }

// The range labels, the box each steps, by how much, and which way the
// left button goes (the right one goes the other way).
struct RangeLabel {
    const char* label;
    const char* box;
    enum class Step { XTick, YTick, One } step;
    int leftSign;
    bool plots;
};

constexpr RangeLabel kRangeLabels[] = {
    {"Label1", "Text1", RangeLabel::Step::XTick, -1, false}, {"Label2", "Text2", RangeLabel::Step::XTick, 1, false},
    {"Label3", "Text3", RangeLabel::Step::YTick, -1, false}, {"Label4", "Text4", RangeLabel::Step::YTick, 1, false},
    {"Label21", "Text6", RangeLabel::Step::One, -1, true},   {"Label22", "Text7", RangeLabel::Step::One, 1, true},
    {"Label19", "Text10", RangeLabel::Step::One, -1, false}, {"Label23", "Text11", RangeLabel::Step::One, 1, false},
};

const QString kHoverStyle = QStringLiteral("background-color: rgb(200, 200, 200);");

}  // namespace

NavigationController::NavigationController(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                                           QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), plotter_(plotter) {
    rangeBoxes_ = {panel_.box("Text1"), panel_.box("Text2"), panel_.box("Text3"), panel_.box("Text4")};
    timer_.setInterval(kTransitionIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { transitionTick(); });
    connectControls();
}

void NavigationController::connectControls() {
    for (int i = 0; i < 4; ++i) {
        connect(rangeBoxes_[i], &QLineEdit::textChanged, this, [this, i] { rangeBoxChanged(i); });
    }
    connect(panel_.box("Text17"), &QLineEdit::textChanged, this, [this] { tickBoxChanged(true); });
    connect(panel_.box("Text18"), &QLineEdit::textChanged, this, [this] { tickBoxChanged(false); });
    struct ZoomButton {
        const char* name;
        bool in, x, y;
    };
    for (const ZoomButton& b : {ZoomButton{"Command7", true, true, false}, ZoomButton{"Command8", false, true, false},
                                ZoomButton{"Command9", true, false, true}, ZoomButton{"Command10", false, false, true},
                                ZoomButton{"Command11", true, true, true}, ZoomButton{"Command12", false, true, true}}) {
        connect(panel_.button(b.name), &QPushButton::clicked, this, [this, b] { zoom(b.in, b.x, b.y); });
    }
    struct ShiftButton {
        const char* name;
        int dx, dy;
    };
    for (const ShiftButton& b : {ShiftButton{"Command13", 0, 1}, ShiftButton{"Command14", 1, 0},
                                 ShiftButton{"Command15", 0, -1}, ShiftButton{"Command16", -1, 0}}) {
        connect(panel_.button(b.name), &QPushButton::clicked, this, [this, b] { shift(b.dx, b.dy); });
    }
    connect(panel_.button("Command2"), &QPushButton::clicked, this, [this] { setToDefault(); });
    for (const RangeLabel& r : kRangeLabels) {
        if (QLabel* label = panel_.label(r.label)) {
            label->installEventFilter(this);
            label->setMouseTracking(true);
        }
    }
    panel_.picture()->installEventFilter(this);
    // The pi buttons beside x min, x max, y min, y max, x tick and y tick.
    const char* boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text17", "Text18"};
    const char* times[] = {"Command3", "Command4", "Command5", "Command6", "Command17", "Command18"};
    const char* by[] = {"Command43", "Command44", "Command45", "Command46", "Command47", "Command48"};
    for (int i = 0; i < 6; ++i) {
        QLineEdit* box = panel_.box(boxes[i]);
        connect(panel_.button(times[i]), &QPushButton::clicked, this, [this, box] { scaleByPi(box, true); });
        connect(panel_.button(by[i]), &QPushButton::clicked, this, [this, box] { scaleByPi(box, false); });
    }
}

void NavigationController::addViewMenuEntries(QMenu* view) {
    view->addSeparator();
    auto add = [&](const char* text, const char* name, std::function<void()> slot) {
        QAction* a = view->addAction(tr(text));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, std::move(slot));
    };
    add("Set to Default", "SettoDefault", [this] { setToDefault(); });
    add("Zoom &In", "ZoomIn", [this] { zoom(true, true, true); });
    add("Zoom &Out", "ZoomOut", [this] { zoom(false, true, true); });
    add("Shift Graph &Left", "ShiftGraphLeft", [this] { shift(-1, 0); });
    add("Shift Graph &Right", "ShiftGraphRight", [this] { shift(1, 0); });
    add("Shift Graph &Up", "ShiftGraphUp", [this] { shift(0, 1); });
    add("Shift Graph &Down", "ShiftGraphDown", [this] { shift(0, -1); });
}

double* NavigationController::rangeVariable(int index) {
    GraphDocument& d = *ctx_.doc;
    double* vars[] = {&d.x_min, &d.x_max, &d.y_min, &d.y_max};
    return vars[index];
}

// A range box changed: the view travels from where it is to the boxes'
// range in fifteen steps.
void NavigationController::rangeBoxChanged(int index) {
    if (ctx_.markEdited) ctx_.markEdited();
    step_ = 0;
    timer_.stop();
    const std::optional<double> v = number(rangeBoxes_[index]);
    const int pair = index < 2 ? 0 : 2;
    const std::optional<double> lo = number(rangeBoxes_[pair]);
    const std::optional<double> hi = number(rangeBoxes_[pair + 1]);
    if (!v || !lo || !hi || !(*hi - *lo > 0)) return;
    delta_[index] = *v - *rangeVariable(index);
    timer_.start();
}

void NavigationController::transitionTick() {
    const int k = ++step_;
    for (int i = 0; i < 4; ++i) *rangeVariable(i) += transitionIncrement(delta_[i], k);
    if (k >= kTransitionSteps) {
        for (int i = 0; i < 4; ++i) {
            if (const std::optional<double> v = number(rangeBoxes_[i])) *rangeVariable(i) = *v;
            delta_[i] = 0;
        }
        step_ = 0;
        timer_.stop();
        ctx_.doc->full_replot = "1";
    }
    redraw();
}

void NavigationController::tickBoxChanged(bool x) {
    if (ctx_.markEdited) ctx_.markEdited();
    const std::optional<double> v = number(panel_.box(x ? "Text17" : "Text18"));
    if (!v || !(*v > 0)) return;
    (x ? ctx_.doc->x_tick_scale : ctx_.doc->y_tick_scale) = *v;
    redraw();
}

void NavigationController::zoom(bool in, bool x, bool y) {
    for (int axis = 0; axis < 2; ++axis) {
        if ((axis == 0 && !x) || (axis == 1 && !y)) continue;
        QLineEdit* lo = rangeBoxes_[2 * axis];
        QLineEdit* hi = rangeBoxes_[2 * axis + 1];
        const std::optional<double> a = number(lo), b = number(hi);
        if (!a || !b) {
            // The "all" buttons need all four boxes.
            if (x && y) return;
            continue;
        }
        const auto [nlo, nhi] = in ? zoomedIn(*a, *b) : zoomedOut(*a, *b);
        setNumber(lo, nlo);
        setNumber(hi, nhi);
    }
}

void NavigationController::shift(int dx, int dy) {
    const int pair = dx != 0 ? 0 : 2;
    QLineEdit* lo = rangeBoxes_[pair];
    QLineEdit* hi = rangeBoxes_[pair + 1];
    const std::optional<double> a = number(lo), b = number(hi);
    if (!a || !b) return;
    // A tenth of the range as it is drawn now, not as the boxes say.
    const double s = 0.1 * (*rangeVariable(pair + 1) - *rangeVariable(pair)) * (dx != 0 ? dx : dy);
    setNumber(lo, *a + s);
    setNumber(hi, *b + s);
}

void NavigationController::stepRangeLabel(const char* name, bool leftButton) {
    for (const RangeLabel& r : kRangeLabels) {
        if (std::string_view(r.label) != name) continue;
        QLineEdit* box = panel_.box(r.box);
        const std::optional<double> v = number(box);
        if (!v) return;
        const double size = r.step == RangeLabel::Step::XTick   ? ctx_.doc->x_tick_scale
                            : r.step == RangeLabel::Step::YTick ? ctx_.doc->y_tick_scale
                                                                : 1.0;
        setNumber(box, *v + (leftButton ? r.leftSign : -r.leftSign) * size);
        if (r.plots) redraw();
        return;
    }
}

// Hovering paints a range label light grey; the x and y range labels show
// one at a time, and the picture clears them all.
void NavigationController::highlightLabel(QObject* watched) {
    const bool picture = watched == panel_.picture();
    auto isXY = [](const RangeLabel& r) { return std::string_view(r.box).size() == 5; };  // Text1 .. Text4
    bool overXY = false;
    for (const RangeLabel& r : kRangeLabels) overXY |= isXY(r) && panel_.label(r.label) == watched;
    for (const RangeLabel& r : kRangeLabels) {
        QLabel* label = panel_.label(r.label);
        if (label == nullptr) continue;
        if (label == watched) label->setStyleSheet(kHoverStyle);
        else if (picture || (overXY && isXY(r))) label->setStyleSheet(QString());
    }
}

bool NavigationController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || (watched == panel_.picture() && event->type() == QEvent::MouseMove)) {
        highlightLabel(watched);
    } else if (event->type() == QEvent::MouseButtonPress && watched != panel_.picture()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
            stepRangeLabel(watched->objectName().toLatin1().constData(), mouse->button() == Qt::LeftButton);
            return true;
        }
    }
    return false;
}

void NavigationController::setToDefault() {
    const GraphDocument& d = *ctx_.doc;
    rangeBoxes_[0]->setText(QString::fromStdString(d.default_x_min));
    rangeBoxes_[1]->setText(QString::fromStdString(d.default_x_max));
    rangeBoxes_[2]->setText(QString::fromStdString(d.default_y_min));
    rangeBoxes_[3]->setText(QString::fromStdString(d.default_y_max));
}

void NavigationController::scaleByPi(QLineEdit* box, bool times) {
    const std::optional<double> v = number(box);
    if (!v) return;
    setNumber(box, times ? *v * std::numbers::pi : *v / std::numbers::pi);
}

void NavigationController::redraw() {
    if (!parametricActive_ || parametricActive_()) plotter_.plot();
}

}  // namespace qv
