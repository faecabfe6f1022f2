#!/usr/bin/env bash
# Takes the picture of Vantrel's window that the README shows: the real
# vantrel.exe under Wine, in Wine's virtual desktop on a private Xvfb, with a
# phone in ADB mode attached (a fake USB device).
# Usage: scripts/screenshot.sh [OUTPUT.png]   (default docs/window.png)
set -euo pipefail
cd "$(dirname "$0")/.."
output="${1:-docs/window.png}"

bash scripts/install-deps.sh
# shellcheck source=scripts/build-env.sh
source scripts/build-env.sh
vantrel_configure windows-x64 "$vantrel_win64_dir"
cmake --build "$vantrel_win64_dir" --target vantrel vantrel_e2e

: "${WINEPREFIX:=/tmp/vantrel-picture-wine-$(id -u)}"
export WINEPREFIX
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
# shellcheck source=scripts/window-picture.sh
source scripts/window-picture.sh
trap vantrel_stop_wine EXIT
vantrel_start_display
vantrel_prepare_prefix
vantrel_use_virtual_desktop Default

mkdir -p "$(dirname "$output")"
vantrel_take_window_picture "$vantrel_win64_dir/$vantrel_e2e_driver_in_build" \
    "Z:$(realpath "$vantrel_win64_dir/$vantrel_exe_in_build" | tr / '\\')" "$output"
echo "Saved $output"
