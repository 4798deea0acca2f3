#pragma once

#include <QObject>

#include "data/list_file.h"

namespace qv {

class ListPanel;
struct PanelContext;

// The list-file commands of the "&File" menu on the data list's shown
// column: "&Import List..." and the four exports. The checks, lines and
// path rules are the core's; these run the dialogs and the questions.
class ListFileCommands : public QObject {
    Q_OBJECT

public:
    ListFileCommands(ListPanel& list, PanelContext& context, QObject* parent = nullptr);

    void importList();
    void exportList(ExportMode mode);

private:
    void show(const DataMessage& m);
    std::optional<std::string> chooseExportPath();

    ListPanel& list_;
    PanelContext& ctx_;
};

}  // namespace qv
