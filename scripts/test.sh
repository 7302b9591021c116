#!/usr/bin/env bash
# Builds every target and runs every test twice: once in a plain optimised build, once with
# AddressSanitizer and UndefinedBehaviorSanitizer. Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
jobs=$(nproc)

# build_and_test DIR CMAKE-ARGS...: configure, build warning-free, run the tests.
build_and_test() {
  local dir=$1
  shift
  echo "== $dir =="
  cmake -S "$root" -B "$root/$dir" -DQDCT_WERROR=ON "$@" >/dev/null
  cmake --build "$root/$dir" -j"$jobs"
  (cd "$root/$dir" && ctest --output-on-failure -j"$jobs")
}

build_and_test build -DCMAKE_BUILD_TYPE=RelWithDebInfo

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build_and_test build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQDCT_SANITIZE=ON
