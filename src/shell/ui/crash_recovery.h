#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace qv {

class Platform;

// Unsaved work kept against a crash: every minute, when the document has
// changed, its graph file is written to a file of this process in the
// user's data folder (through a file beside it, as every save). A clean
// exit removes it; a file left by a process that no longer runs is what a
// crash left behind.
class CrashRecovery : public QObject {
    Q_OBJECT

public:
    // `bytes` gives the document's graph file; `unsaved` whether it holds
    // work not in a file.
    CrashRecovery(Platform& platform, std::function<std::string()> bytes, std::function<bool()> unsaved,
                  QObject* parent = nullptr);

    // The document changed: the next tick writes it.
    void documentChanged() { changed_ = true; }
    // One tick of the minute timer (tests drive it).
    void keep();
    // A clean exit: nothing to recover.
    void discard();
    // Files left by processes that have ended, oldest first.
    std::vector<std::string> leftBehind() const;
    std::string ownPath() const { return path_; }

private:
    Platform& platform_;
    std::function<std::string()> bytes_;
    std::function<bool()> unsaved_;
    std::string folder_;
    std::string path_;
    QTimer timer_;
    bool changed_ = false;
};

}  // namespace qv
