#include "plot/auto_ticks.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace qv {

namespace {

constexpr long kFewest = 5;
constexpr long kMost = 10;
// A tick on an edge may be drawn or not (rounding may put it just outside,
// and its number is crowded by the corner): it counts against the most
// numbers allowed, but not towards the fewest.
constexpr double kEdgeMargin = 0.02;
constexpr double kEdgeSlack = 1e-9;

// The ladder's steps from well below a tenth of the width to well above it,
// smallest first.
std::vector<double> ladder(double width) {
    std::vector<double> steps;
    const int k0 = static_cast<int>(std::floor(std::log10(width / kMost)));
    for (int k = k0 - 1; k <= k0 + 2; ++k) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double s = m * std::pow(10.0, k);
            if (std::isfinite(s) && s > 0) steps.push_back(s);
        }
    }
    return steps;
}

// Multiples of the scale from `margin` steps inside the edges, 0 left out.
long ticksWithin(double min, double max, double scale, double margin) {
    const double first = std::ceil(min / scale + margin);
    const double last = std::floor(max / scale - margin);
    if (!(last >= first)) return 0;
    const double n = last - first + 1 - (first <= 0 && last >= 0 ? 1 : 0);
    return n > 1e9 ? 1000000000L : static_cast<long>(n);
}

// How far a scale's counts lie outside the band: 0 inside it.
long distanceFromBand(long surely, long atMost) {
    return surely < kFewest ? kFewest - surely : atMost > kMost ? atMost - kMost : 0;
}

}  // namespace

long numberedTicks(double min, double max, double scale) { return ticksWithin(min, max, scale, -kEdgeSlack); }

std::optional<double> autoTickScale(double min, double max, const TickRoom& room) {
    const double width = max - min;
    if (!(width > 0) || !std::isfinite(width)) return std::nullopt;
    std::optional<double> best;
    long bestDistance = 0, bestCount = 0;
    for (double s : ladder(width)) {
        if (room && !room(s)) continue;
        const long n = numberedTicks(min, max, s);
        const long d = distanceFromBand(ticksWithin(min, max, s, kEdgeMargin * width / s), n);
        if (d == 0) return s;
        if (!best || d < bestDistance || (d == bestDistance && n > bestCount)) {
            best = s;
            bestDistance = d;
            bestCount = n;
        }
    }
    return best;
}

}  // namespace qv
