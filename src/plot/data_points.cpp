#include "plot/data_points.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "expression/number_text.h"
#include "expression/user_text.h"

namespace qv {

namespace {

// Marks an item that does not convert.
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The exact sum a + b as the rounded sum plus its rounding error.
struct TwoSum {
    double sum, error;
};
inline TwoSum twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// The power of two that keeps every window sum inside the doubles: values
// near the largest double would overflow a sum of a few of them. Scaling by
// a power of two is exact (but for values far below the largest, whose
// share of such a mean is lost to rounding anyway).
int overflowShift(double largest, std::size_t window) {
    if (!(largest > 0) || !std::isfinite(largest)) return 0;
    const int headroom = std::ilogb(largest) + static_cast<int>(std::bit_width(window));
    return headroom > 1000 ? headroom - 1000 : 0;
}

// The mean of a window moving along the values, at a cost per step that does
// not depend on the window's length. The sum is kept as a double plus a
// compensation that collects the exact rounding error of every step, so a
// huge value that enters the window and leaves it again leaves no trace
// worth speaking of in the small sums that follow (a plain running sum would
// keep its rounding error for good). Once the window has moved its own
// length the sum is formed afresh, which bounds how many roundings the
// compensation itself carries; that costs one addition a step on average.
class SlidingMean {
public:
    SlidingMean(const std::vector<double>& values, std::size_t window, double largest)
        : v_(values.data()), window_(window), length_(static_cast<double>(window)) {
        const int shift = overflowShift(largest, window);
        down_ = std::ldexp(1.0, -shift);
        up_ = std::ldexp(1.0, shift);
        sumAfresh();
    }

    // The mean of the window's values.
    double mean() const { return (sum_ + compensation_) / length_ * up_; }

    // Moves the window one value on; the caller keeps it inside the values.
    void next() {
        ++start_;
        if (--untilFresh_ == 0) {
            sumAfresh();
            return;
        }
        // The change as an exact pair, then added with its rounding error.
        const TwoSum change = twoSum(v_[start_ + window_ - 1] * down_, -v_[start_ - 1] * down_);
        const TwoSum s = twoSum(sum_, change.sum);
        sum_ = s.sum;
        compensation_ += s.error + change.error;
    }

private:
    void sumAfresh() {
        sum_ = compensation_ = 0;
        for (std::size_t t = start_; t < start_ + window_; ++t) {
            const TwoSum s = twoSum(sum_, v_[t] * down_);
            sum_ = s.sum;
            compensation_ += s.error;
        }
        untilFresh_ = window_;
    }

    const double* v_;
    std::size_t window_;
    double length_;
    double down_ = 1, up_ = 1;
    std::size_t start_ = 0, untilFresh_ = 0;
    double sum_ = 0, compensation_ = 0;
};

// A data point transformed for the axes and mapped to the picture area.
struct Mapped {
    double px = 0, py = 0;
    bool skip = false;
};

// The drawing loops take the mapper by value: a copy of their own that no
// canvas call can change, so its switches need no reloading between calls.
class PointMapper {
public:
    PointMapper(const Canvas& canvas, const DataDrawing& drawing)
        : w_(usableWidth(canvas)), h_(usableHeight(canvas)), range_(drawing.range), axes_(drawing.axes) {}

    // A point the axes cannot show (a logarithm of a value <= 0, a
    // reciprocal of 0, a position beyond the doubles) is to be left out.
    Mapped operator()(double x, double y) const {
        double u = x, v = y;
        bool skip = false;
        if (axes_.polar) {
            u = y * std::cos(x);
            v = y * std::sin(x);
        } else {
            transform(u, axes_.log_x, axes_.invert_x, skip);
            transform(v, axes_.log_y, axes_.invert_y, skip);
        }
        Mapped m{w_ * (u - range_.x_min) / (range_.x_max - range_.x_min),
                 h_ - h_ * (v - range_.y_min) / (range_.y_max - range_.y_min), skip};
        m.skip = m.skip || !std::isfinite(m.px) || !std::isfinite(m.py);
        return m;
    }

private:
    static void transform(double& c, bool log, bool invert, bool& skip) {
        if (log) {
            if (c > 0) {
                c = std::log10(c);
            } else {
                skip = true;
            }
        }
        if (invert) {
            if (c != 0) {
                c = 1 / c;
            } else {
                skip = true;
            }
        }
    }

    double w_, h_;
    ViewRange range_;
    AxisSwitches axes_;
};

// In every drawing an element with a point that cannot be placed is left
// out. The redraw's skip flag, when set, leaves out the first element; it
// is cleared after every element.
int drawCrosses(Canvas& canvas, const DataSeries& series, const PointMapper map, uint32_t color, bool& skip) {
    // The strokes reach 90 twips before the point and 105 after it with a
    // thin line, 105 on both sides with a wider one.
    const double before = canvas.lineWidth() == 1 ? 90 : 105;
    const std::size_t n = series.y.size();
    const double* xs = series.x.data();
    const double* ys = series.y.data();
    bool leaveOut = skip;
    int drawn = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Mapped p = map(xs[i], ys[i]);
        if (!(leaveOut || p.skip)) {
            canvas.line(p.px - before, p.py, p.px + 105, p.py, color);
            canvas.line(p.px, p.py - before, p.px, p.py + 105, color);
            ++drawn;
        }
        leaveOut = false;
    }
    if (n > 0) skip = false;
    return drawn;
}

int drawConnection(Canvas& canvas, const DataSeries& series, const PointMapper map, uint32_t color, bool& skip) {
    const std::size_t n = series.y.size();
    if (n < 2) return 0;
    const double* xs = series.x.data();
    const double* ys = series.y.data();
    bool leaveOut = skip;
    int drawn = 0;
    Mapped previous = map(xs[0], ys[0]);
    for (std::size_t i = 1; i < n; ++i) {
        const Mapped next = map(xs[i], ys[i]);
        if (!(leaveOut || previous.skip || next.skip)) {
            canvas.line(previous.px, previous.py, next.px, next.py, color);
            ++drawn;
        }
        leaveOut = false;
        previous = next;
    }
    skip = false;
    return drawn;
}

// The line through (x_i, mean of the window of point i) for i from
// first - 1 to last, where the window of point first - 1 starts at 0 and
// each next one a place further. The mean is that of the raw y values and
// takes the y transform like any y: in plain Cartesian mode mapping the mean
// is the mean of the mapped positions; otherwise it is the radius (polar) or
// the value whose logarithm or reciprocal is drawn.
int drawMeans(Canvas& canvas, const DataSeries& series, std::size_t window, std::size_t first, std::size_t last,
              const PointMapper map, uint32_t color, bool& skip) {
    SlidingMean mean(series.y, window, series.largestY);
    const double* xs = series.x.data();
    bool leaveOut = skip;
    int drawn = 0;
    Mapped previous = map(xs[first - 1], mean.mean());
    for (std::size_t i = first; i <= last; ++i) {
        mean.next();
        const Mapped next = map(xs[i], mean.mean());
        if (!(leaveOut || previous.skip || next.skip)) {
            canvas.line(previous.px, previous.py, next.px, next.py, color);
            ++drawn;
        }
        leaveOut = false;
        previous = next;
    }
    skip = false;
    return drawn;
}

void show(const DataPlotMessageHandler& message, const char* text) {
    if (message) message({userText("qv::Texts", kOversizedTitle), userText("qv::Texts", text)});
}

}  // namespace

bool DataSeriesCache::refresh(const std::vector<std::string>& items, const std::vector<uint64_t>& stamps,
                              Column& column) {
    const std::size_t n = items.size();
    bool changed = n != column.stamps.size();
    // A new place has stamp 0, which no item has.
    column.stamps.resize(n, 0);
    column.values.resize(n, kNaN);
    for (std::size_t i = 0; i < n; ++i) {
        if (column.stamps[i] == stamps[i]) continue;
        column.stamps[i] = stamps[i];
        changed = true;
        if (items[i].empty()) {
            column.values[i] = kNaN;
            continue;
        }
        column.values[i] = toNumber(items[i]).value_or(kNaN);
        ++converted_;
    }
    return changed;
}

void DataSeriesCache::fill() {
    DataSeries& s = series_;
    const std::size_t n = y_.values.size();
    s.x.resize(n);
    s.y.resize(n);
    s.xItems = x_.values.size();
    s.unreadItems = 0;
    s.largestY = 0;
    double lastX = 0, lastY = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = i < x_.values.size() ? x_.values[i] : kNaN;
        const double y = y_.values[i];
        s.unreadItems += static_cast<std::size_t>(std::isnan(x)) + static_cast<std::size_t>(std::isnan(y));
        if (!std::isnan(x)) lastX = x;
        if (!std::isnan(y)) lastY = y;
        s.x[i] = lastX;
        s.y[i] = lastY;
        s.largestY = std::max(s.largestY, std::fabs(lastY));
    }
}

const DataSeries& DataSeriesCache::read(const DataColumns& columns) {
    // The same stamps: the same items as last time, with nothing to compare.
    const std::pair<uint64_t, uint64_t> now{columns.stamp(kXData), columns.stamp(columns.selected())};
    if (stamps_ == now) return series_;
    // Both columns are compared in full, whatever the first one found.
    const bool xChanged = refresh(columns.column(kXData), columns.itemStamps(kXData), x_);
    const bool yChanged = refresh(columns.selectedColumn(), columns.itemStamps(columns.selected()), y_);
    if (xChanged || yChanged) fill();
    stamps_ = now;
    return series_;
}

DataSeries readDataSeries(const std::vector<std::string>& xItems, const std::vector<std::string>& yItems) {
    DataColumns columns;
    columns.assign(kXData, xItems);
    columns.assign(kYData1, yItems);
    DataSeriesCache cache;
    return cache.read(columns);
}

std::vector<double> windowMeans(const std::vector<double>& values, std::size_t window) {
    std::vector<double> means;
    if (window == 0 || window > values.size()) return means;
    double largest = 0;
    for (double v : values) largest = std::max(largest, std::fabs(v));
    SlidingMean mean(values, window, largest);
    means.resize(values.size() - window + 1);
    for (std::size_t j = 0; j < means.size(); ++j) {
        if (j > 0) mean.next();
        means[j] = mean.mean();
    }
    return means;
}

DataDrawStats drawDataPoints(Canvas& canvas, const DataSeries& series, const DataDrawing& drawing, bool& skip,
                             const DataPlotMessageHandler& message) {
    DataDrawStats stats;
    const DataPlotOptions& o = drawing.options;
    const PointMapper map(canvas, drawing);
    if (o.points) stats.crosses = drawCrosses(canvas, series, map, drawing.colors[kPointCross], skip);
    if (o.connect) stats.connections = drawConnection(canvas, series, map, drawing.colors[kPointConnect], skip);
    const std::size_t n = series.y.size();
    const double xItems = static_cast<double>(series.xItems);
    if (o.movingAverage) {
        const std::size_t k = static_cast<std::size_t>(std::max(o.size, 1));
        if (static_cast<double>(k) > xItems - 1) {
            show(message, kMovingAverageTooLarge);
        } else if (k < n) {
            // From x_(k-1) to the last point, each mean over the k points ending there.
            stats.averageSegments = drawMeans(canvas, series, k, k, n - 1, map, drawing.colors[kMovingAverage], skip);
        }
    }
    if (o.smooth) {
        const std::size_t m = static_cast<std::size_t>(std::max(o.neighbours, 0));
        if (static_cast<double>(m) > xItems / 2 - 1) {
            show(message, kNeighboursTooLarge);
        } else if (2 * m + 1 < n) {
            // From x_m to x_(n-m-1), each mean over m points on either side.
            stats.smoothSegments =
                drawMeans(canvas, series, 2 * m + 1, m + 1, n - m - 1, map, drawing.colors[kDataSmooth], skip);
        }
    }
    return stats;
}

namespace {

// An item's value for the autoscale. A number text reads as the number the
// evaluator would make of it, without filling its cache with one-off texts;
// anything else is evaluated. Errors, Empty and other texts give nothing.
std::optional<double> itemValue(Evaluator& evaluator, const std::string& item) {
    if (const std::optional<double> n = toNumber(item)) return n;
    const EvalResult r = evaluator.eval(item);
    if (r.failed()) return std::nullopt;
    switch (r.value.kind) {
    case Value::Kind::Number:
    case Value::Kind::Boolean: return r.value.num;
    case Value::Kind::String: return toNumber(r.value.str);
    case Value::Kind::Empty: break;
    }
    return std::nullopt;
}

std::vector<std::optional<double>> itemValues(Evaluator& evaluator, const std::vector<std::string>& items) {
    std::vector<std::optional<double>> values;
    values.reserve(items.size());
    for (const std::string& item : items) values.push_back(itemValue(evaluator, item));
    return values;
}

std::optional<double> at(const std::vector<std::optional<double>>& values, std::size_t i) {
    return i < values.size() ? values[i] : std::nullopt;
}

// The running minimum and maximum of the values an axis takes. Every value
// counts, the first one too, so that every drawn point is in the range.
class Extent {
public:
    void take(std::optional<double> v) {
        if (!v || !std::isfinite(*v)) return;
        if (!any_) {
            lo_ = hi_ = *v;
            any_ = true;
            return;
        }
        lo_ = std::min(lo_, *v);
        hi_ = std::max(hi_, *v);
    }

    // The extent with a margin of its span / divisor on each side; a single
    // value first becomes a span of 1 around it.
    std::optional<std::pair<double, double>> widened(double divisor, bool singleToUnit) const {
        if (!any_) return std::nullopt;
        double lo = lo_, hi = hi_;
        if (singleToUnit && lo == hi) {
            hi = lo + 0.5;
            lo = hi - 1;
        }
        const double margin = (hi - lo) / divisor;
        const double a = lo - margin, b = hi + margin;
        if (!std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
        return std::pair{a, b};
    }

private:
    bool any_ = false;
    double lo_ = 0, hi_ = 0;
};

std::optional<double> logOf(std::optional<double> v) {
    return v && *v > 0 ? std::optional<double>(std::log10(*v)) : std::nullopt;
}

std::optional<double> reciprocalOf(std::optional<double> v) {
    return v && *v != 0 ? std::optional<double>(1 / *v) : std::nullopt;
}

// The vertical value of point i for the y range.
std::optional<double> yValue(std::optional<double> x, std::optional<double> y, const AxisSwitches& axes) {
    if (axes.polar) return x && y ? std::optional<double>(*y * std::sin(*x)) : std::nullopt;
    if (axes.log_y) return logOf(y);
    if (axes.invert_y) return reciprocalOf(y);
    if (axes.log_x && !(x && *x >= 0)) return std::nullopt;
    return y;
}

// The horizontal value of point i for the x range.
std::optional<double> xValue(std::optional<double> x, std::optional<double> y, const AxisSwitches& axes) {
    if (axes.polar) return x && y ? std::optional<double>(*y * std::cos(*x)) : std::nullopt;
    if (axes.log_x) return logOf(x);
    if (axes.invert_x) return reciprocalOf(x);
    if (axes.log_y && !(y && *y >= 0)) return std::nullopt;
    return x;
}

}  // namespace

DataAutoscale autoscaleData(Evaluator& evaluator, const DataColumns& columns, const AxisSwitches& axes) {
    const std::vector<std::optional<double>> xs = itemValues(evaluator, columns.column(kXData));
    const std::vector<std::optional<double>> ys = itemValues(evaluator, columns.selectedColumn());
    Extent vertical, horizontal, raw;
    for (std::size_t i = 0; i < ys.size(); ++i) vertical.take(yValue(at(xs, i), ys[i], axes));
    for (std::size_t i = 0; i < xs.size(); ++i) {
        horizontal.take(xValue(xs[i], at(ys, i), axes));
        raw.take(xs[i]);
    }
    DataAutoscale a;
    if (const auto y = vertical.widened(2.5, true)) a.y = BoxRange{strText(y->first), strText(y->second)};
    if (const auto x = horizontal.widened(3, true)) {
        a.x = BoxRange{plainText(x->first), plainText(x->second)};
        if (!axes.polar) a.z = a.x;
    }
    // The parameter runs over the raw x values when they are not the x axis.
    if (axes.polar || axes.log_x || axes.invert_x) {
        if (const auto z = raw.widened(3, false)) a.z = BoxRange{plainText(z->first), plainText(z->second)};
    }
    return a;
}

}  // namespace qv
