# Sourced by the scripts that run Windows programs under Wine: a private
# Wine prefix, a private X display, and the Chinese system code page.
# Callers may set VANTREL_WINE_LOCALE (default zh_CN.UTF-8) and WINEPREFIX first.

: "${VANTREL_WINE_LOCALE:=zh_CN.UTF-8}"
export LANG="$VANTREL_WINE_LOCALE" LC_ALL="$VANTREL_WINE_LOCALE"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
: "${WINEPREFIX:=/tmp/vantrel-wine-$(id -u)}"
export WINEPREFIX
# The 64-bit loader runs the 64-bit programs: the "wine" wrapper prefers an
# installed wine32, which fails where the kernel cannot run 32-bit programs.
if [ -x /usr/lib/wine/wine64 ]; then VANTREL_WINE=/usr/lib/wine/wine64; else VANTREL_WINE=wine; fi
export VANTREL_WINE

vantrel_xvfb_pid=""

# Starts a private Xvfb unless one of ours already runs; sets DISPLAY.
vantrel_start_display() {
    local n
    for n in $(seq 90 120); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            Xvfb ":${n}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            vantrel_xvfb_pid=$!
            export DISPLAY=":${n}"
            for _ in $(seq 1 100); do
                [ -e "/tmp/.X11-unix/X${n}" ] && return 0
                sleep 0.05
            done
            echo "Xvfb did not start on :${n}" >&2
            return 1
        fi
    done
    echo "no free X display number" >&2
    return 1
}

# Creates the Wine prefix once; later calls reuse it.
vantrel_prepare_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$VANTREL_WINE" wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
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
