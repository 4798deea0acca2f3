#pragma once

namespace qv {

// Handles the options that work without a window (such as --help, --eval,
// --derive). Sets `handled` when the arguments were such an option; the
// return value is then the process exit code. Leaves `handled` false when
// the window should start (no arguments, or a graph file to open).
int runCommandLine(int argc, char** argv, bool& handled);

}  // namespace qv
