#pragma once

// The document's own formulas, the "User Defined" list: up to 50 equations,
// each with a title (the list item), a description, the equation and the
// names of its five variables. Row i belongs to item i of the list, so
// deleting a row moves every later row up one place. They are saved with
// the graph file.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/formula_library.h"
#include "document/graph_document.h"
#include "expression/user_text.h"

namespace qv {

static_assert(std::tuple_size_v<decltype(CustomEquation::names)> == kFormulaNameBoxes);

inline constexpr int kMaxCustomEquations = 50;

inline constexpr const char* kEquationLimitTitle = QV_TR("qv::Texts", "Quorvanta  -  Limit reached!");
inline constexpr const char* kEquationLimitText =
    QV_TR("qv::Texts", "You may only create 50 custom equations per file.");
inline constexpr const char* kRemoveEquationTitle = QV_TR("qv::Texts", "Quorvanta  -  Remove permanently?");

// The Yes/No question of "Delete Equation", the title enclosed in two
// apostrophes on each side.
std::string removeEquationQuestion(std::string_view title);

class CustomEquations {
public:
    int count() const { return static_cast<int>(rows_.size()); }
    const std::vector<CustomEquation>& equations() const { return rows_; }
    bool full() const { return count() > kMaxCustomEquations - 1; }

    // "Create Equation": appends the row, or refuses it when the list is
    // full (the caller then shows kEquationLimitText and changes nothing).
    bool create(CustomEquation e);

    // "Delete Equation" on item i: later rows move up one place. False, and
    // nothing changes, for an i outside 0..count()-1 (no item selected).
    bool remove(int i);

    // What choosing item i puts into the controls; an empty fill for an i
    // that is not an item.
    FormulaFill fillOf(int i) const;

    // The rows a graph file held; rows beyond the limit are dropped.
    void assign(std::vector<CustomEquation> rows);
    void clear() { rows_.clear(); }

private:
    bool validItem(int i) const { return i >= 0 && i < count(); }

    std::vector<CustomEquation> rows_;
};

}  // namespace qv
