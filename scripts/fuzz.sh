#!/usr/bin/env bash
# Builds the fuzz targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer and
# runs each for SECONDS (default 60) on a copy of its seed corpus, so that runs never write
# into the repository. Prints each target's executions; exits non-zero on a finding, whose
# input is kept in build/fuzz/findings/.
# Usage: fuzz.sh [SECONDS] [TARGET...]   (targets: the *_fuzz programs in fuzz/)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
((${#targets[@]})) || targets=(reading_file_fuzz batch_json_fuzz batch_csv_fuzz batch_output_fuzz cli_fuzz
                                 chain_fuzz)

bash scripts/install-deps.sh build fuzz
# Assertions stay on (no NDEBUG): they are findings too.
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g" \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTARVEL_FUZZ=ON -DTARVEL_BUILD_GUI=OFF \
  -DTARVEL_BUILD_TESTS=OFF >/dev/null
cmake --build build/fuzz --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=0
for target in "${targets[@]}"; do
  mkdir -p "$work/$target/corpus" "$work/$target/run"
  cp "fuzz/corpus/$target"/* "$work/$target/corpus/"
  # An empty folder to run in: the command-line target may name files relative to it.
  status=0
  (cd "$work/$target/run" &&
    "$root/build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
      ../corpus </dev/null >../log 2>&1) || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target/log")
  if ((status == 0)); then
    echo "$target: ${runs:-?} executions in ${seconds} s, no finding"
  else
    findings=$((findings + 1))
    mkdir -p build/fuzz/findings
    cp "$work/$target/run"/* build/fuzz/findings/ 2>/dev/null || true
    echo "$target: FINDING after ${runs:-?} executions (exit status $status):"
    grep -v '^#' "$work/$target/log" | tail -40
  fi
done
((findings == 0)) || exit 1
