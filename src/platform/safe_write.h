#pragma once

// Every file the program writes goes through here, so that a failed write
// never costs the user the file that was there before.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Makes `bytes` the whole content of the file at `path`. They are written
// to a new file beside it, every write checked, the size on the disk
// compared, and the data synced; only then is the new file renamed over
// the old one. A full disk, a missing folder, a read-only file or any
// other failure leaves the old file (or no file) exactly as it was and
// removes the new one.
//
// Returns the system's reason ("No space left on device") when the file
// could not be written; nothing when the new file is in place. A symbolic
// link is kept: the file it points to is replaced. The new file takes the
// permissions of the one it replaces.
std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes);

}  // namespace qv
