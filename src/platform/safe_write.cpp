#include "platform/safe_write.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {

namespace {

std::string reasonOf(int error) { return std::generic_category().message(error); }

// Where the bytes really go: a symbolic link stays a link, and the file it
// points to is replaced.
std::string realTarget(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::path(path), ec)) return path;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(std::filesystem::path(path), ec);
    return ec ? path : resolved.string();
}

std::uint64_t randomSeed() {
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        return ((std::uint64_t{device()} << 32) ^ device()) ^ now;
    } catch (...) {
        return now;  // the exclusive create below still refuses a name in use
    }
}

// A name beside the target that no other writer picks: hidden, in the same
// folder (a rename never crosses file systems), with a random tail.
std::string temporaryName(const std::filesystem::path& target, std::uint64_t tail) {
    std::string name = target.filename().string();
    // Room for the tail within the longest name a folder takes.
    if (name.size() > 200) name.resize(200);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(tail));
    return (target.parent_path() / ("." + name + "." + hex + ".tmp")).string();
}

// Creates the new file beside the target; -1 with errno when it cannot be.
int createBeside(const std::string& target, std::string& temporary) {
    std::mt19937_64 random(randomSeed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = temporaryName(std::filesystem::path(target), random());
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Every byte, however many calls the system needs; the error or 0.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Writes, checks the size the disk holds, syncs and closes (a network file
// system may report a failed write only then); the error or 0. The
// descriptor is closed in every case.
int fillAndClose(int fd, std::string_view bytes, const struct stat* replaced) {
    if (replaced != nullptr) {
        // The new file is what the old one was to its owner and to others.
        // Only the owner or the administrator may give a file away; for
        // anyone else the new file is simply theirs.
        if (::fchown(fd, replaced->st_uid, replaced->st_gid) != 0) errno = 0;
        if (::fchmod(fd, replaced->st_mode & 07777) != 0) errno = 0;
    }
    int error = writeAll(fd, bytes);
    struct stat written {};
    if (error == 0 && ::fstat(fd, &written) != 0) error = errno;
    if (error == 0 && written.st_size != static_cast<off_t>(bytes.size())) error = EIO;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

// The rename itself reaches the disk when the folder is synced; a folder
// that cannot be synced still holds the new file.
void syncFolderOf(const std::string& target) {
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes) {
    const std::string target = realTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) return reasonOf(EISDIR);
    // A device or a pipe is not replaced by a file.
    if (replacing && !S_ISREG(old.st_mode)) return reasonOf(EINVAL);
    // A file made read-only stays as it is, though its folder would let a
    // rename replace it.
    if (replacing && ::access(target.c_str(), W_OK) != 0) return reasonOf(errno);
    std::string temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0) return reasonOf(errno);
    int error = fillAndClose(fd, bytes, replacing ? &old : nullptr);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return reasonOf(error);
    }
    syncFolderOf(target);
    return std::nullopt;
}

}  // namespace qv
