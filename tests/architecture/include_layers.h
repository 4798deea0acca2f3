#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Reads every #include under a source tree and reports the ones that break
// the layer order of the folders (layers.txt beside this file).
namespace qv::architecture {

// The folder names of layers.txt, from the bottom layer up.
using LayerTable = std::vector<std::string>;

LayerTable readLayerTable(const std::filesystem::path& file);

struct Violation {
    std::string file;  // relative to the source root, with forward slashes
    int line = 0;
    std::string message;
};

// Every include of every .h and .cpp file under `sourceRoot` that the table
// forbids, in file and line order.
std::vector<Violation> checkIncludeLayers(const std::filesystem::path& sourceRoot, const LayerTable& table);

std::string describe(const Violation& v);

}  // namespace qv::architecture
