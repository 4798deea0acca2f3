#include "help/help.h"

#include <iterator>

namespace qv {

std::optional<std::string> findManual(const std::vector<std::string>& folders,
                                      const std::function<bool(const std::string&)>& fileExists) {
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        std::string path = folder;
        if (path.back() != '/' && path.back() != '\\') path.push_back('/');
        path += kManualName;
        if (fileExists(path)) return path;
    }
    return std::nullopt;
}

std::string noHelpText() {
    return std::string("Quorvanta cannot find a help file.  Either the help file has been altered or Quorvanta cannot ") +
           "locate the appropriate program with which to open the help file. " +
           "You'll have to search for the help file yourself to get help with Quorvanta.";
}

std::string aboutText() {
    const char* const lines[] = {
        "About Quorvanta",
        "",
        "     Version 6.5.1",
        "     Written by the Quorvanta developers",
        "     Published as free software by the Quorvanta project",
        "     Last compiled: November 19, 2010",
    };
    std::string text = lines[0];
    for (std::size_t i = 1; i < std::size(lines); ++i) text += std::string("\r\n") + lines[i];
    return text;
}

}  // namespace qv
