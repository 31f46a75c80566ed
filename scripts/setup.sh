#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine, once.
# Usage: scripts/setup.sh [extra Debian packages...]
set -euo pipefail
packages=(cmake g++ make libgtest-dev "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
