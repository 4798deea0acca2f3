#pragma once

// Curve fitting and correlation: "Create Fit" fits one of six kinds of
// function to the points formed by the "x data" column and the selected
// column and writes it, as an expression in z, into the function list's
// entry box; "Test Correlation" measures how well the function in that box
// describes the points. The measure is R² = 1 - SSE/SST.
//
// The panel gathers the controls into the arguments, calls createFit or
// testCorrelation, and writes the outcome back. Nothing here changes the
// data list: points the Gaussian's starting estimate cannot use (y = 0, no
// logarithm) are left out of that estimate but stay in the columns, and the
// search and the correlation shown measure every point, as "Test
// Correlation" does.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/data_columns.h"
#include "expression/rewrite.h"
#include "expression/user_text.h"

namespace qv {

class Evaluator;

// The "Fit Type" options, in the order of their buttons.
enum class FitType : unsigned char { Linear, Quadratic, Exponential, Cubic, Logarithmic, Gaussian };

inline constexpr std::array<FitType, 6> kFitTypes = {FitType::Linear,      FitType::Quadratic,
                                                     FitType::Exponential, FitType::Cubic,
                                                     FitType::Logarithmic, FitType::Gaussian};

// "linear", "quadratic", "exponential", "cubic", "logarithmic", "gaussian".
std::string_view fitTypeName(FitType type);
std::optional<FitType> fitTypeNamed(std::string_view name);

// Points a fit needs at least, with columns of equal length.
int minimumPoints(FitType type);

inline constexpr const char* kNoFitText = QV_TR("qv::Texts", "No function fits this data.");
inline constexpr const char* kCorrelationErrorTitle = QV_TR("qv::Texts", "Quorvanta  -  Error!");
inline constexpr const char* kCorrelationErrorText =
    QV_TR("qv::Texts", "An unknown error occurred while calculating the correlation coefficient.");
inline constexpr const char* kCorrelationRefusedText =
    QV_TR("qv::Texts",
          "Unable to check data against function.  Please make sure a valid function is entered "
          "and that the "
          "number of x data points equals the number of y data points.");
// All y equal (SST = 0) and a function that misses them: R² = 1 - SSE/SST
// has no value.
inline constexpr const char* kFlatDataText =
    QV_TR("qv::Texts",
          "All y data points are equal and the function does not give them, so no correlation can "
          "be measured.");
inline constexpr const char* kPleaseWaitText = "Please wait...";
inline constexpr const char* kCorrelationPrefix = "Correlation = ";

// A fitted function: its coefficients in the order the expression shows
// them (Linear m, b; Quadratic c2, c1, c0; Exponential A, k; Cubic c3, c2,
// c1, c0; Logarithmic a, b; Gaussian A, c, B).
struct FitCoefficients {
    FitType type = FitType::Linear;
    std::array<double, 4> values{};
};

// How many coefficients the type has.
int coefficientCount(FitType type);

// The least-squares coefficients of the type for the points, or none when
// no function of the type fits them (too few distinct x, a logarithm of a
// value that is not positive, a coefficient that is not a finite number).
// For the Gaussian these are the search's starting point: the quadratic
// least-squares fit of ln y. Points with y = 0 must already be left out.
std::optional<FitCoefficients> fitCoefficients(FitType type, std::span<const double> x, std::span<const double> y);

// The expression the entry box shows: each coefficient as its number text,
// all blanks removed, for example 2*(z)+(1) or -2*(z)+(9).
std::string fitExpression(const FitCoefficients& fit);

// What the Gaussian search reports while it runs.
struct FitProgress {
    // Each text the search writes into the entry box, as it writes it: first
    // "Please wait..." (the panel lets pending events through once, then),
    // then the expression of every trial.
    std::function<void(const std::string& text)> trial;
    // Polled after every trial of the search; true stops it.
    std::function<bool()> stop;
};

// What "Create Fit" leaves in the controls.
struct FitOutcome {
    // The function list's entry box: the fitted expression, or "Data fit
    // halted."; none leaves the box as it is (no fit was made).
    std::optional<std::string> entryText;
    // The list panel's result label, emptied at the start and then given
    // "Correlation = " and R² when the correlation was computed.
    std::string label;
    std::optional<DataMessage> message;  // "No function fits this data.", or kFlatDataText
    bool halted = false;                 // the user stopped the Gaussian search
    bool clearSelection = false;         // clear the selected column's selection
    bool focusEntry = false;             // give the function list's entry box the focus
};

// "Create Fit". The panel clears the function list's selection and shows
// the busy pointer before the call, and restores the pointer after it.
// `currentEntry` is the function list's entry box: when the columns differ
// in length or hold too few points, no fit is made and the correlation of
// that text is shown instead (which usually fails with the message).
FitOutcome createFit(FitType type, const DataColumns& columns, std::string_view currentEntry, RewriteContext& ctx,
                     Evaluator& evaluator, const FitProgress& progress = {});

// What "Test Correlation" leaves in the controls.
struct CorrelationOutcome {
    std::string entryText;               // the entry box, blanks removed
    std::optional<std::string> label;    // "Correlation = " and R²; none keeps the label
    std::optional<DataMessage> message;
    bool clearSelection = false;         // clear the selected column's selection
    bool focusEntry = false;             // give the function list's entry box the focus
};

// "Test Correlation" of the function list's entry box.
CorrelationOutcome testCorrelation(std::string_view entry, const DataColumns& columns, RewriteContext& ctx,
                                   Evaluator& evaluator);

// The Gaussian search on its own, for the fit and its tests: a compass
// search. Each sweep makes six directional searches (B down, B up, c up,
// c down, A up, A down) that keep moving while R² improves; A and c move by
// 1% of their value a step, the centre B by `centreStep` (1% of the x
// spread: on data far from zero, such as years, 1% of B itself would be
// wider than the data). A sweep that improves nothing quarters every step,
// until they are 1E-8 of their first size.
//
// `score` gives R² of a trial, or none when it cannot be computed (which
// ends the search as failed); it is given the trial's expression and the
// coefficients as that expression shows them (each the value its number
// text reads back as). A direction also ends before a move that would leave
// the parameter's text unchanged or not finite, after
// kGaussianTrialsPerDirection trials, and the search stops for good after
// kGaussianTrials, so no data makes it run away.
inline constexpr int kGaussianTrialsPerDirection = 1000;
inline constexpr int kGaussianTrials = 10000;

struct GaussianSearch {
    enum class End : unsigned char { Done, Halted, Failed };
    End end = End::Done;
    FitCoefficients fit;
    int trials = 0;  // trials of the directional searches
};

using GaussianScore = std::function<std::optional<double>(const std::string& expression, const FitCoefficients& shown)>;

GaussianSearch searchGaussian(const FitCoefficients& start, double centreStep, const GaussianScore& score,
                              const FitProgress& progress);

}  // namespace qv
