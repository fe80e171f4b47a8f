#!/usr/bin/env bash
# Runs tarvel-cli with its standard output on a full device and closed: every command that
# prints must fail with exactly one line on stderr. Usage: unwritable_output.sh TARVEL_CLI
set -u
cli=$1
chart=(chart --date 2000-01-01 --time 12:00 --zone 29 --lat 0:0N --lon 0:0W)
batch_line='{"date": "2000-01-01", "time": "12:00", "zone": 29, "lat": "0:0N", "lon": "0:0W"}'

failures=0
# check NAME SINK ARGS...: SINK is "full" or "closed"; the input is one batch line.
check() {
  local name=$1 sink=$2 err status
  shift 2
  if [ "$sink" = full ]; then
    err=$("$cli" "$@" 2>&1 >/dev/full <<<"$batch_line")
  else
    err=$("$cli" "$@" 2>&1 >&- <<<"$batch_line")
  fi
  status=$?
  if [ "$status" -eq 0 ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] ||
     [ "$err" != "tarvel-cli: could not write the output" ]; then
    echo "FAILED: $name to a $sink output: exit status $status, stderr:"
    printf '%s\n' "$err"
    failures=$((failures + 1))
  fi
}

for sink in full closed; do
  check zones "$sink" zones
  check help "$sink" --help
  check version "$sink" --version
  check "chart help" "$sink" chart --help
  check places "$sink" places Mumb
  check chart "$sink" "${chart[@]}"
  check "chart json" "$sink" "${chart[@]}" --json
  check batch "$sink" batch -
done

# The same commands print normally where they can.
if ! "$cli" "${chart[@]}" >/dev/null; then
  echo "FAILED: chart to /dev/null"
  failures=$((failures + 1))
fi

if ((failures)); then exit 1; fi
echo "every command failed with one line where its output could not be written"
