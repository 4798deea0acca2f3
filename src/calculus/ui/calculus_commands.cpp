#include "calculus/ui/calculus_commands.h"

#include <optional>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "calculus/definite_integral.h"
#include "calculus/point_derivative.h"
#include "calculus/ui/integral_panel.h"
#include "document/graph_document.h"
#include "expression/number_text.h"
#include "expression/rewrite.h"
#include "expression/user_text.h"
#include "platform/platform.h"
#include "plot/curves.h"
#include "plot/picture_marks.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/plot_controller.h"
#include "plot/ui/point_evaluation_controller.h"
#include "ui/document_binding.h"
#include "ui/input_conventions.h"
#include "ui/panel_context.h"

namespace qv {

CalculusCommands::CalculusCommands(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                                   PointEvaluationController& point, QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), plotter_(plotter), point_(point) {
    integral_ = new IntegralPanel(panel_.functionArea());
    panel_.functionArea()->addWidget(integral_);
    connect(integral_->evaluateButton(), &QPushButton::clicked, this, [this] { evaluateIntegralCommand(); });
    connect(integral_->closeButton(), &QPushButton::clicked, this, [this] { closeIntegral(); });
    connect(&plotter_, &PlotController::optionsChanged, this, &CalculusCommands::enablingChanged);
    connect(&ctx_.events, &PanelEvents::modeChanged, this, &CalculusCommands::enablingChanged);
    for (std::size_t i = 0; i < 4; ++i) bindText(integralBox(i), ctx_.doc->integral.boxes[i]);
}

// The integral's boxes in the document's order: x(z), y(z), upper, lower.
QLineEdit* CalculusCommands::integralBox(std::size_t i) const {
    QLineEdit* const boxes[4] = {integral_->xBox(), integral_->yBox(), integral_->upperBox(), integral_->lowerBox()};
    return boxes[i];
}

bool CalculusCommands::integralShown() const { return ctx_.doc->integral.shown; }

void CalculusCommands::showDocument() {
    for (std::size_t i = 0; i < 4; ++i) showText(integralBox(i), ctx_.doc->integral.boxes[i]);
    const bool shown = ctx_.doc->integral.shown;
    if (shown == (panel_.functionArea()->currentWidget() == integral_)) return;
    ctx_.doc->integral.shown = !shown;
    toggleIntegral();
}

void CalculusCommands::focusIntegral() {
    integral_->firstEmptyBox()->setFocus();
    ctx_.defaults->setDefaultButton(integral_->evaluateButton());
}

void CalculusCommands::toggleIntegral() {
    if (integralShown()) {
        closeIntegral();
    } else {
        integral_->result()->clear();
        ctx_.doc->integral.shown = true;
        panel_.functionArea()->setCurrentWidget(integral_);
        IntegralState& in = ctx_.doc->integral;
        in.boxes[0] = ctx_.doc->boxes.x_of_z;
        in.boxes[1] = ctx_.doc->boxes.y_of_z;
        showText(integral_->xBox(), in.boxes[0]);
        showText(integral_->yBox(), in.boxes[1]);
        focusIntegral();
        Q_EMIT enablingChanged();
    }
    ctx_.events.requestMode(Mode::Parametric);
}

void CalculusCommands::closeIntegral() {
    ctx_.doc->integral.shown = false;
    panel_.functionArea()->setCurrentWidget(panel_.functionBlock());
    Q_EMIT enablingChanged();
    panel_.firstFunctionBox()->setFocus();
    ctx_.defaults->setDefaultButton(panel_.function().plot);
    plotter_.plot();
}

void CalculusCommands::evaluateIntegralCommand() {
    std::array<std::string, 4>& typed = ctx_.doc->integral.boxes;
    IntegralBoxes boxes{typed[0], typed[1], typed[3], typed[2]};
    const IntegralSetup setup = prepareIntegral(boxes, *ctx_.evaluator, *ctx_.rewrite, ctx_.doc->eval_error);
    typed = {boxes.x, boxes.y, boxes.upper, boxes.lower};
    if (setup.copyToMain) {
        ctx_.doc->boxes.x_of_z = boxes.x;
        ctx_.doc->boxes.y_of_z = boxes.y;
        panel_.showDocument();
    }
    showDocument();
    if (setup.message) ctx_.platform->message(setup.message->title, setup.message->text, MessageButtons::Ok, MessageIcon::None);
    if (setup.status != IntegralStatus::Ready) return;
    plotter_.plot();
    const IntegralOutcome outcome = evaluateIntegral(*ctx_.evaluator, setup, ctx_.doc->eval_error);
    if (outcome.label) integral_->result()->setText(QString::fromStdString(*outcome.label));
    if (outcome.message) {
        ctx_.platform->message(outcome.message->title, outcome.message->text, MessageButtons::Ok, MessageIcon::None);
    }
    if (outcome.status != IntegralStatus::Evaluated) return;
    // Under the curves of the graph drawn again, so that they stay visible
    // through it; kept with the picture until the next redraw.
    plotter_.plotWithUnderlay(integralShading(setup, outcome.h));
}

CalculusEnabling CalculusCommands::enabling() const {
    // With the integral panel open the point commands stay off; the
    // searches that assume a plain cartesian graph also need no polar mode
    // and no axis transformation.
    const bool parametric = ctx_.events.parametric();
    const bool shown = integralShown();
    const bool points = parametric && !shown;
    const bool cartesian = plotter_.calculusAllowed();
    CalculusEnabling e;
    e.derivative = e.secondDerivative = points;
    e.root = e.extremum = e.inflection = points && cartesian;
    e.intersection = parametric;
    e.integral = parametric && (cartesian || shown);
    e.integralShown = shown;
    return e;
}

void CalculusCommands::search(SearchKind kind) {
    QLineEdit* box = panel_.point().goToZ;
    if (ctx_.doc->boxes.go_to_z.empty()) {
        box->setText(QString::fromStdString(userText("qv::Texts", kEnterNumberHere)));
        const SearchMessage m = requestMessage(kind);
        ctx_.platform->message(m.title, m.text, MessageButtons::Ok, MessageIcon::None);
        box->clear();
        box->setFocus();
        return;
    }
    std::optional<SearchMessage> message;
    MessageIcon icon = MessageIcon::None;
    {
        // Held back while the command runs (its own rewriting, the redraw
        // and the point evaluation would each show it): the parenthesis
        // message names the cause of whatever failed.
        FirstFormulaError held(*ctx_.rewrite, FirstFormulaError::Mode::Hold);
        message = runSearchCommand(kind);
        if (held.first()) {
            message = SearchMessage{held.first()->title, held.first()->text};
            icon = MessageIcon::Warning;
        }
    }
    if (message) ctx_.platform->message(message->title, message->text, MessageButtons::Ok, icon);
}

std::optional<SearchMessage> CalculusCommands::runSearchCommand(SearchKind kind) {
    QLineEdit* box = panel_.point().goToZ;
    const std::string typed = ctx_.doc->boxes.go_to_z;
    const std::string display = heal(typed, *ctx_.rewrite);
    box->setText(QString::fromStdString(shownForm(typed, display)));
    // A reference the rewriting could not restore is no number to start
    // from; the box keeps what was typed.
    if (!healedCleanly(display)) {
        ctx_.doc->eval_error = -1;
        return failureMessage(kind);
    }
    // No marker while the graph is redrawn before a root or intersection.
    if (kind == SearchKind::Root || kind == SearchKind::Intersection) ctx_.doc->eval_error = -1;
    // Only the point found is marked: the start value gets no cross.
    point_.holdRedrawEvaluations(true);
    plotter_.plot();
    point_.holdRedrawEvaluations(false);
    const std::optional<double> r = referenceValue(*ctx_.evaluator, ctx_.doc->boxes.go_to_z);
    if (!r) {
        ctx_.doc->eval_error = -1;
        return failureMessage(kind);
    }
    SearchInput input;
    input.xText = ctx_.doc->boxes.x_of_z;
    input.yText = ctx_.doc->boxes.y_of_z;
    if (kind == SearchKind::Intersection) input.entries = ctx_.doc->functions.entries();
    input.r = *r;
    const SearchResult result = runSearch(*ctx_.evaluator, kind, input);
    ctx_.doc->eval_error = result.eval_error;
    if (result.ran) {
        box->setText(QString::fromStdString(result.box));
        if (result.showPoint) {
            point_.evaluate(false);
            box->setText(QString::fromStdString(plainText(input.r)));
        }
    }
    if (result.messages.empty()) return std::nullopt;
    return result.messages.front();
}

void CalculusCommands::evaluateDerivative(bool second) {
    QLineEdit* box = panel_.point().goToZ;
    if (ctx_.doc->boxes.go_to_z.empty()) {
        // The box asks for the number while the message is up.
        box->setText(QString::fromStdString(userText("qv::Texts", kEnterNumberHere)));
        const PointDerivativeMessage m = emptyBoxMessage(second);
        ctx_.platform->message(m.title, m.text, MessageButtons::Ok, MessageIcon::None);
        box->clear();
        box->setFocus();
        return;
    }
    const QString typed = QString::fromStdString(ctx_.doc->boxes.go_to_z);
    PointDerivativeMessage m;
    MessageIcon icon = MessageIcon::None;
    {
        // One box per command: an unbalanced parenthesis (in the box or in
        // a function the redraw reads) is the message, as it names the cause.
        FirstFormulaError held(*ctx_.rewrite, FirstFormulaError::Mode::Hold);
        const std::string display = heal(typed.toStdString(), *ctx_.rewrite);
        box->setText(QString::fromStdString(shownForm(typed.toStdString(), display)));
        const std::string zForm = heal_2(withAnimationValue(display, plotter_.state().a_current));
        plotter_.plot();
        box->setText(typed);
        const std::string x = heal_2(ctx_.doc->boxes.x_of_z);
        const std::string y = heal_2(ctx_.doc->boxes.y_of_z);
        m = pointDerivative(*ctx_.evaluator, zForm, x, y, second);
        if (held.first()) {
            m = PointDerivativeMessage{false, held.first()->title, held.first()->text};
            icon = MessageIcon::Warning;
        }
    }
    ctx_.platform->message(m.title, m.text, MessageButtons::Ok, icon);
}

}  // namespace qv
