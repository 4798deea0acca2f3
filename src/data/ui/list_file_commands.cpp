#include "data/ui/list_file_commands.h"

#include <QLineEdit>

#include "data/ui/data_list_panel.h"
#include "data/ui/list_panel.h"
#include "document/graph_document.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

const char* modeName(ExportMode mode) {
    switch (mode) {
    case ExportMode::Normal: return "normal";
    case ExportMode::Log: return "log";
    case ExportMode::Inverse: return "inverse";
    case ExportMode::Difference: break;
    }
    return "difference";
}

// The export mode is document state while an export runs; it is "normal"
// again when the command ends, however it ends.
class ExportModeScope {
public:
    ExportModeScope(GraphDocument& doc, ExportMode mode) : doc_(doc) { doc_.export_mode = modeName(mode); }
    ~ExportModeScope() { doc_.export_mode = "normal"; }
    ExportModeScope(const ExportModeScope&) = delete;
    ExportModeScope& operator=(const ExportModeScope&) = delete;

private:
    GraphDocument& doc_;
};

}  // namespace

ListFileCommands::ListFileCommands(ListPanel& list, PanelContext& context, QObject* parent)
    : QObject(parent), list_(list), ctx_(context) {}

void ListFileCommands::show(const DataMessage& m) {
    ctx_.platform->message(m.title, m.text, MessageButtons::Ok, MessageIcon::None);
}

void ListFileCommands::exportList(ExportMode mode) {
    const ExportModeScope scope(*ctx_.doc, mode);
    const ExportPlan plan = planExport(mode, ctx_.doc->data, ctx_.doc->list.function_entry,
                                       *ctx_.rewrite, *ctx_.evaluator);
    if (plan.message) return show(*plan.message);
    const std::optional<std::string> path = chooseExportPath();
    if (!path) return;
    if (const std::optional<DataMessage> failed = writeListFile(*path, plan.lines)) show(*failed);
}

// The save dialog until a path is accepted; nothing when the user cancels.
std::optional<std::string> ListFileCommands::chooseExportPath() {
    for (;;) {
        const std::optional<std::string> chosen = ctx_.platform->saveFileName(exportDialogRequest());
        if (!chosen) return std::nullopt;
        const PathCheck check = checkExportPath(*chosen);
        if (check.verdict == PathVerdict::Accept) return check.path;
        if (check.verdict == PathVerdict::Refuse) {
            show(check.message);
            continue;
        }
        const MessageAnswer answer = ctx_.platform->message(check.message.title, check.message.text,
                                                            MessageButtons::YesNoCancel, MessageIcon::None);
        if (answer == MessageAnswer::Yes) return check.path;
        if (answer == MessageAnswer::Cancel) return std::nullopt;
    }
}

// The shown column takes the file's lines; a file that is refused leaves it
// as it was and the dialog opens again. The import is a step of the undo
// history.
void ListFileCommands::importList() {
    DataColumns& columns = ctx_.doc->data;
    if (const std::optional<DataMessage> question = importEraseQuestion(columns)) {
        const MessageAnswer answer =
            ctx_.platform->message(question->title, question->text, MessageButtons::YesNo, MessageIcon::None);
        if (answer != MessageAnswer::Yes) return;
    }
    for (;;) {
        const std::optional<std::string> chosen = ctx_.platform->openFileName(importDialogRequest());
        if (!chosen) return;
        const PathCheck check = checkImportPath(*chosen);
        if (check.verdict != PathVerdict::Accept) {
            show(check.message);
            continue;
        }
        ImportResult read = readListFile(check.path);
        if (read.message) {
            show(*read.message);
            continue;
        }
        const int c = columns.selected();
        std::vector<std::string> before = columns.column(c);
        columns.assign(c, std::move(read.items));
        DataListPanel& data = list_.dataList();
        data.refresh();
        data.recordColumn(tr("Import List"), c, std::move(before));
        ctx_.events.markEdited();
        return;
    }
}

}  // namespace qv
