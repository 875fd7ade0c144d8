#!/usr/bin/env bash
# Sets up the machine if needed, builds, makes the demo prefix in build/demo-prefix and
# starts the manager in the demo product's folder. Arguments are passed to the manager.
#
# On a desktop the manager's window opens. Where there is no display (DISPLAY unset) and
# no argument is given, the window is shown on a private X server (Xvfb) instead: a
# screenshot is saved to build/demo-window.png, its path printed, and the window closed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"

"$here/build.sh"
export WINEPREFIX="$root/build/demo-prefix"
export LUMVEK_WINCMD="$root/build/bin/wincmd"
product="$("$here/make-demo-prefix.sh" "$WINEPREFIX" "$root/build")"
echo "Demo prefix: $WINEPREFIX" >&2
echo "Product folder: $product" >&2
cd "$product"

if [ -n "${DISPLAY:-}" ] || [ "$#" -gt 0 ]; then
  exec ./lumvek.exe "$@"
fi

# No display: a private X server, the window on it, and a screenshot.
screenshot="$root/build/demo-window.png"
display_fd_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_fd_file" 2>/dev/null &
xvfb=$!
manager=""
cleanup() {
  if [ -n "$manager" ]; then kill "$manager" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  rm -f "$display_fd_file"
}
trap cleanup EXIT
for _ in $(seq 100); do
  [ -s "$display_fd_file" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$display_fd_file")"
echo "No display: showing the window on Xvfb ($DISPLAY)" >&2

./lumvek.exe &
manager=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Demo Airfield Scenery Manager$' | head -n1)"
sleep 1  # let the window draw
import -window "$window" "$screenshot"
xdotool windowclose "$window"
wait "$manager" || true
manager=""
echo "Screenshot of the manager's window: $screenshot"
