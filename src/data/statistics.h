#pragma once

// The four statistics of the list panel over the selected data column:
// "Sum", "Average", "Standard Dev." (the sample standard deviation, n - 1
// in the denominator) and "n Elements". Each item is evaluated, so an item
// may be any expression that gives a number. The result is the text of the
// panel's result label.

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
