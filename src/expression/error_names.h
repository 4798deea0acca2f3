#pragma once

#include <string>

namespace qv {

// The description of an error number of the expression language, as the
// user reads it in a status line ("Type mismatch"); "Error N" for a number
// the language does not name.
std::string errorName(int code);

}  // namespace qv
