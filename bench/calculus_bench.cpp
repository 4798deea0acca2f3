// The calculus tools against the same algorithms on native C++ functions:
// the inflection-point search on z^3 - 3z (250 Newton steps with the third
// derivative), the root search on z^2 - 2, and the integral of sin(z)^2 over
// 0..10 with x(z) = z. Prints one line per case:
//   calculus CASE: ours X us native Y us ratio R

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "calculus/definite_integral.h"
#include "calculus/newton_search.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"

namespace {

using Fn = double (*)(double);
using Clock = std::chrono::steady_clock;
constexpr int kRepetitions = 20;

volatile double gSink = 0;

// The difference formula of the program, on a native function. The native
// functions read z as the program's forms do, as the value of its 15-digit
// text (plainTextValue), so both sides round alike.
double nativeDerive(const std::function<double(double)>& f, double z) {
    return (f(z - 0.000912) - 8 * f(z - 0.000456) + 8 * f(z + 0.000456) - f(z + 0.000912)) / 0.005472;
}
double nativeDerive(Fn f, double z) {
    return nativeDerive([f](double p) { return f(qv::plainTextValue(p)); }, z);
}
double nativeDouble(Fn f, double z) {
    return nativeDerive([f](double p) { return nativeDerive(f, p); }, z);
}
double nativeTriple(Fn f, double z) {
    return nativeDerive([f](double p) { return nativeDouble(f, p); }, z);
}

// The same mathematics as the typed expressions, powers through pow as "^".
double cubic(double z) { return std::pow(z, 3) - 3 * z; }
double square(double z) { return std::pow(z, 2) - 2; }
double identity(double z) { return z; }
double sinSquared(double z) { return std::pow(std::sin(z), 2); }
volatile Fn gCubic = cubic;
volatile Fn gSquare = square;
volatile Fn gIdentity = identity;
volatile Fn gSinSquared = sinSquared;

// The inflection search's Newton loop: 250 steps of y''/x' over y'''/x'.
double nativeInflection(double r) {
    const Fn x = gIdentity, y = gCubic;
    double z = r;
    for (int i = 0; i < 250; ++i) {
        const double dx = nativeDerive(x, z);
        const double d = nativeTriple(y, z) / dx;
        if (d == 0) break;
        z -= (nativeDouble(y, z) / dx) / d;
    }
    return z;
}

double nativeRoot(double r) {
    const Fn y = gSquare;
    double z = r;
    for (int i = 0; i < 150; ++i) {
        const double d = nativeDerive(y, z);
        if (d == 0) break;
        z -= y(qv::plainTextValue(z)) / d;
    }
    return z;
}

// Composite Simpson with 1000 subintervals of y(t) * x'(t).
double nativeIntegral(double a, double b) {
    const Fn x = gIdentity, y = gSinSquared;
    const double h = (b - a) / 1000;
    auto g = [&](double t) { return y(qv::plainTextValue(t)) * nativeDerive(x, t); };
    double sum = g(a) + g(b) + 4 * g(b - h);
    for (int i = 1; i <= 499; ++i) sum += 4 * g(a + (2 * i - 1) * h) + 2 * g(a + 2 * i * h);
    return sum * h / 3;
}

template <typename F>
double bestMicroseconds(F f) {
    double best = 1e300;
    for (int i = 0; i < kRepetitions; ++i) {
        const auto t0 = Clock::now();
        gSink = gSink + f();
        const auto t1 = Clock::now();
        best = std::min(best, std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    return best;
}

void line(const char* name, double ours, double native) {
    std::printf("calculus %s: ours %.1f us native %.1f us ratio %.2f\n", name, ours, native, ours / native);
}

}  // namespace

void printCalculusSummary() {
    qv::RandomSource rng(1);
    qv::MathLibrary math(rng);
    qv::Evaluator ev(math, rng);
    ev.setUp();

    // From 1 the search ends within 1E-12 of 0 and passes its test (from
    // some starts the rounding noise of the third differences keeps |y''|
    // just above the tolerance).
    qv::SearchInput inflection{"z", "z^3-3*z", {}, 1.0};
    const qv::SearchResult check = qv::findInflectionPoint(ev, inflection);
    if (!check.found || std::fabs(check.z - nativeInflection(1.0)) > 1e-9) {
        std::fprintf(stderr, "calculus bench: inflection searches disagree\n");
        std::exit(1);
    }
    line("inflection", bestMicroseconds([&] { return qv::findInflectionPoint(ev, inflection).z; }),
         bestMicroseconds([] { return nativeInflection(1.0); }));

    qv::SearchInput root{"z", "z^2-2", {}, 1.0};
    if (std::fabs(qv::findRoot(ev, root).z - nativeRoot(1.0)) > 1e-12) {
        std::fprintf(stderr, "calculus bench: root searches disagree\n");
        std::exit(1);
    }
    line("root", bestMicroseconds([&] { return qv::findRoot(ev, root).z; }),
         bestMicroseconds([] { return nativeRoot(1.0); }));

    qv::IntegralSetup setup;
    setup.status = qv::IntegralStatus::Ready;
    setup.X = "z";
    setup.Y = "sin(z)^2";
    setup.a = 0;
    setup.b = 10;
    int16_t evalError = 0;
    const qv::IntegralOutcome outcome = qv::evaluateIntegral(ev, setup, evalError);
    if (outcome.status != qv::IntegralStatus::Evaluated || std::fabs(outcome.value - nativeIntegral(0, 10)) > 1e-8) {
        std::fprintf(stderr, "calculus bench: integrals disagree\n");
        std::exit(1);
    }
    line("integral", bestMicroseconds([&] { return qv::evaluateIntegral(ev, setup, evalError).value; }),
         bestMicroseconds([] { return nativeIntegral(0, 10); }));
}
