#!/usr/bin/env bash
# Sets up the machine if needed, builds, and runs every test. Pass "asan" to build and test
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
preset="${1:-default}"

"$here/build.sh" "$preset"
cd "$here/.."
ctest --preset "$preset" -j "$(nproc)"
