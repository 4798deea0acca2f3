#include "calculator/calculator.h"

#include <algorithm>
#include <utility>

#include "expression/evaluator.h"
#include "expression/rewrite.h"

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kAnsGuard = "!!!!!!!!!!";
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
// rewriting, and what is left of it afterwards.
std::string placeholder(int i) { return "*_" + std::to_string(i) + "_^"; }
std::string placeholderRest(int i) { return "_" + std::to_string(i) + "_"; }

// The display pass: the expression box shows the rewritten expression with
// "ans" and the variable names as typed.
std::string displayForm(const std::string& expression, const VariableBoxes& boxes, RewriteContext& ctx) {
    std::string text = replaceAll(replaceAll(expression, "ans", "@@@"), "^", kCaretMarker);
    for (int i = 0; i < kVariableBoxes; i += 2) {
        const std::string& name = boxes[static_cast<std::size_t>(i)];
        if (name.empty()) continue;
        text = replaceAll(replaceAll(text, name, placeholder(i)), "_^-", "_-");
    }
    const int before = ctx.calculator_rewrite;
    ctx.calculator_rewrite = -1;
    text = replaceAll(heal(text, ctx), "@@@", "ans");
    for (int i = 0; i < kVariableBoxes; i += 2) {
        const std::string& name = boxes[static_cast<std::size_t>(i)];
        if (!name.empty()) text = replaceAll(text, placeholderRest(i), name);
    }
    ctx.calculator_rewrite = before;
    return text;
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
    const bool historyMode = in.historyLine.has_value();
    for (std::string& box : out.variables) box = withoutBlanks(box);
    const VariableBoxes& boxes = out.variables;

    std::string calc = withoutBlanks(historyMode ? *in.historyLine : in.expression);
    std::string shown = in.expression;
    if (!historyMode) {
        shown = displayForm(calc, boxes, ctx);
        out.expression = shown;
        calc = shown;
    }
    const auto failed = [&] {
        out.failed = true;
        out.appended = historyEntry(shown, kErrorAnswer);
        out.ans.reset();
        return out;
    };

    calc = replaceAll(calc, "ans", kAnsGuard);
    for (int i = 0; i < kVariableBoxes; i += 2) {
        const std::string& name = boxes[static_cast<std::size_t>(i)];
        calc = replaceAll(calc, name, "(" + boxes[static_cast<std::size_t>(i) + 1] + ")");
        if (name.find("ans") != std::string::npos) {
            out.message = kAnsInNameText;
            return out;
        }
    }
    calc = replaceAll(calc, kAnsGuard, "ans");
    if (withoutBlanks(calc).empty()) calc = "ans";
    calc = replaceAll(calc, "ans", "(" + valueText(in.ans) + ")");

    const int before = ctx.calculator_rewrite;
    ctx.calculator_rewrite = 0;
    const EvalResult r = evaluator.eval(heal_2(heal(calc, ctx)));
    ctx.calculator_rewrite = before;
    if (r.failed()) return failed();
    const std::optional<std::string> answer = answerText(r.value, in);
    if (!answer) return failed();
    out.ans = r.value;
    if (historyMode) {
        out.appended = std::string(kLineEnd) + std::string(kAnswerPrefix) + *answer + std::string(kLineEnd);
    } else {
        out.appended = historyEntry(shown, *answer);
    }
    return out;
}

}  // namespace qv
