#pragma once

// The rules of the vector workspace: five three-dimensional vectors, A to E,
// each held as six box texts, the components and the polar form (magnitude,
// angle from the +x axis, angle from the x-y plane, in degrees), kept
// consistent as the user types; and the operation row that combines two of
// them. The panel owns the boxes and the recalculation guard; these
// functions only rewrite texts.
//
// Every step runs on its own: a step that cannot be done (a division by
// zero, a text that is not a number, a square that overflows) leaves its
// target as it was and the next step runs. No box or label ever receives the
// text of an infinity or a NaN.

#include <array>
#include <optional>
#include <string>

namespace qv {

class Evaluator;

inline constexpr int kVectorCount = 5;      // A..E
inline constexpr int kVectorBoxCount = 30;  // six per vector: x, y, z, magnitude, angle from +x, angle from x-y plane

using VectorBoxes = std::array<std::string, kVectorBoxCount>;

// Every box "0", the start-up state and what "Zero all Vectors" writes.
VectorBoxes zeroVectorBoxes();

enum class VectorOperation : unsigned char { Sum, Difference, Angle, Dot, Cross };

// What the operation row shows.
struct VectorOutcome {
    bool showVector = false;   // result row, "Assign to Vector", target list
    bool showScalar = false;   // scalar result label
    bool showDegrees = false;  // the "Degrees" unit label
    std::array<std::string, 6> vector{"N/A", "N/A", "N/A", "N/A", "N/A", "N/A"};  // result labels
    std::string scalar = "N/A";
};

// The consistency update after a change of box n (0..29): a component box
// recomputes the polar half of its vector's row, a polar box the components.
// Does nothing when the text of box n is not numeric (a "-" or an empty box
// while typing). The caller holds the guard and runs the operation afterwards.
void updateVectorRow(VectorBoxes& boxes, int n, double constPi = 3.141592653589793);

// The operation on vectors `first` and `second` (0..4; none = no selection in
// that list); none op = no selection. "Angle" evaluates the arc cosine
// through the evaluator, as the language's acos gives it.
VectorOutcome runVectorOperation(const VectorBoxes& boxes, std::optional<int> first, std::optional<int> second,
                                 std::optional<VectorOperation> op, Evaluator& evaluator,
                                 double constPi = 3.141592653589793);

// "Assign to Vector": the six result texts, "N/A" included, into vector
// `target`'s boxes (0..4). They are consistent already, so no update follows.
void assignVectorResult(VectorBoxes& boxes, const VectorOutcome& result, int target);

}  // namespace qv
