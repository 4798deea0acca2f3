#include "expression/routines.h"

#include <cmath>

#include "expression/number_text.h"

namespace qv {

Value z(Evaluator& evaluator, std::string_view text) {
    EvalResult r = evaluator.eval(text);
    return r.failed() ? Value::empty() : std::move(r.value);
}

Value Func_f_x(Evaluator& evaluator, std::string_view expression, double value, int16_t& eval_error) {
    // The statement is "z = " and the value's number text, so z holds what
    // that text reads back as. A text that overflows fails the statement,
    // and no text assigns an infinity or a NaN.
    const double assigned = plainTextValue(value);
    if (!std::isfinite(assigned)) {
        eval_error = -1;
        return Value::empty();
    }
    evaluator.setVariable("z", Value::number(assigned));
    const size_t first = expression.find_first_not_of(' ');
    const size_t last = expression.find_last_not_of(' ');
    const std::string_view trimmed =
        first == std::string_view::npos ? std::string_view() : expression.substr(first, last - first + 1);
    EvalResult r = evaluator.eval(trimmed);
    if (r.failed()) {
        eval_error = -1;
        return Value::empty();
    }
    return std::move(r.value);
}

std::string unsetNamesNote(const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::string list = names.front();
    for (size_t i = 1; i < names.size(); ++i) list += (i + 1 == names.size() ? " and " : ", ") + names[i];
    return "note: " + list + (names.size() == 1 ? " is not defined and reads as 0" : " are not defined and read as 0");
}

}  // namespace qv
