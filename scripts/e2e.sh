#!/usr/bin/env bash
# Builds vantrel.exe and its end-to-end driver, then runs under Wine, on a
# private X display and in private Wine prefixes:
#   1. the Win32 layer's own tests,
#   2. the whole end-to-end suite with the Chinese code page (936),
#   3. the typing checks again with a Western code page (1252),
#   4. the window checks again at 144 DPI (a second prefix, LogPixels 144),
#   5. the whole suite against the 32-bit vantrel.exe, where Wine runs
#      32-bit programs (else one line says why it was skipped),
# and saves a screenshot of the window as BUILD_DIR/e2e-window.png.
# Usage: scripts/e2e.sh [BUILD_DIR [BUILD_DIR_32]]
#   BUILD_DIR     a windows-x64 build (default build/win64);
#   BUILD_DIR_32  a windows-x86 build for step 5 (default $VANTREL_E2E_BUILD_DIR_32,
#                 else build/win32; "none" leaves step 5 out).
# Set VANTREL_E2E_NO_BUILD=1 to use the programs already built there.
# WINEPREFIX and VANTREL_E2E_DPI_PREFIX choose the two prefixes.
# The last line sums up the tests of all runs: "e2e: N passed, M failed".
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${1:-build/win64}"
build_dir_32="${2:-${VANTREL_E2E_BUILD_DIR_32:-build/win32}}"
started_at=$(date +%s)
building=true
[ "${VANTREL_E2E_NO_BUILD:-0}" = 1 ] && building=false

if $building; then
    echo "== Building vantrel.exe and the end-to-end driver in $build_dir"
    cmake --preset windows-x64 -B "$build_dir" >/dev/null
    cmake --build "$build_dir" --target vantrel vantrel_e2e vantrel_win32_tests
    if [ "$build_dir_32" != none ]; then
        # Only the probe for now: the 32-bit program is built once it is known to run.
        echo "== Building the 32-bit probe in $build_dir_32"
        cmake --preset windows-x86 -B "$build_dir_32" >/dev/null
        cmake --build "$build_dir_32" --target vantrel_e2e_probe_host
    fi
fi

# Prefixes of their own by default, so that the runs of other scripts do not meet them.
: "${WINEPREFIX:=/tmp/vantrel-e2e-wine-$(id -u)}"
export WINEPREFIX
: "${VANTREL_E2E_DPI_PREFIX:=$WINEPREFIX-dpi144}"
dpi_prefix=$VANTREL_E2E_DPI_PREFIX
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh

work_dir=$(mktemp -d)
cleanup() {
    WINEPREFIX=$dpi_prefix wineserver -k >/dev/null 2>&1 || true
    vantrel_stop_wine
    rm -rf "$work_dir"
}
trap cleanup EXIT

windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }

# The programs are copied first, so that a rebuild meanwhile cannot change them under the run.
cp "$build_dir/src/win32/window/vantrel.exe" "$work_dir/vantrel.exe"
vantrel_exe=$(windows_path "$work_dir/vantrel.exe")
driver="$build_dir/tests/e2e/vantrel_e2e.exe"

# Makes a prefix ready: Wine's virtual desktop, in which everything runs (Wine
# then handles activation itself instead of waiting for a window manager that
# Xvfb lacks, about 2 s after every dialog, and the screenshot shows title and
# menu bars), and the DPI (LogPixels). Both are read when Wine and a program
# start: Wine is started afresh.
prepare_prefix() {
    local prefix=$1 dpi=$2
    (
        export WINEPREFIX=$prefix
        vantrel_prepare_prefix
        "$VANTREL_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
        "$VANTREL_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 \
            /f >/dev/null
        "$VANTREL_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
            /d "$dpi" /f >/dev/null
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w
    )
}

vantrel_start_display
prepare_prefix "$WINEPREFIX" 96
prepare_prefix "$dpi_prefix" 144

failures=0
tests_passed=0
tests_failed=0
# Runs one test program; prints its output without the lines of passing checks
# (failures, suite times and GoogleTest's summary remain) and adds its summary
# to the totals. A run that fails without a summary counts as one failed test.
run() {
    local title=$1 status=0 passed failed
    shift
    echo "== $title"
    timeout 240 "$@" >"$work_dir/run.log" 2>&1 || status=$?
    tr -d '\r' <"$work_dir/run.log" >"$work_dir/run.txt"
    grep -v -e '^\[       OK \]' -e '^\[ RUN      \]' -e '^$' \
        -e '^\[----------\] [0-9]* tests\? from [^ ]*$' "$work_dir/run.txt" || true
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$work_dir/run.txt" | head -1)
    failed=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, .*/\1/p' "$work_dir/run.txt" | head -1)
    if [ "$status" -ne 0 ] && [ -z "$failed" ]; then
        failed=1
    fi
    tests_passed=$((tests_passed + ${passed:-0}))
    tests_failed=$((tests_failed + ${failed:-0}))
    if [ "$status" -ne 0 ]; then
        echo "(exit status $status)"
        failures=$((failures + 1))
    fi
}

run "Win32 layer tests (code page 936)" \
    "$VANTREL_WINE" "$build_dir/tests/win32/vantrel_win32_tests.exe" --gtest_color=no

run "End-to-end suite (zh_CN.UTF-8, code page 936)" \
    "$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" --expect-code-page=936 --expect-dpi=96 \
    --gtest_color=no

run "Typing checks (en_US.UTF-8, code page 1252)" \
    env LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
    "$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" --expect-code-page=1252 \
    --gtest_filter='TypingTest.*' --gtest_color=no

run "Window checks at 144 DPI (LogPixels 144)" \
    env WINEPREFIX="$dpi_prefix" \
    "$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" --expect-dpi=144 \
    --gtest_filter='WindowTest.*:HighDpiTest.*' --gtest_color=no
WINEPREFIX=$dpi_prefix wineserver -k >/dev/null 2>&1 || true

echo "== Screenshot"
ready="$WINEPREFIX/drive_c/e2e-ready"
done_flag="$WINEPREFIX/drive_c/e2e-done"
rm -f "$ready" "$done_flag"
"$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" \
    --pose-for-screenshot='C:\e2e-ready;C:\e2e-done' &
pose_pid=$!
for _ in $(seq 1 300); do
    [ -s "$ready" ] && break
    sleep 0.1
done
if [ -s "$ready" ]; then
    sleep 0.5  # the window is up; give the X server a moment to draw it
    import -window root -crop "$(cat "$ready")" +repage "$build_dir/e2e-window.png"
    echo "saved $build_dir/e2e-window.png"
else
    echo "the window did not come up for the screenshot"
    failures=$((failures + 1))
fi
touch "$done_flag"
wait "$pose_pid" || failures=$((failures + 1))

# Why 32-bit programs do not run here, or nothing when they do: a tiny
# 32-bit program must start under Wine and report its 32-bit pointers.
why_no_32_bit() {
    local probe=$1 status=0 output loader loader_error
    # An English locale, so that Wine's own message reads in any terminal.
    output=$(LANG=C.UTF-8 LC_ALL=C.UTF-8 timeout 60 "$VANTREL_WINE" "$probe" 2>&1) || status=$?
    [ "$status" -eq 32 ] && return
    echo -n "a 32-bit test program exited with status $status under Wine"
    # The usual cause: the kernel runs no 32-bit Linux programs, Wine's 32-bit loader among them.
    loader="$(dirname "$VANTREL_WINE")/wine"
    # shellcheck disable=SC2016 # $0 is the loader, expanded by the inner bash
    if [ -f "$loader" ] && ! loader_error=$(timeout 20 bash -c '"$0" --version' "$loader" 2>&1); then
        echo "; $loader: ${loader_error##*: }"
    else
        echo ": $(echo "$output" | tr -d '\r' | head -1)"
    fi
}

probe_32="$build_dir_32/tests/e2e/probehost.exe"
if [ "$build_dir_32" = none ]; then
    echo "== 32-bit end-to-end run skipped: no 32-bit build asked for"
elif [ ! -f "$probe_32" ]; then
    echo "== 32-bit end-to-end run skipped: $build_dir_32 holds no 32-bit probe" \
        "(build it there: leave VANTREL_E2E_NO_BUILD unset)"
else
    reason=$(why_no_32_bit "$probe_32")
    if [ -n "$reason" ]; then
        echo "== 32-bit end-to-end run skipped: this machine cannot run 32-bit programs ($reason)"
    elif $building && ! {
        echo "== Building the 32-bit vantrel.exe in $build_dir_32"
        cmake --build "$build_dir_32" --target vantrel vantrel_e2e_menuprobe
    }; then
        echo "(the 32-bit build failed)"
        failures=$((failures + 1))
    else
        # The driver stays 64-bit; it hooks the 32-bit program through 32-bit probes.
        mkdir "$work_dir/x86"
        cp "$build_dir_32/src/win32/window/vantrel.exe" "$build_dir_32/tests/e2e/probehost.exe" \
            "$build_dir_32/tests/e2e/menuprobe.dll" "$work_dir/x86/"
        run "End-to-end suite, 32-bit vantrel.exe (zh_CN.UTF-8, code page 936)" \
            "$VANTREL_WINE" "$driver" --vantrel="$(windows_path "$work_dir/x86/vantrel.exe")" \
            --probes-32="$(windows_path "$work_dir/x86")" --expect-code-page=936 --gtest_color=no
    fi
fi

echo "== End-to-end run took $(($(date +%s) - started_at)) s; failed steps: $failures"
echo "e2e: $tests_passed passed, $tests_failed failed"
[ "$failures" -eq 0 ]
