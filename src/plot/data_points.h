#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/graph_document.h"
#include "draw/canvas.h"
#include "draw/viewport.h"
#include "expression/evaluator.h"
#include "expression/user_text.h"

// The data list on the graph: point crosses, the connecting line, the
// trailing moving average and the centred smoothing curve, drawn by every
// redraw before the curves; and the one-shot autoscale that fits the view to
// the data. Point i is item i of the "x data" column and item i of the
// selected column.
namespace qv {

// The points as the drawings read them, one per item of the selected column.
// An item that does not convert to a number (or an x item missing because
// the x column is shorter) stands for the last item before it in its column
// that did, 0 before the first: the "previous values" a failed conversion
// leaves behind. So every value is finite, and a bad item neither stops a
// drawing nor upsets a running mean.
struct DataSeries {
    std::vector<double> x, y;
    std::size_t xItems = 0;       // the x column's own count: the oversize checks use it
    std::size_t unreadItems = 0;  // items that stood for their predecessor
    double largestY = 0;          // the largest |y|, which the running means scale by
};

// Keeps the converted points with the stamps of the items they came from,
// so that a redraw converts only the items whose texts changed since the
// last one (an empty text is no number and needs no converting). Redraws
// come far more often than edits (the list is locked while its data is
// drawn).
class DataSeriesCache {
public:
    const DataSeries& read(const DataColumns& columns);
    // Items converted so far, over all reads.
    std::size_t convertedItems() const { return converted_; }

private:
    // One column's item stamps as last read and their values, NaN where a
    // text does not convert.
    struct Column {
        std::vector<uint64_t> stamps;
        std::vector<double> values;
    };
    bool refresh(const std::vector<std::string>& items, const std::vector<uint64_t>& stamps, Column& column);
    void fill();

    Column x_, y_;
    // The stamps of the two columns last read.
    std::optional<std::pair<uint64_t, uint64_t>> stamps_;
    DataSeries series_;
    std::size_t converted_ = 0;
};

// The points of two item lists, read once.
DataSeries readDataSeries(const std::vector<std::string>& xItems, const std::vector<std::string>& yItems);

// The mean of every run of `window` consecutive values: result[j] is the
// mean of values[j .. j + window - 1]. Empty when the window is 0 or longer
// than the values. The means the drawings use, computed the same way: the
// cost per mean does not depend on the window (a running sum moves along,
// with the exact rounding error of every step kept beside it, and is summed
// afresh each time the window has moved its own length), and values so large
// that a sum could overflow are scaled by a power of two first.
std::vector<double> windowMeans(const std::vector<double>& values, std::size_t window);

inline constexpr const char* kOversizedTitle = QV_TR("qv::Texts", "Quorvanta  -  Oversized parameter!");
inline constexpr const char* kMovingAverageTooLarge =
    QV_TR("qv::Texts", "Desired size of moving average is too high for the current number of data points!");
inline constexpr const char* kNeighboursTooLarge =
    QV_TR("qv::Texts", "Desired number of neighbors is too high for current number of data points!");

// A message box with an OK button, shown while the drawing goes on.
using DataPlotMessageHandler = std::function<void(const DataMessage&)>;

struct DataDrawing {
    ViewRange range;
    // In polar mode the four transformations are ignored and a point (x, y)
    // is the angle x and the radius y.
    AxisSwitches axes;
    DataPlotOptions options;
    ColorSlots colors = defaultColors();
};

// What was drawn: crosses, and segments of each line.
struct DataDrawStats {
    int crosses = 0;
    int connections = 0;
    int averageSegments = 0;
    int smoothSegments = 0;
};

// The four drawings in order, each when its option is on. An element (a
// cross or a segment) with a point that cannot be placed (a logarithm of a
// value <= 0, a reciprocal of 0, a position beyond any double) is left out;
// `skipSegment` is the redraw's shared skip flag, cleared after every
// element. An oversized window size or neighbour count shows its message and
// draws nothing of its kind; the others are still drawn. A size below 1
// counts as 1 and a neighbour count below 0 as 0, as their boxes correct them.
DataDrawStats drawDataPoints(Canvas& canvas, const DataSeries& series, const DataDrawing& drawing,
                             bool& skipSegment, const DataPlotMessageHandler& message = {});

// The box texts of a data autoscale. A range is absent when no point gave
// it a value (every y <= 0 on a log y axis, say); its boxes stay as they are.
struct BoxRange {
    std::string min, max;
};
struct DataAutoscale {
    std::optional<BoxRange> y;  // y min and y max, Str texts (leading blank)
    std::optional<BoxRange> x;  // x min and x max, without blanks
    std::optional<BoxRange> z;  // z min and z max, without blanks
};

// The view fitted to the data, with a margin of 40 % of the data's span
// above and below and a third of it left and right. Items are evaluated with
// the evaluator; a point whose item does not evaluate to a number is left
// out. The caller decides whether the one-shot request applies.
DataAutoscale autoscaleData(Evaluator& evaluator, const DataColumns& columns, const AxisSwitches& axes);

}  // namespace qv
