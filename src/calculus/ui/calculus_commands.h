#pragma once

#include <QObject>

#include <cstddef>

#include <optional>

#include "calculus/newton_search.h"

class QLineEdit;

namespace qv {

class GraphPanel;
class IntegralPanel;
class PlotController;
class PointEvaluationController;
struct PanelContext;

// Which of the "&Calculus" menu's commands can run now, and whether the
// integral panel is open (its entry shows a check mark then).
struct CalculusEnabling {
    bool derivative = true;
    bool secondDerivative = true;
    bool root = true;
    bool extremum = true;
    bool inflection = true;
    bool intersection = true;
    bool integral = true;
    bool integralShown = false;
};

// The "&Calculus" menu's commands on the current function: the searches,
// the point derivatives and the definite integral panel.
class CalculusCommands : public QObject {
    Q_OBJECT

public:
    CalculusCommands(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                     PointEvaluationController& point, QObject* parent = nullptr);

    // Every entry's enabling from the mode, the integral panel, the graphing
    // mode and the axis transformations: the one place of these rules.
    CalculusEnabling enabling() const;

    // "Find Root", "Find Local Extremum", "Find Inflection Point" and
    // "Find Intersection".
    void search(SearchKind kind);
    // "Evaluate Derivative" (second = false) and "Evaluate Second Derivative".
    void evaluateDerivative(bool second);

    // The definite integral panel: the menu entry toggles it.
    void toggleIntegral();
    void closeIntegral();
    void evaluateIntegralCommand();
    bool integralShown() const;
    // The integral's boxes, and whether its panel is open, as the document
    // has them.
    void showDocument();
    IntegralPanel* integralPanel() const { return integral_; }
    // Focus and default button while the panel is shown.
    void focusIntegral();

Q_SIGNALS:
    // enabling() may have changed: the integral panel opened or closed, the
    // mode, the graphing mode or a transformation changed.
    void enablingChanged();

private:
    QLineEdit* integralBox(std::size_t i) const;
    // One search after the box was found non-empty: the message to show,
    // if any (the search shows at most one).
    std::optional<SearchMessage> runSearchCommand(SearchKind kind);

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    PointEvaluationController& point_;
    IntegralPanel* integral_ = nullptr;
};

}  // namespace qv
