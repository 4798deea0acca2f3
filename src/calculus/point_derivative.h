#pragma once

#include <string>

#include "expression/evaluator.h"
#include "expression/user_text.h"

// "Evaluate Derivative" and "Evaluate Second Derivative": the derivative of
// the current function at a typed z, as the message the command shows.
namespace qv {

struct PointDerivativeMessage {
    bool found = false;
    std::string title;
    std::string text;
};

// `zForm` is the z box's text in evaluation form (every "A" already
// replaced); `x` and `y` the functions' evaluation forms. A derivative built
// on a failed inner evaluation is reported as not found, like a dx of 0.
PointDerivativeMessage pointDerivative(Evaluator& evaluator, const std::string& zForm, const std::string& x,
                                       const std::string& y, bool second);

// The request shown when the z box is empty.
PointDerivativeMessage emptyBoxMessage(bool second);

inline constexpr const char* kEnterNumberHere = QV_TR("qv::Texts", "Enter number here!");

}  // namespace qv
