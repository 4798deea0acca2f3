#include "app/command_line.h"

#include "app/error_stream_sink.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "app/calc_command.h"
#include "app/find_command.h"
#include "app/fit_command.h"
#include "app/render_command.h"
#include "app/stats_command.h"
#include "expression/derivatives.h"
#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/random_source.h"
#include "expression/rewrite.h"

namespace qv {

namespace {

const char* const kHelp =
    "Usage: quorvanta [FILE.gph]\n"
    "       quorvanta --eval TEXT [--z VALUE] [--A VALUE] [--calculator]\n"
    "       quorvanta --derive N TEXT --z VALUE\n"
    "       quorvanta --stats FILE.txt\n"
    "       quorvanta --fit TYPE XFILE.txt YFILE.txt\n"
    "       quorvanta --calc TEXT [--fraction] [--pi] [--radical] [--ans VALUE]\n"
    "                 [--var NAME=VALUE]...\n"
    "       quorvanta --render FILE.gph -o OUT.png [--size WxH]\n"
    "       quorvanta --find KIND --y TEXT [--x TEXT] [--with TEXT] --from VALUE\n"
    "\n"
    "Without options the program opens its window, with FILE.gph if one is named.\n"
    "\n"
    "  --eval TEXT     show how TEXT is read: its display form, its evaluation\n"
    "                  form, and its value with z and A bound\n"
    "  --z VALUE       the value of z (a number or an expression)\n"
    "  --A VALUE       the value of the animation parameter A\n"
    "  --calculator    rewrite TEXT as the calculator does\n"
    "  --derive N TEXT the N-th derivative (1, 2 or 3) in z of TEXT at --z\n"
    "  --stats FILE    read a list file as the import does and show its sum,\n"
    "                  average, standard deviation and number of elements\n"
    "  --fit TYPE XFILE YFILE\n"
    "                  fit a function to the points of two list files (x data,\n"
    "                  y data) and show it with its correlation; TYPE is linear,\n"
    "                  quadratic, exponential, cubic, logarithmic or gaussian\n"
    "  --calc TEXT     evaluate TEXT as the calculator's \"Evaluate\" does and show\n"
    "                  the lines the history gains, then \"ans: \" and the answer;\n"
    "                  --fraction, --pi and --radical ask for those answer forms,\n"
    "                  --ans gives the last answer, each --var NAME=VALUE (up to\n"
    "                  five, in order) a variable; exit status 1 when the answer\n"
    "                  reads \"Error\"\n"
    "  --render FILE.gph -o OUT [--size WxH]\n"
    "                  draw the graph of a graph file as the parametric grapher\n"
    "                  shows it, W x H pixels (800x600 unless given), without a\n"
    "                  display, and write it to OUT (.png, .bmp or .jpg; .svg and\n"
    "                  .pdf as vector graphics)\n"
    "  --find KIND     search near --from as the Calculus menu does; KIND is\n"
    "                  root, extremum, inflection or intersection (with --with\n"
    "                  TEXT, the second function); --x is z unless given; prints\n"
    "                  \"z: \", \"x: \" and \"y: \" of the point found, or \"not found: \"\n"
    "                  and the menu's message with exit status 1\n"
    "  --help          show this text\n";

struct Options {
    std::optional<std::string> eval;
    std::optional<std::string> derive;
    std::optional<std::string> stats;
    std::optional<FitType> fit;
    std::string fitX, fitY;
    std::optional<std::string> calc;
    std::optional<std::string> render, output;
    std::optional<SearchKind> findKind;
    FindRequest find;
    int width = 800, height = 600;
    CalculatorInput calcInput;
    int calcVariables = 0;
    int order = 0;
    std::optional<std::string> z;
    std::optional<std::string> a;
    bool calculator = false;
    bool help = false;
};

// Returns false with a message on unusable arguments.
bool parse(int argc, char** argv, Options& o, bool& any) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::optional<std::string>& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        bool ok = true;
        if (arg == "--help" || arg == "-h") o.help = true;
        else if (arg == "--eval") ok = value(o.eval);
        else if (arg == "--z") ok = value(o.z);
        else if (arg == "--A") ok = value(o.a);
        else if (arg == "--calculator") o.calculator = true;
        else if (arg == "--stats") ok = value(o.stats);
        else if (arg == "--calc") ok = value(o.calc);
        else if (arg == "--render") ok = value(o.render);
        else if (arg == "--find") {
            std::optional<std::string> kind;
            ok = value(kind) && (o.findKind = searchKindNamed(*kind)).has_value();
        }
        else if (arg == "--x") ok = value(o.find.x);
        else if (arg == "--y") ok = value(o.find.y);
        else if (arg == "--with") ok = value(o.find.with);
        else if (arg == "--from") ok = value(o.find.from);
        else if (arg == "-o") ok = value(o.output);
        else if (arg == "--size") {
            std::optional<std::string> size;
            ok = value(size) && parseImageSize(*size, o.width, o.height);
        }
        else if (arg == "--fraction") o.calcInput.forms.fraction = true;
        else if (arg == "--pi") o.calcInput.forms.pi = true;
        else if (arg == "--radical") o.calcInput.forms.radical = true;
        else if (arg == "--ans") {
            std::optional<std::string> text;
            ok = value(text);
            const std::optional<double> v = ok ? toNumber(*text) : std::nullopt;
            ok = v.has_value();
            if (ok) o.calcInput.ans = Value::number(*v);
        } else if (arg == "--var") {
            std::optional<std::string> pair;
            ok = value(pair) && o.calcVariables < kVariableBoxes / 2;
            const std::size_t eq = ok ? pair->find('=') : std::string::npos;
            ok = ok && eq != std::string::npos && eq > 0;
            if (ok) {
                const auto box = static_cast<std::size_t>(2 * o.calcVariables++);
                o.calcInput.variables[box] = pair->substr(0, eq);
                o.calcInput.variables[box + 1] = pair->substr(eq + 1);
            }
        } else if (arg == "--fit") {
            std::optional<std::string> type, x, y;
            ok = value(type) && value(x) && value(y);
            if (ok) {
                o.fit = fitTypeNamed(*type);
                o.fitX = *x;
                o.fitY = *y;
                ok = o.fit.has_value();
            }
        } else if (arg == "--derive") {
            std::optional<std::string> n;
            ok = value(n) && value(o.derive);
            if (ok) {
                const std::optional<double> d = toNumber(*n);
                o.order = d ? static_cast<int>(*d) : 0;
                ok = d && (*d == 1 || *d == 2 || *d == 3);
            }
        } else if (arg.rfind("--", 0) == 0) {
            std::fprintf(stderr, "quorvanta: unknown option %s (see --help)\n", arg.c_str());
            return false;
        } else {
            continue;  // a graph file for the window
        }
        any = true;
        if (!ok) {
            std::fprintf(stderr, "quorvanta: option %s needs a valid value (see --help)\n", arg.c_str());
            return false;
        }
    }
    return true;
}

std::string resultText(const EvalResult& r) {
    if (r.failed()) return "error " + std::to_string(r.error);
    if (r.value.isEmpty()) return "Empty";
    return valueText(r.value);
}

// A value given on the command line: a number, or an expression in the
// program's notation that gives a finite number. A name nothing assigned
// ("nan", "inf", "abc") reads as Empty and would pass as 0 unnoticed, so
// anything but a number is refused.
std::optional<double> readValue(Evaluator& ev, const std::string& text, RewriteContext& rc) {
    if (const std::optional<double> d = toNumber(text)) return d;
    const EvalResult r = ev.eval(heal_2(heal(text, rc)));
    if (r.failed() || !r.value.isNumber() || !std::isfinite(r.value.num)) return std::nullopt;
    return r.value.num;
}

int run(const Options& o) {
    RandomSource rng;
    MathLibrary math(rng);
    Evaluator ev(math, rng);
    ev.setUp();
    ErrorStreamSink sink;
    RewriteContext rc;
    rc.errors = &sink;

    std::optional<double> z, a;
    if (o.z && !(z = readValue(ev, *o.z, rc))) {
        std::fprintf(stderr, "quorvanta: --z %s is not a finite number\n", o.z->c_str());
        return 2;
    }
    if (o.a && !(a = readValue(ev, *o.a, rc))) {
        std::fprintf(stderr, "quorvanta: --A %s is not a finite number\n", o.a->c_str());
        return 2;
    }

    if (o.derive) {
        if (!z) {
            std::fprintf(stderr, "quorvanta: --derive needs --z VALUE\n");
            return 2;
        }
        const std::string form = heal_2(heal(*o.derive, rc));
        int16_t evalError = 0;
        const BoundForm f = ev.bind(form);
        const double d = o.order == 1   ? Derive(f, *z, evalError)
                         : o.order == 2 ? Double_Derivative(f, *z, evalError)
                                        : Triple_Derivative(f, *z, evalError);
        std::printf("derivative: %s\neval_error: %d\n", plainText(d).c_str(), evalError);
        return 0;
    }

    rc.calculator_rewrite = o.calculator ? -1 : 0;
    const std::string display = heal(*o.eval, rc);
    const std::string evaluation = heal_2(display);
    EvalResult r;
    if (z && a) r = ev.evalBound(evaluation, *z, *a);
    else if (z) r = ev.evalBound(evaluation, *z);
    else if (a) r = ev.eval(replaceAll(evaluation, "A", "(" + plainText(*a) + ")"));
    else r = ev.eval(evaluation);
    // The display form is what a box would show: the typed text where the
    // rewriting could not restore it.
    std::printf("display: %s\nevaluation: %s\nvalue: %s\n", shownForm(*o.eval, display).c_str(), evaluation.c_str(),
                resultText(r).c_str());
    return 0;
}

}  // namespace

int runCommandLine(int argc, char** argv, bool& handled) {
    Options o;
    bool any = false;
    if (!parse(argc, argv, o, any)) {
        handled = true;
        return 2;
    }
    handled = any;
    if (!any) return 0;
    if (o.stats && !o.help) return runStatsCommand(*o.stats, stdout, stderr);
    if (o.calc && !o.help) {
        o.calcInput.expression = *o.calc;
        return runCalcCommand(o.calcInput, stdout, stderr);
    }
    if (o.findKind && !o.help) {
        o.find.kind = *o.findKind;
        return runFindCommand(o.find, stdout, stderr);
    }
    if (o.fit && !o.help) return runFitCommand(*o.fit, o.fitX, o.fitY, stdout, stderr);
    if (o.render && !o.help) {
        if (!o.output) {
            std::fprintf(stderr, "quorvanta: --render needs -o OUT (see --help)\n");
            return 2;
        }
        return runRenderCommand(argv[0], *o.render, *o.output, o.width, o.height, stdout, stderr);
    }
    if (o.help || (!o.eval && !o.derive)) {
        std::fputs(kHelp, stdout);
        return o.help ? 0 : 2;
    }
    return run(o);
}

}  // namespace qv
