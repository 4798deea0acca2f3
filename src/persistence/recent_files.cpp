#include "persistence/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace qv {

namespace {

// A path as the list keeps it: absolute, so that a graph opened by a path
// relative to the folder a run started in is found from any later run.
std::string absolutePath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path), ec);
    return ec ? path : absolute.lexically_normal().string();
}

}  // namespace

std::vector<std::string> withRecent(std::vector<std::string> list, const std::string& path) {
    list = withoutRecent(std::move(list), path);
    list.insert(list.begin(), absolutePath(path));
    if (list.size() > kMaxRecentFiles) list.resize(kMaxRecentFiles);
    return list;
}

std::vector<std::string> withoutRecent(std::vector<std::string> list, const std::string& path) {
    std::erase(list, absolutePath(path));
    return list;
}

std::string joinRecent(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& path : list) {
        // A path with a line break cannot be kept on a line of its own.
        if (path.empty() || path.find_first_of("\r\n") != std::string::npos) continue;
        if (!text.empty()) text += '\n';
        text += path;
    }
    return text;
}

std::vector<std::string> splitRecent(const std::string& text) {
    std::vector<std::string> list;
    std::size_t start = 0;
    while (start <= text.size() && list.size() < kMaxRecentFiles) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start) list.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return list;
}

}  // namespace qv
