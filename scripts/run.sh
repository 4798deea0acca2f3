#!/usr/bin/env bash
# Installs what is missing, builds the Release program and its manual (only
# what changed) and starts it. Arguments are passed to the program. The
# manual lands beside the program, where "Help Contents" (F1) finds it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$QV_ROOT/scripts/install-deps.sh"

build_dir="$QV_ROOT/build/release"
qv_configure "$build_dir" -DCMAKE_BUILD_TYPE=Release
qv_build "$build_dir" --target quorvanta qv_manual

exec "$build_dir/quorvanta" "$@"
