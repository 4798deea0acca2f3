#pragma once

// The four statistics of the list panel over the selected data column:
// "Sum", "Average", "Standard Dev." (the sample standard deviation, n - 1
// in the denominator) and "n Elements". An item that is not a number text
// is evaluated, so an item a graph file kept as an expression counts too.
// The sums are exact (no digit of any item is lost, however long the
// column) and are rounded once, to the 15 digits the label shows. The result
// is the text of the panel's result label.

#include <optional>
#include <string>
#include <vector>

#include "document/data_columns.h"

namespace qv {

class Evaluator;

enum class Statistic : unsigned char { Sum, Average, StandardDeviation, Count };

struct StatisticResult {
    // The new text of the result label; none leaves the label as it is (an
    // empty column, or an item that is not a number).
    std::optional<std::string> label;
    // An item that is not a number, or values too large: the panel shows it
    // and the label keeps its text, never a partial value.
    std::optional<DataMessage> message;
    // The column's selection is cleared once a statistic is shown.
    bool clearSelection = false;
};

StatisticResult computeStatistic(Statistic which, const std::vector<std::string>& items, Evaluator& evaluator);

}  // namespace qv
