#include "plot/axes.h"

#include <cmath>
#include <optional>

#include "expression/number_text.h"

namespace qv {

namespace {

// A tick loop that has counted more visible ticks than this and still has
// not left the area gives up, and the pass restarts with a coarser scale.
constexpr long kTickLimit = 1000;

// Tick geometry in twips: the mark reaches this far above (left of) the axis
// and below (right of) it; tick numbers sit below the horizontal axis and
// left of the vertical one; a character of a number is about 90 twips wide.
constexpr double kMarkBefore = 100;
constexpr double kMarkAfter = 115;
constexpr double kNumberBelowAxis = 175;
constexpr double kNumberLeftOfAxis = 210;
constexpr double kCharWidth = 90;
// The lone "1" of a log axis is narrow; moving it right centres it.
constexpr double kLogOneShift = 30;
// One more decimal for every 150 twips between two ticks, up to 15.
constexpr double kTwipsPerDecimal = 150;
constexpr int kMaxDecimals = 15;
// Log axes tick only within these values, so their loops always end.
constexpr double kLogTop = 1e23;
constexpr double kLogBottom = 1e-14;
constexpr int kLogDownDecimals = 7;

// Guards against ranges the loops cannot cross in reasonable time (a range
// far from 0 with a fine tick scale, infinite or overflowing widths): a loop
// stops after this many rounds, and the pass restarts at most this often
// (ten times the scale per restart reaches infinity well before).
constexpr long kRoundGuard = 10'000'000;
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

// The value a tick-scale box gives back after the scale was written into it.
double boxValue(double scale) { return toNumber(plainText(scale)).value_or(scale); }

int tickDecimals(double box, double size, double width) {
    const double raw = roundHalfEven(box * size / width / kTwipsPerDecimal, 0);
    if (std::isnan(raw) || raw < 0) return 0;
    return raw > kMaxDecimals ? kMaxDecimals : static_cast<int>(raw);
}

AxisSetup axisSetup(const Canvas& canvas, const AxesInput& in, TickAxis axis, double scale) {
    const bool x = axis == TickAxis::X;
    const ViewRange& r = in.range;
    AxisSetup setup;
    setup.axis = axis;
    setup.log = !in.polar && (x ? in.log_x : in.log_y);
    setup.invert = !in.polar && (x ? in.invert_x : in.invert_y);
    setup.scale = scale;
    setup.decimals = x ? tickDecimals(boxValue(scale), canvas.width(), r.x_max - r.x_min)
                       : tickDecimals(boxValue(scale), canvas.height(), r.y_max - r.y_min);
    return setup;
}

// Whether positions grow as the loop goes on: right along x going up, down
// the area along y going down.
bool increasing(const AxisSetup& a, Direction dir) { return (a.axis == TickAxis::X) == (dir == Direction::Up); }

double extent(const Pass& pass, const AxisSetup& a) {
    return a.axis == TickAxis::X ? usableWidth(pass.canvas) : usableHeight(pass.canvas);
}

double tickPosition(const Pass& pass, const AxisSetup& a, Direction dir, double t) {
    const double u = a.log ? std::log10(t) : (dir == Direction::Up ? t : -t);
    return a.axis == TickAxis::X ? mapX(pass.in.range, pass.canvas, u) : mapY(pass.in.range, pass.canvas, u);
}

double printedValue(const AxisSetup& a, Direction dir, double q) {
    if (a.log && dir == Direction::Down) return roundHalfEven(q, kLogDownDecimals);
    return roundHalfEven(a.invert ? 1 / q : q, a.decimals);
}

void drawTickNumber(const Pass& pass, const AxisSetup& a, Direction dir, double p, double q) {
    const double shown = printedValue(a, dir, q);
    double x = 0, y = 0;
    if (a.axis == TickAxis::X) {
        x = p - kCharWidth + (a.log && q == 1 ? kLogOneShift : 0);
        y = bound(pass.canvas, pass.axes.axis_y_pos + kNumberBelowAxis, false, q, a.decimals);
    } else {
        auto chars = static_cast<double>(plainText(shown).size());
        // A minus sign is narrow: it is not counted on the negative side.
        if (dir == Direction::Down && !a.log) chars -= 1;
        y = p - kCharWidth;
        x = pass.axes.axis_x_pos - kNumberLeftOfAxis - kCharWidth * chars;
        x = bound(pass.canvas, x, true, a.invert ? 1 / q : q, a.decimals);
    }
    pass.canvas.text(x, y, strText(shown));
}

void drawTick(const Pass& pass, const AxisSetup& a, Direction dir, double p, double q) {
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
    if (pass.in.show_tick_numbers && q != 0) drawTickNumber(pass, a, dir, p, q);
}

bool logTickAllowed(const AxisSetup& a, Direction dir, double t) {
    if (!a.log) return true;
    return dir == Direction::Up ? t < kLogTop : t > kLogBottom;
}

bool logLoopEnds(const AxisSetup& a, Direction dir, double t) {
    if (!a.log) return false;
    return dir == Direction::Up ? t > kLogTop : t < kLogBottom;
}

// A log axis ticks 1, 2, ..., 9, 10, 20, ... upwards and 1, 0.9, ..., 0.2,
// 0.19, ... downwards: the step grows or shrinks by ten at each decade.
double logStep(Direction dir, double t, double s) {
    if (dir == Direction::Up) return t == 10 * s ? 10 * s : s;
    return t <= 2 * s ? s / 10 : s;
}

// Ticks from the origin (1 on a log axis) outwards in one direction, until
// the previous tick lay beyond the far edge. Returns false when the tick
// limit was reached.
bool tickLoop(const Pass& pass, const AxisSetup& a, Direction dir) {
    double s = a.scale, t = 0, q = 0;
    if (a.log) {
        t = q = s = 1;
    } else if (!(s > 0)) {
        return true;  // no tick scale to step by
    }
    const bool inc = increasing(a, dir);
    const double sign = dir == Direction::Up ? 1 : -1;
    long n = 0;
    double previous = 0;
    for (long round = 0; round < kRoundGuard; ++round) {
        const double far = extent(pass, a);
        if (round > 0 && (inc ? previous > far : previous < 0)) break;
        if (a.log) s = logStep(dir, t, s);
        const double p = tickPosition(pass, a, dir, t);
        const bool visible = inc ? p >= 0 : p <= far;
        if (visible && logTickAllowed(a, dir, t)) drawTick(pass, a, dir, p, q);
        q += sign * s;
        if (logLoopEnds(a, dir, t)) break;
        if (n > kTickLimit) return false;
        t += (a.log && dir == Direction::Down) ? -s : s;
        if (visible) ++n;
        previous = p;
    }
    return true;
}

bool axisTicks(const Pass& pass, const AxisSetup& a) {
    return tickLoop(pass, a, Direction::Up) && tickLoop(pass, a, Direction::Down);
}

void drawAxisLines(Canvas& c, const AxisPositions& axes, uint32_t color) {
    c.line(axes.axis_x_pos, usableHeight(c), axes.axis_x_pos, 0, color);
    c.line(0, axes.axis_y_pos, usableWidth(c), axes.axis_y_pos, color);
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
    if (!axisTicks(pass, axisSetup(canvas, in, TickAxis::X, out.x_tick_scale))) return TickAxis::X;
    out.x_tick_scale = boxValue(out.x_tick_scale);
    if (!axisTicks(pass, axisSetup(canvas, in, TickAxis::Y, out.y_tick_scale))) return TickAxis::Y;
    drawAxisLines(canvas, pass.axes, in.axis_color);
    out.y_tick_scale = boxValue(out.y_tick_scale);
    return std::nullopt;
}

}  // namespace

TickLimitMessage tickLimitMessage(TickAxis axis) {
    const std::string name = axis == TickAxis::X ? "x" : "y";
    return {axis, "Quorvanta  -  Too many tick marks!",
            "The " + name + " tick scale is not large enough!  Quorvanta will restart the plot using your current " +
                name + " tick scale multiplied by 10."};
}

AxesResult drawAxes(Canvas& canvas, const AxesInput& input, const TickLimitHandler& on_tick_limit) {
    AxesResult out;
    out.x_tick_scale = input.x_tick_scale;
    out.y_tick_scale = input.y_tick_scale;
    if (!input.range.valid()) return out;
    out.drawn = true;
    for (int restart = 0;; ++restart) {
        const std::optional<TickAxis> limited = axesPass(canvas, input, out);
        if (!limited) break;
        const TickLimitMessage message = tickLimitMessage(*limited);
        out.tick_limit_messages.push_back(message);
        if (on_tick_limit) on_tick_limit(message);
        double& scale = *limited == TickAxis::X ? out.x_tick_scale : out.y_tick_scale;
        scale *= 10;
        if (restart >= kRestartGuard) {
            // Give up on ticks rather than loop on: draw the axes alone.
            drawAxisLines(canvas, axisPositions(input.range, canvas), input.axis_color);
            out.x_tick_box = plainText(out.x_tick_scale);
            out.y_tick_box = plainText(out.y_tick_scale);
            break;
        }
    }
    return out;
}

}  // namespace qv
