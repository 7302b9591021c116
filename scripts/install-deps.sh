#!/usr/bin/env bash
# Installs what building, running and testing the program needs on Debian 12,
# and only what is missing, so that the README's commands work on a fresh machine.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils
  fonts-dejavu-core fonts-dejavu-extra
  qt6-tools-dev libqt6opengl6-dev qt6-l10n-tools qt6-translations-l10n
  desktop-file-utils appstream dpkg-dev librsvg2-bin lintian man-db dbus
  libssl-dev xfsprogs btrfs-progs
  xorriso genisoimage udftools
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
