#pragma once

#include <memory>
#include <vector>

#include "expression/code_arena.h"
#include "expression/numeric_program.h"

// Calls into generated code carry no type signature for clang's function
// sanitizer to check; functions making them opt out of that one check.
#if defined(__clang__)
#define QV_CALLS_MACHINE_CODE __attribute__((no_sanitize("function")))
#else
#define QV_CALLS_MACHINE_CODE
#endif

namespace qv {

// A numeric program translated to x86-64 machine code: the accumulator in
// xmm0, the stack of pending operands in xmm2 to xmm13, constants beside the
// code. The translation follows the program instruction by instruction, so
// it computes exactly what the program computes, in the same order.
class MachineCode {
public:
    struct Result {
        double value;
        long ok;  // 0: the careful evaluation must decide
    };
    using Entry = Result (*)(const double* slotValues, BuiltinContext* ctx);

    // Null where machine code is not available (another processor, no
    // memory for code) or the program is too deep for the registers. The
    // code is written but not executable yet (see makeExecutable): binding a
    // form costs no call to the system, and a form evaluated only a few times
    // never needs its code to run.
    static std::unique_ptr<MachineCode> translate(const std::vector<NumericProgram::Instr>& code);

    ~MachineCode();
    MachineCode(const MachineCode&) = delete;
    MachineCode& operator=(const MachineCode&) = delete;

    // Whether the code may run now.
    bool executable() const { return CodeArena::executable(block_); }
    // Makes the code executable, with the code of other forms written beside
    // it. False when the system refuses: the program's own machine runs.
    bool makeExecutable() const { return CodeArena::seal(block_); }

    // Only once executable.
    Result run(const double* slotValues, BuiltinContext* ctx) const;
    // The code's entry point, for callers that keep it (valid while this
    // object lives); null while the code is not executable.
    Entry entry() const { return executable() ? reinterpret_cast<Entry>(block_.code) : nullptr; }

private:
    explicit MachineCode(const CodeArena::Block& block) : block_(block) {}
    CodeArena::Block block_;
};

}  // namespace qv
