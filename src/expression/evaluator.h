#pragma once

#include <cmath>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "expression/builtins.h"
#include "expression/machine_code.h"
#include "expression/number_text.h"
#include "expression/numeric_program.h"
#include "expression/parser.h"
#include "expression/value.h"

namespace qv {

class MathLibrary;
class RandomSource;
class Evaluator;

// Which letters of a form are bound to values: none (names are read as
// variables), every "z", or every "z" and every "A".
enum class Binding : unsigned char { None, Z, ZA };

// A form compiled once. Bound forms read each bound letter as the value in
// parentheses at that place, exactly as if the text had been substituted:
// the value that the number text of the value reads back as, 15 significant
// digits (plainTextValue), not the double itself.
struct CompiledForm {
    enum class NameKind : unsigned char { Variable, Constant, ErrorMember, BuiltinCall };
    struct NameInfo {
        NameKind kind = NameKind::Variable;
        double constant = 0.0;
        const Builtin* builtin = nullptr;
    };

    std::string text;
    Binding binding = Binding::None;
    int error = 0;               // compile error, reported by every evaluation
    bool textual = false;        // a bound letter inside a string literal
    bool readsVariableZ = false; // unbound: the name z is slot 0
    bool usesSlot[2] = {false, false};
    mutable unsigned runs = 0;   // evaluations so far, up to the translation
    uint64_t generation = 0;
    Ast ast;
    std::vector<NameInfo> names;             // per name of the tree: how it reads
    std::vector<const Builtin*> calls;       // per call of the tree: the built-in called
    NumericProgram fast;                     // empty when only the careful path applies
};

// The values z and A stand for in bound evaluation: what their number
// texts read back as (plainTextValue). Worked out once per sample, they
// serve every form evaluated at that z.
struct BoundValues {
    double slots[2];
    // Both are finite: infinite or NaN values (texts that overflow) take
    // the careful path, which refuses them as their texts would be refused.
    bool finite;
};
inline BoundValues boundValues(double z, double a);
inline BoundValues boundValues(double z);

// A bound form held by a caller that evaluates it many times (a curve, a
// derivative, a search). Cheap to copy.
class BoundForm {
public:
    BoundForm() = default;
    // Evaluates with z (and A for a Binding::ZA form) bound.
    EvalResult eval(double z, double a = 0.0) const;
    // The number, or an error: non-numeric results are a type mismatch.
    // Inline: this is the innermost call of every curve and search.
    NumResult number(double z, double a = 0.0) const;
    // The same, with the values z and A stand for already worked out
    // (boundValues): forms evaluated at one z share them.
    NumResult numberAt(const BoundValues& values) const;
    // For an unbound form that reads the script variable z, with z just set
    // to the number `z`: the number the form's machine code gives, or none
    // where only a full evaluation can tell (no code yet, a failure, a form
    // of another kind).
    std::optional<double> quickNumberReadingZ(double z) const;
    bool valid() const { return evaluator_ != nullptr; }

private:
    friend class Evaluator;
    void refresh() const;
    // Takes values already read back from their texts.
    NumResult numberSlow(const double* slotValues) const;
    Evaluator* evaluator_ = nullptr;
    mutable std::shared_ptr<const CompiledForm> form_;
    // Copies for the inline path: the form's machine code (if any), the
    // generation it was compiled in, and where the current one is kept.
    mutable MachineCode::Entry entry_ = nullptr;
    // The machine code of an unbound form that reads the variable z.
    mutable MachineCode::Entry variableZEntry_ = nullptr;
    mutable uint64_t generation_ = 0;
    const uint64_t* currentGeneration_ = nullptr;
    BuiltinContext* ctx_ = nullptr;
};

// Our evaluator of the expression language. The math library's members are
// its global names; script variables are set by "name = value" statements.
class Evaluator {
public:
    Evaluator(MathLibrary& math, RandomSource& rng);

    // Start-up: makes the math library's members global and runs
    // "set_constants".
    void setUp();

    // Evaluates a text; variables are read by name.
    EvalResult eval(std::string_view text);
    // Runs a statement: "name = expression" or a call such as "set_constants".
    // Returns the error number, 0 on success.
    int executeStatement(std::string_view statement);
    void setVariable(std::string_view name, Value v);
    // setVariable("z", Value::number(value)), for the loops that set z
    // before every evaluation.
    void setVariableZ(double value);
    Value variable(std::string_view name) const;
    // The names a text reads as variables that nothing has assigned: they
    // evaluate as Empty (0 in arithmetic), which is the language's rule but
    // rarely what the user meant ("2*w+z", "hello" read as h*e^llo). Lower
    // case, each once, in the order of the text. Bound letters are not
    // names; a text that does not compile has none.
    std::vector<std::string> unsetNames(std::string_view text, Binding binding = Binding::None);

    // Evaluation of a form with every "z" (and every "A") replaced by the
    // value's number text in parentheses, without printing the numbers.
    BoundForm bind(std::string_view form, Binding binding = Binding::Z);
    EvalResult evalBound(std::string_view form, double z);
    EvalResult evalBound(std::string_view form, double z, double a);

    // The careful evaluation alone (tests compare it with the fast path).
    EvalResult evalCareful(const CompiledForm& form, const double* slotValues);
    // Whether compiled forms may run as machine code (on by default; the
    // portable machine gives the same results, and tests compare the two).
    void setMachineCode(bool on);
    bool machineCode() const { return machineCode_; }
    // Drops every compiled program (the cache is bounded anyway).
    void clearCache();
    size_t cacheSize() const { return cache_.size(); }
    // Whether the compiled form of a text is kept; asking does not count as
    // a use.
    bool cached(std::string_view text, Binding binding) const;
    // What the cached programs hold, roughly: texts, trees, code.
    size_t cacheBytes() const { return cacheBytes_; }
    // Longer texts are refused as malformed: their trees alone would take
    // hundreds of megabytes, and no box or file of the program needs them.
    static constexpr size_t kMaxTextLength = 4u << 20;
    // Past either bound the least recently used forms make room, so one-off
    // texts (calculator lines, substituted texts) push out only each other
    // and old forms, never the ones a redraw keeps using. More distinct forms
    // than fit, visited in turn (every curve of a huge graph, redrawn), would
    // all miss, as with any cache of this kind: so the count stays above what
    // the bytes allow for short forms (a page of machine code each, some
    // 1,500 of them), and the bytes are what bound the memory.
    static constexpr size_t kCacheMaxForms = 2048;
    static constexpr size_t kCacheMaxBytes = 8u << 20;

    MathLibrary& math() { return *ctx_.math; }

private:
    friend class BoundForm;
    std::shared_ptr<const CompiledForm> compiled(std::string_view text, Binding binding);
    std::shared_ptr<CompiledForm> compile(std::string_view text, Binding binding);
    void resolve(CompiledForm& f);
    struct FastPlan;
    void classifyNode(const CompiledForm& f, size_t node, FastPlan& plan);
    void classifyName(const CompiledForm& f, size_t node, FastPlan& plan);
    void buildFastProgram(CompiledForm& f);
    // Slot values are those the number texts read back as (plainTextValue).
    EvalResult run(const CompiledForm& f, const double* slotValues);
    EvalResult evalNode(const CompiledForm& f, int node, const double* slotValues);
    EvalResult evalChain(const CompiledForm& f, int top, const double* slotValues);
    EvalResult evalCall(const CompiledForm& f, const Node& n, const double* slotValues);
    EvalResult evalTextually(const CompiledForm& f, const double* slotValues);
    void invalidate();
    const Value* variableZ();
    void remember(const std::shared_ptr<const CompiledForm>& f);
    void evictOldest();

    BuiltinContext ctx_;
    std::unordered_map<std::string, Value> variables_;  // lower-case names
    struct CacheEntry {
        std::string key;  // the binding's digit, then the text
        std::shared_ptr<const CompiledForm> form;
        size_t bytes = 0;
    };
    // Most recently used first; the map's keys are views of the entries'
    // own keys (list nodes never move, a use splices its node to the front).
    std::list<CacheEntry> recent_;
    std::unordered_map<std::string_view, std::list<CacheEntry>::iterator> cache_;
    std::string key_;  // the key of the text being looked up
    size_t cacheBytes_ = 0;
    std::shared_ptr<const CompiledForm> last_;  // most recent look-up
    uint64_t generation_ = 1;
    bool machineCode_ = true;
    Value* zCell_ = nullptr;  // the script variable z, once it exists
    // The operations of the chains being evaluated, innermost last.
    std::vector<int> chain_;
};

inline BoundValues boundValues(double z) {
    const double zValue = plainTextValue(z);
    return {{zValue, 0.0}, std::fabs(zValue) <= 1.7976931348623157e308};
}

inline BoundValues boundValues(double z, double a) {
    const double zValue = plainTextValue(z), aValue = plainTextValue(a);
    return {{zValue, aValue}, std::fabs(zValue) <= 1.7976931348623157e308 && std::fabs(aValue) <= 1.7976931348623157e308};
}

inline NumResult BoundForm::number(double z, double a) const { return numberAt(boundValues(z, a)); }

QV_CALLS_MACHINE_CODE
inline NumResult BoundForm::numberAt(const BoundValues& values) const {
    const double* slotValues = values.slots;
    if (entry_ != nullptr && generation_ == *currentGeneration_ && values.finite) {
        const MachineCode::Result r = entry_(slotValues, ctx_);
        if (r.ok != 0) return NumResult::ok(r.value);
    }
    return numberSlow(slotValues);
}

QV_CALLS_MACHINE_CODE
inline std::optional<double> BoundForm::quickNumberReadingZ(double z) const {
    if (variableZEntry_ == nullptr || generation_ != *currentGeneration_) {
        refresh();
        if (variableZEntry_ == nullptr) return std::nullopt;
    }
    // The name z is the program's first slot, as run() passes it.
    const double slotValues[2] = {z, 0.0};
    const MachineCode::Result r = variableZEntry_(slotValues, ctx_);
    if (r.ok == 0) return std::nullopt;
    return r.value;
}

// The text of a form with every "z" (and every "A" when `a` is given)
// replaced by the value's plain number text in parentheses: what bound
// evaluation stands for. An infinity or a NaN, which has no number text, is
// written as the text of the largest values, which overflows when read.
std::string substituteValues(std::string_view form, double z, std::optional<double> a = std::nullopt);

}  // namespace qv
