#include "plot/ui/picture_mouse.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include "document/graph_document.h"
#include "plot/ui/graph_panel.h"
#include "ui/panel_context.h"
#include "expression/number_text.h"
#include "plot/mouse_reading.h"
#include "plot/ui/plot_controller.h"
#include "plot/ui/point_evaluation_controller.h"

namespace qv {

namespace {

constexpr int kCoordinateIntervalMs = 100;

double twips(double pixels) { return pixels * kTwipsPerPixel; }

ViewRange viewOf(const GraphDocument& d) { return {d.x_min, d.x_max, d.y_min, d.y_max}; }

}  // namespace

PictureMouse::PictureMouse(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                           const PointEvaluationController& point, QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), plotter_(plotter), point_(point) {
    panel_.picture()->installEventFilter(this);
    panel_.readouts().mouseTitle->installEventFilter(this);
    coordinateTimer_.setInterval(kCoordinateIntervalMs);
    connect(&coordinateTimer_, &QTimer::timeout, this, [this] { coordinateTimerTick(); });
}

bool PictureMouse::piDisplay() const { return ctx_.doc->coordinates_in_pi == "1"; }

bool PictureMouse::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_.readouts().mouseTitle) {
        if (event->type() == QEvent::MouseButtonPress) ctx_.doc->coordinates_in_pi = piDisplay() ? "0" : "1";
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: press(*static_cast<QMouseEvent*>(event)); break;
    case QEvent::MouseButtonDblClick: doubleClicked_ = true; break;
    case QEvent::MouseMove: move(*static_cast<QMouseEvent*>(event)); break;
    case QEvent::MouseButtonRelease: release(*static_cast<QMouseEvent*>(event)); break;
    default: break;
    }
    return false;
}

void PictureMouse::press(const QMouseEvent& e) {
    if (point_.closingBoxRunning()) return;
    const double x = twips(e.position().x()), y = twips(e.position().y());
    if (e.button() == Qt::LeftButton) {
        const AxisPoint a = axisPointAt(viewOf(*ctx_.doc), *panel_.picture(), x, y);
        dragStartX_ = a.x;
        dragStartY_ = a.y;
        setDragging(true);
        zoomBox_ = false;
        panel_.picture()->setOverlayLines({});
    } else if (e.button() == Qt::RightButton) {
        zoomBox_ = true;
        boxX_ = x;
        boxY_ = y;
    }
}

void PictureMouse::move(const QMouseEvent& e) {
    // The first move after a menu closed belongs to the menu.
    if (ctx_.doc->menu_opened) {
        ctx_.doc->menu_opened = false;
        return;
    }
    if (!coordinateTimer_.isActive()) coordinateTimer_.start();
    const double x = twips(e.position().x()), y = twips(e.position().y());
    const AxisPoint a = axisPointAt(viewOf(*ctx_.doc), *panel_.picture(), x, y);
    showCoordinates(a.x, a.y);
    if (zoomBox_ && (e.buttons() & Qt::RightButton)) {
        const uint32_t c = ctx_.doc->colors[kDragZoomLines];
        panel_.picture()->setOverlayLines({{boxX_, boxY_, x, boxY_, c}, {x, boxY_, x, y, c},
                                           {boxX_, y, x, y, c}, {boxX_, boxY_, boxX_, y, c}});
    }
    if (dragging_ && (e.buttons() & Qt::LeftButton)) {
        dragMoved_ = true;
        GraphDocument& d = *ctx_.doc;
        d.x_min -= a.x - dragStartX_;
        d.x_max -= a.x - dragStartX_;
        d.y_min -= a.y - dragStartY_;
        d.y_max -= a.y - dragStartY_;
        plotter_.plot();
        setRangeBoxes(viewOf(d));
    }
}

void PictureMouse::release(const QMouseEvent& e) {
    if (e.button() == Qt::RightButton && zoomBox_) {
        zoomBox_ = false;
        panel_.picture()->setOverlayLines({});
        ViewRange r;
        const double x = twips(e.position().x()), y = twips(e.position().y());
        if (zoomBoxRange(viewOf(*ctx_.doc), *panel_.picture(), boxX_, boxY_, x, y, r)) setRangeBoxes(r);
    } else if (e.button() == Qt::LeftButton) {
        setDragging(false);
        if (dragMoved_) {
            dragMoved_ = false;
            plotter_.plot();
        }
    }
    if (doubleClicked_) {
        // The point shown in the coordinate display becomes the centre.
        doubleClicked_ = false;
        GraphDocument& d = *ctx_.doc;
        const double shownX = leadingNumber(panel_.readouts().mouseXValue->text().toStdString());
        const double shownY = leadingNumber(panel_.readouts().mouseYValue->text().toStdString());
        const double cx = shownX - (d.x_min + d.x_max) / 2;
        const double cy = shownY - (d.y_min + d.y_max) / 2;
        setRangeBoxes({d.x_min + cx, d.x_max + cx, d.y_min + cy, d.y_max + cy});
    }
}

void PictureMouse::showCoordinates(double x, double y) {
    const AxisSwitches& axes = ctx_.doc->axes;
    double a = x, b = y;
    if (axes.polar) {
        const PolarReading p = polarReading(x, y);
        a = p.th;
        b = p.r;
    } else {
        if (axes.log_x) a = std::pow(10.0, x);
        if (axes.invert_x && x != 0) a = 1 / x;
        if (axes.log_y) b = std::pow(10.0, y);
        if (axes.invert_y && y != 0) b = 1 / y;
    }
    auto text = [this](double v) {
        if (!piDisplay()) return QString::fromStdString(plainText(v));
        return QString::fromStdString(plainText(v / ctx_.doc->const_pi) + " * pi");
    };
    panel_.readouts().mouseXValue->setText(text(a));
    panel_.readouts().mouseYValue->setText(text(b));
    panel_.setMouseLabelsVisible(ctx_.doc->show_mouse_coordinates == "1");
}

void PictureMouse::setRangeBoxes(const ViewRange& r) {
    const double values[] = {r.x_min, r.x_max, r.y_min, r.y_max};
    for (size_t i = 0; i < 4; ++i) {
        panel_.view().range[i]->setText(QString::fromStdString(plainText(values[i])));
    }
}

void PictureMouse::setDragging(bool on) {
    dragging_ = on;
    plotter_.setScrolling(ScrollSource::Drag, on);
}

// The display stays while the cursor is over the window.
void PictureMouse::coordinateTimerTick() {
    QWidget* window = panel_.window();
    if (window->rect().contains(window->mapFromGlobal(QCursor::pos()))) return;
    panel_.setMouseLabelsVisible(false);
    coordinateTimer_.stop();
}

}  // namespace qv
