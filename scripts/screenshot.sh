#!/usr/bin/env bash
# Starts pakmole.exe under Wine in Xvfb, waits for its window, takes a picture
# of the screen and of the window, and closes the program.
# Usage: scripts/screenshot.sh [build folder]   (default: build/win32)
# Pictures: <build>/screenshots/main-window.png (whole screen),
#           <build>/screenshots/main-window-crop.png (the window),
#           main-window-hot.png (the window, pointer on "Unpack"),
#           unpack-rest.png and unpack-hot.png (the button alone).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build/win32}" && pwd)"
exe="$build/pakmole.exe"
out="$build/screenshots"
[ -f "$exe" ] || { echo "no $exe: build it first" >&2; exit 2; }
mkdir -p "$out"
# PAKMOLE_WINEPREFIX: a prefix of one's own (made like scripts/wineprefix.sh
# makes the shared one), so that a run does not stop the shared wineserver.
[ -n "${PAKMOLE_WINEPREFIX:-}" ] || "$here/scripts/wineprefix.sh"
# shellcheck source=wine-env.sh
source "$here/scripts/wine-env.sh"
if [ -n "${PAKMOLE_WINEPREFIX:-}" ]; then
  export WINEPREFIX="$PAKMOLE_WINEPREFIX"
  wineserver -p >/dev/null 2>&1 || true
fi

title="Pakmole by Tarvel v0.5"
wine "$exe" >/dev/null 2>&1 &
wine_pid=$!

geometry=""
for _ in $(seq 200); do
  geometry="$(xwininfo -root -tree | grep -F "\"$title\"" | head -1 | grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' | head -1 || true)"
  [ -n "$geometry" ] && break
  sleep 0.1
done
if [ -z "$geometry" ]; then
  echo "the window did not appear" >&2
  kill "$wine_pid" 2>/dev/null || true
  exit 1
fi
# Let the first paint and the 500 ms start-up timer pass.
sleep 1.5
xwd -root -silent | convert xwd:- "$out/main-window.png"
convert "$out/main-window.png" -crop "$geometry" +repage "$out/main-window-crop.png"

# The "Unpack" button at rest and hot: the focus goes on to the file edit
# (the button, first in tab order, holds it at start and shows its hot look
# for it), the pointer leaves the window, then rests on the button.
unpack_pictures() {
  local size origin w h x y border caption
  size="${geometry%%+*}"; origin="${geometry#*+}"
  w="${size%x*}"; h="${size#*x}"; x="${origin%%+*}"; y="${origin#*+}"
  border=$(( (w - 459) / 2 )); caption=$(( h - 84 - border ))
  local bx=$(( x + border + 16 )) by=$(( y + caption + 32 ))
  xdotool key Tab
  xdotool mousemove 5 5
  sleep 0.5
  xwd -root -silent | convert xwd:- -crop "433x25+$bx+$by" +repage "$out/unpack-rest.png"
  xdotool mousemove $(( bx + 300 )) $(( by + 12 ))
  sleep 0.5
  xwd -root -silent | convert xwd:- "$out/unpack-hot-screen.png"
  convert "$out/unpack-hot-screen.png" -crop "433x25+$bx+$by" +repage "$out/unpack-hot.png"
  convert "$out/unpack-hot-screen.png" -crop "$geometry" +repage "$out/main-window-hot.png"
  rm -f "$out/unpack-hot-screen.png"
}
unpack_pictures

# Closing the window ends the program (taskkill without /F sends WM_CLOSE).
wine taskkill /IM pakmole.exe >/dev/null 2>&1 || true
for _ in $(seq 50); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.1; done
echo "$out/main-window.png"
echo "$out/main-window-crop.png"
echo "$out/main-window-hot.png"
echo "$out/unpack-rest.png"
echo "$out/unpack-hot.png"
