#!/usr/bin/env bash
# The terminal mode end to end, with no display: exact bytes against the source and a zero
# tail, the SHA-256 against sha256sum, every exit code it can be driven to from outside, a
# SIGINT mid-cut leaving an honest output, JSON that python accepts, a name that is not UTF-8.
# Usage: run_terminal.sh PATH-TO-quillmar-dvd
set -uo pipefail
prog=${1:?usage: run_terminal.sh PATH-TO-quillmar-dvd}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() { # check NAME COMMAND...: counts a pass or a failure
  if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)) && echo "FAIL: $1" >&2; fi
}
status() { "$prog" "$@" >"$work/out" 2>"$work/err"; echo $?; }

mkdir -p "$work/tree" && head -c 3000000 /dev/urandom >"$work/tree/data.bin"
xorriso -as mkisofs -quiet -o "$work/a.iso" "$work/tree" 2>/dev/null || genisoimage -quiet -o "$work/a.iso" "$work/tree"
src=$work/a.iso sectors=$(($(stat -c %s "$work/a.iso") / 2048))

# A cut past the source's end: the source, then zeros; its SHA-256 is sha256sum's.
check "cut exit" [ "$(status --cut --sectors "$sectors" --add 100 "$src" "$work/o.iso")" = 0 ]
check "cut bytes" cmp "$work/o.iso" <({ cat "$src"; head -c 204800 /dev/zero; })
check "cut sha" grep -qx "SHA-256: $(sha256sum "$work/o.iso" | cut -c1-64)" "$work/out"
check "cut keeps" grep -q "keeps the whole file system" "$work/out"
# A lossy cut says so; JSON is one object that python reads.
check "lossy" [ "$(status --cut --json --sectors "$sectors" --add -100 "$src" "$work/o.iso")" = 0 ]
check "lossy json" python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); assert d["fileSystem"]["bytesLost"]==204800 and d["verified"]' "$work/out"
check "lossy bytes" cmp "$work/o.iso" <(head -c $(((sectors - 100) * 2048)) "$src")
check "info json" [ "$(status --info --json "$src")" = 0 ]
check "info parses" python3 -m json.tool "$work/out" >/dev/null
# A name that is not UTF-8 names its file.
cp "$src" "$work/$(printf 'n\xff.iso')"
check "non-utf8" [ "$(status --info "$work/$(printf 'n\xff.iso')")" = 0 ]
check "info text" grep -q "^File system: ISO 9660, " "$work/out"

# Exit codes: usage, refused input, I/O error.
check "empty argument" [ "$(status --cut "$src" '')" = 2 ]
check "unknown option" [ "$(status --cut --fast "$src" "$work/x")" = 2 ]
check "no such source" [ "$(status --cut "$work/none.iso" "$work/x")" = 3 ]
check "preset too large" [ "$(status --cut --preset dvd+r "$src" "$work/x")" = 3 ]
check "full device" [ "$(status --cut --sectors 10 "$src" /dev/full)" = 4 ]
check "error text" grep -q "45606" "$work/err"

# SIGINT mid-cut: status 130, an output as long as what was written, every byte the source's.
truncate -s 5G "$work/big.iso" && head -c 1048576 /dev/urandom | dd of="$work/big.iso" conv=notrunc status=none
"$prog" --cut --preset dvd+r "$work/big.iso" "$work/cut.iso" >"$work/out" 2>&1 &
pid=$!
for _ in $(seq 200); do [ "$(stat -c %s "$work/cut.iso" 2>/dev/null || echo 0)" -gt 0 ] && break; sleep 0.05; done
kill -INT "$pid"
wait "$pid"
check "sigint status" [ $? = 130 ]
size=$(stat -c %s "$work/cut.iso")
check "sigint length" [ "$size" -gt 0 -a "$size" -lt $((2295104 * 2048)) ]
check "sigint bytes" cmp "$work/cut.iso" <(head -c "$size" "$work/big.iso")
echo "terminal: $passed passed, $failed failed"
[ "$failed" = 0 ]
