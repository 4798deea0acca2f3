#pragma once

#include <functional>
#include <optional>

// Tick scales chosen for the view: 1, 2 or 5 x 10^k, so that an axis carries
// about five to ten numbered ticks whatever its range, from a millionth of a
// millionth to 1E300 wide.
namespace qv {

// How many multiples of `scale` lie within [min, max], 0 left out (it is
// never numbered).
long numberedTicks(double min, double max, double scale);

// Whether the numbers of ticks `scale` apart have room on their axis.
using TickRoom = std::function<bool(double scale)>;

// The smallest scale of the 1-2-5 ladder that gives [min, max] at most ten
// numbered ticks and at least five clear of the edges, with room for their numbers. Where no scale does (the 0
// left out can leave eleven against four), the nearest count with room wins,
// the larger count on a tie. Nothing for an empty or non-finite range.
std::optional<double> autoTickScale(double min, double max, const TickRoom& room = {});

}  // namespace qv
