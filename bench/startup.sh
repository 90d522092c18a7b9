#!/usr/bin/env bash
# Time from process start to a main window ready for input (splash skipped), median of N runs.
# usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
designer="$build/src/app/designer/tessarine"
runtime=$(mktemp -d); chmod 700 "$runtime"; trap 'rm -rf "$runtime"' EXIT
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen TESSARINE_NO_SPLASH=1 TESSARINE_QUIT_WHEN_READY=1 "$designer"
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to a ready main window: median ${sorted[$(( runs / 2 ))]} ms over $runs runs (${times[*]} ms)"
