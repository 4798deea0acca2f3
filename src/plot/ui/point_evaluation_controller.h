#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

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

    // While held, the redraws' evaluations neither mark nor show the point:
    // a search redraws from its start value before it finds its answer.
    void holdRedrawEvaluations(bool held) { heldByRedraw_ = held; }

    bool closingBoxRunning() const { return closingTimer_.isActive(); }
    // One step of the closing-box animation (tests drive it directly).
    void closingBoxTick();

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
    // The closing box around the last marked point: its sides' positions in
    // twips, and whether the next tick is the first of an animation.
    QTimer closingTimer_;
    bool heldByRedraw_ = false;
    bool animateNext_ = false;  // the next marking follows Find or a search
    bool stepping_ = false;  // a keyboard step is being processed: no animation
    bool firstTick_ = true;
    double markX_ = 0, markY_ = 0;
    double left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
};

}  // namespace qv
