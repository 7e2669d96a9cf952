#!/usr/bin/env bash
# The main job: unpacks a fresh copy of a pak (the bundled sample unless a path
# is given) with the native command line, then prints the extracted tree and
# the pak's file list.
# Usage: scripts/run.sh [pak file]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pak="$(realpath "${1:-$here/samples/sample.pak}")"
name="$(basename "$pak")"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" native pakmole >/dev/null

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
exit "$status"
