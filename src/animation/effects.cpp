#include "animation/effects.h"

#include <algorithm>
#include <cmath>

#include "expression/number_text.h"

namespace qv {

AnimationFrame nextAnimationFrame(double current, double end) {
    const double a = current + kAnimationStep;
    // Halves round to the even neighbour, as the language rounds.
    if (a <= end) return {a, "A = " + plainText(std::nearbyint(10 * a) / 10), false};
    return {end, std::string(), true};
}

void Tornado::setVars(Particle& p, RandomSource& rng) {
    p.theta = 0;
    do p.spiral = 2.5 * rng.next(); while (p.spiral < 1.8);
    do p.radius = 3000 * rng.next(); while (p.radius < 1000);
    p.start = 1500 * rng.next();
    do p.fall = 110 * rng.next(); while (p.fall < 50);
}

void Tornado::command(RandomSource& rng) {
    if (started()) {
        visible_ = !visible_;
        running_ = !running_;
        return;
    }
    particles_.resize(kParticles);
    for (Particle& p : particles_) {
        // The first top is 0: the particle's numbers are drawn after it is placed.
        p.top = 0;
        setVars(p, rng);
    }
    visible_ = true;
    running_ = true;
}

void Tornado::tick(double width, double height, RandomSource& rng) {
    for (Particle& p : particles_) {
        if (p.top > height - 15 - 1200) {
            setVars(p, rng);
            p.top = p.start;
        }
        const double wave = std::sin(3 * p.theta);
        p.width = (wave + 4) * 80 * std::pow(2.0, -p.top / 9000);
        p.grey = static_cast<int>(std::lround((1 - wave) * 60));
        p.top += p.fall;
        p.left = (width - 15) / 2 + p.radius * std::pow(p.spiral, -p.theta) * std::cos(3 * p.theta + 3.14159) -
                 p.width / 2;
        p.theta += 0.07;
    }
}

namespace {

int channel(double v) { return static_cast<int>(std::clamp(std::round(v), 0.0, 255.0)); }

PackedColor rgb(double r, double g, double b) { return packColor(channel(r), channel(g), channel(b)); }

}  // namespace

void colorCycleTick(double& t, ColorSlots& colors) {
    const double s = std::sin(t), c = std::cos(t);
    colors[kBackground] = rgb(128 * s + 128, 128 * c + 128, -128 * s + 128);
    const double r = -128 * s + 128, g = -128 * c + 128, b = 128 * s + 128;
    colors[kAxis] = rgb(r, g, b);
    colors[kFunctionLine] = colors[kAxis];
    colors[kPointCross] = rgb(2 * r, 2 * g, 2 * b);
    for (ColorSlot slot : {kPointConnect, kMovingAverage, kDataSmooth, kDragZoomLines, kDerivative}) {
        colors[slot] = colors[kPointCross];
    }
    t -= 0.01;
}

void restoreChosenColors(ColorSlots& colors, const ColorSlots& shown, const ColorSlots& chosen) {
    for (std::size_t slot = 0; slot < colors.size(); ++slot) {
        if (colors[slot] == shown[slot]) colors[slot] = chosen[slot];
    }
}

std::optional<PackedColor> shadeColorAt(std::string_view name, int row, int heightPixels) {
    // Each line's level is the one computed after the line above it.
    const int level = row <= 0 || heightPixels <= 0
                          ? 0
                          : static_cast<int>(std::lround(255.0 * (row - 1) / heightPixels));
    if (name == "red") return packColor(level, 0, 0);
    if (name == "green") return packColor(0, level, 0);
    if (name == "blue") return packColor(0, 0, level);
    if (name == "white") return packColor(level, level, level);
    return std::nullopt;
}

std::string shadeName(std::string_view yBox) {
    for (const char* name : {"white", "blue", "green", "red"}) {
        if (yBox == name) return name;
    }
    return "File_Start";
}

}  // namespace qv
