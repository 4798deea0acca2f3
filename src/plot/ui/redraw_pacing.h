#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAbstractButton;
class QWidget;

namespace qv {

// Keeps the window alive through one redraw and lets the user end it.
//
// Smooth plotting lets every event in as it draws (yieldAll); a redraw
// that is not smooth lets events in once it has run kQuietMs, every
// kIntervalMs (poll), so that the window paints, shows how far the drawing
// is and answers "Stop", while the rest of the user's input to the window
// is held back: nothing starts a second command in the middle of a
// drawing, as during a long fit. Either way Esc, a click of "Stop" or the
// window's close box ends the redraw (the close box then does not close:
// the window was busy). Other windows (a message box) work as usual.
// A redraw that is quick lets nothing in and changes nothing.
class RedrawPacing : public QObject {
public:
    static constexpr int kQuietMs = 150;
    static constexpr int kIntervalMs = 40;

    // `progress` shows where a long redraw is ("Drawing curve 12 of 3001
    // ..."), at each of its pauses.
    RedrawPacing(QWidget* window, QAbstractButton* stopButton, std::function<void(const QString&)> progress);
    ~RedrawPacing() override;
    RedrawPacing(const RedrawPacing&) = delete;
    RedrawPacing& operator=(const RedrawPacing&) = delete;

    // Smooth plotting's pause: every pending event is handled.
    void yieldAll();
    // Between segments and curves: pauses when due; true once the user asked
    // to stop.
    bool poll(int curve, int curves);

    bool stopRequested() const { return stop_; }
    // The stop came from Esc (not from "Stop", whose own click follows).
    bool stoppedByKey() const { return stopByKey_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode : unsigned char { Off, All, Held };
    void process(Mode mode);
    bool holdsBack(QEvent* event) const;

    QPointer<QWidget> window_;
    QPointer<QAbstractButton> stopButton_;
    std::function<void(const QString&)> progress_;
    QElapsedTimer started_;
    QElapsedTimer sincePause_;
    Mode mode_ = Mode::Off;
    bool stop_ = false;
    bool stopByKey_ = false;
    bool busyPointer_ = false;
};

// The status line's text while a long redraw draws curve `curve` (from 0).
QString drawingProgressText(int curve, int curves);

}  // namespace qv
