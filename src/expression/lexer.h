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

// Small, since a long text has millions of them: numbers and the texts of
// strings and names are kept beside the tokens.
struct Token {
    Tok kind = Tok::End;
    unsigned char slot = 0;  // Slot index
    int ref = -1;            // Number: LexResult::numbers; String, Name: LexResult::texts
};
static_assert(sizeof(Token) <= 8, "a token stays small: long texts have millions");

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
    std::vector<Token> tokens;       // ends with Tok::End
    std::vector<double> numbers;     // of Number tokens
    std::vector<std::string> texts;  // of String tokens, and Name tokens in lower case
    int error = 0;                   // syntax error or overflow of a literal
    bool slotInString = false;  // a bound letter stands inside a string literal
};

LexResult lex(std::string_view text, SlotLetters letters);

}  // namespace qv
