#!/usr/bin/env bash
# Checks one aspect of an installed tree, as a desktop and a packager see it.
# Usage: check_installed.sh CHECK PREFIX VERSION [BUILT_TARVEL_CLI]
#   CHECK   files, icons, programs, desktop-entry, metainfo, man-pages, mime-type or manual
#   PREFIX  the staged prefix, e.g. STAGE/usr after `DESTDIR=STAGE cmake --install B --prefix /usr`
set -euo pipefail
check=$1 prefix=$2 version=$3 builtCli=${4:-}
id=io.github.tarvel.Tarvel
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The width and height a PNG's header gives, as "WxH".
png_size() {
  local bytes
  bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
  read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
  echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

check_files() {
  local file
  for file in bin/tarvel bin/tarvel-cli libexec/tarvel/tarvel-finder; do
    [ -x "$prefix/$file" ] || fail "$file is missing or not executable"
  done
  # tarvel-cli's drawing of files: a library, so not executable, as Debian wants them.
  [ -s "$prefix/libexec/tarvel/tarvel-cli-export.so" ] ||
    fail "tarvel-cli's export module is missing"
  for file in share/applications/$id.desktop share/mime/packages/$id.xml \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/tarvel.1 share/man/man1/tarvel-cli.1 \
    share/bash-completion/completions/tarvel share/bash-completion/completions/tarvel-cli \
    share/doc/tarvel/copyright; do
    [ -s "$prefix/$file" ] || fail "$file is missing or empty"
  done
  grep -q "GNU AFFERO GENERAL PUBLIC LICENSE" "$prefix/share/doc/tarvel/copyright" ||
    fail "the copyright file lacks the licence's text"
  tr -s ' \n' ' ' <"$prefix/share/doc/tarvel/copyright" |
    grep -q "either version 3 of the License, or (at your option) any later version" ||
    fail "the copyright file lacks the notice"
  # Only programs and shared files: no static libraries, headers or build leftovers.
  local stray
  stray=$(cd "$prefix" && find . -type f ! -path './bin/*' ! -path './share/*' \
    ! -path './libexec/tarvel/*')
  [ -z "$stray" ] || fail "files outside bin/, libexec/tarvel/ and share/: $stray"
  [ -z "$(cd "$prefix" && find . -name '*.a' -o -name '*.h')" ] || fail "static libraries or headers installed"
}

check_icons() {
  local size png
  for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -s "$png" ]; then
      fail "no ${size}x${size} icon"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
      fail "the ${size}x${size} icon is $(png_size "$png")"
    fi
  done
  grep -q 'viewBox="0 0 64 64"' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ||
    fail "the scalable icon is not the 64-unit drawing"
}

check_programs() {
  local out
  out=$("$prefix/bin/tarvel-cli" --version) || fail "tarvel-cli --version failed"
  [ "$out" = "tarvel-cli $version" ] || fail "tarvel-cli --version printed '$out'"
  # The desktop program answers --version without a display.
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tarvel" --version) ||
    fail "tarvel --version failed"
  [ "$out" = "tarvel $version" ] || fail "tarvel --version printed '$out'"
  # The finder program, which the window starts from there, runs and reads its arguments.
  local status=0
  out=$(QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
    "$prefix/libexec/tarvel/tarvel-finder" --colour=red 2>&1) || status=$?
  if [ "$status" -ne 2 ] || [[ $out != *"tarvel-finder: "* ]]; then
    fail "the installed finder did not refuse an unknown argument (status $status): '$out'"
  fi
  local chart=(chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E
    --name "Asha Rao" --city Mumbai --state Maharashtra --country India --json)
  out=$("$prefix/bin/tarvel-cli" "${chart[@]}") || fail "the installed tarvel-cli gave no chart"
  [ "$out" = "$("$builtCli" "${chart[@]}")" ] ||
    fail "the installed tarvel-cli gives another chart than the one built"
  # Files are drawn by a module the installed program finds in libexec/tarvel, with no display.
  local pictures
  pictures=$(mktemp -d)
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tarvel-cli" "${chart[@]}" \
    --pdf "$pictures/chart.pdf" --png "$pictures/chart.png" --size 300x200 >/dev/null ||
    fail "the installed tarvel-cli could not write a PDF and a PNG"
  [ -s "$pictures/chart.pdf" ] || fail "the installed tarvel-cli wrote no PDF"
  [ "$(png_size "$pictures/chart.png")" = "300x200" ] ||
    fail "the installed tarvel-cli's PNG is not 300x200"
  rm -rf "$pictures"
}

check_desktop_entry() {
  local entry=$prefix/share/applications/$id.desktop
  desktop-file-validate "$entry" || fail "desktop-file-validate refuses $entry"
  [ -z "$(desktop-file-validate "$entry")" ] || fail "desktop-file-validate has remarks"
  grep -qx 'Exec=tarvel %f' "$entry" || fail "Exec is not 'tarvel %f'"
  grep -qx "Icon=$id" "$entry" || fail "Icon is not $id"
  grep -q '^MimeType=.*application/x-tarvel-reading;' "$entry" || fail "no reading MIME type"
  local key
  for key in Name GenericName Comment Categories; do
    grep -q "^$key=." "$entry" || fail "no $key"
  done
}

check_metainfo() {
  local metainfo=$prefix/share/metainfo/$id.metainfo.xml report
  report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli refuses it: $report"
  ! grep -E '^[EW]:' <<<"$report" || fail "appstreamcli has errors or warnings"
  # The tree as a whole: the desktop entry and icon that the metainfo names are there.
  report=$(appstreamcli validate-tree --no-net "$(dirname "$prefix")" 2>&1) ||
    fail "appstreamcli refuses the tree: $report"
  local newest
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "the newest release noted is $newest, the project is $version"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the launchable is not $id.desktop"
  local binary
  while read -r binary; do
    [ -x "$prefix/bin/$binary" ] || fail "it provides $binary, which is not installed"
  done < <(grep -o '<binary>[^<]*' "$metainfo" | cut -d'>' -f2)
}

# A page renders without groff warnings and shows the lines given.
check_page() {
  local page=$prefix/share/man/man1/$1 text errors
  shift
  errors=$(mktemp)
  text=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"$errors") || fail "man cannot render $page"
  [ ! -s "$errors" ] || fail "groff warns about $page: $(cat "$errors")"
  rm -f "$errors"
  local line
  for line in "$@"; do
    grep -qF -- "$line" <<<"$text" || fail "$page does not show '$line'"
  done
}

check_man_pages() {
  check_page tarvel.1 "tarvel [OPTION]... [FILE.tvl]" "--version" "FILE.tvl" "*.tvl" \
    "tarvel-cli(1)" "tarvel $version"
  check_page tarvel-cli.1 "tarvel-cli [OPTIONS] SUBCOMMAND" "COMMANDS" \
    "tarvel-cli chart [OPTIONS]" "--date" "tarvel-cli batch [OPTIONS] [FILE]" "--jobs" \
    "tarvel-cli zones" "tarvel-cli places [OPTIONS] QUERY" "--place" "EXIT STATUS" "tarvel(1)" "tarvel-cli $version"
}

check_mime_type() {
  local data mime
  data=$(mktemp -d)
  mime=$data/mime
  mkdir -p "$mime/packages"
  cp "$prefix/share/mime/packages/$id.xml" "$mime/packages/"
  # A data folder on the search path, so the database builder has nothing to remark on that.
  XDG_DATA_DIRS=$data XDG_DATA_HOME=$data update-mime-database "$mime" 2>&1 | grep . &&
    fail "update-mime-database has remarks"
  grep -qx '50:application/x-tarvel-reading:\*\.tvl:cs' "$mime/globs2" ||
    fail "*.tvl, letter case counting, is not application/x-tarvel-reading: $(cat "$mime/globs2")"
  grep -q '<comment>Tarvel reading</comment>' "$mime/application/x-tarvel-reading.xml" ||
    fail "the MIME type has no comment"
  rm -rf "$data"
}

# The manual: a whole HTML page whose pictures and contents links all lead somewhere.
check_manual() {
  local manual=$prefix/share/doc/tarvel/manual target
  grep -q '<h1>Tarvel user manual</h1>' "$manual/index.html" || fail "no manual with its title"
  for target in $(grep -o 'src="[^"]*"' "$manual/index.html" | sed 's/src="//; s/"$//'); do
    [ -s "$manual/$target" ] || fail "the manual's picture $target is not installed"
  done
  for target in $(grep -o 'href="#[^"]*"' "$manual/index.html" | sed 's/href="#//; s/"$//'); do
    grep -q "id=\"$target\"" "$manual/index.html" || fail "the manual's link #$target leads nowhere"
  done
}

"check_${check//-/_}"
if ((failures)); then
  echo "$failures check(s) of '$check' failed" >&2
  exit 1
fi
echo "$check: every check passed"
