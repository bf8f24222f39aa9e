#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: install the Debian packages that are
# missing, then configure and build MeterLog in Release under build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(g++ make cmake pkg-config qtbase5-dev libqcustomplot-dev qttools5-dev qttools5-dev-tools
          qttranslations5-l10n libgsf-1-dev libfreexl-dev poppler-utils
          fonts-liberation fonts-wqy-microhei xdg-utils)

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

missing=()
for p in "${PACKAGES[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "These packages are missing and sudo is not available. As root, run:" >&2
      echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
      exit 1
    fi
    SUDO=(sudo)
  fi
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)"
