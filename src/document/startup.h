#pragma once

#include <functional>
#include <string>
#include <vector>

// Start-up decisions and the window title, apart from any window.
namespace qv {

// The path a command line names: the whole command line, without its
// enclosing double quotes when it has one at both ends.
std::string commandLinePath(const std::string& commandLine);

// The command line of a process as one text: its arguments joined by blanks.
std::string joinArguments(const std::vector<std::string>& arguments);

// Which document start-up loads: the one named on the command line, else
// the initialize file in the first of the folders that has one (the user's
// configuration folder, then the program's folder), else none.
struct StartDocument {
    std::string path;        // "" for the plain start
    bool fromCommandLine = false;
};
StartDocument chooseStartDocument(const std::string& commandLine, const std::vector<std::string>& folders,
                                  const std::function<bool(const std::string&)>& fileExists);

// The initialize file's name.
inline constexpr const char* kInitializeFileName = "INIT.txt";

// The window title for a document path, and whether the path must be
// forgotten: the initialize file is never the target of a plain Save.
struct TitleChoice {
    std::string title;
    bool clearPath = false;
};
TitleChoice documentTitle(const std::string& documentPath);

inline constexpr const char* kProgramTitle = "Quorvanta";

}  // namespace qv
