# Sourced by the scripts that run Windows programs: the project's Wine prefix
# (the 32-bit one; PAKMOLE_WINE_ARCH=win64 picks the 64-bit one),
# a quiet Wine, a display (Xvfb when there is none) and one wineserver kept
# alive, so that each Wine process starts fast.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
case "${PAKMOLE_WINE_ARCH:-win32}" in
  win64)
    export WINEPREFIX="$here/build/wineprefix64"
    # `wine` and `wineboot` are the 64-bit loader's: the 64-bit side never
    # needs 32-bit code to run.
    export PATH="$here/scripts/wine64:$PATH" WINELOADER=/usr/lib/wine/wine64
    PAKMOLE_WINE_ROUTE="64-bit" ;;
  *)
    export WINEPREFIX="$here/build/wineprefix"
    PAKMOLE_WINE_ROUTE="$("$here/scripts/i386.sh" route)" ;;
esac
export PAKMOLE_WINE_ROUTE
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 91 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    PAKMOLE_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    break
  done
fi
# A wineserver already running for this prefix belongs to someone else's run:
# use it, and leave it running afterwards.
PAKMOLE_OWN_WINESERVER=1
pgrep -u "$(id -u)" -x wineserver >/dev/null 2>&1 && PAKMOLE_OWN_WINESERVER=0
wineserver -p >/dev/null 2>&1 || true
# Start Wine's own services now, with their output going nowhere: started by
# the first test they would hold its output open and CTest would wait for them.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
pakmole_wine_cleanup() {
  [ "$PAKMOLE_OWN_WINESERVER" = 1 ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${PAKMOLE_XVFB_PID:-}" ] && kill "$PAKMOLE_XVFB_PID" 2>/dev/null || true
}
trap pakmole_wine_cleanup EXIT
