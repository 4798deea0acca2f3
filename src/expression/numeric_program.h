#pragma once

#include <memory>
#include <vector>

#include "expression/builtins.h"
#include "expression/parser.h"

namespace qv {

class MachineCode;

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
        AddS, SubS, MulS, DivS, Sqr, Call,
        // sin and cos of one slot, both needed: computed together once
        // (slot, k = 0 for sin, 1 for cos), then read back.
        SinCos, Cached,
        Ret,
    };
    struct Instr {
        Op op;
        int slot = 0;
        union {
            double k = 0.0;            // every operation but Call
            const Builtin* builtin;    // Call: the function called (its unary form)
        };
        const void* label = nullptr;  // dispatch target, filled in by finish()

        static Instr call(const Builtin* b) {
            Instr in{Op::Call, 0, {}, nullptr};
            in.builtin = b;
            return in;
        }
    };

    // How each node of the tree is to be read by the compiler: as a number
    // constant (folded, or a constant name), a slot, or an operation. Small,
    // one per node: a constant's value is kept in Plan::values.
    struct Leaf {
        enum class Kind : unsigned char { None, Const, Slot } kind = Kind::None;
        unsigned char slot = 0;
        int value = -1;  // Const: Plan::values
    };

    // What the compiler reads: the tree, each node's leaf, the constants'
    // values, and the built-in of each call of the tree (Ast::calls).
    struct Plan {
        const Ast& ast;
        const std::vector<Leaf>& leaves;
        const std::vector<double>& values;
        const std::vector<const Builtin*>& calls;

        const Leaf& leaf(int node) const { return leaves[static_cast<size_t>(node)]; }
        double value(const Leaf& l) const { return values[static_cast<size_t>(l.value)]; }
        const Builtin* builtin(const Node& call) const { return calls[static_cast<size_t>(call.ref)]; }
    };

    NumericProgram();
    ~NumericProgram();
    NumericProgram(NumericProgram&&) noexcept;
    NumericProgram& operator=(NumericProgram&&) noexcept;

    bool empty() const { return code_.empty(); }
    // Whether the program runs as machine code rather than on the machine
    // below (which is always there as the portable way).
    bool hasMachineCode() const { return machine_ != nullptr; }
    // The machine code's entry point, or null.
    const MachineCode* machineCode() const { return machine_.get(); }

    // Compiles the tree.
    void emitTree(const Plan& plan);
    // Translates the program to machine code where the processor allows,
    // once. Worth it for forms evaluated many times: a translation costs
    // about as much as a few thousand runs of a short form.
    void translate() const;

    // Runs the program. Returns false when the careful evaluation must
    // decide (an infinity or a NaN appeared, or a function failed).
    bool run(BuiltinContext& ctx, const double* slotValues, double& out) const;

    int instructionCount() const { return static_cast<int>(code_.size()); }

private:
    void emitNode(const Plan& p, int node);
    void emitChain(const Plan& p, int top);
    void emitBinary(const Plan& p, const Node& n);
    bool emitConstantLeft(const Plan& p, const Node& n);
    void emitRightOperand(const Plan& p, const Node& n);
    bool emitSinCos(const Plan& p, int node);
    void push(Instr in) { code_.push_back(in); }
    void finish();

    std::vector<Instr> code_;
    int maxStack_ = 0;
    // Per slot: bit 0 sin seen, bit 1 cos seen, bit 2 both already computed.
    int sinCos_[2] = {0, 0};
    // The translation is a cache of the program, made on demand.
    mutable std::unique_ptr<MachineCode> machine_;
    mutable bool translated_ = false;
    // Runs on the machine below while the translation is not executable.
    static constexpr unsigned kRunsBeforeSealing = 64;
    mutable unsigned coldRuns_ = 0;
};

}  // namespace qv
