#pragma once

#include <QObject>

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

    PlotOptions& options() { return options_; }
    PlotState& state() { return state_; }
    int redraws() const { return redraws_; }

private:
    void connectControls();
    PlotOptions gatherOptions() const;
    PlotBoxes gatherBoxes() const;
    void writeBack(const PlotBoxes& boxes);
    void runPlot();

    GraphPanel& panel_;
    PanelContext& ctx_;
    FunctionSource functions_;
    PlotOptions options_;  // the menu checks; the panel's own options are read at each redraw
    PlotState state_;
    bool smoothPlotting_ = false;
    bool plotting_ = false;
    bool pending_ = false;
    int redraws_ = 0;
};

}  // namespace qv
