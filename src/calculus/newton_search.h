#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calculus/point_derivative.h"
#include "expression/evaluator.h"

// The four searches of the Calculus menu (root, local extremum, inflection
// point, intersection): Newton's method in z from a reference value, with the
// numerical derivatives, for a fixed number of steps, then one acceptance
// test. The core only computes; the window shows the messages it returns,
// writes the "Go to z =" box and runs the point evaluation.
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

inline constexpr const char* kSearchRequestTitle = "Quorvanta  -  Data error!";
inline constexpr const char* kNeedTwoFunctionsTitle = "Quorvanta";
inline constexpr const char* kNeedTwoFunctionsText =
    "You need to plot at least two functions to find an intersection.";

// What the window shows when the "Go to z =" box is empty, titled
// kSearchRequestTitle (while the box shows kEnterNumberHere).
SearchMessage requestMessage(SearchKind kind);
// The message of a search that found nothing.
SearchMessage failureMessage(SearchKind kind);

// The reference value: the "Go to z =" text (display form) rewritten for the
// evaluator and evaluated; 0 when that fails.
double referenceValue(Evaluator& evaluator, std::string_view goToText);

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
    // The fallback or final test held at `z`.
    bool found = false;
    double z = 0.0;
    // The "Go to z =" text after the search loop: z as plain number text
    // when found, empty otherwise.
    std::string box;
    // Every message, in the order the window shows them (OK button only).
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

}  // namespace qv
