#!/usr/bin/env bash
# Drives the bash completions as bash does on Tab, and checks that tarvel-cli's offers every
# command and option that the program's own --help lists.
# Usage: check_completion.sh COMPLETIONS_FOLDER TARVEL_CLI
set -uo pipefail
folder=$1 program=$2
failures=0

# shellcheck source=/dev/null
source "$folder/tarvel-cli" || exit 1
# shellcheck source=/dev/null
source "$folder/tarvel" || exit 1

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The completions offered for a command line whose last word is being typed, one a line, sorted.
offers() {
  local function=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  "$function"
  ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort
}

expect_offers() {
  local expected=$1 actual
  shift
  actual=$(offers "$@")
  [ "$actual" = "$(printf '%s' "$expected" | LC_ALL=C sort)" ] ||
    fail "'${*:2}' offers [$(tr '\n' ' ' <<<"$actual")], not [$(tr '\n' ' ' <<<"$expected")]"
}

# Every listed item is offered; more may be.
expect_offered() {
  local item actual
  actual=$(offers _tarvel_cli "${@:2}")
  for item in $1; do
    grep -qx -- "$item" <<<"$actual" || fail "'${*:2}' does not offer $item"
  done
}

complete -p tarvel-cli | grep -q -- '-F _tarvel_cli tarvel-cli$' || fail "tarvel-cli has no completion"
complete -p tarvel | grep -q -- '-F _tarvel tarvel$' || fail "tarvel has no completion"

# The program's own lists: its commands, and each command's options.
commands=$("$program" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z][a-z0-9-]*\).*/\1/p')
[ -n "$commands" ] || fail "no commands read from '$program --help'"
expect_offered "$commands --help --version" tarvel-cli ''
for command in $commands; do
  options=$("$program" "$command" --help | grep -o '^  \(-[a-z],\)\?--[a-z][a-z0-9-]*' |
    sed 's/^ *\(-[a-z],\)\?//')
  expect_offered "$options" tarvel-cli "$command" --
done
expect_offered "--sky --ayanamsa --node --place --pdf --svg --png --size" tarvel-cli chart --
expect_offered "--sky --ayanamsa --node --pdf-dir" tarvel-cli batch --
expect_offers 'chart' _tarvel_cli tarvel-cli cha

# Values of the options that take a fixed set, after a space or an "=".
expect_offers $'classic\nswiss' _tarvel_cli tarvel-cli chart --sky ''
expect_offers $'mean\ntrue' _tarvel_cli tarvel-cli chart --node ''
expect_offers $'fagan-bradley\nkrishnamurti\nlahiri\nraman\ntrue-chitrapaksha\nyukteshwar' \
  _tarvel_cli tarvel-cli chart --ayanamsa ''
expect_offers 'krishnamurti' _tarvel_cli tarvel-cli chart --ayanamsa = k
expect_offers $'classic\nswiss' _tarvel_cli tarvel-cli chart --sky =
expect_offers $'csv\njson' _tarvel_cli tarvel-cli batch --format ''
expect_offers $'mean\ntrue' _tarvel_cli tarvel-cli batch --node ''
expect_offers '' _tarvel_cli tarvel-cli places --limit ''
# Zone rows as the program lists them: 7 and 70.
expect_offers $'7\n70' _tarvel_cli "$program" chart --zone 7
# A value typed freely gets no file names.
expect_offers '' _tarvel_cli tarvel-cli chart --date ''
expect_offers '' _tarvel_cli tarvel-cli chart --place ''

# Files of the kind an option reads or writes, and folders to reach them.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
mkdir "sub folder"
touch asha.tvl "Asha Rao.tvl" ASHA.TVL notes.txt chart.pdf chart.svg chart.png births.csv
expect_offers $'Asha Rao.tvl\nasha.tvl\nsub folder' _tarvel_cli tarvel-cli chart --open ''
expect_offers $'Asha Rao.tvl' _tarvel_cli tarvel-cli chart --save A
expect_offers $'chart.pdf\nsub folder' _tarvel_cli tarvel-cli chart --pdf ''
expect_offers $'chart.svg\nsub folder' _tarvel_cli tarvel-cli chart --svg ''
expect_offers $'chart.png\nsub folder' _tarvel_cli tarvel-cli chart --png ''
expect_offers 'sub folder' _tarvel_cli tarvel-cli batch --pdf-dir ''
expect_offers 'births.csv' _tarvel_cli tarvel-cli batch --jobs 2 b
expect_offers $'Asha Rao.tvl\nasha.tvl\nsub folder' _tarvel tarvel ''
expect_offers '--version' _tarvel tarvel --v

if ((failures)); then
  echo "$failures completion check(s) failed" >&2
  exit 1
fi
echo "every completion check passed"
