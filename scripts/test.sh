#!/usr/bin/env bash
# Runs every test: native first (the skin data and rendering tests a second
# time under the sanitizers), then the Windows tests under Wine in Xvfb, then
# checks that the 64-bit Windows build compiles.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"

echo "== native build and tests"
"$here/scripts/build.sh" native
ctest --test-dir "$here/build/native" --output-on-failure

echo "== skin data and rendering tests under the address and undefined-behaviour sanitizers"
sanitized=(skin_data_tests skin_render_tests skin_extreme_number_tests)
"$here/scripts/build.sh" asan "${sanitized[@]}"
(IFS='|'; ctest --test-dir "$here/build/asan" -R "^(${sanitized[*]})\$" --output-on-failure)

echo "== Windows (i686) build and tests under Wine"
"$here/scripts/build.sh" win32
(
  source "$here/scripts/wine-env.sh"
  ctest --test-dir "$here/build/win32" --output-on-failure
)

echo "== Windows (x86_64) build"
"$here/scripts/build.sh" win64
echo "== all tests passed"
