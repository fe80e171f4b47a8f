#!/usr/bin/env bash
# The README's GNU parallel recipes, blocks of lines numbered on with --first-line, print what
# one process prints, byte for byte: JSON lines, CSV in and out, and one PDF per chart, none
# replaced. Usage: parallel_batch.sh TARVEL_CLI
set -euo pipefail
cli=$1
command -v parallel > /dev/null || { echo "GNU parallel is not installed: skipped"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# 3,500 births from a fixed-seed generator (Park and Miller's, exact in awk's doubles), so the
# last block is a short one; every 97th in a month that does not exist, so that refused lines
# show their numbers.
awk 'function next_int(n) { seed = (seed * 16807) % 2147483647; return seed % n }
BEGIN {
  seed = 20261207
  for (i = 0; i < 3500; i++) {
    printf "{\"date\": \"%04d-%02d-%02d\", \"time\": \"%02d:%02d\", \"zone\": %d, ", \
      1900 + next_int(150), i % 97 == 5 ? 13 : 1 + next_int(12), 1 + next_int(28), next_int(24), \
      next_int(60), next_int(71)
    printf "\"lat\": \"%d:%02d%s\", \"lon\": \"%d:%02d%s\", \"dst\": %s}\n", \
      next_int(90), next_int(60), next_int(2) ? "N" : "S", next_int(180), next_int(60), \
      next_int(2) ? "E" : "W", next_int(2) ? "true" : "false"
  }
}' > "$dir/in.jsonl"
{ echo "date,time,zone,lat,lon,dst"; sed -E 's/"[a-z]+": //g; s/[{}" ]//g' "$dir/in.jsonl"; } \
  > "$dir/in.csv"
head -7 "$dir/in.jsonl" > "$dir/seven.jsonl"

# input | block size | parallel's words | the batch's words
for recipe in "in.jsonl|1000||" "in.jsonl|1000||--output csv" "in.csv|1000|--header :|" \
    "in.csv|700|--header :|--output csv --fields utc_offset" "seven.jsonl|3||--pdf-dir pdfs" \
    "seven.jsonl|3||--pdf-dir pdfs"; do
  IFS='|' read -r input block before after <<< "$recipe"
  cd "$dir"
  # shellcheck disable=SC2086  # each part is a few plain words
  parallel --will-cite --pipe --keep-order -N "$block" $before "$cli" batch --jobs 1 \
    --first-line "{= \$_=(\$job->seq()-1)*$block+1 =}" $after < "$input" > parallel || true
  # shellcheck disable=SC2086
  "$cli" batch --jobs 1 ${after/pdfs/plain-pdfs} "$input" > plain || true
  if [ -d pdfs ]; then
    sums=${sums:-$(md5sum pdfs/*)}
    # The second run finds every name taken: refuses each chart's line, replaces nothing.
    [ "$(ls pdfs)" = "$(ls plain-pdfs)" ] && [ "$(md5sum pdfs/*)" = "$sums" ] || exit 1
    rm -rf plain-pdfs
    [ -n "${again:-}" ] || { again=1; continue; }
    [ "$(grep -c 'exists already: not replaced' parallel)" -eq 6 ] || exit 1
  else
    cmp plain parallel || { echo "$recipe: not the bytes of one process" >&2; exit 1; }
  fi
  echo "$recipe: as one process"
done
