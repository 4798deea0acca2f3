#include "shell/ui/crash_recovery.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>

#include "platform/platform.h"
#include "platform/safe_write.h"

namespace qv {

namespace {

constexpr int kKeepIntervalMs = 60 * 1000;
// A lock file younger than this may belong to a window that is creating it
// this very moment and does not hold it yet.
constexpr qint64 kNewLockSeconds = 60;

QString lockPathOf(const QFileInfo& kept) { return kept.absolutePath() + '/' + kept.completeBaseName() + ".lock"; }

// A name no other window picks, now or in an earlier run: the time and a
// random tail.
QString newBaseName() {
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + '-' +
           QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, '0');
}

// The lock at the path, taken when no running process holds it. A lock is
// never judged by its age or by the process number written in it: removing
// it succeeds only when the system holds it for no process, and the system
// lets go of a process's locks when it ends, however it ends.
std::unique_ptr<QLockFile> takeIfFree(const QString& lockPath) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) return lock;
    if (lock->error() == QLockFile::LockFailedError && lock->removeStaleLockFile() && lock->tryLock(0)) return lock;
    return nullptr;
}

}  // namespace

CrashRecovery::CrashRecovery(Platform& platform, std::function<std::string()> bytes, std::function<bool()> unsaved,
                             QObject* parent)
    : QObject(parent), platform_(platform), bytes_(std::move(bytes)), unsaved_(std::move(unsaved)) {
    const std::string data = platform_.userDataFolder();
    if (!data.empty()) folder_ = data + "/recovery";
    timer_.setInterval(kKeepIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CrashRecovery::keep);
    if (folder_.empty()) return;
    takeLock();
    timer_.start();
}

CrashRecovery::~CrashRecovery() = default;

bool CrashRecovery::takeLock() {
    QDir().mkpath(QString::fromStdString(folder_));
    for (int attempt = 0; attempt < 8 && !lock_; ++attempt) {
        const QString base = QString::fromStdString(folder_) + '/' + newBaseName();
        auto lock = std::make_unique<QLockFile>(base + ".lock");
        // Held for the window's life; only its end lets it go.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            path_ = (base + ".gph").toStdString();
        } else if (lock->error() != QLockFile::LockFailedError) {
            break;
        }
    }
    return lock_ != nullptr;
}

void CrashRecovery::keep() {
    if (folder_.empty() || !changed_) return;
    changed_ = false;
    if (!unsaved_()) {
        documentSaved();
        return;
    }
    std::optional<std::string> failure;
    if (lock_ || takeLock()) {
        failure = writeFileSafely(path_, bytes_());
    } else {
        failure = tr("the folder \"%1\" cannot be written").arg(QString::fromStdString(folder_)).toStdString();
    }
    if (failure) {
        // Keeping work is a safeguard, not a command the user gave: tried
        // again at the next tick, and said once.
        changed_ = true;
        report(*failure);
        return;
    }
    reported_ = false;
}

void CrashRecovery::report(const std::string& reason) {
    if (reported_) return;
    reported_ = true;
    platform_.message("Quorvanta",
                      tr("Your unsaved graph could not be kept against a crash: %1.")
                          .arg(QString::fromStdString(reason))
                          .toStdString(),
                      MessageButtons::Ok, MessageIcon::Warning);
}

void CrashRecovery::documentSaved() {
    changed_ = false;
    if (!path_.empty()) QFile::remove(QString::fromStdString(path_));
}

void CrashRecovery::discard() {
    timer_.stop();
    documentSaved();
    dropClaimed();
    // The file went first: a file never outlives its lock on a clean exit.
    lock_.reset();
}

std::optional<std::string> CrashRecovery::claimLeftBehind() {
    if (folder_.empty()) return std::nullopt;
    dropClaimed();
    removeStaleLocks();
    const QString own = QFileInfo(QString::fromStdString(path_)).fileName();
    const QDir dir(QString::fromStdString(folder_));
    for (const QFileInfo& kept : dir.entryInfoList({QStringLiteral("*.gph")}, QDir::Files, QDir::Time)) {
        if (kept.fileName() == own) continue;
        if (std::unique_ptr<QLockFile> lock = takeIfFree(lockPathOf(kept))) {
            claimed_ = std::move(lock);
            claimedPath_ = kept.absoluteFilePath().toStdString();
            return claimedPath_;
        }
    }
    return std::nullopt;
}

void CrashRecovery::adoptClaimed() {
    if (!claimed_) return;
    // This window's own file held nothing the restored work does not.
    if (!path_.empty()) QFile::remove(QString::fromStdString(path_));
    lock_ = std::move(claimed_);
    path_ = claimedPath_;
    claimedPath_.clear();
}

void CrashRecovery::dropClaimed() {
    if (!claimed_) return;
    QFile::remove(QString::fromStdString(claimedPath_));
    claimed_.reset();
    claimedPath_.clear();
}

void CrashRecovery::removeStaleLocks() const {
    const QDir dir(QString::fromStdString(folder_));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QFileInfo& lock : dir.entryInfoList({QStringLiteral("*.lock")}, QDir::Files)) {
        if (dir.exists(lock.completeBaseName() + ".gph")) continue;
        if (lock.lastModified().secsTo(now) < kNewLockSeconds) continue;
        QLockFile stale(lock.absoluteFilePath());
        stale.removeStaleLockFile();  // only when no process holds it
    }
}

}  // namespace qv
