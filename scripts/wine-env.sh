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
# The prefix with the project's settings, also for a script run before the
# set-up made it: a prefix Wine makes by itself hands windows to a window
# manager, and without one each closing window waits 2 s.
"$here/scripts/wineprefix.sh" "${PAKMOLE_WINE_ARCH:-win32}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display itself and names it once it takes connections,
  # so two runs started at the same moment never share one.
  PAKMOLE_XVFB_FIFO="$(mktemp -u)"
  mkfifo "$PAKMOLE_XVFB_FIFO"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$PAKMOLE_XVFB_FIFO" >/dev/null 2>&1 &
  PAKMOLE_XVFB_PID=$!
  read -r -t 30 PAKMOLE_XVFB_DISPLAY <"$PAKMOLE_XVFB_FIFO" || true
  rm -f "$PAKMOLE_XVFB_FIFO"
  [ -n "${PAKMOLE_XVFB_DISPLAY:-}" ] || { echo "wine-env: Xvfb did not start" >&2; return 1 2>/dev/null || exit 1; }
  export DISPLAY=":$PAKMOLE_XVFB_DISPLAY"
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
