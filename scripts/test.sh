#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test. Exits non-zero when a
# test fails (or when there is no test to run).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$QV_ROOT/scripts/install-deps.sh"

build_dir="$QV_ROOT/build/test"
qv_configure "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_BUILD_TESTS=ON
qv_build "$build_dir"

# Widget tests need no display.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error \
    --timeout 600 -j "$QV_JOBS" "$@"
