#!/usr/bin/env bash
# Builds the session fuzzer (clang, libFuzzer, ASan + UBSan, UTF-8 texts)
# and runs it for the given seconds (default 60) from the seed corpus in
# fuzz/corpus. A finding is written to the current folder as crash-*,
# leak-* or timeout-* and fails the run.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/setup.sh" clang libclang-rt-14-dev
build=$root/build-fuzz
CXX=clang++ cmake -S "$root" -B "$build" -DDEVMGR_BUILD_FUZZER=ON \
  -DDEVMGR_CONSOLE_CHARSET=UTF-8 -DDEVMGR_SANITIZE=ON \
  -DDEVMGR_BUILD_TESTS=OFF -DDEVMGR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target session_fuzzer
work=$(mktemp -d /tmp/devmgr-fuzz-XXXXXX)
trap 'rm -rf "$work"' EXIT
log=$build/fuzz.log
"$build/fuzz/session_fuzzer" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=4096 -print_final_stats=1 "$work" "$root/fuzz/corpus" \
  >"$log" 2>&1 || { tail -n 60 "$log"; exit 1; }
grep -E 'DONE' "$log" | sed 's/^/fuzz: /' || true
grep -E '^stat::number_of_executed_units' "$log" | sed 's/^/fuzz: /'
