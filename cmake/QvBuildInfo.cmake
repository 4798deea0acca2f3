# Run as a script at every build (cmake -DOUTPUT=... -DVERSION=... -P):
# writes the source that tells the program its version and build date.
# file(CONFIGURE) leaves the file untouched while its text stays the same,
# so builds on the same day compile and link nothing again.

# string(TIMESTAMP) takes SOURCE_DATE_EPOCH from the environment when set.
string(TIMESTAMP qv_month "%B")
string(TIMESTAMP qv_day "%d")
string(TIMESTAMP qv_year "%Y")
string(REGEX REPLACE "^0" "" qv_day "${qv_day}")
set(QV_BUILD_DATE "${qv_month} ${qv_day}, ${qv_year}")

file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT [[
// Written by the build (cmake/QvBuildInfo.cmake); do not edit.
#include "help/ui/build_info.h"

namespace qv {

const char* programVersion() { return "@VERSION@"; }
const char* buildDate() { return "@QV_BUILD_DATE@"; }

}  // namespace qv
]])
