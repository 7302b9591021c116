#!/usr/bin/env bash
# Builds the program and starts its window. Installs what is missing first.
# Without a display, run it under a virtual one:  xvfb-run -a bash scripts/run.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target quillmar-dvd
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run the window on a virtual display: xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi
exec "$root/build/mainwindow/quillmar-dvd"
