#include "plot/axes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "expression/number_text.h"
#include "expression/user_text.h"
#include "plot/auto_ticks.h"

namespace qv {

namespace {

// A tick loop that has counted more visible ticks than this and still has
// not left the area gives up, and the pass restarts with a coarser scale.
constexpr long kTickLimit = 1000;

// Tick geometry in twips: the mark reaches this far above (left of) the axis
// and below (right of) it; numbers of the x axis sit below the horizontal
// axis, a character's width left of their tick; numbers of the y axis end
// this far left of the vertical axis and sit that character's width above
// their tick.
constexpr double kMarkBefore = 100;
constexpr double kMarkAfter = 115;
constexpr double kNumberBelowAxis = 175;
constexpr double kNumberEndBeforeAxis = 120;
constexpr double kCharWidth = 90;
// Numbers at the picture's edges keep this far (three pixels) clear of
// them: flush with the border, the first or last glyph's antialiased edge
// is cut off, and a viewer that draws the picture in a slightly wider font
// (an exported SVG or PDF) loses a minus sign or a last digit.
constexpr double kEdgeMargin = 45;
// The lone "1" of a log axis is narrow; moving it right centres it.
constexpr double kLogOneShift = 30;
// One more decimal for every 150 twips between two ticks, up to 15.
constexpr double kTwipsPerDecimal = 150;
constexpr int kMaxDecimals = 15;
// Log axes tick only within these values, so their loops always end (after
// at most a few hundred rounds: they never reach the tick limit).
constexpr double kLogTop = 1e23;
constexpr double kLogBottom = 1e-14;
constexpr int kLogDownDecimals = 7;

// Tick indexes below this step by exactly one; beyond it neighbouring ticks
// are closer than the doubles around them and the walk starts at the view's
// edge instead of at a multiple of the scale.
constexpr double kExactIndexLimit = 0x1p52;
// The first tick inside the view is found by a division rounded down, which
// may fall a step or two short of it; this many steps put it right.
constexpr int kStartAdjustments = 8;
// A loop runs from its first visible tick, so it never needs more rounds
// than the tick limit allows; this only guards against the unforeseen. The
// restart guard is how often the scales may grow before the pass gives up
// on ticks; a scale reaches infinity, which always fits, within about 630.
constexpr long kRoundGuard = 4 * kTickLimit;
constexpr int kRestartGuard = 1000;

enum class Direction { Up, Down };

// One axis as a pass draws it.
struct AxisSetup {
    TickAxis axis = TickAxis::X;
    bool log = false;
    bool invert = false;
    double scale = 1;
    int decimals = 0;
};

struct Pass {
    Canvas& canvas;
    const AxesInput& in;
    AxisPositions axes;
};

// Where a drawn number lies along its axis.
struct Span {
    double from = 0, to = 0;
};

bool overlaps(const std::optional<Span>& a, const Span& b) { return a && a->from < b.to && b.from < a->to; }

// Where a drawn number lies on the picture.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

bool intersects(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The numbers drawn on one axis. Each loop draws outwards, so a number that
// clears the previous one of its loop clears all before it; the loop
// downwards starts next to the innermost number of the loop upwards, which is
// the axis' first. The y numbers also keep clear of the x numbers, which
// meet them near the origin (both log axes number their 1 there).
struct AxisNumbers {
    std::optional<Span> first, previous;
    std::vector<Box> boxes;                       // every number this axis drew
    const std::vector<Box>* otherAxis = nullptr;  // the numbers of the axis drawn before

    bool covers(const Span& s, const Box& b) const {
        if (overlaps(first, s) || overlaps(previous, s)) return true;
        if (otherAxis == nullptr) return false;
        return std::any_of(otherAxis->begin(), otherAxis->end(), [&b](const Box& o) { return intersects(o, b); });
    }
    void add(const Span& s, const Box& b) {
        if (!first) first = s;
        previous = s;
        boxes.push_back(b);
    }
};

// The value a tick-scale box gives back after the scale was written into it.
double boxValue(double scale) { return toNumber(plainText(scale)).value_or(scale); }

// The decimals a multiple of the scale needs (0.25: 2, 2E-13: 13), so that
// no tick number is rounded away to 0 or to its neighbour's value.
int scaleDecimals(double scale) {
    if (!(scale > 0) || !std::isfinite(scale)) return 0;
    for (int d = 0; d < kMaxDecimals; ++d) {
        if (std::fabs(roundHalfEven(scale, d) - scale) <= 1e-9 * scale) return d;
    }
    return kMaxDecimals;
}

// Automatic scales are 1, 2 or 5 x 10^k: their numbers keep the decimals
// the scale needs, which a tiny range would otherwise round away.
int tickDecimals(double box, double size, double width, bool autoScale) {
    const double raw = roundHalfEven(box * size / width / kTwipsPerDecimal, 0);
    const int wanted = std::isnan(raw) || raw < 0 ? 0 : raw > kMaxDecimals ? kMaxDecimals : static_cast<int>(raw);
    return autoScale ? std::max(wanted, scaleDecimals(box)) : wanted;
}

AxisSetup axisSetup(const Canvas& canvas, const AxesInput& in, TickAxis axis, double scale) {
    const bool x = axis == TickAxis::X;
    const ViewRange& r = in.range;
    AxisSetup setup;
    setup.axis = axis;
    setup.log = !in.axes.polar && (x ? in.axes.log_x : in.axes.log_y);
    setup.invert = !in.axes.polar && (x ? in.axes.invert_x : in.axes.invert_y);
    setup.scale = scale;
    setup.decimals = x ? tickDecimals(boxValue(scale), canvas.width(), r.x_max - r.x_min, in.auto_tick_scales)
                       : tickDecimals(boxValue(scale), canvas.height(), r.y_max - r.y_min, in.auto_tick_scales);
    return setup;
}

// Whether positions grow as the loop goes on: right along x going up, down
// the area along y going down.
bool increasing(const AxisSetup& a, Direction dir) { return (a.axis == TickAxis::X) == (dir == Direction::Up); }

double extent(const Pass& pass, const AxisSetup& a) {
    return a.axis == TickAxis::X ? usableWidth(pass.canvas) : usableHeight(pass.canvas);
}

// A loop draws (and counts) the ticks that have reached the area from the
// origin's side, and stops after the first that has left it on the far side.
bool entered(const Pass& pass, const AxisSetup& a, Direction dir, double p) {
    return increasing(a, dir) ? p >= 0 : p <= extent(pass, a);
}

bool leftArea(const Pass& pass, const AxisSetup& a, Direction dir, double p) {
    return increasing(a, dir) ? p > extent(pass, a) : p < 0;
}

double tickPosition(const Pass& pass, const AxisSetup& a, Direction dir, double t) {
    const double u = a.log ? std::log10(t) : (dir == Direction::Up ? t : -t);
    return a.axis == TickAxis::X ? mapX(pass.in.range, pass.canvas, u) : mapY(pass.in.range, pass.canvas, u);
}

// The number printed at a tick, rounded, and its decimals.
struct Printed {
    double value = 0;
    int decimals = 0;
};

Printed printed(const AxisSetup& a, Direction dir, double q) {
    if (a.log && dir == Direction::Down) return {roundHalfEven(q, kLogDownDecimals), kLogDownDecimals};
    return {roundHalfEven(a.invert ? 1 / q : q, a.decimals), a.decimals};
}

// A number's position, moved inwards where it would come closer than the
// margin to the near or the far edge; a text too long for the room keeps
// the margin at its start.
double clearOfEdges(double pos, double length, double room) {
    return std::max(kEdgeMargin, std::min(pos, room - kEdgeMargin - length));
}

void drawTickNumber(const Pass& pass, const AxisSetup& a, Direction dir, double p, double q, AxisNumbers& numbers) {
    // The number of a tick beyond the edge would be cut off, or, kept
    // inside, stand beside a tick it does not belong to.
    if (!(p >= 0 && p <= extent(pass, a))) return;
    Canvas& c = pass.canvas;
    const Printed shown = printed(a, dir, q);
    const std::string text = strText(shown.value);
    double x = 0, y = 0;
    if (a.axis == TickAxis::X) {
        x = p - kCharWidth + (a.log && q == 1 ? kLogOneShift : 0);
        x = bound(c, x, true, shown.value, shown.decimals);
        y = bound(c, pass.axes.axis_y_pos + kNumberBelowAxis, false, shown.value, shown.decimals);
    } else {
        x = bound(c, pass.axes.axis_x_pos - kNumberEndBeforeAxis - c.textWidth(text), true, shown.value,
                  shown.decimals);
        y = bound(c, p - kCharWidth, false, shown.value, shown.decimals);
    }
    x = clearOfEdges(x, c.textWidth(text), usableWidth(c));
    y = clearOfEdges(y, c.textHeight(), usableHeight(c));
    const Span span = a.axis == TickAxis::X ? Span{x, x + c.textWidth(text)} : Span{y, y + c.textHeight()};
    const Box box{x, y, x + c.textWidth(text), y + c.textHeight()};
    if (numbers.covers(span, box)) return;
    numbers.add(span, box);
    c.text(x, y, text);
}

void drawTick(const Pass& pass, const AxisSetup& a, Direction dir, double p, double q, AxisNumbers& numbers) {
    Canvas& c = pass.canvas;
    if (a.axis == TickAxis::X) {
        if (pass.in.show_grid) c.line(p, 0, p, c.height(), pass.in.grid_color);
        const double y = pass.axes.axis_y_pos;
        c.line(p, y - kMarkBefore, p, y + kMarkAfter, pass.in.axis_color);
    } else {
        if (pass.in.show_grid) c.line(0, p, c.width(), p, pass.in.grid_color);
        const double x = pass.axes.axis_x_pos;
        c.line(x - kMarkBefore, p, x + kMarkAfter, p, pass.in.axis_color);
    }
    if (pass.in.show_tick_numbers && q != 0) drawTickNumber(pass, a, dir, p, q, numbers);
}

// A log axis ticks 1, 2, ..., 9, 10, 20, ... upwards and 1, 0.9, ..., 0.2,
// 0.1, 0.09, ... downwards: the step grows or shrinks by ten at each decade.
double logStep(Direction dir, double t, double s) {
    if (dir == Direction::Up) return t == 10 * s ? 10 * s : s;
    return t <= 2 * s ? s / 10 : s;
}

// The ticks of a log axis, from 1 outwards until the previous tick lay
// beyond the far edge or the values run out of the log range.
void logLoop(const Pass& pass, const AxisSetup& a, Direction dir, AxisNumbers& numbers) {
    const bool up = dir == Direction::Up;
    double t = 1, q = 1, s = 1;
    for (long round = 0; round < kRoundGuard; ++round) {
        s = logStep(dir, t, s);
        const double p = tickPosition(pass, a, dir, t);
        if (entered(pass, a, dir, p) && (up ? t < kLogTop : t > kLogBottom)) drawTick(pass, a, dir, p, q, numbers);
        q += up ? s : -s;
        if (up ? t > kLogTop : t < kLogBottom) break;
        t += up ? s : -s;
        if (leftArea(pass, a, dir, p)) break;
    }
}

// The ticks of a linear loop lie k steps of the scale from the origin,
// k = 0, 1, 2, ... A loop starts at the first of them inside the view, where
// a walk from the origin would first draw, so a view far from the origin
// costs no more than one beside it.
struct LinearWalk {
    // The index of the first tick; or, where indexes no longer step by one,
    // the value at the view's edge, from which the ticks step by the scale.
    double start = 0;
    double scale = 1;
    bool indexed = true;

    double tick(double j) const {
        if (!indexed) return start + j * scale;
        const double k = start + j;
        return k == 0 ? 0 : k * scale;  // 0 * infinity would be NaN
    }
};

// How far the loop goes from the origin before it reaches the view: the
// distance to the view's near edge, 0 when the origin is not before it.
double distanceToView(const Pass& pass, const AxisSetup& a, Direction dir) {
    const ViewRange& r = pass.in.range;
    const bool x = a.axis == TickAxis::X;
    const double near = dir == Direction::Up ? (x ? r.x_min : r.y_min) : -(x ? r.x_max : r.y_max);
    return near > 0 ? near : 0;
}

LinearWalk linearWalk(const Pass& pass, const AxisSetup& a, Direction dir) {
    const double s = a.scale;
    const double distance = distanceToView(pass, a, dir);
    // Rounded down, the quotient never passes the first tick inside: below
    // kExactIndexLimit a step is larger than its rounding.
    double k = std::floor(distance / s);
    // At the edge itself the first tick is inside: its position is exactly 0
    // or the extent, as the mapping divides the width by itself.
    if (!(k < kExactIndexLimit)) return {distance, s, false};
    const LinearWalk at{0, s, true};
    auto inside = [&](double index) { return entered(pass, a, dir, tickPosition(pass, a, dir, at.tick(index))); };
    for (int i = 0; i < kStartAdjustments && !inside(k); ++i) k += 1;
    return {k, s, true};
}

// A linear loop from its first tick inside the view outwards, until the
// previous tick lay beyond the far edge. Returns false when the tick limit
// was reached.
bool linearLoop(const Pass& pass, const AxisSetup& a, Direction dir, AxisNumbers& numbers) {
    if (!(a.scale > 0)) return true;  // no tick scale to step by
    const LinearWalk walk = linearWalk(pass, a, dir);
    const double sign = dir == Direction::Up ? 1 : -1;
    long n = 0;
    for (long j = 0; j < kRoundGuard; ++j) {
        const double t = walk.tick(static_cast<double>(j));
        const double p = tickPosition(pass, a, dir, t);
        // Past an overflow of the mapping no later tick can be placed.
        if (std::isnan(p)) break;
        const bool visible = entered(pass, a, dir, p);
        if (visible) drawTick(pass, a, dir, p, sign * t, numbers);
        if (n > kTickLimit) return false;
        if (visible) ++n;
        if (leftArea(pass, a, dir, p)) break;
    }
    return true;
}

// Whether a loop would stop at the tick limit, without walking it. Positions
// only move outwards as the loop goes on, so it does exactly when its first
// tick is inside and the one kTickLimit steps later has still not left the
// area: the round after it then finds more than kTickLimit visible ticks.
bool loopReachesLimit(const Pass& pass, const AxisSetup& a, Direction dir) {
    if (a.log || !(a.scale > 0)) return false;
    const LinearWalk walk = linearWalk(pass, a, dir);
    const double first = tickPosition(pass, a, dir, walk.tick(0));
    const double last = tickPosition(pass, a, dir, walk.tick(kTickLimit));
    return entered(pass, a, dir, first) && !std::isnan(last) && !leftArea(pass, a, dir, last);
}

bool axisTicks(const Pass& pass, const AxisSetup& a, AxisNumbers& numbers) {
    for (Direction dir : {Direction::Up, Direction::Down}) {
        numbers.previous.reset();
        if (a.log) {
            logLoop(pass, a, dir, numbers);
        } else if (!linearLoop(pass, a, dir, numbers)) {
            return false;
        }
    }
    return true;
}

void drawAxisLines(Canvas& c, const AxisPositions& axes, uint32_t color) {
    c.line(axes.axis_x_pos, usableHeight(c), axes.axis_x_pos, 0, color);
    c.line(0, axes.axis_y_pos, usableWidth(c), axes.axis_y_pos, color);
}

// The axis whose tick loop the next pass would stop on, found without
// drawing. Like the pass, it takes the x scale back from its box once the x
// ticks have fitted and the y ticks then do not.
std::optional<TickAxis> foreseenLimit(Canvas& canvas, const AxesInput& in, AxesResult& out) {
    const Pass pass{canvas, in, axisPositions(in.range, canvas)};
    const AxisSetup x = axisSetup(canvas, in, TickAxis::X, out.x_tick_scale);
    if (loopReachesLimit(pass, x, Direction::Up) || loopReachesLimit(pass, x, Direction::Down)) return TickAxis::X;
    const AxisSetup y = axisSetup(canvas, in, TickAxis::Y, out.y_tick_scale);
    if (!loopReachesLimit(pass, y, Direction::Up) && !loopReachesLimit(pass, y, Direction::Down)) return std::nullopt;
    out.x_tick_scale = boxValue(out.x_tick_scale);
    return TickAxis::Y;
}

// One pass from clearing the area to the axes. Returns the axis whose tick
// loop hit the limit (the pass then stops at once), or nothing when done.
std::optional<TickAxis> axesPass(Canvas& canvas, const AxesInput& in, AxesResult& out) {
    out.x_tick_box = plainText(out.x_tick_scale);
    out.y_tick_box = plainText(out.y_tick_scale);
    canvas.clear(in.background_color);
    const Pass pass{canvas, in, axisPositions(in.range, canvas)};
    out.axis_x_pos = pass.axes.axis_x_pos;
    out.axis_y_pos = pass.axes.axis_y_pos;
    AxisNumbers xNumbers, yNumbers;
    if (!axisTicks(pass, axisSetup(canvas, in, TickAxis::X, out.x_tick_scale), xNumbers)) return TickAxis::X;
    out.x_tick_scale = boxValue(out.x_tick_scale);
    yNumbers.otherAxis = &xNumbers.boxes;
    if (!axisTicks(pass, axisSetup(canvas, in, TickAxis::Y, out.y_tick_scale), yNumbers)) return TickAxis::Y;
    drawAxisLines(canvas, pass.axes, in.axis_color);
    out.y_tick_scale = boxValue(out.y_tick_scale);
    return std::nullopt;
}

// Ten times the scale of an axis whose ticks did not fit; its message goes
// out the first time only.
void growScale(TickAxis axis, AxesResult& out, const TickLimitHandler& on_tick_limit) {
    const bool x = axis == TickAxis::X;
    (x ? out.x_tick_scale : out.y_tick_scale) *= 10;
    ++(x ? out.x_restarts : out.y_restarts);
    for (const TickLimitMessage& m : out.tick_limit_messages)
        if (m.axis == axis) return;
    out.tick_limit_messages.push_back(tickLimitMessage(axis));
    if (on_tick_limit) on_tick_limit(out.tick_limit_messages.back());
}

// Whether the numbers of ticks `scale` apart clear each other on the axis:
// across, the widest number and a character's gap; up, three lines (the y
// numbers next to the x axis must clear the x numbers below it).
bool numbersHaveRoom(const Canvas& canvas, const AxesInput& in, TickAxis axis, double scale) {
    const bool x = axis == TickAxis::X;
    const double lo = x ? in.range.x_min : in.range.y_min, hi = x ? in.range.x_max : in.range.y_max;
    const double spacing = scale / (hi - lo) * (x ? usableWidth(canvas) : usableHeight(canvas));
    if (!x) return spacing >= 3 * canvas.textHeight();
    const bool invert = !in.axes.polar && in.axes.invert_x;
    const int decimals = tickDecimals(boxValue(scale), canvas.width(), hi - lo, true);
    double widest = 0;
    for (double edge : {lo, hi}) {
        const double q = -std::fabs(std::trunc(edge / scale) * scale);
        const double shown = roundHalfEven(invert && q != 0 ? 1 / q : q, decimals);
        widest = std::max(widest, canvas.textWidth(strText(shown)));
    }
    return spacing >= widest + kCharWidth;
}

// The scales the pass starts from: the boxes', or for a linear axis with
// automatic tick scales the one chosen for its range.
void chooseScales(const Canvas& canvas, const AxesInput& in, AxesResult& out) {
    if (!in.auto_tick_scales) return;
    // The polar mode draws both axes linear whatever the log switches say.
    const bool polar = in.axes.polar;
    const ViewRange& r = in.range;
    const auto pick = [&](TickAxis axis, double lo, double hi, double& scale) {
        auto room = [&](double s) { return numbersHaveRoom(canvas, in, axis, s); };
        std::optional<double> s = autoTickScale(lo, hi, room);
        if (!s) s = autoTickScale(lo, hi);
        if (s) scale = *s;
    };
    if (polar || !in.axes.log_x) pick(TickAxis::X, r.x_min, r.x_max, out.x_tick_scale);
    if (polar || !in.axes.log_y) pick(TickAxis::Y, r.y_min, r.y_max, out.y_tick_scale);
}

}  // namespace

TickLimitMessage tickLimitMessage(TickAxis axis) {
    const std::string name = axis == TickAxis::X ? "x" : "y";
    return {axis, userText("qv::Texts", "Quorvanta  -  Too many tick marks!"),
            fillIn(userText("qv::Texts",
                            "The %1 tick scale is not large enough!  Quorvanta will restart the plot using "
                            "your current %1 tick scale multiplied by 10."),
                   {name})};
}

AxesResult drawAxes(Canvas& canvas, const AxesInput& input, const TickLimitHandler& on_tick_limit) {
    AxesResult out;
    out.x_tick_scale = input.x_tick_scale;
    out.y_tick_scale = input.y_tick_scale;
    if (!input.range.valid()) return out;
    out.drawn = true;
    chooseScales(canvas, input, out);
    for (int restart = 0;; ++restart) {
        // A pass that would stop at the tick limit is foreseen and not drawn:
        // the scales grow as its restart would have made them grow, and only
        // the pass whose ticks fit is drawn.
        std::optional<TickAxis> limited = foreseenLimit(canvas, input, out);
        if (!limited) limited = axesPass(canvas, input, out);
        if (!limited) break;
        growScale(*limited, out, on_tick_limit);
        if (restart >= kRestartGuard) {
            // Give up on ticks rather than loop on: draw the axes alone.
            out.x_tick_box = plainText(out.x_tick_scale);
            out.y_tick_box = plainText(out.y_tick_scale);
            canvas.clear(input.background_color);
            const AxisPositions axes = axisPositions(input.range, canvas);
            out.axis_x_pos = axes.axis_x_pos;
            out.axis_y_pos = axes.axis_y_pos;
            drawAxisLines(canvas, axes, input.axis_color);
            break;
        }
    }
    return out;
}

}  // namespace qv
