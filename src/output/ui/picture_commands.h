#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <string>

#include "output/picture_files.h"

class QPainter;
class QRectF;

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
    // "&Print...": the print dialog, then one page per copy.
    void print();
    // Pages go to this PDF file instead of the chosen printer (the tests
    // look at them this way).
    void setPrintToFile(const std::string& pdfPath) { printToFile_ = pdfPath; }
    // The print run of "OK": false when the user took it back at the
    // question about many copies, or no printer was chosen (with a
    // message), and the dialog stays. A printer that refuses the job is
    // named in a message.
    bool runPrint(const std::string& printer, const std::string& copiesText, bool equations);

    // The graph at the picture's size written as SVG or PDF; the reason
    // when the file could not be written.
    std::optional<QString> writeVector(const std::string& path, VectorFormat format) const;

private:
    std::optional<std::string> chooseSavePath(const FileDialogRequest& dialog,
                                              PathCheck (*check)(std::string_view, const FileExists&));
    void reportFailure(const std::string& title, const std::string& path, const QString& reason);
    void drawPage(QPainter& painter, double resolution, const QRectF& paper, bool equations) const;

    GraphPanel& panel_;
    PanelContext& ctx_;
    PlotController& plotter_;
    std::string printToFile_;
};

}  // namespace qv
