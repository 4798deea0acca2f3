// Speed of our expression evaluator beside muparser and native C++.
//
// Without arguments the program prints a summary: for each expression the
// time per evaluation of a bound form (ours), of a compiled muparser
// expression and of a native function, the old path that evaluates the
// substituted text, the numerical derivatives, and finally the geometric
// means. With arguments it runs the registered Google Benchmark cases, so
// --benchmark_filter=... picks single measurements.
//
// The machine the benchmarks run on is noisy: every figure of the summary is
// the minimum of several repetitions, and within a repetition the three
// evaluators run one after the other on the same expression, so a burst of
// noise hits them alike rather than one of them alone.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "expression/derivatives.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"

namespace {

constexpr int kSamples = 1'000'000;      // points per expression and loop
constexpr int kTextSamples = 20'000;     // the substituted-text path is slow
constexpr int kRepetitions = 5;          // the minimum of these is reported
constexpr int kTextRepetitions = 3;
constexpr double kAgreement = 1e-12;     // largest relative difference allowed

// Native versions, written as directly as C++ allows. They are only ever
// called through a pointer the compiler cannot follow (see nativeLoop), so
// none of them is inlined into the timing loop.
double nativeSquare(double z) { return std::pow(z, 2); }
double nativeDoubleAngle(double z) { return 2 * std::sin(z) * std::cos(z); }
double nativeQuadratic(double z) { return std::pow(z + 1, 2) - 3 * z + 1; }
double nativeGauss(double z) {
    return std::exp(-std::pow(z, 2) / 2) / std::sqrt(2 * std::numbers::pi);
}
double nativeSqrtLog(double z) { return std::sqrt(std::abs(z)) + std::log10(std::pow(z, 2) + 10); }
double nativeTrigMix(double z) {
    return std::pow(std::sin(z), 3) + std::pow(std::cos(2 * z), 2) - std::tan(z / 7);
}
double nativeLogistic(double z) { return 1 / (1 + std::exp(-z)); }
double nativeQuartic(double z) { return (z - 1) * (z - 2) * (z - 3) * (z - 4) / 24; }

using NativeFn = double (*)(double);

struct Case {
    const char* key;       // name of the registered benchmarks
    const char* typed;     // as a user types it into the box
    const char* muparser;  // the same mathematics in muparser's syntax
    NativeFn native;
    bool derived;          // also timed through the derivatives
};

const Case kCases[] = {
    {"square", "z^2", "z^2", nativeSquare, false},
    {"double_angle", "2sin(z)cos(z)", "2*sin(z)*cos(z)", nativeDoubleAngle, false},
    {"quadratic", "(z+1)^2-3z+1", "(z+1)^2-3*z+1", nativeQuadratic, false},
    {"gauss", "exp(-(z^2)/2)/sqrt(2pi)", "exp(-(z^2)/2)/sqrt(2*_pi)", nativeGauss, false},
    {"sqrt_log", "sqrt(abs(z))+log(z^2+10)", "sqrt(abs(z))+log10(z^2+10)", nativeSqrtLog, false},
    {"trig_mix", "sin(z)^3+cos(2z)^2-tan(z/7)", "sin(z)^3+cos(2*z)^2-tan(z/7)", nativeTrigMix, true},
    {"logistic", "1/(1+exp(-z))", "1/(1+exp(-z))", nativeLogistic, false},
    {"quartic", "(z-1)(z-2)(z-3)(z-4)/24", "(z-1)*(z-2)*(z-3)*(z-4)/24", nativeQuartic, true},
};

// Points where the three evaluators must agree before anything is timed:
// spread over the sampled range and away from the zeros of the expressions,
// where a relative difference says little.
const double kCheckPoints[] = {-9.3, -4.4, -0.75, 0.5, 1.6, 4.9, 8.2};

// Keeps the results of every timed loop alive.
volatile double g_sink = 0.0;

[[noreturn]] void die(const std::string& message) {
    std::fprintf(stderr, "evaluator_bench: %s\n", message.c_str());
    std::fflush(stdout);
    std::exit(1);
}

// n points spread evenly over [-10, 10), each moved by a small irrational
// offset so that no two expressions see round numbers and all values differ.
std::vector<double> samplePoints(int n) {
    const double offset = std::numbers::sqrt2 * 1e-7;
    std::vector<double> zs(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) zs[static_cast<size_t>(i)] = -10.0 + 20.0 * i / n + offset;
    return zs;
}

class AbortingSink : public qv::FormulaErrorSink {
public:
    void formulaError(const std::string& title, const std::string& text) override {
        die(title + ": " + text);
    }
};

// One expression, ready for all three evaluators.
struct Subject {
    const Case* c = nullptr;
    std::string form;  // the evaluation form of the typed text
    qv::BoundForm bound;
    mu::Parser parser;
    double muZ = 0.0;  // muparser reads z from here
};

class Harness {
public:
    Harness() : math_(rng_), evaluator_(math_, rng_), zs_(samplePoints(kSamples)),
                textZs_(samplePoints(kTextSamples)) {
        evaluator_.setUp();
        for (const Case& c : kCases) subjects_.push_back(makeSubject(c));
    }

    qv::Evaluator& evaluator() { return evaluator_; }
    const std::vector<std::unique_ptr<Subject>>& subjects() const { return subjects_; }
    const std::vector<double>& points() const { return zs_; }
    const std::vector<double>& textPoints() const { return textZs_; }

private:
    std::unique_ptr<Subject> makeSubject(const Case& c) {
        auto s = std::make_unique<Subject>();
        s->c = &c;
        AbortingSink sink;
        qv::RewriteContext ctx;
        ctx.errors = &sink;
        s->form = qv::heal_2(qv::heal(c.typed, ctx));
        s->bound = evaluator_.bind(s->form);
        if (!s->bound.valid()) die(std::string("no bound form for ") + c.typed);
        try {
            s->parser.DefineVar("z", &s->muZ);
            s->parser.SetExpr(c.muparser);
            s->muZ = 1.0;
            s->parser.Eval();  // compiles the expression now, not in the first timed loop
        } catch (const mu::Parser::exception_type& e) {
            die(std::string("muparser rejects ") + c.muparser + ": " + e.GetMsg());
        }
        return s;
    }

    qv::RandomSource rng_{12345};
    qv::MathLibrary math_;
    qv::Evaluator evaluator_;
    std::vector<std::unique_ptr<Subject>> subjects_;
    std::vector<double> zs_;
    std::vector<double> textZs_;
};

double relativeDifference(double a, double b) {
    const double scale = std::max(std::abs(a), std::abs(b));
    return scale == 0.0 ? 0.0 : std::abs(a - b) / scale;
}

double oursAt(const Subject& s, double z) {
    const qv::NumResult r = s.bound.number(z);
    if (r.failed()) {
        die("our evaluator fails on " + s.form + " at z = " + std::to_string(z) + " (error " +
            std::to_string(r.error) + ")");
    }
    return r.value;
}

// muparser too sees z as our forms do, as the native functions do: every
// side pays for the rounding alike.
double muparserAt(Subject& s, double z) {
    s.muZ = qv::plainTextValue(z);
    return s.parser.Eval();
}

double substitutedAt(qv::Evaluator& ev, const Subject& s, double z) {
    const qv::EvalResult r = ev.eval(qv::substituteValues(s.form, z));
    if (r.failed() || !r.value.isNumber()) {
        die("the substituted text of " + s.form + " fails at z = " + std::to_string(z));
    }
    return r.value.num;
}

void checkAgreement(const Subject& s, const char* what, double z, double got, double want) {
    const double d = relativeDifference(got, want);
    if (!(d < kAgreement)) {
        char buf[512];
        std::snprintf(buf, sizeof buf,
                      "%s disagrees with native C++ on %s (form %s) at z = %.17g: %.17g vs %.17g "
                      "(relative difference %.3g)",
                      what, s.c->typed, s.form.c_str(), z, got, want, d);
        die(buf);
    }
}

// The five-point difference the derivatives use, applied to a native
// function: what Derive and its repetitions must come close to.
double nativeDifference(NativeFn f, double z, int order) {
    constexpr double kStep = 0.000456;
    auto g = [&](double p) { return order == 1 ? f(p) : nativeDifference(f, p, order - 1); };
    return (g(z - 2 * kStep) - 8 * g(z - kStep) + 8 * g(z + kStep) - g(z + 2 * kStep)) / (12 * kStep);
}

void checkDerivatives(const Subject& s) {
    using Derivative = double (*)(const qv::BoundForm&, double, int16_t&);
    const Derivative derivatives[] = {qv::Derive, qv::Double_Derivative, qv::Triple_Derivative};
    // Differences magnify rounding by about 1/h per order; these bounds only
    // make sure the timed derivatives are derivatives of the right function.
    const double tolerance[] = {1e-8, 1e-5, 1e-2};
    for (int order = 1; order <= 3; ++order) {
        for (double z : kCheckPoints) {
            int16_t evalError = 0;
            const double got = derivatives[order - 1](s.bound, z, evalError);
            const double want = nativeDifference(s.c->native, z, order);
            const double scale = std::max({1.0, std::abs(got), std::abs(want)});
            if (evalError != 0 || std::abs(got - want) > tolerance[order - 1] * scale) {
                char buf[512];
                std::snprintf(buf, sizeof buf,
                              "derivative of order %d of %s at z = %g: %.17g, expected about %.17g "
                              "(eval_error %d)",
                              order, s.form.c_str(), z, got, want, evalError);
                die(buf);
            }
        }
    }
}

// Everything timed must compute the same mathematics; a fast wrong answer
// would make the comparison meaningless.
void verify(Harness& h) {
    for (const auto& sp : h.subjects()) {
        Subject& s = *sp;
        for (double z : kCheckPoints) {
            const double want = s.c->native(z);
            checkAgreement(s, "our evaluator", z, oursAt(s, z), want);
            checkAgreement(s, "muparser", z, muparserAt(s, z), want);
            checkAgreement(s, "the substituted text", z, substitutedAt(h.evaluator(), s, z), want);
        }
        for (double z : h.points()) oursAt(s, z);  // every timed point is in the domain
        if (s.c->derived) checkDerivatives(s);
    }
}

using Clock = std::chrono::steady_clock;

double nsPer(Clock::time_point start, size_t count) {
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    return elapsed.count() / static_cast<double>(count);
}

double oursLoop(const Subject& s, const std::vector<double>& zs) {
    const qv::BoundForm& b = s.bound;
    double sum = 0.0;
    const Clock::time_point start = Clock::now();
    for (double z : zs) sum += b.number(z).value;
    const double ns = nsPer(start, zs.size());
    g_sink = g_sink + sum;
    return ns;
}

double muparserLoop(Subject& s, const std::vector<double>& zs) {
    double sum = 0.0;
    const Clock::time_point start = Clock::now();
    for (double z : zs) {
        s.muZ = qv::plainTextValue(z);
        sum += s.parser.Eval();
    }
    const double ns = nsPer(start, zs.size());
    g_sink = g_sink + sum;
    return ns;
}

// The native function sees z as our forms do: the value its 15-digit text
// reads back as. So both sides pay for that rounding alike.
double nativeLoop(const Subject& s, const std::vector<double>& zs) {
    // Read through a volatile so the call stays an indirect call.
    NativeFn volatile hidden = s.c->native;
    const NativeFn f = hidden;
    double sum = 0.0;
    const Clock::time_point start = Clock::now();
    for (double z : zs) sum += f(qv::plainTextValue(z));
    const double ns = nsPer(start, zs.size());
    g_sink = g_sink + sum;
    return ns;
}

double substitutedLoop(qv::Evaluator& ev, const Subject& s, const std::vector<double>& zs) {
    double sum = 0.0;
    const Clock::time_point start = Clock::now();
    for (double z : zs) sum += ev.eval(qv::substituteValues(s.form, z)).value.num;
    const double ns = nsPer(start, zs.size());
    g_sink = g_sink + sum;
    return ns;
}

using Derivative = double (*)(const qv::BoundForm&, double, int16_t&);

double derivativeLoop(Derivative d, const Subject& s, const std::vector<double>& zs) {
    int16_t evalError = 0;
    double sum = 0.0;
    const Clock::time_point start = Clock::now();
    for (double z : zs) sum += d(s.bound, z, evalError);
    const double ns = nsPer(start, zs.size());
    if (evalError != 0) die("a derivative of " + s.form + " failed while timed");
    g_sink = g_sink + sum;
    return ns;
}

struct Timings {
    double ours = 0.0, muparser = 0.0, native = 0.0;
};

// Minimum over the repetitions; in each repetition the three loops run back
// to back, starting with a different one each time.
Timings timeExpression(Subject& s, const std::vector<double>& zs) {
    Timings best{INFINITY, INFINITY, INFINITY};
    for (int rep = 0; rep < kRepetitions; ++rep) {
        for (int k = 0; k < 3; ++k) {
            switch ((rep + k) % 3) {
            case 0: best.ours = std::min(best.ours, oursLoop(s, zs)); break;
            case 1: best.muparser = std::min(best.muparser, muparserLoop(s, zs)); break;
            default: best.native = std::min(best.native, nativeLoop(s, zs)); break;
            }
        }
    }
    return best;
}

double geometricMean(const std::vector<double>& xs) {
    double logSum = 0.0;
    for (double x : xs) logSum += std::log(x);
    return std::exp(logSum / static_cast<double>(xs.size()));
}

void printSubstituted(Harness& h) {
    for (const auto& sp : h.subjects()) {
        const Subject& s = *sp;
        double text = INFINITY, bound = INFINITY;
        for (int rep = 0; rep < kTextRepetitions; ++rep) {
            text = std::min(text, substitutedLoop(h.evaluator(), s, h.textPoints()));
            bound = std::min(bound, oursLoop(s, h.textPoints()));
        }
        std::printf("substituted %s: ours-text %.2f ns ours-bound %.2f ns slowdown %.1fx\n",
                    s.c->typed, text, bound, text / bound);
    }
}

void printDerivatives(Harness& h) {
    // Each order evaluates the form four times as often as the one before.
    const Derivative derivatives[] = {qv::Derive, qv::Double_Derivative, qv::Triple_Derivative};
    const std::vector<double> points[] = {samplePoints(100'000), samplePoints(25'000),
                                          samplePoints(10'000)};
    for (const auto& sp : h.subjects()) {
        const Subject& s = *sp;
        if (!s.c->derived) continue;
        double best[3] = {INFINITY, INFINITY, INFINITY};
        for (int rep = 0; rep < kRepetitions; ++rep) {
            for (int k = 0; k < 3; ++k) {
                best[k] = std::min(best[k], derivativeLoop(derivatives[k], s, points[k]));
            }
        }
        std::printf("derivative %s: Derive %.2f ns Double_Derivative %.2f ns "
                    "Triple_Derivative %.2f ns\n",
                    s.c->typed, best[0], best[1], best[2]);
    }
}

// Binding cost: the form's text compiled to a bound form ready to run (its
// code included) and freed again, beside muparser parsing the same text to
// its bytecode. The cache is emptied first, so every bind compiles.
constexpr int kBinds = 2'000;

double oursCompileLoop(qv::Evaluator& ev, const std::string& form) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kBinds; ++i) {
        ev.clearCache();
        const qv::BoundForm bound = ev.bind(form);
        if (!bound.valid()) die("no bound form for " + form);
    }
    return nsPer(start, kBinds) / 1000.0;
}

// A bound form then evaluated across a plot's width: the binding plus
// whatever making its code executable costs on first use.
constexpr int kPlotWidth = 1'200;

double oursBindAndRunLoop(qv::Evaluator& ev, const std::string& form, const std::vector<double>& zs) {
    double sum = 0.0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kBinds / 10; ++i) {
        ev.clearCache();
        const qv::BoundForm bound = ev.bind(form);
        for (int k = 0; k < kPlotWidth; ++k) sum += bound.number(zs[static_cast<size_t>(k)]).value;
    }
    const double us = nsPer(start, kBinds / 10) / 1000.0;
    g_sink = g_sink + sum;
    return us;
}

double muparserCompileLoop(const std::string& expr) {
    mu::Parser parser;
    double z = 1.0;
    parser.DefineVar("z", &z);
    double sum = 0.0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kBinds; ++i) {
        parser.SetExpr(expr);
        sum += parser.Eval();  // muparser compiles on the first evaluation
    }
    const double us = nsPer(start, kBinds) / 1000.0;
    g_sink = g_sink + sum;
    return us;
}

// n terms of sin(k z), long enough for code that spans several pages.
std::pair<std::string, std::string> sineSeries(int n) {
    std::string ours, mu;
    for (int k = 1; k <= n; ++k) {
        const std::string sep = k == 1 ? "" : "+";
        ours += sep + "sin(" + std::to_string(k) + "*z)";
        mu += sep + "sin(" + std::to_string(k) + "*z)";
    }
    return {ours, mu};
}

void printCompileSummary(Harness& h) {
    std::vector<std::pair<std::string, std::pair<std::string, std::string>>> cases;
    for (const auto& sp : h.subjects()) cases.push_back({sp->c->key, {sp->form, sp->c->muparser}});
    cases.push_back({"sine_series40", sineSeries(40)});
    cases.push_back({"sine_series200", sineSeries(200)});
    qv::Evaluator& ev = h.evaluator();
    for (const auto& [key, texts] : cases) {
        double ours = INFINITY, mu = INFINITY, plotted = INFINITY;
        for (int rep = 0; rep < kRepetitions; ++rep) {
            ours = std::min(ours, oursCompileLoop(ev, texts.first));
            mu = std::min(mu, muparserCompileLoop(texts.second));
            plotted = std::min(plotted, oursBindAndRunLoop(ev, texts.first, h.points()));
        }
        std::printf("compile %s: ours %.2f us muparser %.2f us\n", key.c_str(), ours, mu);
        std::printf("compile-and-run %s: ours %.2f us for the binding and %d evaluations\n", key.c_str(),
                    plotted, kPlotWidth);
        std::fflush(stdout);
    }
}

void printSummary(Harness& h) {
    std::printf("%d points per expression, minimum of %d repetitions\n", kSamples, kRepetitions);
    std::vector<double> ours, mu, native;
    for (const auto& sp : h.subjects()) {
        Subject& s = *sp;
        const Timings t = timeExpression(s, h.points());
        std::printf("expr %s: ours %.2f ns muparser %.2f ns native %.2f ns ratio-mu %.2f "
                    "ratio-native %.2f\n",
                    s.c->typed, t.ours, t.muparser, t.native, t.ours / t.muparser,
                    t.ours / t.native);
        std::fflush(stdout);
        ours.push_back(t.ours);
        mu.push_back(t.muparser);
        native.push_back(t.native);
    }
    printSubstituted(h);
    printDerivatives(h);
    printCompileSummary(h);
    std::printf("evaluator geomean ns/eval: ours %.2f muparser %.2f native %.2f\n",
                geometricMean(ours), geometricMean(mu), geometricMean(native));
}

// Google Benchmark cases: one iteration is one evaluation (or one
// derivative), at the next of the sampled points.
template <typename Step>
void registerCase(const std::string& name, const std::vector<double>& zs, Step step) {
    benchmark::RegisterBenchmark(name.c_str(), [&zs, step](benchmark::State& state) {
        size_t i = 0;
        double sum = 0.0;
        for (auto _ : state) {
            sum += step(zs[i]);
            if (++i == zs.size()) i = 0;
        }
        benchmark::DoNotOptimize(sum);
        state.SetItemsProcessed(state.iterations());
    });
}

void registerBenchmarks(Harness& h) {
    qv::Evaluator& ev = h.evaluator();
    for (const auto& sp : h.subjects()) {
        Subject* s = sp.get();
        const std::string key = s->c->key;
        registerCase("Evaluate/ours/" + key, h.points(),
                     [s](double z) { return s->bound.number(z).value; });
        registerCase("Evaluate/muparser/" + key, h.points(), [s](double z) { return muparserAt(*s, z); });
        registerCase("Evaluate/native/" + key, h.points(), [s](double z) {
            NativeFn f = s->c->native;
            benchmark::DoNotOptimize(f);
            return f(qv::plainTextValue(z));
        });
        registerCase("Substituted/" + key, h.textPoints(), [s, &ev](double z) {
            return ev.eval(qv::substituteValues(s->form, z)).value.num;
        });
        if (!s->c->derived) continue;
        const std::pair<const char*, Derivative> derivatives[] = {
            {"Derive/", qv::Derive},
            {"Double_Derivative/", qv::Double_Derivative},
            {"Triple_Derivative/", qv::Triple_Derivative}};
        for (const auto& entry : derivatives) {
            const Derivative d = entry.second;
            registerCase(entry.first + key, h.textPoints(), [s, d](double z) {
                int16_t evalError = 0;
                return d(s->bound, z, evalError);
            });
        }
    }
}

// Long flat chains, evaluated in a loop whatever their length: z added to
// itself (one instruction a term, run as machine code) and multiples of z
// (three a term, past what machine code takes: the portable machine).
constexpr int kChainTerms = 10'000;

double zSumChain(double z) {
    double acc = z;
    for (int k = 1; k < kChainTerms; ++k) acc += z;
    return acc;
}

double multiplesChain(double z) {
    double acc = 1.0 * z;
    for (int k = 2; k <= kChainTerms; ++k) acc += k * z;
    return acc;
}

void registerChainBenchmarks(Harness& h) {
    std::string zSum = "z", multiples = "1*z";
    for (int k = 2; k <= kChainTerms; ++k) {
        zSum += "+z";
        multiples += "+" + std::to_string(k) + "*z";
    }
    const std::pair<const char*, std::pair<std::string, NativeFn>> chains[] = {
        {"z_sum10000", {zSum, zSumChain}}, {"multiples10000", {multiples, multiplesChain}}};
    for (const auto& [key, chain] : chains) {
        const qv::BoundForm bound = h.evaluator().bind(chain.first);
        // The same additions in the same order: the same bits.
        for (double z : kCheckPoints) {
            const qv::NumResult r = bound.number(z);
            if (r.failed() || r.value != chain.second(z)) die(std::string("chain ") + key + " is wrong");
        }
        registerCase(std::string("Chain/ours/") + key, h.points(),
                     [bound](double z) { return bound.number(z).value; });
    }
}

}  // namespace

// A full redraw beside native C++ (plot_bench.cpp).
void printPlotSummary();
void printCalculusSummary();
void printDataSummary();
void printFitSummary();
void printFileSummary();

int main(int argc, char** argv) {
    Harness harness;
    verify(harness);
    if (argc > 1) {
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
        registerBenchmarks(harness);
        registerChainBenchmarks(harness);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    }
    // QV_BENCH_ONLY=fit (or expr, plot, calculus, data, file) prints one group.
    const char* only = std::getenv("QV_BENCH_ONLY");
    const auto wanted = [only](const char* group) { return only == nullptr || std::string(only) == group; };
    if (wanted("expr")) printSummary(harness);
    if (wanted("plot")) printPlotSummary();
    if (wanted("calculus")) printCalculusSummary();
    if (wanted("data")) printDataSummary();
    if (wanted("fit")) printFitSummary();
    if (wanted("file")) printFileSummary();
    return 0;
}
