#pragma once

// UTF-8 as the file readers meet it: decoding one character at a time, and
// the short excerpt of a faulty line that their messages quote. A file may
// hold anything, so an excerpt never splits a character and never passes on
// bytes that are not text.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// Decodes the character at bytes[i] and moves i past it; false (i unmoved)
// on a malformed sequence: a stray or cut-off byte, an overlong form, a
// surrogate half or a value above U+10FFFF.
bool decodeUtf8(std::string_view bytes, std::size_t& i, char32_t& c);

// At most `characters` characters of the bytes, then "..." when there is
// more. A byte that starts no valid character, and a control character
// (tab aside), is shown as \xNN, so the excerpt is always printable UTF-8.
std::string textExcerpt(std::string_view bytes, std::size_t characters = 40);

}  // namespace qv
