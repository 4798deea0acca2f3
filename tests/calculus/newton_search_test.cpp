// The four Newton searches: points they find, searches that end with their
// message, refused and malformed inputs, and the texts the window shows.

#include "calculus/newton_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"
#include "expression/rewrite.h"

namespace qv {
namespace {

using namespace qv::testing_support;

constexpr int16_t kTrue = -1;

class NewtonSearchTest : public EvaluatorFixture {
protected:
    SearchResult run(SearchKind kind, const SearchInput& in) { return runSearch(ev, kind, in); }
};

struct FoundCase {
    const char* name;
    SearchKind kind;
    SearchInput input;
    double z;
    double tolerance;  // 0: exactly r (a slope of exactly 0 at the start)
    const char* calc_y;  // null: the y(z) text rewritten for the evaluator
};

TEST_F(NewtonSearchTest, FindsThePoint) {
    constexpr double pi = std::numbers::pi;
    const std::vector<FoundCase> cases = {
        {"root of z^2-2 from 1", SearchKind::Root, {"z", "z^2-2", {}, 1.0}, std::numbers::sqrt2, 1e-12, nullptr},
        {"root of z^3-8 from 1", SearchKind::Root, {"z", "z^3-8", {}, 1.0}, 2.0, 1e-12, nullptr},
        {"root of a negative start", SearchKind::Root, {"z", "z^2-2", {}, -3.0}, -std::numbers::sqrt2, 1e-12,
         nullptr},
        {"root of cos(z)-z", SearchKind::Root, {"z", "cos(z)-z", {}, 0.0}, 0.739085133215161, 1e-12, nullptr},
        {"root of z^3-2z-5", SearchKind::Root, {"z", "z^3-2*z-5", {}, 2.0}, 2.09455148154233, 1e-12, nullptr},
        {"constant zero as root at r", SearchKind::Root, {"z", "0", {}, 7.0}, 7.0, 0.0, nullptr},
        {"extremum of (z-3)^2", SearchKind::Extremum, {"z", "(z-3)^2", {}, 0.0}, 3.0, 1e-9, nullptr},
        {"extremum with x(z)=2z", SearchKind::Extremum, {"2*z", "(z-3)^2", {}, 0.0}, 3.0, 1e-9, nullptr},
        {"extremum of sin(z)", SearchKind::Extremum, {"z", "sin(z)", {}, 1.0}, pi / 2, 1e-9, nullptr},
        {"extremum of z*exp(-z)", SearchKind::Extremum, {"z", "z*exp(-z)", {}, 0.5}, 1.0, 1e-9, nullptr},
        {"constant as extremum at r", SearchKind::Extremum, {"z", "5", {}, 2.0}, 2.0, 0.0, nullptr},
        // Near these points the second derivative is rounding noise above
        // the tolerance; the steps settle where it changes sign.
        {"inflection of z^3-3z from 0", SearchKind::Inflection, {"z", "z^3-3*z", {}, 0.0}, 0.0, 1e-9, nullptr},
        {"inflection of z^3-3z from 0.3", SearchKind::Inflection, {"z", "z^3-3*z", {}, 0.3}, 0.0, 1e-9, nullptr},
        {"inflection of z^3-3z from -0.5", SearchKind::Inflection, {"z", "z^3-3*z", {}, -0.5}, 0.0, 1e-9, nullptr},
        {"inflection of z^3-3z from 0.1", SearchKind::Inflection, {"z", "z^3-3*z", {}, 0.1}, 0.0, 1e-9, nullptr},
        {"inflection of z^3-3z from 1", SearchKind::Inflection, {"z", "z^3-3*z", {}, 1.0}, 0.0, 1e-9, nullptr},
        {"inflection with x(z)=2z+1", SearchKind::Inflection, {"2*z+1", "z^3-3*z", {}, 0.3}, 0.0, 1e-9, nullptr},
        {"inflection of z^3+z from 0.5", SearchKind::Inflection, {"z", "z^3+z", {}, 0.5}, 0.0, 1e-9, nullptr},
        {"inflection of sin(z) from 3", SearchKind::Inflection, {"z", "sin(z)", {}, 3.0}, pi, 1e-9, nullptr},
        {"inflection of exp(-z^2)", SearchKind::Inflection, {"z", "exp(-z^2)", {}, 0.5}, std::numbers::sqrt2 / 2,
         1e-8, nullptr},
        {"inflection of z*exp(-z)", SearchKind::Inflection, {"z", "z*exp(-z)", {}, 1.5}, 2.0, 1e-8, nullptr},
        // Started beside the pole at pi/2, the steps leave it for the
        // inflection points on either side.
        {"tan(z) from 1.5 goes to 0", SearchKind::Inflection, {"z", "tan(z)", {}, 1.5}, 0.0, 1e-9, nullptr},
        {"tan(z) from 1.6 goes to pi", SearchKind::Inflection, {"z", "tan(z)", {}, 1.6}, pi, 1e-9, nullptr},
        {"intersection with the first entry", SearchKind::Intersection, {"z", "z^2", {"2"}, 1.0},
         std::numbers::sqrt2, 1e-12, "z^2-(2)"},
        {"intersection past a failing entry", SearchKind::Intersection, {"z", "z^2", {"-1", "z+2"}, 1.0}, 2.0,
         1e-12, "z^2-(z+2)"},
        // The first entry passes its test at r but its derivative fails there,
        // so the search goes on to the next entry (which meets z^2 at -1).
        {"intersection past a failed derivative", SearchKind::Intersection,
         {"z", "z^2", {"z^2+sqrt(-z)", "z+2"}, 0.0}, -1.0, 1e-12, "z^2-(z+2)"},
    };
    for (const FoundCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SearchResult r = run(c.kind, c.input);
        EXPECT_TRUE(r.ran);
        EXPECT_TRUE(r.found);
        if (c.tolerance == 0.0) {
            EXPECT_EQ(r.z, c.z);
        } else {
            EXPECT_NEAR(r.z, c.z, c.tolerance);
        }
        EXPECT_EQ(r.box, plainText(r.z));
        // The point shown is on the curve: x(z) and y(z) at the found z.
        EXPECT_EQ(r.x, ev.bind(heal_2(c.input.xText)).number(r.z).value);
        EXPECT_EQ(r.y, ev.bind(heal_2(c.input.yText)).number(r.z).value);
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(r.eval_error, 0);
        EXPECT_TRUE(r.showPoint);
        EXPECT_EQ(r.calc_x, c.input.xText);
        EXPECT_EQ(r.calc_y, c.calc_y != nullptr ? std::string(c.calc_y) : heal_2(c.input.yText));
    }
}

struct FailCase {
    const char* name;
    SearchKind kind;
    SearchInput input;
    int16_t eval_error;
};

// Every failure ends with the one failure message, an empty box and no
// point; a failed evaluation also leaves the flag set (and the window then
// leaves the box as it is instead of showing r again).
TEST_F(NewtonSearchTest, EndsWithTheFailureMessage) {
    const std::vector<FailCase> cases = {
        // The slope of z^2+1 at 0 is exactly 0: the fallback test refuses.
        {"z^2+1 from 0", SearchKind::Root, {"z", "z^2+1", {}, 0.0}, 0},
        // From 1 the steps wander for the whole 150 and the final test refuses.
        {"z^2+1 from 1", SearchKind::Root, {"z", "z^2+1", {}, 1.0}, 0},
        {"nonzero constant as root", SearchKind::Root, {"z", "5", {}, 2.0}, 0},
        // Steps run away until z+h equals z; the slope is then 0.
        {"divergent atn(z) from 3", SearchKind::Root, {"z", "atn(z)", {}, 3.0}, 0},
        // The steps double z until the derivative's points run together far
        // out, where 1/z is below the tolerance: no root there.
        {"1/z from 1", SearchKind::Root, {"z", "1/z", {}, 1.0}, 0},
        {"1/(z-2) from 1.9", SearchKind::Root, {"z", "1/(z-2)", {}, 1.9}, 0},
        // Each step moves z on by 1; after 150 steps exp(-z) is below the
        // tolerance, but the steps are still running.
        {"exp(-z) drifts away", SearchKind::Root, {"z", "exp(-z)", {}, 0.0}, 0},
        {"exp(z) has no extremum", SearchKind::Extremum, {"z", "exp(z)", {}, 0.0}, 0},
        {"z^3+z has no extremum", SearchKind::Extremum, {"z", "z^3+z", {}, 1.0}, 0},
        // x' = 0: every quotient is skipped and the slope stays 0.
        {"constant x(z)", SearchKind::Extremum, {"1", "z^2", {}, 1.0}, 0},
        {"z^2 has no inflection", SearchKind::Inflection, {"z", "z^2", {}, 1.0}, 0},
        // Far out, where the nested differences are noise, the second
        // derivative comes out exactly 0 at the last point.
        {"z^2 from -2 ends in noise", SearchKind::Inflection, {"z", "z^2", {}, -2.0}, 0},
        // Started at the pole itself the steps run off; nothing at the pole.
        {"tan(z) at the pole", SearchKind::Inflection, {"z", "tan(z)", {}, 1.5707963267949}, 0},
        // y(z) has its root at -sqrt(2), where x(z) has no value.
        {"root off the curve", SearchKind::Root, {"sqrt(z)", "z^2-2", {}, -1.0}, 0},
        // ln(-1) fails: no root at the start.
        {"ln(z) from -1", SearchKind::Root, {"z", "ln(z)", {}, -1.0}, kTrue},
        // Fails to evaluate anywhere.
        {"malformed y(z)", SearchKind::Root, {"z", "1/", {}, 0.0}, kTrue},
        // The failed derivative reads as 0 and would pass the test at r.
        {"malformed y(z) extremum", SearchKind::Extremum, {"z", "(z", {}, 0.0}, kTrue},
        // sqrt just left of 0 fails inside the derivative: the point passes
        // its test but the search fails.
        {"derivative fails at the root", SearchKind::Root, {"z", "sqrt(z)", {}, 0.0}, kTrue},
        // The first step lands at 0, where the derivative of sqrt fails.
        {"step into a failing derivative", SearchKind::Root, {"z", "sqrt(z)-1", {}, 4.0}, kTrue},
        {"no entry intersects", SearchKind::Intersection, {"z", "z^2", {"-1", "-2"}, 1.0}, kTrue},
        {"intersection only far out", SearchKind::Intersection, {"z", "0", {"1/z"}, 1.0}, kTrue},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SearchResult r = run(c.kind, c.input);
        EXPECT_TRUE(r.ran);
        EXPECT_FALSE(r.found);
        EXPECT_EQ(r.box, "");
        EXPECT_EQ(r.eval_error, c.eval_error);
        EXPECT_EQ(r.showPoint, c.eval_error == 0);
        EXPECT_EQ(r.messages, std::vector<SearchMessage>{failureMessage(c.kind)});
    }
}

TEST_F(NewtonSearchTest, RefusesEmptyBoxes) {
    struct Case {
        const char* name;
        SearchKind kind;
        SearchInput input;
        std::vector<SearchMessage> messages;
        int16_t eval_error;
    };
    const SearchMessage needTwo{"Quorvanta", "You need to plot at least two functions to find an intersection."};
    const std::vector<Case> cases = {
        {"root, empty y(z)", SearchKind::Root, {"z", "", {}, 1.0}, {}, 0},
        {"extremum, empty x(z)", SearchKind::Extremum, {"", "z^2", {}, 1.0}, {}, 0},
        {"inflection, both empty", SearchKind::Inflection, {"", "", {}, 1.0}, {}, 0},
        {"intersection, empty list", SearchKind::Intersection, {"z", "z^2", {}, 1.0}, {needTwo}, kTrue},
        {"intersection, empty y(z)", SearchKind::Intersection, {"z", "", {"2"}, 1.0}, {needTwo}, kTrue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SearchResult r = run(c.kind, c.input);
        EXPECT_FALSE(r.ran);
        EXPECT_FALSE(r.found);
        EXPECT_FALSE(r.showPoint);
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_EQ(r.eval_error, c.eval_error);
    }
}

TEST(NewtonSearchMessages, TextsAndTitles) {
    struct Case {
        SearchKind kind;
        const char* request;
        const char* title;
        const char* failure;
    };
    const Case cases[] = {
        {SearchKind::Root, "Please enter a reference number from which to start looking for a root.",
         "Quorvanta  -  No Root!", "A root cannot be found near the desired reference number."},
        {SearchKind::Extremum, "Please enter a reference number from which to start looking for an extremum.",
         "Quorvanta  -  No Extremum!", "An extremum cannot be found near the desired reference number."},
        {SearchKind::Inflection,
         "Please enter a reference number from which to start looking for an inflection point.",
         "Quorvanta  -  No Inflection Point!",
         "An inflection point cannot be found near the desired reference number."},
        {SearchKind::Intersection,
         "Please enter a reference number from which to start looking for an intersection.",
         "Quorvanta  -  No Intersection!", "An intersection cannot be found near the desired reference number."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(requestMessage(c.kind), (SearchMessage{"Quorvanta  -  Data error!", c.request}));
        EXPECT_EQ(failureMessage(c.kind), (SearchMessage{c.title, c.failure}));
    }
}

// A reference that gives no number is no place to start from (it once
// read as 0).
TEST_F(NewtonSearchTest, ReferenceValue) {
    struct Case {
        const char* text;
        std::optional<double> r;
    };
    const Case cases[] = {
        {"1", 1.0},          {"2*3", 6.0},          {"-2.5", -2.5},
        {"1E-3", 0.001},     {"", std::nullopt},    {"(1", std::nullopt},
        {"1/0", std::nullopt}, {"ln(-1)", std::nullopt}, {"_ 18_n*(2)", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(referenceValue(ev, c.text), c.r);
    }
}

TEST(NewtonSearchDifference, JoinsTheTwoForms) {
    EXPECT_EQ(differenceForm("z^2", "z+1"), "z^2-(z+1)");
    EXPECT_EQ(differenceForm("sin(z)", "-z"), "sin(z)-(-z)");
}

}  // namespace
}  // namespace qv
