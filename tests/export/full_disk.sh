#!/usr/bin/env bash
# Exports onto a small file system with too little room left: each fails with one line on
# stderr and exit status 1, and the file it would have replaced stays as it was. Needs root and
# a private mount namespace; skipped (exit 77) where they are refused.
# Usage: full_disk.sh TARVEL_CLI
set -u
cli=$1
if [ -z "${TARVEL_IN_PRIVATE_MOUNTS:-}" ]; then
  if ! unshare -m true 2>/dev/null; then
    echo "skipped: no private mount namespace (needs root)"
    exit 77
  fi
  TARVEL_IN_PRIVATE_MOUNTS=1 exec unshare -m bash "$0" "$@"
fi
chart=(chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E)
work=$(mktemp -d)
trap 'umount "$work/disk" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/disk"
failures=0

# check OPTION FILE [ARG...]: writes FILE on a 40 KB file system, fills what is left but a
# few KB and writes it again for another name, with the ARGs both times.
check() {
  local option=$1 file=$work/disk/$2 err status
  shift 2
  if ! mount -t tmpfs -o size=40k tmpfs "$work/disk" 2>/dev/null; then
    echo "skipped: tmpfs cannot be mounted here"
    exit 77
  fi
  "$cli" "${chart[@]}" "$@" "$option" "$file" >/dev/null || { echo "FAILED: first $option"; exit 1; }
  cp "$file" "$work/old"
  dd if=/dev/zero of="$work/disk/filler" bs=1k status=none 2>/dev/null
  truncate -s -6k "$work/disk/filler"
  err=$("$cli" "${chart[@]}" --name "Asha Rao of Mumbai" "$@" "$option" "$file" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] ||
     [[ "$err" != "tarvel-cli: cannot write '$file': No space left on device" ]]; then
    echo "FAILED: $option on a full disk: exit $status, stderr: $err"
    failures=$((failures + 1))
  fi
  cmp -s "$work/old" "$file" || { echo "FAILED: $option changed the old file"; failures=$((failures + 1)); }
  umount "$work/disk"
}

check --svg chart.svg
check --png chart.png --size 400
check --pdf chart.pdf
if ((failures)); then exit 1; fi
echo "every export onto a full disk failed with one line and left the old file"
