#!/usr/bin/env bash
# Sets up the machine if needed, builds, makes the demo prefix in build/demo-prefix and
# starts the manager in the demo product's folder. Arguments are passed to the manager.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"

"$here/build.sh"
export WINEPREFIX="$root/build/demo-prefix"
export LUMVEK_WINCMD="$root/build/bin/wincmd"
product="$("$here/make-demo-prefix.sh" "$WINEPREFIX" "$root/build")"
echo "Demo prefix: $WINEPREFIX" >&2
echo "Product folder: $product" >&2
cd "$product"
exec ./lumvek.exe "$@"
