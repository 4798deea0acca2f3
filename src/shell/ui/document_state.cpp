// The window's document in and out of the graph file's value. The document
// is converted in core; here the panels are told to show what it became.

#include "animation/ui/effects_controller.h"
#include "calculator/ui/calculator_panel.h"
#include "calculus/ui/calculus_commands.h"
#include "data/ui/list_panel.h"
#include "persistence/document_file.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/plot_controller.h"
#include "shell/ui/main_window.h"
#include "vectors/ui/vector_panel.h"

namespace qv {

GraphFile MainWindow::gatherFile() const { return graphFileOf(doc_); }

void MainWindow::applyFile(const GraphFile& f) {
    // The old document's changes cannot be undone into the new one.
    undo_.clear();
    readGraphFileInto(f, doc_);
    showDocument();
}

void MainWindow::showDocument() {
    effects_->shade();
    graph_->setReadoutColors(doc_.colors[kBackground], doc_.colors[kAxis]);
    plotter_->showSwitches();
    graph_->showDocument();
    calculator_->showDocument();
    list_->showDocument();
    calculus_->showDocument();
    vectors_->showDocument();
    // The mode last: entering it may redraw what the panels now show.
    const Mode target = doc_.mode;
    doc_.mode = mode();
    setMode(target);
    if (mode() == Mode::List) doc_.autoscale = static_cast<int16_t>(isOn(doc_.list.autoscale) ? 1 : 0);
}

}  // namespace qv
