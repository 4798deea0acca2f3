# Shared helpers for the scripts in this folder; sourced, not run.

QV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# At most two compile jobs: the build machines have two cores and little to
# spare for a wider build.
QV_JOBS="${QV_JOBS:-2}"

# qv_configure <build-dir> [cmake args...]
# Configures only when the folder holds no finished configuration; after
# that, `cmake --build` re-runs CMake by itself whenever a CMakeLists.txt
# changes or a source file appears or disappears.
qv_configure() {
    local dir="$1"
    shift
    if [[ -f "$dir/CMakeCache.txt" && -f "$dir/build.ninja" ]]; then
        return 0
    fi
    cmake -S "$QV_ROOT" -B "$dir" -G Ninja "$@"
}

qv_build() {
    local dir="$1"
    shift
    cmake --build "$dir" -j "$QV_JOBS" "$@"
}
