#pragma once

#include <QObject>

#include <functional>

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
    QAction* derivative_ = nullptr;
    QAction* secondDerivative_ = nullptr;
    QAction* integralEntry_ = nullptr;
    IntegralPanel* integral_ = nullptr;
    std::function<void(bool)> viewEnabled_;
    std::function<void()> toParametric_;
};

}  // namespace qv
