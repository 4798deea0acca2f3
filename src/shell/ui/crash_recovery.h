#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLockFile;

namespace qv {

class Platform;

// Unsaved work kept against a crash: every minute, when the document has
// changed, its graph file is written to a file of this window in the
// user's data folder (through a file beside it, as every save). A clean
// exit or a save removes it.
//
// Each window's file has a name of its own (the time and a random tail)
// and a lock file beside it that the window holds while it runs. The
// system keeps such a lock only as long as its process lives, so a file
// whose lock is free was left by a run that ended without a clean exit,
// whatever its process number was (a sandbox gives every run the same).
class CrashRecovery : public QObject {
    Q_OBJECT

public:
    // `bytes` gives the document's graph file; `unsaved` whether it holds
    // work not in a file.
    CrashRecovery(Platform& platform, std::function<std::string()> bytes, std::function<bool()> unsaved,
                  QObject* parent = nullptr);
    ~CrashRecovery() override;

    // The document changed: the next tick writes it.
    void documentChanged() { changed_ = true; }
    // One tick of the minute timer (tests drive it). A write that fails is
    // tried again at the next tick; the first failure of a run of them
    // shows one message with the system's reason.
    void keep();
    // The document was saved: nothing to keep.
    void documentSaved();
    // A clean exit: nothing to recover.
    void discard();

    // The newest file that a run which ended without a clean exit left
    // behind, taken by this window (its lock held) so that no other window
    // offers it meanwhile; nothing when there is none.
    std::optional<std::string> claimLeftBehind();
    // The claimed work was restored: this window keeps its work in that
    // file from now on, so that it stays until the work is saved or kept
    // again.
    void adoptClaimed();
    // The claimed work was declined or cannot be read: its file goes.
    void dropClaimed();

    std::string ownPath() const { return path_; }

private:
    bool takeLock();
    void report(const std::string& reason);
    // Lock files whose runs ended before they kept anything.
    void removeStaleLocks() const;

    Platform& platform_;
    std::function<std::string()> bytes_;
    std::function<bool()> unsaved_;
    std::string folder_;  // the recovery folder, "" when there is none
    std::string path_;    // this window's file
    std::unique_ptr<QLockFile> lock_;
    std::string claimedPath_;
    std::unique_ptr<QLockFile> claimed_;
    QTimer timer_;
    bool changed_ = false;
    bool reported_ = false;
};

}  // namespace qv
