#include "output/ui/picture_commands.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "output/ui/painter_canvas.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

// Bytes written through a file beside the target, put in place only when
// complete; the reason when that fails.
std::optional<QString> saveBytes(const std::string& path, const QByteArray& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace

PictureCommands::PictureCommands(GraphPanel& panel, PanelContext& context, PlotController& plotter, QObject* parent)
    : QObject(parent), panel_(panel), ctx_(context), plotter_(plotter) {}

std::optional<std::string> PictureCommands::chooseSavePath(const FileDialogRequest& dialog,
                                                           PathCheck (*check)(std::string_view, const FileExists&)) {
    for (;;) {
        const std::optional<std::string> chosen = ctx_.platform->saveFileName(dialog);
        if (!chosen) return std::nullopt;
        const PathCheck c = check(*chosen, pathExists);
        if (c.verdict == PathVerdict::Accept) return c.path;
        if (c.verdict == PathVerdict::Refuse) {
            ctx_.platform->message(c.message.title, c.message.text, MessageButtons::Ok, MessageIcon::None);
            continue;
        }
        const MessageAnswer answer =
            ctx_.platform->message(c.message.title, c.message.text, MessageButtons::YesNoCancel, MessageIcon::None);
        if (answer == MessageAnswer::Yes) return c.path;
        if (answer == MessageAnswer::Cancel) return std::nullopt;
    }
}

void PictureCommands::reportFailure(const char* title, const std::string& path, const QString& reason) {
    const std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    ctx_.platform->message(title, "The file \"" + name + "\" could not be written: " + reason.toStdString() + ".",
                           MessageButtons::Ok, MessageIcon::Warning);
}

void PictureCommands::saveAsBitmap() {
    if (ctx_.platform == nullptr) return;
    const std::optional<std::string> path = chooseSavePath(bitmapDialog(), checkBitmapPath);
    if (!path) return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    std::optional<QString> failure;
    if (!writer.write(panel_.picture()->image())) failure = writer.errorString();
    if (!failure) failure = saveBytes(*path, bytes);
    if (failure) reportFailure(kBitmapTitle, *path, *failure);
}

std::optional<QString> PictureCommands::writeVector(const std::string& path, VectorFormat format) const {
    const PictureArea& picture = *panel_.picture();
    const int width = picture.QWidget::width(), height = picture.QWidget::height();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == VectorFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle(QStringLiteral("Quorvanta graph"));
        QPainter painter(&svg);
        PainterCanvas canvas(painter, width, height, picture.font());
        plotter_.drawOnto(canvas);
    } else {
        QPdfWriter pdf(&buffer);
        constexpr int kResolution = 1200;
        pdf.setResolution(kResolution);
        // A page the size of the picture at 96 pixels to the inch.
        pdf.setPageSize(QPageSize(QSizeF(width * 72.0 / 96, height * 72.0 / 96), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("Quorvanta graph"));
        QPainter painter(&pdf);
        painter.scale(kResolution / 96.0, kResolution / 96.0);
        PainterCanvas canvas(painter, width, height, picture.font());
        plotter_.drawOnto(canvas);
    }
    buffer.close();
    return saveBytes(path, bytes);
}

void PictureCommands::exportGraph() {
    if (ctx_.platform == nullptr) return;
    const std::optional<std::string> path = chooseSavePath(exportGraphDialog(), checkExportGraphPath);
    if (!path) return;
    if (const std::optional<QString> failure = writeVector(*path, *vectorFormatOf(*path))) {
        reportFailure(kExportGraphTitle, *path, *failure);
    }
}

void PictureCommands::copyGraph() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(panel_.picture()->image());
}

}  // namespace qv
