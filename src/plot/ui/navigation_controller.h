#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;

namespace qv {

class GraphPanel;
class PlotController;
struct PanelContext;

// View navigation by boxes and buttons: the range boxes with their animated
// transition, the tick-scale boxes, zoom and shift, "Set to default", the
// pi buttons, and the range labels that step their boxes. The View menu's
// entries call the same commands.
class NavigationController : public QObject {
    Q_OBJECT

public:
    NavigationController(GraphPanel& panel, PanelContext& context, PlotController& plotter, QObject* parent = nullptr);

    bool transitionRunning() const { return timer_.isActive(); }
    int transitionStep() const { return step_; }
    // One tick of the transition timer (tests drive it directly).
    void transitionTick();
    // A picture drawn for a file (the command line's render) shows the view
    // the range boxes ask for at once: a running transition jumps to its
    // end, without a redraw.
    void finishTransition();

    void zoom(bool in, bool x, bool y);
    // A mouse button pressed on a range label: the left one widens the
    // range, the right one narrows it.
    void stepRangeLabel(const QLabel* label, bool leftButton);
    void shift(int dx, int dy);
    void setToDefault();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<double> number(const QLineEdit* box) const;
    // A range label, the box it steps, by how much, and which way the left
    // button goes (the right one goes the other way).
    struct RangeLabel {
        QLabel* label;
        QLineEdit* box;
        enum class Step { XTick, YTick, One } step;
        int leftSign;
        bool plots;
        bool viewRange;  // x or y range (they light up one at a time)
    };

    void connectControls();
    void startTransition();
    void stopTransition();
    // The view takes the range boxes' values and the transition ends.
    void arrive();
    void highlightLabel(QObject* label);
    void rangeBoxChanged(int index);
    void tickBoxChanged(bool x);
    void scaleByPi(QLineEdit* box, bool times);
    void redraw();
    double* rangeVariable(int index);

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    QTimer timer_;
    int step_ = 0;
    std::array<double, 4> delta_{};  // x min, x max, y min, y max still to travel
    std::array<QLineEdit*, 4> rangeBoxes_{};
    std::array<RangeLabel, 8> rangeLabels_{};
};

}  // namespace qv
