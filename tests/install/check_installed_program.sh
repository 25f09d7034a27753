#!/usr/bin/env bash
# Installs the built program into a temporary prefix, checks the layout a
# desktop and a Debian package expect, that the installed program finds its
# help file and its manual page, and starts it with a file: it must still be
# running when timeout stops it.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$prefix/bin/morvane" ] || fail "bin/morvane missing or not executable"
[ "$(ls "$prefix/bin")" = morvane ] || fail "bin/ holds more than the program: $(ls "$prefix/bin")"
data=$prefix/share/morvane
for help in mvn.hlp mvn_de.hlp mvn_fr.hlp mvn_es.hlp; do
  [ -s "$data/$help" ] || fail "help file $help not in share/morvane"
done
# The program names the help file it found, in the desktop's language, in its --help.
for row in "C:mvn.hlp" "de_DE.UTF-8:mvn_de.hlp" "fr_FR.UTF-8:mvn_fr.hlp" "es_ES.UTF-8:mvn_es.hlp"; do
  usage=$(env -u LANGUAGE -u LC_MESSAGES LC_ALL="${row%%:*}" "$prefix/bin/morvane" --help)
  [[ $usage == *": $data/${row#*:}"* ]] || fail "the installed program does not name ${row#*:} under ${row%%:*}"
done

desktop=$prefix/share/applications/org.morvane.morvane.desktop
[ -f "$desktop" ] || fail "desktop entry missing"
grep -qx 'Exec=morvane %F' "$desktop" || fail "desktop entry does not hand files to morvane"
grep -qx 'Icon=morvane' "$desktop" || fail "desktop entry names another icon"
[ -f "$prefix/share/metainfo/org.morvane.morvane.metainfo.xml" ] || fail "AppStream description not in share/metainfo"
menu=$prefix/share/kio/servicemenus/morvane.desktop
[ -f "$menu" ] || fail "service menu missing"
for line in 'Type=Service' 'MimeType=all/allfiles;' 'Name=Rename with Morvane' 'Exec=morvane %F'; do
  grep -qxF "$line" "$menu" || fail "service menu lacks $line"
done
nemo=$prefix/share/nemo/actions/morvane.nemo_action
for line in '[Nemo Action]' 'Name=Rename with Morvane' 'Exec=morvane %F' 'Extensions=nodirs;'; do
  grep -qxF "$line" "$nemo" 2>/dev/null || fail "Nemo action missing or lacks $line"
done
# Each size a PNG of that size (its header's width and height), and the SVG.
hicolor=$prefix/share/icons/hicolor
for size in 16 22 24 32 48 64 128 256; do
  icon=$hicolor/${size}x${size}/apps/morvane.png
  [ -f "$icon" ] || fail "icon of $size px missing"
  header=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
  [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "icon of $size px is not a PNG"
  [ "$((16#${header:32:8}))x$((16#${header:40:8}))" = "${size}x$size" ] ||
    fail "icon of $size px is $((16#${header:32:8}))x$((16#${header:40:8}))"
done
grep -qF '<svg' "$hicolor/scalable/apps/morvane.svg" 2>/dev/null || fail "scalable icon missing"

page=$prefix/share/man/man1/morvane.1.gz
gzip -t "$page" || fail "manual page missing or not compressed"
source=$(zcat "$page")
grep -q '^\.SH EXIT STATUS' <<<"$source" || fail "manual page has no exit status"
files=$(sed -n '/^\.SH FILES/,/^\.SH /p' <<<"$source")
for file in Morvane.conf state/Morvane damaged/ mvn_de.hlp; do
  grep -qF "$file" <<<"$files" || fail "manual page's FILES lack $file"
done
if command -v man >/dev/null; then
  [ "$(MANPATH=$prefix/share/man man -w morvane)" = "$page" ] || fail "man morvane does not find the page"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "manual page warnings: $warnings"
fi
doc=$prefix/share/doc/morvane
[ "$(head -n 1 "$doc/copyright")" = 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ] ||
  fail "copyright file missing or not machine-readable"
grep -qx 'License: GPL-3.0-or-later' "$doc/copyright" || fail "copyright file does not name the licence"
changelog=$(zcat "$doc/changelog.gz")
[[ $changelog == "morvane ("* ]] || fail "changelog missing"
libraries=$(ldd "$prefix/bin/morvane")
[[ $libraries != *'not found'* ]] || fail "unresolved libraries"

# Started with a home of its own, so that the user's settings stay untouched.
mkdir -p "$work/home" "$work/files"
echo x >"$work/files/a.jpg"
set +e
(cd "$work" && HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=offscreen \
    timeout 3 "$prefix/bin/morvane" files/a.jpg >"$work/out.log" 2>&1)
status=$?
set -e
[ $status -eq 124 ] || { cat "$work/out.log" >&2; fail "the installed program ended by itself (status $status)"; }
[ "$(cat "$work/files/a.jpg")" = x ] || fail "the file handed over was changed"
echo "installed layout, help file, manual page and start-up: ok"
