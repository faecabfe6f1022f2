# shellcheck shell=bash
# Sourced by the scripts that take a picture of Vantrel's window: the real
# program under Wine, posed by the end-to-end driver with a phone in ADB mode
# attached (a fake USB device), on the display in $DISPLAY, in Wine's virtual
# desktop. Needs scripts/wine-env.sh sourced first.

# Takes the picture; non-zero when the window did not come up or pose.
vantrel_take_window_picture() { # DRIVER.exe VANTREL_EXE(Windows path) OUTPUT.png
    local ready="$WINEPREFIX/drive_c/picture-ready" done_flag="$WINEPREFIX/drive_c/picture-done"
    local pose status=0
    rm -f "$ready" "$done_flag"
    "$VANTREL_WINE" "$1" --vantrel="$2" --pose-for-screenshot='C:\picture-ready;C:\picture-done' &
    pose=$!
    for _ in $(seq 1 300); do
        [ -s "$ready" ] && break
        sleep 0.1
    done
    if [ -s "$ready" ]; then
        sleep 0.5 # the window is up; give the X server a moment to draw it
        import -window root -crop "$(cat "$ready")" +repage "$3" || status=$?
    else
        status=1
    fi
    touch "$done_flag"
    wait "$pose" || status=$?
    return "$status"
}
