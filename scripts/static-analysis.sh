#!/usr/bin/env bash
# clang-tidy (the checks in .clang-tidy) and cppcheck over the sources; any
# finding fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" clang clang-tidy cppcheck
build=$root/build-tidy
# clang has no GBK execution charset, so analyse the UTF-8 variant.
CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DDEVMGR_CONSOLE_CHARSET=UTF-8 >/dev/null
run-clang-tidy -quiet -p "$build" "$root/src/" "$root/tests/" "$root/fuzz/" \
  >"$build/clang-tidy.log" 2>&1 || { cat "$build/clang-tidy.log"; exit 1; }
echo "clang-tidy: clean"
cppcheck --enable=warning,performance,portability,style --std=c++20 \
  --language=c++ --library=googletest --inline-suppr --error-exitcode=1 \
  --quiet -I "$root/src" -I "$root/tests" --suppress=missingIncludeSystem \
  --suppress=useStlAlgorithm "$root/src" "$root/tests" "$root/fuzz" "$root/bench"
echo "cppcheck: clean"
