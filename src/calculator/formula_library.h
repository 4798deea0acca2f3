#pragma once

// The ready-made formulas beside the calculator: three fixed lists
// ("Miscellaneous", "Area", "Volume") whose entries put an equation into the
// expression box, the names of its variables into the five name boxes and a
// three-line description into the description label. The user types the
// values and evaluates; the calculator substitutes each name by its value.
//
// Names are substituted as plain, case-sensitive text in box order, so in
// each entry no name occurs inside another name or inside a function or
// constant name of its equation ("M" and "m" are two variables).

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The four drop-down lists; UserDefined holds the custom equations of the
// document (custom_equations.h), the other three the fixed table.
enum class FormulaList : unsigned char { Miscellaneous, Area, Volume, UserDefined };

// The text a list shows when nothing is chosen in it: "Miscellaneous",
// "Area", "Volume", "User Defined".
std::string_view formulaListHeading(FormulaList list);

inline constexpr int kFormulaNoteCount = 45;
inline constexpr int kFormulaNameBoxes = 5;

struct Formula {
    FormulaList list;
    std::string_view entry;     // the list entry, e.g. "Hypotenuse"
    std::string_view equation;  // put into the expression box, e.g. "sqrt(A^2+B^2)"
    // For name boxes 0, 2, 4, 6, 8, filled from the first; unused ones are "".
    std::array<std::string_view, kFormulaNameBoxes> names;
    int note;  // index into formulaNotes()
};

// Every row of the fixed table, the lists one after another, each in the
// order it offers its entries.
std::span<const Formula> formulas();

// The entries of one fixed list, in order; none for UserDefined.
std::vector<const Formula*> formulasOf(FormulaList list);

// The row of `list` whose entry text is exactly `entry`; null when there is
// none (a chosen entry that is not in the table does nothing).
const Formula* findFormula(FormulaList list, std::string_view entry);

// The 45 descriptions, each three lines joined by CR LF: a title, a
// definition of the figure or quantity, and what each variable stands for.
// The last two lines begin with five blanks and enclose variable names in
// two apostrophes each (''Side''). Built once, never changed.
const std::array<std::string, kFormulaNoteCount>& formulaNotes();

// What choosing a formula puts into the controls: the five name boxes
// (0, 2, 4, 6, 8), the expression box and the description label. The value
// boxes are left as they are.
struct FormulaFill {
    std::array<std::string, kFormulaNameBoxes> names;
    std::string expression;
    std::string description;
};

FormulaFill fillOf(const Formula& f);

// An entry or a heading of the fixed lists in the user's language.
std::string shownFormulaText(std::string_view english);

// A description as the user's language shows it: one of the library's
// notes in translation, anything else (a user's own text) as it is. The
// document keeps the English, so that a graph file reads the same in
// every language.
std::string shownDescription(const std::string& description);

}  // namespace qv
