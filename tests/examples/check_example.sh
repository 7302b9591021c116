#!/usr/bin/env bash
# Installs the build into a scratch prefix, builds the example program against that prefix
# alone (find_package(ChameleonButton)), and checks that buttons of its uic-compiled form look
# exactly like the same form loaded through the library's Designer plugin.
# Usage: check_example.sh BUILD-DIR SOURCE-DIR FORM-REFERENCE-PROGRAM
set -euo pipefail
build=$1 src=$2 reference=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$src/examples/button_form" -B "$tmp/example" -DCMAKE_PREFIX_PATH="$tmp/prefix" \
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF "${launcher[@]}" >/dev/null
grep -qx "ChameleonButton_DIR:PATH=$tmp/prefix/.*" "$tmp/example/CMakeCache.txt" \
  || { echo "the example did not find the package in the scratch prefix"; exit 1; }
cmake --build "$tmp/example" -j2 >/dev/null

export QT_QPA_PLATFORM=offscreen
for button in classicButton ovalButton framedButton doubleButton; do
  "$tmp/example/button_form" --grab "$button" "$tmp/$button.png"
  "$reference" "$src/examples/button_form/button_form.ui" "$button" "$tmp/$button.png"
done
echo "example OK"
