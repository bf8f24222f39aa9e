#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: install the Debian packages that are
# missing, then configure and build MeterLog in Release under build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(g++ make cmake qtbase5-dev libqcustomplot-dev qttools5-dev qttools5-dev-tools
          fonts-liberation)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)"
