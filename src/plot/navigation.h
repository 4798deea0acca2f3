#pragma once

#include <utility>

// The arithmetic of view navigation: zooming a range, the steps of the
// animated range transition.
namespace qv {

// The range narrowed to 0.8 of its width about its middle; written as
// (max - min) / 2 * 0.2 so that zooming out again restores it.
std::pair<double, double> zoomedIn(double min, double max);
// The range widened to 1.25 of its width about its middle.
std::pair<double, double> zoomedOut(double min, double max);

// The range transition moves in 15 steps; step k (1 to 15) covers
// delta * sin(pi * k / 15) / 9.7 of the way, slow at both ends. The last
// step snaps to the target.
inline constexpr int kTransitionSteps = 15;
double transitionIncrement(double delta, int step);

}  // namespace qv
