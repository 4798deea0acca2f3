#!/usr/bin/env bash
# Builds the benchmark program in Release and runs it. Arguments go to
# Google Benchmark, e.g. --benchmark_filter=Evaluate --benchmark_repetitions=5
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$QV_ROOT/scripts/install-deps.sh"

build_dir="$QV_ROOT/build/bench"
qv_configure "$build_dir" -DCMAKE_BUILD_TYPE=Release \
    -DQV_BUILD_BENCH=ON -DQV_BUILD_TESTS=OFF -DQV_BUILD_GUI=OFF
qv_build "$build_dir" --target quorvanta_bench

exec "$build_dir/bench/quorvanta_bench" "$@"
