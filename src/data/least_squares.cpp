#include "data/least_squares.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "data/double_double.h"

namespace qv {

namespace {

using dd::DD;
using dd::rounded;
using dd::scaled;
using dd::twoProduct;
using dd::twoSum;

// Scales are powers of two inside this range, so their factors and the
// scaled data stay normal doubles.
constexpr int kMaxScale = 1000;

// What the double-double solve leaves of a coefficient that is exactly 0,
// relative to the largest coefficient in the frame, with room to spare.
constexpr double kRoundOff = 0x1p-90;

// The data in the frame the fit works in: t = (x - centre)·2^-xScale, the
// difference taken exactly, and v = y·2^-yScale, so every t is at most about
// 1 and every v at most 1, and no sum of powers can overflow.
struct Frame {
    double centre = 0.0;
    int xScale = 0;
    int yScale = 0;
};

// The exponent of a power of two at or above |v| (0 for 0), kept in range.
int scaleOf(double v) {
    int e = 0;
    (void)std::frexp(v, &e);
    return std::clamp(e, -kMaxScale, kMaxScale);
}

// Whether the x hold at least `need` different values.
bool distinctAtLeast(std::span<const double> x, int need) {
    std::array<double, 4> seen{};
    int count = 0;
    for (const double v : x) {
        if (std::find(seen.begin(), seen.begin() + count, v) != seen.begin() + count) continue;
        seen[static_cast<std::size_t>(count++)] = v;
        if (count >= need) return true;
    }
    return false;
}

std::optional<Frame> frameOf(std::span<const double> x, std::span<const double> y) {
    double lowest = x[0], highest = x[0], largest = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return std::nullopt;
        lowest = std::min(lowest, x[i]);
        highest = std::max(highest, x[i]);
        largest = std::max(largest, std::fabs(y[i]));
    }
    Frame f;
    f.centre = 0.5 * lowest + 0.5 * highest;
    const double reach = std::max(highest - f.centre, f.centre - lowest);
    if (!std::isfinite(reach)) return std::nullopt;
    f.xScale = scaleOf(reach);
    f.yScale = scaleOf(largest);
    return f;
}

// The least-squares coefficients in the frame, lowest power first.
struct FrameFit {
    Frame frame;
    int degree = 1;
    std::array<DD, 4> a{};
};

// Solves the (degree + 1)-square normal equations by elimination with
// partial pivoting. In the frame they are well conditioned, and the sums are
// exact to about 30 digits.
bool solve(std::array<std::array<DD, 5>, 4>& m, int size, std::array<DD, 4>& out) {
    for (int col = 0; col < size; ++col) {
        int pivot = col;
        for (int row = col + 1; row < size; ++row) {
            if (std::fabs(m[row][col].hi) > std::fabs(m[pivot][col].hi)) pivot = row;
        }
        if (m[pivot][col].hi == 0.0) return false;
        std::swap(m[col], m[pivot]);
        for (int row = col + 1; row < size; ++row) {
            const DD factor = m[row][col] / m[col][col];
            for (int k = col; k <= size; ++k) m[row][k] = m[row][k] - factor * m[col][k];
        }
    }
    for (int row = size - 1; row >= 0; --row) {
        DD sum = m[row][size];
        for (int k = row + 1; k < size; ++k) sum = sum - m[row][k] * out[k];
        out[row] = sum / m[row][row];
    }
    return true;
}

std::optional<FrameFit> fitInFrame(std::span<const double> x, std::span<const double> y, int degree) {
    const std::size_t n = x.size();
    if (degree < 1 || degree > 3 || n != y.size() || n < static_cast<std::size_t>(degree) + 1) return std::nullopt;
    const std::optional<Frame> frame = frameOf(x, y);
    if (!frame || !distinctAtLeast(x, degree + 1)) return std::nullopt;
    const double xFactor = std::ldexp(1.0, -frame->xScale);
    const double yFactor = std::ldexp(1.0, -frame->yScale);
    // Sums of t^k (k = 1 .. 2·degree) and of t^k·v (k = 0 .. degree).
    std::array<DD, 7> powers{};
    std::array<DD, 4> moments{};
    for (std::size_t i = 0; i < n; ++i) {
        DD t = twoSum(x[i], -frame->centre);
        t = {t.hi * xFactor, t.lo * xFactor};
        const double v = y[i] * yFactor;
        moments[0] = moments[0] + DD{v, 0.0};
        DD p = t;
        for (int k = 1; k <= 2 * degree; ++k) {
            if (k > 1) p = p * t;
            powers[static_cast<std::size_t>(k)] = powers[static_cast<std::size_t>(k)] + p;
            if (k <= degree) moments[static_cast<std::size_t>(k)] = moments[static_cast<std::size_t>(k)] + p * v;
        }
    }
    powers[0] = {static_cast<double>(n), 0.0};
    std::array<std::array<DD, 5>, 4> m{};
    for (int j = 0; j <= degree; ++j) {
        for (int k = 0; k <= degree; ++k) m[j][k] = powers[static_cast<std::size_t>(j + k)];
        m[j][degree + 1] = moments[static_cast<std::size_t>(j)];
    }
    FrameFit fit{*frame, degree, {}};
    if (!solve(m, degree + 1, fit.a)) return std::nullopt;
    return fit;
}

}  // namespace

std::optional<PolynomialFit> fitPolynomial(std::span<const double> x, std::span<const double> y, int degree) {
    const std::optional<FrameFit> fit = fitInFrame(x, y, degree);
    if (!fit) return std::nullopt;
    // p(x) = 2^yScale · Σ a_k·u^k with u = (x - centre)·2^-xScale. With
    // w = -centre·2^-xScale (exact), the power j of x has the coefficient
    // 2^(yScale - j·xScale) · Σ_{k >= j} C(k, j)·a_k·w^(k-j).
    const Frame& f = fit->frame;
    const double w = std::ldexp(-f.centre, -f.xScale);
    const std::array<DD, 4> wPowers = {DD{1.0, 0.0}, DD{w, 0.0}, twoProduct(w, w), twoProduct(w, w) * w};
    constexpr int kBinomial[4][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 2, 1, 0}, {1, 3, 3, 1}};
    // A coefficient that is 0 in the exact solution comes out of the solve
    // as round-off of about 2^-100 of the fit's scale; it is shown as 0,
    // not as a number like 1E-31 that no data could tell from 0.
    double largest = 0.0;
    for (int k = 0; k <= degree; ++k) largest = std::max(largest, std::fabs(fit->a[static_cast<std::size_t>(k)].hi));
    PolynomialFit out;
    out.degree = degree;
    for (int j = 0; j <= degree; ++j) {
        DD sum;
        double reach = 0.0;
        for (int k = j; k <= degree; ++k) {
            const double weight = static_cast<double>(kBinomial[k][j]);
            sum = sum + fit->a[static_cast<std::size_t>(k)] * wPowers[static_cast<std::size_t>(k - j)] * weight;
            reach += largest * std::fabs(wPowers[static_cast<std::size_t>(k - j)].hi) * weight;
        }
        if (std::fabs(sum.hi) <= reach * kRoundOff) sum = DD{};
        const double c = rounded(sum, f.yScale - j * f.xScale);
        if (!std::isfinite(c)) return std::nullopt;
        out.power[static_cast<std::size_t>(j)] = c;
    }
    return out;
}

std::optional<VertexForm> fitVertexForm(std::span<const double> x, std::span<const double> y) {
    const std::optional<FrameFit> fit = fitInFrame(x, y, 2);
    if (!fit || fit->a[2].hi == 0.0) return std::nullopt;
    // In the frame: a2·u² + a1·u + a0 = a2·(u + a1/(2·a2))² + a0 - a1²/(4·a2),
    // and u + a1/(2·a2) = (x - centre + 2^xScale·a1/(2·a2))·2^-xScale.
    const Frame& f = fit->frame;
    const DD a0 = fit->a[0], a1 = fit->a[1], a2 = fit->a[2];
    const DD half = a1 / (a2 * 2.0);
    VertexForm v;
    v.c = rounded(a2, f.yScale - 2 * f.xScale);
    v.shift = rounded(scaled(half, f.xScale) - DD{f.centre, 0.0}, 0);
    v.height = rounded(a0 - half * a1 * 0.5, f.yScale);
    if (!std::isfinite(v.c) || v.c == 0.0 || !std::isfinite(v.shift) || !std::isfinite(v.height)) return std::nullopt;
    return v;
}

}  // namespace qv
