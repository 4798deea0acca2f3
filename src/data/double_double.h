#pragma once

// Double-double numbers for the sums of the curve fits and the correlation:
// hi + lo with |lo| at most half an ulp of hi, about 106 bits. The
// operations are the classic error-free transformations (Dekker, Knuth);
// -ffp-contract=off keeps the compiler from fusing them.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace qv::dd {

struct DD {
    double hi = 0.0;
    double lo = 0.0;
};

inline DD twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

inline DD quickTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Splits a into two halves of 26 bits each; beyond 2^996 the splitter would
// overflow, so such values are split at a smaller scale.
inline void split(double a, double& hi, double& lo) {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    constexpr double kBig = 0x1p996;
    if (std::fabs(a) > kBig) {
        const double s = a * 0x1p-28;
        const double t = kSplitter * s;
        hi = (t - (t - s)) * 0x1p28;
        lo = (s - (t - (t - s))) * 0x1p28;
        return;
    }
    const double t = kSplitter * a;
    hi = t - (t - a);
    lo = a - hi;
}

inline DD twoProduct(double a, double b) {
    const double p = a * b;
    double ah = 0, al = 0, bh = 0, bl = 0;
    split(a, ah, al);
    split(b, bh, bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

inline DD operator+(DD a, DD b) {
    DD s = twoSum(a.hi, b.hi);
    const DD t = twoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = quickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return quickTwoSum(s.hi, s.lo);
}

inline DD operator-(DD a) { return {-a.hi, -a.lo}; }
inline DD operator-(DD a, DD b) { return a + -b; }

inline DD operator*(DD a, DD b) {
    DD p = twoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return quickTwoSum(p.hi, p.lo);
}

inline DD operator*(DD a, double b) {
    DD p = twoProduct(a.hi, b);
    p.lo += a.lo * b;
    return quickTwoSum(p.hi, p.lo);
}

inline DD operator/(DD a, DD b) {
    const double q1 = a.hi / b.hi;
    DD r = a - b * q1;
    const double q2 = r.hi / b.hi;
    r = r - b * q2;
    const double q3 = r.hi / b.hi;
    return quickTwoSum(q1, q2) + DD{q3, 0.0};
}

// A plain double sum that carries its rounding errors along (Neumaier), for
// sums of squares that need no more than a double's digits in the end.
class CompensatedSum {
public:
    void add(double v) {
        const double t = sum_ + v;
        compensation_ += std::fabs(sum_) >= std::fabs(v) ? (sum_ - t) + v : (v - t) + sum_;
        sum_ = t;
    }
    double value() const { return sum_ + compensation_; }

private:
    double sum_ = 0.0;
    double compensation_ = 0.0;
};

// The exact sum of doubles, kept as non-overlapping partial sums
// (Shewchuk's algorithm, as Python's math.fsum): no digit of any term is
// lost, whatever the order or the cancellation. value() is the sum
// correctly rounded to a double.
class ExactSum {
public:
    void add(double x) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < partials_.size(); ++i) {
            double y = partials_[i];
            if (std::fabs(x) < std::fabs(y)) std::swap(x, y);
            const double hi = x + y;
            const double lo = y - (hi - x);
            if (lo != 0.0) partials_[kept++] = lo;
            x = hi;
        }
        partials_.resize(kept);
        partials_.push_back(x);
        if (!std::isfinite(x)) finite_ = false;
    }

    // False once a partial sum overflowed: the sum has no value then.
    bool finite() const { return finite_; }

    double value() const {
        if (partials_.empty()) return 0.0;
        std::size_t n = partials_.size() - 1;
        double hi = partials_[n];
        double lo = 0.0;
        while (n > 0) {
            const double x = hi;
            const double y = partials_[--n];
            hi = x + y;
            lo = y - (hi - x);
            if (lo != 0.0) break;
        }
        // Half-way cases: the partials below decide the direction.
        if (n > 0 && ((lo < 0.0 && partials_[n - 1] < 0.0) || (lo > 0.0 && partials_[n - 1] > 0.0))) {
            const double y = lo * 2.0;
            const double x = hi + y;
            if (y == x - hi) hi = x;
        }
        return hi;
    }

    // The sum to about 106 bits, for what is computed from it.
    DD dd() const {
        DD s;
        for (const double p : partials_) s = s + DD{p, 0.0};
        return s;
    }

private:
    std::vector<double> partials_;
    bool finite_ = true;
};

// Σ (v - mean)² about the exact mean of the values, whose exact sum is
// `sum`. Taken about a double m near the mean, where every deviation v - m
// is exact, and corrected by (S - n·m)²/n, the part of the spread that m
// leaves out: so values that are all equal give exactly 0, and values that
// differ only in their last digits keep those digits.
inline DD sumOfSquaredDeviations(std::span<const double> values, const ExactSum& sum) {
    const double n = static_cast<double>(values.size());
    if (values.empty()) return {};
    // Equal values have no spread, whatever m the division gives.
    if (std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); })) return {};
    const double m = (sum.dd() / DD{n, 0.0}).hi;
    DD squares;
    for (const double v : values) {
        const DD d = twoSum(v, -m);
        squares = squares + d * d;
    }
    ExactSum offset = sum;
    const DD nm = twoProduct(n, m);
    offset.add(-nm.hi);
    offset.add(-nm.lo);
    const DD e = offset.dd();
    if (e.hi == 0.0) return squares;
    // Never below 0, which the exact value cannot be either.
    const DD spread = squares - e * e / DD{n, 0.0};
    return spread.hi < 0.0 ? DD{} : spread;
}

// a·2^e, exact while it stays a normal double.
inline DD scaled(DD a, int e) { return {std::ldexp(a.hi, e), std::ldexp(a.lo, e)}; }

// The nearest double, times 2^e.
inline double rounded(DD a, int e = 0) { return std::ldexp(a.hi + a.lo, e); }

}  // namespace qv::dd
