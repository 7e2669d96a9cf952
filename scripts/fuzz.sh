#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) and runs each for the given time.
# Seeds: the sample pak, the small real paks, our hostile inputs and the
# built-in skin. What a run finds is kept under build/fuzz/findings/<target>/
# and makes the script fail; turn each finding into a regression test.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(pak_fuzz skin_package_fuzz skin_options_fuzz)
"$here/scripts/build.sh" fuzz "${targets[@]}" >/dev/null

work="$here/build/fuzz"
seed() {  # seed <target> <file...>: copy the files that exist into the corpus
  local corpus="$work/corpus/$1"; shift
  mkdir -p "$corpus"
  for f in "$@"; do [ -f "$f" ] && cp -f "$f" "$corpus/" || true; done
}
shared="$here/../shared"
seed pak_fuzz "$here/samples/sample.pak" "$shared"/realpaks/v[4578]*.pak "$shared"/realpaks/repak/*.pak "$shared"/realpaks/ue5/*.pak \
  "$shared"/hostile/*.pak
seed skin_package_fuzz "$here/build/skin/Emberline.vlz" "$shared"/hostile/*.vlz
seed skin_options_fuzz "$shared"/hostile/*.Options.dat "$here"/tests/skin/data/*.dat

status=0
for target in "${targets[@]}"; do
  findings="$work/findings/$target"
  mkdir -p "$findings"
  echo "== $target for $seconds s"
  # Up to 2 GB and 10 s per input: a small input must never cost more.
  if ! "$work/fuzz/$target" "$work/corpus/$target" -max_total_time="$seconds" -max_len=131072 -timeout=10 \
      -rss_limit_mb=2048 -malloc_limit_mb=1024 -artifact_prefix="$findings/" -print_final_stats=1 \
      >"$work/$target.log" 2>&1; then
    echo "$target found a problem; see $work/$target.log and $findings/" >&2
    tail -30 "$work/$target.log" >&2
    status=1
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$work/$target.log" | sed 's/^/  /' || true
  grep -E "cov: [0-9]+" -o "$work/$target.log" | tail -1 | sed 's/^/  /' || true
done
exit $status
