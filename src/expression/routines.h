#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "expression/evaluator.h"

// The two evaluation routines every caller shares.
namespace qv {

// The value of a text, or Empty when the evaluator reports an error.
Value z(Evaluator& evaluator, std::string_view text);

// Sets the script variable z to `value` as the statement "z = " and the
// value's number text would (15 significant digits) and evaluates the
// trimmed expression. On an error: Empty, and `eval_error` becomes True (-1).
Value Func_f_x(Evaluator& evaluator, std::string_view expression, double value, int16_t& eval_error);

// Func_f_x for one expression evaluated at many values: the expression is
// looked up once rather than at every value.
class ExpressionOfZ {
public:
    ExpressionOfZ(Evaluator& evaluator, std::string_view expression);
    // toArithmetic(Func_f_x(evaluator, expression, value, eval_error)), with
    // the same effects (z is set, eval_error on a failure).
    NumResult number(double value, int16_t& eval_error) const;

private:
    Evaluator& evaluator_;
    BoundForm form_;
};

// The line that names the variables a text reads as 0 because nothing set
// them (Evaluator::unsetNames): "note: w is not defined and reads as 0",
// "note: h and llo are not defined and read as 0". Empty for no names.
std::string unsetNamesNote(const std::vector<std::string>& names);

// The same line in the user's language, for the plot's status line; the
// calculator's history (a part of the document) and the command line keep
// the English.
std::string unsetNamesStatus(const std::vector<std::string>& names);

}  // namespace qv
