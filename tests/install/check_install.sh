#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop reads from it: exactly the
# expected files, a desktop entry and metainfo that their validators pass, icons that are the
# SVG's rendering, and a program that answers --version and --help without a display.
# Usage: check_install.sh BUILD-DIR SOURCE-DIR
set -euo pipefail
build=$1 src=$2
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
(cd "$tmp/usr" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$tmp/found"
LC_ALL=C sort "$here/installed_files.txt" | diff -u - "$tmp/found"

# Hints count too: they mean a menu that would file the entry badly.
hints=$(desktop-file-validate "$tmp"/usr/share/applications/*.desktop)
[ -z "$hints" ] || { echo "$hints"; exit 1; }
appstreamcli validate --no-net "$tmp"/usr/share/metainfo/*.metainfo.xml

bash "$src/data/icons/render.sh" "$tmp/icons"
for png in "$tmp"/icons/*/*.png; do
  size=$(basename "$(dirname "$png")")
  cmp "$png" "$tmp/usr/share/icons/hicolor/$size/apps/$(basename "$png")"
done

program=$tmp/usr/bin/quillmar-dvd
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)
[ "$version" = "quillmar-dvd 1.0" ] || { echo "--version printed: $version"; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help | grep -q 'SOURCE' \
  || { echo "--help does not name SOURCE"; exit 1; }
echo "install tree OK"
