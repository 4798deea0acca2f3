#include "plot/ui/plot_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "document/graph_document.h"
#include "plot/ui/graph_panel.h"
#include "ui/panel_context.h"
#include "platform/platform.h"

namespace qv {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

void setIfChanged(QLineEdit* box, const std::string& s) {
    const QString q = QString::fromStdString(s);
    if (box->text() != q) box->setText(q);
}

}  // namespace

PlotController::PlotController(GraphPanel& panel, PanelContext& context, FunctionSource functions, QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), functions_(std::move(functions)) {
    connectControls();
}

void PlotController::connectControls() {
    connect(panel_.plotButton(), &QPushButton::clicked, this, [this] { plotLine(); });
    // Editing the function boxes asks the next redraw to read them again.
    for (const char* name : {"Text6", "Text7", "Text8", "Text9", "Text10", "Text11"}) {
        connect(panel_.box(name), &QLineEdit::textChanged, this, [this] { ctx_.doc->full_replot = "1"; });
    }
    // A resized area has lost its picture.
    connect(panel_.picture(), &PictureArea::resized, this, [this] { plot(); });
    connect(panel_.option("Option1"), &QRadioButton::clicked, this, [this] { graphingModeChanged(false); });
    connect(panel_.option("Option2"), &QRadioButton::clicked, this, [this] { graphingModeChanged(true); });
    for (const char* name : {"Check10", "Check4"}) {
        connect(panel_.checkBox(name), &QCheckBox::clicked, this, [this](bool checked) { derivativeClicked(checked); });
    }
}

QAction* PlotController::addCheck(QMenu* menu, const char* text, const char* name) {
    QAction* action = menu->addAction(tr(text));
    action->setObjectName(name);
    action->setCheckable(true);
    return action;
}

void PlotController::addViewMenuEntries(QMenu* view) {
    QAction* plotEntry = view->addAction(tr("&Plot"));
    plotEntry->setObjectName("Plot_");
    connect(plotEntry, &QAction::triggered, this, [this] { plotLine(); });
    view->addSeparator();
    hideScrolling_ = addCheck(view, "&Hide Scrolling Plot", "hideplot");
    smoothPlotting_ = addCheck(view, "&Smooth Plotting", "SmoothPlot");
    autoZ_ = addCheck(view, "&Auto z Range", "AutoZ");
    connect(autoZ_, &QAction::triggered, this, [this](bool checked) {
        options_.autoZRange = checked;
        if (!checked) return;
        ctx_.doc->full_replot = "1";
        plot();
    });
    view->addSeparator();
    logX_ = addCheck(view, "Log x-axis", "Logx");
    logY_ = addCheck(view, "Log y-axis", "Logy");
    invertX_ = addCheck(view, "1 / x-axis", "x_invert");
    invertY_ = addCheck(view, "1 / y-axis", "y_invert");
    connect(logX_, &QAction::triggered, this, [this] { toggleTransformation(logX_, invertX_); });
    connect(logY_, &QAction::triggered, this, [this] { toggleTransformation(logY_, invertY_); });
    connect(invertX_, &QAction::triggered, this, [this] { toggleTransformation(invertX_, logX_); });
    connect(invertY_, &QAction::triggered, this, [this] { toggleTransformation(invertY_, logY_); });
}

bool PlotController::calculusAllowed() const {
    return !panel_.option("Option2")->isChecked() && !options_.logX && !options_.logY && !options_.invertX &&
           !options_.invertY;
}

// The four transformation entries: checking one unchecks its partner on the
// same axis (and, in polar mode, first says that it will not apply there).
void PlotController::toggleTransformation(QAction* entry, QAction* partner) {
    // The menu has already flipped the check: the state before the click is
    // the opposite.
    const bool checking = entry->isChecked();
    if (checking) {
        if (panel_.option("Option2")->isChecked() && ctx_.platform) {
            ctx_.platform->message("Quorvanta",
                                   "Note that axis transformations will not take effect while in polar graphing mode.",
                                   MessageButtons::Ok, MessageIcon::None);
        }
        partner->setChecked(false);
    }
    options_.logX = logX_->isChecked();
    options_.logY = logY_->isChecked();
    options_.invertX = invertX_->isChecked();
    options_.invertY = invertY_->isChecked();
    if (optionsChanged_) optionsChanged_();
    ctx_.doc->full_replot = "1";
    plotWithSmoothing();
}

void PlotController::plotWithSmoothing() {
    state_.smooth_pass = smoothPlotting_ != nullptr && smoothPlotting_->isChecked();
    plot();
    state_.smooth_pass = false;
}

void PlotController::derivativeClicked(bool checked) {
    if (checked) state_.smooth_pass = smoothPlotting_ != nullptr && smoothPlotting_->isChecked();
    plot();
    state_.smooth_pass = false;
}

// "Cartesian" and "Polar": the captions of the labels that name the
// coordinates, then a redraw in the parametric grapher.
void PlotController::graphingModeChanged(bool polar) {
    struct Caption {
        const char* name;
        const char* cartesian;
        const char* polar;
    };
    static const Caption kCaptions[] = {
        {"Label5", "x =", "th="}, {"Label7", "y =", "r  ="}, {"Label11", "x =", "th ="}, {"Label12", "y =", "r ="},
        {"Label9", "Freeze x(z), y(z)", "Freeze th(z), r(z)"},
    };
    for (const Caption& c : kCaptions) {
        if (QLabel* label = panel_.label(c.name)) label->setText(polar ? c.polar : c.cartesian);
    }
    panel_.xCaption()->setText(polar ? "th(z) =" : "x(z)=");
    panel_.yCaption()->setText(polar ? "r(z) =" : "y(z)=");
    panel_.findButton()->setText(polar ? "Find th(z), r(z)" : "Find x(z), y(z)");
    panel_.checkBox("Check1")->setText(polar ? "Plot all functions as r(z)" : "Plot all functions as y(z)");
    if (optionsChanged_) optionsChanged_();
    ctx_.doc->full_replot = "1";
    state_.smooth_pass = smoothPlotting_ != nullptr && smoothPlotting_->isChecked();
    if (!parametricActive_ || parametricActive_()) plot();
    state_.smooth_pass = false;
}

PlotOptions PlotController::gatherOptions() const {
    PlotOptions o = options_;
    o.polar = panel_.option("Option2")->isChecked();
    o.derivative = panel_.checkBox("Check10")->isChecked();
    o.secondDerivative = panel_.checkBox("Check4")->isChecked();
    o.plotAllFunctions = panel_.checkBox("Check1")->isChecked();
    o.autoZRange = autoZ_ != nullptr && autoZ_->isChecked();
    o.frameOnly = hideScrolling_ != nullptr && hideScrolling_->isChecked() && scrolling_ && scrolling_();
    return o;
}

PlotBoxes PlotController::gatherBoxes() const {
    PlotBoxes b;
    b.zMin = text(panel_.box("Text6"));
    b.zMax = text(panel_.box("Text7"));
    b.x = text(panel_.box("Text8"));
    b.y = text(panel_.box("Text9"));
    b.aMin = text(panel_.box("Text10"));
    b.aMax = text(panel_.box("Text11"));
    b.xMinBox = text(panel_.box("Text1"));
    b.xMaxBox = text(panel_.box("Text2"));
    b.xTickBox = text(panel_.box("Text17"));
    b.yTickBox = text(panel_.box("Text18"));
    return b;
}

void PlotController::writeBack(const PlotBoxes& b) {
    setIfChanged(panel_.box("Text6"), b.zMin);
    setIfChanged(panel_.box("Text7"), b.zMax);
    setIfChanged(panel_.box("Text8"), b.x);
    setIfChanged(panel_.box("Text9"), b.y);
    setIfChanged(panel_.box("Text10"), b.aMin);
    setIfChanged(panel_.box("Text11"), b.aMax);
    setIfChanged(panel_.box("Text17"), b.xTickBox);
    setIfChanged(panel_.box("Text18"), b.yTickBox);
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
        runPlot();
    } while (pending_);
    plotting_ = false;
}

void PlotController::runPlot() {
    ++redraws_;
    PlotBoxes boxes = gatherBoxes();
    PlotHooks hooks;
    hooks.tickLimit = [this](const TickLimitMessage& m) {
        if (ctx_.platform) ctx_.platform->message(m.title, m.text, MessageButtons::Ok, MessageIcon::None);
    };
    hooks.yieldToEvents = [] { QCoreApplication::processEvents(); };
    hooks.afterCurve = afterCurve_;
    // The point's labels go while curves are drawn; the point evaluation
    // after each curve shows them again.
    hooks.hideReadouts = [this] { hidePointLabels(); };
    // Plot writes the rewritten boxes back only through `boxes`; their
    // change handlers then ask for a full replot only where a text changed.
    const std::vector<std::string> functions = functions_ ? functions_() : std::vector<std::string>();
    const PlotOptions options = gatherOptions();
    // A scrolling pass draws the frame only, without the point.
    if (options.frameOnly) hidePointLabels();
    Plot(*panel_.picture(), *ctx_.evaluator, *ctx_.rewrite, *ctx_.doc, boxes, functions, options, state_, hooks);
    const std::string replot = ctx_.doc->full_replot;
    writeBack(boxes);
    // The rewritten forms are what was prepared: writing them back is no edit.
    ctx_.doc->full_replot = replot;
}

void PlotController::hidePointLabels() { panel_.setPointLabelsVisible(false); }

void PlotController::plotLine() {
    QLineEdit* x = panel_.xBox();
    QLineEdit* y = panel_.yBox();
    const QString word = x->text();
    // The effect words; the effects themselves run with the animation.
    if (word == "warp") {
        x->clear();
        return;
    }
    if (word == "tornado" || word == "color") return;
    if (word == "shade") {
        x->clear();
        y->clear();
        x->setFocus();
    }
    if (!options_.animationRunning) state_.animation_request = true;
    plotWithSmoothing();
}

}  // namespace qv
