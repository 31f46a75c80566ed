#!/usr/bin/env bash
# Cross-builds devmgr.exe with MinGW-w64 and runs every transcript test and
# the process tests against it under wine, headless, in a throw-away wine
# prefix.
# Usage: scripts/windows-test.sh [build folder for the Linux tests]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux_build=${1:-$root/build}
"$root/scripts/setup.sh" g++-mingw-w64-x86-64-posix wine wine64

cmake -S "$root" -B "$root/build-win" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DDEVMGR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$root/build-win" -j"$(nproc)"
[ -f "$linux_build/CMakeCache.txt" ] || cmake -S "$root" -B "$linux_build" >/dev/null
cmake --build "$linux_build" -j"$(nproc)" --target process_tests \
  transcript_tests

prefix=$(mktemp -d /tmp/devmgr-wine-XXXXXX)
export WINEPREFIX=$prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
unset DISPLAY
cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
wineboot -i >/dev/null 2>&1
wineserver -w
wineserver -p  # keep one server up for the whole batch

export DEVMGR_PROGRAM="$root/build-win/devmgr.exe" DEVMGR_LAUNCHER=wine
export DEVMGR_EXPECT_CRLF=1
logs=$(mktemp -d /tmp/devmgr-wine-logs-XXXXXX)
shards=8
# Each return step pauses a real second: run the shards side by side.
status=0
for ((i = 0; i < shards; i++)); do
  GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$i \
    "$linux_build/transcript_tests" >"$logs/shard$i.log" 2>&1 &
done
"$linux_build/process_tests" >"$logs/process.log" 2>&1 || status=1
for job in $(jobs -p); do wait "$job" || status=1; done
passed=0
for log in "$logs"/*.log; do
  if grep -q '^\[  FAILED  \]' "$log"; then cat "$log"; fi
  n=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log")
  passed=$((passed + ${n:-0}))
done
rm -rf "$logs"
echo "windows: $passed cases passed under wine"
exit $status
