#include "calculator/custom_equations.h"

#include <cstddef>
#include <utility>

#include "expression/user_text.h"

namespace qv {

std::string removeEquationQuestion(std::string_view title) {
    return fillIn(userText("qv::Texts",
                           "This will delete the equation titled ''%1'' on your list of custom equations.  "
                           "Is this ok?"),
                  {title});
}

bool CustomEquations::create(CustomEquation e) {
    if (full()) return false;
    rows_.push_back(std::move(e));
    return true;
}

bool CustomEquations::remove(int i) {
    if (!validItem(i)) return false;
    rows_.erase(rows_.begin() + i);
    return true;
}

FormulaFill CustomEquations::fillOf(int i) const {
    FormulaFill fill;
    if (!validItem(i)) return fill;
    const CustomEquation& row = rows_[static_cast<std::size_t>(i)];
    fill.names = row.names;
    fill.expression = row.equation;
    fill.description = row.description;
    return fill;
}

void CustomEquations::assign(std::vector<CustomEquation> rows) {
    if (rows.size() > static_cast<std::size_t>(kMaxCustomEquations)) rows.resize(kMaxCustomEquations);
    rows_ = std::move(rows);
}

}  // namespace qv
