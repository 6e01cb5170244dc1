#!/usr/bin/env bash
# End to end under a real X server with a window manager, driven by real pointer
# events: hovering the "Buffer Enabling" ring opens its pop-up, moving into the
# pop-up keeps it open after the pointer has left the ring, Done closes it, and
# the Settings menu entry opens it again.
#   x_popup.sh SETTINGS LOCATE SOURCE_DIR
set -u
settings=$1 locate=$2 source_dir=$3
. "$source_dir/tools/xsession.sh"
work=$(mktemp -d)
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    xsession_stop
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    import -window root "$work/failure.png" 2>/dev/null && cp "$work/failure.png" "${TMPDIR:-/tmp}/x_popup-failure.png" &&
        echo "screenshot: ${TMPDIR:-/tmp}/x_popup-failure.png" >&2
    exit 1
}
step() { echo "ok: $*"; }

# Waits up to $2 seconds until no visible window matches $1.
wait_gone() {
    local i
    for i in $(seq 1 $(($2 * 10))); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

xsession_start 93 || fail "no X session"
"$settings" >/dev/null 2>&1 &
app=$!
main=$(xsession_wait_window '^Setup$' 20) || fail "the main window \"Setup\" did not appear"
step "main window $main"

# Find the board photograph on the screen (a patch no ring covers), then aim at
# the Buffer Enabling ring: 270, 16, 18 x 33 on the picture.
origin=
for i in $(seq 1 50); do
    import -window root "$work/shot.png" 2>/dev/null
    origin=$("$locate" "$work/shot.png" "$source_dir/assets/board.jpg" 400 300 16 16 2>/dev/null) && break
    sleep 0.2
done
[ -n "$origin" ] || fail "the board photograph is not on the screen"
read -r ox oy <<<"$origin"
ring_x=$((ox + 270 + 9)) ring_y=$((oy + 16 + 16))
step "board at $ox,$oy; ring at $ring_x,$ring_y"

xdotool mousemove $((ox + 450)) $((oy + 400))
sleep 0.3
xdotool mousemove "$ring_x" "$ring_y"
popup=$(xsession_wait_window '^Buffer Enabling$' 5) || fail "hovering the ring opened no \"Buffer Enabling\" window"
step "hover opened the pop-up $popup"

eval "$(xwininfo -id "$popup" | awk -F: '/Absolute upper-left X/{print "px="$2+0} /Absolute upper-left Y/{print "py="$2+0} /^  Width/{print "pw="$2+0} /^  Height/{print "ph="$2+0}')"
# Move from the ring into the window, then wait: it must stay.
xdotool mousemove $((px + pw / 2)) $((py + 10))
sleep 1
xdotool search --onlyvisible --name '^Buffer Enabling$' >/dev/null || fail "the pop-up closed when the pointer moved into it"
step "the pop-up stays with the pointer inside it"

# Done sits at the bottom right: 58 x 25, 6 from the right, above the 19-pixel status bar.
xdotool mousemove $((px + pw - 6 - 29)) $((py + ph - 19 - 13))
sleep 0.2
xdotool click 1
wait_gone '^Buffer Enabling$' 5 || fail "Done did not close the pop-up"
step "Done closed the pop-up"

# The Settings menu entry opens it again (Alt+S, then B for "&Buffer Enabling").
xdotool mousemove $((ox + 450)) $((oy + 400))
xdotool click 1
sleep 0.3
xdotool key --window "$main" alt+s
sleep 0.5
xdotool key b
xsession_wait_window '^Buffer Enabling$' 5 >/dev/null || fail "the Settings menu entry did not open the pop-up"
step "the Settings menu entry opened it again"
echo "1 passed, 0 failed"
