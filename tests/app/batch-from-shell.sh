#!/usr/bin/env bash
# pakmole.exe run by a script from a Linux shell under Wine, the way users run
# it in batch: every run ends by itself, its exit status says what happened,
# and what it has to say reaches the shell's own standard error.
# Usage: batch-from-shell.sh <pakmole.exe> <a sample pak> <a pak of encrypted, compressed entries under a plain index>
set -uo pipefail
exe="$1"
sample="$2"
encrypted="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

# run <case> <wanted status> <text wanted on stderr, "" for none at all> <arguments...>
run() {
  local what="$1" want="$2" text="$3"
  shift 3
  local status=0
  (cd "$work" && timeout 60 wine "$exe" "$@" >"$work/out" 2>"$work/err") || status=$?
  local err
  err="$(cat "$work/err")"
  local ok=1
  [ "$status" = "$want" ] || ok=0
  if [ -z "$text" ]; then [ -z "$err" ] || ok=0; else grep -qF -- "$text" "$work/err" || ok=0; fi
  if [ "$ok" = 1 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    # 124: still running after a minute, waiting for someone to close a box.
    echo "FAILED $what: exit status $status (wanted $want), stderr: [$err]" >&2
  fi
}

run "missing pak" 2 'pakmole: Cannot open file "missing.pak"' missing.pak
run "missing pak, file list" 2 'pakmole: Cannot open file "missing.pak"' -filelist missing.pak
head -c 20 "$sample" >"$work/short.pak"
run "pak cut short" 2 "pakmole: " short.pak
run "pak cut short, file list" 2 "pakmole: " -filelist short.pak
run "refused character" 2 "pakmole: Invalid file name" 'C:\a|b.pak'
mkdir -p "$work/a/b"
cp "$encrypted" "$work/a/b/locked.pak"
run "wrong key for the entries" 2 "pakmole: the key does not open this pak" --aes-key "0x$(printf 'a%.0s' $(seq 64))" 'a\b\locked.pak'
[ -f "$work/a/b/locked.pak" ] && [ -z "$(ls "$work/a" | grep -v '^b$')" ] ||
  { failed=$((failed + 1)); echo "FAILED: a refused key renamed the pak or wrote files" >&2; }
cp "$sample" "$work/whole.pak"
run "file list of a whole pak" 0 "" -filelist whole.pak
[ -f "$work/whole.pak_filelist.txt" ] || { failed=$((failed + 1)); echo "FAILED: no file list written" >&2; }
run "extraction of a whole pak" 0 "" whole.pak
[ -f "$work/whole.pak_unpacked.bak" ] || { failed=$((failed + 1)); echo "FAILED: the pak was not renamed" >&2; }

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
