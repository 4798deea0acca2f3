#pragma once

// Rewriting of the user's forgiving expression notation.
//
// heal() turns a typed text (2z, [z+1]2, 45deg, sin(z)cos(z)) into the display
// form that callers write back into the box (2*z, (z+1)^2, ...); heal_2() turns
// a display form into the text the script evaluator accepts. Both are chains of
// whole-string, case-sensitive, replace-all substitutions whose order matters:
// later steps clean up the candidate operators that earlier steps insert.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expression/user_text.h"

namespace qv {

// Names of the functions the rewriter protects from the variable and constant
// substitutions. Longer names come before the shorter names they contain
// (asinh before asin and sinh), so the longer one is claimed first.
using FunctionNames = std::array<std::string, 39>;

// The table of 39 names, index 0..38.
const FunctionNames& defaultFunctionNames();

// Receives the unbalanced-parenthesis message; the UI shows it in a message box.
class FormulaErrorSink {
public:
    virtual ~FormulaErrorSink() = default;
    virtual void formulaError(const std::string& title, const std::string& text) = 0;
};

struct RewriteContext;

// While it lives, the rewriting's messages come to it instead of ctx.errors:
// the first is passed on at once (PassOn) or kept for the caller to show
// (Hold), and the rest are dropped. One user action rewrites several texts
// (a redraw reads six boxes), and one message says what is wrong with any
// of them.
class FirstFormulaError : public FormulaErrorSink {
public:
    enum class Mode { PassOn, Hold };
    struct Message {
        std::string title, text;
    };
    FirstFormulaError(RewriteContext& ctx, Mode mode);
    ~FirstFormulaError() override;
    FirstFormulaError(const FirstFormulaError&) = delete;
    FirstFormulaError& operator=(const FirstFormulaError&) = delete;

    void formulaError(const std::string& title, const std::string& text) override;
    // The first message, whether passed on or held; none if there was none.
    const std::optional<Message>& first() const { return first_; }

private:
    RewriteContext& ctx_;
    FormulaErrorSink* previous_;
    Mode mode_;
    std::optional<Message> first_;
};

struct RewriteContext {
    int calculator_rewrite = 0;              // non-zero: calculator rewriting (graph-only steps skipped)
    bool smooth_pass = false;                // cleared on a parenthesis error
    const FunctionNames* function_names = &defaultFunctionNames();
    FormulaErrorSink* errors = nullptr;      // may be null: then the message is dropped
};

// Typed text -> display form. Reports unbalanced parentheses through
// ctx.errors and clears ctx.smooth_pass, but returns the rewritten text anyway.
std::string heal(std::string_view typed, RewriteContext& ctx);

// Whether heal() restored everything it protected. A function name run
// into further letters ("sinn(z)") leaves its marker ("_ 18_n*(z)") behind;
// such a form fails in the evaluator as a syntax error, and must never be
// shown in place of what the user typed.
bool healedCleanly(std::string_view display);

// What a box shows after heal(): the display form, or the typed text itself
// when the rewriting could not restore it.
std::string shownForm(std::string_view typed, std::string_view display);

// Display form -> evaluation form (unary minus, rnd, log, E notation, sqrt).
std::string heal_2(std::string_view display);

// Replaces every non-overlapping occurrence of `from`, scanning left to right,
// case-sensitive. An empty `from` leaves the text unchanged.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

inline constexpr const char* kFormulaErrorTitle = QV_TR("qv::Texts", "Quorvanta  -  Formula error!");
inline constexpr const char* kParenthesisErrorText =
    QV_TR("qv::Texts", "One of your expressions does not contain an equal number of opened and closed parenthesis.");

}  // namespace qv
