#include "shell/ui/crash_recovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>


#include "platform/platform.h"

namespace qv {

namespace {

constexpr int kKeepIntervalMs = 60 * 1000;

QString recoveryFolder(const std::string& dataFolder) {
    return QString::fromStdString(dataFolder) + QStringLiteral("/recovery");
}

// Whether the process of that number still runs. A process killed a
// moment ago may linger as a zombie until it is reaped: that one has ended.
bool running(qint64 pid) {
    if (pid == QCoreApplication::applicationPid()) return true;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray line = stat.readAll();
    // The state follows the command name, which ends with the last ')'.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0 || close + 2 >= line.size()) return true;
    const char state = line.at(close + 2);
    return state != 'Z' && state != 'X';
}

}  // namespace

CrashRecovery::CrashRecovery(Platform& platform, std::function<std::string()> bytes, std::function<bool()> unsaved,
                             QObject* parent)
    : QObject(parent), platform_(platform), bytes_(std::move(bytes)), unsaved_(std::move(unsaved)) {
    folder_ = platform_.userDataFolder();
    if (!folder_.empty()) {
        path_ = (recoveryFolder(folder_) + QStringLiteral("/%1.gph").arg(QCoreApplication::applicationPid()))
                    .toStdString();
    }
    timer_.setInterval(kKeepIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CrashRecovery::keep);
    if (!path_.empty()) timer_.start();
}

void CrashRecovery::keep() {
    if (path_.empty() || !changed_) return;
    changed_ = false;
    if (!unsaved_()) {
        QFile::remove(QString::fromStdString(path_));
        return;
    }
    QDir().mkpath(recoveryFolder(folder_));
    const std::string bytes = bytes_();
    QSaveFile file(QString::fromStdString(path_));
    // A failure is retried at the next tick: keeping work is a safeguard,
    // not a command the user gave.
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        changed_ = true;
    }
}

void CrashRecovery::discard() {
    timer_.stop();
    if (!path_.empty()) QFile::remove(QString::fromStdString(path_));
}

std::vector<std::string> CrashRecovery::leftBehind() const {
    std::vector<std::string> files;
    if (folder_.empty()) return files;
    const QFileInfoList entries = QDir(recoveryFolder(folder_)).entryInfoList({QStringLiteral("*.gph")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& entry : entries) {
        bool number = false;
        const qint64 pid = entry.completeBaseName().toLongLong(&number);
        if (number && !running(pid)) files.push_back(entry.absoluteFilePath().toStdString());
    }
    return files;
}

}  // namespace qv
