#!/usr/bin/env bash
# Extraction benchmark: one large generated pak (default about 300 MB of
# output), extracted by
#   - the reference: read, inflate every block with zlib in memory, write each
#     entry, on one core (bench/extract/reference_extract.cpp);
#   - the native command line (build/native/pakmole);
#   - pakmole.exe in batch mode under Wine, when it has been built.
# Prints the best of N runs of each, the ratio to the reference and the peak
# memory (maximum resident set size).
# The native command line runs on one worker and on one per core.
# Usage: bench/extract.sh [megabytes] [runs] [mixed|small|huge]
# (BENCH_EXE=0 leaves out the exe under Wine.)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
megabytes="${1:-300}"
runs="${2:-3}"
shape="${3:-mixed}"
cores="$(nproc)"
"$here/scripts/build.sh" native make_big_pak reference_extract pakmole >/dev/null

work="$here/build/bench/extract"
pak="$work/data/Big-$megabytes-$shape.pak"
mkdir -p "$work/data"
if [ ! -f "$pak" ]; then
  echo "generating $pak"
  "$here/build/native/bench/extract/make_big_pak" "$pak" "$pak.manifest" "$megabytes" "$shape"
fi

# time_run <label> <command...>: best wall time and its peak memory.
declare -A best_seconds best_kb
time_run() {
  local label="$1"; shift
  local out="$work/out"
  for ((i = 0; i < runs; i++)); do
    rm -rf "$out" && mkdir -p "$out/Game/Content/Paks"
    cp --reflink=auto "$pak" "$out/Game/Content/Paks/Big.pak"
    sync
    /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>&1 || { echo "$label failed" >&2; exit 1; }
    read -r seconds kb < "$work/time"
    if [ -z "${best_seconds[$label]:-}" ] || awk "BEGIN{exit !($seconds < ${best_seconds[$label]})}"; then
      best_seconds[$label]=$seconds
      best_kb[$label]=$kb
    fi
  done
}

time_run reference "$here/build/native/bench/extract/reference_extract" "$work/out/Game/Content/Paks/Big.pak" "$pak.manifest" "$work/out"
time_run "native -j 1" "$here/build/native/pakmole" -j 1 "$work/out/Game/Content/Paks/Big.pak"
time_run "native -j $cores" "$here/build/native/pakmole" -j "$cores" "$work/out/Game/Content/Paks/Big.pak"
labels=(reference "native -j 1" "native -j $cores")
if [ "${BENCH_EXE:-1}" != 0 ] && [ -x "$here/build/win32/pakmole.exe" ]; then
  source "$here/scripts/wine-env.sh"
  exe="$here/build/win32/pakmole.exe"
  time_run "win32 (Wine)" wine "$exe" 'Z:'"${work//\//\\}"'\out\Game\Content\Paks\Big.pak'
  labels+=("win32 (Wine)")
fi

largest=$(awk '{ if ($3 > m) m = $3 } END { print m }' "$pak.manifest")
printf '\n%s MB generated pak (%s, %s entries), best of %s runs; largest entry %.1f MB\n' "$megabytes" "$shape" \
  "$(wc -l < "$pak.manifest")" "$runs" "$(awk "BEGIN{print $largest/1048576}")"
printf '%-16s %9s %9s %12s\n' "" seconds ratio "peak MB"
for label in "${labels[@]}"; do
  printf '%-16s %9.2f %9.2f %12.1f\n' "$label" "${best_seconds[$label]}" \
    "$(awk "BEGIN{print ${best_seconds[$label]} / ${best_seconds[reference]}}")" \
    "$(awk "BEGIN{print ${best_kb[$label]} / 1024}")"
done
rm -rf "$work/out"
