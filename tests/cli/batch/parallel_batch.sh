#!/usr/bin/env bash
# The README's GNU parallel recipes, blocks kept in order and numbered with --first-line, print
# what one process prints, byte for byte: JSON lines with refused lines among them, CSV in and
# out with one header, and one PDF per chart, none replaced. Usage: parallel_batch.sh TARVEL_CLI
set -euo pipefail
cli=$1
command -v parallel > /dev/null || { echo "GNU parallel is not installed: skipped"; exit 77; }
export QT_QPA_PLATFORM=offscreen
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Births the form accepts, from a fixed-seed generator (Park and Miller's, exact in awk's
# doubles), every 97th in a month that does not exist; as JSON lines or as CSV with a header.
births() {
  awk -v count="$1" -v csv="$2" 'function next_int(n) { seed = (seed * 16807) % 2147483647; return seed % n }
  BEGIN {
    seed = 20261207
    if (csv) print "date,time,zone,lat,lon,dst"
    for (i = 0; i < count; i++) {
      date = sprintf("%04d-%02d-%02d", 1900 + next_int(150), i % 97 == 5 ? 13 : 1 + next_int(12),
                     1 + next_int(28))
      time = sprintf("%02d:%02d", next_int(24), next_int(60))
      zone = next_int(71)
      lat = sprintf("%d:%02d%s", next_int(90), next_int(60), next_int(2) ? "N" : "S")
      lon = sprintf("%d:%02d%s", next_int(180), next_int(60), next_int(2) ? "E" : "W")
      dst = next_int(2) ? "true" : "false"
      if (csv) printf "%s,%s,%d,%s,%s,%s\n", date, time, zone, lat, lon, dst
      else printf "{\"date\": \"%s\", \"time\": \"%s\", \"zone\": %d, \"lat\": \"%s\", \"lon\": \"%s\", \"dst\": %s}\n", \
        date, time, zone, lat, lon, dst
    }
  }'
}
births 3500 0 > "$dir/in.jsonl"
births 3500 1 > "$dir/in.csv"
births 7 0 > "$dir/seven.jsonl"

# Runs the recipe on INPUT in blocks of BLOCK lines; the words after BLOCK go to parallel
# before the command, those after -- to the batch.
in_parallel() {
  local input=$1 block=$2
  shift 2
  local before=()
  while [ "$1" != -- ]; do before+=("$1"); shift; done
  shift
  parallel --will-cite --pipe --keep-order -N "$block" "${before[@]}" "$cli" batch --jobs 1 \
    --first-line "{= \$_=(\$job->seq()-1)*$block+1 =}" "$@" < "$input"
}

# recipe: input, block size, parallel's words, batch's words
recipes=(
  "in.jsonl|1000||"
  "in.jsonl|1000||--output csv"
  "in.csv|1000|--header :|"
  "in.csv|700|--header :|--output csv --fields name,utc_offset"
)
for recipe in "${recipes[@]}"; do
  IFS='|' read -r input block before after <<< "$recipe"
  # Word splitting is meant: each part is a few plain words.
  # shellcheck disable=SC2086
  "$cli" batch --jobs 1 $after "$dir/$input" > "$dir/plain" || true
  # shellcheck disable=SC2086
  in_parallel "$dir/$input" "$block" $before -- $after > "$dir/parallel" || true
  [ "$(wc -l < "$dir/plain")" -ge 3500 ] || { echo "$recipe: lines are missing" >&2; exit 1; }
  cmp "$dir/plain" "$dir/parallel" || { echo "$recipe: not the bytes of one process" >&2; exit 1; }
  echo "$recipe: the same bytes as one process"
done
# Refused lines are among them, so the blocks' numbering shows.
"$cli" batch --jobs 1 "$dir/in.jsonl" > "$dir/plain" || true
grep -q '"line":3401,' "$dir/plain" || { echo "no line was refused" >&2; exit 1; }

# PDFs: seven births (one refused) in blocks of three, one PDF per chart; run again, every
# chart's line is refused and no PDF is replaced.
in_parallel "$dir/seven.jsonl" 3 -- --pdf-dir "$dir/pdfs" > /dev/null || true
charts=$(grep -vc -- '-13-' "$dir/seven.jsonl")
[ "$(find "$dir/pdfs" -name '*.pdf' -size +0 | wc -l)" -eq "$charts" ] ||
  { echo "not one PDF per chart: $(ls "$dir/pdfs")" >&2; exit 1; }
sums=$(cd "$dir/pdfs" && md5sum -- *.pdf)
in_parallel "$dir/seven.jsonl" 3 -- --pdf-dir "$dir/pdfs" > "$dir/again" || true
[ "$(grep -c 'exists already: not replaced' "$dir/again")" -eq "$charts" ] ||
  { echo "a second run did not refuse every chart's line" >&2; exit 1; }
[ "$(cd "$dir/pdfs" && md5sum -- *.pdf)" = "$sums" ] || { echo "a PDF was replaced" >&2; exit 1; }
echo "7 births in blocks of 3: $charts PDFs, none replaced by a second run"
