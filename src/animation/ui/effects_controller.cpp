#include "animation/ui/effects_controller.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "plot/picture_marks.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "ui/panel_context.h"

namespace qv {

EffectsController::EffectsController(GraphPanel& panel, PanelContext& context, PlotController& plotter,
                                     RandomSource& rng, QWidget* background, QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), plotter_(plotter), rng_(rng), background_(background) {
    animation_.setInterval(kAnimationIntervalMs);
    tornadoTimer_.setInterval(kEffectIntervalMs);
    color_.setInterval(kEffectIntervalMs);
    connect(&animation_, &QTimer::timeout, this, &EffectsController::animationTick);
    connect(&tornadoTimer_, &QTimer::timeout, this, &EffectsController::tornadoTick);
    connect(&color_, &QTimer::timeout, this, &EffectsController::colorTick);

    connect(&plotter_, &PlotController::animationRequested, this, &EffectsController::startAnimation);
    connect(&plotter_, &PlotController::warpRequested, this, &EffectsController::warp);
    connect(&plotter_, &PlotController::tornadoRequested, this, &EffectsController::toggleTornado);
    connect(&plotter_, &PlotController::colorEffectRequested, this, &EffectsController::toggleColorEffect);
    connect(&plotter_, &PlotController::shadeRequested, this, &EffectsController::setShade);
    connect(panel_.function().stop, &QPushButton::clicked, this, &EffectsController::stopAnimation);
    if (background_) background_->installEventFilter(this);
}

void EffectsController::startAnimation() {
    if (animation_.isActive()) return;
    plotter_.setAnimationRunning(true);
    animation_.start();
}

void EffectsController::animationTick() {
    PlotState& s = plotter_.state();
    const AnimationFrame frame = nextAnimationFrame(s.a_current, s.a_end);
    s.a_current = frame.a;
    plotter_.plot();
    if (!frame.last) {
        panel_.function().aValue->setText(QString::fromStdString(frame.label));
        return;
    }
    endAnimation();
}

void EffectsController::endAnimation() {
    PlotState& s = plotter_.state();
    animation_.stop();
    plotter_.setAnimationRunning(false);
    s.a_current = s.a_start;
    s.animation_request = false;
    panel_.function().plot->setText(tr("Plot Line"));
    panel_.function().aValue->clear();
}

void EffectsController::stopAnimation() { endAnimation(); }

void EffectsController::warp() {
    // Drawn over the picture as it is, and kept with the graph until the
    // next redraw.
    addPictureMark(*panel_.picture(), *ctx_.evaluator, *ctx_.doc, PictureMarks::Warp{});
}

void EffectsController::toggleTornado() {
    panel_.function().x->clear();
    tornado_.command(rng_);
    if (tornado_.running()) {
        tornadoTimer_.start();
    } else {
        tornadoTimer_.stop();
    }
    showParticles();
}

void EffectsController::tornadoTick() {
    const PictureArea& picture = *panel_.picture();
    tornado_.tick(picture.width(), picture.height(), rng_);
    showParticles();
}

void EffectsController::showParticles() {
    std::vector<PictureArea::OverlayDisc> discs;
    if (tornado_.visible()) {
        for (const Particle& p : tornado_.particles()) {
            discs.push_back({p.left, p.top, p.width, packColor(p.grey, p.grey, p.grey)});
        }
    }
    panel_.picture()->setOverlayDiscs(std::move(discs));
}

void EffectsController::toggleColorEffect() {
    colorPhase_ = 0;
    panel_.function().x->clear();
    if (color_.isActive()) {
        color_.stop();
        plotter_.setColorEffectRunning(false);
        // The document kept the user's colours all along (a graph opened
        // meanwhile brought its own): the picture and the labels show them
        // again.
        Q_EMIT colorsChanged();
        plotter_.plot();
        return;
    }
    plotter_.setColorEffectRunning(true);
    color_.start();
}

// The cycle's colours are shown, never kept: the document holds them only
// while this frame is drawn, so that a save, the copy kept against a crash,
// the colour options and the end of the effect all find the user's own.
void EffectsController::colorTick() {
    ColorSlots& colors = ctx_.doc->colors;
    const ColorSlots chosen = colors;
    colorCycleTick(colorPhase_, colors);
    const ColorSlots shown = colors;
    Q_EMIT colorsChanged();
    plotter_.plot();
    restoreChosenColors(colors, shown, chosen);
}

void EffectsController::setShade(const QString& name) {
    ctx_.doc->file_marker = shadeName(name.toStdString());
    shade();
}

void EffectsController::shade() {
    const bool shaded = shadeColorAt(ctx_.doc->file_marker, 1, 1).has_value();
    setControlBackgrounds(shaded);
    if (background_) background_->update();
}

void EffectsController::setControlBackgrounds(bool filled) {
    if (!filled) {
        for (const QPointer<QWidget>& w : filled_) {
            if (w) w->setAutoFillBackground(false);
        }
        filled_.clear();
        return;
    }
    if (!filled_.empty() || !background_) return;
    for (QWidget* w : background_->findChildren<QWidget*>()) {
        const bool plain = qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        if (!plain || w->autoFillBackground()) continue;
        w->setAutoFillBackground(true);
        filled_.emplace_back(w);
    }
}

bool EffectsController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == background_ && event->type() == QEvent::Paint) paintShade();
    return QObject::eventFilter(watched, event);
}

void EffectsController::paintShade() {
    const std::string& name = ctx_.doc->file_marker;
    if (!shadeColorAt(name, 1, 1)) return;
    QPainter p(background_);
    const int height = background_->height();
    const int width = background_->width();
    for (int row = 0; row < height; ++row) {
        const std::optional<PackedColor> c = shadeColorAt(name, row, height);
        if (!c) return;
        p.fillRect(0, row, width, 1, packedToQColor(*c));
    }
}

}  // namespace qv
