#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <vector>

#include "calculus/newton_search.h"

class QAction;
class QMenu;

namespace qv {

class GraphPanel;
class IntegralPanel;
class PlotController;
struct PanelContext;

// The "&Calculus" menu's commands on the current function.
class CalculusCommands : public QObject {
    Q_OBJECT

public:
    CalculusCommands(GraphPanel& panel, PanelContext& context, PlotController& plotter, QObject* parent = nullptr);

    void addMenuEntries(QMenu* calculus);
    // The mode's part of the enabling rules: the commands work in the
    // parametric grapher only.
    void setModeEnabled(bool parametric);
    // Recomputes every entry's enabling from the mode, the integral panel,
    // the graphing mode and the axis transformations: the one place of
    // these rules.
    void refreshEnabling();

    // "Find Root", "Find Local Extremum", "Find Inflection Point" and
    // "Find Intersection".
    void search(SearchKind kind);
    void setPointEvaluation(std::function<void()> evaluate) { pointEvaluation_ = std::move(evaluate); }
    void setFunctionList(std::function<std::vector<std::string>()> entries) { functionList_ = std::move(entries); }

    // "Evaluate Derivative" (second = false) and "Evaluate Second Derivative".
    void evaluateDerivative(bool second);

    // The definite integral panel: the menu entry toggles it.
    void toggleIntegral();
    void closeIntegral();
    void evaluateIntegralCommand();
    bool integralShown() const;
    IntegralPanel* integralPanel() const { return integral_; }
    // Focus and default button while the panel is shown.
    void focusIntegral();
    // What the window does for the panel: enable the View menu, switch to
    // the parametric grapher.
    void setWindowHooks(std::function<void(bool)> viewEnabled, std::function<void()> toParametric) {
        viewEnabled_ = std::move(viewEnabled);
        toParametric_ = std::move(toParametric);
    }

private:
    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    QAction* root_ = nullptr;
    QAction* extremum_ = nullptr;
    QAction* inflection_ = nullptr;
    QAction* intersection_ = nullptr;
    bool parametric_ = true;
    std::function<void()> pointEvaluation_;
    std::function<std::vector<std::string>()> functionList_;
    QAction* derivative_ = nullptr;
    QAction* secondDerivative_ = nullptr;
    QAction* integralEntry_ = nullptr;
    IntegralPanel* integral_ = nullptr;
    std::function<void(bool)> viewEnabled_;
    std::function<void()> toParametric_;
};

}  // namespace qv
