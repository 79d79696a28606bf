#!/usr/bin/env bash
# The Debian package made by CPack: its control data declares what the
# program needs, it holds the installed tree under /usr and nothing else, and
# the program unpacked from it runs.
source "$(dirname "$0")/common.sh"

(cd "$build_dir" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1) || {
    cat "$scratch/cpack.log" >&2
    fail "cpack -G DEB failed"
    finish
}
deb=$(ls "$scratch"/package/sorvat_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { fail "cpack made no sorvat_*.deb"; finish; }

info=$(dpkg-deb -I "$deb")
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = sorvat ] || fail "the package is not named sorvat"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6printsupport6 fonts-ipafont-gothic libreoffice-calc; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
grep -q xchm <<<"$(field Suggests)" || fail "a CHM viewer is not suggested"
grep -q "^ Section: games" <<<"$info" || fail "the package is not in section games"

dpkg-deb -c "$deb" | awk '{print $6}' >"$scratch/contents"
for path in ./usr/bin/sorvat ./usr/bin/sorvat-cli ./usr/lib/sorvat/sorvat ./usr/lib/sorvat/SorvatHelp.chm \
            ./usr/lib/sorvat/SorvatHelp/index.html \
            ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml \
            ./usr/share/mime/packages/$app_id.xml ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
            ./usr/share/sorvat/_Template.xls ./usr/share/man/man1/sorvat.1; do
    grep -qxF "$path" "$scratch/contents" || fail "the package lacks $path"
done
if grep -v '^\./usr/' "$scratch/contents" | grep -vqx '\./'; then
    fail "the package installs files outside /usr: $(grep -v '^\./usr/' "$scratch/contents" | grep -vx '\./' | head -n 3)"
fi

dpkg-deb -x "$deb" "$scratch/root"
out=$(env -u DISPLAY -u QT_QPA_PLATFORM "$scratch/root/usr/bin/sorvat" --version) ||
    fail "the packaged launcher cannot start the program"
grep -q '^sorvat ' <<<"$out" || fail "the packaged program printed '$out'"
finish
