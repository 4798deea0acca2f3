#pragma once

// What every fuzz target does around one input: an exception that escapes
// the code under test is a finding, reported and turned into a crash so
// that libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace qv_fuzz {

template <typename Run>
int guarded(const Run& run) {
    try {
        run();
    } catch (const std::exception& ex) {
        std::fprintf(stderr, "\n*** exception escaped: %s\n", ex.what());
        std::abort();
    } catch (...) {
        std::fprintf(stderr, "\n*** unknown exception escaped\n");
        std::abort();
    }
    return 0;
}

}  // namespace qv_fuzz
