#pragma once

#include <QObject>

#include <functional>

#include "data/fits.h"

class QLineEdit;

namespace qv {

class DataListPanel;
struct PanelContext;
struct RewriteContext;

// "Create Fit" and "Test Correlation" in the window: they read the data
// columns and the function list's entry box, call the fit, and write the
// outcome back into the entry box and the data list's result label.
//
// A Gaussian fit runs many trials. While it runs, the window keeps painting
// (the entry box shows each trial) but takes no input: a press of the left
// mouse button anywhere stops the search with "Data fit halted.", closing
// the window stops it too, and every other key or click waits for its end.
class FitCommands : public QObject {
    Q_OBJECT

public:
    struct Controls {
        DataListPanel* data = nullptr;
        QLineEdit* entry = nullptr;                   // Text27
        std::function<void()> clearFunctionSelection;
        std::function<RewriteContext&()> rewrite;
    };

    FitCommands(PanelContext& ctx, Controls controls, QObject* parent = nullptr);

    void createFit(FitType type);
    void testCorrelation();

    // Whether a fit is running (its busy pointer is shown).
    bool running() const { return running_; }

private:
    void showMessage(const DataMessage& message);
    void finish(bool clearSelection, bool focusEntry);

    PanelContext& ctx_;
    Controls controls_;
    bool running_ = false;
};

}  // namespace qv
