#!/usr/bin/env bash
# Configures and builds one flavour: native | win32 | win64 | asan (native,
# with the address and undefined-behaviour sanitizers; name its targets) |
# tsan (native, with the thread sanitizer; name its targets) |
# fuzz (clang, the libFuzzer targets under fuzz/ with the same sanitizers).
# Usage: scripts/build.sh <flavour> [target...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
flavour="${1:?native, win32, win64, asan, tsan or fuzz}"
shift
dir="$here/build/$flavour"
args=(-S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DPAKMOLE_WERROR="${PAKMOLE_WERROR:-ON}"
      -DPAKMOLE_SKIP="${PAKMOLE_SKIP:-}")
case "$flavour" in
  native) ;;
  win32) args+=(-DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake") ;;
  win64) args+=(-DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-x86_64.cmake") ;;
  asan)
    # Any undefined arithmetic or bad access stops the test program at once.
    sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    args+=(-DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
           -DCMAKE_C_FLAGS_RELEASE=-O1 -DCMAKE_CXX_FLAGS_RELEASE=-O1) ;;
  tsan)
    # Any data race between the extraction's threads stops the test program.
    sanitize="-fsanitize=thread -g"
    args+=(-DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread"
           -DCMAKE_C_FLAGS_RELEASE=-O1 -DCMAKE_CXX_FLAGS_RELEASE=-O1) ;;
  fuzz)
    # The portable readers only, built for libFuzzer; GoogleTest is left out.
    sanitize="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer -g"
    args+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPAKMOLE_FUZZ=ON
           -DPAKMOLE_SKIP="ui;skin/render;skin/manager;skin/controls;app;cli;tools;bench"
           -DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
           -DCMAKE_C_FLAGS_RELEASE=-O1 -DCMAKE_CXX_FLAGS_RELEASE=-O1) ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
[ -f "$dir/build.ninja" ] || args+=(-G Ninja)
# The shared test data, when it does not lie beside the checkout.
[ -z "${PAKMOLE_SHARED_DIR:-}" ] || args+=(-DPAKMOLE_SHARED_DIR="$PAKMOLE_SHARED_DIR")
case "$flavour" in
  # Debian ships no MinGW build of libdeflate: the build compiles its source.
  win32|win64) args+=(-DPAKMOLE_LIBDEFLATE_SOURCE="$("$here/scripts/libdeflate-source.sh")") ;;
esac
cmake "${args[@]}" >/dev/null
if (($#)); then
  cmake --build "$dir" -- "$@"
else
  cmake --build "$dir"
fi
