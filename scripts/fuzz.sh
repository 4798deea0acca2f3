#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS
# (default 600). Each target keeps its corpus in fuzz/corpus/<target>/,
# which grows from run to run; inputs in fuzz/seeds/<name>/ (the target's
# name with or without its "_fuzz" suffix), when that folder exists, are read
# as extra starting points. Crashing inputs are saved as
# build/fuzz/crashes/<target>-crash-*. An input that runs longer than 25
# seconds counts as a hang (libFuzzer's own default is 20 minutes); a later
# -timeout= flag overrides it.
#
#   bash scripts/fuzz.sh [SECONDS] [extra libFuzzer flags...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds="${1:-600}"
shift || true
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
    echo "usage: bash scripts/fuzz.sh [SECONDS] [libFuzzer flags...]" >&2
    exit 2
fi

bash "$QV_ROOT/scripts/install-deps.sh"

build_dir="$QV_ROOT/build/fuzz"
# Configured every time (it is quick) so targets.txt names every fuzz/*_fuzz.cpp.
cmake -S "$QV_ROOT" -B "$build_dir" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DQV_BUILD_FUZZ=ON -DQV_BUILD_TESTS=OFF -DQV_BUILD_GUI=OFF -DQV_SANITIZE=OFF

mapfile -t targets < "$build_dir/fuzz/targets.txt"
if ((${#targets[@]} == 0)); then
    echo "fuzz: no fuzz targets (fuzz/*_fuzz.cpp)" >&2
    exit 1
fi
qv_build "$build_dir" --target "${targets[@]}"

mkdir -p "$build_dir/crashes"
failed=()
for target in "${targets[@]}"; do
    corpus="$QV_ROOT/fuzz/corpus/$target"
    mkdir -p "$corpus"
    dirs=("$corpus")
    for seeds in "$QV_ROOT/fuzz/seeds/$target" "$QV_ROOT/fuzz/seeds/${target%_fuzz}"; do
        if [[ -d "$seeds" ]]; then
            dirs+=("$seeds")
            break
        fi
    done
    echo "=== $target: ${seconds}s"
    if ! "$build_dir/fuzz/$target" \
        -max_total_time="$seconds" \
        -print_final_stats=1 \
        -timeout=25 \
        -artifact_prefix="$build_dir/crashes/$target-" \
        "$@" "${dirs[@]}"; then
        failed+=("$target")
    fi
done

if ((${#failed[@]} > 0)); then
    echo "fuzz: failures in ${failed[*]}; inputs in $build_dir/crashes/" >&2
    exit 1
fi
echo "fuzz: ${#targets[@]} target(s) ran ${seconds}s each without a failure"
