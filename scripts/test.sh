#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the icon and packaging
# checks, the core's unit tests natively, the 64- and 32-bit Windows builds,
# the Win32 layer's tests and the end-to-end suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== The committed icon is the one assets/make_icon.py draws"
icon=$(mktemp)
python3 assets/make_icon.py "$icon"
cmp "$icon" assets/vantrel.ico
rm -f "$icon"

echo "== Release ZIP file names"
python3 packaging/test_release_zip.py

echo "== Unit tests (native)"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== Windows builds, 64- and 32-bit (MinGW-w64, warnings are errors)"
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86

echo "== Win32 layer tests and end-to-end suite (Wine)"
bash scripts/e2e.sh build/win64
