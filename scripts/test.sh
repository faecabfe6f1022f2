#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the core's unit tests
# natively, the Windows build, the Win32 layer's tests and the end-to-end
# suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== Unit tests (native)"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== Windows build (MinGW-w64, warnings are errors)"
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64

echo "== Win32 layer tests and end-to-end suite (Wine)"
bash scripts/e2e.sh build/win64
