#include "calculus/ui/calculus_commands.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "calculus/point_derivative.h"
#include "document/ui/graph_panel.h"
#include "document/ui/panel_context.h"
#include "expression/number_text.h"
#include "platform/platform.h"
#include "plot/curves.h"
#include "plot/ui/plot_controller.h"

namespace qv {

CalculusCommands::CalculusCommands(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                                   QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), plotter_(plotter) {}

void CalculusCommands::addMenuEntries(QMenu* calculus) {
    derivative_ = calculus->addAction(tr("Evaluate &Derivative"));
    derivative_->setObjectName("Derivative");
    connect(derivative_, &QAction::triggered, this, [this] { evaluateDerivative(false); });
    secondDerivative_ = calculus->addAction(tr("Evaluate &Second Derivative"));
    secondDerivative_->setObjectName("Second_Derivative");
    connect(secondDerivative_, &QAction::triggered, this, [this] { evaluateDerivative(true); });
}

void CalculusCommands::setModeEnabled(bool parametric) {
    if (derivative_) derivative_->setEnabled(parametric);
    if (secondDerivative_) secondDerivative_->setEnabled(parametric);
}

void CalculusCommands::evaluateDerivative(bool second) {
    QLineEdit* box = panel_.goToZBox();
    if (box->text().isEmpty()) {
        // The box asks for the number while the message is up.
        box->setText(kEnterNumberHere);
        const PointDerivativeMessage m = emptyBoxMessage(second);
        ctx_.platform->message(m.title, m.text, MessageButtons::Ok, MessageIcon::None);
        box->clear();
        box->setFocus();
        return;
    }
    const QString typed = box->text();
    const std::string display = heal(typed.toStdString(), *ctx_.rewrite);
    box->setText(QString::fromStdString(display));
    const std::string zForm = heal_2(withAnimationValue(display, plotter_.state().a_current));
    plotter_.plot();
    box->setText(typed);
    const std::string x = heal_2(panel_.xBox()->text().toStdString());
    const std::string y = heal_2(panel_.yBox()->text().toStdString());
    const PointDerivativeMessage m = pointDerivative(*ctx_.evaluator, zForm, x, y, second);
    ctx_.platform->message(m.title, m.text, MessageButtons::Ok, MessageIcon::None);
}

}  // namespace qv
