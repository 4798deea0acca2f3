#include "expression/rewrite.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "expression/user_text.h"

namespace qv {

namespace {

struct Substitution {
    std::string_view from;
    std::string_view to;
};

// Marker texts. None of them can be typed through heal(): blanks are removed
// before any marker is inserted, and the function markers contain a blank.
constexpr std::string_view kSentinel = "<~>";     // both ends of the text
constexpr std::string_view kNegPower = "<!?>";    // the user's own "^-"
constexpr std::string_view kDegree = "&&&";       // a "deg" suffix
constexpr std::string_view kUserPower = "```";    // the user's own "^" (graph mode)

// Steps 5 and 6: brackets and the degree suffix.
constexpr Substitution kBracketSteps[] = {
    {"[", "("},
    {"]", ")"},
    {"deg", kDegree},
};

// Step 7, graph mode only: the calculator keeps x, t, ^, deg and rad as typed.
constexpr Substitution kGraphSteps[] = {
    {"^", kUserPower},
    {kDegree, "*(pi/180)"},
    {"rad", "*(180/pi)"},
    {"x", "z"},
    {"Z", "z"},
    {"t", "z"},
    {"z", "*z^"},
    {"A", "*A^"},
};

// Steps 8 to 19. Steps 8 and 9 surround every constant and closing
// parenthesis with a candidate "*" in front (implicit multiplication) and a
// candidate "^" behind (a power when digits follow); the rest drop every
// candidate that ends up next to a real operator or at the text's edges.
constexpr Substitution kCleanupSteps[] = {
    // 8. constants; "life" was split by the "e" rule and is joined again
    {"pi", "*pi^"},
    {"G", "*G^"},
    {"e", "*e^"},
    {"lif*e", "*life^"},
    // 9. parentheses
    {"(", "*("},
    {")", ")^"},
    // 10.
    {"***", "*"},
    {"**", "*"},
    {"^^", "^"},
    // 11.
    {"z^(", "z*("},
    // 12. scientific notation keeps its "E" bare
    {"E*", "E"},
    {"*E", "E"},
    // 13. the user's "^-" comes back only after the candidate "^-" is gone
    {"^-", "-"},
    {kNegPower, "^-"},
    {"**", "*"},
    // 14. relational operators; the sentinels end in ">" and start with "<",
    // so this also drops a leading "*" and a trailing "^"
    {"^=", "="},
    {"=*", "="},
    {"^<", "<"},
    {"<*", "<"},
    {"^>", ">"},
    {">*", ">"},
    // 15. arithmetic operators
    {"^+", "+"},
    {"^/", "/"},
    {"^\\", "\\"},
    {"^)", ")"},
    {"(*", "("},
    {"+*", "+"},
    {"-*", "-"},
    {"/*", "/"},
    {"\\*", "\\"},
    {"^*", "*"},
    // 16. the user's powers come back
    {kUserPower, "^"},
    {"^*", "^"},
    {"^^", "^"},
    // 17.
    {"*mod", "mod"},
    {"^mod", "mod"},
    {"mod*", "mod"},
    // 18. only still present in calculator rewriting
    {kDegree, "deg"},
    // 19.
    {"()", ""},
};

// heal_2: the minus signs that must stay minus signs are parked, every other
// minus becomes a multiplication by -1 so that -z^2 negates the power.
constexpr Substitution kEvaluationSteps[] = {
    {"^-", "<err2>"},
    {"/-", "<err4>"},
    {"E-", "<err3>"},
    {"*-", "<err5>"},
    {"-", "-1*"},
    {"<err2>", "^-"},
    {"<err3>", "E-"},
    {"<err4>", "/-"},
    {"<err5>", "*-"},
    {"rnd", "RandomNumber()"},
    {"log", "baseten"},
    {"E", "*10^"},
    {"**", "*"},
    {"sqrt", "sqr"},
};

// Replaces in place, building one output buffer. Most steps find nothing, so
// the no-match case returns without allocating.
bool replaceInPlace(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return false;
    }
    std::size_t pos = text.find(from);
    if (pos == std::string::npos) {
        return false;
    }
    std::string out;
    out.reserve(text.size() + (to.size() > from.size() ? text.size() / 4 : 0));
    std::size_t start = 0;
    while (pos != std::string::npos) {
        out.append(text, start, pos - start);
        out.append(to);
        start = pos + from.size();
        pos = text.find(from, start);
    }
    out.append(text, start, std::string::npos);
    text.swap(out);
    return true;
}

// The bytes a text holds. A step whose text has a byte the text lacks
// cannot match: most of the many steps of a short text are skipped on that
// without a search.
class ByteSet {
public:
    explicit ByteSet(std::string_view text) { take(text); }
    void take(std::string_view text) {
        bits_ = {};
        for (const char c : text) {
            const auto u = static_cast<unsigned char>(c);
            bits_[u >> 6] |= uint64_t{1} << (u & 63);
        }
    }
    bool holdsAll(std::string_view of) const {
        for (const char c : of) {
            const auto u = static_cast<unsigned char>(c);
            if (((bits_[u >> 6] >> (u & 63)) & 1) == 0) return false;
        }
        return true;
    }

private:
    std::array<uint64_t, 4> bits_{};
};

// replaceInPlace, skipped where the text cannot hold `from`; `bytes` follows
// the text.
void replaceStep(std::string& text, ByteSet& bytes, std::string_view from, std::string_view to) {
    if (!bytes.holdsAll(from)) return;
    if (replaceInPlace(text, from, to)) bytes.take(text);
}

void applySteps(std::string& text, ByteSet& bytes, std::span<const Substitution> steps) {
    for (const Substitution& step : steps) {
        replaceStep(text, bytes, step.from, step.to);
    }
}

// "*_ 7_": the leading "*" is the implicit multiplication in front of the
// function; the blank keeps the marker from being forged by typed text.
// "_ 7_*": the marker's tail followed by the candidate "*" in front of the
// argument's opening parenthesis. Both are made once: the plot rewrites its
// boxes at every full redraw.
struct FunctionMarkers {
    std::array<std::string, 39> marker;
    std::array<std::string, 39> tail;
    FunctionMarkers() {
        for (std::size_t i = 0; i < marker.size(); ++i) {
            marker[i] = "*_ " + std::to_string(i) + "_";
            tail[i] = "_ " + std::to_string(i) + "_*";
        }
    }
};

const FunctionMarkers& functionMarkers() {
    static const FunctionMarkers markers;
    return markers;
}

void protectFunctionNames(std::string& text, ByteSet& bytes, const FunctionNames& names) {
    const FunctionMarkers& m = functionMarkers();
    for (std::size_t i = 0; i < names.size(); ++i) {
        replaceStep(text, bytes, names[i], m.marker[i]);
    }
}

void restoreFunctionNames(std::string& text, const FunctionNames& names) {
    // Every tail contains "_ "; a text without one has none to restore.
    if (text.find("_ ") == std::string::npos) return;
    const FunctionMarkers& m = functionMarkers();
    for (std::size_t i = 0; i < names.size(); ++i) {
        replaceInPlace(text, m.tail[i], names[i]);
    }
    // rnd is the one function written without parentheses, so its marker
    // has no "*" of an argument behind it.
    replaceInPlace(text, "_ 24_", "rnd");
}

bool parenthesesBalanced(std::string_view text) {
    const auto opened = std::count(text.begin(), text.end(), '(');
    const auto closed = std::count(text.begin(), text.end(), ')');
    return opened == closed;
}

}  // namespace

const FunctionNames& defaultFunctionNames() {
    static const FunctionNames names = {
        "asinh", "acosh", "atanh", "acsch", "asech", "acoth", "asin", "acos",
        "atan",  "acsc",  "asec",  "acot",  "sinh",  "cosh",  "tanh", "csch",
        "sech",  "coth",  "sin",   "cos",   "tan",   "csc",   "sec",  "cot",
        "rnd",   "abs",   "sqrt",  "sqr",   "log",   "ln",    "exp",  "round",
        "fix",   "int",   "frac",  "sgn",   "fact",  "prime", "fib",
    };
    return names;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result(text);
    replaceInPlace(result, from, to);
    return result;
}

std::string heal(std::string_view typed, RewriteContext& ctx) {
    const FunctionNames& names =
        ctx.function_names != nullptr ? *ctx.function_names : defaultFunctionNames();

    // Digits, points, minus signs and blanks alone: no step has anything
    // to change but the blanks (a range box, a data entry).
    if (typed.find_first_not_of("0123456789.- ") == std::string_view::npos) {
        std::string plain;
        plain.reserve(typed.size());
        for (const char c : typed) {
            if (c != ' ') plain += c;
        }
        return plain;
    }
    std::string text(typed);
    replaceInPlace(text, "^-", kNegPower);
    replaceInPlace(text, " ", "");
    std::string enclosed;
    enclosed.reserve(text.size() + 2 * kSentinel.size());
    enclosed.append(kSentinel).append(text).append(kSentinel);
    text.swap(enclosed);

    ByteSet bytes(text);
    protectFunctionNames(text, bytes, names);
    applySteps(text, bytes, kBracketSteps);
    if (ctx.calculator_rewrite == 0) {
        applySteps(text, bytes, kGraphSteps);
    }
    applySteps(text, bytes, kCleanupSteps);
    restoreFunctionNames(text, names);

    // The count is taken before the sentinels go; they hold no parentheses,
    // so the outcome is the same, but this keeps to the documented order.
    const bool balanced = parenthesesBalanced(text);
    replaceInPlace(text, kSentinel, "");
    if (!balanced) {
        if (ctx.errors != nullptr) {
            ctx.errors->formulaError(userText("qv::Texts", kFormulaErrorTitle),
                                     userText("qv::Texts", kParenthesisErrorText));
        }
        ctx.smooth_pass = false;
    }
    return text;
}

FirstFormulaError::FirstFormulaError(RewriteContext& ctx, Mode mode)
    : ctx_(ctx), previous_(ctx.errors), mode_(mode) {
    ctx_.errors = this;
}

FirstFormulaError::~FirstFormulaError() { ctx_.errors = previous_; }

void FirstFormulaError::formulaError(const std::string& title, const std::string& text) {
    if (first_) return;
    first_ = Message{title, text};
    if (mode_ == Mode::PassOn && previous_ != nullptr) previous_->formulaError(title, text);
}

bool healedCleanly(std::string_view display) {
    // Blanks are removed before any marker is inserted, and every function
    // marker holds one, so a blank in the result is a marker left behind.
    return display.find("_ ") == std::string_view::npos;
}

std::string shownForm(std::string_view typed, std::string_view display) {
    return std::string(healedCleanly(display) ? display : typed);
}

std::string heal_2(std::string_view display) {
    std::string text(display);
    ByteSet bytes(text);
    applySteps(text, bytes, kEvaluationSteps);
    return text;
}

}  // namespace qv
