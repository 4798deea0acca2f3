// The folders of src/ include each other only downwards, and core never
// includes Qt: checked on the real tree, and on planted trees that break
// (or keep) each rule.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "architecture/include_layers.h"

namespace qv::architecture {
namespace {

namespace fs = std::filesystem;

const fs::path kProjectRoot = QV_SOURCE_DIR;

LayerTable table() { return readLayerTable(kProjectRoot / "tests/architecture/layers.txt"); }

TEST(IncludeLayers, TheSourceTreeKeepsTheLayerOrder) {
    const LayerTable layers = table();
    ASSERT_GE(layers.size(), 8u) << "layers.txt was not found or is empty";
    std::string report;
    for (const Violation& v : checkIncludeLayers(kProjectRoot / "src", layers)) report += describe(v) + "\n";
    EXPECT_EQ(report, "");
}

// A scratch source tree holding one file.
class PlantedTree {
public:
    // Named after the process and the running test: ctest runs the tests of
    // this file at the same time, in separate processes.
    PlantedTree()
        : root_(fs::temp_directory_path() /
                ("qv_layers_" + std::to_string(::getpid()) + "_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                 std::to_string(counter_++))) {
        fs::remove_all(root_);
    }
    ~PlantedTree() { fs::remove_all(root_); }
    void plant(const std::string& file, const std::string& text) {
        fs::create_directories((root_ / file).parent_path());
        std::ofstream(root_ / file) << text;
    }
    const fs::path& root() const { return root_; }

private:
    static inline int counter_ = 0;
    fs::path root_;
};

struct Planted {
    const char* file;
    const char* include;  // the include line, planted as the file's third line
    bool allowed;
};

constexpr Planted kPlanted[] = {
    // Upwards among core folders, and sideways into a later subsystem.
    {"draw/canvas.h", "#include \"plot/plot.h\"", false},
    {"expression/derivatives.cpp", "#include \"calculus/newton_search.h\"", false},
    {"plot/curves.cpp", "#include \"data/columns.h\"", false},
    {"plot/curves.cpp", "#include \"expression/derivatives.h\"", true},
    {"calculus/newton_search.h", "#include \"plot/curves.h\"", true},
    // Core never reaches Qt, by header or by folder.
    {"document/startup.cpp", "#include <QString>", false},
    {"document/startup.cpp", "#include <QtWidgets/QLabel>", false},
    {"document/startup.cpp", "#include \"ui/panel_context.h\"", false},
    {"plot/plot.h", "#include \"plot/ui/graph_panel.h\"", false},
    {"document/startup.cpp", "#include <string>", true},
    // Panels: their own layer and below, the shared ui/ folder.
    {"plot/ui/plot_controller.cpp", "#include \"calculus/ui/integral_panel.h\"", false},
    {"plot/ui/plot_controller.cpp", "#include \"ui/input_conventions.h\"", true},
    {"calculus/ui/calculus_commands.cpp", "#include \"plot/ui/plot_controller.h\"", true},
    {"calculus/ui/calculus_commands.cpp", "#include <QMenu>", true},
    {"ui/input_conventions.cpp", "#include \"plot/ui/graph_panel.h\"", false},
    {"ui/input_conventions.cpp", "#include \"expression/number_text.h\"", true},
    {"plot/ui/plot_controller.cpp", "#include \"shell/ui/main_window.h\"", false},
    // The shell assembles everything; only app/ sees the shell.
    {"shell/ui/main_window.cpp", "#include \"data/ui/list_panel.h\"", true},
    {"shell/ui/main_window.cpp", "#include \"app/command_line.h\"", false},
    {"app/main.cpp", "#include \"shell/ui/main_window.h\"", true},
    // Folders nobody placed in the table.
    {"plot/plot.cpp", "#include \"misc/helpers.h\"", false},
};

TEST(IncludeLayers, PlantedIncludesAreReportedWithFileAndLine) {
    const LayerTable layers = table();
    for (const Planted& p : kPlanted) {
        SCOPED_TRACE(std::string(p.file) + ": " + p.include);
        PlantedTree tree;
        tree.plant(p.file, std::string("#pragma once\n\n") + p.include + "\n");
        const std::vector<Violation> found = checkIncludeLayers(tree.root(), layers);
        if (p.allowed) {
            EXPECT_TRUE(found.empty()) << describe(found.front());
            continue;
        }
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].file, p.file);
        EXPECT_EQ(found[0].line, 3);
        EXPECT_FALSE(found[0].message.empty());
    }
}

TEST(IncludeLayers, AFileInAnUnknownFolderIsReported) {
    PlantedTree tree;
    tree.plant("scratch/notes.h", "#pragma once\n");
    const std::vector<Violation> found = checkIncludeLayers(tree.root(), table());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(describe(found[0]), "src/scratch/notes.h:0: the folder scratch/ is not in the layer table");
}

}  // namespace
}  // namespace qv::architecture
