#!/usr/bin/env bash
# Installs what is missing, builds MeterLog and starts it in its working directory.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cd build/run
exec ../meterlog "$@"
