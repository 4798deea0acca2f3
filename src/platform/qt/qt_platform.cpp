#include "platform/qt/qt_platform.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include <cmath>

namespace qv {
namespace {

// Texts shown to the user are UTF-8; paths are whatever bytes the file
// system uses, which Qt converts with the local encoding.
QString fromText(const std::string& text) { return QString::fromStdString(text); }
QString fromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The first button is the default, as Enter answers a message box.
QMessageBox::StandardButton firstButton(MessageButtons buttons) {
    bool yesNo = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
    return yesNo ? QMessageBox::Yes : QMessageBox::Ok;
}

QMessageBox::StandardButton escapeButton(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::YesNo: return QMessageBox::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Windows separates the patterns of one entry with ";", Qt with blanks; and
// "*.*" means every file there but only names with a dot here.
QStringList qtPatterns(const QString& pattern) {
    QStringList patterns;
    for (const QString& part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString p = part.trimmed();
        if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        if (!p.isEmpty()) patterns << p;
    }
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    return patterns;
}

// One filter entry: the description, with the patterns in parentheses at
// its end where Qt reads them. A description whose own list already reads
// as those patterns in Qt's form (in any case: Qt's dialog matches names
// ignoring case) is kept as written; any other list it ends with is
// replaced, since Qt would filter by it.
QString qtFilterEntry(const QString& description, const QString& pattern) {
    const QString patterns = qtPatterns(pattern).join(QLatin1Char(' '));
    static const QRegularExpression trailingList(QStringLiteral("^(.*?)\\s*\\(([^()]*)\\)$"));
    QString text = description.trimmed();
    const QRegularExpressionMatch match = trailingList.match(text);
    if (match.hasMatch()) {
        if (match.captured(2).trimmed().compare(patterns, Qt::CaseInsensitive) == 0) return text;
        text = match.captured(1);
    }
    if (text.isEmpty()) return patterns;
    return text + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

// Runs a dialog modally. Its parent may be destroyed while it is up (the
// program is closing); the dialog goes with it, so it is not deleted again.
// Returns false when that happened.
template <typename Dialog>
bool execOwned(std::unique_ptr<Dialog>& dialog) {
    QPointer<Dialog> alive(dialog.get());
    dialog->exec();
    if (alive) return true;
    static_cast<void>(dialog.release());
    return false;
}

std::optional<std::string> runFileDialog(std::unique_ptr<QFileDialog> dialog) {
    if (!execOwned(dialog) || dialog->result() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog->selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    return toPath(files.first());
}

// Printing converts between twips (1440 to the inch) and printer dots.
int twipsToDots(double twips, int dotsPerInch) { return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0)); }

constexpr int kTwipsPerPixel = 15;
constexpr int kPictureMarginTwips = 1000;

}  // namespace

QtPlatform::QtPlatform(QWidget* dialogParent) : parent_(dialogParent) {}

void QtPlatform::setDialogParent(QWidget* dialogParent) { parent_ = dialogParent; }

std::unique_ptr<QMessageBox> QtPlatform::buildMessageBox(QWidget* parent, const std::string& title,
                                                         const std::string& text, MessageButtons buttons,
                                                         MessageIcon icon) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(fromText(title));
    // A message such as "x < 0 and y > 1" must show as written.
    box->setTextFormat(Qt::PlainText);
    box->setText(fromText(text));
    box->setIcon(qtIcon(icon));
    box->setStandardButtons(standardButtons(buttons));
    box->setDefaultButton(firstButton(buttons));
    box->setEscapeButton(escapeButton(buttons));
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

MessageAnswer QtPlatform::answerFor(QMessageBox::StandardButton clicked, MessageButtons buttons) {
    switch (clicked) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: break;
    }
    switch (escapeButton(buttons)) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

MessageAnswer QtPlatform::message(const std::string& title, const std::string& text, MessageButtons buttons,
                                  MessageIcon icon) {
    std::unique_ptr<QMessageBox> box = buildMessageBox(parent_, title, text, buttons, icon);
    if (!execOwned(box)) return answerFor(QMessageBox::NoButton, buttons);
    QAbstractButton* clicked = box->clickedButton();
    return answerFor(clicked ? box->standardButton(clicked) : QMessageBox::NoButton, buttons);
}

QString QtPlatform::qtFilter(const std::string& filter) {
    const QStringList parts = fromText(filter).split(QLatin1Char('|'));
    QStringList entries;
    // Description and pattern pairs; a description left without its pattern
    // names no files and is dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        entries << qtFilterEntry(parts[i], parts[i + 1]);
    }
    return entries.join(QStringLiteral(";;"));
}

std::unique_ptr<QFileDialog> QtPlatform::buildFileDialog(QWidget* parent, const FileDialogRequest& request,
                                                         bool forSaving) {
    auto dialog = std::make_unique<QFileDialog>(parent, fromText(request.title));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (forSaving) dialog->setOption(QFileDialog::DontConfirmOverwrite);
    const QString filter = qtFilter(request.filter);
    if (!filter.isEmpty()) dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(fromText(request.defaultExtension));
    if (!request.initialPath.empty()) {
        const QString initial = fromPath(request.initialPath);
        if (QFileInfo(initial).isDir()) {
            dialog->setDirectory(initial);
        } else {
            dialog->selectFile(initial);
        }
    }
    return dialog;
}

std::optional<std::string> QtPlatform::openFileName(const FileDialogRequest& request) {
    return runFileDialog(buildFileDialog(parent_, request, false));
}

std::optional<std::string> QtPlatform::saveFileName(const FileDialogRequest& request) {
    return runFileDialog(buildFileDialog(parent_, request, true));
}

QColor QtPlatform::colorFromPacked(uint32_t packed) {
    return QColor(static_cast<int>(packed & 0xFFu), static_cast<int>((packed >> 8) & 0xFFu),
                  static_cast<int>((packed >> 16) & 0xFFu));
}

uint32_t QtPlatform::packedFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<uint32_t>(rgb.red()) | (static_cast<uint32_t>(rgb.green()) << 8) |
           (static_cast<uint32_t>(rgb.blue()) << 16);
}

std::optional<uint32_t> QtPlatform::chooseColor(uint32_t initial, CustomColors& customColors) {
    for (int i = 0; i < QColorDialog::customCount() && i < static_cast<int>(customColors.size()); ++i) {
        QColorDialog::setCustomColor(i, colorFromPacked(customColors[static_cast<std::size_t>(i)]));
    }
    const QColor chosen = QColorDialog::getColor(colorFromPacked(initial), parent_);
    if (!chosen.isValid()) return std::nullopt;
    for (int i = 0; i < QColorDialog::customCount() && i < static_cast<int>(customColors.size()); ++i) {
        customColors[static_cast<std::size_t>(i)] = packedFromColor(QColorDialog::customColor(i));
    }
    return packedFromColor(chosen);
}

bool QtPlatform::startOwnProgram(const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& argument : arguments) args << fromPath(argument);
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), args);
}

// xdg-open says by its exit status whether a program took the document (3
// when none is known for its type), which Qt's own call does not pass on: it
// counts a started xdg-open as success. On most desktops xdg-open hands the
// file on and ends at once; on one it does not know it runs the viewer
// itself and ends with it, so one still running after a moment has opened
// the document, and it is left to run. With no xdg-open, Qt's way is all
// there is.
bool QtPlatform::openDocument(const std::string& path) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(fromPath(path)));
    constexpr int kOpenerWaitMs = 1500;
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({fromPath(path)});
    // No pipes: a viewer that outlives this program must not lose its output.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(kOpenerWaitMs)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
}

std::vector<std::string> QtPlatform::printerNames() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
    return names;
}

std::string QtPlatform::defaultPrinter() { return QPrinterInfo::defaultPrinterName().toStdString(); }

QImage QtPlatform::imageFromPixels(const PrintRequest& request) {
    if (request.width <= 0 || request.height <= 0) return {};
    const auto width = static_cast<size_t>(request.width);
    if (request.pixels.size() != width * static_cast<size_t>(request.height)) return {};
    QImage image(request.width, request.height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (int y = 0; y < request.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uint32_t* source = request.pixels.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < request.width; ++x) line[x] = 0xFF000000u | source[x];
    }
    return image;
}

QRect QtPlatform::pictureRect(int dotsPerInch, const QSize& pictureSize) {
    const int margin = twipsToDots(kPictureMarginTwips, dotsPerInch);
    return QRect(margin, margin, twipsToDots(double(pictureSize.width()) * kTwipsPerPixel, dotsPerInch),
                 twipsToDots(double(pictureSize.height()) * kTwipsPerPixel, dotsPerInch));
}

void QtPlatform::paintPicture(QPainter& painter, int dotsPerInch, const QImage& picture) {
    painter.drawImage(pictureRect(dotsPerInch, picture.size()), picture);
}

// Each copy is a document of its own, ended before the next begins, so a
// printer that ignores a copy count still prints every copy.
bool QtPlatform::print(const PrintRequest& request) {
    const QImage picture = imageFromPixels(request);
    if (picture.isNull() || request.copies < 1) return false;
    const QPrinterInfo info = QPrinterInfo::printerInfo(fromText(request.printer));
    if (info.isNull()) return false;
    for (int copy = 0; copy < request.copies; ++copy) {
        QPrinter printer(info, QPrinter::HighResolution);
        if (!printer.isValid()) return false;
        printer.setDocName(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&printer)) return false;
        paintPicture(painter, printer.resolution(), picture);
        if (!painter.end()) return false;
    }
    return true;
}

std::string QtPlatform::programFolder() { return toPath(QCoreApplication::applicationDirPath()); }

namespace {

// The settings file beside the initialize file, in the user's folder.
QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvanta"), QStringLiteral("Quorvanta"));
}

}  // namespace

std::vector<std::string> QtPlatform::dataFolders() {
    std::vector<std::string> folders;
    // An installed program finds its data beside its folder, in share/quorvanta.
    folders.push_back(toPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quorvanta")));
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation)) {
        folders.push_back(toPath(folder));
    }
    return folders;
}

std::string QtPlatform::userDataFolder() {
    return toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::string QtPlatform::setting(const std::string& key) {
    return userSettings().value(QString::fromStdString(key)).toString().toStdString();
}

void QtPlatform::setSetting(const std::string& key, const std::string& value) {
    QSettings settings = userSettings();
    settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

std::string QtPlatform::configFolder() {
    return toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

}  // namespace qv
