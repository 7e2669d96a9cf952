#!/usr/bin/env bash
# Creates the Wine prefix under build/ once and leaves window frames to the
# program (Decorated = N), so frames painted by the program are seen.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="$here/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
stamp="$WINEPREFIX/.pakmole-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
echo "setup: creating the Wine prefix in $WINEPREFIX" >&2
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w
touch "$stamp"
