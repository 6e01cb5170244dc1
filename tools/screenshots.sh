#!/usr/bin/env bash
# Regenerates the screenshots in docs/ from the real program under Xvfb with a
# window manager: `make screenshots` (or tools/screenshots.sh BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
. tools/xsession.sh
trap xsession_stop EXIT
xsession_start 91

"$build/Settings" >/dev/null 2>&1 &
app=$!
xsession_wait_window '^Setup$' 15 >/dev/null || { echo "the main window did not appear" >&2; exit 1; }
sleep 1.5 # let the window settle maximised and paint
import -window root docs/screenshot.png
echo "wrote docs/screenshot.png"
kill "$app" 2>/dev/null || true
