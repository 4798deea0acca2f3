#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <optional>

#include "draw/viewport.h"

class QLabel;
class QLineEdit;
class QKeyEvent;
class QNativeGestureEvent;
class QPointF;
class QWheelEvent;

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
    // A zoom like zoom()'s about the point `at` of the picture (pixels),
    // which stays where it is (the wheel and the pinch).
    void zoomAt(const QPointF& at, bool in, bool x, bool y);
    // A mouse button pressed on a range label: the left one widens the
    // range, the right one narrows it.
    void stepRangeLabel(const QLabel* label, bool leftButton);
    void shift(int dx, int dy);
    void setToDefault();
    // "Equal Scales": while on, the view's shorter range is widened so that
    // one unit is as long across as up, after every change of the boxes and
    // at every change of the picture's size. Switching it on glides there.
    void setEqualScales(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool pictureKey(const QKeyEvent& key);

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
    // The wheel over the picture: one notch zooms both axes about the
    // cursor, Ctrl x only, Shift y only; a pinch zooms both.
    void wheel(const QWheelEvent& e);
    void pinch(const QNativeGestureEvent& e);
    // The new range boxes for the axes asked for, from the boxes' numbers.
    template <typename Zoom>
    void zoomBoxes(bool x, bool y, Zoom zoomed);
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
    // The four range boxes' numbers, when they make a valid range.
    std::optional<ViewRange> boxRange() const;
    ViewRange equalized(const ViewRange& range) const;
    // With equal scales on and valid boxes, the transition heads for the
    // boxes' range made equal; false when it does not apply.
    bool retargetEqual();
    // The picture's size changed: the view keeps equal units at once.
    void keepEqualScales();
    // Writes the range into the boxes without moving the view again.
    void writeBoxes(const ViewRange& range);

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    QTimer timer_;
    int step_ = 0;
    std::array<double, 4> delta_{};  // x min, x max, y min, y max still to travel
    std::array<QLineEdit*, 4> rangeBoxes_{};
    std::array<RangeLabel, 8> rangeLabels_{};
    // Wheel turns and pinch spreads not yet worth a whole notch (touchpads
    // send them in small parts).
    bool writingBoxes_ = false;
    int wheelTurn_ = 0;
    double pinchSpread_ = 0;
};

}  // namespace qv
