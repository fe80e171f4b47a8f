#!/usr/bin/env bash
# The precise sky's data files from outside the program: files in the working folder are never
# read, and a data file that is empty or gives no number is refused, never a chart.
# Usage: ephemeris_files.sh TARVEL_CLI INSTALLED_DATA_FOLDER
set -u
cli=$1
installed=$2/semo_18.se1
planets=$2/sepl_18.se1
chart=(chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E --sky swiss)
batch_line='{"date": "1980-03-05", "time": "14:07", "zone": 34, "lat": "18:58N", "lon": "72:49E"}'
if [ ! -r "$installed" ]; then echo "skipped: no installed $installed"; exit 0; fi
unset SE_EPHE_PATH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# Writes a copy of the installed Moon file into $1 with bytes changed (OFFSET:BYTE in octal),
# beside the planets' file, without which the library would not read the Moon's.
damaged_copy() {
  local folder=$1 change
  shift
  mkdir -p "$folder" && cp "$installed" "$folder/semo_18.se1" && ln -s "$planets" "$folder"
  for change in "$@"; do
    printf "\\${change#*:}" |
      dd of="$folder/semo_18.se1" bs=1 seek="${change%%:*}" conv=notrunc status=none
  done
}

mkdir "$work/clean" && (cd "$work/clean" && "$cli" "${chart[@]}" --json) >"$work/expected" ||
  fail "the chart in a clean folder"
# An empty Moon file, then one with three bytes changed that once overwrote the stack.
mkdir "$work/empty" && : >"$work/empty/semo_18.se1"
damaged_copy "$work/smashing" 197:377 222:200 2094:377
for folder in empty smashing; do
  (cd "$work/$folder" && "$cli" "${chart[@]}" --json) >"$work/got" 2>&1
  cmp -s "$work/expected" "$work/got" || fail "a $folder semo_18.se1 in the working folder"
done

# Under SE_EPHE_PATH: an empty file, and a byte that makes the Moon's longitude no number.
damaged_copy "$work/nan" 265:177
for folder in empty nan; do
  err=$(SE_EPHE_PATH="$work/$folder" "$cli" "${chart[@]}" --json 2>&1 >"$work/got")
  status=$?
  if [ "$status" -ne 1 ] || [ -s "$work/got" ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] ||
     [[ "$err" != "tarvel-cli: the Swiss Ephemeris "* ]]; then
    fail "chart with a $folder file under SE_EPHE_PATH: exit $status, stderr: $err"
  fi
  line=$(SE_EPHE_PATH="$work/$folder" "$cli" batch --sky swiss - <<<"$batch_line")
  [[ "$line" == '{"line":1,"error":"the Swiss Ephemeris '* ]] ||
    fail "batch with a $folder file under SE_EPHE_PATH: $line"
done

if ((failures)); then exit 1; fi
echo "the working folder is never read; empty and damaged data files are refused"
