#include "calculator/calculator.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "expression/evaluator_fixture.h"
#include "expression/rewrite.h"

namespace qv {
namespace {

const std::string P(kAnswerPrefix);

struct EvaluateCase {
    const char* name;
    std::string expression;
    VariableBoxes variables;
    AnswerForms forms;
    double ans;
    std::optional<std::string> history;  // history mode: the caret's line
    std::optional<std::string> shown;    // the expression box afterwards; none: unchanged
    std::string appended;
    std::optional<double> newAns;        // none: the answer keeps its value
    bool message;
};

const EvaluateCase kCases[] = {
    {"sum", "2 + 2", {}, {}, 0, {}, "2+2", " 2+2\r\n" + P + "4\r\n", 4, false},
    {"typed form shown as the calculator rewrites it", "2z", {}, {}, 0, {}, "2z", " 2z\r\n" + P + "0\r\n", 0, false},
    {"factor of pi", "pi", {}, {false, true, false}, 0, {}, "pi",
     " pi\r\n" + P + "3.14159265358979\r\n" + P + "pi\r\n", 3.141592653589793, false},
    {"radical", "sqrt(8)", {}, {false, false, true}, 0, {}, "sqrt(8)",
     " sqrt(8)\r\n" + P + "2.82842712474619\r\n" + P + "2 * sqrt(2)\r\n", 2.8284271247461903, false},
    {"fraction of a negative", "-0.75", {}, {true, false, false}, 0, {}, "-0.75",
     " -0.75\r\n" + P + "-0.75\r\n" + P + "-3 / 4\r\n", -0.75, false},
    {"empty box repeats the answer", "", {}, {true, false, false}, 0.5, {}, "",
     " \r\n" + P + "0.5\r\n" + P + "1 / 2\r\n", 0.5, false},
    {"ans in the expression", "ans*2", {}, {}, -1.5, {}, "ans*2", " ans*2\r\n" + P + "-3\r\n", -3, false},
    {"a variable keeps its name in the box", "pi*r^2", {"r", "3"}, {}, 0, {}, "pi*r^2",
     " pi*r^2\r\n" + P + "28.2743338823081\r\n", 28.274333882308138, false},
    {"variables in box order", "A+B", {"A", "1", "B", "20", "", "", "", "", "", ""}, {}, 0, {}, "A+B",
     " A+B\r\n" + P + "21\r\n", 21, false},
    {"a variable with a negative value", "x^2", {"x", "-3"}, {}, 0, {}, "x^2", " x^2\r\n" + P + "9\r\n", 9,
     false},
    {"blanks go from the boxes and the expression", "2 a", {" a ", " 4 "}, {}, 0, {}, "2*a",
     " 2*a\r\n" + P + "8\r\n", 8, false},
    // The name keeps a candidate power behind it, as a constant does.
    {"a name before a letter", "ab", {"a", "4"}, {}, 0, {}, "a^b", " a^b\r\n" + P + "1\r\n", 1, false},
    {"ans inside a name", "trans", {"trans", "1"}, {}, 7, {}, "trans", "", std::nullopt, true},
    {"Answer is another name", "Answer+1", {"Answer", "1"}, {}, 7, {}, "Answer+1",
     " Answer+1\r\n" + P + "2\r\n", 2, false},
    {"an error keeps the answer", "1/0", {}, {}, 7, {}, "1/0", " 1/0\r\n" + P + "Error\r\n", std::nullopt, false},
    {"radical beyond the 32-bit range", "46341", {}, {false, false, true}, 7, {}, "46341",
     " 46341\r\n" + P + "Error\r\n", std::nullopt, false},
    {"history mode answers the caret's line", "ignored", {}, {}, 0, "3 * 3", std::nullopt, "\r\n" + P + "9\r\n", 9,
     false},
    {"special word", "physics", {}, {}, 7, {}, std::nullopt,
     " physics\r\n" + P + *specialWordAnswer("physics") + "\r\n", std::nullopt, false},
    {"special word in history mode", "Quorvanta", {}, {}, 7, "1+1", std::nullopt,
     " Quorvanta\r\n" + P + *specialWordAnswer("Quorvanta") + "\r\n", std::nullopt, false},
};

using CalculatorTest = testing_support::EvaluatorFixture;

TEST_F(CalculatorTest, EvaluateFollowsTheBoxesAndForms) {
    for (const EvaluateCase& c : kCases) {
        SCOPED_TRACE(c.name);
        RewriteContext rewrite;
        CalculatorInput in{c.expression, c.history, c.variables, c.forms, Value::number(c.ans)};
        const CalculatorOutcome out = evaluate(in, rewrite, ev);
        EXPECT_EQ(out.expression, c.shown);
        EXPECT_EQ(out.appended, c.appended);
        EXPECT_EQ(out.message.has_value(), c.message);
        if (c.newAns) {
            ASSERT_TRUE(out.ans.has_value());
            EXPECT_EQ(*out.ans, Value::number(*c.newAns));
        } else {
            EXPECT_FALSE(out.ans.has_value());
        }
        EXPECT_EQ(rewrite.calculator_rewrite, 0);
    }
}

TEST_F(CalculatorTest, TextAnswersAreShownAsText) {
    RewriteContext rewrite;
    CalculatorInput in;
    in.expression = "\"a b\" & \"=c\"";
    const CalculatorOutcome out = evaluate(in, rewrite, ev);
    // Blanks go and "=" starts an answer line, as for numbers.
    EXPECT_EQ(out.appended, " \"ab\"&\"=c\"\r\n" + P + "ab\r\n" + P + "c\r\n");
    ASSERT_TRUE(out.ans.has_value());
    EXPECT_EQ(*out.ans, Value::string("ab=c"));
    // The forms need a number.
    in.expression = "\"x\"";
    in.forms.fraction = true;
    const CalculatorOutcome withForm = evaluate(in, rewrite, ev);
    EXPECT_TRUE(withForm.failed);
}

TEST(CalculatorShortcut, OperatorsGoOnFromTheAnswer) {
    const struct {
        const char* typed;
        const char* result;
    } kShortcuts[] = {{"+", "ans+"}, {"--", "ans-"}, {"*", "ans*"}, {"/", "ans/"}, {"^", "ans^"}, {"\\", "ans\\"},
                      {"=", "ans="}, {"<", "ans<"}, {">", "ans>"}, {"-", nullptr}, {"+ ", nullptr}, {"2+", nullptr}};
    for (const auto& s : kShortcuts) {
        const std::optional<std::string> r = operatorShortcut(s.typed);
        EXPECT_EQ(r, s.result ? std::optional<std::string>(s.result) : std::nullopt) << s.typed;
    }
}

}  // namespace
}  // namespace qv
