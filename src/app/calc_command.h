#pragma once

#include <cstdio>

#include "calculator/calculator.h"

namespace qv {

// `quorvanta --calc TEXT [--fraction] [--pi] [--radical] [--ans VALUE]
// [--var NAME=VALUE]...`: evaluates TEXT as "Evaluate" does from the
// calculator's expression box and prints the lines the history box gains,
// one a line without the CR (the question, then the answer lines with their
// prefix), then "ans: " and the new answer. The "ans" message prints
// "error: " and the message on `err`. Returns 0, or 1 when the answer reads
// "Error" or the message was shown.
int runCalcCommand(const CalculatorInput& input, std::FILE* out, std::FILE* err);

}  // namespace qv
