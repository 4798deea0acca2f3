#pragma once

// What the build knows of itself, for the about box. The build writes the
// definitions (build_info.cpp in the build folder) at every build; the file
// changes, and the program is linked again, only when the day or the
// version does.
namespace qv {

// The project's version, as the package carries it ("0.1.0").
const char* programVersion();
// The day of the build, "April 3, 2025" (the local date, or the date of
// SOURCE_DATE_EPOCH when a reproducible build sets it).
const char* buildDate();

}  // namespace qv
