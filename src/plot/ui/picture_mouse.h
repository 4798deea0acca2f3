#pragma once

#include <QObject>
#include <QTimer>

#include "draw/viewport.h"

class QMouseEvent;

namespace qv {

class GraphPanel;
class PlotController;
class PointEvaluationController;
struct PanelContext;

// The mouse on the picture area: the live coordinate display, dragging the
// view, the right-button zoom box and double-click centring.
class PictureMouse : public QObject {
    Q_OBJECT

public:
    // Presses wait while the evaluated point's closing box runs.
    PictureMouse(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                 const PointEvaluationController& point, QObject* parent = nullptr);

    bool piDisplay() const;
    bool dragging() const { return dragging_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QMouseEvent& e);
    void move(const QMouseEvent& e);
    void release(const QMouseEvent& e);
    void showCoordinates(double x, double y);
    void setRangeBoxes(const ViewRange& range);
    void coordinateTimerTick();
    void setDragging(bool on);

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    const PointEvaluationController& point_;
    QTimer coordinateTimer_;
    bool dragging_ = false;  // left button held
    bool dragMoved_ = false;
    bool zoomBox_ = false;   // right button held with the box shown
    bool doubleClicked_ = false;
    double dragStartX_ = 0, dragStartY_ = 0;
    double boxX_ = 0, boxY_ = 0;  // the press position of the zoom box, in twips
};

}  // namespace qv
