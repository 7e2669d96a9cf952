#!/usr/bin/env bash
# Creates the Wine prefixes under build/ once: a 32-bit one (wineprefix) for
# the 32-bit program and a 64-bit one (wineprefix64) for the 64-bit program.
# Usage: scripts/wineprefix.sh [win32|win64] (both when not named)
# Both leave window frames to the program (Decorated = N), so frames painted
# by the program are seen.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

make_prefix() {
  export WINEPREFIX="$1" WINEARCH="$2"
  # The stamp names the settings below: a prefix made with older settings gets them too.
  local stamp="$WINEPREFIX/.pakmole-ready-4"
  # A prefix of the other kind (Wine makes a 64-bit one by itself when a
  # program is run before the set-up) is made again.
  if [ -f "$WINEPREFIX/system.reg" ] && ! grep -q "^#arch=$WINEARCH\$" "$WINEPREFIX/system.reg"; then
    echo "setup: $WINEPREFIX is not a $WINEARCH prefix; making it again" >&2
    rm -rf "$WINEPREFIX"
  fi
  [ -f "$stamp" ] && return 0
  mkdir -p "$WINEPREFIX"
  local running_before=0
  pgrep -u "$(id -u)" -x wineserver >/dev/null 2>&1 && running_before=1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "setup: creating the $WINEARCH Wine prefix in $WINEPREFIX" >&2
    wineboot -i >/dev/null 2>&1
  fi
  # Frames are the program's own (Decorated = N); windows are not handed to a
  # window manager (Managed = N): without one, Wine waits 2 s whenever a managed
  # window is hidden or closed.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # A program that crashes ends at once with its failure, instead of waiting
  # for Wine's debugger (which can hang when it attaches under emulation).
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
  # Wine's own fonts (Tahoma, "MS Sans Serif", Marlett for the caption buttons)
  # come with fonts-wine, but this Wine does not look in their folder: without a
  # copy in the prefix the frame's buttons draw as the letters "0 1 r".
  cp -f /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # Wait until the registry is on disk, unless someone else's server is up (it
  # would not end; it writes the registry itself when it does).
  [ "$running_before" = 1 ] || wineserver -w
  touch "$stamp"
}

# Both, or the one named (win32 or win64).
case "${1:-both}" in
  win32|both) make_prefix "$here/build/wineprefix" win32 ;;
esac
case "${1:-both}" in
  # The 64-bit prefix through the 64-bit loader only (scripts/wine64/).
  win64|both) (export PATH="$here/scripts/wine64:$PATH"; make_prefix "$here/build/wineprefix64" win64) ;;
esac
