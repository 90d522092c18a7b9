#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
# usage: scripts/test.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}
shift || true
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build_dir" -DTESSARINE_TESTS=ON "$@"

export QT_QPA_PLATFORM=offscreen
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
trap 'rm -rf "$runtime"' EXIT
cd "$build_dir"
ctest --output-on-failure -j"$(nproc)"
