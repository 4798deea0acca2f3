#include "data/utf8_text.h"

#include <cstdio>

namespace qv {

bool decodeUtf8(std::string_view bytes, std::size_t& i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        c = lead;
        ++i;
        return true;
    }
    int extra = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return false;
    }
    if (bytes.size() - i <= static_cast<std::size_t>(extra)) return false;  // cut off at the end
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
    return true;
}

namespace {

void appendHex(std::string& out, unsigned value) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", value);
    out += hex;
}

// C0 and C1 controls and DEL move the caret, ring or vanish in a message
// box; a tab is a blank to a reader.
bool isControl(char32_t c) { return (c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0); }

}  // namespace

std::string textExcerpt(std::string_view bytes, std::size_t characters) {
    std::string out;
    std::size_t i = 0;
    for (std::size_t shown = 0; i < bytes.size() && shown < characters; ++shown) {
        const std::size_t start = i;
        char32_t c = 0;
        if (!decodeUtf8(bytes, i, c)) {
            appendHex(out, static_cast<unsigned char>(bytes[i]));
            ++i;
        } else if (isControl(c)) {
            appendHex(out, static_cast<unsigned>(c));
        } else {
            out.append(bytes.substr(start, i - start));
        }
    }
    if (i < bytes.size()) out += "...";
    return out;
}

}  // namespace qv
