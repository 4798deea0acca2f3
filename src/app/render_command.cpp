#include "app/render_command.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

#include <charconv>
#include <memory>

#include "output/picture_files.h"
#include "output/ui/picture_commands.h"
#include "persistence/graph_commands.h"
#include "platform/safe_write.h"
#include "platform/qt/headless_platform.h"
#include "shell/ui/main_window.h"

namespace qv {

bool parseImageSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    const auto number = [](std::string_view s, int& into) {
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), into);
        return ec == std::errc() && end == s.data() + s.size() && into >= 16 && into <= 8192;
    };
    return number(std::string_view(text).substr(0, x), width) && number(std::string_view(text).substr(x + 1), height);
}

int runRenderCommand(const char* program, const std::string& graphPath, const std::string& imagePath, int width,
                     int height, std::FILE* out, std::FILE* err) {
    // Read first: a file that does not read is reported by line, and no
    // window is made for it.
    const GraphFileRead read = loadGraphFile(graphPath);
    if (!read.file) {
        std::fprintf(err, "error: %s\n", describe(read.error).c_str());
        return 1;
    }
    // No display is needed, and the picture has exactly the pixels asked for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    int argc = 1;
    char* argv[] = {const_cast<char*>(program), nullptr};
    // Only the program's own lines go to the streams a script reads.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvanta");

    HeadlessPlatform platform(err);
    auto window = std::make_unique<MainWindow>(&platform, std::vector<std::string>{graphPath});
    const QImage image = window->renderPicture(width, height);
    if (const std::optional<VectorFormat> vector = vectorFormatOf(imagePath)) {
        // Drawn again by the redraw itself onto the SVG or PDF canvas.
        if (const std::optional<QString> failure = window->pictures().writeVector(imagePath, *vector)) {
            std::fprintf(err, "error: the image cannot be written to %s: %s\n", imagePath.c_str(),
                         qPrintable(*failure));
            return 1;
        }
        std::fprintf(out, "image: %s %dx%d\n", imagePath.c_str(), image.width(), image.height());
        return 0;
    }
    window.reset();
    // Encoded in memory in the format the name asks for, then written as
    // every file is, so that a full disk cannot leave half a picture.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QFileInfo(QString::fromStdString(imagePath)).suffix().toLower().toLatin1());
    std::optional<std::string> failure;
    if (image.isNull() || !writer.write(image)) failure = writer.errorString().toStdString();
    if (!failure) failure = writeFileSafely(imagePath, std::string_view(bytes.constData(), bytes.size()));
    if (failure) {
        std::fprintf(err, "error: the image cannot be written to %s: %s\n", imagePath.c_str(), failure->c_str());
        return 1;
    }
    std::fprintf(out, "image: %s %dx%d\n", imagePath.c_str(), image.width(), image.height());
    return 0;
}

}  // namespace qv
