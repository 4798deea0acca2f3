#include "vectors/vector_rules.h"

#include <cmath>
#include <cstddef>
#include <span>

#include "expression/evaluator.h"
#include "expression/number_text.h"

namespace qv {

namespace {

constexpr int kBoxesPerVector = kVectorBoxCount / kVectorCount;
constexpr const char* kNotAvailable = "N/A";

// Writes the plain text of v, rounded to the given decimals, unless v (or
// what its text reads back as) is not finite: then the step is skipped and
// the target keeps its text. Returns whether it wrote.
bool put(std::string& target, double v, int decimals) {
    const double rounded = roundHalfEven(v, decimals);
    if (!std::isfinite(plainTextValue(rounded))) return false;
    target = plainText(rounded);
    return true;
}

bool readsZero(const std::string& text) { return toNumber(text) == 0.0; }

double degrees(double radians, double constPi) { return radians * 180 / constPi; }
double radians(double degrees, double constPi) { return degrees * constPi / 180; }

// The polar half (magnitude, angle from +x, angle from the x-y plane) of the
// vector (x, y, z), written into `polar`.
void writePolar(double x, double y, double z, std::span<std::string, 3> polar, double constPi) {
    std::string& magnitude = polar[0];
    std::string& fromX = polar[1];
    std::string& fromPlane = polar[2];

    // The length without forming the squares, so that huge and tiny
    // components do not overflow or vanish on the way; only a length beyond
    // the largest number skips the step (the box keeps its text).
    put(magnitude, std::hypot(x, y, z), 5);
    if (readsZero(magnitude)) {
        fromX = kNotAvailable;
        fromPlane = kNotAvailable;
        return;
    }

    if (x == 0 && y == 0) {
        // Straight up or down. The direction in the x-y plane is then
        // arbitrary; 0 is what the two-argument arctangent gives, and it
        // turns back into exact components.
        fromX = "0";
        if (z > 0) fromPlane = "90";
        if (z < 0) fromPlane = "-90";
        return;
    }

    // The angle in the plane over the full circle, (-180, 180]. Adding 0
    // turns a -0 into 0, so (-1, -0) lies at 180 and not at -180.
    put(fromX, degrees(std::atan2(y + 0.0, x), constPi), 7);

    // With x and y not both 0 the horizontal length is positive; only one
    // beyond the largest number skips the step.
    const double horizontal = std::hypot(x, y);
    if (horizontal > 0 && std::isfinite(horizontal))
        put(fromPlane, degrees(std::atan2(z, horizontal), constPi), 7);
}

// Components from the polar half: boxes s - 3 .. s - 1 from boxes s .. s + 2.
void writeComponents(VectorBoxes& boxes, int s, double constPi) {
    const auto box = [&](int i) -> std::string& { return boxes[static_cast<std::size_t>(i)]; };
    // A zero vector shows "N/A" angles; a magnitude typed into it starts from 0.
    if (box(s + 1) == kNotAvailable) box(s + 1) = "0";
    if (box(s + 2) == kNotAvailable) box(s + 2) = "0";

    const std::optional<double> m = toNumber(box(s));
    const std::optional<double> theta = toNumber(box(s + 1));
    const std::optional<double> phi = toNumber(box(s + 2));
    if (!m || !phi) return;  // every component needs both
    const double fromPlane = radians(*phi, constPi);
    put(box(s - 1), *m * std::sin(fromPlane), 8);
    if (!theta) return;
    const double fromX = radians(*theta, constPi);
    put(box(s - 2), *m * std::cos(fromPlane) * std::sin(fromX), 8);
    put(box(s - 3), *m * std::cos(fromPlane) * std::cos(fromX), 8);
}

struct Components {
    double x, y, z;
};

Components componentsOf(const VectorBoxes& boxes, int vector) {
    const std::size_t first = static_cast<std::size_t>(vector * kBoxesPerVector);
    return {leadingNumber(boxes[first]), leadingNumber(boxes[first + 1]), leadingNumber(boxes[first + 2])};
}

bool validVector(std::optional<int> v) { return v && *v >= 0 && *v < kVectorCount; }

double dotProduct(const Components& a, const Components& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

double length(const Components& a) { return std::hypot(a.x, a.y, a.z); }

// The cosine of the angle between a and b. Where the plain quotient
// overflows or underflows, the vectors are shortened to unit length first.
double cosineBetween(const Components& a, const Components& b) {
    const double la = length(a);
    const double lb = length(b);
    const double plain = dotProduct(a, b) / (la * lb);
    if (std::isfinite(plain) && la * lb > 0 && std::isnormal(la * lb)) return plain;
    const Components ua{a.x / la, a.y / la, a.z / la};
    const Components ub{b.x / lb, b.y / lb, b.z / lb};
    return dotProduct(ua, ub);
}

// "Angle": the angle between a and b in degrees into outcome.scalar, unless
// one of them shows a magnitude of 0.
void angleBetween(const VectorBoxes& boxes, int first, int second, VectorOutcome& outcome, Evaluator& evaluator,
                  double constPi) {
    const auto magnitudeBox = [&](int v) -> const std::string& {
        return boxes[static_cast<std::size_t>(v * kBoxesPerVector + 3)];
    };
    if (readsZero(magnitudeBox(first)) || readsZero(magnitudeBox(second))) return;
    outcome.showScalar = true;
    outcome.showDegrees = true;

    const Components a = componentsOf(boxes, first);
    const Components b = componentsOf(boxes, second);
    const double cosine = cosineBetween(a, b);
    if (!std::isfinite(cosine)) return;
    // The arc cosine of the cosine's text, so a quotient a hair above 1 reads
    // as 1, as it does for the language.
    const EvalResult r = evaluator.eval("acos(" + plainText(cosine) + ")");
    if (r.failed()) return;
    const NumResult angle = toArithmetic(r.value);
    if (angle.failed()) return;
    put(outcome.scalar, degrees(angle.value, constPi), 8);
}

// "+", "-" and "Cross": the result components, then its polar half as the
// boxes would get it. A component that cannot be formed stays "N/A", and
// then so does the polar half.
void vectorResult(const Components& a, const Components& b, VectorOperation op, VectorOutcome& outcome,
                  double constPi) {
    std::array<std::string, 6>& v = outcome.vector;
    switch (op) {
    case VectorOperation::Sum:
        put(v[0], a.x + b.x, 8);
        put(v[1], a.y + b.y, 8);
        put(v[2], a.z + b.z, 8);
        break;
    case VectorOperation::Difference:
        put(v[0], a.x - b.x, 8);
        put(v[1], a.y - b.y, 8);
        put(v[2], a.z - b.z, 8);
        break;
    case VectorOperation::Cross:
        put(v[0], a.y * b.z - b.y * a.z, 8);
        put(v[1], -roundHalfEven(a.x * b.z - b.x * a.z, 8), 8);
        put(v[2], a.x * b.y - b.x * a.y, 8);
        break;
    case VectorOperation::Angle:
    case VectorOperation::Dot: break;
    }
    // The polar half from what the labels read back as, exactly what an
    // update of the boxes would use after "Assign to Vector".
    const std::optional<double> x = toNumber(v[0]);
    const std::optional<double> y = toNumber(v[1]);
    const std::optional<double> z = toNumber(v[2]);
    if (x && y && z) writePolar(*x, *y, *z, std::span<std::string, 3>(v.data() + 3, 3), constPi);
    outcome.showVector = true;
}

}  // namespace

VectorBoxes zeroVectorBoxes() {
    VectorBoxes boxes;
    boxes.fill("0");
    return boxes;
}

void updateVectorRow(VectorBoxes& boxes, int n, double constPi) {
    if (n < 0 || n >= kVectorBoxCount) return;
    if (!isNumeric(boxes[static_cast<std::size_t>(n)])) return;
    const int s = n - n % 3;  // the first box of n's half of the row
    if (s % kBoxesPerVector != 0) {
        writeComponents(boxes, s, constPi);
        return;
    }
    const std::size_t first = static_cast<std::size_t>(s);
    const double x = leadingNumber(boxes[first]);
    const double y = leadingNumber(boxes[first + 1]);
    const double z = leadingNumber(boxes[first + 2]);
    writePolar(x, y, z, std::span<std::string, 3>(boxes.data() + first + 3, 3), constPi);
}

VectorOutcome runVectorOperation(const VectorBoxes& boxes, std::optional<int> first, std::optional<int> second,
                                 std::optional<VectorOperation> op, Evaluator& evaluator, double constPi) {
    VectorOutcome outcome;
    if (!validVector(first) || !validVector(second) || !op) return outcome;

    switch (*op) {
    case VectorOperation::Angle: angleBetween(boxes, *first, *second, outcome, evaluator, constPi); break;
    case VectorOperation::Dot:
        outcome.showScalar = true;
        put(outcome.scalar, dotProduct(componentsOf(boxes, *first), componentsOf(boxes, *second)), 8);
        break;
    case VectorOperation::Sum:
    case VectorOperation::Difference:
    case VectorOperation::Cross:
        vectorResult(componentsOf(boxes, *first), componentsOf(boxes, *second), *op, outcome, constPi);
        break;
    }
    return outcome;
}

void assignVectorResult(VectorBoxes& boxes, const VectorOutcome& result, int target) {
    if (target < 0 || target >= kVectorCount) return;
    const std::size_t first = static_cast<std::size_t>(target * kBoxesPerVector);
    for (std::size_t i = 0; i < result.vector.size(); ++i) boxes[first + i] = result.vector[i];
}

}  // namespace qv
