#!/usr/bin/env bash
# Installs the built program into a temporary prefix, checks the layout a
# desktop expects, and starts the installed program: it must still be
# running when timeout stops it.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$prefix/bin/morvane" ] || fail "bin/morvane missing or not executable"
[ -s "$prefix/bin/mvn.hlp" ] || fail "help file mvn.hlp not beside the program"
desktop=$prefix/share/applications/morvane.desktop
[ -f "$desktop" ] || fail "desktop entry missing"
grep -qx 'Exec=morvane' "$desktop" || fail "desktop entry does not start morvane"
grep -qx 'Icon=morvane' "$desktop" || fail "desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
icon=$prefix/share/icons/hicolor/256x256/apps/morvane.png
[ -f "$icon" ] || fail "icon missing"
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "icon is not a PNG"
if ldd "$prefix/bin/morvane" | grep -q 'not found'; then fail "unresolved libraries"; fi

# Started with a home of its own, so that the user's settings stay untouched.
mkdir -p "$work/home"
set +e
(cd "$work" && HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=offscreen \
    timeout 3 "$prefix/bin/morvane" >"$work/out.log" 2>&1)
status=$?
set -e
[ $status -eq 124 ] || { cat "$work/out.log" >&2; fail "the installed program ended by itself (status $status)"; }
echo "installed layout and start-up: ok"
