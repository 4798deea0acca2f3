#include "plot/ui/point_evaluation_controller.h"

#include <utility>

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "document/graph_document.h"
#include "expression/number_text.h"
#include "expression/routines.h"
#include "plot/legend.h"
#include "plot/picture_marks.h"
#include "plot/point_evaluation.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "ui/document_binding.h"
#include "ui/input_conventions.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

// A coordinate that could not be evaluated says so instead of showing nothing.
QString valueCaption(const Value& v, bool failed) {
    return failed ? PointEvaluationController::tr("undefined") : QString::fromStdString(valueText(v));
}

}  // namespace

PointEvaluationController::PointEvaluationController(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                                                     QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), plotter_(plotter) {
    const PointControls& c = panel_.point();
    connect(c.find, &QPushButton::clicked, this, [this] { evaluate(false); });
    connect(c.goToZ, &QLineEdit::textChanged, &ctx_.events, &PanelEvents::markEdited);
    c.goToZ->installEventFilter(this);
    panel_.picture()->installEventFilter(this);
    c.find->installEventFilter(this);
    panel_.readouts().freeze->installEventFilter(this);
    connect(&plotter_, &PlotController::curveDrawn, this, [this] { evaluate(true); });
    closingTimer_.setInterval(30);
    connect(&closingTimer_, &QTimer::timeout, this, [this] { closingBoxTick(); });
}

// The box closing in on the marked point: it starts one picture width and
// height away on every side and keeps the picture's proportions.
void PointEvaluationController::closingBoxTick() {
    PictureArea& p = *panel_.picture();
    if (plotter_.options().animationRunning) {
        closingTimer_.stop();
        return;
    }
    const double w = p.width() - 15, h = p.height() - 15;
    if (firstTick_) {
        left_ = markX_ - p.width();
        right_ = markX_ + p.width();
        top_ = markY_ - p.height();
        bottom_ = markY_ + p.height();
        // The focus stays with the point's box, not with whatever control
        // comes next after the button.
        disableKeepingFocus(panel_.point().find, panel_.point().goToZ);
        firstTick_ = false;
    } else {
        const double dx = 210, dy = w > 0 ? 210 * h / w : 210;
        left_ += dx;
        right_ -= dx;
        top_ += dy;
        bottom_ -= dy;
    }
    if (markX_ - left_ < 45) {
        firstTick_ = true;
        p.setOverlayLines({});
        panel_.point().find->setEnabled(true);
        closingTimer_.stop();
        return;
    }
    const uint32_t c = ctx_.doc->colors[kDragZoomLines];
    p.setOverlayLines({{left_, top_, left_, bottom_, c, 2}, {right_, top_, right_, bottom_, c, 2},
                       {left_, top_, right_, top_, c, 2}, {left_, bottom_, right_, bottom_, c, 2}});
}

void PointEvaluationController::setLabelsVisible(bool visible) {
    panel_.setPointLabelsVisible(visible);
    if (!visible) panel_.picture()->setDescribedPoint(QString());
}

void PointEvaluationController::evaluate(bool fromPlot) {
    QLineEdit* box = panel_.point().goToZ;
    std::string& typed = ctx_.doc->boxes.go_to_z;
    std::erase(typed, ' ');
    showText(box, typed);
    const std::string text = typed;
    if (text.empty()) {
        setLabelsVisible(false);
        return;
    }
    if (fromPlot && heldByRedraw_) {
        // The redraw a search makes before it runs: its start value is no
        // answer, so nothing marks or shows it.
        evaluatedOnce_ = true;
        setLabelsVisible(false);
        return;
    }
    setLabelsVisible(true);
    // The closing box answers the user's own request (Find, a search), once;
    // the redraws that follow a zoom or a mode change only mark the point.
    if (!fromPlot) animateNext_ = true;
    if (!evaluatedOnce_ && !fromPlot) {
        // Nothing was prepared yet: the plot prepares the forms and comes back.
        plotter_.plot();
        animateNext_ = false;
        return;
    }
    evaluatedOnce_ = true;
    const bool animate = std::exchange(animateNext_, false);
    const std::string display = heal(text, *ctx_.rewrite);
    ctx_.doc->boxes.go_to_z = shownForm(text, display);
    showText(box, ctx_.doc->boxes.go_to_z);
    const PlotState& st = plotter_.state();
    const PlotOptions& o = plotter_.options();
    const GraphDocument& d = *ctx_.doc;
    const PointRequest request{display, st.x_copy, st.y_copy, st.a_current, o.animationRunning, o.axes,
                               ViewRange{d.x_min, d.x_max, d.y_min, d.y_max}};
    const PointResult r = evaluatePoint(*ctx_.evaluator, request, *panel_.picture());
    if (!r.zNumeric) {
        // The labels would show the values of an earlier z.
        setLabelsVisible(false);
        return;
    }
    const Readouts& labels = panel_.readouts();
    // A label's new text reaches the accessibility bus as a change of its
    // name, and so a screen reader.
    labels.pointZValue->setText(QString::fromStdString(plainText(r.z)));
    labels.pointXValue->setText(valueCaption(r.x, r.xFailed));
    labels.pointYValue->setText(valueCaption(r.y, r.yFailed));
    panel_.picture()->setDescribedPoint(QString::fromStdString(
        foundPointDescription(labels.pointZValue->text().toStdString(), labels.pointXValue->text().toStdString(),
                              labels.pointYValue->text().toStdString(), o.axes.polar)));
    // A coordinate that failed has no place on the graph: no cross at 0, and
    // no box closing in on a point that is not marked.
    if (d.eval_error != 0 || !r.marked) return;
    markX_ = r.pictureX;
    markY_ = r.pictureY;
    if (animate && !stepping_ && !closingTimer_.isActive() && !o.animationRunning) {
        firstTick_ = true;
        closingTimer_.start();
    }
    // The cross belongs to the graph, so that every picture of it shows the
    // point. The redraw that evaluates after its curves draws the marks
    // itself once the curves are done; "Find" adds it to the picture as it is.
    const PictureMarks::Cross cross{r.u, r.v};
    if (fromPlot) ctx_.doc->marks.drawn.emplace_back(cross);
    else addPictureMark(*panel_.picture(), *ctx_.evaluator, *ctx_.doc, cross);
}

// Ctrl with an arrow key steps z by a tenth (Ctrl+Alt: a hundredth) of the
// x tick scale, then redraws, which evaluates again.
bool PointEvaluationController::stepZ(int key, Qt::KeyboardModifiers modifiers) {
    const bool up = key == Qt::Key_Up || key == Qt::Key_Right;
    const bool down = key == Qt::Key_Down || key == Qt::Key_Left;
    if (!up && !down) return false;
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    double fraction = 0;
    if (mods == Qt::ControlModifier) fraction = 0.1;
    else if (mods == (Qt::ControlModifier | Qt::AltModifier)) fraction = 0.01;
    else return false;
    QLineEdit* box = panel_.point().goToZ;
    if (ctx_.doc->boxes.go_to_z.empty()) return false;
    const std::string display = heal(ctx_.doc->boxes.go_to_z, *ctx_.rewrite);
    const NumResult zNow = toArithmetic(z(*ctx_.evaluator, heal_2(display)));
    const std::optional<double> tick = toNumber(ctx_.doc->boxes.x_tick);
    if (zNow.failed() || !tick) return true;
    const double next = zNow.value + (up ? 1 : -1) * fraction * *tick;
    stepping_ = true;
    box->setText(QString::fromStdString(plainText(next)));
    // Stepping is no typing: the box shows where its number begins.
    box->setCursorPosition(0);
    plotter_.plot();
    stepping_ = false;
    return true;
}

void PointEvaluationController::freeze(bool on) {
    const Readouts& r = panel_.readouts();
    const std::array<QLabel*, 3> values = {r.pointZValue, r.pointXValue, r.pointYValue};
    for (size_t i = 0; i < 3; ++i) {
        QLabel* label = values[i];
        if (on) {
            savedCaptions_[i] = label->text();
            const std::optional<double> v = toNumber(label->text().toStdString());
            if (v) label->setText(QString::fromStdString(piMultipleText(*v, ctx_.doc->const_pi)));
        } else {
            label->setText(savedCaptions_[i]);
        }
    }
}

bool PointEvaluationController::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    const PointControls& c = panel_.point();
    if (watched == c.goToZ || watched == c.find) {
        if (t == QEvent::FocusIn) ctx_.defaults->setDefaultButton(c.find);
        if (t == QEvent::FocusOut) ctx_.defaults->setDefaultButton(panel_.function().plot);
        if (t == QEvent::KeyPress && watched == c.goToZ) {
            auto* key = static_cast<QKeyEvent*>(event);
            return stepZ(key->key(), key->modifiers());
        }
    }
    // Ctrl with an arrow steps the found point from the picture too.
    if (watched == panel_.picture() && t == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        return stepZ(key->key(), key->modifiers());
    }
    if (watched == panel_.readouts().freeze) {
        if (t == QEvent::MouseButtonPress) freeze(true);
        if (t == QEvent::MouseButtonRelease) freeze(false);
    }
    return false;
}

}  // namespace qv
