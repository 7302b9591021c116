#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop reads from it: exactly the
# expected files, a desktop entry and metainfo that their validators pass, icons that are the
# SVG's rendering, a manual page that man finds nothing wrong with, and a program that answers
# --version, --help and --help-all without a display, takes Qt's own options in window mode and
# refuses an empty argument as a usage error.
# Usage: check_install.sh BUILD-DIR SOURCE-DIR
set -euo pipefail
build=$1 src=$2
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
(cd "$tmp/usr" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$tmp/found"
awk '{print $2}' "$here/installed_files.txt" | LC_ALL=C sort | diff -u - "$tmp/found"

# Hints count too: they mean a menu that would file the entry badly.
hints=$(desktop-file-validate "$tmp"/usr/share/applications/*.desktop)
[ -z "$hints" ] || { echo "$hints"; exit 1; }
appstreamcli validate --no-net "$tmp"/usr/share/metainfo/*.metainfo.xml

bash "$src/data/icons/render.sh" "$tmp/icons"
for png in "$tmp"/icons/*/*.png; do
  size=$(basename "$(dirname "$png")")
  cmp "$png" "$tmp/usr/share/icons/hicolor/$size/apps/$(basename "$png")"
done

warnings=$(man --warnings -l "$tmp/usr/share/man/man1/quillmar-dvd.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }

headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tmp/usr/bin/quillmar-dvd")
version=$("${headless[@]}" --version)
[ "$version" = "quillmar-dvd 1.0" ] || { echo "--version printed: $version"; exit 1; }
help=$("${headless[@]}" --help)
grep -q 'SOURCE' <<<"$help" || { echo "--help does not name SOURCE"; exit 1; }
grep -q -- '--cut' <<<"$help" || { echo "--help does not list the terminal mode"; exit 1; }
"${headless[@]}" --help-all | grep -q -- '--platform' || { echo "--help-all lacks Qt's options"; exit 1; }
# A window that takes the options runs until stopped (124); a refused command line ends at once.
expect_status() { # WANT ARGUMENTS...
  local status=0
  timeout 3 "${headless[@]}" -platform offscreen "${@:2}" >/dev/null 2>&1 || status=$?
  [ "$status" -eq "$1" ] || { echo "quillmar-dvd ${*:2}: status $status, not $1"; exit 1; }
}
expect_status 124 -style Fusion -reverse
expect_status 2 "" x
expect_status 2 --bogus
echo "install tree OK"
