#!/usr/bin/env bash
# Builds devmgr and starts it in the current folder. The program speaks GBK;
# in a UTF-8 terminal it runs under luit, which translates both ways.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" luit
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target devmgr >/dev/null
if [ -t 0 ] && [ -t 1 ] && locale charmap 2>/dev/null | grep -qi utf-8; then
  exec luit -encoding GBK -- "$root/build/devmgr"
fi
exec "$root/build/devmgr"
