#!/usr/bin/env bash
# Installs the Debian packages Tessarine builds and tests with, only those missing.
# Safe to run again; uses sudo when not root and waits for the apt lock.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-serialport-dev
  libqt6sql6-sqlite libqt6sql6-odbc libqt6sql6-psql
  libzint-dev libzxing-dev
  libfreexl-dev libzip-dev libshp-dev mdbtools-dev
  unixodbc libsqliteodbc odbc-postgresql postgresql
  fonts-arphic-uming fonts-noto-cjk
  xvfb xauth poppler-utils socat python3-xlwt
  libgtest-dev libbenchmark-dev
  cups printer-driver-cups-pdf
)
# The Access sample the tests read comes from the npm registry; the machine's Node.js may
# bring npm already.
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-o DPkg::Lock::Timeout=600 -y --no-install-recommends)
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q
"${sudo_cmd[@]}" apt-get install "${apt_opts[@]}" -q "${missing[@]}"
