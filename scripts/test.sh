#!/usr/bin/env bash
# Runs every test: native first (the skin data, rendering and pak tests a
# second time under the address and undefined-behaviour sanitizers, the pak
# tests a third time under the thread sanitizer), a short fuzzing run of every reader,
# then every Windows test under Wine in Xvfb on the 32-bit build (natively or,
# where the machine runs no 32-bit code, through user-mode QEMU) and on the
# 64-bit build (through the 64-bit loader).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"

echo "== native build and tests"
"$here/scripts/build.sh" native
ctest --test-dir "$here/build/native" --output-on-failure

echo "== skin data, rendering and pak tests under the address and undefined-behaviour sanitizers"
sanitized=(skin_data_tests skin_render_tests skin_extreme_number_tests pak_tests pak_real_tests)
"$here/scripts/build.sh" asan "${sanitized[@]}"
(IFS='|'; ctest --test-dir "$here/build/asan" -R "^(${sanitized[*]})\$" --output-on-failure)

echo "== pak tests under the thread sanitizer (extraction on several threads)"
"$here/scripts/build.sh" tsan pak_tests pak_real_tests
TSAN_OPTIONS="suppressions=$here/scripts/tsan.supp" \
  ctest --test-dir "$here/build/tsan" -R '^(pak_tests|pak_real_tests)$' --output-on-failure

echo "== fuzzing the readers, 20 s each (scripts/fuzz.sh 600 for a longer run)"
"$here/scripts/fuzz.sh" 20

echo "== Windows (i686) build and tests under Wine"
"$here/scripts/build.sh" win32
(
  source "$here/scripts/wine-env.sh"
  echo "== the 32-bit build runs as: $PAKMOLE_WINE_ROUTE"
  ctest --test-dir "$here/build/win32" --output-on-failure
)

echo "== Windows (x86_64) build and tests under 64-bit Wine"
"$here/scripts/build.sh" win64
(
  export PAKMOLE_WINE_ARCH=win64
  source "$here/scripts/wine-env.sh"
  echo "== the 64-bit build runs as: $PAKMOLE_WINE_ROUTE"
  ctest --test-dir "$here/build/win64" --output-on-failure
)
echo "== all tests passed"
