#!/usr/bin/env bash
# Installs what is missing, builds everything under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVEL_SANITIZE=ON -DTARVEL_WERROR=ON
cmake --build build/test
# Widgets and the web engine run without a display in the tests.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure --timeout 120
# A short run of every fuzz target keeps them building and their properties holding; a long
# one goes by hand (scripts/fuzz.sh 600).
bash scripts/fuzz.sh 12
