#pragma once

// The data list: four columns of item texts ("x data", "y data (1)" to
// "y data (3)"), the column shown and selected, and how the data is drawn on
// the graph. The columns are plain data; the list panel shows them and every
// command that changes them returns what it changed.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace qv {

// Item indexes are 16-bit in the list boxes and in the graph file.
inline constexpr std::size_t kMaxDataItems = 32767;
inline constexpr int kDataColumnCount = 4;

enum DataColumn : int { kXData = 0, kYData1 = 1, kYData2 = 2, kYData3 = 3 };

class DataColumns {
public:
    const std::vector<std::string>& column(int c) const { return columns_[static_cast<std::size_t>(c)]; }
    const std::vector<std::string>& selectedColumn() const { return column(selected_); }
    int selected() const { return selected_; }
    void select(int c) { selected_ = c; }

    // Replaces a column's items, as a graph file, an import or an undo
    // does. Items beyond the limit are dropped.
    void assign(int c, std::vector<std::string> items);

private:
    std::array<std::vector<std::string>, kDataColumnCount> columns_;
    int selected_ = kYData1;
};

// The data drawings of the graph and their parameters: "Plot Data",
// "Connect", "Moving Avg." with its window size k, "Smooth" with its m
// neighbours on each side.
struct DataPlotOptions {
    bool points = false;
    bool connect = false;
    bool movingAverage = false;
    bool smooth = false;
    int size = 2;        // k >= 1
    int neighbours = 1;  // m >= 0

    bool any() const { return points || connect || movingAverage || smooth; }
};

}  // namespace qv
