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
  env -u LANGUAGE -u LC_MESSAGES LC_ALL="${row%%:*}" "$prefix/bin/morvane" --help | grep -qF ": $data/${row#*:}" ||
    fail "the installed program does not name ${row#*:} under ${row%%:*}"
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
icon=$prefix/share/icons/hicolor/256x256/apps/morvane.png
[ -f "$icon" ] || fail "icon missing"
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "icon is not a PNG"

page=$prefix/share/man/man1/morvane.1.gz
gzip -t "$page" || fail "manual page missing or not compressed"
zcat "$page" | grep -q '^\.SH EXIT STATUS' || fail "manual page has no exit status"
for file in Morvane.conf state/Morvane damaged/ mvn_de.hlp; do
  zcat "$page" | sed -n '/^\.SH FILES/,/^\.SH /p' | grep -qF "$file" || fail "manual page's FILES lack $file"
done
if command -v man >/dev/null; then
  [ "$(MANPATH=$prefix/share/man man -w morvane)" = "$page" ] || fail "man morvane does not find the page"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "manual page warnings: $warnings"
fi
doc=$prefix/share/doc/morvane
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "copyright file missing or not machine-readable"
zcat "$doc/changelog.gz" | head -n 1 | grep -q '^morvane (' || fail "changelog missing"
if ldd "$prefix/bin/morvane" | grep -q 'not found'; then fail "unresolved libraries"; fi

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
