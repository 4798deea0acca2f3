#pragma once

#include <QObject>

#include <array>
#include <optional>
#include <set>
#include <string>

#include "plot/plot.h"

namespace qv {

class GraphPanel;
struct PanelContext;

// The four axis transformations of the View menu.
enum class AxisTransformation : unsigned char { LogX, LogY, InvertX, InvertY };

// What keeps the view moving: the range transition or a drag of the
// picture. While either runs, "Hide Scrolling Plot" draws the frame only.
enum class ScrollSource : unsigned char { Transition, Drag };

// Runs the graph's redraw for the window: gathers the boxes and options,
// calls Plot on the picture area, writes the rewritten boxes back, and
// answers Plot's hooks (messages, smooth plotting). Also the "Plot  Line"
// button, the edit rules of the function boxes, the graphing mode, and the
// plotting switches and axis transformations the View menu shows. A redraw
// never runs inside another: one asked for meanwhile follows when it ends.
// A long redraw keeps the window painting and ends on Esc or "Stop"
// (RedrawPacing); what it drew stays, and the redraws asked for meanwhile
// are dropped.
class PlotController : public QObject {
    Q_OBJECT

public:
    PlotController(GraphPanel& panel, PanelContext& context, QObject* parent = nullptr);

    // The redraw.
    void plot();
    // The redraw with a new mark that lies under the curves (the integral's
    // shading): drawn after the axes, kept by the document like every mark.
    void plotWithUnderlay(const PictureMarks::Mark& mark);
    // The graph as the last redraw drew it, with the marks the window shows
    // over it, drawn again onto another canvas (a file, a printer page) at
    // that canvas's size. Nothing of the window changes.
    void drawOnto(Canvas& canvas) const;
    // What "Plot  Line" and the View menu's "&Plot" do.
    void plotLine();

    // The View menu's switches, kept in the document.
    bool hideScrollingPlot() const;
    void setHideScrollingPlot(bool on);
    bool smoothPlotting() const;
    void setSmoothPlotting(bool on);
    // "&Auto z Range": checking it redraws with the z range of the x range.
    void setAutoZRange(bool on);
    // Checking a transformation unchecks its partner on the same axis (and,
    // in polar mode, first says that it will not apply there); then a redraw.
    void setTransformation(AxisTransformation which, bool on);
    bool transformation(AxisTransformation which) const;
    // The document's switches were replaced (a file was read): the menu
    // shows them, and the next redraw prepares the expressions again;
    // no message, no redraw.
    void showSwitches();

    // Whether the graphing mode and the axis transformations allow the
    // calculus commands that assume a plain cartesian graph.
    bool calculusAllowed() const;
    // The navigation and the mouse say when the view starts and stops
    // scrolling.
    void setScrolling(ScrollSource source, bool on);

    // The parameter animation runs: every redraw uses the current A.
    void setAnimationRunning(bool on) { animationRunning_ = on; }
    bool animationRunning() const { return animationRunning_; }
    // The colour effect runs: its redraws, not the edits of x(z) and y(z),
    // ask for the expressions to be read again.
    void setColorEffectRunning(bool on) {
        colorEffectRunning_ = on;
        state_.hold_expressions = on;
    }

    // The switches and checks a redraw now takes, from the document.
    PlotOptions options() const { return gatherOptions(); }
    PlotState& state() { return state_; }
    int redraws() const { return redraws_; }

Q_SIGNALS:
    // The graphing mode or an axis transformation changed (the calculus
    // commands and the View menu's checks depend on them).
    void optionsChanged();
    // A curve was drawn: the point evaluation follows the graph.
    void curveDrawn(int curve);
    // A redraw asked for by "Plot  Line" ended with A max above A min.
    void animationRequested();
    // "Plot  Line" with an effect word in the x(z) box.
    void warpRequested();
    void tornadoRequested();
    void colorEffectRequested();
    void shadeRequested(const QString& name);

private:
    void connectControls();
    PlotOptions gatherOptions() const;
    PlotBoxes gatherBoxes() const;
    void writeBack(const PlotBoxes& boxes, const PlotBoxes& gathered);
    // One redraw; true when the user stopped it.
    bool runPlot();
    // The messages a redraw raised, and its status line.
    void report(const PlotResult& result, bool frameOnly, std::set<std::string> raised, const std::string& raisedText);
    void graphingModeChanged(bool polar);
    void plotWithSmoothing();

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotState state_;
    bool animationRunning_ = false;
    bool colorEffectRunning_ = false;
    bool scrolling_[2] = {false, false};  // by ScrollSource
    // The messages the last redraw raised ("title\ntext"): shown again only
    // after a redraw that did not raise them.
    std::set<std::string> shownMessages_;
    bool plotting_ = false;
    bool pending_ = false;
    bool resizedWhilePlotting_ = false;
    int redraws_ = 0;
    std::optional<PictureMarks::Mark> underlay_;  // while plotWithUnderlay runs
};

}  // namespace qv
