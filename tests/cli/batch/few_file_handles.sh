#!/usr/bin/env bash
# Under a small limit on open files (ulimit -n), a batch in the precise sky, with places whose
# zone history comes from the tz database, prints the same bytes on 32 workers as on one.
# Lines go to workers 64 at a time: 4,032 lines keep all 32 busy. Usage: few_file_handles.sh CLI
set -u
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
birth='{"date": "1980-%02d-%02d", "time": "%s:07", "zone": 34, "lat": "18:58N", "lon": "72:49E"}\n'
place='{"date": "1975-%02d-%02d", "time": "%s:30", "place": "London", "node": "true"}\n'
for month in $(seq 1 12); do for day in $(seq 1 28); do for hour in 02 06 10 14 18 22; do
  printf "$birth$place" "$month" "$day" "$hour" "$month" "$day" "$hour"
done; done; done >"$work/in"
"$1" batch --sky swiss --jobs 1 "$work/in" >"$work/one" 2>&1
"$1" batch --sky swiss --jobs 32 "$work/in" >"$work/many" 2>&1
grep -q '"Ephemeris":"Swiss Ephemeris files"' "$work/one" && cmp "$work/one" "$work/many"
