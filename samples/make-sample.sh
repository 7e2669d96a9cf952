#!/usr/bin/env bash
# Regenerates samples/sample.pak with our own pak builder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/build.sh" native samplepak >/dev/null
"$here/build/native/tools/samplepak/samplepak" "$here/samples/sample.pak"
echo "wrote $here/samples/sample.pak"
