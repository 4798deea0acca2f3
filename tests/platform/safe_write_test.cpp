// Writing a file so that a failure never costs the file that was there:
// a real full disk, and paths that cannot be written.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/safe_write.h"
#include "support/small_disk.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string bytesOfSize(std::size_t size, char fill) {
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < size; ++i) bytes += std::to_string(i) + fill + "\r\n";
    bytes.resize(size);
    return bytes;
}

// On a disk with 4 KiB free and with none, a larger file is refused with
// the system's reason, and the old file and the folder stay as they were;
// with room, the file is replaced and keeps its permissions.
TEST(SafeWrite, AFullDiskLeavesTheOldFileWhole) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
    const struct {
        std::size_t oldSize;
        std::size_t newSize;
        std::size_t free;
    } cases[] = {{12595, 16000, 4096}, {595, 700, 0}};
    for (const auto& c : cases) {
        const fs::path target = disk / "graph.gph";
        const std::string old = bytesOfSize(c.oldSize, 'a');
        ASSERT_EQ(writeFileSafely(target.string(), old), std::nullopt);
        ::chmod(target.c_str(), 0640);
        ASSERT_TRUE(disk.leaveFree(c.free)) << c.free;
        EXPECT_EQ(writeFileSafely(target.string(), bytesOfSize(c.newSize, 'b')), "No space left on device") << c.free;
        EXPECT_EQ(bytesOfFile(target), old) << c.free;
        EXPECT_EQ(disk.names(), std::vector<std::string>{"graph.gph"}) << c.free;

        ASSERT_TRUE(disk.leaveFree(32 * 1024));
        const std::string fresh = bytesOfSize(c.newSize, 'c');
        EXPECT_EQ(writeFileSafely(target.string(), fresh), std::nullopt);
        EXPECT_EQ(bytesOfFile(target), fresh);
        EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        EXPECT_EQ(disk.names(), std::vector<std::string>{"graph.gph"});
        fs::remove(target);
    }
}

TEST(SafeWrite, PathsThatCannotBeWrittenAndALinkThatStays) {
    const fs::path folder = fs::temp_directory_path() / ("qv-safe-write-" + std::to_string(::getpid()));
    fs::create_directories(folder / "dir.gph");
    const struct {
        fs::path path;
        const char* reason;
    } refused[] = {{folder / "missing" / "a.gph", "No such file or directory"},
                   {folder / "dir.gph", "Is a directory"}};
    for (const auto& r : refused) EXPECT_EQ(writeFileSafely(r.path.string(), "1\r\n"), r.reason) << r.path;
    EXPECT_EQ(fs::directory_iterator(folder / "dir.gph"), fs::directory_iterator());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A link to a graph elsewhere stays a link; the graph is replaced.
    fs::create_directories(folder / "real");
    std::ofstream(folder / "real" / "g.gph") << "old";
    fs::create_symlink(folder / "real" / "g.gph", folder / "link.gph");
    EXPECT_EQ(writeFileSafely((folder / "link.gph").string(), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(folder / "link.gph"));
    EXPECT_EQ(bytesOfFile(folder / "real" / "g.gph"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "real"), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace qv
