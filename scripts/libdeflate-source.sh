#!/usr/bin/env bash
# Fetches Debian's source of libdeflate, of the version installed natively,
# into build/deps/: the Windows builds compile it with MinGW, as Debian ships
# no MinGW build of it. A private apt configuration under build/apt/ adds the
# deb-src line, so the machine's own sources stay as they are. Idempotent;
# prints the tarball's path.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deps="$here/build/deps"
version="$(dpkg-query -W -f='${Version}' libdeflate-dev 2>/dev/null)" || {
  echo "libdeflate-source: libdeflate-dev is not installed (scripts/setup.sh installs it)" >&2; exit 1; }
upstream="${version#*:}"
upstream="${upstream%-*}"
tarball="$deps/libdeflate_$upstream.orig.tar.gz"
if [ ! -f "$tarball" ]; then
  apt="$here/build/apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$deps"
  echo "deb-src http://deb.debian.org/debian bookworm main" > "$apt/sources.list"
  opts=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o APT::Sandbox::User=root -qq)
  echo "libdeflate-source: fetching Debian's source of libdeflate $version" >&2
  apt-get "${opts[@]}" update >&2
  # apt checks the files against the signed index before it keeps them.
  (cd "$deps" && apt-get "${opts[@]}" source --download-only "libdeflate=$version" >&2)
fi
echo "$tarball"
