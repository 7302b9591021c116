#!/usr/bin/env bash
# Makes the Debian packages with CPack and checks each: exactly its files (installed_files.txt
# names each file's package), the packages its Depends must and must not name, and lintian
# reporting no error and no warning.
# Usage: check_package.sh BUILD-DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Package: the names its Depends must hold ("!" before one that it must not).
declare -A depends=(
  [quillmar-dvd]="fonts-dejavu-extra libqt6widgets6 libc6 !libqt6designer6"
  [libchameleonbutton-dev]="qt6-base-dev"
  [chameleonbutton-designer-plugin]="libqt6designer6 libqt6widgets6")

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >/dev/null
for package in "${!depends[@]}"; do
  deb=$(echo "$tmp/${package}_"*.deb)
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort >"$tmp/found"
  awk -v p="$package" '$1 == p {print $2}' "$here/installed_files.txt" | LC_ALL=C sort \
    | diff -u --label "$package (expected)" - "$tmp/found"
  have=$(dpkg-deb -f "$deb" Depends)
  for name in ${depends[$package]}; do
    [[ ", $have," == *", ${name#!}"[\ ,]* ]] && held="" || held="!"
    [ "$held" = "${name%%[a-z]*}" ] || { echo "$package Depends: $have ($name)"; exit 1; }
  done
  echo "$package Depends: $have"
done
lintian --fail-on error,warning "$tmp"/*.deb
echo "packages OK"
