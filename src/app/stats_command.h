#pragma once

#include <cstdio>
#include <string>

namespace qv {

// `quorvanta --stats FILE`: reads a list file as "&Import List..." does and
// prints the four statistics of its items, one a line, as the list panel's
// result label shows them. A file that cannot be read, or an item that is
// not a number, prints one line "error: " and the reason on `err`. Returns
// the exit code: 0, or 1 on an error.
int runStatsCommand(const std::string& path, std::FILE* out, std::FILE* err);

}  // namespace qv
