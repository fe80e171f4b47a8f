#!/usr/bin/env bash
# Installs what is missing, builds Tarvel and starts the desktop program. Without a display
# it says so and shows how to use the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TESTS=OFF >/dev/null
cmake --build build/release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cli=build/release/cli/tarvel-cli
  cat >&2 <<HINT
No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the desktop window cannot open.
The same calculation runs in the command-line tool:

  $cli chart --help
  $cli zones
  $cli chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E \\
      --name "Asha Rao" --city Mumbai --state Maharashtra --country India

Here is that example chart:

HINT
  exec "$cli" chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E \
    --name "Asha Rao" --city Mumbai --state Maharashtra --country India
fi
# Qt wants a private runtime folder; a root session often has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then XDG_RUNTIME_DIR=$(mktemp -d); export XDG_RUNTIME_DIR; fi
exec build/release/app/window/tarvel "$@"
