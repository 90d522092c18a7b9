#!/usr/bin/env bash
# Makes sure a CUPS scheduler runs and has a cups-pdf queue, so the printing tests can print
# through a real queue and read back the PDF it writes. Needs root (CI runs as root); safe to
# run again.
set -euo pipefail
queue=${1:-TessarinePDF}
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

if ! command -v cupsd >/dev/null || [ ! -f "$ppd" ]; then
  echo "cups-pdf-queue: cups or printer-driver-cups-pdf is not installed" >&2
  exit 1
fi

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  # cupsd puts itself in the background.
  cupsd
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
fi
lpstat -r | grep -q "is running" || { echo "cups-pdf-queue: cupsd did not start" >&2; exit 1; }

if ! lpstat -v "$queue" >/dev/null 2>&1; then
  lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd"
fi
echo "cups-pdf queue $queue: $(lpstat -v "$queue")"
