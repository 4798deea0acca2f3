#pragma once

#include <cstdio>
#include <string>

#include "data/fits.h"

namespace qv {

// `quorvanta --fit TYPE XFILE YFILE`: reads two list files as "&Import
// List..." does, the first as the "x data" column and the second as the
// selected y column, runs "Create Fit" and prints two lines: "function: "
// and the expression the function list's entry box would show, and
// "correlation: " and what the result label shows after "Correlation = ".
// A file that cannot be read, or a fit refused with a message, prints one
// line "error: " and the message on `err`. Returns the exit code: 0, or 1
// on an error.
int runFitCommand(FitType type, const std::string& xPath, const std::string& yPath, std::FILE* out, std::FILE* err);

}  // namespace qv
