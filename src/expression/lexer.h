#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

enum class Tok : unsigned char {
    Number, String, Name, Slot,
    LParen, RParen, Comma,
    Plus, Minus, Star, Slash, Backslash, Caret, Amp,
    Eq, Ne, Lt, Gt, Le, Ge,
    Mod, Not, And, Or, Xor, Eqv, Imp,
    True, False, EmptyKw,
    End,
};

struct Token {
    Tok kind = Tok::End;
    double number = 0.0;  // Number
    std::string text;     // String contents, or Name in lower case
    int slot = 0;         // Slot index
};

// Which letters of a form stand for bound values. A bound letter is read as
// if the text held the value in parentheses at that place: it ends a name
// or number, and inside a string literal it would have become digits.
struct SlotLetters {
    bool z = false;  // every "z" is slot 0
    bool a = false;  // every "A" is slot 1
    int slotOf(char c) const {
        if (z && c == 'z') return 0;
        if (a && c == 'A') return 1;
        return -1;
    }
};

struct LexResult {
    std::vector<Token> tokens;  // ends with Tok::End
    int error = 0;              // syntax error or overflow of a literal
    bool slotInString = false;  // a bound letter stands inside a string literal
};

LexResult lex(std::string_view text, SlotLetters letters);

}  // namespace qv
