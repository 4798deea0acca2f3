#pragma once

// The calculator's "Evaluate": one expression at a time, with the last
// answer as "ans", up to five named variables, and the answer written as a
// decimal and, on request, as a fraction, a multiple of pi or a radical.
//
// The panel gathers its boxes into a CalculatorInput, calls evaluate(), and
// writes the outcome back: the expression box, the variable boxes, the text
// to append to the history box, the new answer. The history keeps CR LF
// line ends, as it is stored.
//
// Variables stand only where their names are whole names
// (calculator/variable_names.h). The last answer goes into the expression
// with every bit of its value. A text the rewriting cannot restore stays in
// the expression box as typed and answers "Error". One evaluation passes on
// at most one parenthesis message, however often it rewrites the text.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/answer_format.h"
#include "expression/user_text.h"
#include "expression/value.h"

namespace qv {

class Evaluator;
struct RewriteContext;

inline constexpr const char* kAnsInNameText =
    QV_TR("qv::Texts", "One of your variables has \"ans\" as part of its name.  This should be avoided.");
inline constexpr const char* kCalculatorMessageTitle = "Quorvanta";
inline constexpr const char* kErrorAnswer = "Error";

// The variable boxes: names at even indexes, their values at the next odd one.
inline constexpr int kVariableBoxes = 10;
using VariableBoxes = std::array<std::string, kVariableBoxes>;

struct CalculatorInput {
    std::string expression;  // the expression box
    // History mode ("Calculate from history box" ticked and the history box
    // focused): the history line that holds the caret. None otherwise.
    std::optional<std::string> historyLine;
    VariableBoxes variables;
    AnswerForms forms;
    Value ans = Value::number(0);
    double constPi = 3.141592653589793;
};

struct CalculatorOutcome {
    VariableBoxes variables;                // the boxes with their blanks removed
    std::optional<std::string> expression;  // the expression box's new text; none keeps it
    // To append to the history text, CR LF line ends: the question and the
    // answer lines, then a "note: ..." line naming the names the evaluated
    // text read as unset variables (0), if any.
    std::string appended;
    std::optional<Value> ans;               // the new answer; none keeps the old one
    // The "ans" message or tooLongText() (title kCalculatorMessageTitle).
    std::optional<std::string> message;
    bool failed = false;                    // the answer line reads "Error"
};

CalculatorOutcome evaluate(const CalculatorInput& in, RewriteContext& ctx, Evaluator& evaluator);

// The message (title kCalculatorMessageTitle) of an expression that, with
// the variables' values and the last answer in place, is longer than the
// evaluator takes. It is refused before any rewriting: nothing is appended
// to the history and the answer keeps its value, as with the "ans" message.
std::string tooLongText();

// The special words of the expression box and what the calculator answers
// to them; none for any other text.
std::optional<std::string> specialWordAnswer(std::string_view expression);

// The expression box's text after "=", "<", ">", "+", "--", "*", "/", "^" or
// "\" was typed over its whole text: "ans" and the operator ("--" becomes
// "-"). None for any other text.
std::optional<std::string> operatorShortcut(std::string_view text);

}  // namespace qv
