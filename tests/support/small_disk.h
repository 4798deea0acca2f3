#pragma once

// A small RAM disk (tmpfs) of its own for a test, to fill up and see what
// the program does when a write meets a full disk. Mounting needs the
// administrator (CI runs as root); elsewhere `mounted()` is false and the
// test skips with `whyNot()`.
//
// Header-only so that both test programs (core and widget) can use it.

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace qv {

class SmallDisk {
public:
    explicit SmallDisk(std::size_t bytes = 64 * 1024) {
        static std::atomic<int> count{0};
        folder_ = std::filesystem::temp_directory_path() /
                  ("qv-small-disk-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
        if (::geteuid() != 0) {
            whyNot_ = "mounting a small disk needs the administrator";
            return;
        }
        std::filesystem::create_directories(folder_);
        const std::string options = "size=" + std::to_string(bytes);
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            whyNot_ = std::string("a tmpfs cannot be mounted here: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& whyNot() const { return whyNot_; }
    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }

    std::size_t freeBytes() const {
        struct statvfs s {};
        if (::statvfs(folder_.c_str(), &s) != 0) return 0;
        return static_cast<std::size_t>(s.f_bavail) * s.f_frsize;
    }

    // Fills the disk with a file of its own until exactly `bytes` (a
    // multiple of 4 KiB) are free; false when that cannot be arranged.
    bool leaveFree(std::size_t bytes) {
        const std::filesystem::path filler = folder_ / ".filler";
        std::error_code ec;
        std::filesystem::remove(filler, ec);
        const std::size_t free = freeBytes();
        if (free < bytes) return false;
        {
            std::ofstream out(filler, std::ios::binary);
            const std::string block(4096, 'x');
            for (std::size_t left = free - bytes; left > 0;) {
                const std::size_t n = std::min(left, block.size());
                out.write(block.data(), static_cast<std::streamsize>(n));
                left -= n;
            }
            if (!out.flush()) return false;
        }
        return freeBytes() == bytes;
    }

    // The names in the disk's folder other than the filler: a write that
    // failed must leave no file of its own behind.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            if (entry.path().filename() != ".filler") found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string whyNot_;
};

inline std::string bytesOfFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace qv
