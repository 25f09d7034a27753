#!/usr/bin/env bash
# The desktop entry and the software centres' description as the desktop
# reads them: both pass their validators; every MIME type of "Open With" is one
# the system's MIME database knows (a misspelt type never matches a file); the
# description names the entry, this version and screenshots that docs/ holds.
set -euo pipefail
source_dir=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
entry=$source_dir/packaging/org.morvane.morvane.desktop
metainfo=$source_dir/packaging/org.morvane.morvane.metainfo.xml

command -v desktop-file-validate >/dev/null || fail "desktop-file-validate missing (scripts/ensure-packages installs it)"
command -v appstreamcli >/dev/null || fail "appstreamcli missing (scripts/ensure-packages installs it)"
desktop-file-validate "$entry" || fail "desktop entry does not validate"
appstreamcli validate --pedantic --no-net "$metainfo" || fail "AppStream description does not validate"

mime=/usr/share/mime
[ -s "$mime/types" ] || fail "no MIME database in $mime (package shared-mime-info)"
types=$(grep -m1 '^MimeType=' "$entry" | cut -d= -f2- | tr ';' '\n' | grep -v '^$')
[ "$(echo "$types" | wc -l)" -ge 40 ] || fail "desktop entry lists too few MIME types"
for kind in image/jpeg image/x-canon-cr2 video/mp4 audio/mpeg application/pdf; do
  echo "$types" | grep -qxF "$kind" || fail "desktop entry lacks $kind"
done
while read -r type; do
  grep -qxF "$type" "$mime/types" || cut -d' ' -f1 "$mime/aliases" | grep -qxF "$type" ||
    fail "MIME type $type is unknown to the MIME database"
done <<<"$types"
for lang in de fr es; do
  for key in GenericName Comment; do
    grep -q "^$key\[$lang\]=." "$entry" || fail "desktop entry lacks $key[$lang]"
  done
done

grep -qF '<launchable type="desktop-id">org.morvane.morvane.desktop</launchable>' "$metainfo" ||
  fail "AppStream description does not name the desktop entry"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "AppStream description lacks release $version"
shots=$(grep -o 'https://[^<]*\.png' "$metainfo")
[ -n "$shots" ] || fail "AppStream description has no screenshots"
for url in $shots; do
  case $url in
    */v"$version"/docs/*) [ -f "$source_dir/docs/${url#*/docs/}" ] || fail "$url: no such picture in docs/" ;;
    *) fail "$url does not name version $version and a picture of docs/" ;;
  esac
done
echo "desktop entry and AppStream description: ok"
