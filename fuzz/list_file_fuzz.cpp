// libFuzzer target of the list file: arbitrary bytes go to the reader of
// "&Import List..." as a file's bytes.
//
// Besides the sanitizers, these properties are checked and abort on failure:
//  - nothing throws;
//  - the bytes give the same items, or the same refusal, whether they come
//    in one piece or cut into pieces (a file is read in chunks);
//  - a refusal says why, names the file and is printable UTF-8 text;
//  - a file that reads gives at most a column's items, each a blank and a
//    number text on one line;
//  - those items written as a list file (CR LF after each) read back as
//    the very same items.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_entry.h"
#include "data/list_file.h"
#include "data/utf8_text.h"
#include "expression/number_text.h"
#include "persistence/text_encoding.h"

namespace {

const std::string kName = "\"list.txt\"";

struct Parsed {
    std::vector<std::string> items;
    std::string problem;  // empty when the bytes are a list file
};

Parsed parse(std::string_view bytes, const std::vector<std::size_t>& cuts) {
    qv::ListFileParser parser(kName);
    std::size_t from = 0;
    bool ok = true;
    for (std::size_t cut : cuts) {
        ok = parser.feed(bytes.data() + from, cut - from);
        from = cut;
        if (!ok) break;
    }
    if (ok) ok = parser.feed(bytes.data() + from, bytes.size() - from) && parser.finish();
    if (!ok) return {{}, parser.problem};
    return {std::move(parser.items), {}};
}

[[noreturn]] void violated(const char* what, std::string_view bytes, const std::string& detail = {}) {
    std::fprintf(stderr, "\n*** property violated: %s\n", what);
    if (!detail.empty()) std::fprintf(stderr, "    %s\n", detail.c_str());
    std::fprintf(stderr, "    bytes: \"%s\"\n", qv::textExcerpt(bytes, 600).c_str());
    std::fflush(stderr);
    std::abort();
}

void run(std::string_view bytes) {
    const Parsed whole = parse(bytes, {});
    // Cuts where the input says, so that every boundary gets its turn: in
    // a byte order mark, between CR and LF, inside a long line.
    std::vector<std::size_t> cuts;
    if (!bytes.empty()) {
        const auto b = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i % bytes.size()]); };
        const std::size_t first = (b(0) * 7u + b(bytes.size() - 1)) % (bytes.size() + 1);
        const std::size_t second = first + (b(1) % (bytes.size() - first + 1));
        cuts = {first, second};
    }
    const Parsed pieces = parse(bytes, cuts);
    if (pieces.items != whole.items || pieces.problem != whole.problem) {
        violated("the pieces read differently", bytes, whole.problem + " | " + pieces.problem);
    }
    if (!whole.problem.empty()) {
        if (whole.problem.find(kName) == std::string::npos) violated("a refusal without the file's name", bytes);
        if (!qv::isValidUtf8(whole.problem)) violated("a refusal that is not text", bytes, whole.problem);
        return;
    }
    if (whole.items.size() > qv::kMaxListFileLines) violated("more items than a column holds", bytes);
    std::string written;
    for (const std::string& item : whole.items) {
        if (item.empty() || item[0] != ' ' || !qv::isNumeric(std::string_view(item).substr(1)) ||
            item.find_first_of("\r\n") != std::string::npos) {
            violated("an item that is no number text", bytes, item);
        }
        written += item.substr(1) + "\r\n";
    }
    const Parsed again = parse(written, {});
    if (!again.problem.empty() || again.items != whole.items) {
        violated("the items written as a file read differently", written, again.problem);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return qv_fuzz::guarded([&] { run(std::string_view(reinterpret_cast<const char*>(data), size)); });
}
