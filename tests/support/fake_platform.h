#pragma once

// A scripted stand-in for the desktop services. It records every request
// and answers from queues the test fills beforehand. A request that finds
// its queue empty, or an answer that does not fit the box it is given to,
// is written to `unexpected` and answered like a user closing the dialog;
// tests check `unexpected` is empty (or `allAnswersUsed()`), so a missing
// or surplus answer shows as a failure with its reason instead of a hang.
//
// Header-only so that both test programs (core and widget) can use it.

#include "platform/platform.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv {

struct RecordedMessage {
    std::string title;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

inline const char* buttonsName(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return "Ok";
    case MessageButtons::OkCancel: return "OkCancel";
    case MessageButtons::YesNo: return "YesNo";
    case MessageButtons::YesNoCancel: return "YesNoCancel";
    }
    return "?";
}

inline const char* answerName(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok: return "Ok";
    case MessageAnswer::Cancel: return "Cancel";
    case MessageAnswer::Yes: return "Yes";
    case MessageAnswer::No: return "No";
    }
    return "?";
}

// What closing a box without pressing a button answers.
inline MessageAnswer closingAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Ok;
}

inline bool answerFits(MessageAnswer answer, MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel: return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo: return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel: return answer != MessageAnswer::Ok;
    }
    return false;
}

class FakePlatform : public Platform {
public:
    // --- Message boxes --------------------------------------------------
    std::vector<RecordedMessage> messages;
    std::deque<MessageAnswer> messageAnswers;
    // Called while a box is "up", before it is answered: a test can look at
    // the widgets as the user would see them behind the box.
    std::function<void(const RecordedMessage&)> whileMessageShown;

    // --- File dialogs: answers are a path or std::nullopt for Cancel -----
    std::vector<FileDialogRequest> openRequests;
    std::deque<std::optional<std::string>> openAnswers;
    std::vector<FileDialogRequest> saveRequests;
    std::deque<std::optional<std::string>> saveAnswers;

    // --- Colour chooser: initial colours asked with, answers -------------
    std::vector<uint32_t> colorRequests;
    std::deque<std::optional<uint32_t>> colorAnswers;
    // The custom colours each call was given.
    std::vector<CustomColors> customColorsShown;

    // --- Processes and documents ------------------------------------------
    std::vector<std::vector<std::string>> startedPrograms;
    bool startSucceeds = true;
    std::vector<std::string> openedDocuments;
    bool openSucceeds = true;

    // --- Printers -------------------------------------------------------
    std::vector<std::string> printers;
    std::string defaultPrinterName;
    std::vector<PrintRequest> printed;
    bool printSucceeds = true;

    std::string folder = std::filesystem::temp_directory_path().string();
    // None unless a test gives one.
    std::string userConfigFolder;
    std::vector<std::string> installedDataFolders;
    std::string userData;  // none: nothing is kept against a crash
    std::map<std::string, std::string> settings;

    // Reasons for requests the script did not foresee, in order.
    std::vector<std::string> unexpected;

    // Queues answers for the next boxes, in order.
    void answerMessages(std::initializer_list<MessageAnswer> answers) {
        messageAnswers.insert(messageAnswers.end(), answers.begin(), answers.end());
    }

    // The texts of the boxes shown so far, in order: the usual thing to compare.
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const RecordedMessage& m : messages) texts.push_back(m.text);
        return texts;
    }

    // True when nothing unexpected happened and every queued answer was taken.
    bool allAnswersUsed() const {
        return unexpected.empty() && messageAnswers.empty() && openAnswers.empty() && saveAnswers.empty() &&
               colorAnswers.empty();
    }

    MessageAnswer message(const std::string& title, const std::string& text, MessageButtons buttons,
                          MessageIcon icon) override {
        messages.push_back({title, text, buttons, icon});
        if (whileMessageShown) whileMessageShown(messages.back());
        if (messageAnswers.empty()) {
            unexpected.push_back("no answer queued for the message \"" + text + "\"");
            return closingAnswer(buttons);
        }
        MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        if (!answerFits(answer, buttons)) {
            unexpected.push_back(std::string("answer ") + answerName(answer) + " does not fit the " +
                                 buttonsName(buttons) + " buttons of \"" + text + "\"");
            return closingAnswer(buttons);
        }
        return answer;
    }

    std::optional<std::string> openFileName(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return next(openAnswers, "open dialog \"" + request.title + "\"");
    }

    std::optional<std::string> saveFileName(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return next(saveAnswers, "save dialog \"" + request.title + "\"");
    }

    std::optional<uint32_t> chooseColor(uint32_t initial, CustomColors& customColors) override {
        colorRequests.push_back(initial);
        customColorsShown.push_back(customColors);
        std::optional<uint32_t> chosen = next(colorAnswers, "colour chooser");
        // The user added a custom colour in the chooser: it comes back on OK.
        if (chosen) customColors[0] = *chosen;
        return chosen;
    }

    bool startOwnProgram(const std::vector<std::string>& arguments) override {
        startedPrograms.push_back(arguments);
        return startSucceeds;
    }

    bool openDocument(const std::string& path) override {
        openedDocuments.push_back(path);
        return openSucceeds;
    }

    std::vector<std::string> printerNames() override { return printers; }
    std::string defaultPrinter() override { return defaultPrinterName; }

    bool print(const PrintRequest& request) override {
        printed.push_back(request);
        return printSucceeds;
    }

    std::string programFolder() override { return folder; }
    std::string configFolder() override { return userConfigFolder; }
    std::vector<std::string> dataFolders() override { return installedDataFolders; }
    std::string userDataFolder() override { return userData; }
    std::string setting(const std::string& key) override {
        const auto found = settings.find(key);
        return found == settings.end() ? std::string() : found->second;
    }
    void setSetting(const std::string& key, const std::string& value) override { settings[key] = value; }

private:
    // An empty queue answers Cancel, as a user closing the dialog would.
    template <typename T>
    std::optional<T> next(std::deque<std::optional<T>>& answers, const std::string& what) {
        if (answers.empty()) {
            unexpected.push_back("no answer queued for the " + what);
            return std::nullopt;
        }
        std::optional<T> answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace qv
