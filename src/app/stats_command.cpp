#include "app/stats_command.h"

#include <optional>
#include <vector>

#include "data/list_file.h"
#include "data/statistics.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/random_source.h"

namespace qv {

int runStatsCommand(const std::string& path, std::FILE* out, std::FILE* err) {
    const ImportResult file = readListFile(path);
    if (file.message) {
        std::fprintf(err, "error: %s\n", file.message->text.c_str());
        return 1;
    }
    RandomSource rng;
    MathLibrary math(rng);
    Evaluator evaluator(math, rng);
    evaluator.setUp();
    // Each item is read once, as the value all four statistics use: an item
    // evaluated once per statistic could give each its own value.
    std::vector<std::string> values;
    values.reserve(file.items.size());
    for (const std::string& item : file.items) {
        std::optional<double> v = toNumber(item);
        if (!v) v = listNumber(item, evaluator);
        values.push_back(v ? roundTripText(*v) : item);
    }
    // All four are computed before anything is printed, so an item that is
    // not a number leaves nothing but the error line.
    std::vector<std::string> labels;
    for (const Statistic which :
         {Statistic::Sum, Statistic::Average, Statistic::StandardDeviation, Statistic::Count}) {
        const StatisticResult r = computeStatistic(which, values, evaluator);
        if (r.message) {
            std::fprintf(err, "error: %s\n", r.message->text.c_str());
            return 1;
        }
        // An empty list leaves the panel's label as it was: empty here.
        labels.push_back(r.label.value_or(""));
    }
    for (const std::string& label : labels) std::fprintf(out, "%s\n", label.c_str());
    return 0;
}

}  // namespace qv
