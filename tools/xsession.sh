# Shared by the screenshot tool and the end-to-end tests: a private X server
# with a window manager. Source it, then call xsession_start / xsession_stop.

xsession_start() {
    local display_num=${1:-91}
    # Take the first display from there on that no other X server holds.
    while [ -e "/tmp/.X${display_num}-lock" ] || [ -e "/tmp/.X11-unix/X${display_num}" ]; do
        display_num=$((display_num + 1))
    done
    export DISPLAY=":$display_num"
    export QT_QPA_PLATFORM=xcb # a real window, even when the caller runs the rest offscreen
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XSESSION_XVFB=$!
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
    openbox --sm-disable >/dev/null 2>&1 &
    XSESSION_WM=$!
    # The window manager is ready once its check window has stayed set for a moment.
    local stable=0
    for i in $(seq 1 100); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            stable=$((stable + 1))
            [ "$stable" -ge 5 ] && return 0
        else
            stable=0
        fi
        sleep 0.1
    done
    echo "openbox did not start on $DISPLAY" >&2
    return 1
}

xsession_stop() {
    [ -n "${XSESSION_WM:-}" ] && kill "$XSESSION_WM" 2>/dev/null
    [ -n "${XSESSION_XVFB:-}" ] && kill "$XSESSION_XVFB" 2>/dev/null
    wait 2>/dev/null
    return 0
}

# Waits up to $2 seconds (default 10) for a visible window whose name matches $1
# and prints its id.
xsession_wait_window() {
    local name=$1 timeout=${2:-10} id i
    for i in $(seq 1 $((timeout * 10))); do
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
