#pragma once

// List text files: the selected data column written to and read from a
// plain 8-bit text file, one value per line, lines ended by CR LF. The
// window only chooses paths and shows messages; the lines, the checks, the
// path rules and the file access are here.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/data_columns.h"
#include "expression/rewrite.h"
#include "expression/user_text.h"
#include "platform/platform.h"

namespace qv {

class Evaluator;

// The four export commands: the items themselves, their base-10
// logarithms, their reciprocals, or y - f(x) for the function entry.
enum class ExportMode : unsigned char { Normal, Log, Inverse, Difference };

// A list file is one column of the data list: a file with more lines than
// a column holds, a line longer than any value, or more bytes than such a
// file needs is not one.
inline constexpr std::size_t kMaxListFileLines = kMaxDataItems;
inline constexpr std::size_t kMaxListLineBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxListFileBytes = std::size_t{64} << 20;

inline constexpr const char* kExportTitle = QV_TR("qv::Texts", "Quorvanta  -  Export");
inline constexpr const char* kImportTitle = QV_TR("qv::Texts", "Quorvanta  -  Import");

// The save dialog of the export and the open dialog of the import.
FileDialogRequest exportDialogRequest();
FileDialogRequest importDialogRequest();

struct ExportPlan {
    std::vector<std::string> lines;      // the file's lines, in list order, when there is no message
    std::optional<DataMessage> message;  // a check failed: show it and stop, before any dialog
};

// The lines an export writes for the selected column, or the message of the
// first check that fails: no line is ever a substitute for a value that
// cannot be formed. The difference evaluates the function entry (rewritten
// by heal, whose parenthesis message goes to ctx, then heal_2) at each x
// item, and is refused at the first item where the function has no value.
ExportPlan planExport(ExportMode mode, const DataColumns& columns, std::string_view functionEntry,
                      RewriteContext& ctx, Evaluator& evaluator);

enum class PathVerdict : unsigned char {
    Accept,      // use `path`
    Refuse,      // show `message` (OK) and open the dialog again
    AskReplace,  // ask `message` with Yes, No and Cancel: Yes uses `path`,
                 // No opens the dialog again, Cancel ends the command
};

struct PathCheck {
    PathVerdict verdict = PathVerdict::Refuse;
    std::string path;     // the path to write or read
    DataMessage message;  // for Refuse and AskReplace
};

using FileExists = std::function<bool(const std::string& path)>;

// Whether anything (a file or a folder) exists at the path.
bool pathExists(const std::string& path);

// The path a save dialog gave, checked for a file of the given (lower-case)
// extension. Only the extension of the file's name counts: in any case it
// is written in lower case, and nothing else of the path changes; a name
// with another extension or none is refused; an existing file is replaced
// only when the user agrees (the question under `replaceTitle`).
PathCheck checkSavePath(std::string_view chosen, std::string_view extension, const std::string& replaceTitle,
                        const FileExists& exists = pathExists);

// The path an open dialog gave: the file's name must end in "." and the
// extension, in any case, and the file must exist (else a message under
// `notFoundTitle`).
PathCheck checkOpenPath(std::string_view chosen, std::string_view extension, const std::string& notFoundTitle,
                        const FileExists& exists = pathExists);

// The path a save dialog gave, checked as the export needs it: a ".txt"
// extension (written in lower case), an existing file replaced only when
// the user agrees.
PathCheck checkExportPath(std::string_view chosen, const FileExists& exists = pathExists);

// The path an open dialog gave, checked as the import needs it: a ".txt"
// extension in any case, and the file must exist.
PathCheck checkImportPath(std::string_view chosen, const FileExists& exists = pathExists);

// The question an import asks (Yes and No) before it replaces the items of
// the selected column; none when the column is empty.
std::optional<DataMessage> importEraseQuestion(const DataColumns& columns);

struct ImportResult {
    std::vector<std::string> items;      // one per line, each with one space in front
    std::optional<DataMessage> message;  // the file was refused: the column stays as it is
};

// Splits a list file's bytes into items while checking that they are one,
// as "&Import List..." reads them. Fed in pieces as the file is read, so a
// file that is not a list is refused as soon as that shows, without reading
// the rest; how the bytes are cut into pieces changes nothing.
class ListFileParser {
public:
    // `name`: the file's name in double quotes, as the messages show it.
    explicit ListFileParser(std::string name) : name_(std::move(name)) {}

    // False once the bytes are not a list file; `problem` then says why.
    bool feed(const char* data, std::size_t size);
    // The last line, when the file does not end with a line end. Blank
    // lines at the end hold no value and add no item.
    bool finish();

    std::vector<std::string> items;
    std::string problem;

private:
    bool endLine();
    bool take(char c);
    bool refuse(std::string why);
    bool takeStart();

    std::string name_;
    std::string line_;
    std::string start_;      // the first bytes, until they show whether a byte order mark leads
    bool atStart_ = true;
    bool lineOpen_ = false;  // bytes came since the last line end
    bool afterCR_ = false;   // an LF right after a CR belongs to it
    std::size_t bytes_ = 0;
    std::size_t blankLines_ = 0;  // blank lines since the last value
};

// Reads a list file. Lines may end in CR LF, LF or CR alone; blank lines at
// the end add nothing. A file with a line that is not a number (the message
// names the first), an empty line between values, binary bytes, an overlong
// line, too many lines or too many bytes is refused, as is a folder, a
// missing or an unreadable file.
ImportResult readListFile(const std::string& path);

// Writes each line followed by CR LF into a new file beside the target,
// renamed over it once whole; the message with the system's reason when
// the file cannot be written, and then an old file stays as it was.
std::optional<DataMessage> writeListFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace qv
