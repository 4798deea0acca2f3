#include "expression/error_names.h"

#include "expression/eval_error.h"

namespace qv {

std::string errorName(int code) {
    switch (code) {
    case kInvalidCall: return "Invalid procedure call or argument";
    case kOverflow: return "Overflow";
    case kDivisionByZero: return "Division by zero";
    case kTypeMismatch: return "Type mismatch";
    case kWrongArgCount: return "Wrong number of arguments";
    case kSyntaxError: return "Syntax error";
    default: return "Error " + std::to_string(code);
    }
}

}  // namespace qv
