#include "architecture/include_layers.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <regex>

namespace qv::architecture {

namespace {

namespace fs = std::filesystem;

// Where a file (or an included path) sits: its top folder, that folder's
// rank in the table, and whether it lies in a Qt subfolder.
struct Place {
    std::string folder;
    int rank = -1;      // -1: the folder is not in the table
    bool qt = false;    // in a ui/ (or platform's qt/) subfolder, or the shared ui/ folder
};

// The three folders above the subsystems have roles of their own.
constexpr const char* kSharedUi = "ui";
constexpr const char* kShell = "shell";
constexpr const char* kApp = "app";

Place placeOf(const std::string& path, const LayerTable& table) {
    Place p;
    const size_t slash = path.find('/');
    p.folder = path.substr(0, slash);
    const auto it = std::find(table.begin(), table.end(), p.folder);
    if (it != table.end()) p.rank = static_cast<int>(it - table.begin());
    if (p.folder == kSharedUi || p.folder == kShell || p.folder == kApp) {
        p.qt = true;
    } else if (slash != std::string::npos) {
        const std::string sub = path.substr(slash + 1, path.find('/', slash + 1) - slash - 1);
        p.qt = sub == "ui" || sub == "qt";
    }
    return p;
}

bool isQtHeader(const std::string& header) {
    return header.size() > 1 && header[0] == 'Q' && (std::isupper(static_cast<unsigned char>(header[1])) || header[1] == 't');
}

// Why `from` may not include `to`, or nothing when it may.
std::optional<std::string> refusal(const Place& from, const Place& to, const std::string& target) {
    if (to.rank < 0) return "includes \"" + target + "\", whose folder is not in the layer table";
    if (from.folder == kApp) return std::nullopt;
    if (to.folder == kApp) return "includes \"" + target + "\" from app/, which nothing includes";
    if (from.folder == kShell) return std::nullopt;
    if (to.folder == kShell) return "includes \"" + target + "\" from shell/, which only app/ includes";
    if (!from.qt && to.qt) return "core file includes the Qt side \"" + target + "\"";
    if (from.folder == kSharedUi) {
        if (to.qt && to.folder != kSharedUi) return "the shared ui/ folder includes the panel \"" + target + "\"";
        return std::nullopt;
    }
    if (to.folder == kSharedUi) return std::nullopt;
    if (to.rank > from.rank) {
        return "includes \"" + target + "\" from " + to.folder + "/, a layer above " + from.folder + "/";
    }
    return std::nullopt;
}

std::string relativePath(const fs::path& file, const fs::path& root) {
    return fs::relative(file, root).generic_string();
}

void checkFile(const fs::path& file, const fs::path& root, const LayerTable& table, std::vector<Violation>& out) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    const std::string name = relativePath(file, root);
    const Place from = placeOf(name, table);
    if (from.rank < 0) out.push_back({name, 0, "the folder " + from.folder + "/ is not in the layer table"});
    std::ifstream in(file);
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        std::smatch m;
        if (!std::regex_search(text, m, include)) continue;
        const std::string target = m[2].str();
        std::optional<std::string> why;
        if (m[1].str() == "<") {
            if (!from.qt && isQtHeader(target)) why = "core file includes the Qt header <" + target + ">";
        } else {
            why = refusal(from, placeOf(target, table), target);
        }
        if (why) out.push_back({name, line, *why});
    }
}

}  // namespace

LayerTable readLayerTable(const fs::path& file) {
    LayerTable table;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        line.erase(0, line.find_first_not_of(" \t"));
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (!line.empty() && line[0] != '#') table.push_back(line);
    }
    return table;
}

std::vector<Violation> checkIncludeLayers(const fs::path& sourceRoot, const LayerTable& table) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(sourceRoot)) {
        const fs::path ext = e.path().extension();
        if (e.is_regular_file() && (ext == ".h" || ext == ".cpp")) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<Violation> out;
    for (const fs::path& f : files) checkFile(f, sourceRoot, table, out);
    return out;
}

std::string describe(const Violation& v) {
    return "src/" + v.file + ":" + std::to_string(v.line) + ": " + v.message;
}

}  // namespace qv::architecture
