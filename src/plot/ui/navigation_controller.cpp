#include "plot/ui/navigation_controller.h"

#include <cstdlib>
#include <numbers>
#include <optional>

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPushButton>
#include <QWheelEvent>

#include "document/graph_document.h"
#include "expression/number_text.h"
#include "plot/navigation.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

constexpr int kTransitionIntervalMs = 30;

void setNumber(QLineEdit* box, double v) { box->setText(QString::fromStdString(plainText(v))); }

// Qt's unit of wheel turn: one notch of an ordinary wheel.
constexpr int kNotch = 120;
// A pinch this much wider (or narrower) counts as one notch.
constexpr double kPinchNotch = 0.2;

bool sameRange(const ViewRange& a, const ViewRange& b) {
    return a.x_min == b.x_min && a.x_max == b.x_max && a.y_min == b.y_min && a.y_max == b.y_max;
}

const QString kHoverStyle = QStringLiteral("background-color: rgb(200, 200, 200);");

}  // namespace

NavigationController::NavigationController(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                                           QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), plotter_(plotter) {
    const ViewControls& v = panel_.view();
    const FunctionControls& f = panel_.function();
    rangeBoxes_ = v.range;
    using Step = RangeLabel::Step;
    rangeLabels_ = {{
        {v.rangeLabel[0], v.range[0], Step::XTick, -1, false, true},
        {v.rangeLabel[1], v.range[1], Step::XTick, 1, false, true},
        {v.rangeLabel[2], v.range[2], Step::YTick, -1, false, true},
        {v.rangeLabel[3], v.range[3], Step::YTick, 1, false, true},
        {f.zMinLabel, f.zMin, Step::One, -1, true, false},
        {f.zMaxLabel, f.zMax, Step::One, 1, true, false},
        {f.aMinLabel, f.aMin, Step::One, -1, false, false},
        {f.aMaxLabel, f.aMax, Step::One, 1, false, false},
    }};
    timer_.setInterval(kTransitionIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { transitionTick(); });
    connectControls();
}

void NavigationController::connectControls() {
    const ViewControls& v = panel_.view();
    for (int i = 0; i < 4; ++i) {
        connect(rangeBoxes_[i], &QLineEdit::textChanged, this, [this, i] { rangeBoxChanged(i); });
    }
    connect(v.xTick, &QLineEdit::textChanged, this, [this] { tickBoxChanged(true); });
    connect(v.yTick, &QLineEdit::textChanged, this, [this] { tickBoxChanged(false); });
    struct ZoomButton {
        QPushButton* button;
        bool in, x, y;
    };
    for (const ZoomButton& b : {ZoomButton{v.zoomInX, true, true, false}, ZoomButton{v.zoomOutX, false, true, false},
                                ZoomButton{v.zoomInY, true, false, true}, ZoomButton{v.zoomOutY, false, false, true},
                                ZoomButton{v.zoomInAll, true, true, true}, ZoomButton{v.zoomOutAll, false, true, true}}) {
        connect(b.button, &QPushButton::clicked, this, [this, b] { zoom(b.in, b.x, b.y); });
    }
    struct ShiftButton {
        QPushButton* button;
        int dx, dy;
    };
    for (const ShiftButton& b : {ShiftButton{v.up, 0, 1}, ShiftButton{v.right, 1, 0}, ShiftButton{v.down, 0, -1},
                                 ShiftButton{v.left, -1, 0}}) {
        connect(b.button, &QPushButton::clicked, this, [this, b] { shift(b.dx, b.dy); });
    }
    connect(v.setToDefault, &QPushButton::clicked, this, [this] { setToDefault(); });
    for (const RangeLabel& r : rangeLabels_) {
        r.label->installEventFilter(this);
        r.label->setMouseTracking(true);
    }
    panel_.picture()->installEventFilter(this);
    // The pi buttons beside x min, x max, y min, y max, x tick and y tick.
    const std::array<QLineEdit*, 6> boxes = {v.range[0], v.range[1], v.range[2], v.range[3], v.xTick, v.yTick};
    for (size_t i = 0; i < boxes.size(); ++i) {
        QLineEdit* box = boxes[i];
        connect(v.timesPi[i], &QPushButton::clicked, this, [this, box] { scaleByPi(box, true); });
        connect(v.byPi[i], &QPushButton::clicked, this, [this, box] { scaleByPi(box, false); });
    }
}

void NavigationController::startTransition() {
    timer_.start();
    plotter_.setScrolling(ScrollSource::Transition, true);
}

void NavigationController::stopTransition() {
    timer_.stop();
    plotter_.setScrolling(ScrollSource::Transition, false);
}

double* NavigationController::rangeVariable(int index) {
    GraphDocument& d = *ctx_.doc;
    double* vars[] = {&d.x_min, &d.x_max, &d.y_min, &d.y_max};
    return vars[index];
}

// A range box changed: the view travels from where it is to the boxes'
// range in fifteen steps.
void NavigationController::rangeBoxChanged(int index) {
    // Our own writing of the view into the boxes is no edit and no move.
    if (writingBoxes_) return;
    ctx_.events.markEdited();
    step_ = 0;
    stopTransition();
    const std::optional<double> v = number(rangeBoxes_[index]);
    const int pair = index < 2 ? 0 : 2;
    const std::optional<double> lo = number(rangeBoxes_[pair]);
    const std::optional<double> hi = number(rangeBoxes_[pair + 1]);
    if (!v || !lo || !hi || !(*hi - *lo > 0)) return;
    if (retargetEqual()) return;
    delta_[index] = *v - *rangeVariable(index);
    startTransition();
}

void NavigationController::transitionTick() {
    const int k = ++step_;
    for (int i = 0; i < 4; ++i) *rangeVariable(i) += transitionIncrement(delta_[i], k);
    if (k >= kTransitionSteps) arrive();
    redraw();
}

void NavigationController::arrive() {
    for (int i = 0; i < 4; ++i) {
        if (const std::optional<double> v = number(rangeBoxes_[i])) *rangeVariable(i) = *v;
        delta_[i] = 0;
    }
    step_ = 0;
    stopTransition();
    if (!ctx_.doc->view.equal_scales) return;
    // The boxes show the view as it is drawn, widened axis included.
    if (const std::optional<ViewRange> r = boxRange()) {
        const ViewRange e = equalized(*r);
        GraphDocument& d = *ctx_.doc;
        d.x_min = e.x_min, d.x_max = e.x_max, d.y_min = e.y_min, d.y_max = e.y_max;
        if (!sameRange(e, *r)) writeBoxes(e);
    }
}

std::optional<ViewRange> NavigationController::boxRange() const {
    std::array<double, 4> v{};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> n = number(rangeBoxes_[i]);
        if (!n) return std::nullopt;
        v[i] = *n;
    }
    const ViewRange r{v[0], v[1], v[2], v[3]};
    return r.valid() ? std::optional<ViewRange>(r) : std::nullopt;
}

ViewRange NavigationController::equalized(const ViewRange& range) const {
    const PictureArea& picture = *panel_.picture();
    return equalScales(range, usableWidth(picture), usableHeight(picture));
}

bool NavigationController::retargetEqual() {
    if (!ctx_.doc->view.equal_scales) return false;
    const std::optional<ViewRange> r = boxRange();
    if (!r) return false;
    const ViewRange e = equalized(*r);
    const double target[] = {e.x_min, e.x_max, e.y_min, e.y_max};
    for (int i = 0; i < 4; ++i) delta_[i] = target[i] - *rangeVariable(i);
    step_ = 0;
    startTransition();
    return true;
}

void NavigationController::keepEqualScales() {
    if (!ctx_.doc->view.equal_scales) return;
    if (timer_.isActive()) {
        retargetEqual();
        return;
    }
    GraphDocument& d = *ctx_.doc;
    const ViewRange now{d.x_min, d.x_max, d.y_min, d.y_max};
    const ViewRange e = equalized(now);
    if (sameRange(e, now)) return;
    d.x_min = e.x_min, d.x_max = e.x_max, d.y_min = e.y_min, d.y_max = e.y_max;
    writeBoxes(e);
}

void NavigationController::writeBoxes(const ViewRange& r) {
    writingBoxes_ = true;
    const double values[] = {r.x_min, r.x_max, r.y_min, r.y_max};
    for (int i = 0; i < 4; ++i) setNumber(rangeBoxes_[i], values[i]);
    writingBoxes_ = false;
}

void NavigationController::setEqualScales(bool on) {
    ctx_.doc->view.equal_scales = on;
    retargetEqual();
}

void NavigationController::finishTransition() {
    if (timer_.isActive()) arrive();
}

void NavigationController::tickBoxChanged(bool x) {
    const std::optional<double> v = number(x ? panel_.view().xTick : panel_.view().yTick);
    double& scale = x ? ctx_.doc->x_tick_scale : ctx_.doc->y_tick_scale;
    // A redraw writing the scale it drew with (an automatic one) is no edit.
    if (v && *v == scale) return;
    ctx_.events.markEdited();
    if (!v || !(*v > 0)) return;
    (x ? ctx_.doc->x_tick_scale : ctx_.doc->y_tick_scale) = *v;
    redraw();
}

template <typename Zoom>
void NavigationController::zoomBoxes(bool x, bool y, Zoom zoomed) {
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
        const auto [nlo, nhi] = zoomed(axis, *a, *b);
        setNumber(lo, nlo);
        setNumber(hi, nhi);
    }
}

void NavigationController::zoom(bool in, bool x, bool y) {
    zoomBoxes(x, y, [in](int, double a, double b) { return in ? zoomedIn(a, b) : zoomedOut(a, b); });
}

void NavigationController::zoomAt(const QPointF& at, bool in, bool x, bool y) {
    // Where the point lies across and up the view, as fractions of it.
    const PictureArea& picture = *panel_.picture();
    const double fx = at.x() * kTwipsPerPixel / usableWidth(picture);
    const double fy = 1 - at.y() * kTwipsPerPixel / usableHeight(picture);
    zoomBoxes(x, y, [=](int axis, double a, double b) { return zoomedAbout(a, b, axis == 0 ? fx : fy, in); });
}

void NavigationController::wheel(const QWheelEvent& e) {
    // Some desktops turn a wheel held with Shift sideways.
    const QPoint turn = e.angleDelta();
    wheelTurn_ += turn.y() != 0 ? turn.y() : turn.x();
    const int notches = wheelTurn_ / kNotch;
    if (notches == 0) return;
    wheelTurn_ -= notches * kNotch;
    const bool xOnly = e.modifiers().testFlag(Qt::ControlModifier);
    const bool yOnly = e.modifiers().testFlag(Qt::ShiftModifier);
    const bool x = xOnly || !yOnly, y = yOnly || !xOnly;
    for (int i = 0; i < std::abs(notches); ++i) zoomAt(e.position(), notches > 0, x, y);
}

void NavigationController::pinch(const QNativeGestureEvent& e) {
    if (e.gestureType() == Qt::BeginNativeGesture) pinchSpread_ = 0;
    if (e.gestureType() != Qt::ZoomNativeGesture) return;
    pinchSpread_ += e.value();
    if (std::abs(pinchSpread_) < kPinchNotch) return;
    const bool in = pinchSpread_ > 0;
    pinchSpread_ = 0;
    zoomAt(panel_.picture()->mapFromGlobal(e.globalPosition()), in, true, true);
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

void NavigationController::stepRangeLabel(const QLabel* label, bool leftButton) {
    for (const RangeLabel& r : rangeLabels_) {
        if (r.label != label) continue;
        QLineEdit* box = r.box;
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
    bool overXY = false;
    for (const RangeLabel& r : rangeLabels_) overXY |= r.viewRange && r.label == watched;
    for (const RangeLabel& r : rangeLabels_) {
        if (r.label == watched) r.label->setStyleSheet(kHoverStyle);
        else if (picture || (overXY && r.viewRange)) r.label->setStyleSheet(QString());
    }
}

bool NavigationController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_.picture() && event->type() == QEvent::Resize) {
        keepEqualScales();
        return false;
    }
    if (watched == panel_.picture() && event->type() == QEvent::Wheel) {
        wheel(*static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == panel_.picture() && event->type() == QEvent::NativeGesture) {
        pinch(*static_cast<QNativeGestureEvent*>(event));
        return true;
    }
    if (watched == panel_.picture() && event->type() == QEvent::KeyPress) {
        return pictureKey(*static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::Enter || (watched == panel_.picture() && event->type() == QEvent::MouseMove)) {
        highlightLabel(watched);
    } else if (event->type() == QEvent::MouseButtonPress && watched != panel_.picture()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
            stepRangeLabel(qobject_cast<const QLabel*>(watched), mouse->button() == Qt::LeftButton);
            return true;
        }
    }
    return false;
}

// The keys of the picture when it has the focus: an arrow shifts the view
// as the arrow buttons do, + and - zoom in and out about the middle as the
// menu's Zoom In and Zoom Out do (with or without Shift, which some keyboards
// need for +). Anything else, Ctrl with an arrow among it, goes on.
bool NavigationController::pictureKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier) return false;
    const int k = key.key();
    if (k == Qt::Key_Plus || k == Qt::Key_Equal || k == Qt::Key_Minus || k == Qt::Key_Underscore) {
        zoom(k == Qt::Key_Plus || k == Qt::Key_Equal, true, true);
        return true;
    }
    if (key.modifiers().testFlag(Qt::ShiftModifier)) return false;
    const int dx = k == Qt::Key_Right ? 1 : k == Qt::Key_Left ? -1 : 0;
    const int dy = k == Qt::Key_Up ? 1 : k == Qt::Key_Down ? -1 : 0;
    if (dx == 0 && dy == 0) return false;
    shift(dx, dy);
    return true;
}

// The number the document holds for a box of the view.
std::optional<double> NavigationController::number(const QLineEdit* box) const {
    const std::string* text = panel_.documentText(box);
    return text == nullptr ? std::nullopt : toNumber(*text);
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
    // The graph stays in view beside the list, calculator and vector
    // panels, so it follows the view in every mode, not only in the
    // parametric grapher (an autoscale of the data list moves it, too).
    if (panel_.picture()->isVisible()) plotter_.plot();
}

}  // namespace qv
