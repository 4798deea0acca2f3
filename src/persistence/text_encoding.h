#pragma once

// The byte forms of the program's text files. Inside the program every text
// is UTF-8. On disk a file is Windows-1252, the single-byte code page the
// files of the old design use, whenever every character fits it; otherwise
// UTF-8. Reading takes a file as UTF-8 when its bytes are valid UTF-8 and as
// Windows-1252 otherwise, so both kinds open.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// How many bytes at the start are ASCII (below 0x80), and whether all are:
// ASCII text is the same in every encoding the files use.
std::size_t asciiPrefix(std::string_view bytes);
bool isAscii(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogate
// halves, nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves unused
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the
// same number, so that every byte has a character and back.
std::string windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text, or false when a character has none
// (or the text is not valid UTF-8).
bool utf8ToWindows1252(std::string_view utf8, std::string& out);

// The bytes a file holds for the UTF-8 text: Windows-1252 when every
// character fits and those bytes would not read back as different UTF-8
// text, UTF-8 otherwise (with a byte order mark before a text that starts
// with that character, which reading drops).
std::string encodeFileText(std::string_view utf8);

// The UTF-8 text of a file's bytes: UTF-8 (a leading byte order mark
// dropped) when they are valid UTF-8, Windows-1252 otherwise.
std::string decodeFileText(std::string_view bytes);

}  // namespace qv
