// Speed of saving and opening a large graph file beside the same lines
// written and read with plain C++ streams. Prints one line per case:
//   file CASE: ours X us native Y us ratio R
//
// The file is as large as a graph file gets in use: four full data columns
// (4 x 32,767 number texts such as " -123.456789"), 50 user equations of
// eight fields each and a history of 1 MiB in many short lines.
//
// - write: ours is graphFileBytes (the layout and the encoding) and the bytes
//   written to a file; native writes the lines of that same file, one by one,
//   to a std::ofstream.
// - read: ours reads the file's bytes and readGraphFileBytes makes the value
//   (encoding, layout and every line checked against its form); native reads
//   the lines into a vector with std::getline.
//
// Before anything is timed both sides must write the same bytes, ours must
// read back the value it wrote and native the lines.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "persistence/graph_file.h"

namespace {

constexpr double kMinimumSeconds = 0.5;  // each side is timed at least this long
constexpr int kMinimumRuns = 5;
constexpr std::size_t kHistoryBytes = std::size_t{1} << 20;

volatile std::size_t g_fileSink = 0;

[[noreturn]] void die(const std::string& message) {
    std::fprintf(stderr, "file_bench: %s\n", message.c_str());
    std::fflush(stdout);
    std::exit(1);
}

// A list item as the program writes a number: a blank or a minus sign, then
// up to six digits before the point and six after. The digits come from a
// fixed linear congruential sequence, so every run saves the same file.
std::string numberText(unsigned& state) {
    state = state * 1103515245u + 12345u;
    const double magnitude = static_cast<double>(state >> 4) / 1000000.0;
    const bool negative = (state & 1u) != 0;
    char text[32];
    std::snprintf(text, sizeof text, "%c%.6f", negative ? '-' : ' ', std::fmod(magnitude, 1000.0));
    return text;
}

// A calculator session: an entry and its answer, again and again.
std::string historyText() {
    std::string history;
    history.reserve(kHistoryBytes + 64);
    for (int i = 0; history.size() < kHistoryBytes; ++i) {
        if (!history.empty()) history += "\r\n";
        history += " " + std::to_string(i) + "*sqr(2)+sin(" + std::to_string(i % 90) + ")";
        history += "\r\n  = " + std::to_string(i * 1.4142135623731 + 0.5);
    }
    return history;
}

qv::GraphFile largeFile() {
    qv::GraphFile f;
    unsigned state = 2024;
    for (auto& column : f.columns) {
        column.reserve(qv::kMaxFileListItems);
        for (int i = 0; i < qv::kMaxFileListItems; ++i)
            column.push_back(numberText(state));
    }
    for (int i = 0; i < qv::kMaxFileEquations; ++i) {
        const std::string n = std::to_string(i + 1);
        f.equations.push_back({"Equation " + n, "Area of a circle\r\nof radius r, version " + n,
                               "pi*r^2+" + n + "*a-b/(c+d)", "r", "a", "b", "c", "d"});
    }
    f.history = historyText();
    f.description = "A large graph file";
    f.functions = {"2*(z)+(0)", "sin(z)"};
    f.x_of_z = "cos(z)";
    f.y_of_z = "sin(z)";
    return f;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) die("a line without CR LF in the written file");
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// ---- our side ----

void oursWrite(const qv::GraphFile& f, const std::string& path) {
    const std::string bytes = qv::graphFileBytes(f);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) die("cannot write " + path);
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in) die("cannot read " + path);
    return bytes;
}

qv::GraphFileRead oursRead(const std::string& path) {
    return qv::readGraphFileBytes(fileBytes(path));
}

// ---- native side ----

void nativeWrite(const std::vector<std::string>& lines, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        out << line << "\r\n";
    if (!out) die("cannot write " + path);
}

std::vector<std::string> nativeRead(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

using Clock = std::chrono::steady_clock;

// The fastest of several runs, each at least a few, for kMinimumSeconds.
template <typename Run>
double fastestUs(Run&& run) {
    double best = INFINITY;
    const Clock::time_point begin = Clock::now();
    for (int n = 0; n < kMinimumRuns ||
                    std::chrono::duration<double>(Clock::now() - begin).count() < kMinimumSeconds;
         ++n) {
        const Clock::time_point start = Clock::now();
        run();
        best =
            std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return best;
}

void printCase(const char* name, double oursUs, double nativeUs) {
    std::printf("file %s: ours %.1f us native %.1f us ratio %.2f\n", name, oursUs, nativeUs,
                oursUs / nativeUs);
    std::fflush(stdout);
}

}  // namespace

void printFileSummary() {
    const qv::GraphFile file = largeFile();
    const std::vector<std::string> lines = linesOf(qv::graphFileBytes(file));
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string pid = std::to_string(static_cast<long>(::getpid()));
    const std::string oursPath = (folder / ("quorvanta-file-bench-ours-" + pid + ".qvg")).string();
    const std::string nativePath =
        (folder / ("quorvanta-file-bench-native-" + pid + ".txt")).string();

    oursWrite(file, oursPath);
    nativeWrite(lines, nativePath);
    if (fileBytes(oursPath) != fileBytes(nativePath)) die("the two sides wrote different files");
    const qv::GraphFileRead read = oursRead(oursPath);
    if (!read.file) die("ours cannot read its own file: " + qv::describe(read.error));
    if (!(*read.file == file)) die("ours read back another value");
    if (nativeRead(nativePath) != lines) die("native read back other lines");

    const double oursWriteUs = fastestUs([&] { oursWrite(file, oursPath); });
    const double nativeWriteUs = fastestUs([&] { nativeWrite(lines, nativePath); });
    printCase("write", oursWriteUs, nativeWriteUs);
    const double oursReadUs =
        fastestUs([&] { g_fileSink = g_fileSink + oursRead(oursPath).file->history.size(); });
    const double nativeReadUs =
        fastestUs([&] { g_fileSink = g_fileSink + nativeRead(nativePath).size(); });
    printCase("read", oursReadUs, nativeReadUs);

    std::filesystem::remove(oursPath);
    std::filesystem::remove(nativePath);
}
