#!/usr/bin/env bash
# Records the output regression test's golden files again from today's program, after a change
# that is meant to move output bytes: review `git diff --text` of the unzipped files before
# committing them (zcat tests/cli/regression/goldens/*.txt.gz).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/test}
cmake --build "$build" --target cli_tests
TARVEL_RECORD_GOLDENS=1 "$build/tests/cli/cli_tests" --gtest_filter='OutputRegressionTest.*'
ls -l tests/cli/regression/goldens
