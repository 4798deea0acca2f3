#include "expression/user_text.h"

#include <atomic>

namespace qv {

namespace {

std::atomic<TextLookup> installedLookup{nullptr};

}  // namespace

void setTextLookup(TextLookup lookup) { installedLookup.store(lookup); }

std::string userText(const char* context, const char* english) {
    const TextLookup lookup = installedLookup.load();
    return lookup ? lookup(context, english) : std::string(english);
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace qv
