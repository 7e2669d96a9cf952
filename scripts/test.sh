#!/usr/bin/env bash
# Runs every test: native first, then the Windows tests under Wine in Xvfb,
# then checks that the 64-bit Windows build compiles.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"

echo "== native build and tests"
"$here/scripts/build.sh" native
ctest --test-dir "$here/build/native" --output-on-failure

echo "== Windows (i686) build and tests under Wine"
"$here/scripts/build.sh" win32
(
  source "$here/scripts/wine-env.sh"
  ctest --test-dir "$here/build/win32" --output-on-failure
)

echo "== Windows (x86_64) build"
"$here/scripts/build.sh" win64
echo "== all tests passed"
