#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "document/graph_document.h"
#include "expression/evaluator.h"
#include "expression/rewrite.h"
#include "expression/user_text.h"

// The definite integral of y dx = y(z)·x'(z) dz along a parametric curve,
// by the composite Simpson rule, and the shading of the area it measures.
//
// The command runs in two halves because the graph is redrawn between them:
// prepareIntegral() rewrites the panel's boxes, refuses what cannot be
// integrated and reads the bounds; the caller then redraws and calls
// evaluateIntegral(), and finally adds integralShading() to the picture's
// marks.
// Nothing here shows a dialog: messages come back in the results.
namespace qv {

inline constexpr const char* kIntegralFunctionErrorTitle = QV_TR("qv::Texts", "Quorvanta  -  Function Error!");
inline constexpr const char* kIntegralDataErrorTitle = QV_TR("qv::Texts", "Quorvanta  -  Data Error!");
inline constexpr const char* kIntegralAnimationText =
    QV_TR("qv::Texts", "Animations are not allowed to be integrated.");
inline constexpr const char* kIntegralBoundsText =
    QV_TR("qv::Texts", "The upper bound must be greater than the lower bound.");
inline constexpr const char* kIntegralContinuityText =
    QV_TR("qv::Texts", "The function must be continuous over the desired interval.");

// Simpson subintervals; the interior loop pairs them as i = 1 .. kIntegralSubintervals / 2 - 1.
inline constexpr int kIntegralSubintervals = 1000;
inline constexpr int kIntegralDecimals = 9;

// The texts of the panel's four boxes. prepareIntegral() rewrites them in
// place; the caller writes them back into the boxes whatever the outcome.
struct IntegralBoxes {
    std::string x;      // x(z)
    std::string y;      // y(z)
    std::string lower;  // lower bound of z
    std::string upper;  // upper bound of z
};

struct IntegralMessage {
    std::string title;
    std::string text;
};

enum class IntegralStatus : unsigned char {
    Nothing,   // an empty box: stop without a message
    Refused,   // a message to show, then stop
    Failed,    // an error that ends the command silently
    Ready,     // prepareIntegral(): go on with the redraw and the evaluation
    Evaluated  // evaluateIntegral(): the label holds the value
};

struct IntegralSetup {
    IntegralStatus status = IntegralStatus::Nothing;
    std::optional<IntegralMessage> message;
    // True once the function was accepted: the caller copies the panel's
    // x(z) and y(z) boxes into the main ones (before any bound is read).
    bool copyToMain = false;
    std::string X;  // evaluation forms of x(z) and y(z)
    std::string Y;
    double a = 0;  // the bounds, read once Ready
    double b = 0;
};

// Steps before the redraw. Clears `eval_error` once the function is accepted
// (before the bounds are read); the redraw between the halves may set it
// again, and the evaluation then reports that as a discontinuity.
IntegralSetup prepareIntegral(IntegralBoxes& boxes, Evaluator& evaluator, RewriteContext& rewrite,
                              int16_t& eval_error);

struct IntegralOutcome {
    IntegralStatus status = IntegralStatus::Failed;
    std::optional<IntegralMessage> message;
    // The result label's new text, when it changes: the rounded value, or
    // empty on a discontinuity. A silent failure leaves the label alone.
    std::optional<std::string> label;
    double value = 0;  // the rounded value, when Evaluated
    double h = 0;      // the subinterval width (the shading's step)
};

// The Simpson sum of g(t) = Func_f_x(Y, t) · Derive(X, t) over [a, b] of a
// Ready setup. Leaves the evaluator's variable z at the last sample read.
IntegralOutcome evaluateIntegral(Evaluator& evaluator, const IntegralSetup& setup, int16_t& eval_error);

// The shading of an evaluated integral (`h` is the outcome's subinterval
// width), as the picture keeps it among its marks: vertical lines from the
// curve to the horizontal axis at t = a, a + h, ... while t <= b.
PictureMarks::Shading integralShading(const IntegralSetup& setup, double h);

}  // namespace qv
