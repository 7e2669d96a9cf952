#!/usr/bin/env bash
# Redraws ShadowActive.png and ShadowInactive.png (resources "vlSHDA" and
# "vlSHDI") beside this script. The images are committed; run this only
# after changing ShadowArt.cpp.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -isystem /usr/include/stb "$here/ShadowArt.cpp" -o "$work/shadow_art"
"$work/shadow_art" "$here"
