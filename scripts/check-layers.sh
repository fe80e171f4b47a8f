#!/usr/bin/env bash
# Fails when a source folder includes a header from a folder it may not use: each layer may
# include only the layers below it. Usage: check-layers.sh [ROOT] (default: the repository).
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

# Folder -> the folders below it that it may include (its own folder always may).
declare -A allowed=(
  [base]=""
  [ephemeris]="base"
  [positions]="base ephemeris"
  [positions/swiss]="base ephemeris positions"
  [argala]="base"
  [varga]="base"
  [atlas]="base"
  [chart]="base ephemeris positions positions/swiss argala varga"
  [document]="base ephemeris positions argala varga chart"
  [app/files]="base"
  [app]="base ephemeris positions positions/swiss argala varga chart atlas app/files"
  [export]="base ephemeris positions argala varga chart document atlas app/files"
  [web]=""
  [web/about]="web"
  [web/finder]="web web/about"
  [app/window]="base ephemeris positions positions/swiss argala varga chart document atlas app app/files export web web/about web/finder"
  [cli/chart]="base ephemeris positions positions/swiss argala varga chart document atlas app app/files export"
  [cli/batch]="base ephemeris positions positions/swiss argala varga chart document atlas app app/files export cli/chart"
  [cli]="base positions varga chart document atlas app app/files cli/chart cli/batch"
  [fuzz]="base ephemeris positions argala varga chart document atlas app cli/chart cli/batch cli"
)

violations=0
for folder in "${!allowed[@]}"; do
  [ -d "$root/$folder" ] || continue
  # Only the folder's own files: subfolders are layers of their own.
  for file in "$root/$folder"/*.h "$root/$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r included; do
      target=$(dirname "$included")
      [ "$target" = "$folder" ] && continue
      [ -n "${allowed[$target]+known}" ] || continue  # not one of our folders
      case " ${allowed[$folder]} " in
        *" $target "*) ;;
        *)
          echo "${file#"$root"/}: includes \"$included\", but $folder may not use $target" >&2
          violations=$((violations + 1))
          ;;
      esac
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
  done
done

if ((violations)); then
  echo "$violations include(s) run against the layers" >&2
  exit 1
fi
echo "every include runs down the layers"
