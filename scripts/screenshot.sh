#!/usr/bin/env bash
# Starts pakmole.exe under Wine in Xvfb, waits for its window, takes a picture
# of the screen and of the window, presses "Unpack" with no file chosen and
# takes the message box it shows, then closes the program.
# Usage: scripts/screenshot.sh [build folder]   (default: build/win32)
# Pictures in <build>/screenshots/: main-window.png and message-box.png (whole
# screen), main-window-crop.png and message-box-crop.png (the window alone),
# main-window-hot.png (the window, pointer on "Unpack"), unpack-rest.png and
# unpack-hot.png (the button alone), frame-minimize-hot.png,
# frame-close-hot.png and frame-close-pressed.png (the window, its title
# buttons under the pointer), edit-focused.png, edit-rest.png, edit-hot.png,
# edit-button-hot.png and edit-button-pressed.png (the file-name edit alone),
# open-dialog.png and error-box.png (the platform's dialogs, skinned).
# system-menu-icon.png and system-menu-keys.png (the window with its system
# menu open, dropped by a click on the icon and by Alt+Space).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build/win32}" && pwd)"
exe="$build/pakmole.exe"
out="$build/screenshots"
[ -f "$exe" ] || { echo "no $exe: build it first" >&2; exit 2; }
# The 64-bit program runs in the 64-bit prefix, through the 64-bit loader.
[ "$(basename "$build")" = win64 ] && export PAKMOLE_WINE_ARCH="${PAKMOLE_WINE_ARCH:-win64}"
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

# The screen as the X server holds it. (xwd -root reads window by window when
# the windows have colormaps of their own, as Wine's do, and here shows a
# window that lies over another one of the program as a black rectangle,
# while the server's framebuffer has it fully painted.)
shoot() { import -window root "$1"; }

# The geometry (WxH+X+Y) of the first window with the title, larger than the
# 1x1 window of the application object that carries the same title.
find_window() {
  xwininfo -root -tree | grep -F "\"$1\"" | grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' \
    | grep -v '^1x1+' | head -1 || true
}
wait_for_window() {
  local geometry=""
  for _ in $(seq 200); do
    geometry="$(find_window "$1")"
    [ -n "$geometry" ] && break
    sleep 0.1
  done
  echo "$geometry"
}
stop_program() {
  # Closing the window ends the program (taskkill without /F sends WM_CLOSE).
  wine taskkill /IM pakmole.exe >/dev/null 2>&1 || true
  for _ in $(seq 50); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$wine_pid" 2>/dev/null || true
}

title="Pakmole by Tarvel v0.5"
wine "$exe" >/dev/null 2>&1 &
wine_pid=$!

geometry="$(wait_for_window "$title")"
if [ -z "$geometry" ]; then
  echo "the window did not appear" >&2
  stop_program
  exit 1
fi
# Let the first paint and the 500 ms start-up timer pass, then take the
# window's place again: it can first show up before it is moved to the
# middle of the screen (seen under the emulated 32-bit Wine).
sleep 1.5
geometry="$(find_window "$title")"
shoot "$out/main-window.png"
convert "$out/main-window.png" -crop "$geometry" +repage "$out/main-window-crop.png"

# The "Unpack" button at rest and hot: the focus goes on to the file edit
# (the button, first in tab order, holds it at start and shows its hot look
# for it), the pointer leaves the window, then rests on the button.
# The screen position of the client area's top-left corner: the client area
# (459 x 84) sits at the bottom of the window, centred across it.
client_origin() {
  local size origin w h x y border
  size="${geometry%%+*}"; origin="${geometry#*+}"
  w="${size%x*}"; h="${size#*x}"; x="${origin%%+*}"; y="${origin#*+}"
  border=$(( (w - 459) / 2 ))
  echo "$(( x + border )) $(( y + h - 84 - border ))"
}
unpack_pictures() {
  local cx cy
  read -r cx cy < <(client_origin)
  local bx=$(( cx + 16 )) by=$(( cy + 32 ))
  xdotool key Tab
  xdotool mousemove 5 5
  sleep 0.5
  shoot "$out/unpack-rest-screen.png"
  convert "$out/unpack-rest-screen.png" -crop "433x25+$bx+$by" +repage "$out/unpack-rest.png"
  xdotool mousemove $(( bx + 300 )) $(( by + 12 ))
  sleep 0.5
  shoot "$out/unpack-hot-screen.png"
  convert "$out/unpack-hot-screen.png" -crop "433x25+$bx+$by" +repage "$out/unpack-hot.png"
  convert "$out/unpack-hot-screen.png" -crop "$geometry" +repage "$out/main-window-hot.png"
  rm -f "$out/unpack-rest-screen.png" "$out/unpack-hot-screen.png"
}
unpack_pictures

# The skinned frame's title buttons: minimize hot, close hot, close held down
# (released off the button, so nothing happens). The buttons lie right to
# left from one pixel inside the frame, 26 pixels wide with 2 between them.
frame_pictures() {
  local size origin w h x y border cy
  size="${geometry%%+*}"; origin="${geometry#*+}"
  w="${size%x*}"; h="${size#*x}"; x="${origin%%+*}"; y="${origin#*+}"
  border=$(( (w - 459) / 2 )); cy=$(( y + 10 ))
  local close_x=$(( x + w - 1 - border - 13 )) min_x=$(( x + w - 1 - border - 26 - 2 - 13 ))
  xdotool mousemove "$min_x" "$cy"
  sleep 0.5
  shoot "$out/frame-screen.png"
  convert "$out/frame-screen.png" -crop "$geometry" +repage "$out/frame-minimize-hot.png"
  xdotool mousemove "$close_x" "$cy"
  sleep 0.5
  shoot "$out/frame-screen.png"
  convert "$out/frame-screen.png" -crop "$geometry" +repage "$out/frame-close-hot.png"
  xdotool mousedown 1
  sleep 0.5
  shoot "$out/frame-screen.png"
  convert "$out/frame-screen.png" -crop "$geometry" +repage "$out/frame-close-pressed.png"
  xdotool mousemove 5 5
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
  rm -f "$out/frame-screen.png"
}
frame_pictures

# The file-name edit (433 x 21 at 16, 8 of the client area) in its looks. The
# Tab above left the focus on it; Shift+Tab gives it back to "Unpack". The
# button is held down and let go off it, so no dialog opens.
edit_pictures() {
  local cx cy
  read -r cx cy < <(client_origin)
  local ex=$(( cx + 16 )) ey=$(( cy + 8 ))
  edit_shot() {
    sleep 0.5
    shoot "$out/edit-screen.png"
    convert "$out/edit-screen.png" -crop "433x21+$ex+$ey" +repage "$out/$1.png"
  }
  xdotool mousemove 5 5
  edit_shot edit-focused
  xdotool key shift+Tab
  edit_shot edit-rest
  xdotool mousemove $(( ex + 150 )) $(( ey + 10 ))
  edit_shot edit-hot
  xdotool mousemove $(( ex + 433 - 11 )) $(( ey + 10 ))
  edit_shot edit-button-hot
  xdotool mousedown 1
  edit_shot edit-button-pressed
  xdotool mousemove 5 5 mouseup 1
  rm -f "$out/edit-screen.png"
}
edit_pictures

# The skinned system menu, dropped from the caption icon (a few pixels in
# from the frame, in the middle of the caption) and by Alt+Space; each
# picture takes the window and the room below it where the menu hangs.
menu_pictures() {
  local size origin w h x y border
  size="${geometry%%+*}"; origin="${geometry#*+}"
  w="${size%x*}"; h="${size#*x}"; x="${origin%%+*}"; y="${origin#*+}"
  border=$(( (w - 459) / 2 ))
  local crop="${w}x$(( h + 160 ))+$x+$y"
  menu_shot() {
    sleep 0.6
    shoot "$out/menu-screen.png"
    convert "$out/menu-screen.png" -crop "$crop" +repage "$out/$1.png"
    xdotool key Escape
    sleep 0.3
  }
  xdotool mousemove $(( x + border + 10 )) $(( y + 10 )) click 1
  xdotool mousemove 5 5
  menu_shot system-menu-icon
  xdotool key alt+space
  menu_shot system-menu-keys
  rm -f "$out/menu-screen.png"
}
menu_pictures

# "Unpack" lies 44 pixels into the client area, across its middle; the
# client area (459 x 84) sits at the bottom of the window, centred across it.
IFS='x+' read -r width height left top <<<"$geometry"
side=$(((width - 459) / 2))
xdotool mousemove $((left + side + 232)) $((top + height - side - 84 + 44)) click 1
box="$(wait_for_window "Pakmole by Tarvel")"
if [ -z "$box" ]; then
  shoot "$out/no-box.png"; echo "no message box after pressing Unpack" >&2
  stop_program
  exit 1
fi
sleep 0.5
shoot "$out/message-box.png"
convert "$out/message-box.png" -crop "$box" +repage "$out/message-box-crop.png"


# The platform's dialogs wearing the skin: the open dialog behind the
# file-name edit's button, then the error box of a pak that cannot be read,
# chosen through that dialog. The box above goes first.
dialog_pictures() {
  local cx cy dialog box folder
  xdotool key Return
  sleep 0.5
  read -r cx cy < <(client_origin)
  xdotool mousemove $(( cx + 16 + 433 - 9 )) $(( cy + 8 + 10 )) click 1
  dialog="$(wait_for_window "Open")"
  [ -n "$dialog" ] || { echo "no open dialog" >&2; return 1; }
  sleep 1
  shoot "$out/dialog-screen.png"
  convert "$out/dialog-screen.png" -crop "$dialog" +repage "$out/open-dialog.png"
  folder="$(mktemp -d)"
  printf 'not a pak file' >"$folder/Broken.pak"
  xdotool type --delay 20 "Z:${folder//\//\\}\\Broken.pak"
  xdotool key Return
  sleep 1
  xdotool mousemove $(( cx + 232 )) $(( cy + 44 )) click 1
  box="$(wait_for_window "Pakmole by Tarvel")"
  [ -n "$box" ] || { rm -rf "$folder"; echo "no error box" >&2; return 1; }
  sleep 0.5
  shoot "$out/dialog-screen.png"
  convert "$out/dialog-screen.png" -crop "$box" +repage "$out/error-box.png"
  xdotool key Return
  rm -rf "$folder" "$out/dialog-screen.png"
}
dialog_pictures || echo "the dialog pictures were not taken" >&2

stop_program
for picture in main-window main-window-crop main-window-hot unpack-rest unpack-hot frame-minimize-hot frame-close-hot \
               frame-close-pressed edit-focused edit-rest edit-hot edit-button-hot edit-button-pressed \
               system-menu-icon system-menu-keys message-box message-box-crop open-dialog error-box; do
  echo "$out/$picture.png"
done
