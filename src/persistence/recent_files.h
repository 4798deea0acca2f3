#pragma once

// "Open &Recent": the last graph files opened or saved, newest first, kept
// in the user's settings as one text, a path a line.

#include <cstddef>
#include <string>
#include <vector>

namespace qv {

inline constexpr std::size_t kMaxRecentFiles = 8;
inline constexpr const char* kRecentFilesKey = "recentFiles";

// The list with the path in front, once, and no more than eight paths.
// Paths are kept absolute.
std::vector<std::string> withRecent(std::vector<std::string> list, const std::string& path);
std::vector<std::string> withoutRecent(std::vector<std::string> list, const std::string& path);

std::string joinRecent(const std::vector<std::string>& list);
std::vector<std::string> splitRecent(const std::string& text);

}  // namespace qv
