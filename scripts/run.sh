#!/usr/bin/env bash
# The main job: installs what is missing, builds, and opens the bundled sample label.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" >&2

sample="$root/resources/samples/sample.KWZ"
cli="$root/build/src/cli/tessarine-cli"
if [ ! -f "$sample" ]; then
  mkdir -p "$(dirname "$sample")"
  "$cli" sample "$sample"
fi
echo "Sample label: $sample" >&2
"$cli" info "$sample"
