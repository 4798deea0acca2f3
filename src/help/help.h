#pragma once

// "Help &Contents" and "&About Quorvanta...": where the manual is looked
// for, what opens it, and what the two boxes say.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "expression/user_text.h"

namespace qv {

class Platform;

// The manual's names, in the order they are tried in a folder: a word
// processor's document first, the PDF the build sets last.
inline constexpr std::array<const char*, 3> kManualNames = {
    "Quorvanta Manual.docx", "Quorvanta Manual compatible.doc", "Quorvanta Manual.pdf"};
inline constexpr const char* kNoHelpTitle = QV_TR("qv::Texts", "No help file!");
inline constexpr const char* kNoViewerTitle = QV_TR("qv::Texts", "Quorvanta  -  Help Contents");
inline constexpr const char* kAboutTitle = "Quorvanta";

// Every manual found, the first to try first: the folders in turn (the
// program's folder, then the installed data folders), and in each folder
// the names in the order above.
std::vector<std::string> findManuals(const std::vector<std::string>& folders,
                                     const std::function<bool(const std::string&)>& fileExists);

// "Help &Contents": opens the first manual a program on the desktop opens.
// With no manual, the "No help file!" message; with manuals that nothing
// opened, a message that says where they are, so that the user can open
// one with a program of their own choice.
void showHelpContents(Platform& platform, const std::function<bool(const std::string&)>& fileExists);

std::string noHelpText();
// The manuals were found but no program opened them: their full paths.
std::string noViewerText(const std::vector<std::string>& manuals);
// The about box's lines, joined by CR LF: the program's version and the day
// it was built ("April 3, 2025").
std::string aboutText(std::string_view version, std::string_view buildDate);

}  // namespace qv
