#include "calculus/point_derivative.h"

#include <cmath>

#include "expression/derivatives.h"
#include "expression/number_text.h"
#include "expression/user_text.h"

namespace qv {

namespace {

PointDerivativeMessage notFound(bool second) {
    return {false, userText("qv::Texts", "Quorvanta  -  Data Error!"),
            second ? userText("qv::Texts", "Second derivative cannot be found at requested point.")
                   : userText("qv::Texts", "Derivative cannot be found at requested point.")};
}

}  // namespace

PointDerivativeMessage emptyBoxMessage(bool second) {
    return {false, userText("qv::Texts", "Quorvanta  -  Data error!"),
            second ? userText("qv::Texts", "Please enter a value at which the second derivative should be calculated.")
                   : userText("qv::Texts", "Please enter a value at which the derivative should be calculated.")};
}

PointDerivativeMessage pointDerivative(Evaluator& evaluator, const std::string& zForm, const std::string& x,
                                       const std::string& y, bool second) {
    const EvalResult zr = evaluator.eval(zForm);
    if (zr.failed()) return notFound(second);
    const NumResult zn = toArithmetic(zr.value);
    if (zn.failed()) return notFound(second);
    const double z = zn.value;
    int16_t evalError = 0;
    const BoundForm fx = evaluator.bind(x);
    const BoundForm fy = evaluator.bind(y);
    const double dx = Derive(fx, z, evalError);
    const double top = second ? Double_Derivative(fy, z, evalError) : Derive(fy, z, evalError);
    const double bottom = second ? dx * dx : dx;
    const double value = top / bottom;
    if (evalError != 0 || bottom == 0 || !std::isfinite(value)) return notFound(second);
    const std::string text =
        (second ? userText("qv::Texts", "Second derivative at z =") : userText("qv::Texts", "Derivative at z =")) +
        strText(z) + " :\r\n\r\n" + std::string(13, ' ') + strText(roundHalfEven(value, 9));
    return {true,
            second ? userText("qv::Texts", "Quorvanta  -  Second Derivative")
                   : userText("qv::Texts", "Quorvanta  -  Derivative"),
            text};
}

}  // namespace qv
