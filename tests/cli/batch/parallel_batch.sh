#!/usr/bin/env bash
# A batch spread by GNU parallel over several processes, blocks of 1000 lines kept in order,
# prints what one process prints, byte for byte. Usage: parallel_batch.sh TARVEL_CLI
set -euo pipefail
cli=$1
command -v parallel > /dev/null || { echo "GNU parallel is not installed: skipped"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# 3,500 births the form accepts, from a fixed-seed generator (Park and Miller's, exact in
# awk's doubles), so the last block is a short one.
awk 'function next_int(n) { seed = (seed * 16807) % 2147483647; return seed % n }
BEGIN {
  seed = 20261207
  for (i = 0; i < 3500; i++) {
    printf "{\"date\": \"%04d-%02d-%02d\", \"time\": \"%02d:%02d\", \"zone\": %d, ", \
      1900 + next_int(150), 1 + next_int(12), 1 + next_int(28), next_int(24), next_int(60), \
      next_int(71)
    printf "\"lat\": \"%d:%02d%s\", \"lon\": \"%d:%02d%s\", \"dst\": %s, \"name\": \"Asha Rao\"}\n", \
      next_int(90), next_int(60), next_int(2) ? "N" : "S", next_int(180), next_int(60), \
      next_int(2) ? "E" : "W", next_int(2) ? "true" : "false"
  }
}' > "$dir/in.jsonl"

"$cli" batch --jobs 1 "$dir/in.jsonl" > "$dir/plain.jsonl"
parallel --will-cite --pipe --keep-order -N 1000 "$cli" batch --jobs 1 \
  < "$dir/in.jsonl" > "$dir/parallel.jsonl"

if grep -q '"error"' "$dir/plain.jsonl"; then
  echo "a line was refused: the blocks would number their errors each from 1" >&2
  exit 1
fi
[ "$(wc -l < "$dir/plain.jsonl")" -eq 3500 ] || { echo "not one line out per line in" >&2; exit 1; }
cmp "$dir/plain.jsonl" "$dir/parallel.jsonl"
echo "3500 lines through GNU parallel: the same bytes"
