#pragma once

#include <functional>

namespace qv {

class DefaultButtonKeeper;
class Platform;
class Evaluator;
struct GraphDocument;
struct RewriteContext;

// What the main window lends each panel: the document state, the evaluator,
// the default-button keeper, the platform services, and the one way to say
// that the document changed.
struct PanelContext {
    GraphDocument* doc = nullptr;
    Evaluator* evaluator = nullptr;
    DefaultButtonKeeper* defaults = nullptr;
    Platform* platform = nullptr;
    // The rewriter's context, whose error sink shows the parenthesis message.
    RewriteContext* rewrite = nullptr;
    // Every edit of a document field calls this (document_saved becomes "0").
    std::function<void()> markEdited;
};

}  // namespace qv
