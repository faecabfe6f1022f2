#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Vantrel for Windows and runs it under
# Wine beside a stand-in console window that shows every line Vantrel types.
# Uses the X display in $DISPLAY when there is one; otherwise a private Xvfb
# with Wine's virtual desktop. Returns when Vantrel's window is closed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# shellcheck source=scripts/build-env.sh
source scripts/build-env.sh
vantrel_configure windows-x64 "$vantrel_win64_dir"
cmake --build "$vantrel_win64_dir" --target vantrel standin-console

# A prefix of its own: the virtual-desktop setting below stays in it.
: "${WINEPREFIX:=/tmp/vantrel-run-wine-$(id -u)}"
export WINEPREFIX
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh

standin_pid=""
stop_all() {
    if [ -n "$standin_pid" ]; then
        kill "$standin_pid" 2>/dev/null || true
    fi
    vantrel_stop_wine
}
trap stop_all EXIT

# Without an X server of the user's, every program of the prefix opens in one
# virtual desktop (with title and menu bars) on a private Xvfb.
explorer_key='HKCU\Software\Wine\Explorer'
if [ -n "${DISPLAY:-}" ]; then
    vantrel_prepare_prefix
    "$VANTREL_WINE" reg delete "$explorer_key" /v Desktop /f >/dev/null 2>&1 || true
else
    vantrel_start_display
    vantrel_prepare_prefix
    vantrel_use_virtual_desktop Vantrel
    echo "No DISPLAY set: Vantrel runs in Wine's virtual desktop on the private display $DISPLAY."
    echo "Take a screenshot with:  DISPLAY=$DISPLAY import -window root vantrel.png"
fi

"$VANTREL_WINE" "$vantrel_win64_dir/$vantrel_standin_console_in_build" &
standin_pid=$!
"$VANTREL_WINE" "$vantrel_win64_dir/$vantrel_exe_in_build"
