#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined sanitizers) and runs the label
# file fuzzer for the given number of seconds (default 600) from a seed corpus made by our writer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
build_dir="$root/build-fuzz"
"$root/scripts/install-deps.sh"
if ! command -v clang++ >/dev/null; then
  sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends clang
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSARINE_FUZZ=ON -DTESSARINE_SANITIZE=ON -DTESSARINE_TESTS=OFF -DTESSARINE_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target label_stream_fuzzer label_seed_corpus

corpus="$root/fuzz/corpus/label_stream"
mkdir -p "$corpus" "$root/fuzz/artifacts"
QT_QPA_PLATFORM=offscreen "$build_dir/fuzz/label_seed_corpus" "$corpus"
cp "$root/tests/fixtures/handmade.KWZ" "$corpus/"
export ASAN_OPTIONS=detect_leaks=0
"$build_dir/fuzz/label_stream_fuzzer" "$corpus" -max_total_time="$seconds" -max_len=65536 \
  -artifact_prefix="$root/fuzz/artifacts/" -print_final_stats=1
