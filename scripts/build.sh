#!/usr/bin/env bash
# Configures and builds one flavour: native | win32 | win64.
# Usage: scripts/build.sh <flavour> [target...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
flavour="${1:?native, win32 or win64}"
shift
dir="$here/build/$flavour"
args=(-S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DPAKMOLE_WERROR="${PAKMOLE_WERROR:-ON}"
      -DPAKMOLE_SKIP="${PAKMOLE_SKIP:-}")
case "$flavour" in
  native) ;;
  win32) args+=(-DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake") ;;
  win64) args+=(-DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-x86_64.cmake") ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
[ -f "$dir/build.ninja" ] || args+=(-G Ninja)
cmake "${args[@]}" >/dev/null
if (($#)); then
  cmake --build "$dir" -- "$@"
else
  cmake --build "$dir"
fi
