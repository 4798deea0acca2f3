#include "document/startup.h"

namespace qv {

std::string commandLinePath(const std::string& commandLine) {
    if (commandLine.size() >= 2 && commandLine.front() == '"' && commandLine.back() == '"') {
        return commandLine.substr(1, commandLine.size() - 2);
    }
    return commandLine;
}

std::string joinArguments(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& a : arguments) {
        if (!line.empty()) line.push_back(' ');
        line += a;
    }
    return line;
}

StartDocument chooseStartDocument(const std::string& commandLine, const std::vector<std::string>& folders,
                                  const std::function<bool(const std::string&)>& fileExists) {
    if (!commandLine.empty()) return {commandLinePath(commandLine), true};
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        std::string path = folder;
        if (path.back() != '/' && path.back() != '\\') path.push_back('/');
        path += kInitializeFileName;
        if (fileExists(path)) return {path, false};
    }
    return {};
}

TitleChoice documentTitle(const std::string& documentPath) {
    if (documentPath.empty()) return {kProgramTitle, false};
    // Either separator: files named in old graphs may carry backslashes.
    const size_t slash = documentPath.find_last_of("/\\");
    std::string name = slash == std::string::npos ? documentPath : documentPath.substr(slash + 1);
    const std::string extension = ".gph";
    if (name.size() >= extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0) {
        name.erase(name.size() - extension.size());
    }
    const std::string title = name + "  -  " + kProgramTitle;
    if (title == std::string(kInitializeFileName) + "  -  " + kProgramTitle) return {kProgramTitle, true};
    return {title, false};
}

}  // namespace qv
