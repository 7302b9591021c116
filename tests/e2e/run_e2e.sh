#!/usr/bin/env bash
# The real program driven only by real input (xdotool on a private Xvfb, a HOME of its own):
#   1. browse to a sparse 5 GiB source whose first MiB is random, pick Dvd+R\RW, add -2294800
#      sectors, browse to an output, "Start Cutting", the "Info" box; the output is the source's
#      first 622592 bytes; "Quit" ends with status 0;
#   2. a typed source that names no file gives the error box; the window still answers (an
#      emptied path gives the "info" refusal); "Quit" ends with status 0.
# Usage: run_e2e.sh PATH-TO-quillmar-dvd
set -euo pipefail

prog=${1:?usage: run_e2e.sh PATH-TO-quillmar-dvd}
fail() {
  echo "e2e: FAIL: $*" >&2
  exit 1
}
step() { echo "e2e: $*"; }
[ -x "$prog" ] || fail "no program at $prog"
for tool in Xvfb xdotool truncate cmp; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

readonly kTitle="Quillmar Dvd Control Test" kWait=30 # seconds for any one thing to happen
# Control centres in the window's client pixels (layout twips / 15).
readonly kBrowseSource=(428 40) kBrowseOutput=(428 232) kTxtSrc=(204 41) kTxtDest=(204 233)
readonly kOption3=(224 104) kText3=(244 177) kStartCutting=(396 140) kQuit=(396 180)

work=$(mktemp -d "${TMPDIR:-/tmp}/qdct-e2e-XXXXXX")
xvfb_pid="" app_pid=""
cleanup() {
  local status=$?
  for pid in $app_pid $xvfb_pid; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  [ "$status" -eq 0 ] || [ ! -s "$work/app.log" ] || { echo "--- program output ---"; cat "$work/app.log"; } >&2
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# until WHAT COMMAND...: retries COMMAND every 0.1 s for kWait seconds, then fails with WHAT.
until_ok() {
  local what=$1 deadline=$((SECONDS + kWait))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$what (waited ${kWait}s)"
    sleep 0.1
  done
}

# Prints the visible window titled exactly $1 (xdotool ignores case; "info" and "Info" differ).
exact_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id" && return 0
  done
  return 1
}
window() { until_ok "no window titled '$1' appeared ($2)" exact_window "$1" >/dev/null && exact_window "$1"; }
gone() { ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
# Only the main window is shown: a dialog's helpers (the completer's popup, which holds the
# pointer) go a moment after the dialog, and a click before then would only close them.
only_main() { [ "$(xdotool search --all --onlyvisible --pid "$app_pid" --name '' 2>/dev/null || true)" = "$main" ]; }

click() { xdotool mousemove --window "$main" --sync "$1" "$2" && xdotool click 1; }
# There is no window manager: focus the window, then type or press.
type_into() { xdotool windowfocus --sync "$1" type --delay 15 -- "$2"; }
key_into() { xdotool windowfocus --sync "$1" key "$2"; }

# answer TITLE WHY [TEXT]: types TEXT (if any) into the window titled TITLE, presses Enter, and
# waits until only the main window is left.
answer() {
  local id
  id=$(window "$1" "$2")
  [ -z "${3:-}" ] || type_into "$id" "$3"
  key_into "$id" Return
  until_ok "'$1' did not close" gone "$id"
  until_ok "windows other than the main window stayed open" only_main
}

start_program() {
  "$prog" >"$work/app.log" 2>&1 &
  app_pid=$!
  main=$(window "$kTitle" "the main window")
  step "window $main is up"
}

ended() { ! kill -0 "$app_pid" 2>/dev/null || [ "$(ps -o stat= -p "$app_pid" | cut -c1)" = Z ]; }
quit_program() {
  local status=0
  click "${kQuit[@]}"
  until_ok "the program did not end after Quit" ended
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status after Quit"
}

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$work/images"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY SESSION_MANAGER

# A display of our own: Xvfb picks a free number and reports it on a descriptor.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t "$kWait" n <&3 || fail "Xvfb did not start within ${kWait}s"
exec 3<&-
export DISPLAY=":$n"

source="$work/images/source.ISO" output="$work/images/output.ISO"
head -c 1048576 /dev/urandom >"$work/pattern"
truncate -s 5G "$source" # more than 4 GB, sparse
dd if="$work/pattern" of="$source" conv=notrunc status=none
readonly cut_bytes=$(((2295104 - 2294800) * 2048))

start_program
click "${kBrowseSource[@]}"
answer "Open Dvd ISO Image" "the file dialog" "$source"
step "picking Dvd+R\\RW and -2294800 sectors"
click "${kOption3[@]}"
click "${kText3[@]}"
key_into "$main" ctrl+a
type_into "$main" "-2294800"
click "${kBrowseOutput[@]}"
answer "Save Dvd ISO Image" "the file dialog" "$output"
step "Start Cutting"
click "${kStartCutting[@]}"
answer "Info" "the success box after Start Cutting"
size=$(stat -c %s "$output") || fail "no output file after the success box"
[ "$size" -eq "$cut_bytes" ] || fail "the output has $size bytes, not $cut_bytes"
cmp "$output" <(head -c "$cut_bytes" "$source") || fail "the output is not the source's start"
quit_program

start_program
step "typing a source path that names no file"
click "${kTxtSrc[@]}"
type_into "$main" "$work/images/nothing-here.ISO"
click "${kTxtDest[@]}"
type_into "$main" "$work/images/output2.ISO"
click "${kStartCutting[@]}"
answer "Run-time error" "the error box for a missing source"
! ended || fail "the program ended after the error"
click "${kTxtSrc[@]}"
key_into "$main" ctrl+a
key_into "$main" BackSpace
click "${kStartCutting[@]}"
answer "info" "the refusal box for an empty source path"
[ ! -e "$work/images/output2.ISO" ] || fail "an output was written although the cut failed"
quit_program
echo "e2e: 2 passed, 0 failed"
