#!/usr/bin/env bash
# The main job: unpacks a fresh copy of a pak (the bundled sample unless a path
# is given) with the native command line, then prints the extracted tree and
# the pak's file list; then does the same with pakmole.exe in batch mode under
# Wine (in Xvfb when there is no display) and takes a screenshot of its window.
# Usage: scripts/run.sh [pak file]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pak="$(realpath "${1:-$here/samples/sample.pak}")"
name="$(basename "$pak")"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" native pakmole >/dev/null
"$here/scripts/build.sh" win32 pakmole >/dev/null

# A game-like layout, so that the usual mount point "../../../" climbs from
# Content/Paks back to the run folder.
run="$here/build/run/native"
rm -rf "$run"
mkdir -p "$run/Game/Content/Paks"
cp "$pak" "$run/Game/Content/Paks/$name"

echo "== pakmole $name"
status=0
"$here/build/native/pakmole" "$run/Game/Content/Paks/$name" || status=$?
echo "== pakmole -filelist $name"
cp "$pak" "$run/Game/Content/Paks/$name"
"$here/build/native/pakmole" -filelist "$run/Game/Content/Paks/$name"
echo "== extracted tree under $run"
(cd "$run" && find . -path ./Game/Content/Paks -prune -o -type f -printf '%10s  %p\n' | sort -k2)
echo "== $run/Game/Content/Paks/${name}_filelist.txt"
cat "$run/Game/Content/Paks/${name}_filelist.txt"

# The Windows program, batch mode: the same job, no message, the window closes.
win="$here/build/run/win32"
rm -rf "$win"
mkdir -p "$win/Game/Content/Paks"
cp "$pak" "$win/Game/Content/Paks/$name"
winpak="Z:$(echo "$win/Game/Content/Paks/$name" | tr / '\\')"
(
  source "$here/scripts/wine-env.sh"
  echo "== pakmole.exe $winpak (under Wine)"
  code=0
  wine "$here/build/win32/pakmole.exe" "$winpak" >/dev/null 2>&1 || code=$?
  echo "exit code $code (0 all extracted, 1 some entries failed, 2 not read)"
  cp "$pak" "$win/Game/Content/Paks/$name"
  wine "$here/build/win32/pakmole.exe" -filelist "$winpak" >/dev/null 2>&1 || true
  echo "== extracted tree under $win"
  (cd "$win" && find . -path ./Game/Content/Paks -prune -o -type f -printf '%10s  %p\n' | sort -k2)
  if cmp -s "$win/Game/Content/Paks/${name}_filelist.txt" "$run/Game/Content/Paks/${name}_filelist.txt"; then
    echo "== the file list is the same as the command line's"
  else
    echo "== the file lists differ!"
    status=1
  fi
  "$here/scripts/screenshot.sh" "$here/build/win32" | sed 's/^/screenshot: /'
  exit "$status"
) || status=$?
exit "$status"
