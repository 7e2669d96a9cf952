#!/usr/bin/env bash
# pakmole.exe installed in a folder it cannot write (as under Program Files)
# still extracts every entry, compressed ones too, the same files as from a
# folder it can write. Root writes whatever the permission bits say, so the
# folder is a read-only bind mount; where mounting is not allowed the test is
# skipped (exit status 77).
# Usage: readonly-program-folder.sh <pakmole.exe> <a sample pak with compressed entries>
set -uo pipefail
exe="$1"
sample="$2"
work="$(mktemp -d)"
mounted=0
cleanup() {
  [ "$mounted" = 1 ] && umount "$work/installed"
  rm -rf "$work"
}
trap cleanup EXIT
# The pak lies in <run>/Game/Content/Paks/, so that its mount point
# "../../../" leads back to <run>/.
mkdir -p "$work/program" "$work/installed" "$work/writable/Game/Content/Paks" "$work/readonly/Game/Content/Paks"
cp "$exe" "$work/program/pakmole.exe"
if ! mount --bind "$work/program" "$work/installed" 2>/dev/null; then
  echo "cannot bind-mount here: skipped"; exit 77
fi
mounted=1
if ! mount -o remount,ro,bind "$work/installed" 2>/dev/null; then
  echo "cannot make the bind mount read-only here: skipped"; exit 77
fi
if touch "$work/installed/probe" 2>/dev/null; then
  echo "FAILED: the program folder is still writable" >&2; exit 1
fi

# extract <program folder> <game folder>: the exit status of a batch run.
extract() {
  cp "$sample" "$2/Game/Content/Paks/Game.pak"
  local status=0
  (cd "$2" && timeout 120 wine "$1/pakmole.exe" "Z:${2//\//\\}\\Game\\Content\\Paks\\Game.pak" >"$2/out" 2>"$2/err") || status=$?
  return "$status"
}
failed=0
extract "$work/program" "$work/writable" || { echo "FAILED: the run from a writable folder: $(cat "$work/writable/err")" >&2; failed=1; }
extract "$work/installed" "$work/readonly" || { echo "FAILED: the run from the read-only folder: $(cat "$work/readonly/err")" >&2; failed=1; }
[ -f "$work/readonly/Game/Content/Paks/Game.pak_unpacked.bak" ] || { echo "FAILED: the pak was not renamed" >&2; failed=1; }
rm -f "$work/writable/out" "$work/writable/err" "$work/readonly/out" "$work/readonly/err"
if ! diff -r "$work/writable" "$work/readonly" >&2; then
  echo "FAILED: not the same files" >&2; failed=1
fi
compressed="$(find "$work/readonly" -name '*.uasset' | wc -l)"
[ "$compressed" -gt 0 ] || { echo "FAILED: no compressed entry was written" >&2; failed=1; }
[ "$(ls -A "$work/installed")" = "pakmole.exe" ] || { echo "FAILED: the program folder changed" >&2; failed=1; }
[ "$failed" = 0 ] && echo "passed"
exit "$failed"
