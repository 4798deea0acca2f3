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
#include "plot/picture_marks.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/redraw_pacing.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

void setIfChanged(QLineEdit* box, const std::string& s) {
    const QString q = QString::fromStdString(s);
    if (box->text() != q) box->setText(q);
}

// The flag of one transformation, for a const or a writable PlotOptions.
template <typename Options>
auto& transformationFlag(Options& o, AxisTransformation which) {
    switch (which) {
    case AxisTransformation::LogX: return o.logX;
    case AxisTransformation::LogY: return o.logY;
    case AxisTransformation::InvertX: return o.invertX;
    case AxisTransformation::InvertY: break;
    }
    return o.invertY;
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
    // Editing the function boxes asks the next redraw to read them again.
    for (QLineEdit* box : {f.zMin, f.zMax, f.aMin, f.aMax}) {
        connect(box, &QLineEdit::textChanged, this, [this] { ctx_.doc->full_replot = true; });
    }
    for (QLineEdit* box : {f.x, f.y}) {
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (!colorEffectRunning_) ctx_.doc->full_replot = true;
        });
    }
    // A resized area has lost its picture.
    connect(panel_.picture(), &PictureArea::resized, this, [this] {
        if (plotting_) resizedWhilePlotting_ = true;
        plot();
    });
    connect(f.cartesian, &QRadioButton::clicked, this, [this] { graphingModeChanged(false); });
    connect(f.polar, &QRadioButton::clicked, this, [this] { graphingModeChanged(true); });
    for (QCheckBox* check : {f.derivative, f.secondDerivative}) {
        connect(check, &QCheckBox::clicked, this, [this](bool checked) {
            if (checked) state_.smooth_pass = smoothPlotting_;
            plot();
            state_.smooth_pass = false;
        });
    }
    connect(&ctx_.events, &PanelEvents::plotRequested, this, [this] { plot(); });
}

void PlotController::setAutoZRange(bool on) {
    options_.autoZRange = on;
    if (!on) return;
    ctx_.doc->full_replot = true;
    plot();
}

void PlotController::restoreViewSwitches(const std::array<bool, 7>& on) {
    hideScrolling_ = on[0];
    smoothPlotting_ = on[1];
    options_.autoZRange = on[2];
    const AxisTransformation kOrder[4] = {AxisTransformation::LogX, AxisTransformation::LogY,
                                          AxisTransformation::InvertX, AxisTransformation::InvertY};
    for (std::size_t i = 0; i < 4; ++i) transformationFlag(options_, kOrder[i]) = on[3 + i];
    ctx_.doc->full_replot = true;
    Q_EMIT optionsChanged();
}

bool PlotController::transformation(AxisTransformation which) const {
    return transformationFlag(options_, which);
}

void PlotController::setTransformation(AxisTransformation which, bool on) {
    if (on) {
        if (panel_.function().polar->isChecked() && ctx_.platform) {
            ctx_.platform->message("Quorvanta",
                                   "Note that axis transformations will not take effect while in polar graphing mode.",
                                   MessageButtons::Ok, MessageIcon::None);
        }
        transformationFlag(options_, partnerOf(which)) = false;
    }
    transformationFlag(options_, which) = on;
    Q_EMIT optionsChanged();
    ctx_.doc->full_replot = true;
    plotWithSmoothing();
}

bool PlotController::calculusAllowed() const {
    return !panel_.function().polar->isChecked() && !options_.logX && !options_.logY && !options_.invertX &&
           !options_.invertY;
}

void PlotController::setScrolling(ScrollSource source, bool on) { scrolling_[static_cast<int>(source)] = on; }

void PlotController::plotWithSmoothing() {
    state_.smooth_pass = smoothPlotting_;
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
        {r.mouseX, "x =", "th="},  {r.mouseY, "y =", "r  ="}, {r.pointX, "x =", "th ="},
        {r.pointY, "y =", "r ="},  {r.freeze, "Freeze x(z), y(z)", "Freeze th(z), r(z)"},
        {f.xCaption, "x(z)=", "th(z) ="}, {f.yCaption, "y(z)=", "r(z) ="},
    };
    for (const Caption& c : captions) c.label->setText(polar ? c.polar : c.cartesian);
    panel_.point().find->setText(polar ? "Find th(z), r(z)" : "Find x(z), y(z)");
    f.plotAll->setText(polar ? "Plot all functions as r(z)" : "Plot all functions as y(z)");
    Q_EMIT optionsChanged();
    ctx_.doc->full_replot = true;
    state_.smooth_pass = smoothPlotting_;
    // The graph is in view in every mode.
    if (panel_.picture()->isVisible()) plot();
    state_.smooth_pass = false;
}

PlotOptions PlotController::gatherOptions() const {
    const FunctionControls& f = panel_.function();
    PlotOptions o = options_;
    o.polar = f.polar->isChecked();
    o.derivative = f.derivative->isChecked();
    o.secondDerivative = f.secondDerivative->isChecked();
    o.plotAllFunctions = f.plotAll->isChecked();
    o.showGrid = ctx_.doc->show_grid == "1";
    o.showTickNumbers = ctx_.doc->show_tick_numbers == "1";
    o.frameOnly = hideScrolling_ && (scrolling_[0] || scrolling_[1]);
    return o;
}

PlotBoxes PlotController::gatherBoxes() const {
    const FunctionControls& f = panel_.function();
    const ViewControls& v = panel_.view();
    PlotBoxes b;
    b.zMin = text(f.zMin);
    b.zMax = text(f.zMax);
    b.x = text(f.x);
    b.y = text(f.y);
    b.aMin = text(f.aMin);
    b.aMax = text(f.aMax);
    b.xMinBox = text(v.range[0]);
    b.xMaxBox = text(v.range[1]);
    b.yMinBox = text(v.range[2]);
    b.yMaxBox = text(v.range[3]);
    b.xTickBox = text(v.xTick);
    b.yTickBox = text(v.yTick);
    return b;
}

// Only the texts the redraw changed are written: a long redraw lets timers
// run (the range glide), whose own changes to the boxes must stand.
void PlotController::writeBack(const PlotBoxes& b, const PlotBoxes& gathered) {
    const FunctionControls& f = panel_.function();
    const ViewControls& v = panel_.view();
    const std::pair<QLineEdit*, std::string PlotBoxes::*> kBoxes[] = {
        {f.zMin, &PlotBoxes::zMin},         {f.zMax, &PlotBoxes::zMax},       {f.x, &PlotBoxes::x},
        {f.y, &PlotBoxes::y},               {f.aMin, &PlotBoxes::aMin},       {f.aMax, &PlotBoxes::aMax},
        // The data's autoscale may have fitted the view: the range boxes'
        // own change handlers then move it.
        {v.range[0], &PlotBoxes::xMinBox},  {v.range[1], &PlotBoxes::xMaxBox}, {v.range[2], &PlotBoxes::yMinBox},
        {v.range[3], &PlotBoxes::yMaxBox},  {v.xTick, &PlotBoxes::xTickBox},  {v.yTick, &PlotBoxes::yTickBox},
    };
    for (const auto& [box, field] : kBoxes) {
        if (b.*field != gathered.*field) setIfChanged(box, b.*field);
    }
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

bool PlotController::runPlot() {
    ++redraws_;
    const PlotBoxes gathered = gatherBoxes();
    PlotBoxes boxes = gathered;
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
    hooks.startAnimation = [this] { Q_EMIT animationRequested(); };
    // The point's labels go while curves are drawn; the point evaluation
    // after each curve shows them again.
    hooks.hideReadouts = [this] { panel_.setPointLabelsVisible(false); };
    // Plot writes the rewritten boxes back only through `boxes`; their
    // change handlers then ask for a full replot only where a text changed.
    // A scrolling pass draws the frame only, without the point.
    if (options.frameOnly) panel_.setPointLabelsVisible(false);
    // Every line of the picture has the width of the "Line Size:" option.
    panel_.picture()->setLineWidth(ctx_.doc->line_width);
    std::optional<PlotResult> drawn;
    {
        FirstFormulaError oneMessage(*ctx_.rewrite, FirstFormulaError::Mode::PassOn);
        drawn = Plot(*panel_.picture(), *ctx_.evaluator, *ctx_.rewrite, *ctx_.doc, boxes, functions, options, state_,
                     hooks);
    }
    // The marks the redraw's point evaluation set, over the curves; a pass
    // that left the picture alone left its marks on it too.
    if (drawn->drawn) drawPictureMarks(*panel_.picture(), *ctx_.evaluator, *ctx_.doc);
    const PlotResult& result = *drawn;
    report(result, options.frameOnly, std::move(raised), raisedText);
    const bool replot = ctx_.doc->full_replot;
    writeBack(boxes, gathered);
    // The rewritten forms are what was prepared: writing them back is no edit.
    ctx_.doc->full_replot = replot;
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
    if (!raisedText.empty() && (!status || status->empty() || status->rfind("note: ", 0) == 0)) status = raisedText;
    if (status) panel_.setPlotStatus(QString::fromStdString(*status));
}

void PlotController::drawOnto(Canvas& canvas) const {
    GraphDocument doc = *ctx_.doc;
    PlotState state = state_;
    PlotBoxes boxes = gatherBoxes();
    RewriteContext rewrite = *ctx_.rewrite;
    rewrite.errors = nullptr;  // a message belongs to the window's own redraw
    PlotOptions options = gatherOptions();
    options.frameOnly = false;
    state.animation_request = false;
    canvas.setLineWidth(doc.line_width);
    const PlotResult result =
        Plot(canvas, *ctx_.evaluator, rewrite, doc, boxes, doc.functions.entries(), options, state, PlotHooks{});
    // The copy's marks went with its clearing; the window's are drawn over it.
    if (result.drawn) drawPictureMarks(canvas, *ctx_.evaluator, *ctx_.doc);
}

void PlotController::plotLine() {
    QLineEdit* x = panel_.function().x;
    QLineEdit* y = panel_.function().y;
    const QString word = x->text();
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
        Q_EMIT shadeRequested(y->text());
        x->clear();
        y->clear();
        x->setFocus();
    }
    if (!options_.animationRunning) state_.animation_request = true;
    if (colorEffectRunning_) ctx_.doc->full_replot = true;
    plotWithSmoothing();
}

}  // namespace qv
