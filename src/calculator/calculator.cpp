#include "calculator/calculator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

#include "calculator/variable_names.h"
#include "expression/evaluator.h"
#include "expression/rewrite.h"
#include "expression/routines.h"
#include "expression/user_text.h"

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCaretMarker = "```";

std::string withoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != ' ') out += c;
    }
    return out;
}

struct SpecialWord {
    std::string_view word;
    std::string_view answer;
};

constexpr SpecialWord kSpecialWords[] = {
    {"Quorvanta",
     "Quorvanta  -  Version 6.5.1\r\n\r\nWritten by the Quorvanta developers, for everyone who likes to see what "
     "an equation looks like.\r\n\r\nHave you ever tried to graph a tornado?"},
    {"mathematics", "\"Mathematics is the only place where you can draw a perfect circle and prove that it is one.\""
                    "\r\n     - Anonymous"},
    {"computers", "\"Computers are useless. They can only give you answers.\"\r\n     - Pablo Picasso"},
    {"physics", "\"Physics is asking the universe a question and waiting patiently for it to answer in numbers.\""
                "\r\n     - Anonymous"},
};

// The placeholder that keeps variable name i (0, 2, .., 8) out of the
// rewriting, and what is left of it afterwards. While the expression is
// prepared, a name first becomes a stand-in free of "^" and "ans", which the
// preparation replaces.
std::string placeholder(int i) { return "*_" + std::to_string(i) + "_^"; }
std::string placeholderRest(int i) { return "_" + std::to_string(i) + "_"; }
std::string standIn(int i) { return "\x01" + std::to_string(i) + "\x01"; }

// Sets the rewriting up for one evaluation and puts it back afterwards:
// the calculator's own mode where asked, and its messages passed on once.
// The display pass and the evaluation rewrite the same expression, so an
// unbalanced parenthesis would otherwise be reported twice for one click.
class RewriteScope {
public:
    explicit RewriteScope(RewriteContext& ctx)
        : ctx_(ctx), mode_(ctx.calculator_rewrite), oneMessage_(ctx, FirstFormulaError::Mode::PassOn) {}
    ~RewriteScope() { ctx_.calculator_rewrite = mode_; }
    RewriteScope(const RewriteScope&) = delete;
    RewriteScope& operator=(const RewriteScope&) = delete;

private:
    RewriteContext& ctx_;
    int mode_;
    FirstFormulaError oneMessage_;
};

// The display pass: the expression box shows the rewritten expression with
// "ans" and the variable names as typed.
std::string displayForm(const std::string& expression, const VariableBoxes& boxes, RewriteContext& ctx) {
    // Unbounded, so always a text: a stand-in is a few characters.
    std::string text = *replaceVariables(expression, boxes, standIn, ctx);
    text = replaceAll(replaceAll(text, "ans", "@@@"), "^", kCaretMarker);
    for (int i = 0; i < kVariableBoxes; i += 2) text = replaceAll(text, standIn(i), placeholder(i));
    // A name before a minus: the placeholder's candidate power must not
    // make a negative exponent of it.
    text = replaceAll(text, "_^-", "_-");
    ctx.calculator_rewrite = -1;
    text = replaceAll(heal(text, ctx), "@@@", "ans");
    for (int i = 0; i < kVariableBoxes; i += 2) {
        const std::string& name = boxes[static_cast<std::size_t>(i)];
        if (!name.empty()) text = replaceAll(text, placeholderRest(i), name);
    }
    return text;
}

// The text that stands for the last answer in the evaluated expression.
// A number is written with the fewest digits that read back as exactly the
// same double, so "ans*3" after 1/3 is 1; and without an exponent, because
// the rewriting turns "E" into "*10^", a product that can miss the value by
// a unit in the last place. The answer shown keeps its 15 digits.
std::string ansText(const Value& ans) {
    if (!ans.isNumber() || !std::isfinite(ans.num)) return valueText(ans);
    // Fixed notation needs at most 309 digits before the point and 324
    // after it.
    std::array<char, 400> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), ans.num, std::chars_format::fixed);
    return std::string(buf.data(), r.ptr);
}

// The answer text of a value, in the ticked forms; none when the formatting
// fails. A value that is no number is shown as its text; the forms need a
// number.
std::optional<std::string> answerText(const Value& v, const CalculatorInput& in) {
    if (v.isNumber()) return formatAnswer(v.num, in.forms, in.constPi);
    if (!in.forms.fraction && !in.forms.pi && !in.forms.radical) return layoutAnswer(valueText(v));
    const NumResult n = toArithmetic(v);
    if (n.failed()) return std::nullopt;
    return formatAnswer(n.value, in.forms, in.constPi);
}

// Every "ans" replaced by `value`; none when the text would pass `maxLength`
// (a value of 300 digits in a text of thousands of "ans" makes megabytes).
std::optional<std::string> replaceAnsWithin(const std::string& text, const std::string& value, std::size_t maxLength) {
    constexpr std::string_view kAns = "ans";
    std::size_t count = 0;
    for (std::size_t at = text.find(kAns); at != std::string::npos; at = text.find(kAns, at + kAns.size())) ++count;
    if (count > 0 && value.size() > kAns.size() &&
        (maxLength - text.size()) / count < value.size() - kAns.size()) {
        return std::nullopt;
    }
    return replaceAll(text, kAns, value);
}

std::string historyEntry(std::string_view shownExpression, std::string_view answer) {
    std::string out;
    out.reserve(shownExpression.size() + answer.size() + kAnswerPrefix.size() + 5);
    out += ' ';
    out += shownExpression;
    out += kLineEnd;
    out += kAnswerPrefix;
    out += answer;
    out += kLineEnd;
    return out;
}

}  // namespace

std::string tooLongText() {
    return fillIn(userText("qv::Texts",
                           "With the values of the variables and ans in place, the expression is longer "
                           "than %1 characters, more than the calculator can evaluate.  Use shorter values "
                           "or fewer variables."),
                  {std::to_string(Evaluator::kMaxTextLength)});
}

std::optional<std::string> specialWordAnswer(std::string_view expression) {
    for (const SpecialWord& w : kSpecialWords) {
        if (expression == w.word) return std::string(w.answer);
    }
    return std::nullopt;
}

std::optional<std::string> operatorShortcut(std::string_view text) {
    constexpr std::string_view kOperators[] = {"=", "<", ">", "+", "--", "*", "/", "^", "\\"};
    if (std::find(std::begin(kOperators), std::end(kOperators), text) == std::end(kOperators)) return std::nullopt;
    return "ans" + std::string(text == "--" ? "-" : text);
}

CalculatorOutcome evaluate(const CalculatorInput& in, RewriteContext& ctx, Evaluator& evaluator) {
    CalculatorOutcome out;
    out.variables = in.variables;
    if (const std::optional<std::string> special = specialWordAnswer(in.expression)) {
        out.appended = historyEntry(in.expression, *special);
        return out;
    }
    RewriteScope scope(ctx);
    const bool historyMode = in.historyLine.has_value();
    for (std::string& box : out.variables) box = withoutBlanks(box);
    const VariableBoxes& boxes = out.variables;

    std::string calc = withoutBlanks(historyMode ? *in.historyLine : in.expression);
    // A text the evaluator would refuse is not worth rewriting (a history
    // line can be any length).
    if (calc.size() > Evaluator::kMaxTextLength) {
        out.message = tooLongText();
        return out;
    }
    std::string shown = in.expression;
    bool healed = true;
    if (!historyMode) {
        const std::string display = displayForm(calc, boxes, ctx);
        // What the rewriting could not restore is never shown in place of
        // what the user typed; evaluated, it would fail anyway.
        healed = healedCleanly(display);
        shown = shownForm(in.expression, display);
        out.expression = shown;
        calc = display;
    }
    const auto failed = [&] {
        out.failed = true;
        out.appended = historyEntry(shown, kErrorAnswer);
        out.ans.reset();
        return out;
    };

    for (int i = 0; i < kVariableBoxes; i += 2) {
        if (boxes[static_cast<std::size_t>(i)].find("ans") != std::string::npos) {
            out.message = userText("qv::Texts", kAnsInNameText);
            return out;
        }
    }
    if (!healed) return failed();
    // The values are put in with a bound: every occurrence of a name takes a
    // copy of its value, so a few kilobytes of names and values can make
    // gigabytes of text, which the rewriting would take minutes over before
    // the evaluator refused it for its length.
    std::optional<std::string> substituted = replaceVariables(
        calc, boxes, [&](int i) { return "(" + boxes[static_cast<std::size_t>(i) + 1] + ")"; }, ctx,
        Evaluator::kMaxTextLength);
    if (substituted && withoutBlanks(*substituted).empty()) substituted = "ans";
    if (substituted) substituted = replaceAnsWithin(*substituted, "(" + ansText(in.ans) + ")", Evaluator::kMaxTextLength);
    if (!substituted) {
        out.message = tooLongText();
        return out;
    }
    calc = std::move(*substituted);

    ctx.calculator_rewrite = 0;
    const std::string evaluated = heal_2(heal(calc, ctx));
    const EvalResult r = evaluator.eval(evaluated);
    if (r.failed()) return failed();
    const std::optional<std::string> answer = answerText(r.value, in);
    if (!answer) return failed();
    out.ans = r.value;
    if (historyMode) {
        out.appended = std::string(kLineEnd) + std::string(kAnswerPrefix) + *answer + std::string(kLineEnd);
    } else {
        out.appended = historyEntry(shown, *answer);
    }
    // The language reads a name nothing assigned as 0; the history says so.
    const std::string note = unsetNamesNote(evaluator.unsetNames(evaluated));
    if (!note.empty()) out.appended += note + std::string(kLineEnd);
    return out;
}

}  // namespace qv
