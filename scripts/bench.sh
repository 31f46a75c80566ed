#!/usr/bin/env bash
# Builds the release program and the benchmarks, then runs the whole-program
# benchmark against the peer tools (bench/run.py) and the micro benchmarks,
# writing the report, raw figures and plot to bench/results/.
# Usage: scripts/bench.sh [--smoke] [bench/run.py options...]
#   --smoke   1,000 records only, results to a temporary folder (CI)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" python3 gnuplot-nox mawk libbenchmark-dev
build=$root/build-bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DDEVMGR_BUILD_BENCH=ON -DDEVMGR_BUILD_TESTS=OFF \
  -DDEVMGR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
if [ "${1:-}" = "--smoke" ]; then
  out=$(mktemp -d /tmp/devmgr-bench-XXXXXX)
  trap 'rm -rf "$out"' EXIT
  /usr/bin/python3 "$root/bench/run.py" --smoke --build "$build" --out "$out" \
    >/dev/null
  "$build/bench/micro_bench" --benchmark_filter='CmpStr|CmpTme|/1000$' \
    --benchmark_min_time=0.01 >/dev/null
  echo "bench: smoke run completed"
  exit 0
fi
out=$root/bench/results
mkdir -p "$out"
/usr/bin/python3 "$root/bench/run.py" --build "$build" --out "$out" "$@"
"$build/bench/micro_bench" --benchmark_out="$out/micro.json" \
  --benchmark_out_format=json | tee "$out/micro.txt"
