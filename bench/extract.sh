#!/usr/bin/env bash
# Extraction benchmark: one large generated pak (default about 300 MB of
# output), extracted by
#   - the reference: read, inflate every block with zlib in memory, write each
#     entry, on one core (bench/extract/reference_extract.cpp);
#   - the native command line (build/native/pakmole), inflating with
#     libdeflate (what it does) and with zlib (PAKMOLE_INFLATER=zlib);
#   - pakmole.exe in batch mode under Wine, the 32-bit and the 64-bit one,
#     when they have been built (on every core, like the native one per core).
# Prints the best of N runs of each, the ratio to the reference and the peak
# memory (maximum resident set size), then each exe's ratio to the native
# command line on every core.
# The native command line runs on one worker and on one per core.
# Usage: bench/extract.sh [megabytes] [runs] [mixed|small|huge]
# (BENCH_EXE=0 leaves out the exes under Wine, BENCH_EXE=win32 or win64 runs
# only that one, BENCH_NATIVE=0 leaves out the native runs but the reference.)
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

# time_run <label> <command...>: best wall time and its peak memory, kept in
# $results (a line per label), so that runs in subshells count too.
results="$work/results"
: > "$results"
time_run() {
  local label="$1"; shift
  local out="$work/out" best_s="" best_k=""
  for ((i = 0; i < runs; i++)); do
    rm -rf "$out" && mkdir -p "$out/Game/Content/Paks"
    cp --reflink=auto "$pak" "$out/Game/Content/Paks/Big.pak"
    sync
    /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>&1 || { echo "$label failed" >&2; exit 1; }
    read -r seconds kb < "$work/time"
    if [ -z "$best_s" ] || awk "BEGIN{exit !($seconds < $best_s)}"; then
      best_s=$seconds
      best_k=$kb
    fi
  done
  printf '%s\t%s\t%s\n' "$label" "$best_s" "$best_k" >> "$results"
}

big="$work/out/Game/Content/Paks/Big.pak"
time_run reference "$here/build/native/bench/extract/reference_extract" "$big" "$pak.manifest" "$work/out"
if [ "${BENCH_NATIVE:-1}" != 0 ]; then
  time_run "native -j 1 (zlib)" env PAKMOLE_INFLATER=zlib "$here/build/native/pakmole" -j 1 "$big"
  time_run "native -j 1" "$here/build/native/pakmole" -j 1 "$big"
  time_run "native -j $cores (zlib)" env PAKMOLE_INFLATER=zlib "$here/build/native/pakmole" -j "$cores" "$big"
  time_run "native -j $cores" "$here/build/native/pakmole" -j "$cores" "$big"
fi
for arch in win32 win64; do
  case "${BENCH_EXE:-1}" in 0) continue ;; 1|"$arch") ;; *) continue ;; esac
  exe="$here/build/$arch/pakmole.exe"
  [ -x "$exe" ] || continue
  # Its own Wine (prefix, loader, one wineserver kept alive) for each.
  (
    export PAKMOLE_WINE_ARCH=$arch
    source "$here/scripts/wine-env.sh"
    time_run "$arch exe (Wine)" wine "$exe" 'Z:'"${big//\//\\}"
    # The same program writing only the file list: its start, window and
    # close without the extraction.
    time_run "$arch exe -filelist" wine "$exe" -filelist 'Z:'"${big//\//\\}"
  )
done

largest=$(awk '{ if ($3 > m) m = $3 } END { print m }' "$pak.manifest")
printf '\n%s MB generated pak (%s, %s entries), best of %s runs; largest entry %.1f MB\n' "$megabytes" "$shape" \
  "$(wc -l < "$pak.manifest")" "$runs" "$(awk "BEGIN{print $largest/1048576}")"
reference_s=$(awk -F'\t' '$1 == "reference" { print $2 }' "$results")
printf '%-22s %9s %9s %12s\n' "" seconds ratio "peak MB"
while IFS=$'\t' read -r label seconds kb; do
  printf '%-22s %9.2f %9.2f %12.1f\n' "$label" "$seconds" "$(awk "BEGIN{print $seconds / $reference_s}")" \
    "$(awk "BEGIN{print $kb / 1024}")"
done < "$results"

# The exe against the native command line on the same number of workers, as
# a whole and for its extraction alone (its run less its file-list run: Wine's
# start and the window's run-mode timer are in both).
native_s=$(awk -F'\t' -v l="native -j $cores" '$1 == l { print $2 }' "$results")
for arch in win32 win64; do
  exe_s=$(awk -F'\t' -v l="$arch exe (Wine)" '$1 == l { print $2 }' "$results")
  list_s=$(awk -F'\t' -v l="$arch exe -filelist" '$1 == l { print $2 }' "$results")
  [ -n "$native_s" ] && [ -n "$exe_s" ] && [ -n "$list_s" ] || continue
  printf '%s exe against native -j %s: %.2fx; its extraction alone: %.2fx\n' "$arch" "$cores" \
    "$(awk "BEGIN{print $exe_s / $native_s}")" "$(awk "BEGIN{print ($exe_s - $list_s) / $native_s}")"
done
rm -rf "$work/out"
