#include "data/ui/fit_commands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include <string>
#include <utility>

#include "data/ui/data_list_panel.h"
#include "document/graph_document.h"
#include "platform/platform.h"
#include "ui/panel_context.h"

namespace qv {

namespace {

// How often a running search lets the window paint and looks for a click.
constexpr qint64 kPaintIntervalMs = 40;

QString qText(const std::string& s) { return QString::fromStdString(s); }

// The busy pointer, for as long as the command runs.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { restore(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    void restore() {
        if (shown_) QGuiApplication::restoreOverrideCursor();
        shown_ = false;
    }

private:
    bool shown_ = true;
};

// Holds back the user's input while a search runs, so that nothing starts a
// second command in the middle of it, and notes the left button (or the
// window's close box), which stops the search.
class SearchInput : public QObject {
public:
    SearchInput() { QCoreApplication::instance()->installEventFilter(this); }
    ~SearchInput() override { QCoreApplication::instance()->removeEventFilter(this); }
    SearchInput(const SearchInput&) = delete;
    SearchInput& operator=(const SearchInput&) = delete;

    bool stopRequested() const { return stop_; }

    // Lets the window paint and notes any click, at most every
    // kPaintIntervalMs (or now, when `now`).
    void yield(bool now) {
        if (!now && sinceYield_.isValid() && sinceYield_.elapsed() < kPaintIntervalMs) return;
        QCoreApplication::processEvents();
        sinceYield_.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) stop_ = true;
            return true;
        case QEvent::Close:
            stop_ = true;
            event->ignore();
            return true;
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Drop:
            return true;
        default: return QObject::eventFilter(watched, event);
        }
    }

private:
    bool stop_ = false;
    QElapsedTimer sinceYield_;
};

}  // namespace

FitCommands::FitCommands(PanelContext& ctx, Controls controls, QObject* parent)
    : QObject(parent), ctx_(ctx), controls_(std::move(controls)) {
    connect(controls_.data, &DataListPanel::createFitRequested, this, &FitCommands::createFit);
    connect(controls_.data, &DataListPanel::testCorrelationRequested, this, &FitCommands::testCorrelation);
}

void FitCommands::createFit(FitType type) {
    if (running_) return;
    running_ = true;
    BusyPointer busy;
    if (controls_.clearFunctionSelection) controls_.clearFunctionSelection();
    controls_.data->showResult({});

    QLineEdit* entry = controls_.entry;
    FitOutcome out;
    {
        // Only the Gaussian search reports trials; the other fits take no
        // longer than a redraw.
        SearchInput input;
        FitProgress progress;
        progress.trial = [&](const std::string& text) {
            entry->setText(qText(text));
            // The first text is "Please wait...": the window shows it before
            // the search begins.
            input.yield(text == kPleaseWaitText);
        };
        progress.stop = [&] {
            input.yield(false);
            return input.stopRequested();
        };
        out = qv::createFit(type, ctx_.doc->data, ctx_.doc->list.function_entry, controls_.rewrite(), *ctx_.evaluator,
                            progress);
    }
    if (out.entryText) entry->setText(qText(*out.entryText));
    controls_.data->showResult(out.label);
    finish(out.clearSelection, out.focusEntry);
    busy.restore();
    running_ = false;
    if (out.message) showMessage(*out.message);
}

void FitCommands::testCorrelation() {
    if (running_) return;
    QLineEdit* entry = controls_.entry;
    const CorrelationOutcome out =
        qv::testCorrelation(ctx_.doc->list.function_entry, ctx_.doc->data, controls_.rewrite(), *ctx_.evaluator);
    const QString shown = qText(out.entryText);
    if (entry->text() != shown) entry->setText(shown);
    if (out.label) controls_.data->showResult(*out.label);
    finish(out.clearSelection, out.focusEntry);
    if (out.message) showMessage(*out.message);
}

void FitCommands::finish(bool clearSelection, bool focusEntry) {
    if (clearSelection) controls_.data->clearItemSelection();
    if (focusEntry) controls_.entry->setFocus();
}

void FitCommands::showMessage(const DataMessage& message) {
    if (ctx_.platform) ctx_.platform->message(message.title, message.text, MessageButtons::Ok, MessageIcon::None);
}

}  // namespace qv
