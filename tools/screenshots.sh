#!/usr/bin/env bash
# Regenerates the screenshots in docs/ from the real program under Xvfb with a
# window manager: `make screenshots` (or tools/screenshots.sh BUILD_DIR).
#   docs/screenshot.png  the main window as it starts
#   docs/popup.png       the "Buffer Enabling" pop-up, pinned
#   docs/menu.png        the Settings menu dropped down, one entry checked
#   docs/panels/*.png    each option group on its own, before and after a choice
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
. tools/xsession.sh
trap xsession_stop EXIT
xsession_start 91

"$build/Settings" >/dev/null 2>&1 &
app=$!
main=$(xsession_wait_window '^Setup$' 15) || { echo "the main window did not appear" >&2; exit 1; }
sleep 1.5 # let the window settle maximised and paint
import -window root docs/screenshot.png
echo "wrote docs/screenshot.png"

# Aim at the Buffer Enabling ring (270, 16, 18 x 33 on the photograph).
shot=$(mktemp --suffix=.png)
import -window root "$shot"
read -r ox oy < <("$build/tools/locate" "$shot" assets/board.jpg 400 300 16 16)
rm -f "$shot"
xdotool mousemove $((ox + 450)) $((oy + 400))
sleep 0.3
xdotool mousemove $((ox + 279)) $((oy + 32))
sleep 0.3
# A click on the ring pins its pop-up.
xdotool click 1
xsession_wait_window '^Buffer Enabling$' 5 >/dev/null || { echo "no pop-up" >&2; exit 1; }
xdotool mousemove $((ox + 450)) $((oy + 400))
sleep 1
import -window root docs/popup.png
echo "wrote docs/popup.png"

xdotool key --window "$main" alt+s
sleep 1
import -window root docs/menu.png
echo "wrote docs/menu.png"
xdotool key Escape
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true

"$build/tools/panelshots" docs/panels | tail -n 1
echo "wrote docs/panels/"
