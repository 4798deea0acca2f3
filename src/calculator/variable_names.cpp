#include "calculator/variable_names.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "expression/builtins.h"
#include "expression/rewrite.h"

namespace qv {

namespace {

bool isLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || u >= 0x80;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isWordChar(char c) { return isLetter(c) || isDigit(c); }

// Words of the language and of the rewriting that are never a variable,
// besides the function names: the last answer, the operators and keywords,
// and the angle suffixes. All in lower case, as the rewriting and the
// calculator match them.
constexpr std::string_view kReservedWords[] = {"ans", "mod", "not",  "and",   "or",    "xor", "eqv",
                                               "imp", "true", "false", "empty", "deg", "rad"};

// The math library's constants as the rewriting knows them. A variable of
// exactly that name wins.
constexpr std::string_view kConstants[] = {"pi", "e", "G", "mol", "life", "error"};

// At least as long as the longest name of the evaluator's built-ins
// ("set_constants"), which are looked up by name rather than listed here.
constexpr std::size_t kLongestBuiltinName = 16;

enum class PieceKind : unsigned char { None, Reserved, Variable, Constant, Digits };

struct Piece {
    std::size_t length = 0;
    PieceKind kind = PieceKind::None;
    int box = -1;
};

// Cuts words into pieces by the rule in the header.
class WordCutter {
public:
    WordCutter(const VariableBoxes& boxes, const FunctionNames& functions) : boxes_(boxes) {
        reserved_.assign(functions.begin(), functions.end());
        for (std::string_view w : kReservedWords) reserved_.emplace_back(w);
        longest_ = kLongestBuiltinName;
        for (const std::string& w : reserved_) longest_ = std::max(longest_, w.size());
        for (int i = 0; i < kVariableBoxes; i += 2) {
            const std::string& name = boxes_[static_cast<std::size_t>(i)];
            if (!wordName(name)) continue;
            longest_ = std::max(longest_, name.size());
            hasNames_ = true;
        }
    }

    // The pieces of a word; empty when it cannot be cut or holds no variable.
    std::vector<Piece> cut(std::string_view word) const {
        if (!hasNames_) return {};
        // choice[p]: the preferred first piece of a complete cut of the
        // word from p on, if there is one. Filled from the end, so each
        // place knows which of its candidates lead to a complete cut: the
        // same cut a search trying the preferred piece first would find.
        std::vector<Piece> choice(word.size() + 1);
        choice[word.size()].kind = PieceKind::Digits;  // the end: nothing left to cut
        for (std::size_t p = word.size(); p-- > 0;) choice[p] = firstPiece(word, p, choice);
        if (choice[0].kind == PieceKind::None) return {};
        std::vector<Piece> pieces;
        bool variable = false;
        for (std::size_t p = 0; p < word.size(); p += choice[p].length) {
            pieces.push_back(choice[p]);
            variable = variable || choice[p].kind == PieceKind::Variable;
        }
        return variable ? pieces : std::vector<Piece>{};
    }

private:
    static bool wordName(std::string_view name) {
        return !name.empty() && isLetter(name.front()) && std::all_of(name.begin(), name.end(), isWordChar);
    }

    Piece firstPiece(std::string_view word, std::size_t p, const std::vector<Piece>& choice) const {
        if (isDigit(word[p])) {
            // A power after a piece: every digit up to the next letter.
            std::size_t end = p;
            while (end < word.size() && isDigit(word[end])) ++end;
            const bool complete = choice[end].kind != PieceKind::None;
            return complete ? Piece{end - p, PieceKind::Digits} : Piece{};
        }
        const std::size_t most = std::min(longest_, word.size() - p);
        for (std::size_t length = most; length > 0; --length) {
            if (choice[p + length].kind == PieceKind::None) continue;
            const Piece piece = pieceOf(word.substr(p, length));
            if (piece.kind != PieceKind::None) return piece;
        }
        return {};
    }

    // What a candidate piece is, by the preference for equal lengths.
    Piece pieceOf(std::string_view text) const {
        Piece piece{text.size(), PieceKind::None};
        if (std::find(reserved_.begin(), reserved_.end(), text) != reserved_.end() || findBuiltin(text) != nullptr) {
            piece.kind = PieceKind::Reserved;
            return piece;
        }
        for (int i = 0; i < kVariableBoxes; i += 2) {
            if (boxes_[static_cast<std::size_t>(i)] == text) {
                piece.kind = PieceKind::Variable;
                piece.box = i;
                return piece;
            }
        }
        if (std::find(std::begin(kConstants), std::end(kConstants), text) != std::end(kConstants)) {
            piece.kind = PieceKind::Constant;
            return piece;
        }
        return {};
    }

    const VariableBoxes& boxes_;
    std::vector<std::string> reserved_;
    std::size_t longest_ = 0;
    bool hasNames_ = false;
};

// The end of a text in double quotes that starts at `at` (a doubled quote
// stays inside); the end of the text when it is not closed.
std::size_t stringEnd(std::string_view text, std::size_t at) {
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] != '"') continue;
        if (i + 1 < text.size() && text[i + 1] == '"') {
            ++i;
            continue;
        }
        return i + 1;
    }
    return text.size();
}

// The end of a number that starts at `at`: digits with a point, and an "E"
// exponent as the rewriting reads it (upper case only: "2e3" is 2*e^3).
std::size_t numberEnd(std::string_view text, std::size_t at) {
    std::size_t i = at;
    while (i < text.size() && (isDigit(text[i]) || text[i] == '.')) ++i;
    if (i < text.size() && text[i] == 'E') {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

std::optional<std::string> replaceVariables(std::string_view text, const VariableBoxes& boxes,
                                            const std::function<std::string(int box)>& replacement,
                                            const RewriteContext& ctx, std::size_t maxLength) {
    const WordCutter cutter(boxes, ctx.function_names != nullptr ? *ctx.function_names : defaultFunctionNames());
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        std::size_t end = i + 1;
        if (c == '"') {
            end = stringEnd(text, i);
        } else if (isDigit(c) || (c == '.' && i + 1 < text.size() && isDigit(text[i + 1]))) {
            end = numberEnd(text, i);
        } else if (isLetter(c)) {
            while (end < text.size() && isWordChar(text[end])) ++end;
            const std::string_view word = text.substr(i, end - i);
            std::size_t at = 0;
            for (const Piece& piece : cutter.cut(word)) {
                if (at > 0 && piece.kind != PieceKind::Digits) out += '*';
                if (piece.kind == PieceKind::Variable) {
                    out += replacement(piece.box);
                    // One word can hold thousands of variables.
                    if (out.size() > maxLength) return std::nullopt;
                } else {
                    out += word.substr(at, piece.length);
                }
                at += piece.length;
            }
            if (at == 0) out += word;  // not cut: a name of its own
            i = end;
            continue;
        }
        out += text.substr(i, end - i);
        i = end;
    }
    if (out.size() > maxLength) return std::nullopt;
    return out;
}

}  // namespace qv
