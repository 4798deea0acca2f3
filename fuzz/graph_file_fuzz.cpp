// libFuzzer target of the graph file: arbitrary bytes go to the reader as a
// file's bytes (encoding and layout both).
//
// Besides the sanitizers, these properties are checked and abort on failure:
//  - nothing throws;
//  - a refused file names a line no further than one past the last line of
//    the text, with a message;
//  - a file that reads is saved as bytes, and those bytes read again to the
//    very same value: opening and saving loses or changes nothing a second
//    save would not keep;
//  - saving that value once more gives the same bytes.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "fuzz_entry.h"
#include "persistence/graph_file.h"

namespace {

// The first bytes of a text, escaped so that the report shows every byte.
std::string excerpt(std::string_view bytes) {
    constexpr std::size_t kShown = 600;
    std::string out;
    for (std::size_t i = 0; i < bytes.size() && i < kShown; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\n') {
            out += "\\n\n";
        } else if (b >= 0x20 && b < 0x7F && b != '\\') {
            out += static_cast<char>(b);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    if (bytes.size() > kShown) out += "...";
    return out;
}

[[noreturn]] void violated(const char* what, std::string_view bytes,
                           const std::string& detail = {}) {
    std::fprintf(stderr, "\n*** property violated: %s\n", what);
    if (!detail.empty()) std::fprintf(stderr, "    %s\n", detail.c_str());
    std::fprintf(stderr, "    bytes:\n%s\n", excerpt(bytes).c_str());
    std::fflush(stderr);
    std::abort();
}

// Where two values differ, so that a report says where the round trip went
// wrong: a multi-line field by name (the writer may give two of its texts the
// same lines), else the first line where their written forms differ.
std::string firstDifference(const qv::GraphFile& a, const qv::GraphFile& b) {
    const auto show = [](const char* name, std::string_view before, std::string_view after) {
        return std::string(name) + ": \"" + excerpt(before) + "\" then \"" + excerpt(after) + "\"";
    };
    if (a.description != b.description) return show("description", a.description, b.description);
    if (a.history != b.history) return show("history", a.history, b.history);
    for (std::size_t i = 0; i < a.equations.size() && i < b.equations.size(); ++i) {
        for (std::size_t k = 0; k < a.equations[i].size(); ++k) {
            if (a.equations[i][k] != b.equations[i][k]) {
                return show("an equation field", a.equations[i][k], b.equations[i][k]);
            }
        }
    }
    const std::string x = qv::writeGraphFile(a), y = qv::writeGraphFile(b);
    std::size_t start = 0;
    int line = 1;
    while (true) {
        const std::size_t endX = x.find('\n', start), endY = y.find('\n', start);
        const std::string_view lineX = std::string_view(x).substr(start, endX - start);
        const std::string_view lineY = std::string_view(y).substr(start, endY - start);
        if (lineX != lineY) {
            return "written line " + std::to_string(line) + ": \"" + excerpt(lineX) + "\" then \"" +
                   excerpt(lineY) + "\"";
        }
        if (endX == std::string::npos || endY == std::string::npos) break;
        start = endX + 1;
        ++line;
    }
    return "the values differ although they are written alike";
}

// The lines of the text, as the reader breaks them (CR LF, LF or CR alone);
// a last line without a line end counts too.
std::size_t lineCount(std::string_view text) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') ++lines;
    }
    return lines + (!text.empty() && text.back() != '\n' && text.back() != '\r' ? 1 : 0);
}

void run(std::string_view bytes) {
    const qv::GraphFileRead first = qv::readGraphFileBytes(bytes);
    if (!first.file) {
        const qv::GraphFileError& e = first.error;
        if (e.message.empty()) violated("a refused file without a message", bytes);
        if (e.line < 1 || static_cast<std::size_t>(e.line) > lineCount(bytes) + 1) {
            violated("the error names a line outside the file", bytes, qv::describe(e));
        }
        return;
    }
    const std::string saved = qv::graphFileBytes(*first.file);
    const qv::GraphFileRead second = qv::readGraphFileBytes(saved);
    if (!second.file) {
        violated("the saved file does not read", saved, qv::describe(second.error));
    }
    if (!(*second.file == *first.file)) {
        violated("the saved file reads as another value", bytes,
                 firstDifference(*first.file, *second.file));
    }
    if (qv::graphFileBytes(*second.file) != saved) {
        violated("saving the same value twice gives other bytes", saved);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return qv_fuzz::guarded([&] { run(std::string_view(reinterpret_cast<const char*>(data), size)); });
}
