#include "plot/plot.h"

#include <algorithm>
#include <string>

#include "expression/error_names.h"
#include "expression/routines.h"
#include "expression/user_text.h"
#include "plot/curves.h"

namespace qv {

namespace {

void removeBlanks(std::string& s) { s.erase(std::remove(s.begin(), s.end(), ' '), s.end()); }

// Adds the names a form reads as unset variables to `names`, each once. "A"
// is the animation's parameter, 0 while it does not run, as the user expects.
void addUnsetNames(Evaluator& evaluator, const std::string& form, Binding binding, std::vector<std::string>& names) {
    for (std::string& name : evaluator.unsetNames(form, binding)) {
        if (name != "a" && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    }
}

// The value of a range box's expression; one that cannot be evaluated
// counts as 0, and the first such box is named in `state.range_error`.
double boxValue(Evaluator& evaluator, RewriteContext& rewrite, std::string& box, const char* name, PlotState& state) {
    const std::string display = heal(box, rewrite);
    box = shownForm(box, display);
    if (box.empty()) return 0.0;
    const std::string form = heal_2(display);
    const EvalResult r = evaluator.eval(form);
    const NumResult n = r.failed() ? NumResult::fail(r.error) : toArithmetic(r.value);
    if (n.failed()) {
        if (state.range_error.empty()) state.range_error = std::string(name) + ": " + errorName(n.error);
        return 0.0;
    }
    addUnsetNames(evaluator, form, Binding::None, state.unset_names);
    return n.value;
}

// Rewrites an expression box: the box shows the display form, or what was
// typed when the rewriting could not restore it; the form to evaluate comes
// from the display form either way (and then fails as a syntax error).
std::string prepareExpression(RewriteContext& rewrite, std::string& box) {
    const std::string display = heal(box, rewrite);
    box = shownForm(box, display);
    return heal_2(display);
}

PreparedFrom preparedFrom(const PlotBoxes& b, double width) {
    return {b.zMin, b.zMax, b.x, b.y, b.aMin, b.aMax, width};
}

void prepare(Canvas& canvas, Evaluator& evaluator, RewriteContext& rewrite, PlotBoxes& boxes, PlotState& state) {
    state.range_error.clear();
    state.unset_names.clear();
    state.z_start = boxValue(evaluator, rewrite, boxes.zMin, "z min", state);
    state.z_end = boxValue(evaluator, rewrite, boxes.zMax, "z max", state);
    state.z_step = sampleRange(state.z_start, state.z_end, canvas.width()).step;
    state.x_expr = state.x_copy = prepareExpression(rewrite, boxes.x);
    state.y_expr = state.y_copy = prepareExpression(rewrite, boxes.y);
    state.y_shown = boxes.y;
    state.a_start = boxValue(evaluator, rewrite, boxes.aMin, "A min", state);
    state.a_end = boxValue(evaluator, rewrite, boxes.aMax, "A max", state);
    state.a_current = state.a_start;
    state.prepared = preparedFrom(boxes, canvas.width());
}

// Prepares the values again where the boxes or the width changed since
// they were prepared.
void prepareIfStale(Canvas& canvas, Evaluator& evaluator, RewriteContext& rewrite, PlotBoxes& boxes,
                    PlotState& state) {
    PreparedFrom now = preparedFrom(boxes, canvas.width());
    if (state.prepared && state.hold_expressions) {
        now.x = state.prepared->x;
        now.y = state.prepared->y;
    }
    if (state.prepared && now == *state.prepared) return;
    now.width = state.prepared ? state.prepared->width : -1;
    if (state.prepared && now == *state.prepared) {
        // Only the picture's width changed: the same values, sampled for it.
        state.z_step = sampleRange(state.z_start, state.z_end, canvas.width()).step;
        state.prepared->width = canvas.width();
        return;
    }
    prepare(canvas, evaluator, rewrite, boxes, state);
}

CurveView curveView(const GraphDocument& doc, const PlotOptions& o) {
    CurveView v;
    v.x_min = doc.x_min;
    v.x_max = doc.x_max;
    v.y_min = doc.y_min;
    v.y_max = doc.y_max;
    v.axes = o.axes;
    v.derivative = o.derivative;
    v.secondDerivative = o.secondDerivative;
    v.refine = o.refineCurves;
    if (o.pixelRatio > 0) v.devicePixel = kTwipsPerPixel / o.pixelRatio;
    v.lineColor = doc.colors[kFunctionLine];
    v.derivativeColor = doc.colors[kDerivative];
    v.secondDerivativeColor = doc.colors[kSecondDerivative];
    return v;
}

// Why the z range gives no samples, or nothing.
std::string rangeStatus(const PlotBoxes& boxes, const PlotState& state) {
    if (boxes.zMin.empty() && boxes.zMax.empty()) return userText("qv::Texts", "z min and z max are empty");
    if (boxes.zMin.empty()) return userText("qv::Texts", "z min is empty");
    if (boxes.zMax.empty()) return userText("qv::Texts", "z max is empty");
    if (!state.range_error.empty()) return state.range_error;
    if (!(state.z_end > state.z_start)) return userText("qv::Texts", "z max is not greater than z min");
    return {};
}

// Why a drawn curve shows nothing: one of its coordinates failed at every
// sample. Curve k of `count` is y(z) (r(z)) when it is the last, else a
// function list entry; its name is made only when it is needed, not at
// every curve of every redraw.
std::string curveStatus(const CurveStats& stats, bool polar, size_t k, size_t count) {
    if (stats.samples == 0) return {};
    const std::string pattern = userText("qv::Texts", "%1: %2 at every sample");
    if (stats.xFailures == stats.samples) return fillIn(pattern, {polar ? "th(z)" : "x(z)", errorName(stats.xError)});
    if (stats.yFailures != stats.samples) return {};
    const std::string yName = k + 1 == count ? (polar ? "r(z)" : "y(z)")
                                             : fillIn(userText("qv::Texts", "Function list entry %1"),
                                                      {std::to_string(k + 1)});
    return fillIn(pattern, {yName, errorName(stats.yError)});
}

// Nothing is drawn while x(z) or y(z) is empty; once one of them is typed,
// the other one's absence is worth a word.
std::optional<std::string> missingBoxStatus(const PlotBoxes& boxes, const PlotOptions& options) {
    const bool noY = boxes.y.empty() && !options.plotAllFunctions;
    if (boxes.x.empty() && (noY || boxes.y.empty())) return std::nullopt;
    if (boxes.x.empty()) return fillIn(userText("qv::Texts", "%1 is empty"), {options.axes.polar ? "th(z)" : "x(z)"});
    return fillIn(userText("qv::Texts", "%1 is empty"), {options.axes.polar ? "r(z)" : "y(z)"});
}

// The y form of curve k of `count`: the last curve is the y(z) box's own,
// read afresh at every drawing (the colour effect changes it without a new
// preparation); the others are the function list's entries.
std::string curveY(const PlotBoxes& boxes, const std::vector<std::string>& functionList, const PlotState& state,
                   size_t k, size_t count) {
    const bool own = k + 1 == count;
    return own && boxes.y == state.y_shown ? state.y_expr : heal_2(own ? boxes.y : functionList[k]);
}

// A redraw ended at `curve`: the status says where, and nothing follows it
// (no point evaluation of a cut curve, no animation started).
void stopCurves(int curve, int curves, PlotState& state, const PlotHooks& hooks, PlotResult& result) {
    result.stopped = true;
    result.status = fillIn(userText("qv::Texts", "Drawing stopped at curve %1 of %2"),
                           {std::to_string(curve + 1), std::to_string(curves)});
    state.animation_request = false;
    if (hooks.restoreReadouts) hooks.restoreReadouts();
}

void drawCurves(Canvas& canvas, Evaluator& evaluator, const GraphDocument& doc, const PlotBoxes& boxes,
                const std::vector<std::string>& functionList, const PlotOptions& options, PlotState& state,
                const PlotHooks& hooks, PlotResult& result) {
    if (boxes.x.empty() || (boxes.y.empty() && !options.plotAllFunctions)) {
        result.status = missingBoxStatus(boxes, options);
        return;
    }
    result.status = rangeStatus(boxes, state);
    if (!options.animationRunning && hooks.hideReadouts) hooks.hideReadouts();
    if (state.a_end - state.a_start > 0) state.smooth_pass = false;
    const size_t count = 1 + (options.plotAllFunctions ? functionList.size() : 0);
    const CurveView view = curveView(doc, options);
    const SampleRange range{state.z_start, state.z_end, state.z_step};
    const std::function<void()> yield = state.smooth_pass ? hooks.yieldToEvents : std::function<void()>();
    // The animation may move on while a long redraw lets events in: every
    // curve of one redraw has the same A.
    const double a = state.a_current;
    std::vector<std::string> unset = state.unset_names;
    addUnsetNames(evaluator, state.x_copy, Binding::Z, unset);
    for (size_t k = 0; k < count; ++k) {
        const int curve = static_cast<int>(k), curves = static_cast<int>(count);
        if (hooks.stopRequested && hooks.stopRequested(curve, curves)) {
            stopCurves(curve, curves, state, hooks, result);
            return;
        }
        const std::string y = curveY(boxes, functionList, state, k, count);
        if (y.empty()) continue;
        // The list's entries are display texts already; the box's own curve
        // shows as its box does.
        result.legend.push_back({k + 1 == count ? boxes.y : functionList[k], view.lineColor});
        // The curves share one colour: each gets a numbered tag on a point
        // of its own, the points spread across the picture.
        CurveView labelled = view;
        if (count > 1) labelled.labelX = (canvas.width() - 15) * (0.1 + 0.8 * (static_cast<double>(k) + 0.5) / count);
        addUnsetNames(evaluator, y, Binding::Z, unset);
        const CurveForms forms = options.animationRunning
                                     ? CurveForms{evaluator.bind(withAnimationValue(state.x_copy, a)),
                                                  evaluator.bind(withAnimationValue(y, a))}
                                     : CurveForms{evaluator.bind(state.x_copy), evaluator.bind(y)};
        std::function<bool()> stop;
        if (hooks.stopRequested) stop = [&hooks, curve, curves] { return hooks.stopRequested(curve, curves); };
        const CurveStats stats = drawCurve(canvas, forms, range, labelled, state.skip_segment, yield, stop);
        if (stats.labelled) {
            result.legend.back().anchored = true;
            result.legend.back().anchorX = stats.labelX;
            result.legend.back().anchorY = stats.labelY;
        }
        if (stats.stopped) {
            result.segments += stats.segments;
            stopCurves(curve, curves, state, hooks, result);
            return;
        }
        if (result.status->empty()) result.status = curveStatus(stats, options.axes.polar, k, count);
        ++result.curves;
        result.segments += stats.segments;
        if (hooks.afterCurve) hooks.afterCurve(static_cast<int>(k));
    }
    // A curve that drew is still worth a word when it read a name as 0.
    if (result.status->empty()) {
        result.status = unsetNamesStatus(unset);
        result.statusIsNote = !result.status->empty();
    }
    if (state.animation_request && state.a_end - state.a_start > 0 && !options.animationRunning) {
        if (hooks.startAnimation) hooks.startAnimation();
    } else {
        state.animation_request = false;
    }
    if (hooks.restoreReadouts) hooks.restoreReadouts();
}

// The one-shot data autoscale: it applies when a data drawing is on, the x
// column has more than one item and the request is 1; it clears the request.
bool applyDataAutoscale(Evaluator& evaluator, GraphDocument& doc, PlotBoxes& boxes, const PlotOptions& options) {
    if (!doc.data_plot.any() || doc.data.column(kXData).size() <= 1 || doc.autoscale != 1) return false;
    doc.autoscale = 0;
    const DataAutoscale a = autoscaleData(evaluator, doc.data, options.axes);
    if (a.y) {
        boxes.yMinBox = a.y->min;
        boxes.yMaxBox = a.y->max;
    }
    if (a.x) {
        boxes.xMinBox = a.x->min;
        boxes.xMaxBox = a.x->max;
    }
    if (a.z) {
        boxes.zMin = a.z->min;
        boxes.zMax = a.z->max;
    }
    return true;
}

DataDrawStats drawData(Canvas& canvas, const GraphDocument& doc, const PlotOptions& options, PlotState& state,
                       const PlotHooks& hooks) {
    if (!doc.data_plot.any()) return {};
    DataDrawing drawing;
    drawing.range = {doc.x_min, doc.x_max, doc.y_min, doc.y_max};
    drawing.axes = options.axes;
    drawing.options = doc.data_plot;
    drawing.colors = doc.colors;
    return drawDataPoints(canvas, state.data_series.read(doc.data), drawing, state.skip_segment, hooks.dataMessage);
}

AxesInput axesInput(const GraphDocument& doc, const PlotOptions& o) {
    AxesInput in;
    in.range = {doc.x_min, doc.x_max, doc.y_min, doc.y_max};
    in.x_tick_scale = doc.x_tick_scale;
    in.y_tick_scale = doc.y_tick_scale;
    in.axes = o.axes;
    in.show_grid = o.showGrid;
    in.show_tick_numbers = o.showTickNumbers;
    in.auto_tick_scales = doc.view.auto_tick_scales;
    in.background_color = doc.colors[kBackground];
    in.axis_color = doc.colors[kAxis];
    in.grid_color = doc.colors[kGrid];
    return in;
}

}  // namespace

PlotResult Plot(Canvas& canvas, Evaluator& evaluator, RewriteContext& rewrite, GraphDocument& doc,
                const PlotBoxes& typed, const std::vector<std::string>& functionList, const PlotOptions& options,
                PlotState& state, const PlotHooks& hooks) {
    PlotResult result;
    result.boxes = typed;
    PlotBoxes& boxes = result.boxes;
    for (std::string* box : {&boxes.zMin, &boxes.zMax, &boxes.x, &boxes.y, &boxes.aMin, &boxes.aMax}) removeBlanks(*box);
    if (!(doc.x_max - doc.x_min > 0 && doc.y_max - doc.y_min > 0)) return result;
    state.skip_segment = false;
    // "Auto z Range": the parameter follows the x range while x(z) is z.
    if (options.autoZRange && boxes.x == "z" && options.axes.plain()) {
        boxes.zMin = boxes.xMinBox;
        boxes.zMax = boxes.xMaxBox;
    }
    canvas.setTextColor(doc.colors[kAxis]);
    const AxesResult axes = drawAxes(canvas, axesInput(doc, options), hooks.tickLimit);
    result.drawn = axes.drawn;
    // The marks went with the picture they were drawn on: the new one gets
    // those its own curves' point evaluation and the commands add.
    if (axes.drawn) doc.marks.drawn.clear();
    doc.x_tick_scale = axes.x_tick_scale;
    doc.y_tick_scale = axes.y_tick_scale;
    boxes.xTickBox = axes.x_tick_box;
    boxes.yTickBox = axes.y_tick_box;
    if (!axes.drawn || options.frameOnly) return result;
    // A data autoscale asked for fits the ranges once; the values are then
    // prepared from the boxes as they now stand.
    result.autoscaled = applyDataAutoscale(evaluator, doc, boxes, options);
    prepareIfStale(canvas, evaluator, rewrite, boxes, state);
    if (hooks.underCurves) hooks.underCurves();
    result.data = drawData(canvas, doc, options, state, hooks);
    drawCurves(canvas, evaluator, doc, boxes, functionList, options, state, hooks, result);
    return result;
}

}  // namespace qv
