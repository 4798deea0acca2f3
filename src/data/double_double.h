#pragma once

// Double-double numbers for the sums of the curve fits and the correlation:
// hi + lo with |lo| at most half an ulp of hi, about 106 bits. The
// operations are the classic error-free transformations (Dekker, Knuth);
// -ffp-contract=off keeps the compiler from fusing them.

#include <cmath>

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

// a·2^e, exact while it stays a normal double.
inline DD scaled(DD a, int e) { return {std::ldexp(a.hi, e), std::ldexp(a.lo, e)}; }

// The nearest double, times 2^e.
inline double rounded(DD a, int e = 0) { return std::ldexp(a.hi + a.lo, e); }

}  // namespace qv::dd
