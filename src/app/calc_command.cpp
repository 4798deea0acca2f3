#include "app/calc_command.h"

#include <string>
#include <string_view>

#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"

namespace qv {

int runCalcCommand(const CalculatorInput& input, std::FILE* out, std::FILE* err) {
    RandomSource rng;
    MathLibrary math(rng);
    Evaluator evaluator(math, rng);
    evaluator.setUp();
    RewriteContext rewrite;
    const CalculatorOutcome outcome = evaluate(input, rewrite, evaluator);
    if (outcome.message) {
        std::fprintf(err, "error: %s\n", outcome.message->c_str());
        return 1;
    }
    // The appended text ends with CR LF; every line before that is printed.
    std::string_view rest = outcome.appended;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        std::fprintf(out, "%.*s\n", static_cast<int>(line.size()), line.data());
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 2);
    }
    std::fprintf(out, "ans: %s\n", valueText(outcome.ans.value_or(input.ans)).c_str());
    return outcome.failed ? 1 : 0;
}

}  // namespace qv
