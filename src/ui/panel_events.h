#pragma once

#include <QObject>

#include "document/graph_document.h"

namespace qv {

// What the panels tell each other. A panel announces an event here; whoever
// cares listens, and nobody needs to know who else is there. The window
// answers the requests (a mode switch, a redraw) and keeps the current mode
// here for every panel to read.
class PanelEvents : public QObject {
    Q_OBJECT

public:
    Mode mode() const { return mode_; }
    bool parametric() const { return mode_ == Mode::Parametric; }

    // Every edit of the document calls this.
    void markEdited() { Q_EMIT documentEdited(); }
    // Asks for a redraw of the graph.
    void requestPlot() { Q_EMIT plotRequested(); }
    // Asks the window to switch modes.
    void requestMode(Mode mode) { Q_EMIT modeRequested(mode); }
    // The data list shows another column (the calculator's answer button
    // names it).
    void announceDataColumn(int column) { Q_EMIT dataColumnSelected(column); }
    // The calculator asks for its answer to be appended to the data column
    // the data list shows.
    void requestAddAnswer() { Q_EMIT addAnswerRequested(); }
    // The window announces its new mode.
    void announceMode(Mode mode) {
        mode_ = mode;
        Q_EMIT modeChanged(mode);
    }

Q_SIGNALS:
    void documentEdited();
    void plotRequested();
    void modeRequested(Mode mode);
    void modeChanged(Mode mode);
    void dataColumnSelected(int column);
    void addAnswerRequested();

private:
    Mode mode_ = Mode::Parametric;
};

}  // namespace qv
