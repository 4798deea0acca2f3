#pragma once

#include <cstdint>
#include <string_view>

#include "expression/evaluator.h"

// First, second and third derivatives in z of a form in evaluator syntax,
// by the central difference (f(z-2h) - 8f(z-h) + 8f(z+h) - f(z+2h)) / 12h
// applied once, twice or three times. A failure anywhere gives 0 and sets
// `eval_error` to True (-1); nothing ever clears it here.
namespace qv {

double Derive(const BoundForm& form, double z, int16_t& eval_error);
double Double_Derivative(const BoundForm& form, double z, int16_t& eval_error);
double Triple_Derivative(const BoundForm& form, double z, int16_t& eval_error);

// The four points of the formula at z, worked out once for every form
// derived there (a curve's x and y).
struct DerivativePoints {
    BoundValues at[4];
};
DerivativePoints derivativePoints(double z);
// Derive at the points of derivativePoints(z): the same as Derive(form, z).
double Derive(const BoundForm& form, const DerivativePoints& points, int16_t& eval_error);

// The same for a text: every "z" of it stands for the point.
double Derive(Evaluator& evaluator, std::string_view form, double z, int16_t& eval_error);
double Double_Derivative(Evaluator& evaluator, std::string_view form, double z, int16_t& eval_error);
double Triple_Derivative(Evaluator& evaluator, std::string_view form, double z, int16_t& eval_error);

}  // namespace qv
