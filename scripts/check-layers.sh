#!/usr/bin/env bash
# Fails when a source folder includes a header from a folder it may not use (each layer may
# include only the layers below it), or when headers include each other in a loop. Usage: check-layers.sh [ROOT] (default: the repository).
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

# Folder -> the folders below it that it may include (its own folder always may).
declare -A allowed=(
  [base]=""
  [positions]="base"
  [positions/classic]="base positions"
  [positions/swiss]="base positions"
  [argala]="base"
  [varga]="base"
  [atlas]="base"
  [chart]="base positions positions/classic positions/swiss argala varga"
  [dasha]="base positions"
  [document]="base positions argala varga chart dasha"
  [files]="base"
  [form]="base positions positions/classic positions/swiss argala varga chart atlas files"
  [export]="base positions argala varga chart document atlas files"
  [web]=""
  [web/about]="web"
  [web/finder]="web web/about"
  [app/window]="base positions positions/classic positions/swiss argala varga chart dasha document atlas form files export web web/about web/finder"
  [cli/chart]="base positions positions/classic positions/swiss argala varga chart document atlas form files export"
  [cli/batch]="base positions positions/classic positions/swiss argala varga chart document atlas form files export cli/chart"
  [cli]="base positions varga chart document atlas form files cli/chart cli/batch"
  [fuzz]="base positions positions/classic argala varga chart document atlas form cli/chart cli/batch cli"
)

violations=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
for folder in "${!allowed[@]}"; do
  [ -d "$root/$folder" ] || continue
  # Only the folder's own files: subfolders are layers of their own.
  for file in "$root/$folder"/*.h "$root/$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r included; do
      echo "${file#"$root"/} $included" >>"$edges"
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

# tsort names the files of a loop on stderr; a header's own .cpp is no loop.
loops=$(sed 's/\.cpp / /; s/\.h / /; s/\.h$//' "$edges" | tsort 2>&1 >/dev/null || true)
if [ -n "$loops" ]; then
  echo "headers include each other in a loop:" >&2
  echo "$loops" >&2
  violations=$((violations + 1))
fi

if ((violations)); then
  echo "$violations fault(s) in the layers" >&2
  exit 1
fi
echo "every include runs down the layers, in no loop"
