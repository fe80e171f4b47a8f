#!/usr/bin/env bash
# Each export onto a 40 KB file system with a few KB left fails with one line and exit status 1,
# and leaves the file it would have replaced as it was. Needs root for a private tmpfs: exits
# 77 (skipped) where mounting is refused. Usage: full_disk.sh TARVEL_CLI
set -u
cli=$1
chart=(chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E)
if [ -z "${TARVEL_PRIVATE_MOUNTS:-}" ]; then
  unshare -m true 2>/dev/null || { echo "skipped: no private mount namespace"; exit 77; }
  TARVEL_PRIVATE_MOUNTS=1 exec unshare -m bash "$0" "$@"
fi
disk=$(mktemp -d) && trap 'umount "$disk" 2>/dev/null; rm -rf "$disk" "$disk.old"' EXIT
status=0
for export in "--svg a.svg" "--png a.png --size 400" "--pdf a.pdf"; do
  mount -t tmpfs -o size=40k tmpfs "$disk" || { echo "skipped: no tmpfs"; exit 77; }
  set -- $export && file=$disk/$2 && "$cli" "${chart[@]}" "$1" "$file" "${@:3}" >/dev/null
  cp "$file" "$disk.old" && dd if=/dev/zero of="$disk/filler" status=none 2>/dev/null
  truncate -s -6k "$disk/filler"
  err=$("$cli" "${chart[@]}" --name "Asha Rao" "$1" "$file" "${@:3}" 2>&1 >/dev/null)
  [ $? -eq 1 ] && [ "$err" = "tarvel-cli: cannot write '$file': No space left on device" ] &&
    cmp -s "$disk.old" "$file" || { echo "FAILED: $export: $err"; status=1; }
  umount "$disk"
done
exit $status
