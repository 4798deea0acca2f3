#include "expression/numeric_program.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <math.h>
#include <memory>

#include "expression/machine_code.h"
#include "expression/operations.h"

namespace qv {

namespace {

// An infinity or a NaN never escapes the language. Arithmetic carries them
// along (an infinity stays infinite or turns into a NaN), so checking the
// result at the end catches them, except where an operation can hide one:
// a division by an infinity, a power, or a function (exp of minus infinity
// is 0). Those check their operands on the way in.
inline bool finite(double x) { return std::fabs(x) <= 1.7976931348623157e308; }

// sin and cos together; the C library's sincos gives exactly the values of
// sin and cos (the careful evaluation calls those), at about the price of one.
void computeSinCos(double x, double* cell) {
#if defined(__GLIBC__)
    ::sincos(x, &cell[0], &cell[1]);
#else
    cell[0] = std::sin(x);
    cell[1] = std::cos(x);
#endif
}

using Op = NumericProgram::Op;
using Instr = NumericProgram::Instr;

constexpr int kStackOnFrame = 64;

inline bool integerOp(NumResult (*op)(double, double), double*& sp, double& acc) {
    const NumResult r = op(*--sp, acc);
    acc = r.value;
    return !r.failed();
}

inline bool callFunction(const Instr& in, BuiltinContext& ctx, double& acc) {
    if (!finite(acc)) return false;
    if (in.builtin->raw != nullptr) {
        acc = in.builtin->raw(acc);
        return true;
    }
    const NumResult r = in.builtin->unary(ctx, acc);
    acc = r.value;
    return !r.failed();
}

// The machine: an accumulator and a stack of pending left operands. With a
// null program it returns its dispatch table through `table`.
bool execute(const Instr* ip, BuiltinContext* ctx, const double* slotValues, double* sp,
             double& out, const void* const** table) {
    static const void* const kLabels[] = {
        &&LoadK, &&LoadS, &&Neg, &&Add, &&Sub, &&Mul, &&Div, &&Pow, &&IntDiv, &&Mod,
        &&AddK, &&SubK, &&MulK, &&DivK, &&PowK, &&KSub, &&KDiv, &&KPow,
        &&AddS, &&SubS, &&MulS, &&DivS, &&Sqr, &&Call, &&SinCos, &&Cached, &&Ret,
    };
    if (ip == nullptr) {
        *table = kLabels;
        return true;
    }
    double acc = 0.0;
    double sinCos[4] = {0.0, 0.0, 0.0, 0.0};  // sin and cos of slot 0, of slot 1
#define QV_NEXT goto *(++ip)->label
    goto *ip->label;
LoadK: *sp++ = acc; acc = ip->k; QV_NEXT;
LoadS: *sp++ = acc; acc = slotValues[ip->slot]; QV_NEXT;
Neg: acc = -acc; QV_NEXT;
Add: acc = *--sp + acc; QV_NEXT;
Sub: acc = *--sp - acc; QV_NEXT;
Mul: acc = *--sp * acc; QV_NEXT;
Div: if (!finite(acc)) return false; acc = *--sp / acc; QV_NEXT;
Pow: {
    const double base = *--sp;
    if (!finite(acc) || !finite(base)) return false;
    acc = rawPow(base, acc);
    QV_NEXT;
}
IntDiv: if (!integerOp(&numIntDiv, sp, acc)) return false; QV_NEXT;
Mod: if (!integerOp(&numMod, sp, acc)) return false; QV_NEXT;
AddK: acc = acc + ip->k; QV_NEXT;
SubK: acc = acc - ip->k; QV_NEXT;
MulK: acc = acc * ip->k; QV_NEXT;
DivK: acc = acc / ip->k; QV_NEXT;
PowK: if (!finite(acc)) return false; acc = rawPow(acc, ip->k); QV_NEXT;
KSub: acc = ip->k - acc; QV_NEXT;
KDiv: if (!finite(acc)) return false; acc = ip->k / acc; QV_NEXT;
KPow: if (!finite(acc)) return false; acc = rawPow(ip->k, acc); QV_NEXT;
AddS: acc = acc + slotValues[ip->slot]; QV_NEXT;
SubS: acc = acc - slotValues[ip->slot]; QV_NEXT;
MulS: acc = acc * slotValues[ip->slot]; QV_NEXT;
DivS: acc = acc / slotValues[ip->slot]; QV_NEXT;  // slotValues are finite: others are refused before
Sqr: acc = acc * acc; QV_NEXT;
Call: if (!callFunction(*ip, *ctx, acc)) return false; QV_NEXT;
SinCos: {
    double* cell = &sinCos[2 * ip->slot];
    computeSinCos(slotValues[ip->slot], cell);
    *sp++ = acc;
    acc = cell[static_cast<int>(ip->k)];
    QV_NEXT;
}
Cached:
    *sp++ = acc;
    acc = sinCos[2 * ip->slot + static_cast<int>(ip->k)];
    QV_NEXT;
Ret:
    out = acc;
    return finite(acc);
#undef QV_NEXT
}

const void* const* dispatchTable() {
    static const void* const* table = [] {
        const void* const* t = nullptr;
        double out = 0.0;
        execute(nullptr, nullptr, nullptr, nullptr, out, &t);
        return t;
    }();
    return table;
}

bool commutes(BinaryOp op) { return op == BinaryOp::Add || op == BinaryOp::Mul; }

}  // namespace

void NumericProgram::emitNode(const Plan& p, int node) {
    const Leaf& leaf = p.leaf(node);
    if (leaf.kind == Leaf::Kind::Const) return push({Op::LoadK, 0, {p.value(leaf)}});
    if (leaf.kind == Leaf::Kind::Slot) return push({Op::LoadS, leaf.slot, {}});
    const Node& n = p.ast.nodes[static_cast<size_t>(node)];
    if (n.kind == NodeKind::Unary) {
        emitNode(p, n.lhs);
        if (n.uop == UnaryOp::Neg) push({Op::Neg, 0, {}});
        return;
    }
    if (n.kind == NodeKind::Call) {
        if (emitSinCos(p, node)) return;
        emitNode(p, p.ast.arg(n, 0));
        return push(Instr::call(p.builtin(n)));
    }
    emitChain(p, node);
}

namespace {

// The instruction taking a constant right operand (or a constant left one
// of + and *), or Ret where there is none.
NumericProgram::Op constantOperandOp(BinaryOp op, double k) {
    using Op = NumericProgram::Op;
    switch (op) {
    case BinaryOp::Add: return Op::AddK;
    case BinaryOp::Sub: return Op::SubK;
    case BinaryOp::Mul: return Op::MulK;
    case BinaryOp::Div: return Op::DivK;
    case BinaryOp::Pow: return k == 2.0 ? Op::Sqr : Op::PowK;
    default: return Op::Ret;
    }
}

NumericProgram::Op slotOperandOp(BinaryOp op) {
    using Op = NumericProgram::Op;
    switch (op) {
    case BinaryOp::Add: return Op::AddS;
    case BinaryOp::Sub: return Op::SubS;
    case BinaryOp::Mul: return Op::MulS;
    case BinaryOp::Div: return Op::DivS;
    default: return Op::Ret;
    }
}

NumericProgram::Op stackOperandOp(BinaryOp op) {
    using Op = NumericProgram::Op;
    switch (op) {
    case BinaryOp::Pow: return Op::Pow;
    case BinaryOp::Mul: return Op::Mul;
    case BinaryOp::Div: return Op::Div;
    case BinaryOp::IntDiv: return Op::IntDiv;
    case BinaryOp::Mod: return Op::Mod;
    case BinaryOp::Sub: return Op::Sub;
    default: return Op::Add;
    }
}

}  // namespace

// A chain of operations (1+2+3+..., or any operation whose left operand is
// another) in a loop: the first operation's code, then each later one's
// right operand and instruction, as the nested emission would give them. A
// left operand folded to a constant ends the chain: it is an operand.
void NumericProgram::emitChain(const Plan& p, int top) {
    const std::vector<Node>& nodes = p.ast.nodes;
    std::vector<int> later;  // from the top down
    int first = top;
    for (;;) {
        const int left = nodes[static_cast<size_t>(first)].lhs;
        if (p.leaf(left).kind != Leaf::Kind::None || nodes[static_cast<size_t>(left)].kind != NodeKind::Binary) break;
        later.push_back(first);
        first = left;
    }
    emitBinary(p, nodes[static_cast<size_t>(first)]);
    for (auto it = later.rbegin(); it != later.rend(); ++it) emitRightOperand(p, nodes[static_cast<size_t>(*it)]);
}

// Constants and slotValues become operands of one instruction; a constant left
// operand of + or * may swap sides, since those are exactly commutative and
// constants cannot fail.
void NumericProgram::emitBinary(const Plan& p, const Node& n) {
    if (p.leaf(n.lhs).kind == Leaf::Kind::Const && emitConstantLeft(p, n)) return;
    emitNode(p, n.lhs);
    emitRightOperand(p, n);
}

// The forms that compute the right operand first and take the constant left
// one as the instruction's operand; false where there is none.
bool NumericProgram::emitConstantLeft(const Plan& p, const Node& n) {
    const Leaf& l = p.leaf(n.lhs);
    const Leaf& r = p.leaf(n.rhs);
    const BinaryOp op = n.bop;
    if (r.kind == Leaf::Kind::Const || commutes(op)) {
        const bool right = r.kind == Leaf::Kind::Const;
        const double k = p.value(right ? r : l);
        const Op code = constantOperandOp(op, k);
        if (code != Op::Ret) {
            emitNode(p, right ? n.lhs : n.rhs);
            push({code, 0, {k}});
            return true;
        }
    }
    if (op == BinaryOp::Sub || op == BinaryOp::Div || op == BinaryOp::Pow) {
        emitNode(p, n.rhs);
        const Op code = op == BinaryOp::Sub ? Op::KSub : (op == BinaryOp::Div ? Op::KDiv : Op::KPow);
        push({code, 0, {p.value(l)}});
        return true;
    }
    return false;
}

// With the left operand in the accumulator: the right one as the
// instruction's operand where it is a constant or a slot, else computed
// above it on the stack.
void NumericProgram::emitRightOperand(const Plan& p, const Node& n) {
    const Leaf& r = p.leaf(n.rhs);
    const BinaryOp op = n.bop;
    if (r.kind == Leaf::Kind::Const) {
        const Op code = constantOperandOp(op, p.value(r));
        if (code != Op::Ret) return push({code, 0, {p.value(r)}});
    }
    if (r.kind == Leaf::Kind::Slot && slotOperandOp(op) != Op::Ret) return push({slotOperandOp(op), r.slot, {}});
    emitNode(p, n.rhs);
    push({stackOperandOp(op), 0, {}});
}

NumericProgram::NumericProgram() = default;
NumericProgram::~NumericProgram() = default;
NumericProgram::NumericProgram(NumericProgram&&) noexcept = default;
NumericProgram& NumericProgram::operator=(NumericProgram&&) noexcept = default;

namespace {

// 0 for sin, 1 for cos, -1 otherwise.
int sinCosKind(const Builtin* b) {
    if (b == nullptr) return -1;
    if (std::strcmp(b->name, "sin") == 0) return 0;
    if (std::strcmp(b->name, "cos") == 0) return 1;
    return -1;
}

}  // namespace

// sin and cos of the same slot in one form (2*sin(z)*cos(z)) share one
// computation of both.
bool NumericProgram::emitSinCos(const Plan& p, int node) {
    const Node& n = p.ast.nodes[static_cast<size_t>(node)];
    const int kind = sinCosKind(p.builtin(n));
    const Leaf& arg = p.leaf(p.ast.arg(n, 0));
    if (kind < 0 || arg.kind != Leaf::Kind::Slot) return false;
    int& state = sinCos_[arg.slot];
    if ((state & 3) != 3) return false;
    push({(state & 4) ? Op::Cached : Op::SinCos, arg.slot, {static_cast<double>(kind)}});
    state |= 4;
    return true;
}

void NumericProgram::emitTree(const Plan& p) {
    const Ast& ast = p.ast;
    code_.clear();
    // Each node gives at most one instruction of its own: no copies while a
    // long form is compiled (what is reserved and never written takes no
    // memory).
    code_.reserve(ast.nodes.size() + 1);
    machine_.reset();
    translated_ = false;
    coldRuns_ = 0;
    sinCos_[0] = sinCos_[1] = 0;
    for (size_t i = 0; i < ast.nodes.size(); ++i) {
        const Node& n = ast.nodes[i];
        if (n.kind != NodeKind::Call || ast.argCount(n) != 1) continue;
        const int kind = sinCosKind(p.builtin(n));
        const Leaf& arg = p.leaf(ast.arg(n, 0));
        if (kind >= 0 && arg.kind == Leaf::Kind::Slot) sinCos_[arg.slot] |= 1 << kind;
    }
    emitNode(p, ast.root);
    push({Op::Ret, 0, {}});
    finish();
}

void NumericProgram::translate() const {
    if (translated_ || code_.empty()) return;
    translated_ = true;
    machine_ = MachineCode::translate(code_);
}

void NumericProgram::finish() {
    const void* const* table = dispatchTable();
    int depth = 0;
    maxStack_ = 0;
    for (Instr& in : code_) {
        in.label = table[static_cast<int>(in.op)];
        switch (in.op) {
        case Op::LoadK: case Op::LoadS: case Op::SinCos: case Op::Cached: ++depth; break;
        case Op::Add: case Op::Sub: case Op::Mul: case Op::Div: case Op::Pow:
        case Op::IntDiv: case Op::Mod: --depth; break;
        default: break;
        }
        maxStack_ = std::max(maxStack_, depth);
    }
}

bool NumericProgram::run(BuiltinContext& ctx, const double* slotValues, double& out) const {
    if (machine_) {
        // Sealing the code costs a call to the system, worth it only for a
        // form that keeps being evaluated; until then the machine below runs
        // it, with the same results.
        if (coldRuns_ < kRunsBeforeSealing && ++coldRuns_ == kRunsBeforeSealing) machine_->makeExecutable();
        if (machine_->executable()) {
            const MachineCode::Result r = machine_->run(slotValues, &ctx);
            out = r.value;
            return r.ok != 0;
        }
    }
    double frame[kStackOnFrame];
    std::unique_ptr<double[]> heap;
    double* stack = frame;
    if (maxStack_ >= kStackOnFrame) {
        heap = std::make_unique<double[]>(static_cast<size_t>(maxStack_) + 1);
        stack = heap.get();
    }
    return execute(code_.data(), &ctx, slotValues, stack, out, nullptr);
}

}  // namespace qv
