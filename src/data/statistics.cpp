#include "data/statistics.h"

#include <cmath>
#include <cstddef>
#include <variant>
#include <vector>

#include "data/double_double.h"
#include "expression/evaluator.h"
#include "expression/number_text.h"
#include "expression/user_text.h"

namespace qv {

namespace {

std::string subjectOf(Statistic which) {
    switch (which) {
    case Statistic::Sum: return userText("qv::Texts", "the sum");
    case Statistic::Average: return userText("qv::Texts", "the average");
    case Statistic::StandardDeviation: return userText("qv::Texts", "the standard deviation");
    case Statistic::Count: break;
    }
    return userText("qv::Texts", "the count");
}

DataMessage notANumber(std::size_t index, Statistic which) {
    return {userText("qv::Texts", kDataErrorTitle),
            fillIn(userText("qv::Texts", "Item %1 of the list is not a number, so %2 cannot be formed."),
                   {std::to_string(index + 1), subjectOf(which)})};
}

DataMessage tooLarge(Statistic which) {
    return {userText("qv::Texts", kDataErrorTitle),
            fillIn(userText("qv::Texts", "The values of the list are too large, so %1 cannot be formed."),
                   {subjectOf(which)})};
}

// An item as the statistics read it: a number text as its value, anything
// else (an expression a graph file kept) by its evaluation, when that gives
// the list a number.
std::optional<double> itemValue(const std::string& item, Evaluator& evaluator) {
    if (const std::optional<double> v = toNumber(item)) return v;
    return listNumber(item, evaluator);
}

// The items' values, or the message for the first that is no number.
std::variant<std::vector<double>, DataMessage> itemValues(const std::vector<std::string>& items,
                                                          Evaluator& evaluator, Statistic which) {
    std::vector<double> values;
    values.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<double> v = itemValue(items[i], evaluator);
        if (!v) return notANumber(i, which);
        values.push_back(*v);
    }
    return values;
}

// The sum is exact and then rounded once, so a long column of values with
// every digit in use sums to the double nearest its true sum.
std::optional<dd::ExactSum> exactSum(const std::vector<double>& values) {
    dd::ExactSum sum;
    for (const double v : values) sum.add(v);
    if (!sum.finite() || !std::isfinite(sum.value())) return std::nullopt;
    return sum;
}

// Σ (x - mean)², or none when it overflows.
std::optional<double> squaredDeviations(const std::vector<double>& values, const dd::ExactSum& sum) {
    const double total = dd::rounded(dd::sumOfSquaredDeviations(values, sum));
    if (!std::isfinite(total)) return std::nullopt;
    return total;
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
    // One item has no spread; it is not even evaluated.
    if (which == Statistic::StandardDeviation && n == 1) return shown("Standard Deviation = 0");
    const auto read = itemValues(items, evaluator, which);
    if (const auto* m = std::get_if<DataMessage>(&read)) return refused(*m);
    const std::vector<double>& values = std::get<std::vector<double>>(read);
    const std::optional<dd::ExactSum> sum = exactSum(values);
    if (!sum) return refused(tooLarge(which));
    const double count = static_cast<double>(n);
    switch (which) {
    case Statistic::Sum: return shown("Sum = " + plainText(sum->value()));
    case Statistic::Average: return shown("Average = " + strText(dd::rounded(sum->dd() / dd::DD{count, 0.0})));
    case Statistic::StandardDeviation: {
        const std::optional<double> squares = squaredDeviations(values, *sum);
        if (!squares) return refused(tooLarge(which));
        return shown("Standard Deviation = " + strText(std::sqrt(*squares / (count - 1))));
    }
    case Statistic::Count: break;
    }
    return {};
}

}  // namespace qv
