#!/usr/bin/env bash
# Installs what is missing, builds Tarvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TESTS=OFF >/dev/null
cmake --build build/release
exec build/release/cli/tarvel-cli chart --date 1980-03-05 --time 14:07 --zone 34 \
  --lat 18:58N --lon 72:49E --name "Example Person" --city Mumbai --state Maharashtra \
  --country India "$@"
