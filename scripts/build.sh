#!/usr/bin/env bash
# Sets up the machine if needed and builds the project into build/ (or into the folder of
# the CMake preset given as $1: "default" or "asan").
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
preset="${1:-default}"

"$here/setup.sh"
cd "$here/.."
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
