#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <vector>

#include "animation/effects.h"

namespace qv {

class GraphPanel;
class PlotController;
struct PanelContext;

// The motion of the graph in the window: the parameter animation with its
// "Stop", and the four effects "warp", "tornado", "color" and "shade". The
// timers run on the window's thread; every frame is one redraw, and a
// redraw is never started inside another. The tornado's particles are
// painted over the picture and the shade behind the window's controls;
// neither touches the picture's image.
class EffectsController : public QObject {
    Q_OBJECT

public:
    // `background` is the widget whose surface the shade paints (the
    // window's central widget).
    EffectsController(GraphPanel& panel, PanelContext& context, PlotController& plotter, RandomSource& rng,
                      QWidget* background, QObject* parent = nullptr);

    // "Stop" and "Stop &Animation": the animation ends where it is, without
    // a redraw.
    void stopAnimation();
    bool animationRunning() const { return animation_.isActive(); }
    bool colorEffectRunning() const { return color_.isActive(); }
    const Tornado& tornado() const { return tornado_; }

    // One tick of each timer (tests drive them directly).
    void animationTick();
    void tornadoTick();
    void colorTick();

    // The effects; "shade" paints the document's shade name.
    void warp();
    void toggleTornado();
    void toggleColorEffect();
    void shade();
    void setShade(const QString& name);

Q_SIGNALS:
    // The colour slots changed: what shows them outside the picture follows.
    void colorsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startAnimation();
    void endAnimation();
    void showParticles();
    void paintShade();
    // While a shade shows, labels and check boxes keep a plain background
    // so that their text stays readable over the gradient.
    void setControlBackgrounds(bool filled);

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    RandomSource& rng_;
    QPointer<QWidget> background_;
    QTimer animation_;
    QTimer tornadoTimer_;
    QTimer color_;
    Tornado tornado_;
    double colorPhase_ = 0;
    std::vector<QPointer<QWidget>> filled_;
};

}  // namespace qv
