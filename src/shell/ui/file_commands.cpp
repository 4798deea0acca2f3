// The window's file commands: open, save, save as, the initialize file and
// the default ranges. The layout of the file is persistence's; here are
// the dialogs, the questions and the writing of the bytes.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include "calculator/ui/calculator_panel.h"
#include "data/ui/data_list_panel.h"
#include "data/ui/list_panel.h"
#include "document/startup.h"
#include "expression/user_text.h"
#include "persistence/graph_commands.h"
#include "persistence/recent_files.h"
#include "platform/platform.h"
#include "platform/safe_write.h"
#include "shell/ui/crash_recovery.h"
#include "shell/ui/main_window.h"

namespace qv {

namespace {

// The pointer shows that the window is busy while a file is written or read.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

std::string quotedFileName(const std::string& path) {
    return "\"" + QFileInfo(QString::fromStdString(path)).fileName().toStdString() + "\"";
}

std::string withoutNul(std::string path) {
    std::erase(path, '\0');
    return path;
}

}  // namespace

std::optional<GraphFileError> MainWindow::readIntoWindow(const std::string& path) {
    GraphFileRead read;
    {
        BusyPointer busy;
        read = loadGraphFile(path);
    }
    if (!read.file) return read.error;
    applyFile(*read.file);
    return std::nullopt;
}

void MainWindow::finishOpening(const std::string& path) {
    doc_.document_path = isInitializeFile(path) ? "" : path;
    doc_.document_saved = true;
    if (mode() == Mode::Parametric) context_.events.requestPlot();
    list_->dataList().applyDrawingChecks();
    // Applying the file marked the document as edited on the way.
    doc_.document_saved = true;
    if (!isInitializeFile(path)) refreshTitle();
    rememberRecent(path, true);
}

bool MainWindow::readyToReplaceDocument() {
    calculator_->dropVariableBlanks();
    if (doc_.document_saved) return true;
    const MessageAnswer answer =
        platform_->message(userText("qv::Texts", kSaveQuestionTitle), userText("qv::Texts", kSaveBeforeOpening),
                           MessageButtons::YesNoCancel, MessageIcon::Question);
    if (answer == MessageAnswer::Cancel) return false;
    // The document is replaced only once it is safe.
    return answer != MessageAnswer::Yes || saveCommand();
}

void MainWindow::openCommand() {
    if (!readyToReplaceDocument()) return;
    for (;;) {
        const std::optional<std::string> chosen = platform_->openFileName(graphOpenDialog());
        if (!chosen) return;
        const PathCheck check = checkGraphOpenPath(*chosen);
        if (check.verdict != PathVerdict::Accept) {
            platform_->message(check.message.title, check.message.text, MessageButtons::Ok, MessageIcon::None);
            continue;
        }
        openPath(check.path);
        return;
    }
}

void MainWindow::openPath(const std::string& path) {
    if (const std::optional<GraphFileError> error = readIntoWindow(path)) {
        // Nothing of the open document has changed.
        platform_->message(userText("qv::Texts", kOpenTitle), openFailureText(path, *error), MessageButtons::Ok,
                           MessageIcon::Warning);
        return;
    }
    finishOpening(path);
}

void MainWindow::openRecent(const std::string& path) {
    if (!QFileInfo(QString::fromStdString(path)).isFile()) {
        rememberRecent(path, false);
        platform_->message(userText("qv::Texts", kOpenTitle),
                           tr("The file %1 is no longer there; it was taken off the list.")
                               .arg(QString::fromStdString(quotedFileName(path)))
                               .toStdString(),
                           MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (readyToReplaceDocument()) openPath(path);
}

void MainWindow::openDropped(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || file.suffix().compare(QLatin1String("gph"), Qt::CaseInsensitive) != 0) {
        platform_->message(
            userText("qv::Texts", kOpenTitle),
            tr("The file %1 is not a graph file.").arg(QString::fromStdString(quotedFileName(path))).toStdString(),
            MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    if (readyToReplaceDocument()) openPath(path);
}

void MainWindow::rememberRecent(const std::string& path, bool keep) {
    if (path.empty() || isInitializeFile(path)) return;
    const std::vector<std::string> list = splitRecent(platform_->setting(kRecentFilesKey));
    platform_->setSetting(kRecentFilesKey, joinRecent(keep ? withRecent(list, path) : withoutRecent(list, path)));
}

std::vector<std::string> MainWindow::recentFiles() const { return splitRecent(platform_->setting(kRecentFilesKey)); }

std::optional<std::string> MainWindow::chooseSavePath() {
    for (;;) {
        const std::optional<std::string> chosen = platform_->saveFileName(graphSaveDialog());
        if (!chosen) return std::nullopt;
        const PathCheck check = checkGraphSavePath(*chosen);
        if (check.verdict == PathVerdict::Accept) return withoutNul(check.path);
        if (check.verdict == PathVerdict::Refuse) {
            platform_->message(check.message.title, check.message.text, MessageButtons::Ok, MessageIcon::None);
            continue;
        }
        const MessageAnswer answer = platform_->message(check.message.title, check.message.text,
                                                        MessageButtons::YesNoCancel, MessageIcon::None);
        if (answer == MessageAnswer::Yes) return withoutNul(check.path);
        if (answer == MessageAnswer::Cancel) return std::nullopt;
    }
}

bool MainWindow::saveCommand() {
    std::optional<std::string> path = doc_.document_path;
    if (path->empty()) path = chooseSavePath();
    if (!path) return false;
    // The document takes the path only once it is saved there.
    if (!textSave(*path)) return false;
    doc_.document_path = *path;
    markSaved();
    return true;
}

bool MainWindow::saveAsCommand() {
    calculator_->dropVariableBlanks();
    const std::optional<std::string> path = chooseSavePath();
    if (!path || !textSave(*path)) return false;
    doc_.document_path = *path;
    markSaved();
    return true;
}

bool MainWindow::textSave(const std::string& path) {
    std::optional<std::string> failure;
    {
        BusyPointer busy;
        const GraphFile file = gatherFile();
        // A file that would not open again is not written: the old one stays.
        failure = oversizedField(file);
        // Written beside the file and put in its place only when every byte
        // is on the disk: a failure leaves the old file as it was.
        if (!failure) failure = writeFileSafely(path, graphFileBytes(file));
    }
    if (failure) {
        platform_->message(userText("qv::Texts", kReplaceTitle),
                           tr("The file %1 could not be saved: %2.")
                               .arg(QString::fromStdString(quotedFileName(path)), QString::fromStdString(*failure))
                               .toStdString(),
                           MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    if (!isInitializeFile(path)) setWindowTitle(QString::fromStdString(documentTitle(path).title));
    rememberRecent(path, true);
    return true;
}

// The work is in a file now: what was kept against a crash is not needed.
void MainWindow::markSaved() {
    doc_.document_saved = true;
    recovery_->documentSaved();
}

void MainWindow::createInitializeFile() {
    if (platform_->message(userText("qv::Texts", kSettingsTitle), userText("qv::Texts", kCreateInitializeText),
                           MessageButtons::OkCancel, MessageIcon::Question) != MessageAnswer::Ok) {
        return;
    }
    const std::string folder = platform_->configFolder();
    if (!folder.empty()) QDir().mkpath(QString::fromStdString(folder));
    // The initialize file is a copy of the settings, not the graph's own
    // file: the graph keeps its saved flag, its title and its crash copy, so
    // that edits not yet in its file are still asked about on closing.
    textSave(initializeFilePath(folder.empty() ? platform_->programFolder() : folder));
}

void MainWindow::setDefaultRanges() {
    if (platform_->message(userText("qv::Texts", kSettingsTitle), userText("qv::Texts", kSetDefaultRangesText),
                           MessageButtons::OkCancel, MessageIcon::Question) != MessageAnswer::Ok) {
        return;
    }
    const std::array<std::string, 4> boxes = doc_.boxes.range;
    const DefaultRangesCheck check = checkDefaultRanges(boxes);
    if (!check.accepted) {
        platform_->message(check.message.title, check.message.text, MessageButtons::Ok, MessageIcon::None);
        return;
    }
    doc_.default_x_min = boxes[0];
    doc_.default_x_max = boxes[1];
    doc_.default_y_min = boxes[2];
    doc_.default_y_max = boxes[3];
    markEdited();
}

}  // namespace qv
