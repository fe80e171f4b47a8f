#!/usr/bin/env bash
# The precise sky's data files: those in the working folder are never read; under SE_EPHE_PATH
# an empty one, or one that gives the Moon as no number, is an error and never a chart.
# Usage: ephemeris_files.sh TARVEL_CLI INSTALLED_DATA_FOLDER
set -u
cli=$1 data=$2
chart=(chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E --sky swiss --json)
line='{"date": "1980-03-05", "time": "14:07", "zone": 34, "lat": "18:58N", "lon": "72:49E"}'
unset SE_EPHE_PATH
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT && cd "$work" || exit 1
status=0
# folder NAME [OFFSET:OCTAL_BYTE...]: the installed files, the Moon's with these bytes changed.
folder() {
  mkdir "$1" && ln -s "$data/sepl_18.se1" "$1" && cp "$data/semo_18.se1" "$1" && local name=$1
  shift
  for change in "$@"; do
    printf "\\${change#*:}" |
      dd of="$name/semo_18.se1" bs=1 seek="${change%%:*}" conv=notrunc status=none
  done
}
folder empty && : >empty/semo_18.se1
folder smashing 197:377 222:200 2094:377 # once overwrote the library's stack
folder nan 265:177
"$cli" "${chart[@]}" >expected
for name in empty smashing; do
  (cd $name && "$cli" "${chart[@]}" | cmp -s - ../expected) || { echo "FAILED: ./$name"; status=1; }
done
for name in empty nan; do
  err=$(SE_EPHE_PATH=$PWD/$name "$cli" "${chart[@]}" 2>&1 >out)
  [ $? -eq 1 ] && [ ! -s out ] && [[ $err == "tarvel-cli: the Swiss Ephemeris "* ]] &&
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || { echo "FAILED: chart, $name: $err"; status=1; }
  out=$(SE_EPHE_PATH=$PWD/$name "$cli" batch --sky swiss - <<<"$line")
  [[ $out == '{"line":1,"error":"the Swiss Ephemeris '* ]] ||
    { echo "FAILED: batch, $name"; status=1; }
done
exit $status
