#!/usr/bin/env bash
# Installing Morvane makes it the default application for no file type. The
# package's files go into a temporary prefix, which the desktop's own tools
# (gio and xdg-mime) then read as a desktop with no other application, where
# any application that lists a type becomes its default. The same check run on
# a copy of the entry that lists the types must name Morvane each time, so
# that a pass is not the tools failing to see the prefix.
set -euo pipefail
build_dir=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in gio xdg-mime update-desktop-database; do
  command -v "$tool" >/dev/null || fail "$tool missing (scripts/ensure-packages installs it)"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
id=org.morvane.morvane.desktop
entry=$prefix/share/applications/$id
[ -f "$entry" ] || fail "desktop entry not installed"

types=(text/plain application/pdf image/jpeg image/png image/gif image/tiff image/webp image/heif
       image/x-canon-cr2 video/mp4 video/x-matroska video/quicktime audio/mpeg audio/flac audio/ogg
       application/vnd.oasis.opendocument.text application/msword application/zip text/html inode/directory)

# The system's MIME database (aliases, parent types) without its applications.
mkdir -p "$work/system" "$work/home"
ln -s /usr/share/mime "$work/system/mime"

# defaults SHARE: one line "TYPE gio:DEFAULT xdg:DEFAULT" per type, and
# "offered" when gio lists Morvane for the type at all.
defaults() {
  update-desktop-database "$1/applications"
  local type gio_says gio_default xdg_default offered
  for type in "${types[@]}"; do
    gio_says=$(desktop_env "$1" gio mime "$type" 2>/dev/null)
    gio_default=$(sed -n 's/^Default application for .*: //p' <<<"$gio_says")
    xdg_default=$(desktop_env "$1" xdg-mime query default "$type" 2>/dev/null || true)
    offered=""
    if [[ $gio_says == *"$id"* ]]; then offered=" offered"; fi
    echo "$type gio:${gio_default:-none} xdg:${xdg_default:-none}$offered"
  done
}
# A clean session of no known desktop, with nothing chosen by a user and the
# installed program on the PATH (gio offers no program it cannot find).
desktop_env() {
  local share=$1
  shift
  env -i PATH="$prefix/bin:$PATH" HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
    XDG_CONFIG_DIRS="$work/home/no-config" XDG_DATA_DIRS="$share:$work/system" "$@"
}

# Control: the same entry listing every type is their default for both tools.
control=$work/control/share
mkdir -p "$control/applications"
{ cat "$entry"; printf 'MimeType=%s;\n' "$(IFS=';'; echo "${types[*]}")"; } >"$control/applications/$id"
missed=$(defaults "$control" | grep -vF "gio:$id xdg:$id" || true)
[ -z "$missed" ] || fail "an entry that lists the types is not their default, so the check sees nothing:
$missed"

found=$(defaults "$prefix/share")
echo "$found"
claimed=$(grep -F -e "$id" -e offered <<<"$found" || true)
[ -z "$claimed" ] || fail "Morvane is a default application, or offered:
$claimed"
echo "default for none of ${#types[@]} common types: ok"
