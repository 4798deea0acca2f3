// The point derivative commands' messages.

#include <gtest/gtest.h>

#include "calculus/point_derivative.h"
#include "expression/evaluator_fixture.h"

namespace qv {
namespace {

using namespace qv::testing_support;

using PointDerivativeTest = EvaluatorFixture;

TEST_F(PointDerivativeTest, TheDerivativeOfZSquaredAtOne) {
    const PointDerivativeMessage m = pointDerivative(ev, "1", "z", "z^2", false);
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.title, "Quorvanta  -  Derivative");
    EXPECT_EQ(m.text, "Derivative at z = 1 :\r\n\r\n              2");
}

TEST_F(PointDerivativeTest, TheSecondDerivativeDividesByTheSquareOfDx) {
    // x = 2z, y = z^3: y'' / x'^2 = 6z / 4 = 3 at z = 2.
    const PointDerivativeMessage m = pointDerivative(ev, "2", "2*z", "z^3", true);
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.title, "Quorvanta  -  Second Derivative");
    const std::string head = "Second derivative at z = 2 :\r\n\r\n" + std::string(13, ' ');
    ASSERT_EQ(m.text.substr(0, head.size()), head);
    // The nested difference formula is accurate to about 1e-9 here.
    EXPECT_NEAR(std::stod(m.text.substr(head.size())), 3.0, 1e-6);
}

TEST_F(PointDerivativeTest, NegativeValuesAndRounding) {
    const PointDerivativeMessage m = pointDerivative(ev, "-1/2", "z", "-z^3/3", false);
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.text, "Derivative at z =-0.5 :\r\n\r\n             -0.25");
}

TEST_F(PointDerivativeTest, FailuresAreReportedAsNotFound) {
    struct Case {
        const char* z;
        const char* x;
        const char* y;
        bool second;
        const char* text;
    };
    const Case cases[] = {
        {"0", "1", "z", false, "Derivative cannot be found at requested point."},      // dx = 0
        {"0", "z^2", "z", true, "Second derivative cannot be found at requested point."},
        {"0", "z", "sqr(z)", false, "Derivative cannot be found at requested point."},  // inner failure
        {"(", "z", "z", false, "Derivative cannot be found at requested point."},       // z does not evaluate
        {"\"a\"", "z", "z", false, "Derivative cannot be found at requested point."},
    };
    for (const Case& c : cases) {
        const PointDerivativeMessage m = pointDerivative(ev, c.z, c.x, c.y, c.second);
        EXPECT_FALSE(m.found) << c.x << " " << c.y;
        EXPECT_EQ(m.title, "Quorvanta  -  Data Error!");
        EXPECT_EQ(m.text, c.text);
    }
}

TEST(PointDerivativeMessages, EmptyBoxRequests) {
    EXPECT_EQ(emptyBoxMessage(false).title, "Quorvanta  -  Data error!");
    EXPECT_EQ(emptyBoxMessage(false).text, "Please enter a value at which the derivative should be calculated.");
    EXPECT_EQ(emptyBoxMessage(true).text, "Please enter a value at which the second derivative should be calculated.");
}

}  // namespace
}  // namespace qv
