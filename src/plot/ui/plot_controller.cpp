#include "plot/ui/plot_controller.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "document/graph_document.h"
#include "platform/platform.h"
#include "plot/legend.h"
#include "plot/picture_marks.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/redraw_pacing.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

// The flag of one transformation, for a const or a writable set of switches.
template <typename Switches>
auto& transformationFlag(Switches& a, AxisTransformation which) {
    switch (which) {
    case AxisTransformation::LogX: return a.log_x;
    case AxisTransformation::LogY: return a.log_y;
    case AxisTransformation::InvertX: return a.invert_x;
    case AxisTransformation::InvertY: break;
    }
    return a.invert_y;
}

// The other transformation of the same axis.
AxisTransformation partnerOf(AxisTransformation which) {
    switch (which) {
    case AxisTransformation::LogX: return AxisTransformation::InvertX;
    case AxisTransformation::LogY: return AxisTransformation::InvertY;
    case AxisTransformation::InvertX: return AxisTransformation::LogX;
    case AxisTransformation::InvertY: break;
    }
    return AxisTransformation::LogY;
}

}  // namespace

PlotController::PlotController(GraphPanel& panel, PanelContext& context, QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context) {
    connectControls();
}

void PlotController::connectControls() {
    const FunctionControls& f = panel_.function();
    connect(f.plot, &QPushButton::clicked, this, [this] { plotLine(); });
    // A resized area has lost its picture.
    connect(panel_.picture(), &PictureArea::resized, this, [this] {
        if (plotting_) resizedWhilePlotting_ = true;
        plot();
    });
    connect(f.cartesian, &QRadioButton::clicked, this, [this] { graphingModeChanged(false); });
    connect(f.polar, &QRadioButton::clicked, this, [this] { graphingModeChanged(true); });
    for (QCheckBox* check : {f.derivative, f.secondDerivative}) {
        connect(check, &QCheckBox::clicked, this, [this](bool checked) {
            if (checked) state_.smooth_pass = ctx_.doc->view.smooth_plotting;
            plot();
            state_.smooth_pass = false;
        });
    }
    connect(&ctx_.events, &PanelEvents::plotRequested, this, [this] { plot(); });
}

void PlotController::setAutoZRange(bool on) {
    ctx_.doc->view.auto_z_range = on;
    if (!on) return;
    plot();
}

bool PlotController::hideScrollingPlot() const { return ctx_.doc->view.hide_scrolling_plot; }
void PlotController::setHideScrollingPlot(bool on) { ctx_.doc->view.hide_scrolling_plot = on; }
bool PlotController::smoothPlotting() const { return ctx_.doc->view.smooth_plotting; }
void PlotController::setSmoothPlotting(bool on) { ctx_.doc->view.smooth_plotting = on; }

void PlotController::showSwitches() {
    Q_EMIT optionsChanged();
}

bool PlotController::transformation(AxisTransformation which) const {
    return transformationFlag(ctx_.doc->axes, which);
}

void PlotController::setTransformation(AxisTransformation which, bool on) {
    if (on) {
        if (ctx_.doc->axes.polar && ctx_.platform) {
            ctx_.platform->message(
                "Quorvanta",
                tr("Note that axis transformations will not take effect while in polar graphing mode.").toStdString(),

                MessageButtons::Ok, MessageIcon::None);
        }
        transformationFlag(ctx_.doc->axes, partnerOf(which)) = false;
    }
    transformationFlag(ctx_.doc->axes, which) = on;
    Q_EMIT optionsChanged();
    plotWithSmoothing();
}

bool PlotController::calculusAllowed() const {
    return ctx_.doc->axes.plain();
}

void PlotController::setScrolling(ScrollSource source, bool on) { scrolling_[static_cast<int>(source)] = on; }

void PlotController::plotWithSmoothing() {
    state_.smooth_pass = ctx_.doc->view.smooth_plotting;
    plot();
    state_.smooth_pass = false;
}

// "Cartesian" and "Polar": the captions of the labels that name the
// coordinates, then a redraw in the parametric grapher.
void PlotController::graphingModeChanged(bool polar) {
    const Readouts& r = panel_.readouts();
    const FunctionControls& f = panel_.function();
    struct Caption {
        QLabel* label;
        const char* cartesian;
        const char* polar;
    };
    const Caption captions[] = {
        {r.mouseX, "x =", "th="},
        {r.mouseY, "y =", "r  ="},
        {r.pointX, "x =", "th ="},
        {r.pointY, "y =", "r ="},
        {r.freeze, QT_TR_NOOP("Freeze x(z), y(z)"), QT_TR_NOOP("Freeze th(z), r(z)")},
        {f.xCaption, "x(z) =", "th(z) ="},
        {f.yCaption, "y(z) =", "r(z) ="},
    };
    // The coordinate names are notation, the same in every language.
    for (const Caption& c : captions)
        c.label->setText(tr(polar ? c.polar : c.cartesian));
    panel_.point().find->setText(polar ? tr("Find th(z), r(z)") : tr("Find x(z), y(z)"));
    f.plotAll->setText(polar ? tr("Plot all functions as r(z)") : tr("Plot all functions as y(z)"));
    Q_EMIT optionsChanged();
    state_.smooth_pass = ctx_.doc->view.smooth_plotting;
    // The graph is in view in every mode.
    if (panel_.picture()->isVisible()) plot();
    state_.smooth_pass = false;
}

PlotOptions PlotController::gatherOptions() const {
    const GraphDocument& d = *ctx_.doc;
    PlotOptions o;
    o.axes = d.axes;
    o.autoZRange = d.view.auto_z_range;
    o.animationRunning = animationRunning_;
    o.derivative = isOn(d.boxes.derivative);
    o.secondDerivative = isOn(d.boxes.second_derivative);
    o.plotAllFunctions = isOn(d.boxes.plot_all_functions);
    o.showGrid = d.show_grid == "1";
    o.showTickNumbers = d.show_tick_numbers == "1";
    o.frameOnly = d.view.hide_scrolling_plot && (scrolling_[0] || scrolling_[1]);
    o.refineCurves = d.view.refine_curves;
    o.pixelRatio = panel_.picture()->devicePixelRatioF();
    return o;
}

PlotBoxes PlotController::gatherBoxes() const {
    const GraphBoxes& d = ctx_.doc->boxes;
    PlotBoxes b;
    b.zMin = d.z_min;
    b.zMax = d.z_max;
    b.x = d.x_of_z;
    b.y = d.y_of_z;
    b.aMin = d.a_min;
    b.aMax = d.a_max;
    b.xMinBox = d.range[0];
    b.xMaxBox = d.range[1];
    b.yMinBox = d.range[2];
    b.yMaxBox = d.range[3];
    b.xTickBox = d.x_tick;
    b.yTickBox = d.y_tick;
    return b;
}

// Only the texts the redraw changed are written: a long redraw lets timers
// run (the range glide), whose own changes to the boxes must stand.
void PlotController::writeBack(const PlotBoxes& b, const PlotBoxes& gathered) {
    GraphBoxes& d = ctx_.doc->boxes;
    const std::pair<std::string*, std::string PlotBoxes::*> kFields[] = {
        {&d.z_min, &PlotBoxes::zMin},    {&d.z_max, &PlotBoxes::zMax},    {&d.x_of_z, &PlotBoxes::x},
        {&d.y_of_z, &PlotBoxes::y},      {&d.a_min, &PlotBoxes::aMin},    {&d.a_max, &PlotBoxes::aMax},
        // The data's autoscale may have fitted the view: the range boxes'
        // own change handlers then move it.
        {&d.range[0], &PlotBoxes::xMinBox}, {&d.range[1], &PlotBoxes::xMaxBox}, {&d.range[2], &PlotBoxes::yMinBox},
        {&d.range[3], &PlotBoxes::yMaxBox}, {&d.x_tick, &PlotBoxes::xTickBox}, {&d.y_tick, &PlotBoxes::yTickBox},
    };
    bool changed = false;
    for (const auto& [field, box] : kFields) {
        if (b.*box != gathered.*box && *field != b.*box) {
            *field = b.*box;
            changed = true;
        }
    }
    if (changed) panel_.showDocument();
}

void PlotController::plot() {
    if (plotting_) {
        // Smooth plotting lets events in while it draws; a redraw asked for
        // then follows this one instead of running inside it.
        pending_ = true;
        return;
    }
    plotting_ = true;
    do {
        pending_ = false;
        resizedWhilePlotting_ = false;
        // The user who stopped a long redraw does not want the next one that
        // was asked for meanwhile (the animation's next frame), unless the
        // area was resized: what it holds was drawn for another size.
        if (runPlot()) pending_ = resizedWhilePlotting_;
    } while (pending_);
    plotting_ = false;
}

void PlotController::plotWithUnderlay(const PictureMarks::Mark& mark) {
    underlay_ = mark;
    plot();
    underlay_.reset();
}

bool PlotController::runPlot() {
    ++redraws_;
    const PlotBoxes gathered = gatherBoxes();
    const PlotOptions options = gatherOptions();
    // Events come in while a long redraw draws: the list it draws is its own.
    const std::vector<std::string> functions =
        options.plotAllFunctions ? ctx_.doc->functions.entries() : std::vector<std::string>();
    RedrawPacing pacing(panel_.window(), panel_.function().stop,
                        [this](const QString& text) { panel_.setPlotStatus(text); });
    PlotHooks hooks;
    // A message a redraw raises is shown when its cause first arises, not
    // again at every redraw that meets it (the range glide and the animation
    // redraw many times a second); while it lasts, the status line says it.
    std::set<std::string> raised;
    std::string raisedText;
    const auto raise = [this, &raised, &raisedText](const std::string& title, const std::string& text) {
        raised.insert(title + '\n' + text);
        if (raisedText.empty()) raisedText = text;
        if (ctx_.platform && shownMessages_.count(title + '\n' + text) == 0) {
            ctx_.platform->message(title, text, MessageButtons::Ok, MessageIcon::None);
        }
    };
    hooks.tickLimit = [&raise](const TickLimitMessage& m) { raise(m.title, m.text); };
    hooks.yieldToEvents = [&pacing] { pacing.yieldAll(); };
    hooks.stopRequested = [&pacing](int curve, int curves) { return pacing.poll(curve, curves); };
    hooks.dataMessage = [&raise](const DataMessage& m) { raise(m.title, m.text); };
    hooks.afterCurve = [this](int curve) { Q_EMIT curveDrawn(curve); };
    hooks.underCurves = [this] {
        if (underlay_) ctx_.doc->marks.drawn.push_back(*underlay_);
        drawMarksUnderCurves(*panel_.picture(), *ctx_.evaluator, *ctx_.doc);
    };
    hooks.startAnimation = [this] { Q_EMIT animationRequested(); };
    // The point's labels go while curves are drawn; the point evaluation
    // after each curve shows them again.
    hooks.hideReadouts = [this] { panel_.setPointLabelsVisible(false); };
    // A scrolling pass draws the frame only, without the point.
    if (options.frameOnly) panel_.setPointLabelsVisible(false);
    // Every line of the picture has the width of the "Line Size:" option.
    panel_.picture()->setLineWidth(ctx_.doc->line_width);
    std::optional<PlotResult> drawn;
    {
        FirstFormulaError oneMessage(*ctx_.rewrite, FirstFormulaError::Mode::PassOn);
        drawn = Plot(*panel_.picture(), *ctx_.evaluator, *ctx_.rewrite, *ctx_.doc, gathered, functions, options,
                     state_, hooks);
    }
    // The marks the redraw's point evaluation set, over the curves; a pass
    // that left the picture alone left its marks on it too.
    if (drawn->drawn) {
        drawPictureMarks(*panel_.picture(), *ctx_.evaluator, *ctx_.doc);
        drawLegend(*panel_.picture(), *ctx_.doc, drawn->legend);
    }
    const PlotResult& result = *drawn;
    // What a screen reader says of the picture follows what it shows.
    if (result.drawn && !options.frameOnly) {
        panel_.picture()->setDescribedDrawing(
            QString::fromStdString(pictureDescription(result.legend, result.boxes.x, options.axes.polar, *ctx_.doc)));
    }
    report(result, options.frameOnly, std::move(raised), raisedText);
    // The rewritten forms are what was prepared: the next redraw finds them
    // unchanged.
    writeBack(result.boxes, gathered);
    // Esc is the key of "Stop": it ends an animation as well.
    if (result.stopped && pacing.stoppedByKey()) panel_.function().stop->click();
    return result.stopped;
}

void PlotController::report(const PlotResult& result, bool frameOnly, std::set<std::string> raised,
                            const std::string& raisedText) {
    // A pass that drew no data (a frame while scrolling, an empty range)
    // cannot tell whether a cause went away.
    if (result.drawn && !frameOnly) shownMessages_ = std::move(raised);
    else shownMessages_.insert(raised.begin(), raised.end());
    // Why the curves show nothing, in the status line; a successful redraw
    // clears it, a pass that drew no curves by design leaves it.
    std::optional<std::string> status = result.status;
    if (!raisedText.empty() && (!status || status->empty() || result.statusIsNote)) status = raisedText;
    if (status) panel_.setPlotStatus(QString::fromStdString(*status));
}

void PlotController::drawOnto(Canvas& canvas) const {
    GraphDocument doc = *ctx_.doc;
    PlotState state = state_;
    const PlotBoxes boxes = gatherBoxes();
    RewriteContext rewrite = *ctx_.rewrite;
    rewrite.errors = nullptr;  // a message belongs to the window's own redraw
    PlotOptions options = gatherOptions();
    options.frameOnly = false;
    state.animation_request = false;
    canvas.setLineWidth(doc.line_width);
    PlotHooks hooks;
    hooks.underCurves = [this, &canvas] { drawMarksUnderCurves(canvas, *ctx_.evaluator, *ctx_.doc); };
    const PlotResult result =
        Plot(canvas, *ctx_.evaluator, rewrite, doc, boxes, doc.functions.entries(), options, state, hooks);
    // The copy's marks went with its clearing; the window's are drawn over it
    // (and the shading under its curves, above).
    if (result.drawn) {
        drawPictureMarks(canvas, *ctx_.evaluator, *ctx_.doc);
        drawLegend(canvas, doc, result.legend);
    }
}

void PlotController::plotLine() {
    QLineEdit* x = panel_.function().x;
    QLineEdit* y = panel_.function().y;
    const QString word = QString::fromStdString(ctx_.doc->boxes.x_of_z);
    // The effect words, compared exactly.
    if (word == QLatin1String("warp")) {
        Q_EMIT warpRequested();
        x->clear();
        return;
    }
    if (word == QLatin1String("tornado")) {
        Q_EMIT tornadoRequested();
        return;
    }
    if (word == QLatin1String("color")) {
        Q_EMIT colorEffectRequested();
        return;
    }
    if (word == QLatin1String("shade")) {
        Q_EMIT shadeRequested(QString::fromStdString(ctx_.doc->boxes.y_of_z));
        x->clear();
        y->clear();
        x->setFocus();
    }
    if (!animationRunning_) state_.animation_request = true;
    // The colour effect holds its curves until this asks for the boxes.
    if (colorEffectRunning_) state_.prepared.reset();
    plotWithSmoothing();
}

}  // namespace qv
