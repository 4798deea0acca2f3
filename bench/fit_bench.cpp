// Speed of "Create Fit" beside the same fit written as plain native C++.
// Prints one line per case:
//   fit CASE: ours X us native Y us ratio R
//
// Ours is the whole command on the list's item texts: every item read, the
// least-squares fit, and the correlation of the written expression through
// the evaluator (for the Gaussian, the correlation of every trial of the
// search). The native side parses the same texts with std::from_chars, calls
// the same least-squares routine, and computes every R² with the model
// written as a C++ function of the coefficients the expression shows, so the
// Gaussian search makes the very same trials. Before anything is timed both
// sides must reach the same expression and the same correlation.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "data/double_double.h"
#include "data/fits.h"
#include "document/data_columns.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"

namespace {

using qv::FitCoefficients;
using qv::FitType;

constexpr double kE = 2.718281828459045;  // the evaluator's e
constexpr double kMinimumSeconds = 0.3;   // each side is timed at least this long
constexpr int kMinimumRuns = 3;

volatile double g_fitSink = 0.0;

[[noreturn]] void die(const std::string& message) {
    std::fprintf(stderr, "fit_bench: %s\n", message.c_str());
    std::fflush(stdout);
    std::exit(1);
}

struct FitCase {
    const char* name;
    FitType type;
    int points;
};

// Noisy samples of a curve of the type, with x over the years 1900..2100 for
// the polynomials and about a peak for the Gaussian. The noise comes from a
// fixed linear congruential sequence, so every run fits the same data.
qv::DataColumns caseData(const FitCase& c) {
    std::vector<std::string> xs, ys;
    unsigned state = 2024;
    for (int i = 0; i < c.points; ++i) {
        state = state * 1103515245u + 12345u;
        const double noise = static_cast<double>((state >> 8) % 2001) / 1000.0 - 1.0;
        const double t = static_cast<double>(i) / (c.points - 1);
        double x = 0, y = 0;
        switch (c.type) {
        case FitType::Linear:
            x = 1900 + 200 * t;
            y = 3.5 * x - 6000 + 20 * noise;
            break;
        case FitType::Cubic:
            x = 1900 + 200 * t;
            y = 0.002 * std::pow(x - 2000, 3) - 0.5 * (x - 2000) * (x - 2000) + 40 * noise;
            break;
        default:
            x = -4 + 8 * t;
            y = 5 * std::exp(-0.3 * (x - 0.7) * (x - 0.7)) * (1 + 0.05 * noise);
            break;
        }
        xs.push_back(qv::strText(x));
        ys.push_back(qv::strText(y));
    }
    qv::DataColumns columns;
    columns.assign(qv::kXData, std::move(xs));
    columns.assign(qv::kYData1, std::move(ys));
    columns.select(qv::kYData1);
    return columns;
}

// ---- native side ----

double parse(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && *begin == ' ') ++begin;
    double v = 0;
    if (std::from_chars(begin, end, v).ec != std::errc()) die("cannot parse " + text);
    return v;
}

// The model as the expression writes it, at the coefficients it shows.
double model(const FitCoefficients& f, double z) {
    const auto& v = f.values;
    switch (f.type) {
    case FitType::Linear: return v[0] * z + v[1];
    case FitType::Cubic: return v[0] * std::pow(z, 3) + v[1] * std::pow(z, 2) + v[2] * z + v[3];
    default: return v[0] * std::pow(kE, v[1] * std::pow(v[2] + z, 2));
    }
}

FitCoefficients shownValues(FitCoefficients f) {
    for (double& v : f.values) v = qv::plainTextValue(v);
    return f;
}

// R² with the same sums as the command: SST about the exact mean, SSE in
// double-double.
class NativeCorrelation {
public:
    NativeCorrelation(const std::vector<double>& x, const std::vector<double>& y) : x_(x), y_(y) {
        qv::dd::ExactSum total;
        for (const double v : y) total.add(v);
        sst_ = qv::dd::sumOfSquaredDeviations(y, total);
    }

    std::optional<double> rSquared(const FitCoefficients& shown) const {
        qv::dd::DD sse;
        for (std::size_t i = 0; i < x_.size(); ++i) {
            const qv::dd::DD d = qv::dd::twoSum(y_[i], -model(shown, x_[i]));
            sse = sse + d * d;
        }
        if (sst_.hi == 0.0 || !std::isfinite(sse.hi) || !std::isfinite(sst_.hi)) return std::nullopt;
        const double r = qv::dd::rounded(qv::dd::DD{1.0, 0.0} - sse / sst_);
        if (!std::isfinite(r)) return std::nullopt;
        return r;
    }

private:
    const std::vector<double>& x_;
    const std::vector<double>& y_;
    qv::dd::DD sst_;
};

struct NativeResult {
    std::string expression;
    double r2 = 0;
};

NativeResult nativeFit(FitType type, const qv::DataColumns& columns) {
    const std::vector<std::string>& xs = columns.column(qv::kXData);
    const std::vector<std::string>& ys = columns.selectedColumn();
    std::vector<double> x(xs.size()), y(ys.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        x[i] = parse(xs[i]);
        y[i] = parse(ys[i]);
    }
    std::optional<FitCoefficients> fit = qv::fitCoefficients(type, x, y);
    if (!fit) die("the native fit failed");
    const NativeCorrelation correlation(x, y);
    if (type == FitType::Gaussian) {
        // The centre moves by 1% of the x spread, as in the command.
        const auto [low, high] = std::minmax_element(x.begin(), x.end());
        const qv::GaussianSearch s = qv::searchGaussian(
            *fit, (*high - *low) / 100,
            [&](const std::string&, const FitCoefficients& shown) { return correlation.rSquared(shown); }, {});
        if (s.end != qv::GaussianSearch::End::Done) die("the native search failed");
        fit = s.fit;
    }
    const std::optional<double> r = correlation.rSquared(shownValues(*fit));
    if (!r) die("the native correlation failed");
    return {qv::fitExpression(*fit), *r};
}

// ---- our side ----

class Harness {
public:
    Harness() : math_(rng_), evaluator_(math_, rng_) { evaluator_.setUp(); }

    qv::FitOutcome fit(FitType type, const qv::DataColumns& columns) {
        return qv::createFit(type, columns, "", rewrite_, evaluator_);
    }

private:
    qv::RandomSource rng_{12345};
    qv::MathLibrary math_;
    qv::Evaluator evaluator_;
    qv::RewriteContext rewrite_;
};

using Clock = std::chrono::steady_clock;

// The fastest of several runs, each at least a few, for kMinimumSeconds.
template <typename Run>
double fastestUs(Run&& run) {
    double best = INFINITY;
    const Clock::time_point begin = Clock::now();
    for (int n = 0; n < kMinimumRuns || std::chrono::duration<double>(Clock::now() - begin).count() < kMinimumSeconds;
         ++n) {
        const Clock::time_point start = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace

void printFitSummary() {
    Harness harness;
    const FitCase cases[] = {
        {"linear-1000", FitType::Linear, 1000},     {"linear-32767", FitType::Linear, 32767},
        {"cubic-1000", FitType::Cubic, 1000},       {"cubic-32767", FitType::Cubic, 32767},
        {"gaussian-1000", FitType::Gaussian, 1000}, {"gaussian-32767", FitType::Gaussian, 32767},
    };
    for (const FitCase& c : cases) {
        const qv::DataColumns columns = caseData(c);
        const qv::FitOutcome ours = harness.fit(c.type, columns);
        const NativeResult native = nativeFit(c.type, columns);
        const std::string nativeLabel = qv::kCorrelationPrefix + qv::strText(native.r2);
        if (ours.message || ours.entryText != native.expression || ours.label != nativeLabel) {
            die(std::string(c.name) + ": ours wrote " + ours.entryText.value_or("nothing") + " (" + ours.label +
                "), native " + native.expression + " (" + nativeLabel + ")");
        }
        const double oursUs = fastestUs([&] { g_fitSink = g_fitSink + harness.fit(c.type, columns).label.size(); });
        const double nativeUs = fastestUs([&] { g_fitSink = g_fitSink + nativeFit(c.type, columns).r2; });
        std::printf("fit %s: ours %.1f us native %.1f us ratio %.2f\n", c.name, oursUs, nativeUs, oursUs / nativeUs);
        std::fflush(stdout);
    }
}
