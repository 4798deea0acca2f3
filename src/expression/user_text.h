#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts the user reads are written in English where they are made. Each is
// marked with its context, so that the translation tools collect it:
//   userText("qv::Files", "The file %1 cannot be read.")   at the place of use,
//   QV_TR("qv::Files", "Quorvanta  -  Data Error!")        where a constant is kept,
// and shown through userText(), which asks the lookup the window installs at
// start-up. Without one (the command line, the tests, every file written)
// the English stays, so nothing the program stores depends on the language.
#define QV_TR(context, text) text

namespace qv {

using TextLookup = std::string (*)(const char* context, const char* english);

// Installs the lookup for the whole program (translations are process-wide,
// as the user's language is); nullptr goes back to English.
void setTextLookup(TextLookup lookup);

// `english` in the user's language.
std::string userText(const char* context, const char* english);

// `pattern` with %1 ... %9 replaced by `args` in order; a % not followed by
// the number of an argument stays as it is.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace qv
