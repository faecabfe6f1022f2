# shellcheck shell=bash
# Sourced by the scripts that run Windows programs under Wine: a private
# Wine prefix, a private X display, and the Chinese system code page.
# Callers may set VANTREL_WINE_LOCALE (default zh_CN.UTF-8) and WINEPREFIX first.

: "${VANTREL_WINE_LOCALE:=zh_CN.UTF-8}"
export LANG="$VANTREL_WINE_LOCALE" LC_ALL="$VANTREL_WINE_LOCALE"
export WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries or file types written into the
# user's desktop at every start of Wine.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
: "${WINEPREFIX:=/tmp/vantrel-wine-$(id -u)}"
export WINEPREFIX
# The 64-bit loader runs the programs: the "wine" wrapper prefers an installed
# wine32, which fails where the kernel cannot run 32-bit programs. A 32-bit
# program the 64-bit loader hands to start.exe /exec, which starts it with
# wine32's loader, waits for it and passes on its exit status. Every program
# runs with the address-space layout fixed: see scripts/wine-fixed-layout.
if [ -x /usr/lib/wine/wine64 ]; then
    VANTREL_WINE_LOADER=/usr/lib/wine/wine64
else
    VANTREL_WINE_LOADER=wine
fi
VANTREL_WINE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-fixed-layout"
export VANTREL_WINE VANTREL_WINE_LOADER
vantrel_wine32_loader=/usr/lib/wine/wine

vantrel_xvfb_pid=""

# Starts a private Xvfb and sets DISPLAY. Xvfb writes its display number to
# the pipe once it takes connections, and ends at once when another server
# took that number meanwhile: then the next one is tried.
vantrel_start_display() {
    local n ready pipe
    for n in $(seq 90 160); do
        [ -e "/tmp/.X${n}-lock" ] && continue
        exec {pipe}< <(exec Xvfb ":${n}" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
            3>&1 >/dev/null 2>&1)
        vantrel_xvfb_pid=$!
        ready=""
        read -r -t 30 -u "$pipe" ready || true
        exec {pipe}<&-
        if [ "$ready" = "$n" ]; then
            export DISPLAY=":${n}"
            return 0
        fi
        kill "$vantrel_xvfb_pid" 2>/dev/null || true
    done
    vantrel_xvfb_pid=""
    echo "no free X display number" >&2
    return 1
}

# Why Wine cannot run 32-bit programs on this machine, in English whatever the
# locale; nothing when it can. wine32's loader is a 32-bit Linux program
# itself: where the kernel runs none, neither it nor any 32-bit program under
# Wine can start.
vantrel_why_no_32_bit() {
    local error status=0
    if [ ! -e "$vantrel_wine32_loader" ]; then
        echo "wine32 is not installed (no $vantrel_wine32_loader; scripts/install-deps.sh installs wine32:i386)"
        return
    fi
    # shellcheck disable=SC2016 # $0 is the loader, expanded by the inner bash
    error=$(LC_ALL=C bash -c 'exec "$0" --version' "$vantrel_wine32_loader" 2>&1 >/dev/null) ||
        status=$?
    if [ "$status" -eq 0 ]; then
        return
    elif [[ "$error" == *"Exec format error"* ]]; then
        echo "the kernel cannot execute 32-bit programs ($vantrel_wine32_loader, wine32's loader: Exec format error)"
    else
        echo "wine32's loader does not start ($vantrel_wine32_loader --version: exit status $status${error:+, ${error##*: }})"
    fi
}

# A prefix made before wine32 was installed has no 32-bit side, and every
# 32-bit program fails in it ("could not load kernel32.dll, status c0000135").
# Where 32-bit programs cannot run, wineboot cannot make that side either.
vantrel_prefix_lacks_32_bit_side() {
    [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] && [ -z "$(vantrel_why_no_32_bit)" ]
}

# Makes the Wine prefix unless it is there; one that lacks its 32-bit side
# where that side can be made is made afresh.
vantrel_prepare_prefix() {
    if [ -f "$WINEPREFIX/system.reg" ]; then
        vantrel_prefix_lacks_32_bit_side || return 0
        echo "The Wine prefix $WINEPREFIX has no 32-bit side (it was made before wine32): making it afresh"
        wineserver -k >/dev/null 2>&1 || true
        rm -rf "$WINEPREFIX"
    fi
    "$VANTREL_WINE" wineboot -i >/dev/null 2>&1
    wineserver -w
}

# Every program of the prefix opens in one virtual desktop of Wine's, of that
# name: Wine then activates windows itself instead of waiting for a window
# manager that Xvfb lacks, and a picture of the display shows title and menu bars.
vantrel_use_virtual_desktop() { # NAME
    "$VANTREL_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$1" /f >/dev/null
    "$VANTREL_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$1" /d 1024x768 /f \
        >/dev/null
}

# Ends Wine and the display that this script started.
vantrel_stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$vantrel_xvfb_pid" ]; then
        kill "$vantrel_xvfb_pid" 2>/dev/null || true
        wait "$vantrel_xvfb_pid" 2>/dev/null || true
        vantrel_xvfb_pid=""
    fi
}
