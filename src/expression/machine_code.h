#pragma once

#include <memory>
#include <vector>

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
    // executable memory) or the program is too deep for the registers.
    static std::unique_ptr<MachineCode> translate(const std::vector<NumericProgram::Instr>& code);

    ~MachineCode();
    MachineCode(const MachineCode&) = delete;
    MachineCode& operator=(const MachineCode&) = delete;

    Result run(const double* slotValues, BuiltinContext* ctx) const;
    // The code's entry point, for callers that keep it (valid while this
    // object lives).
    Entry entry() const { return reinterpret_cast<Entry>(memory_); }
    size_t size() const { return size_; }

private:
    MachineCode(void* memory, size_t size) : memory_(memory), size_(size) {}
    void* memory_;
    size_t size_;
};

}  // namespace qv
