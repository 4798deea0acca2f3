#pragma once

#include <algorithm>
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
//
// Height counts what a walk of the tree must recurse through. An operation
// whose left operand is itself an operation continues a chain (the
// left-associative 1+2+3+..., or (a*b)-c), and every walk follows a chain in
// a loop, left operand first; so a chain of any length is one level taller
// than its tallest operand, and a sum of thousands of terms is no deeper than
// a sum of two.
inline constexpr int kMaxNesting = 200;
inline constexpr int kMaxHeight = 1000;

// The height of an operation from those of its operands.
inline int operationHeight(bool leftIsOperation, int left, int right) {
    return leftIsOperation ? std::max(left, right + 1) : 1 + std::max(left, right);
}

ParseResult parseExpression(std::string_view text, SlotLetters letters);

}  // namespace qv
