#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (run as root) and
# creates the Wine prefix once. Idempotent: a second run does nothing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(
  cmake ninja-build g++ zlib1g-dev libdeflate-dev libssl-dev libstb-dev googletest libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  wine wine32:i386 wine64 fonts-wine xvfb x11-apps x11-utils imagemagick xdotool procps time
  # The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
  clang libclang-rt-14-dev
  # Wine's CNG (AES, SHA-1) loads GnuTLS at run time; wine32 only recommends it.
  libgnutls30:i386
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}" >&2
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The 32-bit program needs 32-bit x86 code to run: natively, or emulated where
# the kernel refuses it.
"$here/scripts/i386.sh" ensure
# The Windows builds compile libdeflate from Debian's source of it.
"$here/scripts/libdeflate-source.sh" >/dev/null
"$here/scripts/wineprefix.sh"
