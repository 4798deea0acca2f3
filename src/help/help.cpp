#include "help/help.h"

#include <iterator>
#include <utility>

#include "expression/user_text.h"
#include "platform/platform.h"

namespace qv {

std::vector<std::string> findManuals(const std::vector<std::string>& folders,
                                     const std::function<bool(const std::string&)>& fileExists) {
    std::vector<std::string> found;
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        std::string prefix = folder;
        if (prefix.back() != '/' && prefix.back() != '\\') prefix.push_back('/');
        for (const char* name : kManualNames) {
            const std::string path = prefix + name;
            if (fileExists(path)) found.push_back(path);
        }
    }
    return found;
}

void showHelpContents(Platform& platform, const std::function<bool(const std::string&)>& fileExists) {
    std::vector<std::string> folders{platform.programFolder()};
    for (std::string& folder : platform.dataFolders()) folders.push_back(std::move(folder));
    const std::vector<std::string> manuals = findManuals(folders, fileExists);
    // A document nothing opens (no word processor) gives way to the next
    // one, which may be a PDF the desktop can show.
    for (const std::string& manual : manuals) {
        if (platform.openDocument(manual)) return;
    }
    if (manuals.empty()) {
        platform.message(userText("qv::Texts", kNoHelpTitle), noHelpText(), MessageButtons::Ok, MessageIcon::Warning);
    } else {
        platform.message(userText("qv::Texts", kNoViewerTitle), noViewerText(manuals), MessageButtons::Ok,
                         MessageIcon::Warning);
    }
}

std::string noHelpText() {
    return userText("qv::Texts",
                    "Quorvanta cannot find a help file.  Either the help file has been altered or "
                    "Quorvanta cannot "
                    "locate the appropriate program with which to open the help file. You'll have "
                    "to search for the "
                    "help file yourself to get help with Quorvanta.");
}

std::string noViewerText(const std::vector<std::string>& manuals) {
    std::string text = userText("qv::Texts",
                                "No program on this computer opened the help file.  Open it with a program of your "
                                "own choice; it is here:");
    for (const std::string& manual : manuals) text += "\r\n" + manual;
    return text;
}

std::string aboutText(std::string_view version, std::string_view buildDate) {
    const std::string lines[] = {
        userText("qv::Texts", "About Quorvanta"),
        "",
        "     " + fillIn(userText("qv::Texts", "Version %1"), {version}),
        "     " + userText("qv::Texts", "Written by the Quorvanta developers"),
        "     " + userText("qv::Texts", "Published as free software by the Quorvanta project"),
        "     " + fillIn(userText("qv::Texts", "Last compiled: %1"), {buildDate}),
    };
    std::string text = lines[0];
    for (std::size_t i = 1; i < std::size(lines); ++i) text += "\r\n" + lines[i];
    return text;
}

}  // namespace qv
