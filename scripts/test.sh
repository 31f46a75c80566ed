#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
# Usage: scripts/test.sh [build folder] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DDEVMGR_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
# Most of the time goes to the program's real one-second pauses, so run
# more tests at once than there are cores.
ctest --test-dir "$build" -j"$(( $(nproc) * 4 ))" --output-on-failure
