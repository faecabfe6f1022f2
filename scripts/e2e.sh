#!/usr/bin/env bash
# Builds vantrel.exe and its end-to-end driver, then runs under Wine, on a
# private X display and in a private Wine prefix:
#   1. the Win32 layer's own tests,
#   2. the whole end-to-end suite with the Chinese code page (936),
#   3. the typing checks again with a Western code page (1252),
# and saves a screenshot of the window as BUILD_DIR/e2e-window.png.
# Usage: scripts/e2e.sh [BUILD_DIR]   (default build/win64; a windows-x64 build)
# Set VANTREL_E2E_NO_BUILD=1 to use the programs already built there.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${1:-build/win64}"
started_at=$(date +%s)

if [ "${VANTREL_E2E_NO_BUILD:-0}" != 1 ]; then
    echo "== Building vantrel.exe and the end-to-end driver in $build_dir"
    cmake --preset windows-x64 -B "$build_dir" >/dev/null
    cmake --build "$build_dir" --target vantrel vantrel_e2e vantrel_win32_tests
fi

# A prefix of its own by default, so that the runs of other scripts do not meet it.
: "${WINEPREFIX:=/tmp/vantrel-e2e-wine-$(id -u)}"
export WINEPREFIX
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh

work_dir=$(mktemp -d)
cleanup() {
    vantrel_stop_wine
    rm -rf "$work_dir"
}
trap cleanup EXIT

windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }

# The program is copied first, so that a rebuild meanwhile cannot change it under the run.
cp "$build_dir/src/window/win32/vantrel.exe" "$work_dir/vantrel.exe"
vantrel_exe=$(windows_path "$work_dir/vantrel.exe")
driver="$build_dir/tests/e2e/vantrel_e2e.exe"

vantrel_start_display
vantrel_prepare_prefix
# Everything runs inside Wine's virtual desktop: Wine then handles activation
# itself instead of waiting for a window manager that Xvfb lacks (about 2 s
# after every dialog), and the screenshot shows title and menu bars.
"$VANTREL_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
"$VANTREL_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
# A desktop that is already up keeps its kind: start Wine afresh.
wineserver -k >/dev/null 2>&1 || true
wineserver -w

failures=0
# Runs one test program; prints its output without the lines of passing checks
# (failures, suite times and GoogleTest's summary remain).
run() {
    local title=$1 status=0
    shift
    echo "== $title"
    timeout 240 "$@" >"$work_dir/run.log" 2>&1 || status=$?
    tr -d '\r' <"$work_dir/run.log" | grep -v -e '^\[       OK \]' -e '^\[ RUN      \]' -e '^$' \
        -e '^\[----------\] [0-9]* tests\? from [^ ]*$' || true
    if [ "$status" -ne 0 ]; then
        echo "(exit status $status)"
        failures=$((failures + 1))
    fi
}

run "Win32 layer tests (code page 936)" \
    "$VANTREL_WINE" "$build_dir/tests/win32/vantrel_win32_tests.exe" --gtest_color=no

run "End-to-end suite (zh_CN.UTF-8, code page 936)" \
    "$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" --expect-code-page=936 --gtest_color=no

run "Typing checks (en_US.UTF-8, code page 1252)" \
    env LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
    "$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" --expect-code-page=1252 \
    --gtest_filter='TypingTest.*' --gtest_color=no

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

echo "== End-to-end run took $(($(date +%s) - started_at)) s; failed steps: $failures"
[ "$failures" -eq 0 ]
