#!/usr/bin/env bash
# Builds vantrel.exe and its end-to-end driver, then runs under Wine:
#   1. the Win32 layer's own tests,
#   2. the whole end-to-end suite with the Chinese code page (936),
#   3. the typing checks again with a Western code page (1252),
#   4. the window checks again at 144 DPI (a prefix with LogPixels 144),
#   5. the whole suite against the 32-bit vantrel.exe, wherever the machine
#      can run 32-bit programs (elsewhere one line says why it cannot),
# and saves a screenshot of the window as BUILD_DIR/e2e-window.png.
# The runs go on side by side in lanes, each with a Wine prefix, a wineserver
# and an Xvfb of its own, since every check must be alone on its desktop. The
# 144-DPI lane runs step 4, then steps 1 and 3 where the other lanes have not
# taken them yet; the lanes at 96 DPI share out the rest, the suites in parts
# (GoogleTest's sharding), each lane taking the next item of work as it gets free.
# Usage: scripts/e2e.sh [BUILD_DIR [BUILD_DIR_32]]
#   BUILD_DIR     a windows-x64 build (default build/win64);
#   BUILD_DIR_32  a windows-x86 build for step 5 (default $VANTREL_E2E_BUILD_DIR_32,
#                 else build/win32; "none" leaves step 5 out).
#        scripts/e2e.sh --prefixes
#   only makes the Wine prefixes that are missing, and builds and runs nothing.
# Set VANTREL_E2E_NO_BUILD=1 to use the programs already built there.
# VANTREL_E2E_LANES sets the lanes at 96 DPI (default 3: the checks wait on
# Wine's programs about a fifth of the time, so on 2 cores a third lane still
# shortens the run, 54 s to 48 s here, and a fourth hardly). Their prefixes are
# WINEPREFIX, WINEPREFIX-lane2 and so on; the 144-DPI lane's is
# VANTREL_E2E_DPI_PREFIX (default WINEPREFIX-dpi144). They are kept for the
# next run; the others are made as copies of the first, which is quicker.
# The last line sums up the tests of all runs: "e2e: N passed, M failed".
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/build-env.sh
source scripts/build-env.sh

prefixes_only=false
if [ "${1:-}" = --prefixes ]; then
    prefixes_only=true
    shift
fi
build_dir="${1:-$vantrel_win64_dir}"
build_dir_32="${2:-${VANTREL_E2E_BUILD_DIR_32:-$vantrel_win32_dir}}"
lanes="${VANTREL_E2E_LANES:-3}"
started_at=$(date +%s)

# Prefixes of their own by default, so that the runs of other scripts do not meet them.
: "${WINEPREFIX:=/tmp/vantrel-e2e-wine-$(id -u)}"
export WINEPREFIX
: "${VANTREL_E2E_DPI_PREFIX:=$WINEPREFIX-dpi144}"
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
# shellcheck source=scripts/window-picture.sh
source scripts/window-picture.sh

lane_prefix() { # LANE: 1 to $lanes, or dpi
    case "$1" in
        1) echo "$WINEPREFIX" ;;
        dpi) echo "$VANTREL_E2E_DPI_PREFIX" ;;
        *) echo "$WINEPREFIX-lane$1" ;;
    esac
}
mapfile -t all_lanes < <(seq 1 "$lanes")
all_lanes+=(dpi)

work_dir=$(mktemp -d)
lane_pids=()
cleanup() {
    local pid lane xvfb
    for pid in "${lane_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait
    for lane in "${all_lanes[@]}"; do
        WINEPREFIX=$(lane_prefix "$lane") wineserver -k >/dev/null 2>&1 || true
    done
    for xvfb in "$work_dir"/*.xvfb; do
        if [ -f "$xvfb" ]; then kill "$(cat "$xvfb")" 2>/dev/null || true; fi
    done
    rm -rf "$work_dir"
}
trap cleanup EXIT

windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }

# Sets Wine's virtual desktop, in which everything runs (Wine then handles
# activation itself instead of waiting for a window manager that Xvfb lacks,
# about 2 s after every dialog, and the screenshot shows title and menu bars),
# and the DPI (LogPixels). Both are read when Wine and a program start: Wine
# is ended afterwards. A file in the prefix tells that they are set.
settle_prefix() { # DPI
    local settings="desktop 1024x768, $1 DPI" marker="$WINEPREFIX/vantrel-e2e-settings"
    local reg_file
    [ "$(cat "$marker" 2>/dev/null)" = "$settings" ] && return 0
    reg_file="$work_dir/settings-$(basename "$WINEPREFIX").reg"
    cat >"$reg_file" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf %08x "$1")
EOF
    "$VANTREL_WINE" regedit /S "$(windows_path "$reg_file")"
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    echo "$settings" >"$marker"
}

# Makes the first prefix when it is missing, on a display of its own, and the
# others as copies of it, made while nothing runs in it.
make_prefixes() {
    local lane prefix copies=()
    if [ ! -f "$WINEPREFIX/system.reg" ] || vantrel_prefix_lacks_32_bit_side; then
        echo "== Making the Wine prefix $WINEPREFIX"
        (
            vantrel_start_display
            trap vantrel_stop_wine EXIT
            vantrel_prepare_prefix
        )
    fi
    settle_prefix 96
    for lane in "${all_lanes[@]}"; do
        prefix=$(lane_prefix "$lane")
        if [ "$lane" != 1 ] && { [ ! -f "$prefix/system.reg" ] ||
            WINEPREFIX=$prefix vantrel_prefix_lacks_32_bit_side; }; then
            copies+=("$prefix")
        fi
    done
    if [ "${#copies[@]}" -gt 0 ]; then
        echo "== Copying it to ${copies[*]}"
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w
        for prefix in "${copies[@]}"; do
            rm -rf "$prefix"
            cp -a "$WINEPREFIX" "$prefix" &
        done
        wait
    fi
    WINEPREFIX=$VANTREL_E2E_DPI_PREFIX settle_prefix 144
}

if $prefixes_only; then
    make_prefixes
    exit
fi

run_32_bit=false
if [ "$build_dir_32" = none ]; then
    why_no_32_bit="no 32-bit build asked for"
else
    why_no_32_bit=$(vantrel_why_no_32_bit)
    [ -n "$why_no_32_bit" ] || run_32_bit=true
fi

if [ "${VANTREL_E2E_NO_BUILD:-0}" != 1 ]; then
    echo "== Building vantrel.exe and the end-to-end driver in $build_dir"
    vantrel_configure windows-x64 "$build_dir"
    cmake --build "$build_dir" --target vantrel vantrel_e2e vantrel_win32_tests
    if $run_32_bit; then
        echo "== Building the 32-bit vantrel.exe and its probes in $build_dir_32"
        vantrel_configure windows-x86 "$build_dir_32"
        cmake --build "$build_dir_32" --target "${vantrel_win32_e2e_targets[@]}"
    fi
fi

# The programs are copied first, with the files that they need beside them,
# so that a rebuild meanwhile cannot change them under the run. Every lane
# runs copies of its own, which no other lane's wineserver holds open.
use_programs() { # FOLDER
    programs=$1
    vantrel_exe=$(windows_path "$programs/vantrel.exe")
    driver="$programs/e2e/$(basename "$vantrel_e2e_driver_in_build")"
    win32_tests="$programs/win32/$(basename "$vantrel_win32_tests_in_build")"
}
mkdir -p "$work_dir/programs/e2e" "$work_dir/programs/win32"
cp "$build_dir/$vantrel_exe_in_build" "$work_dir/programs/"
cp "$build_dir/$(dirname "$vantrel_e2e_driver_in_build")"/*.{exe,dll,sys} "$work_dir/programs/e2e/"
cp "$build_dir/$(dirname "$vantrel_win32_tests_in_build")"/*.{exe,dll} "$work_dir/programs/win32/"
if $run_32_bit; then
    # The 32-bit program needs the probes and the stand-in devmgr.dll of its
    # own bitness beside it.
    probes_32="$build_dir_32/$vantrel_e2e_probes_in_build"
    mkdir "$work_dir/programs/x86"
    cp "$build_dir_32/$vantrel_exe_in_build" "$probes_32/probehost.exe" \
        "$probes_32/probe.dll" "$probes_32/devmgr.dll" "$work_dir/programs/x86/"
fi
use_programs "$work_dir/programs"

make_prefixes

# The work of the lanes, which they take one item at a time as they get free:
# the 32-bit probe first (the 32-bit parts wait for its answer), the suites in
# parts (four a lane, so that the lanes end about together), the Win32 layer's
# tests and the typing checks with code page 1252 (which the 144-DPI lane
# takes too), the screenshot.
parts=$((4 * lanes))
{
    if $run_32_bit; then
        echo probe
    fi
    for part in $(seq 1 "$parts"); do
        echo "64 $part"
    done
    # Last, as the 144-DPI lane takes them once its own checks are done: they
    # hold at any DPI.
    echo win32
    echo typing-1252
    if $run_32_bit; then
        for part in $(seq 1 "$parts"); do
            echo "32 $part"
        done
    fi
    echo screenshot
} >"$work_dir/work"
$run_32_bit || echo "== 32-bit end-to-end run skipped: $why_no_32_bit"

# Prints the next item of work and takes it off the list; nothing once all are taken.
take_work() {
    # shellcheck disable=SC2016 # $1 is the list, expanded by the inner shell
    flock "$work_dir/work.lock" sh -c 'head -n 1 "$1"; sed -i 1d "$1"' take_work "$work_dir/work"
}

# The same for the first item that is one of the given ones.
take_work_of() { # ITEM...
    # shellcheck disable=SC2016 # $1 is the list, expanded by the inner shell
    flock "$work_dir/work.lock" sh -c '
        list=$1; shift
        for item in "$@"; do
            line=$(grep -n -m 1 -x -F "$item" "$list") || continue
            sed -i "${line%%:*}d" "$list"
            echo "$item"
            exit 0
        done' take_work_of "$work_dir/work" "$@"
}

# Runs one test program. Its output, without the lines of passing checks
# (failures, suite times and GoogleTest's summary remain), is printed once it
# has ended, whole; its counts go to ID.counts: passed, failed, exit status.
run() { # ID TITLE COMMAND...
    local id=$1 title=$2 status=0 begun
    shift 2
    begun=$(date +%s)
    timeout 300 "$@" >"$work_dir/$id.log" 2>&1 || status=$?
    report_run "$id" "$title ($(($(date +%s) - begun)) s)" "$status"
}

# Prints and counts the output in ID.log of a run that ended with STATUS. A
# run that fails without GoogleTest's summary counts as one failed test.
report_run() { # ID TITLE STATUS
    local id=$1 status=$3 passed failed
    tr -d '\r' <"$work_dir/$id.log" >"$work_dir/$id.txt"
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$work_dir/$id.txt" | head -1)
    failed=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, .*/\1/p' "$work_dir/$id.txt" | head -1)
    if [ "$status" -ne 0 ] && [ -z "$failed" ]; then
        failed=1
    fi
    {
        echo "== $2"
        grep -a -v -e '^\[       OK \]' -e '^\[ RUN      \]' -e '^$' \
            -e '^\[----------\] [0-9]* tests\? from [^ ]*$' "$work_dir/$id.txt" || true
        [ "$status" -eq 0 ] || echo "(exit status $status)"
    } >"$work_dir/$id.out"
    flock "$work_dir/print.lock" cat "$work_dir/$id.out"
    echo "${passed:-0} ${failed:-0} $status" >"$work_dir/$id.counts"
}

# A step that is not a test program but can fail: its line, and its status in ID.counts.
report_step() { # ID STATUS LINE
    flock "$work_dir/print.lock" echo "$3"
    echo "0 0 $2" >"$work_dir/$1.counts"
}

run_part() { # BITS PART
    local shard=(env GTEST_TOTAL_SHARDS="$parts" GTEST_SHARD_INDEX=$(($2 - 1)))
    if [ "$1" = 64 ]; then
        run "suite-$2" "End-to-end suite, part $2 of $parts (zh_CN.UTF-8, code page 936)" \
            "${shard[@]}" "$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" \
            --expect-code-page=936 --expect-dpi=96 --gtest_color=no
    elif probe_32_bit_passed; then
        # The driver stays 64-bit; it hooks the 32-bit program through the 32-bit probes.
        run "suite-32-$2" \
            "End-to-end suite, 32-bit vantrel.exe, part $2 of $parts (zh_CN.UTF-8, code page 936)" \
            "${shard[@]}" "$VANTREL_WINE" "$driver" \
            --vantrel="$(windows_path "$programs/x86/vantrel.exe")" \
            --probes-32="$(windows_path "$programs/x86")" --expect-code-page=936 --gtest_color=no
    fi
}

# This machine runs 32-bit programs, so the 32-bit probe must start under Wine
# and exit with the width of its pointers, 32. When it does not, it runs
# again with Wine's error messages on, in English, to tell why.
probe_32_bit() {
    local status=0 messages
    "$VANTREL_WINE" "$programs/x86/probehost.exe" >/dev/null 2>&1 || status=$?
    if [ "$status" -ne 32 ]; then
        {
            echo "the 32-bit probehost.exe exited with status $status under Wine, not 32"
            messages=$(LC_ALL=C WINEDEBUG=err+all,fixme-all timeout 60 \
                "$VANTREL_WINE" "$programs/x86/probehost.exe" 2>&1 | tr -d '\r' | head -20) || true
            if [ -n "$messages" ]; then
                echo "$messages"
            elif [ "$status" -eq 0 ]; then
                # The 64-bit loader hands a 32-bit program to start.exe /exec,
                # which passes on the exit status that Wine knows of it.
                echo "and Wine said nothing: status 0 is what Wine reports for a program" \
                    "that ended without an exit status of its own (it crashed, or was killed)"
            fi
        } >"$work_dir/probe-32.log"
        status=1
    else
        echo "probehost.exe ran as a 32-bit program" >"$work_dir/probe-32.log"
        status=0
    fi
    report_run probe-32 "32-bit programs under Wine" "$status"
}

# Whether the 32-bit suite can run: the probe must have passed.
probe_32_bit_passed() {
    local waited=0
    while [ ! -f "$work_dir/probe-32.counts" ] && [ "$waited" -lt 3000 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    [ "$(cut -d' ' -f3 "$work_dir/probe-32.counts" 2>/dev/null)" = 0 ]
}

# Shows the window alone on the desktop and takes its picture from the display.
screenshot() {
    local status=0
    vantrel_take_window_picture "$driver" "$vantrel_exe" "$build_dir/e2e-window.png" || status=$?
    if [ "$status" -eq 0 ]; then
        report_step screenshot 0 "== Screenshot saved as $build_dir/e2e-window.png"
    else
        report_step screenshot "$status" \
            "== Screenshot: FAILED (exit status $status; the window did not come up or pose)"
    fi
}

# One lane: its runs in its own prefix, on its own display, with a wineserver
# that stays up between them.
lane() { # LANE
    local item bits part
    cp -a "$programs" "$work_dir/lane-$1"
    use_programs "$work_dir/lane-$1"
    WINEPREFIX=$(lane_prefix "$1")
    vantrel_start_display
    echo "$vantrel_xvfb_pid" >"$work_dir/lane-$1.xvfb"
    trap vantrel_stop_wine EXIT
    wineserver -k >/dev/null 2>&1 || true # one that an ended run left behind
    wineserver -p
    local next=take_work
    if [ "$1" = dpi ]; then
        run dpi "Window checks at 144 DPI (LogPixels 144)" \
            "$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" \
            --expect-dpi=144 \
            --gtest_filter='WindowTest.*:HighDpiTest.*' --gtest_color=no
        next="take_work_of win32 typing-1252"
    fi
    while item=$($next) && [ -n "$item" ]; do
        case "$item" in
            probe) probe_32_bit ;;
            win32)
                run win32 "Win32 layer tests (code page 936)" \
                    "$VANTREL_WINE" "$win32_tests" --gtest_color=no
                ;;
            typing-1252)
                run typing-1252 "Typing checks (en_US.UTF-8, code page 1252)" \
                    env LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
                    "$VANTREL_WINE" "$driver" --vantrel="$vantrel_exe" \
                    --expect-code-page=1252 --gtest_filter='TypingTest.*' --gtest_color=no
                ;;
            screenshot) screenshot ;;
            *)
                read -r bits part <<<"$item"
                run_part "$bits" "$part"
                ;;
        esac
    done
}

for lane in "${all_lanes[@]}"; do
    lane "$lane" &
    lane_pids+=($!)
done
for index in "${!lane_pids[@]}"; do
    status=0
    wait "${lane_pids[$index]}" || status=$?
    if [ "$status" -ne 0 ]; then
        report_step "lane-$index" "$status" \
            "== The lane ${all_lanes[$index]} ended early (exit status $status)"
    fi
done
lane_pids=()

tests_passed=0
tests_failed=0
failed_steps=0
for counts in "$work_dir"/*.counts; do
    read -r passed failed status <"$counts"
    tests_passed=$((tests_passed + passed))
    tests_failed=$((tests_failed + failed))
    [ "$status" -eq 0 ] || failed_steps=$((failed_steps + 1))
done
echo "== End-to-end run took $(($(date +%s) - started_at)) s; failed steps: $failed_steps"
echo "e2e: $tests_passed passed, $tests_failed failed"
[ "$failed_steps" -eq 0 ]
