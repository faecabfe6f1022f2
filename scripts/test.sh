#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the icon and packaging
# checks, the core's unit tests natively, the 64- and 32-bit Windows builds,
# the Win32 layer's tests and the end-to-end suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Everything is logged too, so that the closing line can add up all test runs.
log=$(mktemp)
exec > >(tee "$log") 2>&1
report_total() {
    local status=$?
    # ctest: "100% tests passed, 0 tests failed out of 131"; GoogleTest: "[  PASSED  ] 12 tests."
    # and "[  FAILED  ] 1 test, listed below:".
    awk -v status="$status" '
        /tests passed, [0-9]+ tests? failed out of [0-9]+/ { passed += $NF - $4; failed += $4 }
        /^\[  PASSED  \] [0-9]+ tests?\./ { passed += $4 }
        /^\[  FAILED  \] [0-9]+ tests?, listed below/ { failed += $4 }
        END {
            if (status != 0 && failed == 0) failed = 1
            printf "total: %d passed, %d failed\n", passed, failed
        }' "$log"
    rm -f "$log"
}
trap report_total EXIT

echo "== Source formatting (clang-format)"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

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
