#!/usr/bin/env bash
# The built program's options: --help and --version print and end with 0; an
# unknown option prints one line of error and the usage on stderr and ends
# with 2. A platform that cannot exist makes any attempt at a window fail, so
# these statuses also show that none was opened.
set -uo pipefail
program=$1
version=$2
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "FAIL: $*" >&2; echo "--- stdout:" >&2; cat "$out" >&2; echo "--- stderr:" >&2; cat "$err" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=no-such-platform timeout 10 "$program" "$@" >"$out" 2>"$err"; }

for option in --bogus -x; do
  run "$option" a.jpg; status=$?
  [ $status -eq 2 ] || fail "$option: status $status, not 2"
  [ ! -s "$out" ] || fail "$option: wrote to stdout"
  name=${option##*-}
  [ "$(sed -n 1p "$err")" = "morvane: Unknown option '$name'." ] || fail "$option: first line is not the error"
  [[ $(sed -n 2p "$err") =~ ^Usage:\ .*morvane\ \[options\]\ \[FILE\.\.\.\]$ ]] || fail "$option: no usage after the error"
done

for option in --help -h; do
  run "$option"; status=$?
  [ $status -eq 0 ] || fail "$option: status $status"
  grep -q '^Usage: .*morvane \[options\] \[FILE\.\.\.\]$' "$out" || fail "$option: no usage"
  [ ! -s "$err" ] || fail "$option: wrote to stderr"
done

for option in --version -v; do
  run "$option"; status=$?
  [ $status -eq 0 ] || fail "$option: status $status"
  [ "$(sed -n 1p "$out")" = "morvane $version" ] || fail "$option: not the version"
  [[ $(sed -n '2,$p' "$out") == "License GPL-3.0-or-later: "* ]] || fail "$option: no licence on the second line"
done
echo "options: ok"
