#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <string>

#include "output/picture_files.h"

namespace qv {

class GraphPanel;
class PlotController;
struct PanelContext;

// The picture leaving the window: "Save As &Bitmap...", "Export Graph..."
// (vector graphics drawn again by the redraw itself) and "Copy Graph".
class PictureCommands : public QObject {
    Q_OBJECT

public:
    PictureCommands(GraphPanel& panel, PanelContext& context, PlotController& plotter, QObject* parent = nullptr);

    void saveAsBitmap();
    void exportGraph();
    void copyGraph();

    // The graph at the picture's size written as SVG or PDF; the reason
    // when the file could not be written.
    std::optional<QString> writeVector(const std::string& path, VectorFormat format) const;

private:
    std::optional<std::string> chooseSavePath(const FileDialogRequest& dialog,
                                              PathCheck (*check)(std::string_view, const FileExists&));
    void reportFailure(const char* title, const std::string& path, const QString& reason);

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
};

}  // namespace qv
