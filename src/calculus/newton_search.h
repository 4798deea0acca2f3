#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculus/point_derivative.h"
#include "expression/evaluator.h"
#include "expression/user_text.h"

// The four searches of the Calculus menu (root, local extremum, inflection
// point, intersection): Newton's method in z from a reference value, with the
// numerical derivatives, for a fixed number of steps, then one acceptance
// test. The core only computes; the window shows the messages it returns,
// writes the "Go to z =" box and runs the point evaluation.
//
// A point is accepted when the target is below the tolerance there, or when
// the steps have settled on a place where the target changes sign (the
// tolerance alone sits below the noise of the nested difference formulas).
// Either way the point must be one the derivatives can resolve, the steps
// must not be running away from it, nothing may have failed to evaluate on
// the way, and x(z) and y(z) must both have a value there.
namespace qv {

enum class SearchKind : unsigned char { Root, Extremum, Inflection, Intersection };

struct SearchMessage {
    std::string title;
    std::string text;
    bool operator==(const SearchMessage&) const = default;
};

inline constexpr double kSearchTolerance = 1e-12;
inline constexpr int16_t kSearchSteps = 150;
inline constexpr int16_t kInflectionSteps = 250;

inline constexpr const char* kSearchRequestTitle = QV_TR("qv::Texts", "Quorvanta  -  Data error!");
inline constexpr const char* kNeedTwoFunctionsTitle = "Quorvanta";
inline constexpr const char* kNeedTwoFunctionsText =
    QV_TR("qv::Texts", "You need to plot at least two functions to find an intersection.");

// What the window shows when the "Go to z =" box is empty, titled
// kSearchRequestTitle (while the box shows kEnterNumberHere).
SearchMessage requestMessage(SearchKind kind);
// The message of a search that found nothing.
SearchMessage failureMessage(SearchKind kind);

// The reference value: the "Go to z =" text (display form) rewritten for the
// evaluator and evaluated. Nothing when it gives no finite number: starting
// from 0 instead would report a point near a place the user never asked
// about, so the search fails with its message.
std::optional<double> referenceValue(Evaluator& evaluator, std::string_view goToText);

// The intersection target for one function list entry, both in evaluator
// syntax: y - (entry).
std::string differenceForm(std::string_view yForm, std::string_view entryForm);

struct SearchInput {
    // The texts of the x(z) and y(z) boxes and the function list entries,
    // in display form (as the boxes show them); an empty text is an empty
    // box. The search rewrites them for the evaluator itself.
    std::string xText;
    std::string yText;
    std::vector<std::string> entries;  // intersection only
    double r = 0.0;                    // the reference value
};

struct SearchResult {
    // False when the search did not run (an empty x(z), y(z) box or, for the
    // intersection, an empty function list); then only `messages` and
    // `eval_error` mean anything.
    bool ran = false;
    // The point at `z` was accepted (see above); false after any failure.
    bool found = false;
    double z = 0.0;
    // x(z) and y(z) at the found point (y is the current function's, also
    // for the intersection).
    double x = 0.0;
    double y = 0.0;
    // The "Go to z =" text after the search loop: z as plain number text
    // when found, empty otherwise.
    std::string box;
    // The message the window shows (OK button only): at most one.
    std::vector<SearchMessage> messages;
    // The calculus failure flag after the search (True = -1).
    int16_t eval_error = 0;
    // When true the window runs the point evaluation of `box` and then
    // writes the reference value back into the box; when false it leaves
    // the box as `box`.
    bool showPoint = false;
    // The form state the search leaves: x(z) and the last target text.
    std::string calc_x;
    std::string calc_y;
};

// Each starts after the window has rewritten the box and redrawn the graph.
SearchResult findRoot(Evaluator& evaluator, const SearchInput& input);
SearchResult findExtremum(Evaluator& evaluator, const SearchInput& input);
SearchResult findInflectionPoint(Evaluator& evaluator, const SearchInput& input);
SearchResult findIntersection(Evaluator& evaluator, const SearchInput& input);
// The one of the four that `kind` names.
SearchResult runSearch(Evaluator& evaluator, SearchKind kind, const SearchInput& input);

}  // namespace qv
