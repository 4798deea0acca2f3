#include "expression/error_names.h"

#include "expression/eval_error.h"
#include "expression/user_text.h"

namespace qv {

std::string errorName(int code) {
    switch (code) {
    case kInvalidCall: return userText("qv::Texts", "Invalid procedure call or argument");
    case kOverflow: return userText("qv::Texts", "Overflow");
    case kDivisionByZero: return userText("qv::Texts", "Division by zero");
    case kTypeMismatch: return userText("qv::Texts", "Type mismatch");
    case kWrongArgCount: return userText("qv::Texts", "Wrong number of arguments");
    case kSyntaxError: return userText("qv::Texts", "Syntax error");
    default: return fillIn(userText("qv::Texts", "Error %1"), {std::to_string(code)});
    }
}

}  // namespace qv
