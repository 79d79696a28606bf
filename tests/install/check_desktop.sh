#!/usr/bin/env bash
# Desktop integration as installed: the validators accept the desktop entry,
# the AppStream metainfo and the MIME types; the MIME database built from the
# installed XML maps .md1/.md2 to the types the desktop entry opens.
source "$(dirname "$0")/common.sh"
share="$prefix/share"
desktop="$share/applications/$app_id.desktop"
metainfo="$share/metainfo/$app_id.metainfo.xml"
mime_xml="$share/mime/packages/$app_id.xml"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstream-util validate-relax --nonet "$metainfo" || fail "appstream-util rejects $metainfo"
xmllint --noout "$mime_xml" || fail "$mime_xml is not well-formed XML"

grep -qx "Exec=sorvat --desktop %f" "$desktop" || fail "the desktop entry does not start the launcher from the desktop with a file"
[ -x "$prefix/bin/sorvat" ] || fail "the desktop entry's program is not installed"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not name the desktop entry"

# A MIME database of its own, built from the installed package file alone.
mkdir -p "$scratch/mime/packages"
cp "$mime_xml" "$scratch/mime/packages/"
XDG_DATA_HOME="$scratch" update-mime-database "$scratch/mime" 2>"$scratch/mime.log" || fail "update-mime-database failed"
if [ -s "$scratch/mime.log" ]; then
    cat "$scratch/mime.log" >&2
    fail "update-mime-database complains about the package file"
fi
for ext in md1 md2; do
    grep -q "application/x-sorvat-$ext:\*\.$ext\$" "$scratch/mime/globs2" ||
        fail "*.$ext is not mapped to application/x-sorvat-$ext"
    grep -q "^MimeType=.*application/x-sorvat-$ext;" "$desktop" ||
        fail "the desktop entry does not open application/x-sorvat-$ext"
done

# The desktop's own cache: the entry is the handler of both types.
mkdir -p "$scratch/applications"
cp "$desktop" "$scratch/applications/"
update-desktop-database "$scratch/applications" || fail "update-desktop-database failed"
for ext in md1 md2; do
    grep -q "^application/x-sorvat-$ext=$app_id.desktop;" "$scratch/applications/mimeinfo.cache" ||
        fail "the desktop cache has no handler for application/x-sorvat-$ext"
done
finish
