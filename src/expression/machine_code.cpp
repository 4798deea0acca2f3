#include "expression/machine_code.h"

#include <cstdint>
#include <cstring>
#include <math.h>

#include "expression/operations.h"

#if defined(__x86_64__) && defined(__linux__)
#define QV_MACHINE_CODE 1
#endif

namespace qv {

#if QV_MACHINE_CODE

namespace {

using Op = NumericProgram::Op;
using Instr = NumericProgram::Instr;

// Registers by their encoding numbers.
enum Gpr : int { RAX = 0, RCX = 1, RDX = 2, RBX = 3, RSP = 4, RSI = 6, RDI = 7, R12 = 12, R13 = 13 };
constexpr int kAcc = 0;     // xmm0
constexpr int kTemp = 1;    // xmm1, also the second argument of a call
constexpr int kFirstStack = 2;
constexpr int kStackRegisters = 12;  // xmm2 .. xmm13
constexpr int kSpill = 8 * kStackRegisters;  // pending operands wait here during calls
constexpr int kCells = kSpill;                // then sin and cos of slot 0 and of slot 1
constexpr int kFrameBase = kSpill + 32;
constexpr size_t kMaxInstructions = 20000;

double powKernel(double a, double b) { return rawPow(a, b); }

// The two values at once, exactly as sin and cos give them.
void computeSinCos(double x, double* s, double* c) {
    ::sincos(x, s, c);
}

class Assembler {
public:
    std::vector<uint8_t> code;

    void byte(int b) { code.push_back(static_cast<uint8_t>(b)); }
    void u32(uint32_t v) { for (int i = 0; i < 4; ++i) byte((v >> (8 * i)) & 0xFF); }
    void u64(uint64_t v) { for (int i = 0; i < 8; ++i) byte((v >> (8 * i)) & 0xFF); }

    // An SSE instruction on two xmm registers: [prefix] [REX] 0F op modrm.
    void sseRR(int prefix, int op, int reg, int rm) {
        byte(prefix);
        if (reg >= 8 || rm >= 8) byte(0x40 | (reg >= 8 ? 4 : 0) | (rm >= 8 ? 1 : 0));
        byte(0x0F);
        byte(op);
        byte(0xC0 | ((reg & 7) << 3) | (rm & 7));
    }
    // The same with a memory operand [base + disp32].
    void sseRM(int prefix, int op, int reg, int base, int32_t disp) {
        byte(prefix);
        if (reg >= 8 || base >= 8) byte(0x40 | (reg >= 8 ? 4 : 0) | (base >= 8 ? 1 : 0));
        byte(0x0F);
        byte(op);
        byte(0x80 | ((reg & 7) << 3) | (base & 7));
        if ((base & 7) == RSP) byte(0x24);
        u32(static_cast<uint32_t>(disp));
    }
    // The same with a constant of the pool, addressed relative to the code.
    void sseConst(int prefix, int op, int reg, int constant) {
        byte(prefix);
        if (reg >= 8) byte(0x44);
        byte(0x0F);
        byte(op);
        byte(((reg & 7) << 3) | 5);
        constFixups.push_back({code.size(), constant});
        u32(0);
    }
    // A conditional jump (0F cc) or jmp (E9) to the failure exit.
    void jumpToFail(int cc) {
        if (cc < 0) {
            byte(0xE9);
        } else {
            byte(0x0F);
            byte(cc);
        }
        failFixups.push_back(code.size());
        u32(0);
    }

    struct ConstFixup {
        size_t at;
        int index;
    };
    std::vector<ConstFixup> constFixups;
    std::vector<size_t> failFixups;
};

// SSE2 scalar-double opcodes (prefix F2) and packed logic (prefix 66).
constexpr int kF2 = 0xF2, k66 = 0x66;
constexpr int MOVSD_LOAD = 0x10, MOVSD_STORE = 0x11, ADDSD = 0x58, MULSD = 0x59, SUBSD = 0x5C, DIVSD = 0x5E;
constexpr int MOVAPD = 0x28, XORPD = 0x57, ANDPD = 0x54, SQRTSD = 0x51;
constexpr int JAE = 0x83, JNZ = 0x85;

class Translator {
public:
    explicit Translator(const std::vector<Instr>& program) : program_(program) {
        // A program that calls nothing needs no frame and no saved
        // registers: it reads the slotValues through rdi and keeps the finiteness
        // bound in rdx.
        leaf_ = true;
        for (const Instr& in : program) {
            switch (in.op) {
            case Op::Pow: case Op::PowK: case Op::KPow: case Op::IntDiv: case Op::Mod: case Op::SinCos:
                leaf_ = false;
                break;
            case Op::Call:
                if (in.builtin->inlined != Builtin::Inline::None) break;
                leaf_ = false;
                if (in.builtin->raw == nullptr) needsContext_ = true;
                break;
            default: break;
            }
        }
        slotBase_ = leaf_ ? RDI : RBX;
        // rsp is 8 past a multiple of 16 on entry; each push moves it by 8,
        // and calls need it on a multiple of 16.
        frame_ = kFrameBase + (needsContext_ ? 8 : 0);
    }

    bool run(std::vector<uint8_t>& out, std::vector<double>& pool) {
        prologue();
        for (const Instr& in : program_) {
            if (!instruction(in)) return false;
        }
        epilogue();
        layout(out, pool);
        return true;
    }

private:
    static int stackReg(int i) { return kFirstStack + i; }

    int constant(double v) {
        pool_.push_back(v);
        return static_cast<int>(pool_.size()) - 1;
    }

    void prologue() {
        signMask_ = constant(-0.0);
        constant(0.0);  // the masks are read as 16 bytes
        double magnitude;
        const uint64_t bits = 0x7FFFFFFFFFFFFFFFull;
        std::memcpy(&magnitude, &bits, 8);
        absMask_ = constant(magnitude);
        constant(0.0);
        double bound;
        std::memcpy(&bound, &kNotFinite, 8);
        bound_ = constant(bound);
        if (leaf_) {
            a_.byte(0x48); a_.byte(0xBA); a_.u64(kNotFinite);  // mov rdx, bound
            return;
        }
        a_.byte(0x53);                                       // push rbx
        if (needsContext_) { a_.byte(0x41); a_.byte(0x54); }  // push r12
        a_.byte(0x48); a_.byte(0x81); a_.byte(0xEC); a_.u32(static_cast<uint32_t>(frame_));  // sub rsp, frame
        a_.byte(0x48); a_.byte(0x89); a_.byte(0xFB);         // mov rbx, rdi (slotValues)
        if (needsContext_) { a_.byte(0x49); a_.byte(0x89); a_.byte(0xF4); }  // mov r12, rsi (context)
    }

    void epilogue() {
        checkFinite(kAcc);
        a_.byte(0xB8); a_.u32(1);  // mov eax, 1
        const size_t toExit = a_.code.size();
        a_.byte(0xEB); a_.byte(0);  // jmp short exit (patched below)
        failAt_ = a_.code.size();
        a_.byte(0x31); a_.byte(0xC0);  // xor eax, eax
        a_.code[toExit + 1] = static_cast<uint8_t>(a_.code.size() - (toExit + 2));
        if (leaf_) {
            a_.byte(0xC3);  // ret
            return;
        }
        a_.byte(0x48); a_.byte(0x81); a_.byte(0xC4); a_.u32(static_cast<uint32_t>(frame_));  // add rsp, frame
        if (needsContext_) { a_.byte(0x41); a_.byte(0x5C); }  // pop r12
        a_.byte(0x5B);                                       // pop rbx
        a_.byte(0xC3);                 // ret
    }

    // Leaves for the careful evaluation when xmm `reg` holds an infinity or a NaN.
    void checkFinite(int reg) {
        // movq rax, xmm; add rax, rax (drops the sign); cmp with the bound; jae fail
        a_.byte(0x66);
        a_.byte(0x48 | (reg >= 8 ? 4 : 0));
        a_.byte(0x0F); a_.byte(0x7E);
        a_.byte(0xC0 | ((reg & 7) << 3) | RAX);
        a_.byte(0x48); a_.byte(0x01); a_.byte(0xC0);
        if (leaf_) {
            a_.byte(0x48); a_.byte(0x39); a_.byte(0xD0);  // cmp rax, rdx
        } else {
            // cmp rax, [bound]: rdx does not survive calls
            a_.byte(0x48); a_.byte(0x3B); a_.byte(0x05);
            a_.constFixups.push_back({a_.code.size(), bound_});
            a_.u32(0);
        }
        a_.jumpToFail(JAE);
    }

    // lea reg, [rsp + disp32]
    void leaRsp(int reg, int disp) {
        a_.byte(0x48);
        a_.byte(0x8D);
        a_.byte(0x84 | ((reg & 7) << 3));
        a_.byte(0x24);
        a_.u32(static_cast<uint32_t>(disp));
    }

    void move(int to, int from) {
        if (to != from) a_.sseRR(k66, MOVAPD, to, from);
    }

    // Pushes the accumulator when it holds a value (the first load has
    // nothing to keep).
    bool pushAcc() {
        if (accLive_) {
            if (depth_ >= kStackRegisters) return false;
            move(stackReg(depth_), kAcc);
            ++depth_;
        }
        accLive_ = true;
        return true;
    }

    int pop() { return stackReg(--depth_); }

    // Calls a kernel (arguments already in xmm0/xmm1); the pending operands
    // live in caller-saved registers, so they wait in the frame meanwhile.
    void call(const void* fn, bool passContext, bool checkError) {
        for (int i = 0; i < depth_; ++i) a_.sseRM(kF2, MOVSD_STORE, stackReg(i), RSP, 8 * i);
        if (passContext) { a_.byte(0x4C); a_.byte(0x89); a_.byte(0xE7); }  // mov rdi, r12
        a_.byte(0x48); a_.byte(0xB8); a_.u64(reinterpret_cast<uint64_t>(fn));  // mov rax, fn
        a_.byte(0xFF); a_.byte(0xD0);  // call rax
        if (checkError) {
            a_.byte(0x85); a_.byte(0xC0);  // test eax, eax
            a_.jumpToFail(JNZ);
        }
        for (int i = 0; i < depth_; ++i) a_.sseRM(kF2, MOVSD_LOAD, stackReg(i), RSP, 8 * i);
    }

    // acc = left op acc, for + - * / with the left operand popped.
    void popArith(int opcode) {
        const int left = pop();
        a_.sseRR(kF2, opcode, left, kAcc);
        move(kAcc, left);
    }

    bool instruction(const Instr& in) {
        switch (in.op) {
        case Op::LoadK:
            if (!pushAcc()) return false;
            a_.sseConst(kF2, MOVSD_LOAD, kAcc, constant(in.k));
            return true;
        case Op::LoadS:
            if (!pushAcc()) return false;
            a_.sseRM(kF2, MOVSD_LOAD, kAcc, slotBase_, 8 * in.slot);
            return true;
        case Op::Neg: a_.sseConst(k66, XORPD, kAcc, signMask_); return true;
        case Op::Add: popArith(ADDSD); return true;
        case Op::Sub: popArith(SUBSD); return true;
        case Op::Mul: popArith(MULSD); return true;
        case Op::Div: checkFinite(kAcc); popArith(DIVSD); return true;
        case Op::AddK: a_.sseConst(kF2, ADDSD, kAcc, constant(in.k)); return true;
        case Op::SubK: a_.sseConst(kF2, SUBSD, kAcc, constant(in.k)); return true;
        case Op::MulK: a_.sseConst(kF2, MULSD, kAcc, constant(in.k)); return true;
        case Op::DivK: a_.sseConst(kF2, DIVSD, kAcc, constant(in.k)); return true;
        case Op::KSub:
        case Op::KDiv:
            if (in.op == Op::KDiv) checkFinite(kAcc);
            a_.sseConst(kF2, MOVSD_LOAD, kTemp, constant(in.k));
            a_.sseRR(kF2, in.op == Op::KSub ? SUBSD : DIVSD, kTemp, kAcc);
            move(kAcc, kTemp);
            return true;
        case Op::AddS: a_.sseRM(kF2, ADDSD, kAcc, slotBase_, 8 * in.slot); return true;
        case Op::SubS: a_.sseRM(kF2, SUBSD, kAcc, slotBase_, 8 * in.slot); return true;
        case Op::MulS: a_.sseRM(kF2, MULSD, kAcc, slotBase_, 8 * in.slot); return true;
        case Op::DivS: a_.sseRM(kF2, DIVSD, kAcc, slotBase_, 8 * in.slot); return true;
        case Op::Sqr: a_.sseRR(kF2, MULSD, kAcc, kAcc); return true;
        case Op::Ret: return true;
        default: return callingInstruction(in);
        }
    }

    // The instructions that call into compiled C++: powers, integer
    // division and remainder, functions, and sin with cos.
    bool callingInstruction(const Instr& in) {
        switch (in.op) {
        case Op::Pow: {
            checkFinite(kAcc);
            const int base = pop();
            checkFinite(base);
            move(kTemp, kAcc);
            move(kAcc, base);
            call(reinterpret_cast<const void*>(&powKernel), false, false);
            return true;
        }
        case Op::PowK:
            checkFinite(kAcc);
            a_.sseConst(kF2, MOVSD_LOAD, kTemp, constant(in.k));
            call(reinterpret_cast<const void*>(&powKernel), false, false);
            return true;
        case Op::KPow:
            checkFinite(kAcc);
            move(kTemp, kAcc);
            a_.sseConst(kF2, MOVSD_LOAD, kAcc, constant(in.k));
            call(reinterpret_cast<const void*>(&powKernel), false, false);
            return true;
        case Op::IntDiv:
        case Op::Mod: {
            const int left = pop();
            move(kTemp, kAcc);
            move(kAcc, left);
            const auto kernel = in.op == Op::IntDiv ? &numIntDiv : &numMod;
            call(reinterpret_cast<const void*>(kernel), false, true);
            return true;
        }
        case Op::Call: functionCall(in); return true;
        case Op::SinCos: return sinCos(in);
        case Op::Cached:
            if (!pushAcc()) return false;
            a_.sseRM(kF2, MOVSD_LOAD, kAcc, RSP, kCells + 16 * in.slot + 8 * static_cast<int>(in.k));
            return true;
        default: return false;
        }
    }

    void functionCall(const Instr& in) {
        if (!in.builtin->keepsNonFinite) checkFinite(kAcc);
        switch (in.builtin->inlined) {
        case Builtin::Inline::Sqrt: a_.sseRR(kF2, SQRTSD, kAcc, kAcc); return;
        case Builtin::Inline::Abs: a_.sseConst(k66, ANDPD, kAcc, absMask_); return;
        case Builtin::Inline::None: break;
        }
        if (in.builtin->raw != nullptr) {
            call(reinterpret_cast<const void*>(in.builtin->raw), false, false);
        } else {
            call(reinterpret_cast<const void*>(in.builtin->unary), true, true);
        }
    }

    bool sinCos(const Instr& in) {
        if (!pushAcc()) return false;
        const int cell = kCells + 16 * in.slot;
        a_.sseRM(kF2, MOVSD_LOAD, kAcc, slotBase_, 8 * in.slot);
        leaRsp(RDI, cell);
        leaRsp(RSI, cell + 8);
        call(reinterpret_cast<const void*>(&computeSinCos), false, false);
        a_.sseRM(kF2, MOVSD_LOAD, kAcc, RSP, cell + 8 * static_cast<int>(in.k));
        return true;
    }

    // Code, then the constants 16-byte aligned; resolves the jumps and the
    // constant addresses.
    void layout(std::vector<uint8_t>& out, std::vector<double>& pool) {
        std::vector<uint8_t>& c = a_.code;
        for (size_t at : a_.failFixups) {
            const auto rel = static_cast<int32_t>(static_cast<int64_t>(failAt_) - static_cast<int64_t>(at + 4));
            std::memcpy(&c[at], &rel, 4);
        }
        const size_t poolStart = (c.size() + 15) & ~size_t{15};
        for (const Assembler::ConstFixup& f : a_.constFixups) {
            const size_t target = poolStart + 8 * static_cast<size_t>(f.index);
            const auto rel = static_cast<int32_t>(static_cast<int64_t>(target) - static_cast<int64_t>(f.at + 4));
            std::memcpy(&c[f.at], &rel, 4);
        }
        c.resize(poolStart, 0xCC);
        out = std::move(c);
        pool = std::move(pool_);
    }

    static constexpr uint64_t kNotFinite = 0xFFE0000000000000ull;  // exponent all ones, shifted

    const std::vector<Instr>& program_;
    bool leaf_ = true;
    int slotBase_ = RBX;
    Assembler a_;
    std::vector<double> pool_;
    int depth_ = 0;
    bool accLive_ = false;
    int signMask_ = 0;
    int absMask_ = 0;
    int bound_ = 0;
    bool needsContext_ = false;
    int frame_ = kFrameBase;
    size_t failAt_ = 0;
};

}  // namespace

std::unique_ptr<MachineCode> MachineCode::translate(const std::vector<Instr>& program) {
    if (program.empty() || program.size() > kMaxInstructions) return nullptr;
    std::vector<uint8_t> code;
    std::vector<double> pool;
    if (!Translator(program).run(code, pool)) return nullptr;
    const CodeArena::Block block = CodeArena::place(code.data(), code.size(), pool.data(), pool.size());
    if (block.chunk == nullptr) return nullptr;
    return std::unique_ptr<MachineCode>(new MachineCode(block));
}

MachineCode::~MachineCode() { CodeArena::release(block_); }

QV_CALLS_MACHINE_CODE
MachineCode::Result MachineCode::run(const double* slotValues, BuiltinContext* ctx) const {
    return reinterpret_cast<Entry>(block_.code)(slotValues, ctx);
}

#else  // no machine code on this platform: the program's own machine runs

std::unique_ptr<MachineCode> MachineCode::translate(const std::vector<NumericProgram::Instr>&) { return nullptr; }
MachineCode::~MachineCode() = default;
MachineCode::Result MachineCode::run(const double*, BuiltinContext*) const { return {0.0, 0}; }

#endif

}  // namespace qv
