#pragma once

#include <utility>

#include "draw/viewport.h"

// The arithmetic of view navigation: zooming a range, the steps of the
// animated range transition.
namespace qv {

// The range narrowed to 0.8 of its width about its middle; written as
// (max - min) / 2 * 0.2 so that zooming out again restores it.
std::pair<double, double> zoomedIn(double min, double max);
// The range widened to 1.25 of its width about its middle.
std::pair<double, double> zoomedOut(double min, double max);
// The same zoom about the point `fraction` of the way from min to max (0.5 is
// the middle): that point stays at the same fraction, so what lies under the
// mouse stays under it. Zooming out again about the same fraction restores
// the range.
std::pair<double, double> zoomedAbout(double min, double max, double fraction, bool in);

// The range with its shorter axis widened about its middle so that one unit
// is as long across as up on a usable extent of width by height twips. A
// range already equal (to a part in 10^12) or invalid comes back as it is.
ViewRange equalScales(const ViewRange& range, double width, double height);

// The range transition moves in 15 steps; step k (1 to 15) covers
// delta * sin(pi * k / 15) / 9.7 of the way, slow at both ends. The last
// step snaps to the target.
inline constexpr int kTransitionSteps = 15;
double transitionIncrement(double delta, int step);

}  // namespace qv
