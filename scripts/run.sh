#!/usr/bin/env bash
# The main job: installs what is missing, builds, and opens the designer on the bundled sample
# label. Without a display it prints a sheet of the sample to a PDF instead and says where it is.
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

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$root/build/src/app/designer/tessarine" "$sample"
fi
pdf="$root/build/sample.pdf"
# One full sheet: the sample's label stock holds 5 x 2 labels.
"$cli" print "$sample" --pdf "$pdf" --labels 10 >/dev/null
echo "No display: printed the sample label sheet $sample to $pdf"
