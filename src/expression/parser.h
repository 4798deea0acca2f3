#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "expression/lexer.h"
#include "expression/operations.h"
#include "expression/value.h"

namespace qv {

enum class NodeKind : unsigned char { Const, Slot, Name, Call, Unary, Binary };

struct Node {
    NodeKind kind = NodeKind::Const;
    BinaryOp bop = BinaryOp::Add;
    UnaryOp uop = UnaryOp::Neg;
    int slot = 0;           // Slot
    int lhs = -1, rhs = -1;  // Unary (lhs), Binary
    Value constant;         // Const
    std::string name;       // Name, Call (lower case)
    std::vector<int> args;  // Call
};

struct Ast {
    std::vector<Node> nodes;
    int root = -1;
};

struct ParseResult {
    Ast ast;
    int error = 0;
    bool slotInString = false;
    int slotNesting = -1;  // deepest nesting at which a bound letter stands
};

// Limits that keep every text's parse and evaluation bounded: parentheses,
// signs and Not nested deeper than kMaxNesting, or a tree taller than
// kMaxHeight, are syntax errors.
inline constexpr int kMaxNesting = 200;
inline constexpr int kMaxHeight = 1000;

ParseResult parseExpression(std::string_view text, SlotLetters letters);

}  // namespace qv
