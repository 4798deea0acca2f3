#include "app/find_command.h"

#include "app/error_stream_sink.h"

#include <array>
#include <utility>

#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"
#include "expression/routines.h"

namespace qv {

namespace {

// The option missing or out of place, if any.
const char* usageProblem(const FindRequest& r) {
    const bool intersection = r.kind == SearchKind::Intersection;
    if (!r.y || r.y->empty()) return "--find needs --y TEXT";
    if (r.x && r.x->empty()) return "--x needs a text";
    if (!r.from || r.from->empty()) return "--find needs --from VALUE";
    if (intersection && (!r.with || r.with->empty())) return "--find intersection needs --with TEXT";
    if (!intersection && r.with) return "--with belongs to --find intersection";
    return nullptr;
}

void noteUnsetNames(Evaluator& evaluator, const std::string& display, Binding binding, std::FILE* err) {
    const std::string note = unsetNamesNote(evaluator.unsetNames(heal_2(display), binding));
    if (!note.empty()) std::fprintf(err, "%s\n", note.c_str());
}

int notFound(SearchKind kind, std::FILE* out) {
    std::fprintf(out, "not found: %s\n", failureMessage(kind).text.c_str());
    return 1;
}

}  // namespace

std::optional<SearchKind> searchKindNamed(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, SearchKind>, 4> kinds = {{
        {"root", SearchKind::Root},
        {"extremum", SearchKind::Extremum},
        {"inflection", SearchKind::Inflection},
        {"intersection", SearchKind::Intersection},
    }};
    for (const auto& [n, kind] : kinds) {
        if (n == name) return kind;
    }
    return std::nullopt;
}

int runFindCommand(const FindRequest& request, std::FILE* out, std::FILE* err) {
    if (const char* problem = usageProblem(request)) {
        std::fprintf(err, "quorvanta: %s (see --help)\n", problem);
        return 2;
    }
    RandomSource rng;
    MathLibrary math(rng);
    Evaluator evaluator(math, rng);
    evaluator.setUp();
    ErrorStreamSink sink(err);
    RewriteContext rewrite;
    rewrite.errors = &sink;

    // The boxes show heal's display forms, and the search rewrites those
    // for the evaluator. A text heal cannot restore keeps its marker here,
    // which fails to evaluate, so the search fails as the menu's does.
    SearchInput input;
    input.xText = heal(request.x.value_or("z"), rewrite);
    input.yText = heal(*request.y, rewrite);
    if (request.with) input.entries.push_back(heal(*request.with, rewrite));
    const std::string from = heal(*request.from, rewrite);
    for (const std::string* text : {&input.xText, &input.yText}) noteUnsetNames(evaluator, *text, Binding::Z, err);
    for (const std::string& entry : input.entries) noteUnsetNames(evaluator, entry, Binding::Z, err);
    noteUnsetNames(evaluator, from, Binding::None, err);

    const std::optional<double> r = healedCleanly(from) ? referenceValue(evaluator, from) : std::nullopt;
    if (!r) return notFound(request.kind, out);
    input.r = *r;
    const SearchResult result = runSearch(evaluator, request.kind, input);
    if (!result.found) return notFound(request.kind, out);
    std::fprintf(out, "z: %s\nx: %s\ny: %s\n", plainText(result.z).c_str(), plainText(result.x).c_str(),
                 plainText(result.y).c_str());
    return 0;
}

}  // namespace qv
