#!/usr/bin/env bash
# Installs the Debian packages Tarvel needs, skipping those already present.
# Usage: install-deps.sh [build|test|run|bench|package|fuzz] ... (several groups may be named)
set -euo pipefail

build=(g++ cmake ninja-build pkg-config libcli11-dev nlohmann-json3-dev qt6-base-dev
       qt6-svg-dev qt6-webengine-dev libswe-dev swe-basic-data libgeonames-dev
       libhowardhinnant-date-dev libfmt-dev tzdata help2man librsvg2-bin cmark)
test=(libgtest-dev libgmock-dev poppler-utils desktop-file-utils appstream man-db
      shared-mime-info parallel python3)
run=(xvfb xauth)

pkgs=()
for group in "$@"; do
  case "$group" in
    build) pkgs+=("${build[@]}") ;;
    test) pkgs+=("${test[@]}") ;;
    run) pkgs+=("${run[@]}") ;;
    bench) pkgs+=(libbenchmark-dev valgrind) ;;
    package) pkgs+=(dpkg-dev file) ;;
    fuzz) pkgs+=(clang-14 libclang-rt-14-dev) ;;
    *) echo "install-deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
