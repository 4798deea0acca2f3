#include "expression/rewrite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace qv {
namespace {

struct RecordedMessage {
    std::string title;
    std::string text;
};

class RecordingSink : public FormulaErrorSink {
public:
    void formulaError(const std::string& title, const std::string& text) override {
        messages.push_back({title, text});
    }
    std::vector<RecordedMessage> messages;
};

// Rewrites in graph mode with a recording sink; smooth_pass starts set so a
// stray clear is visible.
struct GraphRewrite {
    RecordingSink sink;
    RewriteContext ctx;

    explicit GraphRewrite(int calculator = 0) {
        ctx.calculator_rewrite = calculator;
        ctx.smooth_pass = true;
        ctx.errors = &sink;
    }
    std::string operator()(std::string_view typed) { return heal(typed, ctx); }
};

// ---------------------------------------------------------------------------
// typed -> display -> evaluation

struct WorkedExample {
    const char* typed;
    const char* display;
    const char* evaluation;
};

const WorkedExample kWorkedExamples[] = {
    {"2z", "2*z", "2*z"},
    {"z2", "z^2", "z^2"},
    {"2sin(z)", "2*sin(z)", "2*sin(z)"},
    {"sin(z)cos(z)", "sin(z)*cos(z)", "sin(z)*cos(z)"},
    {"3(z+1)(z-1)", "3*(z+1)*(z-1)", "3*(z+1)*(z-1*1)"},
    {"[z+1]2", "(z+1)^2", "(z+1)^2"},
    {"x^-1", "z^-1", "z^-1"},
    {"-z^2", "-z^2", "-1*z^2"},
    {"abs(t)", "abs(z)", "abs(z)"},
    {"45deg", "45*(pi/180)", "45*(pi/180)"},
    {"pi/2rad", "pi/2*(180/pi)", "pi/2*(180/pi)"},
    {"tz", "z*z", "z*z"},
    {"2pi", "2*pi", "2*pi"},
    {"e2", "e^2", "e^2"},
    {"2life", "2*life", "2*life"},
    {"1.5E-3z", "1.5E-3*z", "1.5*10^-3*z"},
    {"5E3", "5E3", "5*10^3"},
    {"sqrt(z)", "sqrt(z)", "sqr(z)"},
    {"log(z)", "log(z)", "baseten(z)"},
    {"2rnd", "2*rnd", "2*RandomNumber()"},
    {"asinh(z)", "asinh(z)", "asinh(z)"},
    {"(z)mod(3)", "(z)mod(3)", "(z)mod(3)"},
    {"sin z", "sinz", "sinz"},
};

TEST(HealWorkedExamples, TypedToDisplayToEvaluation) {
    for (const WorkedExample& row : kWorkedExamples) {
        SCOPED_TRACE(row.typed);
        GraphRewrite rewrite;
        const std::string display = rewrite(row.typed);
        EXPECT_EQ(display, row.display);
        EXPECT_EQ(heal_2(display), row.evaluation);
        EXPECT_TRUE(rewrite.sink.messages.empty());
        EXPECT_TRUE(rewrite.ctx.smooth_pass);
    }
}

// Further graph-mode rewrites: variables, constants, implicit products and
// powers in combinations the worked examples do not reach.
struct HealCase {
    const char* typed;
    const char* display;
};

const HealCase kGraphModeCases[] = {
    {"2A", "2*A"},
    {"2Gz", "2*G*z"},
    {"Z+x+t", "z+z+z"},
    {"zsin(z)", "z*sin(z)"},
    {"2exp(x)", "2*exp(z)"},           // the x of exp is not a variable
    {"fix(x)+int(t)", "fix(z)+int(z)"},  // nor the t of int
    {"prime(e)", "prime(e)"},          // nor the e of prime
    {"(z+1)2", "(z+1)^2"},
    {"2(z)", "2*(z)"},
    {"[z]", "(z)"},
    {"2^(3)", "2^(3)"},
    {"z^(2)", "z^(2)"},
    {"sin(z)^2", "sin(z)^2"},
    {"2^-z", "2^-z"},
    {"z=1", "z=1"},
    {"z<>1", "z<>1"},
    {"z>=1", "z>=1"},
    {"z\\2", "z\\2"},
    {"10mod3", "10mod3"},
    {"  2 z  ", "2*z"},
    {"2*E3", "2E3"},    // E notation keeps its E bare on both sides
    {"2Ez", "2Ez"},
    {"1E(2)", "1E(2)"},
    {"()", ""},         // empty parentheses vanish
    {"rnd()", "rnd"},
};

TEST(HealGraphMode, RewritesCombinations) {
    for (const HealCase& row : kGraphModeCases) {
        SCOPED_TRACE(row.typed);
        GraphRewrite rewrite;
        EXPECT_EQ(rewrite(row.typed), row.display);
    }
}

// ---------------------------------------------------------------------------
// Calculator rewriting skips the graph-only steps.

const HealCase kCalculatorCases[] = {
    {"2x+45deg", "2x+45deg"},  // x stays x, deg stays deg
    {"2^(3)", "2*(3)"},        // an unprotected "^" is lost ...
    {"2```(3)", "2^(3)"},      // ... so the calculator protects it first
    {"5rad", "5rad"},
    {"2t", "2t"},
    {"2pi", "2*pi"},           // constants are still rewritten
};

TEST(HealCalculatorMode, SkipsGraphOnlySteps) {
    for (const HealCase& row : kCalculatorCases) {
        SCOPED_TRACE(row.typed);
        GraphRewrite rewrite(1);
        EXPECT_EQ(rewrite(row.typed), row.display);
        EXPECT_TRUE(rewrite.sink.messages.empty());
    }
}

TEST(HealCalculatorMode, GraphModeConvertsTheSameText) {
    GraphRewrite rewrite;
    EXPECT_EQ(rewrite("2x+45deg"), "2*z+45*(pi/180)");
}

// ---------------------------------------------------------------------------
// heal_2 on its own: which minus signs survive, and the order of the renames.

const HealCase kEvaluationCases[] = {
    {"2^-1", "2^-1"},
    {"1/-2", "1/-2"},
    {"2*-3", "2*-3"},
    {"1E-3", "1*10^-3"},
    {"z-1", "z-1*1"},
    {"-(z)", "-1*(z)"},
    {"2**3", "2*3"},
    {"sqrt(rnd)", "sqr(RandomNumber())"},
    {"log(2E3)", "baseten(2*10^3)"},
    {"", ""},
};

TEST(Heal2, RewritesDisplayForms) {
    for (const HealCase& row : kEvaluationCases) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(heal_2(row.typed), row.display);
    }
}

// ---------------------------------------------------------------------------
// Function names

TEST(FunctionNameTable, LongerNamesComeBeforeTheNamesTheyContain) {
    const FunctionNames& names = defaultFunctionNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_FALSE(names[i].empty());
        for (std::size_t j = 0; j < names.size(); ++j) {
            if (i != j && names[i].find(names[j]) != std::string::npos) {
                EXPECT_LT(i, j) << names[i] << " contains " << names[j];
            }
        }
    }
}

TEST(FunctionNameTable, FixedIndexesOfTheNamesRewritingDependsOn) {
    const FunctionNames& names = defaultFunctionNames();
    EXPECT_EQ(names[0], "asinh");
    EXPECT_EQ(names[24], "rnd");  // its bare marker tail is restored by index
    EXPECT_EQ(names[26], "sqrt");
    EXPECT_EQ(names[27], "sqr");
    EXPECT_EQ(names[38], "fib");
}

TEST(HealFunctionNames, EveryNameWithArgumentIsKeptIntact) {
    for (const std::string& name : defaultFunctionNames()) {
        SCOPED_TRACE(name);
        GraphRewrite rewrite;
        // rnd takes no argument, but the marker tail still meets the "*"
        // in front of the parenthesis, so it comes back the same way.
        EXPECT_EQ(rewrite(name + "(z)"), name + "(z)");
        EXPECT_EQ(rewrite("2" + name + "(z)"), "2*" + name + "(z)");
    }
}

const HealCase kRndCases[] = {
    {"rnd", "rnd"},
    {"2rnd", "2*rnd"},
    {"rnd+z", "rnd+z"},
    {"zrnd", "z*rnd"},
};

TEST(HealFunctionNames, RndWithoutParentheses) {
    for (const HealCase& row : kRndCases) {
        SCOPED_TRACE(row.typed);
        GraphRewrite rewrite;
        EXPECT_EQ(rewrite(row.typed), row.display);
    }
}

TEST(HealFunctionNames, NameWithoutParenthesisJoinsItsArgument) {
    GraphRewrite rewrite;
    EXPECT_EQ(rewrite("sin z"), "sinz");
    EXPECT_EQ(rewrite("cos x"), "cosz");
}

TEST(HealFunctionNames, UsesTheTableOfTheContext) {
    FunctionNames custom = defaultFunctionNames();
    custom[38] = "gcd";
    GraphRewrite withCustom;
    withCustom.ctx.function_names = &custom;
    EXPECT_EQ(withCustom("gcd(z)"), "gcd(z)");

    GraphRewrite withDefault;  // unknown name: the "(" keeps its implicit "*"
    EXPECT_EQ(withDefault("gcd(z)"), "gcd*(z)");

    GraphRewrite withNull;
    withNull.ctx.function_names = nullptr;
    EXPECT_EQ(withNull("2fib(z)"), "2*fib(z)");
}

// ---------------------------------------------------------------------------
// Edge cases

TEST(HealEdgeCases, EmptyTextGivesEmptyDisplayFormWithoutMessage) {
    GraphRewrite rewrite;
    EXPECT_EQ(rewrite(""), "");
    EXPECT_EQ(rewrite("   "), "");
    EXPECT_TRUE(rewrite.sink.messages.empty());
    EXPECT_TRUE(rewrite.ctx.smooth_pass);
}

TEST(HealEdgeCases, ModBetweenParenthesesAndNextToLetters) {
    GraphRewrite rewrite;
    EXPECT_EQ(rewrite("(z)mod(3)"), "(z)mod(3)");
    EXPECT_EQ(rewrite("zmod3"), "zmod3");  // one name, rejected by the evaluator
}

TEST(HealEdgeCases, UppercaseEIsNeverAVariable) {
    GraphRewrite rewrite;
    const std::string upper = rewrite("2E3");
    EXPECT_EQ(upper, "2E3");
    EXPECT_EQ(heal_2(upper), "2*10^3");

    const std::string lower = rewrite("2e3");  // the constant e, cubed
    EXPECT_EQ(lower, "2*e^3");
    EXPECT_EQ(heal_2(lower), "2*e^3");
}

const char* const kOrdinaryTexts[] = {
    "2z", "z2", "2sin(z)", "sin(z)cos(z)", "3(z+1)(z-1)", "[z+1]2", "x^-1",
    "-z^2", "abs(t)", "45deg", "pi/2rad", "tz", "2pi", "e2", "2life",
    "1.5E-3z", "5E3", "sqrt(z)", "log(z)", "2rnd", "asinh(z)", "(z)mod(3)",
    "2A", "zsin(z)", "2exp(x)", "z^(2)", "sin(z)^2", "2^-z", "z>=1",
    "sech(z)+sec(z)", "Acos(2z)", "G/z^2",
};

TEST(HealEdgeCases, DisplayFormComesBackUnchanged) {
    for (const char* typed : kOrdinaryTexts) {
        SCOPED_TRACE(typed);
        GraphRewrite rewrite;
        const std::string once = rewrite(typed);
        EXPECT_EQ(rewrite(once), once);
    }
}

// ---------------------------------------------------------------------------
// Parenthesis check

TEST(HealParenthesisCheck, UnbalancedTextGivesOneMessageAndClearsSmoothPass) {
    GraphRewrite rewrite;
    EXPECT_EQ(rewrite("(z+1)(z"), "(z+1)*(z");
    ASSERT_EQ(rewrite.sink.messages.size(), 1u);
    EXPECT_EQ(rewrite.sink.messages[0].title, "Quorvanta  -  Formula error!");
    EXPECT_EQ(rewrite.sink.messages[0].text,
              "One of your expressions does not contain an equal number of opened and "
              "closed parenthesis.");
    EXPECT_FALSE(rewrite.ctx.smooth_pass);
}

TEST(HealParenthesisCheck, ExtraClosingParenthesisIsReportedToo) {
    GraphRewrite rewrite(1);
    EXPECT_EQ(rewrite("z)"), "z)");
    EXPECT_EQ(rewrite.sink.messages.size(), 1u);
    EXPECT_FALSE(rewrite.ctx.smooth_pass);
}

TEST(HealParenthesisCheck, OnlyCountsAreCompared) {
    GraphRewrite rewrite;
    EXPECT_EQ(rewrite(")z("), ")*z*(");
    EXPECT_TRUE(rewrite.sink.messages.empty());
    EXPECT_TRUE(rewrite.ctx.smooth_pass);
}

TEST(HealParenthesisCheck, BracketsCountAsParentheses) {
    GraphRewrite rewrite;
    rewrite("[z+1)");
    EXPECT_TRUE(rewrite.sink.messages.empty());
    rewrite("[z+1");
    EXPECT_EQ(rewrite.sink.messages.size(), 1u);
}

TEST(HealParenthesisCheck, SmoothPassIsOnlyEverCleared) {
    GraphRewrite rewrite;
    rewrite.ctx.smooth_pass = false;
    rewrite("2z");
    EXPECT_FALSE(rewrite.ctx.smooth_pass);  // a clean text does not set it
    rewrite.ctx.smooth_pass = true;
    rewrite("sin(z");
    EXPECT_FALSE(rewrite.ctx.smooth_pass);
    rewrite.ctx.smooth_pass = true;
    rewrite("sin(z)");
    EXPECT_TRUE(rewrite.ctx.smooth_pass);
    EXPECT_EQ(rewrite.sink.messages.size(), 1u);
}

TEST(HealParenthesisCheck, WithoutSinkMessageIsDroppedButFlagCleared) {
    RewriteContext ctx;
    ctx.smooth_pass = true;
    EXPECT_EQ(heal("(z+1)(z", ctx), "(z+1)*(z");
    EXPECT_FALSE(ctx.smooth_pass);
}

// No step adds or removes a single parenthesis (only balanced groups such as
// "*(pi/180)" and "()"), so the message must appear exactly when the typed
// parentheses and brackets do not balance, whatever else the text holds.
TEST(HealParenthesisCheck, MessageExactlyWhenTypedCountsDiffer) {
    const std::string alphabet = "()[]zxtZAeEGpi^-+*/\\<>=&`2 0.sindegradmo_";
    std::mt19937 rng(12345);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int round = 0; round < 3000; ++round) {
        std::string typed;
        const int n = length(rng);
        for (int k = 0; k < n; ++k) {
            typed += alphabet[pick(rng)];
        }
        const auto count = [&](char a, char b) {
            return std::count(typed.begin(), typed.end(), a) +
                   std::count(typed.begin(), typed.end(), b);
        };
        const bool balanced = count('(', '[') == count(')', ']');
        GraphRewrite rewrite(round % 2);
        rewrite(typed);
        ASSERT_EQ(rewrite.sink.messages.empty(), balanced) << typed;
        ASSERT_EQ(rewrite.ctx.smooth_pass, balanced) << typed;
    }
}

// ---------------------------------------------------------------------------
// Arbitrary input

TEST(HealArbitraryInput, RandomBytesDoNotBreakEitherRewrite) {
    std::mt19937 rng(777);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 64);
    for (int round = 0; round < 2000; ++round) {
        std::string typed;
        const int n = length(rng);
        for (int k = 0; k < n; ++k) {
            typed += static_cast<char>(byte(rng));
        }
        const auto count = [&](char a, char b) {
            return std::count(typed.begin(), typed.end(), a) +
                   std::count(typed.begin(), typed.end(), b);
        };
        GraphRewrite rewrite(round % 2);
        const std::string display = rewrite(typed);
        EXPECT_EQ(rewrite.sink.messages.empty(), count('(', '[') == count(')', ']'));
        // heal_2 keeps every parenthesis and adds only the balanced "()" of rnd.
        const std::string evaluation = heal_2(display);
        const auto balance = [](const std::string& s) {
            return std::count(s.begin(), s.end(), '(') - std::count(s.begin(), s.end(), ')');
        };
        EXPECT_EQ(balance(evaluation), balance(display));
    }
}

TEST(HealArbitraryInput, EmbeddedNulBytesAreKept) {
    GraphRewrite rewrite;
    const std::string typed("2z\0" "3", 4);
    EXPECT_EQ(rewrite(typed), std::string("2*z^\0" "3", 6));
}

TEST(HealArbitraryInput, LongTextIsRewrittenWhole) {
    constexpr int kRepeats = 200000;
    std::string typed;
    std::string expected;
    for (int k = 0; k < kRepeats; ++k) {
        typed += "2z+";
        expected += "2*z+";
    }
    typed += "1";
    expected += "1";
    GraphRewrite rewrite;
    const std::string display = rewrite(typed);
    EXPECT_EQ(display.size(), expected.size());
    EXPECT_TRUE(display == expected);
    EXPECT_TRUE(rewrite.sink.messages.empty());
}

// ---------------------------------------------------------------------------
// replaceAll

struct ReplaceCase {
    const char* name;
    std::string_view text;
    std::string_view from;
    std::string_view to;
    std::string_view expected;
};

const ReplaceCase kReplaceCases[] = {
    {"non-overlapping pairs", "aaaa", "aa", "b", "bb"},
    {"odd remainder kept", "aaaaa", "aa", "b", "bba"},
    {"scan resumes after a match", "***", "**", "*", "**"},
    {"replacement is not rescanned", "aXa", "a", "aa", "aaXaa"},
    {"removal is not rescanned", "abbcc", "bc", "", "abc"},
    {"case-sensitive", "Ee", "e", "x", "Ex"},
    {"no match", "sin(z)", "cos", "x", "sin(z)"},
    {"empty from leaves text", "abc", "", "x", "abc"},
    {"empty text", "", "a", "b", ""},
    {"match at both ends", "zaz", "z", "<~>", "<~>a<~>"},
    {"whole text", "deg", "deg", "&&&", "&&&"},
    {"from longer than text", "ab", "abc", "x", "ab"},
};

TEST(ReplaceAll, Semantics) {
    for (const ReplaceCase& row : kReplaceCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(replaceAll(row.text, row.from, row.to), row.expected);
    }
}

TEST(ReplaceAll, BinaryContent) {
    const std::string text("a\0b\0", 4);
    EXPECT_EQ(replaceAll(text, std::string_view("\0", 1), "-"), "a-b-");
}

}  // namespace
}  // namespace qv
