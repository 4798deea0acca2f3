#include "data/statistics.h"

#include <cmath>
#include <cstddef>
#include <variant>

#include "expression/evaluator.h"
#include "expression/number_text.h"

namespace qv {

namespace {

const char* subjectOf(Statistic which) {
    switch (which) {
    case Statistic::Sum: return "the sum";
    case Statistic::Average: return "the average";
    case Statistic::StandardDeviation: return "the standard deviation";
    case Statistic::Count: break;
    }
    return "the count";
}

DataMessage notANumber(std::size_t index, Statistic which) {
    return {kDataErrorTitle, "Item " + std::to_string(index + 1) + " of the list is not a number, so " +
                                 subjectOf(which) + " cannot be formed."};
}

DataMessage tooLarge(Statistic which) {
    return {kDataErrorTitle, std::string("The values of the list are too large, so ") + subjectOf(which) +
                                 " cannot be formed."};
}

// A running value, or the message that stopped it.
using Running = std::variant<double, DataMessage>;

// The label holds the running value between steps as its 15-digit plain
// text, so each step continues from what that text reads back as. A text
// that would overflow cannot be read back.
bool stepLabel(double& label, double next) {
    if (!std::isfinite(next)) return false;
    label = plainTextValue(next);
    return std::isfinite(label);
}

// An item as the statistics read it: its Eval, when that is a number.
std::optional<double> itemValue(const std::string& item, Evaluator& evaluator) {
    const EvalResult r = evaluator.eval(item);
    return r.failed() ? std::nullopt : numericValue(r.value);
}

// Eval of each item added to the label: the running sum of "Sum" and
// "Average".
Running labelSum(const std::vector<std::string>& items, Evaluator& evaluator, Statistic which) {
    double label = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<double> v = itemValue(items[i], evaluator);
        if (!v) return notANumber(i, which);
        if (!stepLabel(label, *v + label)) return tooLarge(which);
    }
    return label;
}

// Two passes: the mean at full precision, then the squared deviations
// summed in the label as the sum is.
Running sumOfSquaredDeviations(const std::vector<std::string>& items, Evaluator& evaluator) {
    constexpr Statistic which = Statistic::StandardDeviation;
    double mean = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<double> v = itemValue(items[i], evaluator);
        if (!v) return notANumber(i, which);
        mean = *v + mean;
        if (!std::isfinite(mean)) return tooLarge(which);
    }
    mean = mean / static_cast<double>(items.size());
    double label = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<double> v = itemValue(items[i], evaluator);
        if (!v) return notANumber(i, which);
        const double d = *v - mean;
        if (!stepLabel(label, d * d + label)) return tooLarge(which);
    }
    return label;
}

StatisticResult shown(std::string label) {
    StatisticResult result;
    result.label = std::move(label);
    result.clearSelection = true;
    return result;
}

StatisticResult refused(DataMessage message) {
    StatisticResult result;
    result.message = std::move(message);
    return result;
}

}  // namespace

StatisticResult computeStatistic(Statistic which, const std::vector<std::string>& items, Evaluator& evaluator) {
    const std::size_t n = items.size();
    if (which == Statistic::Count) return shown("Number of Elements = " + strText(static_cast<double>(n)));
    // An empty column leaves the label as it was.
    if (n == 0) return {};
    if (which == Statistic::StandardDeviation) {
        // One item has no spread; it is not even evaluated.
        if (n == 1) return shown("Standard Deviation = 0");
        const Running squares = sumOfSquaredDeviations(items, evaluator);
        if (const auto* m = std::get_if<DataMessage>(&squares)) return refused(*m);
        const double s = std::pow(std::get<double>(squares) / static_cast<double>(n - 1), 0.5);
        return shown("Standard Deviation = " + strText(s));
    }
    const Running sum = labelSum(items, evaluator, which);
    if (const auto* m = std::get_if<DataMessage>(&sum)) return refused(*m);
    const double label = std::get<double>(sum);
    if (which == Statistic::Sum) return shown("Sum = " + plainText(label));
    return shown("Average = " + strText(label / static_cast<double>(n)));
}

}  // namespace qv
