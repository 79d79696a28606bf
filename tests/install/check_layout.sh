#!/usr/bin/env bash
# The installed tree: every file in its place, the program beside its help
# file and pages, no reference into the build tree, icons of the sizes they claim.
source "$(dirname "$0")/common.sh"

for file in bin/sorvat bin/sorvat-cli lib/sorvat/sorvat; do
    [ -x "$prefix/$file" ] || fail "$file is missing or not executable"
done
for file in lib/sorvat/SorvatHelp.chm lib/sorvat/SorvatHelp/index.html share/sorvat/_Template.xls \
            share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
            share/mime/packages/$app_id.xml share/icons/hicolor/scalable/apps/$app_id.svg \
            share/man/man1/sorvat.1 share/man/man1/sorvat-cli.1 \
            share/doc/sorvat/README.md share/doc/sorvat/samples/welcome.md2; do
    [ -s "$prefix/$file" ] || fail "$file is missing or empty"
done
head -c 2 "$prefix/bin/sorvat" | grep -q '#!' || fail "bin/sorvat is not the launcher script"
sh -n "$prefix/bin/sorvat" || fail "the launcher script does not parse"
if command -v shellcheck >/dev/null; then
    shellcheck -s sh "$prefix/bin/sorvat" || fail "shellcheck finds faults in the launcher"
fi

for program in lib/sorvat/sorvat bin/sorvat-cli; do
    if readelf -d "$prefix/$program" | grep -E 'R(UN)?PATH' | grep -qF "$build_dir"; then
        fail "$program still looks for libraries in the build tree"
    fi
done

for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    if [ ! -s "$png" ]; then
        fail "icon ${size}x${size} is missing"
        continue
    fi
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    dimensions=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dimensions" = "${size}x${size}" ] || fail "icon ${size}x${size} is $dimensions"
done
finish
