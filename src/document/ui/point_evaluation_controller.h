#pragma once

#include <QObject>
#include <QString>

#include <array>

namespace qv {

class GraphPanel;
class PlotController;
struct PanelContext;

// "Find x(z), y(z)": evaluates the functions at the "Go to z =" box, shows
// z, x and y in their labels, marks the point with a cross, steps z with
// Ctrl and the arrow keys, and shows the values as multiples of pi while the
// "Freeze" caption is held.
class PointEvaluationController : public QObject {
    Q_OBJECT

public:
    PointEvaluationController(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                              QObject* parent = nullptr);

    // The evaluation. From the plot (after a curve) it never plots in turn.
    void evaluate(bool fromPlot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLabelsVisible(bool visible);
    bool stepZ(int key, Qt::KeyboardModifiers modifiers);
    void freeze(bool on);

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    bool evaluatedOnce_ = false;  // the plot's kept forms were evaluated at least once
    std::array<QString, 3> savedCaptions_;
};

}  // namespace qv
