#include "output/ui/picture_commands.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include "expression/user_text.h"
#include "output/ui/painter_canvas.h"
#include "output/ui/print_dialog.h"
#include "platform/safe_write.h"
#include "plot/ui/graph_panel.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

// The bytes a Qt writer produced, put in place only when the disk holds
// every one of them; the system's reason when that fails.
std::optional<QString> saveBytes(const std::string& path, const QByteArray& bytes) {
    const std::optional<std::string> failure =
        writeFileSafely(path, std::string_view(bytes.constData(), bytes.size()));
    if (failure) return QString::fromStdString(*failure);
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

void PictureCommands::reportFailure(const std::string& title, const std::string& path, const QString& reason) {
    const std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    ctx_.platform->message(
        title, tr("The file \"%1\" could not be written: %2.").arg(QString::fromStdString(name), reason).toStdString(),
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
    if (failure) reportFailure(userText("qv::Texts", kBitmapTitle), *path, *failure);
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
        reportFailure(userText("qv::Texts", kExportGraphTitle), *path, *failure);
    }
}

void PictureCommands::copyGraph() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(panel_.picture()->image());
}

void PictureCommands::print() {
    if (ctx_.platform == nullptr) return;
    PrintDialog dialog(ctx_.platform->printerNames(), ctx_.platform->defaultPrinter(), panel_.window());
    connect(&dialog, &PrintDialog::printRequested, &dialog, [this, &dialog] {
        if (runPrint(dialog.printer(), dialog.copiesText(), dialog.printEquations())) dialog.accept();
    });
    dialog.exec();
}

bool PictureCommands::runPrint(const std::string& printerName, const std::string& copiesText, bool equations) {
    const int copies = copiesFor(copiesText).value_or(1);
    if (copies > kCopiesWithoutQuestion &&
        ctx_.platform->message(userText("qv::Texts", kManyCopiesTitle), manyCopiesQuestion(copiesText),
                               MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes) {
        return false;
    }
    // A run never ends without a word: it prints, or it says why not.
    const auto refused = [this, &printerName] {
        ctx_.platform->message(
            tr("Quorvanta  -  Print").toStdString(),
            tr("The printer \"%1\" did not take the job.").arg(QString::fromStdString(printerName)).toStdString(),
            MessageButtons::Ok, MessageIcon::Warning);
        return true;
    };
    if (printerName.empty() && printToFile_.empty()) {
        ctx_.platform->message(tr("Quorvanta  -  Print").toStdString(),
                               tr("Choose the printer to print on.").toStdString(), MessageButtons::Ok,
                               MessageIcon::Warning);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (printToFile_.empty()) {
        printer.setPrinterName(QString::fromStdString(printerName));
        // A name the system no longer knows leaves the printer as it was:
        // the pages would go to another one.
        if (printer.printerName() != QString::fromStdString(printerName)) return refused();
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printToFile_));
    }
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Quorvanta graph"));
    QPainter painter;
    if (!painter.begin(&printer)) return refused();
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    bool allPages = true;
    for (int copy = 1; copy <= copies && allPages; ++copy) {
        allPages = copy == 1 || printer.newPage();
        if (allPages) drawPage(painter, printer.resolution(), paper, equations);
    }
    if (!painter.end() || !allPages || printer.printerState() == QPrinter::Error) return refused();
    return true;
}

// One page: the graph drawn again at the printer's resolution with its
// top-left corner 1000 twips from the paper's, and the two expressions
// under it. A picture wider or taller than the paper leaves is made
// smaller to fit.
void PictureCommands::drawPage(QPainter& painter, double resolution, const QRectF& paper, bool equations) const {
    const PictureArea& picture = *panel_.picture();
    const int width = picture.QWidget::width(), height = picture.QWidget::height();
    constexpr double kMarginTwips = 1000, kTwipsPerInch = 1440, kPixelsPerInch = 96;
    const double margin = kMarginTwips / kTwipsPerInch * resolution;
    double scale = resolution / kPixelsPerInch;
    const double lineRoom = 4 * QFontMetricsF(picture.font()).height() + 400.0 / kTwipsPerPixel;
    const double fit = std::min((paper.width() - 2 * margin) / width,
                                (paper.height() - 2 * margin) / (height + (equations ? lineRoom : 0)));
    if (fit > 0 && fit < scale) scale = fit;
    painter.save();
    painter.translate(margin, margin);
    painter.scale(scale, scale);
    {
        PainterCanvas canvas(painter, width, height, picture.font());
        plotter_.drawOnto(canvas);
    }
    if (equations) {
        const FunctionControls& f = panel_.function();
        PainterCanvas text(painter, width, static_cast<int>(height + lineRoom), picture.font());
        text.setTextColor(0);
        const double top = height * kTwipsPerPixel + 400;
        const GraphBoxes& b = ctx_.doc->boxes;
        text.text(400, top, f.xCaption->text().toStdString() + " " + b.x_of_z);
        // The empty line between them, as the expressions were printed.
        text.text(400, top + 3 * text.textHeight(), f.yCaption->text().toStdString() + " " + b.y_of_z);
    }
    painter.restore();
}

}  // namespace qv
