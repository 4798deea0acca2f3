#pragma once

#include <vector>

#include "expression/builtins.h"
#include "expression/parser.h"

namespace qv {

// A purely numeric form compiled to a flat program for an accumulator
// machine. It runs without the careful evaluation's per-operation error
// rules: it only watches for an infinity or a NaN, and any doubt (one of
// those, a function's error) makes the caller re-run the careful
// evaluation, which decides the exact outcome. So a fast result is only
// ever a correct one.
class NumericProgram {
public:
    enum class Op : unsigned char {
        LoadK, LoadS, Neg,
        Add, Sub, Mul, Div, Pow, IntDiv, Mod,
        AddK, SubK, MulK, DivK, PowK, KSub, KDiv, KPow,
        AddS, SubS, MulS, DivS, Sqr, Call, Ret,
    };
    struct Instr {
        Op op;
        int slot = 0;
        double k = 0.0;
        NumResult (*fn)(BuiltinContext&, double) = nullptr;
        const void* label = nullptr;  // dispatch target, filled in by finish()
    };

    // How each node of the tree is to be read by the compiler: as a number
    // constant (folded, or a constant name), a slot, or an operation.
    struct Leaf {
        enum class Kind : unsigned char { None, Const, Slot } kind = Kind::None;
        double value = 0.0;
        int slot = 0;
    };

    bool empty() const { return code_.empty(); }
    void clear() { code_.clear(); }

    // Appends the code of a subtree; `leaves` tells constant and slot nodes,
    // `calls` the built-in of each call node.
    void emitTree(const Ast& ast, const std::vector<Leaf>& leaves,
                  const std::vector<const Builtin*>& calls);

    // Runs the program. Returns false when the careful evaluation must
    // decide (an infinity or a NaN appeared, or a function failed).
    bool run(BuiltinContext& ctx, const double* slots, double& out) const;

    int instructionCount() const { return static_cast<int>(code_.size()); }

private:
    void emit(const Ast& ast, int node, const std::vector<Leaf>& leaves,
              const std::vector<const Builtin*>& calls);
    void push(Instr in) { code_.push_back(in); }
    void finish();

    std::vector<Instr> code_;
    int maxStack_ = 0;
};

}  // namespace qv
