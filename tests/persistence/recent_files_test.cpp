#include "persistence/recent_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qv {
namespace {

// A graph named on the command line by a relative path must still be found
// from the list when the program runs in another folder.
TEST(RecentFiles, PathsAreKeptAbsolute) {
    const std::string absolute = (std::filesystem::current_path() / "orbit.gph").string();
    const std::vector<std::string> list = withRecent({"/g/a.gph"}, "graphs/../orbit.gph");
    EXPECT_EQ(list, (std::vector<std::string>{absolute, "/g/a.gph"}));
    EXPECT_EQ(withRecent(list, "./orbit.gph"), list);
    EXPECT_EQ(withoutRecent(list, "orbit.gph"), std::vector<std::string>{"/g/a.gph"});
}

}  // namespace
}  // namespace qv
