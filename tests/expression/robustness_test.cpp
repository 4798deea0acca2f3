// Hostile texts: deep nesting, very long inputs, malformed numbers and stray
// characters. Each must end in a syntax error (or, where the text is
// well-formed, its value), never in a crash, a hang or unbounded memory.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expression/evaluator.h"
#include "expression/evaluator_fixture.h"

namespace qv {
namespace {

using namespace qv::testing_support;

class RobustnessTest : public EvaluatorFixture {};

std::string repeated(const std::string& piece, size_t count) {
    std::string s;
    s.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i) s += piece;
    return s;
}

TEST_F(RobustnessTest, DeepNestingIsASyntaxError) {
    struct DeepCase {
        const char* name;
        std::string text;
    };
    const DeepCase cases[] = {
        {"open parentheses", repeated("(", 100000)},
        {"balanced parentheses", repeated("(", 100000) + "1" + repeated(")", 100000)},
        {"minus signs", repeated("-", 100000) + "1"},
        {"plus signs", repeated("+", 100000) + "1"},
        {"Not", repeated("Not ", 100000) + "1"},
        {"nested calls", repeated("sin(", 100000) + "1" + repeated(")", 100000)},
    };
    for (const DeepCase& c : cases) {
        EXPECT_TRUE(matches(ev.eval(c.text), err(kSyntaxError))) << c.name;
        EXPECT_TRUE(matches(ev.evalBound(c.text, 1.0), err(kSyntaxError))) << c.name << " (bound)";
    }
}

// A long flat chain needs no nesting; a tree this tall may be refused as a
// syntax error, but if it is evaluated the value must be right.
TEST_F(RobustnessTest, LongSumIsAValueOrASyntaxError) {
    struct SumCase {
        std::string text;
        double value;
    };
    const SumCase cases[] = {
        {"1" + repeated("+1", 99999), 100000},
        {"1" + repeated("*1", 99999), 1},
        {"0" + repeated("-1", 99999), -99999},
        {"\"\"" + repeated("&1", 99999), 0},  // a text of 99999 ones
    };
    for (const SumCase& c : cases) {
        const EvalResult r = ev.eval(c.text);
        if (r.failed()) {
            EXPECT_EQ(r.error, kSyntaxError) << c.text.substr(0, 8);
        } else if (r.value.isString()) {
            EXPECT_EQ(r.value.str, std::string(99999, '1'));
        } else {
            EXPECT_TRUE(matches(r, num(c.value))) << c.text.substr(0, 8);
        }
    }
}

TEST_F(RobustnessTest, OneMegabyteInput) {
    const std::string text = repeated("z+", 1 << 19) + "1";
    const EvalResult plain = ev.eval(text);
    EXPECT_TRUE(plain.error == kSyntaxError || matches(plain, num(1))) << describe(plain);
    const EvalResult bound = ev.evalBound(text, 2.0);
    EXPECT_TRUE(bound.error == kSyntaxError || matches(bound, num(1048577))) << describe(bound);
    // The same text again, and a well-formed short text after it.
    EXPECT_TRUE(sameResult(ev.eval(text), plain));
    EXPECT_TRUE(matches(ev.eval("1+1"), num(2)));

    const std::string longNumber = "1" + std::string(1 << 20, '0');
    EXPECT_TRUE(matches(ev.eval(longNumber), err(kOverflow)));
    const std::string longFraction = "0." + std::string(1 << 20, '0') + "1";
    EXPECT_TRUE(matches(ev.eval(longFraction), num(0)));
    const std::string longString = "\"" + std::string(1 << 20, 'x') + "\"";
    const EvalResult s = ev.eval(longString + " & 1");
    ASSERT_FALSE(s.failed());
    EXPECT_EQ(s.value.str.size(), (1u << 20) + 1);
    EXPECT_TRUE(matches(ev.eval(std::string(1 << 20, ' ') + "2"), num(2)));
}

TEST_F(RobustnessTest, TextsBeyondTheLengthLimitAreRefused) {
    const std::string justFits = std::string(Evaluator::kMaxTextLength - 1, ' ') + "7";
    EXPECT_TRUE(matches(ev.eval(justFits), num(7)));
    const std::string tooLong = std::string(Evaluator::kMaxTextLength, ' ') + "7";
    EXPECT_TRUE(matches(ev.eval(tooLong), err(kSyntaxError)));
    EXPECT_TRUE(matches(ev.evalBound(tooLong, 1.0), err(kSyntaxError)));
    EXPECT_EQ(ev.executeStatement("z = " + tooLong), kSyntaxError);
}

TEST_F(RobustnessTest, MalformedNumbers) {
    for (const char* text : {"1.2.3", "1e+", "1e-", "1E", ".", "1..2", "..5", "1.e", "1e1.5", "1e1e1",
                             "5.z", "1_000", "0x10", "1,5"}) {
        EXPECT_TRUE(matches(ev.eval(text), err(kSyntaxError))) << text;
    }
}

TEST_F(RobustnessTest, StrayCharacters) {
    const std::vector<std::string> texts = {
        "@", "#", "$", ";", ":", "1;", "1:2", "1 @ 2", "2 # 3", "$x", "!", "?", "'",
        "[1]", "{1}", "1 == 1", std::string("\x01"), std::string("\xff"), std::string("1\xff"),
        std::string("1+\x80"), std::string("1\0+2", 4), "1\n+2", "1\r\n",
    };
    for (const std::string& text : texts) {
        EXPECT_TRUE(matches(ev.eval(text), err(kSyntaxError))) << "text bytes: " << text.size();
    }
}

TEST_F(RobustnessTest, UnterminatedAndEmptyTexts) {
    for (const char* text : {"\"abc", "\"", "\"a\"\"", "1 & \"x", "", " ", "\t", "()", "(", ")", ",", "f(", "f(,)"}) {
        EXPECT_TRUE(matches(ev.eval(text), err(kSyntaxError))) << "[" << text << "]";
        EXPECT_TRUE(matches(ev.evalBound(text, 1.0), err(kSyntaxError))) << "bound [" << text << "]";
    }
}

TEST_F(RobustnessTest, CacheStaysBounded) {
    size_t largest = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::string text = std::to_string(i) + "*z";
        ASSERT_TRUE(matches(ev.evalBound(text, 2.0), num(2.0 * i))) << text;
        largest = std::max(largest, ev.cacheSize());
    }
    // Thousands of distinct texts never pile up.
    EXPECT_GT(largest, 0u);
    EXPECT_LE(largest, Evaluator::kCacheMaxForms);

    // Large texts are bounded by their size as well: every cached program
    // holds at least its text, and those texts stay within the byte bound.
    ev.clearCache();
    const size_t textSize = 200000;
    size_t largestHeld = 0;
    for (int i = 0; i < 100; ++i) {
        const std::string text = std::string(textSize, ' ') + std::to_string(i);
        ASSERT_TRUE(matches(ev.eval(text), num(i)));
        largestHeld = std::max(largestHeld, ev.cacheSize() * textSize);
    }
    EXPECT_GT(largestHeld, 0u);
    EXPECT_LE(largestHeld, Evaluator::kCacheMaxBytes);
}

// Past either bound the least recently used forms go: a form used just
// before the cache overflows stays, the oldest ones are compiled again when
// next needed, with the same results, and bound forms keep their own.
TEST_F(RobustnessTest, CacheEvictsTheLeastRecentlyUsedForms) {
    // Texts have no compiled program, so these small forms reach the count
    // bound well within the byte bound.
    auto form = [](size_t i) { return "\"" + std::to_string(i) + "\" & z"; };
    const size_t bound = Evaluator::kCacheMaxForms;
    const BoundForm oldest = ev.bind("0*z+1");
    for (size_t i = 1; i < bound; ++i) ASSERT_TRUE(matches(ev.evalBound(form(i), 2), str(std::to_string(i) + "2")));
    ASSERT_EQ(ev.cacheSize(), bound);
    ASSERT_TRUE(ev.cached("0*z+1", Binding::Z));
    ASSERT_TRUE(matches(ev.evalBound(form(1), 3), str("13")));  // form 1 is now the most recent
    for (size_t i = bound; i < bound + 10; ++i) {
        ASSERT_TRUE(matches(ev.evalBound(form(i), 2), str(std::to_string(i) + "2")));
    }

    EXPECT_EQ(ev.cacheSize(), bound);
    EXPECT_TRUE(ev.cached(form(1), Binding::Z));
    EXPECT_FALSE(ev.cached("0*z+1", Binding::Z));
    for (size_t i = 2; i < 11; ++i) EXPECT_FALSE(ev.cached(form(i), Binding::Z)) << i;
    for (size_t i = 11; i < bound + 10; ++i) EXPECT_TRUE(ev.cached(form(i), Binding::Z)) << i;
    EXPECT_FALSE(ev.cached(form(1), Binding::None));  // each binding has its own entry
    EXPECT_TRUE(matches(oldest.eval(-2.5), num(1)));
    EXPECT_EQ(oldest.number(4).value, 1.0);
    EXPECT_TRUE(matches(ev.evalBound(form(5), 2), str("52")));  // compiled again
    EXPECT_TRUE(ev.cached(form(5), Binding::Z));
    EXPECT_FALSE(ev.cached(form(11), Binding::Z));  // now the oldest, it made room

    // Large texts make room by their size: as few of the oldest forms go as
    // the bytes need, while a form used between them stays.
    auto large = [](int i) { return std::string(700000, ' ') + std::to_string(i); };
    for (int i = 0; i < 12; ++i) {
        ASSERT_TRUE(matches(ev.eval(large(i)), num(i)));
        ASSERT_TRUE(matches(ev.evalBound(form(1), 2), str("12")));
        EXPECT_LE(ev.cacheBytes(), Evaluator::kCacheMaxBytes);
        if (i > 0) {
            EXPECT_TRUE(ev.cached(large(i - 1), Binding::None)) << i;  // only the oldest went
        }
    }
    EXPECT_TRUE(ev.cached(form(1), Binding::Z));
    EXPECT_TRUE(ev.cached(large(11), Binding::None));
    EXPECT_FALSE(ev.cached(large(0), Binding::None));

    ev.setVariable("fresh", Value::number(1));  // a new name drops every compiled form
    EXPECT_EQ(ev.cacheSize(), 0u);
    EXPECT_EQ(ev.cacheBytes(), 0u);
    EXPECT_FALSE(ev.cached(form(1), Binding::Z));
    EXPECT_TRUE(matches(oldest.eval(3), num(1)));
    EXPECT_TRUE(matches(ev.evalBound(form(7), 2), str("72")));
}

}  // namespace
}  // namespace qv
