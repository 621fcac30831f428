#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velkor need.
# Safe to run again: it does nothing when everything is present.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache clang-format
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-serialport-dev qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools
  qt6-qpa-plugins libgl-dev
  xvfb xauth trayer xdotool xclip x11-utils imagemagick strace procps
  pkg-config mdbtools-dev libical-dev
  dpkg-dev lintian desktop-file-utils appstream dbus python3-dbus python3-gi
  gcovr
  python3-radicale xandikos python3-caldav vdirsyncer
  qtkeychain-qt6-dev gnome-keyring libsecret-1-0
)

# `install-deps.sh fuzz` adds clang and libFuzzer for the fuzz targets.
if [ "${1:-}" = fuzz ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
