#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

class QLineEdit;
class QMenu;

namespace qv {

class GraphPanel;
class PlotController;
struct PanelContext;

// View navigation by boxes and buttons: the range boxes with their animated
// transition, the tick-scale boxes, zoom and shift, "Set to default", and
// the pi buttons, with their View menu entries.
class NavigationController : public QObject {
    Q_OBJECT

public:
    NavigationController(GraphPanel& panel, PanelContext& context, PlotController& plotter, QObject* parent = nullptr);

    void addViewMenuEntries(QMenu* view);
    void setParametricActive(std::function<bool()> active) { parametricActive_ = std::move(active); }

    bool transitionRunning() const { return timer_.isActive(); }
    int transitionStep() const { return step_; }
    // One tick of the transition timer (tests drive it directly).
    void transitionTick();

    void zoom(bool in, bool x, bool y);
    // A mouse button pressed on a range label: the left one widens the
    // range, the right one narrows it.
    void stepRangeLabel(const char* label, bool leftButton);
    void shift(int dx, int dy);
    void setToDefault();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void highlightLabel(QObject* label);
    void rangeBoxChanged(int index);
    void tickBoxChanged(bool x);
    void scaleByPi(QLineEdit* box, bool times);
    void redraw();
    double* rangeVariable(int index);

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    std::function<bool()> parametricActive_;
    QTimer timer_;
    int step_ = 0;
    std::array<double, 4> delta_{};  // x min, x max, y min, y max still to travel
    std::array<QLineEdit*, 4> rangeBoxes_{};
};

}  // namespace qv
