#include "app/fit_command.h"

#include <optional>
#include <string_view>
#include <utility>

#include "data/list_file.h"
#include "document/data_columns.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"

namespace qv {

int runFitCommand(FitType type, const std::string& xPath, const std::string& yPath, std::FILE* out, std::FILE* err) {
    DataColumns columns;
    for (const auto& [column, path] : {std::pair{kXData, &xPath}, std::pair{kYData1, &yPath}}) {
        ImportResult file = readListFile(*path);
        if (file.message) {
            std::fprintf(err, "error: %s\n", file.message->text.c_str());
            return 1;
        }
        columns.assign(column, std::move(file.items));
    }
    columns.select(kYData1);

    RandomSource rng;
    MathLibrary math(rng);
    Evaluator evaluator(math, rng);
    evaluator.setUp();
    RewriteContext rewrite;
    // The entry box starts empty: a fit that cannot be made leaves nothing to
    // correlate, so it ends in the message.
    const FitOutcome fit = createFit(type, columns, "", rewrite, evaluator);
    if (fit.message) {
        std::fprintf(err, "error: %s\n", fit.message->text.c_str());
        return 1;
    }
    const std::string_view label(fit.label);
    std::fprintf(out, "function: %s\ncorrelation: %s\n", fit.entryText.value_or("").c_str(),
                 std::string(label.substr(std::string_view(kCorrelationPrefix).size())).c_str());
    return 0;
}

}  // namespace qv
