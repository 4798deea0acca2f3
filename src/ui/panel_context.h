#pragma once

#include "ui/panel_events.h"

class QUndoStack;

namespace qv {

class DefaultButtonKeeper;
class Platform;
class Evaluator;
struct GraphDocument;
struct RewriteContext;

// What the main window lends each panel: the document state, the evaluator,
// the default-button keeper, the platform services, and the events the
// panels announce to each other.
struct PanelContext {
    GraphDocument* doc = nullptr;
    Evaluator* evaluator = nullptr;
    DefaultButtonKeeper* defaults = nullptr;
    Platform* platform = nullptr;
    // The rewriter's context, whose error sink shows the parenthesis message.
    RewriteContext* rewrite = nullptr;
    // The window's undo history of the lists; null where there is none.
    QUndoStack* undo = nullptr;
    PanelEvents events;
};

}  // namespace qv
