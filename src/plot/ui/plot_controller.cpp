#include "plot/ui/plot_controller.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "document/graph_document.h"
#include "document/ui/graph_panel.h"
#include "document/ui/panel_context.h"
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
}

PlotOptions PlotController::gatherOptions() const {
    PlotOptions o = options_;
    o.polar = panel_.option("Option2")->isChecked();
    o.derivative = panel_.checkBox("Check10")->isChecked();
    o.secondDerivative = panel_.checkBox("Check4")->isChecked();
    o.plotAllFunctions = panel_.checkBox("Check1")->isChecked();
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
    // Plot writes the rewritten boxes back only through `boxes`; their
    // change handlers then ask for a full replot only where a text changed.
    const std::vector<std::string> functions = functions_ ? functions_() : std::vector<std::string>();
    Plot(*panel_.picture(), *ctx_.evaluator, *ctx_.rewrite, *ctx_.doc, boxes, functions, gatherOptions(), state_, hooks);
    const std::string replot = ctx_.doc->full_replot;
    writeBack(boxes);
    // The rewritten forms are what was prepared: writing them back is no edit.
    ctx_.doc->full_replot = replot;
}

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
    state_.smooth_pass = smoothPlotting_;
    plot();
    state_.smooth_pass = false;
}

}  // namespace qv
