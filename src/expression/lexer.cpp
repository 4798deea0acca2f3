#include "expression/lexer.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "expression/eval_error.h"

namespace qv {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isNameChar(char c) { return isLetter(c) || isDigit(c) || c == '_'; }

// Rough decimal exponent of a literal's magnitude: positive when it is at
// least 1. Only its sign matters, to tell overflow from underflow.
long decimalExponent(const std::string& digits) {
    const size_t e = digits.find_first_of("eE");
    const std::string mant = digits.substr(0, e);
    long exp = 0;
    if (e != std::string::npos) {
        const char* b = digits.data() + e + 1;
        if (*b == '+') ++b;
        long long x = 0;
        const auto r = std::from_chars(b, digits.data() + digits.size(), x);
        exp = (r.ec == std::errc::result_out_of_range) ? (*b == '-' ? -1000000 : 1000000) : static_cast<long>(x);
        if (exp > 1000000) exp = 1000000;
        if (exp < -1000000) exp = -1000000;
    }
    const size_t point = mant.find('.');
    const size_t intLen = point == std::string::npos ? mant.size() : point;
    const size_t first = mant.find_first_of("123456789");
    if (first == std::string::npos) return -1;
    const long pos = first < intLen ? static_cast<long>(intLen - first) : -static_cast<long>(first - intLen - 1);
    return pos + exp;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

class Lexer {
public:
    Lexer(std::string_view text, SlotLetters letters) : s_(text), slots_(letters) {
        // Each token takes at least one character: no copies while a long
        // text is read (what is reserved and never written takes no memory).
        result_.tokens.reserve(text.size() + 1);
    }

    LexResult run() {
        while (result_.error == 0) {
            skipBlanks();
            if (i_ >= s_.size()) break;
            next();
        }
        result_.tokens.push_back(Token{});
        return std::move(result_);
    }

private:
    // A bound letter reads as "(": it stops names and numbers.
    bool isSlotAt(size_t k) const { return k < s_.size() && slots_.slotOf(s_[k]) >= 0; }
    bool nameCharAt(size_t k) const { return k < s_.size() && !isSlotAt(k) && isNameChar(s_[k]); }
    bool digitAt(size_t k) const { return k < s_.size() && !isSlotAt(k) && isDigit(s_[k]); }

    void skipBlanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
    }

    void push(Tok k) { result_.tokens.push_back(Token{k, 0, -1}); }
    void pushText(Tok k, std::string text) {
        result_.tokens.push_back(Token{k, 0, static_cast<int>(result_.texts.size())});
        result_.texts.push_back(std::move(text));
    }

    void next() {
        const char c = s_[i_];
        const int slot = slots_.slotOf(c);
        if (slot >= 0) {
            result_.tokens.push_back(Token{Tok::Slot, static_cast<unsigned char>(slot), -1});
            ++i_;
            return;
        }
        if (isDigit(c) || (c == '.' && digitAt(i_ + 1))) return number();
        if (isLetter(c)) return name();
        if (c == '"') return string();
        ++i_;
        switch (c) {
        case '(': return push(Tok::LParen);
        case ')': return push(Tok::RParen);
        case ',': return push(Tok::Comma);
        case '+': return push(Tok::Plus);
        case '-': return push(Tok::Minus);
        case '*': return push(Tok::Star);
        case '/': return push(Tok::Slash);
        case '\\': return push(Tok::Backslash);
        case '^': return push(Tok::Caret);
        case '&': return push(Tok::Amp);
        case '=': return push(Tok::Eq);
        case '<':
            if (i_ < s_.size() && s_[i_] == '>') { ++i_; return push(Tok::Ne); }
            if (i_ < s_.size() && s_[i_] == '=') { ++i_; return push(Tok::Le); }
            return push(Tok::Lt);
        case '>':
            if (i_ < s_.size() && s_[i_] == '=') { ++i_; return push(Tok::Ge); }
            return push(Tok::Gt);
        default: result_.error = kSyntaxError; return;
        }
    }

    void number() {
        const size_t start = i_;
        while (digitAt(i_)) ++i_;
        if (i_ < s_.size() && s_[i_] == '.') {
            ++i_;
            while (digitAt(i_)) ++i_;
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
            if (!digitAt(i_)) { result_.error = kSyntaxError; return; }
            while (digitAt(i_)) ++i_;
        }
        // A letter glued to a number ("2x", "1.5.3") is not a number.
        if (nameCharAt(i_) || (i_ < s_.size() && s_[i_] == '.')) { result_.error = kSyntaxError; return; }
        std::string digits(s_.substr(start, i_ - start));
        if (digits.front() == '.') digits.insert(digits.begin(), '0');
        double v = 0.0;
        const auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
        if (ec == std::errc::result_out_of_range) {
            // Too large is an overflow; too small underflows silently to 0.
            if (decimalExponent(digits) > 0) { result_.error = kOverflow; return; }
            v = 0.0;
        } else if (ec != std::errc() || p != digits.data() + digits.size()) {
            result_.error = kSyntaxError;
            return;
        }
        if (!std::isfinite(v)) { result_.error = kOverflow; return; }
        result_.tokens.push_back(Token{Tok::Number, 0, static_cast<int>(result_.numbers.size())});
        result_.numbers.push_back(v);
    }

    void name() {
        const size_t start = i_;
        while (nameCharAt(i_)) ++i_;
        std::string n;
        n.reserve(i_ - start);
        for (size_t k = start; k < i_; ++k) n.push_back(lower(s_[k]));
        struct Keyword { const char* word; Tok tok; };
        static constexpr Keyword kKeywords[] = {
            {"mod", Tok::Mod}, {"not", Tok::Not}, {"and", Tok::And}, {"or", Tok::Or},
            {"xor", Tok::Xor}, {"eqv", Tok::Eqv}, {"imp", Tok::Imp}, {"true", Tok::True},
            {"false", Tok::False}, {"empty", Tok::EmptyKw},
        };
        for (const Keyword& k : kKeywords) {
            if (n == k.word) return push(k.tok);
        }
        pushText(Tok::Name, std::move(n));
    }

    void string() {
        ++i_;  // opening quote
        std::string out;
        for (;;) {
            if (i_ >= s_.size()) { result_.error = kSyntaxError; return; }
            const char c = s_[i_++];
            if (c == '"') {
                if (i_ < s_.size() && s_[i_] == '"') { out.push_back('"'); ++i_; continue; }
                break;
            }
            if (c == '\r' || c == '\n') { result_.error = kSyntaxError; return; }
            if (slots_.slotOf(c) >= 0) result_.slotInString = true;
            out.push_back(c);
        }
        pushText(Tok::String, std::move(out));
    }

    std::string_view s_;
    SlotLetters slots_;
    size_t i_ = 0;
    LexResult result_;
};

}  // namespace

LexResult lex(std::string_view text, SlotLetters letters) { return Lexer(text, letters).run(); }

}  // namespace qv
