#include "plot/navigation.h"

#include <cmath>
#include <numbers>

namespace qv {

std::pair<double, double> zoomedIn(double min, double max) {
    const double d = (max - min) / 2 * 0.2;
    return {min + d, max - d};
}

std::pair<double, double> zoomedOut(double min, double max) {
    const double d = (max - min) / 2 * 0.25;
    return {min - d, max + d};
}

double transitionIncrement(double delta, int step) {
    return delta * std::sin(std::numbers::pi * step / kTransitionSteps) / 9.7;
}

}  // namespace qv
