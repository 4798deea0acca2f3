#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The services the program takes from the desktop: message boxes, file and
// colour dialogs, printers, starting processes, opening documents. The
// program's code speaks only to this interface; the Qt version serves the
// real program and a scripted fake serves the tests.
namespace qv {

enum class MessageButtons : unsigned char { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon : unsigned char { None, Information, Warning, Critical, Question };
enum class MessageAnswer : unsigned char { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    // Filter in the form "Graph Files (*.gph)|*.gph|All Files (*.*)|*.*":
    // description and pattern pairs separated by "|".
    std::string filter;
    std::string defaultExtension;  // without the dot, "" for none
    std::string initialPath;       // folder or file to start from, "" for the default
};

// The sixteen custom colours of the colour chooser, packed as its result.
using CustomColors = std::array<uint32_t, 16>;

struct PrintRequest {
    std::string printer;  // device name
    int copies = 1;
    // The picture to print: 32-bit RGB pixels, row by row, top row first;
    // each 0xRRGGBB (blue in the low byte, as in a 32-bit RGB QImage), the
    // top byte ignored. width * height pixels, else nothing is printed.
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; returns the button pressed. Closing the box
    // without a button counts as Cancel where there is one, else as No or Ok.
    virtual MessageAnswer message(const std::string& title, const std::string& text, MessageButtons buttons,
                                  MessageIcon icon) = 0;

    // File dialogs: the chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;

    // The colour chooser: the chosen colour packed as red + 256 * green +
    // 65536 * blue, or nothing when the user cancels. The chooser offers the
    // sixteen custom colours and gives them back as the user left them, on
    // OK only.
    virtual std::optional<uint32_t> chooseColor(uint32_t initial, CustomColors& customColors) = 0;

    // Starts the program's own executable as a new process with `arguments`.
    virtual bool startOwnProgram(const std::vector<std::string>& arguments) = 0;
    // Opens a document in the desktop's viewer for its type; false when no
    // program took it.
    virtual bool openDocument(const std::string& path) = 0;

    // Printers: device names, the default one ("" when none), and printing.
    virtual std::vector<std::string> printerNames() = 0;
    virtual std::string defaultPrinter() = 0;
    virtual bool print(const PrintRequest& request) = 0;

    // The folder of the program's executable.
    virtual std::string programFolder() = 0;
    // The user's own configuration folder for the program (it may not exist
    // yet), "" when there is none.
    virtual std::string configFolder() = 0;
    // Folders the installed program keeps its data in (the manual).
    virtual std::vector<std::string> dataFolders() = 0;
    // The user's own data folder for the program, where unsaved work is
    // kept against a crash; "" when there is none.
    virtual std::string userDataFolder() = 0;

    // The user's settings (recent files, the window's place), kept between
    // runs; "" for a setting never made. A setting that cannot be stored is
    // dropped quietly: it is a convenience.
    virtual std::string setting(const std::string& key) = 0;
    virtual void setSetting(const std::string& key, const std::string& value) = 0;
};

}  // namespace qv
