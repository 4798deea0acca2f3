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

// One node of the tree, 16 bytes: a long flat text has millions of them.
// What only some nodes have (constants, names, call arguments) is kept in
// the tree's side tables, which `ref` indexes.
struct Node {
    NodeKind kind = NodeKind::Const;
    BinaryOp bop = BinaryOp::Add;  // Binary
    UnaryOp uop = UnaryOp::Neg;    // Unary
    unsigned char slot = 0;        // Slot
    int lhs = -1, rhs = -1;        // Unary (lhs), Binary
    int ref = -1;                  // Const: Ast::constants; Name: Ast::names; Call: Ast::calls
};

static_assert(sizeof(Node) <= 16, "a node stays small: long texts have millions");

// A call: its function's name and its arguments, a run of Ast::args.
struct CallSite {
    int name = -1;  // Ast::names
    int firstArg = 0;
    int argCount = 0;
};

// Nodes come children first; the root is the whole expression.
struct Ast {
    std::vector<Node> nodes;
    std::vector<Value> constants;
    std::vector<std::string> names;  // lower case, each name once
    std::vector<CallSite> calls;
    std::vector<int> args;  // argument nodes of the calls
    int root = -1;

    const Value& constant(const Node& n) const { return constants[static_cast<size_t>(n.ref)]; }
    // The name of a Name or a Call node.
    const std::string& name(const Node& n) const {
        const int i = n.kind == NodeKind::Call ? calls[static_cast<size_t>(n.ref)].name : n.ref;
        return names[static_cast<size_t>(i)];
    }
    const CallSite& call(const Node& n) const { return calls[static_cast<size_t>(n.ref)]; }
    int argCount(const Node& n) const { return call(n).argCount; }
    int arg(const Node& n, int k) const { return args[static_cast<size_t>(call(n).firstArg + k)]; }
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
