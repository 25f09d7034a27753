#!/usr/bin/env bash
# The desktop entry and the software centres' description as the desktop
# reads them: both pass their validators; the entry claims no file type (a
# type it listed could make it that type's default, see check_mime_defaults.sh);
# the description names the entry, this version and screenshots that docs/
# holds, and declares nothing that the package does not install.
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

# Only a URL scheme would be a type to claim; no file's type.
types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' ')
for type in $types; do
  [[ $type == x-scheme-handler/* ]] || fail "desktop entry claims the file type $type"
done
for lang in de fr es; do
  for key in GenericName Comment; do
    grep -q "^$key\[$lang\]=." "$entry" || fail "desktop entry lacks $key[$lang]"
  done
done

grep -qF '<launchable type="desktop-id">org.morvane.morvane.desktop</launchable>' "$metainfo" ||
  fail "AppStream description does not name the desktop entry"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "AppStream description lacks release $version"
# The translations are built into the program: no files for a software centre to find.
! grep -q '<translation' "$metainfo" || fail "AppStream description declares translation files"
grep -qx '  <project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
  fail "AppStream description does not name the licence"
shots=$(grep -o 'https://[^<]*\.png' "$metainfo")
[ -n "$shots" ] || fail "AppStream description has no screenshots"
for url in $shots; do
  case $url in
    */v"$version"/docs/*) [ -f "$source_dir/docs/${url#*/docs/}" ] || fail "$url: no such picture in docs/" ;;
    *) fail "$url does not name version $version and a picture of docs/" ;;
  esac
done
echo "desktop entry and AppStream description: ok"
