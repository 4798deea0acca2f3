#pragma once

// What the file commands decide apart from any window: the dialogs they
// show, the path rules, their messages, reading a graph file from disk, the
// initialize file and the default ranges.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "data/list_file.h"
#include "expression/user_text.h"
#include "persistence/graph_file.h"
#include "platform/platform.h"

namespace qv {

inline constexpr const char* kSaveQuestionTitle = QV_TR("qv::Texts", "Quorvanta  -  Save?");
inline constexpr const char* kSaveBeforeOpening =
    QV_TR("qv::Texts", "Would you like to save your data before opening another file?");
inline constexpr const char* kOpenTitle = QV_TR("qv::Texts", "Quorvanta  -  Open");
inline constexpr const char* kReplaceTitle = QV_TR("qv::Texts", "Quorvanta  -  Save");
inline constexpr const char* kSettingsTitle = QV_TR("qv::Texts", "Quorvanta  -  Change of Settings");
inline constexpr const char* kInvalidRangesTitle = QV_TR("qv::Texts", "Quorvanta  -  Invalid Input!");
inline constexpr const char* kCreateInitializeText =
    QV_TR("qv::Texts",
          "Creating an initialize file will allow Quorvanta to refer to a complete collection of "
          "settings and/or data "
          "upon startup.  Press OK to create an initialize file from the current conditions of "
          "Quorvanta.");
inline constexpr const char* kSetDefaultRangesText =
    QV_TR("qv::Texts",
          "Setting the default ranges for your graphing window will cause Quorvanta to refer to "
          "those values every time "
          "the \"Set to default\" button is pressed.  Changes are unique to this file only.\n\n"
          "Click OK to use your current range values as your new default settings.");

// The open and save dialogs of the graph files.
FileDialogRequest graphOpenDialog();
FileDialogRequest graphSaveDialog();

// The name a save dialog gave: its extension must be ".gph" in any case and
// is written in lower case; an existing file is replaced when the user
// agrees.
PathCheck checkGraphSavePath(std::string_view chosen, const FileExists& exists = pathExists);
// The name an open dialog gave: its extension must be ".gph" in any case,
// and the file must exist.
PathCheck checkGraphOpenPath(std::string_view chosen, const FileExists& exists = pathExists);

// Reads the graph file at the path: a missing file, a folder, a device, a
// file too large or unreadable is an error (line 0) before any byte is
// interpreted; then the layout is read.
GraphFileRead loadGraphFile(const std::string& path);

// What "&Open..." says when the file at the path does not open: a file
// that is not there, or no file, in the words of the check; a file that
// does not read, with the first faulty line.
std::string openFailureText(const std::string& path, const GraphFileError& error);

// The initialize file in a folder.
std::string initializeFilePath(const std::string& folder);
// Whether a path names an initialize file: its title is never shown and a
// plain Save never writes to it.
bool isInitializeFile(const std::string& path);

// "Set Default Ranges...": the four range box texts become the defaults
// when they are numbers and each maximum lies above its minimum; otherwise
// the message to show and nothing changes.
struct DefaultRangesCheck {
    bool accepted = false;
    DataMessage message;
};
DefaultRangesCheck checkDefaultRanges(const std::array<std::string, 4>& rangeBoxes);

}  // namespace qv
