#include "calculator/calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "expression/evaluator.h"
#include "expression/evaluator_fixture.h"
#include "expression/rewrite.h"

namespace qv {
namespace {

const std::string P(kAnswerPrefix);
constexpr double kPi = 3.141592653589793;
const double kMol = std::pow(10.0, 23) * 6.02214155;

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
    {"typed form shown as the calculator rewrites it", "2z", {}, {}, 0, {}, "2z",
     " 2z\r\n" + P + "0\r\nnote: z is not defined and reads as 0\r\n", 0, false},
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
    // "ab" is a name of its own: only a is a variable.
    {"a name inside a longer name", "ab+1", {"a", "4"}, {}, 0, {}, "ab+1",
     " ab+1\r\n" + P + "1\r\nnote: ab is not defined and reads as 0\r\n", 1, false},
    {"ans inside a name", "trans", {"trans", "1"}, {}, 7, {}, "trans", "", std::nullopt, true},
    {"Answer is another name", "Answer+1", {"Answer", "1"}, {}, 7, {}, "Answer+1",
     " Answer+1\r\n" + P + "2\r\n", 2, false},
    {"an error keeps the answer", "1/0", {}, {}, 7, {}, "1/0", " 1/0\r\n" + P + "Error\r\n", std::nullopt, false},
    {"radical beyond the 32-bit range", "100000", {}, {false, false, true}, 7, {}, "100000",
     " 100000\r\n" + P + "100000\r\n", 100000, false},
    // The rewriting leaves a marker where a function name runs into more
    // letters; the box keeps what was typed.
    {"text the rewriting cannot restore", "sinn (2)", {}, {}, 7, {}, "sinn (2)", " sinn (2)\r\n" + P + "Error\r\n",
     std::nullopt, false},
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

// A variable stands only where its name is a whole word, or where a word is
// made of names; functions, constants and other names keep their letters.
TEST_F(CalculatorTest, VariablesStandOnlyAsWholeNames) {
    const struct {
        const char* expression;
        VariableBoxes variables;
        const char* shown;
        double answer;
    } kCases[] = {
        {"a*tan(a)", {"a", "1"}, "a*tan(a)", std::tan(1.0)},
        {"sin(s)", {"s", "0.5"}, "sin(s)", std::sin(0.5)},
        {"asin(a)", {"a", "0.5"}, "asin(a)", std::atan(0.5 / std::sqrt(0.75))},
        {"cos(co)+co", {"co", "2"}, "cos(co)+co", std::cos(2.0) + 2},
        {"exp(x)", {"x", "1"}, "exp(x)", std::exp(1.0)},
        {"2a", {"a", "3"}, "2*a", 6},
        {"3ab", {"a", "2", "b", "5"}, "3*a*b", 30},
        {"a2b", {"a", "3", "b", "5"}, "a^2*b", 45},
        {"a-1", {"a", "5"}, "a-1", 4},
        {"pir2", {"r", "3"}, "pi*r^2", kPi * 9},
        {"i*pi", {"i", "2"}, "i*pi", 2 * kPi},
        {"amol", {"a", "2"}, "a*mol", 2 * kMol},
        {"(7)mod(m)", {"m", "4"}, "(7)mod(m)", 3},
        {"e^2", {"e", "3"}, "e^2", 9},
        {"hat+1", {"a", "2"}, "hat+1", 1},
        {"45deg", {"d", "2", "g", "3"}, "45deg", 45 * (kPi / 180)},
        {"4AC", {"A", "1", "B", "7", "C", "2"}, "4*A*C", 8},
        {"X2-X1", {"X1", "1", "X2", "5"}, "X2-X1", 4},
        {"Degrees/2", {"Degrees", "90"}, "Degrees/2", 45},
        {"2Rad", {"Rad", "3"}, "2*Rad", 6},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.expression);
        RewriteContext rewrite;
        CalculatorInput in{c.expression, {}, c.variables, {}, Value::number(0)};
        const CalculatorOutcome out = evaluate(in, rewrite, ev);
        EXPECT_EQ(out.expression, c.shown);
        ASSERT_TRUE(out.ans.has_value()) << out.appended;
        ASSERT_TRUE(out.ans->isNumber()) << out.appended;
        EXPECT_NEAR(out.ans->num, c.answer, std::fabs(c.answer) * 1e-15) << out.appended;
    }
}

// The last answer goes into the next expression with every bit; it is
// shown with 15 digits.
TEST_F(CalculatorTest, TheLastAnswerKeepsEveryBit) {
    const double kValues[] = {1.0 / 3,  0.1 + 0.2,       1.2345678901234567e-170, 4.9406564584124654e-324,
                              -2.0 / 3 * 1e-5, 1.7976931348623157e308, 1.2345678901234568e20, -7.0 / 9 * 1e300};
    for (const double v : kValues) {
        SCOPED_TRACE(v);
        RewriteContext rewrite;
        CalculatorInput in{"ans", {}, {}, {}, Value::number(v)};
        const CalculatorOutcome out = evaluate(in, rewrite, ev);
        ASSERT_TRUE(out.ans.has_value()) << out.appended;
        EXPECT_EQ(*out.ans, Value::number(v)) << out.appended;
    }
    RewriteContext rewrite;
    CalculatorInput in{"ans*3", {}, {}, {}, Value::number(1.0 / 3)};
    EXPECT_EQ(evaluate(in, rewrite, ev).appended, " ans*3\r\n" + P + "1\r\n");
}

// One click, one message: the display pass and the evaluation rewrite the
// same unbalanced text.
TEST_F(CalculatorTest, AnUnbalancedParenthesisIsReportedOnce) {
    struct Sink : FormulaErrorSink {
        int messages = 0;
        void formulaError(const std::string&, const std::string&) override { ++messages; }
    };
    const std::optional<std::string> kHistoryLines[] = {std::nullopt, "(2+3"};
    for (const std::optional<std::string>& line : kHistoryLines) {
        Sink sink;
        RewriteContext rewrite;
        rewrite.errors = &sink;
        CalculatorInput in{"(2+3", line, {}, {}, Value::number(0)};
        EXPECT_TRUE(evaluate(in, rewrite, ev).failed);
        EXPECT_EQ(sink.messages, 1);
        EXPECT_EQ(rewrite.errors, &sink);
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

// Every occurrence of a name takes a copy of its value (and of the last
// answer): a few kilobytes typed can make gigabytes to rewrite. Beyond the
// evaluator's own limit the text is refused at once, with the message and
// nothing appended; the answer keeps its value.
TEST_F(CalculatorTest, TextsLongerThanTheEvaluatorTakesAreRefused) {
    const std::size_t kLimit = Evaluator::kMaxTextLength;
    const struct {
        const char* name;
        std::string expression;
        VariableBoxes variables;
        double ans;
        std::optional<std::string> history;
    } kCases[] = {
        // One word of 2,100 names, each taking 2,002 characters.
        {"a value repeated in one word", std::string(2100, 'a'), {"a", std::string(2000, 'z')}, 0, {}},
        {"a value repeated by names apart", [] {
             std::string e = "a";
             for (int i = 0; i < 3900; ++i) e += "+b";
             return e;
         }(),
         {"a", "1", "b", std::string(1100, 'x')}, 0, {}},
        // 15,000 "ans" in the values, each 1E+300 written out.
        {"the last answer in a value", std::string(30, 'a'), {"a", [] {
             std::string v;
             for (int i = 0; i < 500; ++i) v += "ans";
             return v;
         }()},
         1e300, {}},
        {"a history line beyond the limit", "1", {}, 0, std::string(kLimit + 1, '1')},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        RewriteContext rewrite;
        CalculatorInput in{c.expression, c.history, c.variables, {}, Value::number(c.ans)};
        const CalculatorOutcome out = evaluate(in, rewrite, ev);
        EXPECT_EQ(out.message, tooLongText());
        EXPECT_EQ(out.appended, "");
        EXPECT_FALSE(out.ans.has_value());
        EXPECT_EQ(rewrite.calculator_rewrite, 0);
    }
    EXPECT_NE(tooLongText().find(std::to_string(kLimit)), std::string::npos);
    // Within the limit the same shapes answer.
    RewriteContext rewrite;
    CalculatorInput in{std::string(40, 'a'), {}, {"a", std::string(40, '1')}, {}, Value::number(0)};
    EXPECT_FALSE(evaluate(in, rewrite, ev).message.has_value());
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
