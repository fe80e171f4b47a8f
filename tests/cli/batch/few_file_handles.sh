#!/usr/bin/env bash
# Run under a small limit on open files (ulimit -n): a batch in the precise sky, with places
# whose zone history the tz database gives, prints the same bytes on 32 workers as on one.
# Usage: few_file_handles.sh TARVEL_CLI
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Lines go to workers 64 at a time: 4,032 lines keep all 32 busy.
for month in $(seq 1 12); do
  for day in $(seq 1 28); do
    for hour in 02 06 10 14 18 22; do
      printf '{"date": "1980-%02d-%02d", "time": "%s:07", "zone": 34, "lat": "18:58N", "lon": "72:49E", "sky": "swiss"}\n' "$month" "$day" "$hour"
      printf '{"date": "1975-%02d-%02d", "time": "%s:30", "place": "London", "sky": "swiss", "node": "true"}\n' "$month" "$day" "$hour"
    done
  done
done >"$work/in.jsonl"
"$cli" batch --jobs 1 "$work/in.jsonl" >"$work/one" 2>"$work/one.err" || { cat "$work/one.err"; exit 1; }
"$cli" batch --jobs 32 "$work/in.jsonl" >"$work/many" 2>"$work/many.err"
if ! cmp -s "$work/one" "$work/many" || [ -s "$work/many.err" ]; then
  echo "FAILED: under ulimit -n $(ulimit -n), --jobs 32 differs from --jobs 1"
  diff "$work/one" "$work/many" | head -5
  cat "$work/many.err"
  exit 1
fi
grep -q '"Ephemeris":"Swiss Ephemeris files"' "$work/one" || { echo "FAILED: not the files"; exit 1; }
echo "under ulimit -n $(ulimit -n), --jobs 32 prints what --jobs 1 prints"
