#pragma once

// The motion of the graph apart from any window: the steps of the parameter
// animation, the tornado's particles, the colour cycle and the shade
// gradient. The window owns the timers and paints what these compute;
// positions and sizes are in twips, as everywhere on the picture. The warp
// figure is one of the picture's marks (plot/picture_marks.h), which every
// picture of the graph draws.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/graph_document.h"
#include "expression/random_source.h"
#include "plot/picture_marks.h"

namespace qv {

inline constexpr int kAnimationIntervalMs = 25;
inline constexpr int kEffectIntervalMs = 30;
inline constexpr double kAnimationStep = 0.05;

// One tick of the parameter animation: the value of A to draw, the label
// beside "A max:", and whether it was the last frame (drawn exactly at A max,
// after which A goes back to A min).
struct AnimationFrame {
    double a = 0;
    std::string label;  // "A = 0.5", or empty after the last frame
    bool last = false;
};
AnimationFrame nextAnimationFrame(double current, double end);

// The tornado: 35 particles spiralling down the picture.
struct Particle {
    double theta = 0;   // the angle along the spiral
    double spiral = 0;  // the spiral's base, in [1.8, 2.5)
    double radius = 0;  // in [1000, 3000)
    double start = 0;   // the height a new fall starts from, in [0, 1500)
    double fall = 0;    // the step down per tick, in [50, 110)
    double top = 0, left = 0, width = 0;
    int grey = 0;       // 0..120
};

class Tornado {
public:
    static constexpr int kParticles = 35;

    // "tornado" typed: the first time the particles appear and move; every
    // later time they hide and freeze, or show and move on.
    void command(RandomSource& rng);
    // One tick in a picture of the given size.
    void tick(double width, double height, RandomSource& rng);

    bool started() const { return !particles_.empty(); }
    bool running() const { return running_; }
    bool visible() const { return visible_; }
    const std::vector<Particle>& particles() const { return particles_; }

private:
    static void setVars(Particle& p, RandomSource& rng);

    std::vector<Particle> particles_;
    bool running_ = false;
    bool visible_ = false;
};

// The colour cycle: the picture's colours at phase t, written into the
// slots it drives (background, axis, function line, and the point cross
// with the lines that follow it); t then moves on.
void colorCycleTick(double& t, ColorSlots& colors);
// After a frame of the cycle was drawn: every slot that still shows the
// cycle's colour takes the user's colour back. A slot that something set
// while the frame was drawn keeps that newer colour.
void restoreChosenColors(ColorSlots& colors, const ColorSlots& shown, const ColorSlots& chosen);

// The shade's colour names; any other text shades nothing.
std::optional<PackedColor> shadeColorAt(std::string_view name, int row, int heightPixels);
// The name "Plot  Line" gives the shade from the y(z) box's text.
std::string shadeName(std::string_view yBox);

}  // namespace qv
