#pragma once

// "Help &Contents" and "&About Quorvanta...": where the manual is looked
// for, and what the two boxes say.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

inline constexpr const char* kManualName = "Quorvanta Manual.pdf";
inline constexpr const char* kNoHelpTitle = "No help file!";
inline constexpr const char* kAboutTitle = "Quorvanta";

// The manual in the first of the folders that holds it (the program's
// folder, then the installed data folders), or none.
std::optional<std::string> findManual(const std::vector<std::string>& folders,
                                      const std::function<bool(const std::string&)>& fileExists);

std::string noHelpText();
// The about box's lines, joined by CR LF.
std::string aboutText();

}  // namespace qv
