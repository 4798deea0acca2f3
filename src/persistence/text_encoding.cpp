#include "persistence/text_encoding.h"

#include <array>
#include <cstdint>

#include "data/utf8_text.h"

namespace qv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The characters of the bytes 0x80..0x9F in Windows-1252; the unused bytes
// keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::size_t asciiPrefix(std::string_view bytes) {
    std::size_t i = 0;
    // Whole blocks first, with no test per byte, so the compiler can take
    // several bytes at once.
    constexpr std::size_t kBlock = 32;
    for (; i + kBlock <= bytes.size(); i += kBlock) {
        unsigned char any = 0;
        for (std::size_t k = 0; k < kBlock; ++k) any |= static_cast<unsigned char>(bytes[i + k]);
        if ((any & 0x80) != 0) break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
    return i;
}

bool isAscii(std::string_view bytes) { return asciiPrefix(bytes) == bytes.size(); }

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = asciiPrefix(bytes);
    char32_t c = 0;
    while (i < bytes.size()) {
        if (!decodeUtf8(bytes, i, c)) return false;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            appendUtf8(out, kHighControls[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

bool utf8ToWindows1252(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t i = 0;
    char32_t c = 0;
    while (i < utf8.size()) {
        // A run of ASCII is the same in both.
        const std::size_t run = asciiPrefix(utf8.substr(i));
        out.append(utf8, i, run);
        i += run;
        if (i == utf8.size()) break;
        if (!decodeUtf8(utf8, i, c)) return false;
        if (c >= 0xA0 && c <= 0xFF) {
            out += static_cast<char>(c);
            continue;
        }
        bool found = false;
        for (std::size_t k = 0; k < kHighControls.size(); ++k) {
            if (kHighControls[k] == c) {
                out += static_cast<char>(0x80 + k);
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return true;
}

std::string encodeFileText(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    std::string single;
    // Single-byte text that happens to be valid UTF-8 with characters above
    // ASCII ("Ã©" is C3 A9, which is also "é") would read back as other
    // text: such a document is written as UTF-8.
    if (utf8ToWindows1252(utf8, single) && !(!isAscii(single) && isValidUtf8(single))) return single;
    // A text that starts with the character of the byte order mark would
    // lose it to the reader, which drops one mark: it gets one more.
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        return std::string(kByteOrderMark) + std::string(utf8);
    }
    return std::string(utf8);
}

std::string decodeFileText(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            bytes.remove_prefix(kByteOrderMark.size());
        }
        return std::string(bytes);
    }
    return windows1252ToUtf8(bytes);
}

}  // namespace qv
