#!/usr/bin/env bash
# The real program driven only by real input: on a private Xvfb display, with xdotool moving
# the pointer, clicking and typing, and a HOME of its own so no dialog history leaks in.
#
#   1. a cut: browse to a sparse source of 5 GiB whose first MiB is random, browse to an
#      output, pick Dvd+R\RW, add -2294800 sectors (304 remain), "Start Cutting", wait for
#      "Info" (the success box), compare the output with the source's first 622592 bytes,
#      "Quit", and the program ends with status 0;
#   2. an error: a typed source path that names no file, "Start Cutting", the error box; then
#      the window still answers (an emptied path gives the "info" refusal), "Quit", status 0.
#
# Usage: run_e2e.sh PATH-TO-quillmar-dvd
set -euo pipefail

prog=${1:?usage: run_e2e.sh PATH-TO-quillmar-dvd}
[ -x "$prog" ] || { echo "e2e: FAIL: no program at $prog" >&2; exit 1; }
for tool in Xvfb xdotool truncate cmp; do
  command -v "$tool" >/dev/null || { echo "e2e: FAIL: $tool is not installed" >&2; exit 1; }
done

readonly kTitle="Quillmar Dvd Control Test"
readonly kWait=30 # seconds for any one thing to happen

# Control centres in the window's client pixels (layout twips / 15).
readonly kBrowseSource=(428 40)  # chameleonButton1 in Frame1
readonly kBrowseOutput=(428 232) # chameleonButton2 in Frame2
readonly kTxtSrc=(204 41)
readonly kTxtDest=(204 233)
readonly kOption3=(224 104)  # on its caption
readonly kText3=(244 177)
readonly kStartCutting=(396 140) # chameleonButton3
readonly kQuit=(396 180)         # chameleonButton4

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

fail() {
  echo "e2e: FAIL: $*" >&2
  exit 1
}
step() { echo "e2e: $*"; }

# A display of our own: Xvfb picks a free number and reports it on a descriptor.
start_xvfb() {
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local n
  read -r -t "$kWait" n <&3 || fail "Xvfb did not start within ${kWait}s"
  exec 3<&-
  export DISPLAY=":$n"
}

# --- windows -------------------------------------------------------------------------------
# Prints the id of the visible window whose title is exactly $1, waiting up to kWait seconds.
# (xdotool matches names without regard to case; "info" and "Info" must stay apart.)
find_window() {
  local name=$1 deadline=$((SECONDS + kWait)) id
  while [ "$SECONDS" -lt "$deadline" ]; do
    for id in $(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null || true); do
      if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$name" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

window_or_fail() {
  find_window "$1" || fail "no window titled '$1' appeared within ${kWait}s ($2)"
}

# Waits until window $1 is no longer visible.
wait_gone() {
  local id=$1 what=$2 deadline=$((SECONDS + kWait))
  while [ "$SECONDS" -lt "$deadline" ]; do
    xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$id" || return 0
    sleep 0.1
  done
  fail "$what did not close within ${kWait}s"
}

# Waits until the program shows no window but $1: a dialog's helpers (the file name
# completer's popup, which holds the pointer while it is open) go a moment after the dialog,
# and a click before then would only close them.
wait_only_main() {
  local main=$1 deadline=$((SECONDS + kWait)) shown
  while [ "$SECONDS" -lt "$deadline" ]; do
    shown=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '' 2>/dev/null || true)
    [ "$shown" = "$main" ] && return 0
    sleep 0.05
  done
  fail "windows other than the main window stayed open for ${kWait}s: $shown"
}

# click WINDOW X Y: a left click at client pixel X,Y of WINDOW.
click() {
  xdotool mousemove --window "$1" --sync "$2" "$3"
  xdotool click 1
}

# type_into WINDOW TEXT and key_into WINDOW KEY: focus WINDOW (there is no window manager),
# then type TEXT or press KEY.
type_into() { xdotool windowfocus --sync "$1" type --delay 15 -- "$2"; }
key_into() { xdotool windowfocus --sync "$1" key "$2"; }

# answer_file_dialog TITLE PATH: types PATH into the file dialog titled TITLE and presses Enter.
answer_file_dialog() {
  local dialog
  dialog=$(window_or_fail "$1" "the file dialog")
  type_into "$dialog" "$2"
  key_into "$dialog" Return
  wait_gone "$dialog" "the file dialog '$1'"
  wait_only_main "$main"
}

# dismiss_box TITLE WHY: waits for the message box titled TITLE and presses Enter on it.
dismiss_box() {
  local box
  box=$(window_or_fail "$1" "$2")
  key_into "$box" Return
  wait_gone "$box" "the box '$1'"
  wait_only_main "$main"
}

start_program() {
  "$prog" >"$work/app.log" 2>&1 &
  app_pid=$!
  find_window "$kTitle" >/dev/null || fail "the window '$kTitle' did not appear within ${kWait}s"
}

# Presses "Quit" and expects the program to end with status 0 within kWait seconds.
quit_program() {
  local main=$1 deadline=$((SECONDS + kWait)) status
  click "$main" "${kQuit[@]}"
  while kill -0 "$app_pid" 2>/dev/null && [ "$(ps -o stat= -p "$app_pid" | cut -c1)" != Z ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the program did not end within ${kWait}s of Quit"
    sleep 0.1
  done
  status=0
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status after Quit"
}

# --- the set-up ----------------------------------------------------------------------------
mkdir -p "$work/home/.config" "$work/home/.local/share" "$work/home/.cache" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
export XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

start_xvfb
step "display $DISPLAY"

# --- case 1: a cut ---------------------------------------------------------------------------
source="$work/images/source.ISO"
output="$work/images/output.ISO"
mkdir -p "$work/images"
head -c 1048576 /dev/urandom >"$work/pattern"
truncate -s 5G "$source" # more than 4 GB, sparse
dd if="$work/pattern" of="$source" conv=notrunc status=none
readonly cut_bytes=$(((2295104 - 2294800) * 2048))

start_program
main=$(find_window "$kTitle")
step "window $main is up; browsing to the source"
click "$main" "${kBrowseSource[@]}"
answer_file_dialog "Open Dvd ISO Image" "$source"
step "picking Dvd+R\\RW and -2294800 sectors"
click "$main" "${kOption3[@]}"
click "$main" "${kText3[@]}"
key_into "$main" ctrl+a
type_into "$main" "-2294800"
step "browsing to the output"
click "$main" "${kBrowseOutput[@]}"
answer_file_dialog "Save Dvd ISO Image" "$output"
step "Start Cutting"
click "$main" "${kStartCutting[@]}"
dismiss_box "Info" "the success box after Start Cutting"
[ -f "$output" ] || fail "no output file after the success box"
size=$(stat -c %s "$output")
[ "$size" -eq "$cut_bytes" ] || fail "the output has $size bytes, not $cut_bytes"
cmp "$output" <(head -c "$cut_bytes" "$source") ||
  fail "the output differs from the source's first $cut_bytes bytes"
step "the output holds the source's first $cut_bytes bytes; Quit"
quit_program "$main"

# --- case 2: an error, and the window goes on -------------------------------------------------
start_program
main=$(find_window "$kTitle")
step "window $main is up; typing a source path that names no file"
click "$main" "${kTxtSrc[@]}"
type_into "$main" "$work/images/nothing-here.ISO"
click "$main" "${kTxtDest[@]}"
type_into "$main" "$work/images/output2.ISO"
click "$main" "${kStartCutting[@]}"
dismiss_box "Run-time error" "the error box for a missing source"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended after the error"
step "the error was shown; the window must still answer"
click "$main" "${kTxtSrc[@]}"
key_into "$main" ctrl+a
key_into "$main" BackSpace
click "$main" "${kStartCutting[@]}"
dismiss_box "info" "the refusal box for an empty source path"
[ ! -e "$work/images/output2.ISO" ] || fail "an output was written although the cut failed"
step "the window answered; Quit"
quit_program "$main"

echo "e2e: 2 passed, 0 failed"
