#!/usr/bin/env bash
# Makes the Debian package with CPack and checks that it holds the installed files under /usr
# and depends on the shared libraries dpkg-shlibdeps found plus the window's font.
# Usage: check_package.sh BUILD-DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >/dev/null
deb=$(echo "$tmp"/*.deb)
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort >"$tmp/found"
LC_ALL=C sort "$here/installed_files.txt" | diff -u - "$tmp/found"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-dejavu-extra libqt6widgets6 libc6; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || { echo "Depends lacks $needed: $depends"; exit 1; }
done
echo "package OK: $depends"
