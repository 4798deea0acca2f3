#pragma once

// Where the calculator's variable names stand in an expression.
//
// A variable is replaced only where it stands as a whole name, never inside
// another word: with a variable "a", "a*tan(a)" holds two a's and "tan" is
// left alone. The rule, word by word:
//
// - A word is a run of letters, digits and underscores that starts with a
//   letter or an underscore (bytes above 127 count as letters). Numbers,
//   with an "E" exponent as the rewriting reads them ("1.5E-3"), and texts
//   in double quotes are not words.
// - A word is read as variables only when it can be cut completely into
//   pieces, each of them a variable name (exactly as typed in its box,
//   case-sensitive), a reserved word, or a run of digits after a piece (a
//   power, as in "a2"). At least one piece must be a variable. Otherwise the
//   word is a name of its own and nothing in it is replaced ("hat", "ab" when
//   only "a" is a variable).
// - Reserved words: the rewriter's function names, the evaluator's built-in
//   functions, "ans", the operators and keywords of the language ("mod",
//   "and", "true", ...), the suffixes "deg" and "rad", and the constants pi,
//   e, G, mol, life and error. They are matched as the rewriting matches
//   them, case-sensitively and in lower case but for G, so a variable
//   "Rad" or "Int" is a name of its own.
// - Where several cuts exist, the longest piece at each place is tried
//   first, so "asin(a)" is the function asin, "pir" is pi*r and "4AC" is
//   4*A*C. Between pieces of equal length a reserved word wins over a
//   variable, except a constant: a variable named "e" or "G" is what the
//   user means by that name.
// - A name with characters no word can hold ("x'", a leading digit) stands
//   nowhere.
//
// Both the expression box's display form and the values substituted for
// evaluation follow this one rule, so the box shows the names the
// evaluation reads.

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/calculator.h"

namespace qv {

struct RewriteContext;

// The text with every whole-name occurrence of a variable replaced by
// `replacement(box)`, box being the index of its name box (0, 2, .., 8).
// Inside a word that holds a variable, an explicit "*" goes between two
// pieces wherever the second one starts with a letter ("ab" is a*b, "amol"
// a*mol): the rewriting would read a letter after a bare name as its power.
// A digit piece stays glued to the piece before it ("a2" is a^2).
//
// Every occurrence takes a copy of its replacement, so the text can grow by
// the product of the two lengths; it stops and gives none as soon as it
// would pass `maxLength`.
std::optional<std::string> replaceVariables(std::string_view text, const VariableBoxes& boxes,
                                            const std::function<std::string(int box)>& replacement,
                                            const RewriteContext& ctx,
                                            std::size_t maxLength = std::numeric_limits<std::size_t>::max());

}  // namespace qv
