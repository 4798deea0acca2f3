#pragma once

#include <QObject>

class QAction;
class QMenu;

#include <functional>
#include <string>
#include <vector>

#include "plot/plot.h"

namespace qv {

class GraphPanel;
struct PanelContext;

// Runs the graph's redraw for the window: gathers the boxes and options,
// calls Plot on the picture area, writes the rewritten boxes back, and
// answers Plot's hooks (messages, smooth plotting). Also the "Plot  Line"
// button and the edit rules of the function boxes. A redraw never runs
// inside another: one asked for meanwhile follows when it ends.
class PlotController : public QObject {
    Q_OBJECT

public:
    using FunctionSource = std::function<std::vector<std::string>()>;

    PlotController(GraphPanel& panel, PanelContext& context, FunctionSource functions, QObject* parent = nullptr);

    // The redraw.
    void plot();
    // What "Plot  Line" and the View menu's "&Plot" do.
    void plotLine();

    // Adds the plot's entries to the View menu: "&Plot", the three
    // plotting switches and the four axis transformations.
    void addViewMenuEntries(QMenu* view);
    // Whether the graphing mode and the axis transformations allow the
    // calculus commands that assume a plain cartesian graph.
    bool calculusAllowed() const;
    // Tells whether the parametric grapher is the window's mode (the mode
    // switches replot only there).
    void setParametricActive(std::function<bool()> active) { parametricActive_ = std::move(active); }
    // Tells whether the view is scrolling (a range transition or a drag), so
    // that with "Hide Scrolling Plot" only the frame is drawn.
    void setScrolling(std::function<bool()> scrolling) { scrolling_ = std::move(scrolling); }
    // Runs when the graphing mode or an axis transformation changed (the
    // calculus entries depend on them).
    void setOptionsChanged(std::function<void()> changed) { optionsChanged_ = std::move(changed); }
    // Runs after each curve: the point evaluation follows the graph.
    void setAfterCurve(std::function<void(int)> afterCurve) { afterCurve_ = std::move(afterCurve); }

    PlotOptions& options() { return options_; }
    PlotState& state() { return state_; }
    int redraws() const { return redraws_; }

private:
    void connectControls();
    PlotOptions gatherOptions() const;
    PlotBoxes gatherBoxes() const;
    void writeBack(const PlotBoxes& boxes);
    void runPlot();
    void hidePointLabels();
    QAction* addCheck(QMenu* menu, const char* text, const char* name);
    void toggleTransformation(QAction* entry, QAction* partner);
    void graphingModeChanged(bool polar);
    void derivativeClicked(bool checked);
    void plotWithSmoothing();

    GraphPanel& panel_;
    PanelContext& ctx_;
    FunctionSource functions_;
    PlotOptions options_;  // the menu checks; the panel's own options are read at each redraw
    PlotState state_;
    QAction* smoothPlotting_ = nullptr;
    QAction* autoZ_ = nullptr;
    QAction* hideScrolling_ = nullptr;
    QAction* logX_ = nullptr;
    QAction* logY_ = nullptr;
    QAction* invertX_ = nullptr;
    QAction* invertY_ = nullptr;
    std::function<bool()> parametricActive_;
    std::function<bool()> scrolling_;
    std::function<void(int)> afterCurve_;
    std::function<void()> optionsChanged_;
    bool plotting_ = false;
    bool pending_ = false;
    int redraws_ = 0;
};

}  // namespace qv
