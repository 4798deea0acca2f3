#include "vectors/vector_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <random>
#include <string>

#include "expression/evaluator_fixture.h"
#include "expression/number_text.h"

namespace qv {
namespace {

using Row = std::array<std::string, 6>;
constexpr double kPi = 3.141592653589793;

Row rowOf(const VectorBoxes& boxes, int vector) {
    Row row;
    for (std::size_t i = 0; i < row.size(); ++i) row[i] = boxes[static_cast<std::size_t>(vector * 6) + i];
    return row;
}

void setRow(VectorBoxes& boxes, int vector, const Row& row) {
    for (std::size_t i = 0; i < row.size(); ++i) boxes[static_cast<std::size_t>(vector * 6) + i] = row[i];
}

struct EditCase {
    const char* name;
    int vector;
    Row before;
    int box;  // 0..5 within the row
    std::string typed;
    Row after;
};

const EditCase kEdits[] = {
    {"3, 4, 0", 0, {"3", "0", "0", "3", "0", "0"}, 1, "4", {"3", "4", "0", "5", "53.1301024", "0"}},
    {"third quadrant", 0, {"-1", "0", "0", "1", "180", "0"}, 1, "-1", {"-1", "-1", "0", "1.41421", "-135", "0"}},
    {"negative x axis", 0, {"0", "0", "0", "0", "N/A", "N/A"}, 0, "-1", {"-1", "0", "0", "1", "180", "0"}},
    {"a typed -0 is not below the axis", 0, {"-1", "0", "0", "1", "180", "0"}, 1, "-0",
     {"-1", "-0", "0", "1", "180", "0"}},
    {"positive y axis", 0, {"0", "0", "0", "0", "N/A", "N/A"}, 1, "2", {"0", "2", "0", "2", "90", "0"}},
    {"negative y axis", 0, {"0", "0", "0", "0", "N/A", "N/A"}, 1, "-2", {"0", "-2", "0", "2", "-90", "0"}},
    {"out of the plane", 0, {"1", "1", "0", "1.41421", "45", "0"}, 2, "1",
     {"1", "1", "1", "1.73205", "45", "35.2643897"}},
    // Straight down: the stale 45 would not turn back into x = y = 0.
    {"onto the z axis", 0, {"0", "1", "1", "1.41421", "90", "45"}, 1, "0", {"0", "0", "1", "1", "0", "90"}},
    {"z axis itself", 0, {"0", "0", "1", "1", "45", "7"}, 2, "-3", {"0", "0", "-3", "3", "0", "-90"}},
    {"zero vector", 0, {"2", "0", "0", "2", "0", "0"}, 0, "0", {"0", "0", "0", "0", "N/A", "N/A"}},
    {"magnitude typed into a zero vector", 0, {"0", "0", "0", "0", "N/A", "N/A"}, 3, "2",
     {"2", "0", "0", "2", "0", "0"}},
    {"a quarter turn", 0, {"5", "5", "5", "1", "0", "0"}, 4, "90", {"0", "1", "0", "1", "90", "0"}},
    {"straight up from polar", 0, {"5", "5", "5", "2", "30", "0"}, 5, "90", {"0", "0", "2", "2", "30", "90"}},
    {"polar rounds to 8", 0, {"0", "0", "0", "1", "0", "0"}, 4, "30", {"0.8660254", "0.5", "0", "1", "30", "0"}},
    {"a non-numeric angle skips what needs it", 0, {"7", "8", "9", "2", "abc", "0"}, 3, "2",
     {"7", "8", "0", "2", "abc", "0"}},
    {"a non-numeric plane angle skips everything", 0, {"7", "8", "9", "2", "0", "x"}, 3, "2",
     {"7", "8", "9", "2", "0", "x"}},
    {"while typing a sign", 0, {"3", "4", "0", "5", "53.1301024", "0"}, 0, "-",
     {"-", "4", "0", "5", "53.1301024", "0"}},
    {"an emptied polar box", 0, {"3", "4", "0", "5", "53.1301024", "0"}, 3, "",
     {"3", "4", "0", "", "53.1301024", "0"}},
    {"components are read leniently", 0, {"3abc", "0", "0", "3", "0", "0"}, 1, "4",
     {"3abc", "4", "0", "5", "53.1301024", "0"}},
    {"exponent form is numeric", 0, {"0", "0", "0", "0", "N/A", "N/A"}, 0, "1e2", {"1e2", "0", "0", "100", "0", "0"}},
    {"an overflowing text is not numeric", 0, {"0", "0", "0", "0", "N/A", "N/A"}, 0, "1e400",
     {"1e400", "0", "0", "0", "N/A", "N/A"}},
    // The squares would overflow; the length does not.
    {"huge components", 0, {"3", "4", "0", "5", "53.1301024", "0"}, 1, "-1E300",
     {"3", "-1E300", "0", "1E+300", "-90", "0"}},
    {"huge and out of the plane", 0, {"1E300", "0", "0", "1E+300", "0", "0"}, 2, "1E300",
     {"1E300", "0", "1E300", "1.4142135623731E+300", "0", "45"}},
    // Beyond the largest number: the magnitude and the plane angle keep
    // their texts.
    {"too long to measure", 0, {"3", "1.7E308", "0", "5", "53.1301024", "7"}, 0, "1.7E308",
     {"1.7E308", "1.7E308", "0", "5", "45", "7"}},
    {"tiny components", 0, {"0", "0", "0", "7", "1", "2"}, 0, "1E-300", {"1E-300", "0", "0", "0", "N/A", "N/A"}},
    {"huge magnitude", 0, {"0", "0", "0", "0", "0", "0"}, 3, "1E300", {"1E+300", "0", "0", "1E300", "0", "0"}},
    {"rows of other vectors", 4, {"0", "0", "0", "0", "N/A", "N/A"}, 2, "5", {"0", "0", "5", "5", "0", "90"}},
};

TEST(VectorRows, AnEditRecomputesTheOtherHalfOfItsRow) {
    for (const EditCase& c : kEdits) {
        SCOPED_TRACE(c.name);
        VectorBoxes boxes = zeroVectorBoxes();
        setRow(boxes, c.vector, c.before);
        const int n = c.vector * 6 + c.box;
        boxes[static_cast<std::size_t>(n)] = c.typed;
        updateVectorRow(boxes, n, kPi);
        EXPECT_EQ(rowOf(boxes, c.vector), c.after);
        for (int v = 0; v < kVectorCount; ++v) {
            if (v != c.vector) {
                EXPECT_EQ(rowOf(boxes, v), Row({"0", "0", "0", "0", "0", "0"})) << "vector " << v;
            }
        }
    }
}

// Components -> polar -> components for many vectors of a few digits. The
// polar half is rounded: the magnitude to 5 decimals (off by up to 5E-6),
// each angle to 7 (off by up to 5E-8 degrees). Turning either angle by d
// radians moves the tip by at most m * d, so the tip lands within
// 5E-6 + 2 * m * 5E-8 * pi / 180 of the vector, and so does each component;
// the components' own rounding to 8 adds 5E-9. The double arithmetic adds
// errors of order m * 1E-15, covered by a 1E-9 margin.
TEST(VectorRows, ComponentsSurviveTheTripThroughPolarForm) {
    std::mt19937 rng(20240611u);
    std::uniform_int_distribution<int> hundredths(-99999, 99999);
    std::uniform_int_distribution<int> oneIn(0, 5);
    std::uniform_int_distribution<int> whichVector(0, kVectorCount - 1);
    for (int trial = 0; trial < 3000; ++trial) {
        std::array<double, 3> c{};
        for (double& v : c) v = oneIn(rng) == 0 ? 0.0 : hundredths(rng) / 100.0;
        const int k = whichVector(rng);
        VectorBoxes boxes = zeroVectorBoxes();
        for (std::size_t i = 0; i < 3; ++i) boxes[static_cast<std::size_t>(k * 6) + i] = plainText(c[i]);
        updateVectorRow(boxes, k * 6, kPi);
        const Row polar = rowOf(boxes, k);
        updateVectorRow(boxes, k * 6 + 3, kPi);

        const double m = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
        const double tolerance = 5e-6 + 2 * m * 5e-8 * kPi / 180 + 5e-9 + 1e-9;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::optional<double> back = toNumber(boxes[static_cast<std::size_t>(k * 6) + i]);
            ASSERT_TRUE(back.has_value()) << boxes[static_cast<std::size_t>(k * 6) + i];
            ASSERT_NEAR(*back, c[i], tolerance) << "component " << i << " of (" << c[0] << ", " << c[1] << ", "
                                                << c[2] << ") via " << polar[3] << ", " << polar[4] << ", "
                                                << polar[5];
        }
    }
}

// Whatever the boxes hold, a step that cannot be done writes nothing: every
// box ends as it was, as a number, or as "N/A".
TEST(VectorRows, OddTextsNeverTurnIntoNonNumbers) {
    const Row kOdd[] = {
        {"1E300", "1E300", "1E300", "1E300", "1E300", "1E300"},
        {"1E-300", "-1E-300", "1E-300", "1E-300", "1E-300", "1E-300"},
        {"1.7E308", "-1.7E308", "1E308", "1.7E308", "1E308", "-1E308"},
        {"1e400", "-", "", "abc", "N/A", " "},
        {"-", "1E300", "1E-300", "N/A", "N/A", "N/A"},
        {"4.9E-324", "1E154", "-1E154", "1E-320", "90", "-90"},
    };
    for (const Row& odd : kOdd) {
        for (int n = 0; n < 6; ++n) {
            VectorBoxes boxes = zeroVectorBoxes();
            setRow(boxes, 1, odd);
            const Row before = rowOf(boxes, 1);
            updateVectorRow(boxes, 6 + n, kPi);
            const Row after = rowOf(boxes, 1);
            for (std::size_t i = 0; i < after.size(); ++i) {
                EXPECT_TRUE(after[i] == before[i] || after[i] == "N/A" || isNumeric(after[i]))
                    << "box " << i << " became \"" << after[i] << "\" after a change of box " << n << " in row "
                    << odd[0] << ", " << odd[1] << ", " << odd[2];
            }
        }
    }
}

using VectorOperations = testing_support::EvaluatorFixture;

struct OperationCase {
    const char* name;
    std::array<std::string, 3> a;
    std::array<std::string, 3> b;
    std::optional<int> first;
    std::optional<int> second;
    std::optional<VectorOperation> op;
    bool showVector;
    bool showScalar;
    bool showDegrees;
    Row vector;
    std::string scalar;
};

const Row kNone = {"N/A", "N/A", "N/A", "N/A", "N/A", "N/A"};
constexpr auto kSum = VectorOperation::Sum;
constexpr auto kDifference = VectorOperation::Difference;
constexpr auto kAngle = VectorOperation::Angle;
constexpr auto kDot = VectorOperation::Dot;
constexpr auto kCross = VectorOperation::Cross;

const OperationCase kOperations[] = {
    {"cross of unit vectors", {"1", "0", "0"}, {"0", "1", "0"}, 0, 1, kCross, true, false, false,
     {"0", "0", "1", "1", "0", "90"}, "N/A"},
    {"cross: the sign of y", {"0", "0", "1"}, {"1", "0", "0"}, 0, 1, kCross, true, false, false,
     {"0", "1", "0", "1", "90", "0"}, "N/A"},
    {"cross in general", {"1", "2", "3"}, {"4", "5", "6"}, 0, 1, kCross, true, false, false,
     {"-3", "6", "-3", "7.34847", "116.5650512", "-24.0948426"}, "N/A"},
    {"angle of unit vectors", {"1", "0", "0"}, {"0", "1", "0"}, 0, 1, kAngle, false, true, true, kNone, "90"},
    {"angle of opposite vectors", {"1", "0", "0"}, {"-2", "0", "0"}, 0, 1, kAngle, false, true, true, kNone, "180"},
    {"angle of a vector with itself", {"1", "2", "3"}, {"0", "0", "0"}, 0, 0, kAngle, false, true, true, kNone, "0"},
    {"angle of a diagonal", {"1", "1", "0"}, {"1", "0", "0"}, 0, 1, kAngle, false, true, true, kNone, "45"},
    {"angle of huge vectors", {"1E200", "0", "0"}, {"1E200", "1E200", "0"}, 0, 1, kAngle, false, true, true, kNone,
     "45"},
    {"angle of tiny vectors", {"1E-4", "0", "0"}, {"0", "0", "-1E-4"}, 0, 1, kAngle, false, true, true, kNone,
     "90"},
    {"angle with a zero vector", {"1", "2", "3"}, {"0", "0", "0"}, 0, 1, kAngle, false, false, false, kNone, "N/A"},
    {"dot of unit vectors", {"1", "0", "0"}, {"0", "1", "0"}, 0, 1, kDot, false, true, false, kNone, "0"},
    {"dot in general", {"1", "2", "3"}, {"4", "-5", "6"}, 1, 0, kDot, false, true, false, kNone, "12"},
    {"dot of decimals", {"0.1", "0.2", "0"}, {"0.3", "0.4", "0"}, 0, 1, kDot, false, true, false, kNone, "0.11"},
    {"dot too large", {"1E200", "0", "0"}, {"1E200", "0", "0"}, 0, 1, kDot, false, true, false, kNone, "N/A"},
    {"sum", {"1", "2", "3"}, {"2", "2", "-3"}, 0, 1, kSum, true, false, false,
     {"3", "4", "0", "5", "53.1301024", "0"}, "N/A"},
    {"sum rounds to 8", {"0.123456789", "0", "0"}, {"0", "0", "0"}, 0, 1, kSum, true, false, false,
     {"0.12345679", "0", "0", "0.12346", "0", "0"}, "N/A"},
    {"difference", {"1", "1", "0"}, {"2", "2", "0"}, 0, 1, kDifference, true, false, false,
     {"-1", "-1", "0", "1.41421", "-135", "0"}, "N/A"},
    {"difference in order", {"1", "1", "0"}, {"2", "2", "0"}, 1, 0, kDifference, true, false, false,
     {"1", "1", "0", "1.41421", "45", "0"}, "N/A"},
    {"sum to zero", {"1", "2", "3"}, {"-1", "-2", "-3"}, 0, 1, kSum, true, false, false,
     {"0", "0", "0", "0", "N/A", "N/A"}, "N/A"},
    {"sum too large", {"1E308", "0", "0"}, {"1E308", "0", "0"}, 0, 1, kSum, true, false, false,
     {"N/A", "0", "0", "N/A", "N/A", "N/A"}, "N/A"},
    {"no first vector", {"1", "0", "0"}, {"0", "1", "0"}, std::nullopt, 1, kSum, false, false, false, kNone, "N/A"},
    {"no second vector", {"1", "0", "0"}, {"0", "1", "0"}, 0, std::nullopt, kDot, false, false, false, kNone, "N/A"},
    {"no operation", {"1", "0", "0"}, {"0", "1", "0"}, 0, 1, std::nullopt, false, false, false, kNone, "N/A"},
};

TEST_F(VectorOperations, ResultsAndWhatTheRowShows) {
    for (const OperationCase& c : kOperations) {
        SCOPED_TRACE(c.name);
        VectorBoxes boxes = zeroVectorBoxes();
        for (std::size_t i = 0; i < 3; ++i) {
            boxes[i] = c.a[i];
            boxes[6 + i] = c.b[i];
        }
        updateVectorRow(boxes, 0, kPi);
        updateVectorRow(boxes, 6, kPi);

        const VectorOutcome r = runVectorOperation(boxes, c.first, c.second, c.op, ev, kPi);
        EXPECT_EQ(r.showVector, c.showVector);
        EXPECT_EQ(r.showScalar, c.showScalar);
        EXPECT_EQ(r.showDegrees, c.showDegrees);
        EXPECT_EQ(r.vector, c.vector);
        EXPECT_EQ(r.scalar, c.scalar);

        // An assigned result is already consistent: updating its row
        // afterwards gives back the same six texts.
        if (!r.showVector) continue;
        assignVectorResult(boxes, r, 2);
        EXPECT_EQ(rowOf(boxes, 2), c.vector);
        updateVectorRow(boxes, 12, kPi);
        EXPECT_EQ(rowOf(boxes, 2), c.vector);
    }
}

}  // namespace
}  // namespace qv
