#include "data/statistics.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "expression/evaluator_fixture.h"

namespace qv {
namespace {

using Items = std::vector<std::string>;
using StatisticsTest = testing_support::EvaluatorFixture;

struct StatCase {
    const char* name;
    Statistic which;
    Items items;
    std::optional<std::string> label;  // none: the label keeps its text
    std::optional<std::string> error;  // the message's text
};

const StatCase kCases[] = {
    {"sum of 1..4", Statistic::Sum, {" 1", " 2", " 3", " 4"}, "Sum = 10", {}},
    {"average of 1..4", Statistic::Average, {" 1", " 2", " 3", " 4"}, "Average =  2.5", {}},
    {"deviation of 1..4", Statistic::StandardDeviation, {" 1", " 2", " 3", " 4"},
     "Standard Deviation =  1.29099444873581", {}},
    {"count of 1..4", Statistic::Count, {" 1", " 2", " 3", " 4"}, "Number of Elements =  4", {}},
    {"negative average", Statistic::Average, {"-1", "-3"}, "Average = -2", {}},
    {"negative sum", Statistic::Sum, {"-1", "-3"}, "Sum = -4", {}},
    {"equal items", Statistic::StandardDeviation, {" 5", " 5", " 5"}, "Standard Deviation =  0", {}},
    {"one item", Statistic::StandardDeviation, {" 5"}, "Standard Deviation = 0", {}},
    {"items are evaluated", Statistic::Sum, {" 2", "3*2", "sqr(9)"}, "Sum = 11", {}},
    // Small terms are not lost to the running sum.
    {"small terms add up", Statistic::Sum, {" 1", " 4E-15", " 4E-15", " 4E-15"}, "Sum = 1.00000000000001", {}},
    {"an expression a file kept", Statistic::Sum, {" 1", " z"}, std::nullopt,
     "Item 2 of the list is not a number, so the sum cannot be formed."},
    {"a text that reads as a number", Statistic::Sum, {" 1", "\"2\""}, std::nullopt,
     "Item 2 of the list is not a number, so the sum cannot be formed."},
    {"empty column: sum", Statistic::Sum, {}, std::nullopt, {}},
    {"empty column: average", Statistic::Average, {}, std::nullopt, {}},
    {"empty column: deviation", Statistic::StandardDeviation, {}, std::nullopt, {}},
    {"empty column: count", Statistic::Count, {}, "Number of Elements =  0", {}},
    {"a text item", Statistic::Sum, {" 1", " 2", " abc"}, std::nullopt,
     "Item 3 of the list is not a number, so the sum cannot be formed."},
    {"an invalid item", Statistic::Average, {" 1/0", " 2"}, std::nullopt,
     "Item 1 of the list is not a number, so the average cannot be formed."},
    {"a text in the deviation", Statistic::StandardDeviation, {" 1", "\"x\"", " 3"}, std::nullopt,
     "Item 2 of the list is not a number, so the standard deviation cannot be formed."},
    {"a count needs no numbers", Statistic::Count, {" abc"}, "Number of Elements =  1", {}},
    {"a sum too large", Statistic::Sum, {" 1E308", " 1E308"}, std::nullopt,
     "The values of the list are too large, so the sum cannot be formed."},
    {"squares too large", Statistic::StandardDeviation, {" 1E200", "-1E200"}, std::nullopt,
     "The values of the list are too large, so the standard deviation cannot be formed."},
};

TEST_F(StatisticsTest, LabelTextsAndRefusals) {
    for (const StatCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const StatisticResult r = computeStatistic(c.which, c.items, ev);
        EXPECT_EQ(r.label, c.label);
        ASSERT_EQ(r.message.has_value(), c.error.has_value());
        if (c.error) {
            EXPECT_EQ(r.message->title, kDataErrorTitle);
            EXPECT_EQ(r.message->text, *c.error);
        }
        // A shown statistic clears the selection; a refusal leaves it.
        EXPECT_EQ(r.clearSelection, c.label.has_value());
    }
}

// Long columns whose values use every digit, as the list stores them. The
// expected labels are Python's: the exact sums of the same doubles
// (fractions.Fraction, math.fsum), rounded once, in 15 digits.
struct LongColumn {
    const char* name;
    std::vector<double> values;
    const char* sum;
    const char* average;
    const char* deviation;
};

std::vector<double> valuesOf(int count, double (*value)(int)) {
    std::vector<double> out;
    for (int k = 1; k <= count; ++k) out.push_back(value(k));
    return out;
}

TEST_F(StatisticsTest, LongColumnsSumExactly) {
    const LongColumn columns[] = {
        {"32767 thirds k/3", valuesOf(32767, [](int k) { return k / 3.0; }), "Sum = 178951509.333333",
         "Average =  5461.33333333333", "Standard Deviation =  3153.05415724477"},
        {"a third 32767 times", valuesOf(32767, [](int) { return 1 / 3.0; }), "Sum = 10922.3333333333",
         "Average =  0.333333333333333", "Standard Deviation =  0"},
        {"32767 tenths", valuesOf(32767, [](int) { return 0.1; }), "Sum = 3276.7", "Average =  0.1",
         "Standard Deviation =  0"},
        {"cancellation", {1e16, 1, -1e16}, "Sum = 1", "Average =  0.333333333333333",
         "Standard Deviation =  1E+16"},
        {"close values far from zero", valuesOf(1000, [](int k) { return 1e9 + (k - 1) / 7.0; }),
         "Sum = 1000000071357.14", "Average =  1000000071.35714", "Standard Deviation =  41.2599194422204"},
    };
    for (const LongColumn& c : columns) {
        SCOPED_TRACE(c.name);
        Items items;
        for (const double v : c.values) items.push_back(itemText(v));
        EXPECT_EQ(computeStatistic(Statistic::Sum, items, ev).label, c.sum);
        EXPECT_EQ(computeStatistic(Statistic::Average, items, ev).label, c.average);
        EXPECT_EQ(computeStatistic(Statistic::StandardDeviation, items, ev).label, c.deviation);
    }
}

}  // namespace
}  // namespace qv
