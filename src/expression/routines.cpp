#include "expression/routines.h"

#include <cmath>
#include <optional>

#include "expression/number_text.h"
#include "expression/user_text.h"

namespace qv {

Value z(Evaluator& evaluator, std::string_view text) {
    EvalResult r = evaluator.eval(text);
    return r.failed() ? Value::empty() : std::move(r.value);
}

namespace {

std::string_view withoutOuterBlanks(std::string_view expression) {
    const size_t first = expression.find_first_not_of(' ');
    const size_t last = expression.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : expression.substr(first, last - first + 1);
}

// The statement "z = " and the value's number text, so z holds what that
// text reads back as. A text that overflows fails the statement, and no
// text assigns an infinity or a NaN. The value z holds, or none.
[[gnu::always_inline]] inline std::optional<double> assignZ(Evaluator& evaluator, double value) {
    const double assigned = plainTextValue(value);
    if (!std::isfinite(assigned)) return std::nullopt;
    evaluator.setVariableZ(assigned);
    return assigned;
}

Value outcome(EvalResult r, int16_t& eval_error) {
    if (r.failed()) {
        eval_error = -1;
        return Value::empty();
    }
    return std::move(r.value);
}

}  // namespace

Value Func_f_x(Evaluator& evaluator, std::string_view expression, double value, int16_t& eval_error) {
    if (!assignZ(evaluator, value)) {
        eval_error = -1;
        return Value::empty();
    }
    return outcome(evaluator.eval(withoutOuterBlanks(expression)), eval_error);
}

ExpressionOfZ::ExpressionOfZ(Evaluator& evaluator, std::string_view expression)
    : evaluator_(evaluator), form_(evaluator.bind(withoutOuterBlanks(expression), Binding::None)) {}

NumResult ExpressionOfZ::number(double value, int16_t& eval_error) const {
    const std::optional<double> assigned = assignZ(evaluator_, value);
    if (!assigned) {
        eval_error = -1;
        return toArithmetic(Value::empty());
    }
    // The machine code gives the number directly; anything else (an error,
    // a text result) takes the whole evaluation.
    if (const std::optional<double> quick = form_.quickNumberReadingZ(*assigned)) {
        return NumResult::ok(*quick);
    }
    return toArithmetic(outcome(form_.eval(0.0), eval_error));
}

std::string unsetNamesStatus(const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::string list = names.front();
    for (size_t i = 1; i < names.size(); ++i) {
        list = i + 1 == names.size() ? fillIn(userText("qv::Texts", "%1 and %2"), {list, names[i]})
                                     : list + ", " + names[i];
    }
    return names.size() == 1 ? fillIn(userText("qv::Texts", "note: %1 is not defined and reads as 0"), {list})
                             : fillIn(userText("qv::Texts", "note: %1 are not defined and read as 0"), {list});
}

std::string unsetNamesNote(const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::string list = names.front();
    for (size_t i = 1; i < names.size(); ++i) list += (i + 1 == names.size() ? " and " : ", ") + names[i];
    return "note: " + list + (names.size() == 1 ? " is not defined and reads as 0" : " are not defined and read as 0");
}

}  // namespace qv
