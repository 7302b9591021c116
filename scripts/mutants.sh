#!/usr/bin/env bash
# Mutation sample: measures how many deliberate single-point faults the test suite catches.
# Each mutant in scripts/mutants.tsv names an exact code snippet (not a path or a line), so the
# sample keeps working when files are moved or split. For each one the script finds the one
# file under cutting/ button/ mainwindow/ common/ terminal/ that holds the snippet, applies the
# replacement, rebuilds the test programs and the program, runs every test, and puts the file
# back, however the run ends (a trap restores it, Ctrl-C included).
#
# Usage: bash scripts/mutants.sh [-b BUILD_DIR] [-t SECONDS] [-x REGEX] [ID...]
#   -b  build dir, relative to the repository root or absolute (default build-mut); it is
#       configured RelWithDebInfo without -Werror, so a warning is never counted as a kill
#   -t  per-test timeout for ctest (default 120)
#   -x  leave out the tests whose names match REGEX (e.g. the slow e2e|install|deb|example)
#   ID  only these mutants (default: all)
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
table="$root/scripts/mutants.tsv"
build="build-mut"
timeout=120
exclude=()
targets=(cutting_tests button_tests button_widget_tests button_widget_ratio_tests designer_plugin_tests desktop_tests
  chameleonbuttonplugin mainwindow_tests quillmar-dvd)

while getopts "b:t:x:h" opt; do
  case $opt in
    b) build=$OPTARG ;;
    t) timeout=$OPTARG ;;
    x) exclude=(-E "$OPTARG") ;;
    *)
      sed -n '2,15p' "$0"
      exit 2
      ;;
  esac
done
shift $((OPTIND - 1))
[[ $build = /* ]] || build="$root/$build"

# The mutated file's path is written to $logs/mutated before the file is changed, and its
# original to $backup, so that the file is restored on every way out.
logs=$(mktemp -d)
backup="$logs/original"
restore() {
  if [[ -s $logs/mutated ]]; then
    cat "$backup" >"$(cat "$logs/mutated")"
    rm -f "$logs/mutated"
  fi
}
cleanup() {
  restore
  rm -rf "$logs"
}
trap cleanup EXIT
trap 'echo "interrupted: file restored" >&2; exit 130' INT TERM

# apply_mutant ORIGINAL REPLACEMENT: replaces the first occurrence of ORIGINAL in the one code
# file that contains it and prints that file's path relative to the root. Exit 3 when no file
# or more than one occurrence holds it (the message says which).
apply_mutant() {
  python3 - "$root" "$1" "$2" "$backup" "$logs/mutated" <<'EOF'
import pathlib, shutil, sys
root, original, replacement, backup, record = sys.argv[1:6]
hits = []
for folder in ("cutting", "button", "mainwindow", "common", "terminal"):
    for path in sorted((pathlib.Path(root) / folder).rglob("*")):
        if path.suffix in (".cpp", ".h") and path.is_file():
            count = path.read_text(encoding="utf-8").count(original)
            if count:
                hits.append((path, count))
total = sum(count for _, count in hits)
if total != 1:
    where = ", ".join(f"{p.relative_to(root)} x{c}" for p, c in hits) or "no file"
    print(f"{total} occurrences ({where})")
    sys.exit(3)
path = hits[0][0]
shutil.copyfile(path, backup)
pathlib.Path(record).write_text(str(path))
text = path.read_text(encoding="utf-8")
path.write_text(text.replace(original, replacement, 1), encoding="utf-8")
print(path.relative_to(root))
EOF
}

build_all() {
  cmake --build "$build" -j2 --target "${targets[@]}" >"$logs/build.log" 2>&1
}

# run_tests: every test; prints the names of failed tests (nothing when all pass).
run_tests() {
  (cd "$build" && ctest -j2 --timeout "$timeout" "${exclude[@]}" >"$logs/test.log" 2>&1)
  local rc=$?
  if ((rc != 0)); then
    sed -n '/The following tests FAILED:/,$p' "$logs/test.log" |
      sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' | tr '\n' ' '
  fi
  return $rc
}

generator=()
if [[ ! -f $build/CMakeCache.txt ]] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
cmake -S "$root" -B "$build" "${generator[@]}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQDCT_WERROR=OFF -DQDCT_SANITIZE=OFF >"$logs/configure.log" 2>&1 || {
  cat "$logs/configure.log" >&2
  exit 1
}

# The unmutated tree must build and pass, or every mutant would count as killed.
if ! build_all; then
  tail -30 "$logs/build.log" >&2
  echo "the unmutated tree does not build" >&2
  exit 1
fi
if ! failed=$(run_tests); then
  echo "the unmutated tree fails tests: $failed" >&2
  exit 1
fi

# The ids asked for; each is struck off when found, so the rest are reported missing.
declare -A wanted=()
for id in "$@"; do wanted[$id]=1; done
subset=$#

killed=0 survived=0 buildfailed=0 missing=0 total=0
while IFS=$'\t' read -r id original replacement what; do
  [[ -z $id || $id = \#* ]] && continue
  ((subset == 0)) || [[ -n ${wanted[$id]:-} ]] || continue
  unset "wanted[$id]"
  total=$((total + 1))
  if ! file=$(apply_mutant "$original" "$replacement"); then
    missing=$((missing + 1))
    printf '%-13s %-24s %s\n' missing "$id" "$file"
    continue
  fi
  start=$SECONDS
  if ! build_all; then
    result="build-failed"
    detail=$(grep -m1 'error:' "$logs/build.log")
    buildfailed=$((buildfailed + 1))
  elif failed=$(run_tests); then
    result=survived
    detail="($what)"
    survived=$((survived + 1))
  else
    result=killed
    detail="by: ${failed:-ctest failure}"
    killed=$((killed + 1))
  fi
  restore
  printf '%-13s %-24s %-32s %4ss  %s\n' "$result" "$id" "$file" $((SECONDS - start)) "$detail"
done <"$table"

for id in "${!wanted[@]}"; do
  total=$((total + 1))
  missing=$((missing + 1))
  printf '%-13s %-24s %s\n' missing "$id" "no such id in $table"
done

if [[ -n $(git -C "$root" status --porcelain -- cutting button mainwindow common terminal) ]]; then
  echo "warning: the code folders are not clean" >&2
fi
echo "mutants: $killed killed, $survived survived, $buildfailed build-failed, $missing missing of $total"
