#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace qv {

class GraphPanel;
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

private:
    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    QAction* derivative_ = nullptr;
    QAction* secondDerivative_ = nullptr;
};

}  // namespace qv
