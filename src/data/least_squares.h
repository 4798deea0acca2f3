#pragma once

// Least-squares polynomials of degree 1 to 3, for the curve fits.
//
// Data often sits far from zero (years 1950..2020, calibration readings from
// 1E5 to 3E6, values around 1E-6). Sums of raw powers of such x lose almost
// every digit to cancellation, so the fit works about the middle of the data
// in a power-of-two scale, which is exact, and carries every sum, the solve
// and the expansion back to powers of x in double-double arithmetic (about
// 32 digits). The coefficients come out as the doubles nearest the exact
// least-squares solution, except where the data make even that solution
// hang on the last bits of the input.

#include <array>
#include <optional>
#include <span>

namespace qv {

// p(x) = power[0] + power[1]·x + ... + power[degree]·x^degree.
struct PolynomialFit {
    int degree = 1;
    std::array<double, 4> power{};
};

// The least-squares polynomial of the given degree (1, 2 or 3) through the
// points (x[i], y[i]). None when the points do not determine one (fewer
// distinct x than coefficients, unequal spans, a value that is not finite)
// or a coefficient is not a finite double.
std::optional<PolynomialFit> fitPolynomial(std::span<const double> x, std::span<const double> y, int degree);

// The least-squares quadratic written as c·(x + shift)² + height, the form a
// Gaussian starts from. Computed about the middle of the data, so shift and
// height keep their digits where the powers of x would cancel. None as for
// fitPolynomial, and when c is 0 (a straight line has no vertex).
struct VertexForm {
    double c = 0.0;
    double shift = 0.0;
    double height = 0.0;
};
std::optional<VertexForm> fitVertexForm(std::span<const double> x, std::span<const double> y);

}  // namespace qv
