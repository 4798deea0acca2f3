#include "persistence/graph_commands.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "document/startup.h"
#include "expression/number_text.h"
#include "expression/user_text.h"

namespace qv {

namespace {

// The files the dialogs list: the description in the user's language, the pattern as it is.
std::string graphFilter() { return userText("qv::Texts", "Graph Files (*.gph)") + "|*.GPH"; }

GraphFileRead failedLoad(std::string message) {
    GraphFileRead result;
    result.error = {0, std::move(message)};
    return result;
}

}  // namespace

FileDialogRequest graphOpenDialog() { return {userText("qv::Texts", "Open"), graphFilter(), "", ""}; }

FileDialogRequest graphSaveDialog() { return {userText("qv::Texts", "Save As"), graphFilter(), "gph", ""}; }

PathCheck checkGraphSavePath(std::string_view chosen, const FileExists& exists) {
    return checkSavePath(chosen, "gph", userText("qv::Texts", kReplaceTitle), exists);
}

PathCheck checkGraphOpenPath(std::string_view chosen, const FileExists& exists) {
    return checkOpenPath(chosen, "gph", userText("qv::Texts", kOpenTitle), exists);
}

GraphFileRead loadGraphFile(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path file(path);
    const std::string name = "\"" + file.filename().string() + "\"";
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (!fs::exists(status)) return failedLoad(fillIn(userText("qv::Texts", "%1 not found!"), {name}));
    if (fs::is_directory(status)) {
        return failedLoad(fillIn(userText("qv::Texts", "%1 is a folder, not a graph file."), {name}));
    }
    // A device or a pipe could be endless, or never end.
    if (!fs::is_regular_file(status))
        return failedLoad(fillIn(userText("qv::Texts", "%1 is not a graph file."), {name}));
    const std::string unreadable = fillIn(userText("qv::Texts", "The file %1 cannot be read."), {name});
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) return failedLoad(unreadable);
    if (size > kMaxGraphFileBytes) {
        return failedLoad(fillIn(userText("qv::Texts", "%1 is too large to be a graph file (more than %2 MiB)."),
                                 {name, std::to_string(kMaxGraphFileBytes >> 20)}));
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) return failedLoad(unreadable);
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    // The file may have changed its size since: take what was read, and
    // refuse a file that kept growing past the limit.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return failedLoad(unreadable);
    if (in.peek() != std::char_traits<char>::eof()) {
        return failedLoad(fillIn(userText("qv::Texts", "%1 changed while it was read."), {name}));
    }
    return readGraphFileBytes(bytes);
}

std::string openFailureText(const std::string& path, const GraphFileError& error) {
    // The checks before reading say all in a sentence of their own.
    if (error.line <= 0) return error.message;
    return fillIn(userText("qv::Texts", "The file \"%1\" cannot be opened: %2."),
                  {std::filesystem::path(path).filename().string(), describe(error)});
}

std::string initializeFilePath(const std::string& folder) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path.push_back('/');
    return path + kInitializeFileName;
}

bool isInitializeFile(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return path.substr(slash == std::string::npos ? 0 : slash + 1) == kInitializeFileName;
}

DefaultRangesCheck checkDefaultRanges(const std::array<std::string, 4>& boxes) {
    for (const std::string& box : boxes) {
        if (!isNumeric(box)) {
            return {false,
                    {userText("qv::Texts", kInvalidRangesTitle),
                     userText("qv::Texts",
                              "One or more of the values in your graphing ranges are not numeric.  "
                              "Please make sure "
                              "the entries in those four text boxes are valid numbers.")}};
        }
    }
    const double xMin = *toNumber(boxes[0]), xMax = *toNumber(boxes[1]);
    const double yMin = *toNumber(boxes[2]), yMax = *toNumber(boxes[3]);
    if (xMin - xMax >= 0 || yMin - yMax >= 0) {
        return {false,
                {userText("qv::Texts", kInvalidRangesTitle),
                 userText("qv::Texts",
                          "Please make sure that your maximum ranges are larger than your minimum "
                          "ranges.")}};
    }
    return {true, {}};
}

}  // namespace qv
