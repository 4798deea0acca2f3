#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "calculus/newton_search.h"

namespace qv {

// `quorvanta --find KIND --y TEXT [--x TEXT] [--with TEXT] --from VALUE`:
// the Calculus menu's search without a window. The texts are typed as in
// the boxes (x(z) is "z" unless given; --with is the second function of an
// intersection, as the function list's one entry) and --from as in the
// "Go to z =" box.
struct FindRequest {
    SearchKind kind = SearchKind::Root;
    std::optional<std::string> x;
    std::optional<std::string> y;
    std::optional<std::string> with;
    std::optional<std::string> from;
};

// "root", "extremum", "inflection" or "intersection".
std::optional<SearchKind> searchKindNamed(std::string_view name);

// Prints "z: ", "x: " and "y: " lines (15 significant digits) for the point
// found and returns 0, or prints one line "not found: " and the menu's
// failure message and returns 1. Texts that read names nothing defined get
// a "note: " line each on `err`, and the parenthesis message goes there too.
// A missing or misplaced option prints one line on `err` and returns 2.
int runFindCommand(const FindRequest& request, std::FILE* out, std::FILE* err);

}  // namespace qv
