#!/usr/bin/env bash
# Builds the release (scripts/package.sh) and reports its figures:
#   - the size of vantrel.exe, 64- and 32-bit, and the DLLs each imports;
#   - under Wine, in one run of alternating starts (medians): start-up to the
#     window shown, the time from then on to the status bar's first text, and
#     the peak working set at idle, against two yardsticks:
#     bench/bare-form.exe, the same window with the same first USB listing built
#     the most direct way (what our own code costs), and bench/minimal-window.exe
#     (what a window costs at all).
#     The start-up ratios are medians of the ratios within each round, which
#     other work on the machine sways less than the ratio of the medians;
#   - the cost of typing an 80-character line against a bare loop of the same
#     81 posts (bench/typing-bench.exe);
#   - the time of one listing of the USB devices with 20 device nodes present
#     (fakes that bench/usb-fakes.exe makes in the Wine prefix for the run),
#     one-off and with SetupAPI kept loaded (bench/usb-listing.exe).
# Only the 64-bit programs run: Wine here runs no 32-bit programs.
# Usage: scripts/benchmark.sh   (VANTREL_BENCH_RUNS sets the starts a program, default 15)
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=scripts/build-env.sh
source scripts/build-env.sh
runs="${VANTREL_BENCH_RUNS:-15}"

package=$(bash scripts/package.sh | tail -n 1)
release="${package%.zip}"
cmake --build --preset windows-x64 --target bare-form minimal-window startup-probe typing-bench \
    usb-listing usb-fakes >/dev/null
bench="$vantrel_win64_dir/bench"

# DLLs that every Windows from 7 on has in its system folder.
windows_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll psapi.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll "
imports() { # objdump program
    local dlls dll foreign=""
    dlls=$("$1" -p "$2" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
    for dll in $dlls; do
        [[ "$windows_dlls" == *" ${dll,,} "* ]] || foreign+=" $dll"
    done
    if [ -n "$foreign" ]; then
        echo "${dlls}(NOT Windows' own:$foreign)"
    else
        echo "${dlls}(all Windows' own)"
    fi
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
verdict() { awk -v r="$1" -v goal="$2" 'BEGIN { print (r <= goal ? "goal met" : "goal NOT met") }'; }
# Judges A / B itself, not its rounded figure: 1.053 is over 1.05 though it prints as 1.05.
ratio_verdict() { awk -v a="$1" -v b="$2" -v goal="$3" 'BEGIN { print (a <= goal * b ? "goal met" : "goal NOT met") }'; }

: "${WINEPREFIX:=/tmp/vantrel-bench-wine-$(id -u)}"
export WINEPREFIX
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
trap vantrel_stop_wine EXIT
vantrel_start_display
vantrel_prepare_prefix
vantrel_use_virtual_desktop Default
# No auto-start marker: vantrel.exe opens no console.
rm -rf "$WINEPREFIX/drive_c/adb/qd"

windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }
startup=$("$VANTREL_WINE" "$bench/startup-probe.exe" "$runs" \
    "$(windows_path "$release/x64/vantrel.exe")" Vantrel.Form1 \
    "$(windows_path "$bench/bare-form.exe")" Vantrel.BareForm \
    "$(windows_path "$bench/minimal-window.exe")" Vantrel.MinimalWindow)
read -r vantrel_ms vantrel_kib _ vantrel_status_ms bare_ms bare_kib bare_startup_ratio _ \
    minimal_ms minimal_kib minimal_startup_ratio _ <<<"$(echo $startup | tr -d '\r')"
typing=$("$VANTREL_WINE" "$bench/typing-bench.exe")
read -r typed_us posts_us typing_ratio <<<"$(echo $typing | tr -d '\r')"
usb_listing=$("$VANTREL_WINE" "$bench/usb-fakes.exe" "$(windows_path "$bench/usb-listing.exe")")
read -r usb_nodes once_ms once_slowest_ms kept_ms kept_slowest_ms <<<"$(echo $usb_listing | tr -d '\r')"

size_x64=$(stat -c %s "$release/x64/vantrel.exe")
size_x86=$(stat -c %s "$release/x86/vantrel.exe")
bare_memory_ratio=$(ratio "$vantrel_kib" "$bare_kib")
minimal_memory_ratio=$(ratio "$vantrel_kib" "$minimal_kib")

echo
echo "Vantrel benchmark: $(basename "$release"), $("$VANTREL_WINE" --version)"
echo "vantrel.exe x64, stripped:  $size_x64 bytes ($((size_x64 / 1024)) KiB), goal < 220,000 bytes: $(
    verdict "$size_x64" 219999)"
echo "vantrel.exe x86, stripped:  $size_x86 bytes ($((size_x86 / 1024)) KiB)"
echo "DLLs imported, x64:         $(imports x86_64-w64-mingw32-objdump "$release/x64/vantrel.exe")"
echo "DLLs imported, x86:         $(imports i686-w64-mingw32-objdump "$release/x86/vantrel.exe")"
echo "Start-up to window shown (medians of $runs alternating starts):"
echo "  vantrel.exe ${vantrel_ms} ms, bare-form ${bare_ms} ms, minimal-window ${minimal_ms} ms"
# The goals judge the ratio of the medians; the median of the ratios within
# each round, which other work on the machine sways less, stands beside it.
startup_vs_bare=$(ratio "$vantrel_ms" "$bare_ms")
startup_vs_minimal=$(ratio "$vantrel_ms" "$minimal_ms")
echo "  vs bare-form:      ${startup_vs_bare}× (goal ≤ 1.05×: $(ratio_verdict "$vantrel_ms" "$bare_ms" 1.05);" \
    "median of the rounds' ratios ${bare_startup_ratio}×)"
echo "  vs minimal-window: ${startup_vs_minimal}× (goal ≤ 1.2×: $(ratio_verdict "$vantrel_ms" "$minimal_ms" 1.2);" \
    "median of the rounds' ratios ${minimal_startup_ratio}×)"
if [ "$vantrel_status_ms" = - ]; then
    echo "Status bar's first text after the window showed: none within 3 s (goal within 1 s: goal NOT met)"
else
    echo "Status bar's first text after the window showed: ${vantrel_status_ms} ms (goal within 1 s: $(
        verdict "$vantrel_status_ms" 1000))"
fi
echo "Peak working set at idle:"
echo "  vantrel.exe ${vantrel_kib} KiB, bare-form ${bare_kib} KiB, minimal-window ${minimal_kib} KiB"
echo "  vs bare-form:      ${bare_memory_ratio}× (goal ≤ 1.05×: $(ratio_verdict "$vantrel_kib" "$bare_kib" 1.05))"
echo "  vs minimal-window: ${minimal_memory_ratio}×"
echo "Typing an 80-character line: ${typed_us} µs vs ${posts_us} µs for 81 bare posts = ${typing_ratio}× (goal ≤ 1.1×: $(
    verdict "$typing_ratio" 1.1))"
echo "Listing the USB devices, $usb_nodes device nodes (medians, slowest in brackets; goal well under 20 ms):"
echo "  one-off, SetupAPI loaded for it: ${once_ms} ms (${once_slowest_ms} ms)"
echo "  SetupAPI kept loaded:            ${kept_ms} ms (${kept_slowest_ms} ms)"
