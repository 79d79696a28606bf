#!/usr/bin/env bash
# The installed help file is a real CHM that holds every page, its contents
# and index, with the Japanese text readable in code page 932; beside it the
# same pages as HTML, as they are written (UTF-8), for the web browser.
source "$(dirname "$0")/common.sh"
chm="$prefix/lib/sorvat/SorvatHelp.chm"
html="$prefix/lib/sorvat/SorvatHelp"
pages_dir="$source_dir/data/help"

for page in "$pages_dir"/*.html "$pages_dir"/style.css; do
    cmp -s "$page" "$html/$(basename "$page")" || fail "SorvatHelp/$(basename "$page") is missing or differs from its source"
done
for link in $(grep -ho 'href="[^"#:]*"' "$pages_dir"/*.html | sed 's/href="//;s/"$//' | sort -u); do
    [ -e "$html/$link" ] || fail "a page links to $link, which is not in SorvatHelp/"
done

[ "$(head -c 4 "$chm")" = "ITSF" ] || fail "SorvatHelp.chm has no ITSF signature"
extract_chmLib "$chm" "$scratch/chm" >"$scratch/list" 2>&1 || fail "extract_chmLib cannot read SorvatHelp.chm"
for page in "$pages_dir"/*.html "$pages_dir"/toc.hhc "$pages_dir"/index.hhk "$pages_dir"/style.css; do
    name=$(basename "$page")
    [ -s "$scratch/chm/$name" ] || fail "$name is not in SorvatHelp.chm"
done
for internal in '#SYSTEM' '#TOPICS' '#URLSTR'; do
    [ -e "$scratch/chm/$internal" ] || fail "SorvatHelp.chm lacks its $internal table"
done

# Every page in the file is the source page in code page 932.
for page in "$pages_dir"/*.html; do
    name=$(basename "$page")
    [ -s "$scratch/chm/$name" ] || continue
    iconv -f CP932 -t UTF-8 "$scratch/chm/$name" >"$scratch/$name.utf8" || { fail "$name is not code page 932"; continue; }
    sed 's/charset=UTF-8/charset=Shift_JIS/' "$page" | iconv -f UTF-8 -t CP932 | cmp -s - "$scratch/chm/$name" ||
        fail "$name in SorvatHelp.chm differs from its source"
done
grep -q '右クリック' "$scratch/play.html.utf8" || fail "the mouse page does not explain the right button"

# Every link between the pages leads to a page that is in the file.
for link in $(grep -ho 'href="[^"#:]*"' "$pages_dir"/*.html "$pages_dir"/*.hhc "$pages_dir"/*.hhk | sed 's/href="//;s/"$//' | sort -u); do
    [ -e "$scratch/chm/$link" ] || fail "a page links to $link, which is not in SorvatHelp.chm"
done
for local in $(grep -ho 'name="Local" value="[^"]*"' "$pages_dir"/toc.hhc "$pages_dir"/index.hhk | sed 's/.*value="//;s/"$//' | sort -u); do
    [ -e "$scratch/chm/$local" ] || fail "the contents or index name $local, which is not in SorvatHelp.chm"
done
# The language is Japanese: LCID 0x0411 in record 4 of the #SYSTEM table
# (a version word, then records of code, length and data, all little-endian).
lcid=$(od -An -tu1 -v "$scratch/chm/#SYSTEM" | tr -s ' \n' '\n' | awk 'NF { b[n++] = $1 }
    END { i = 4; while (i + 4 <= n) { code = b[i] + 256 * b[i+1]; len = b[i+2] + 256 * b[i+3]
          if (code == 4) { printf "%04x", b[i+4] + 256 * b[i+5]; exit }
          i += 4 + len } }')
[ "$lcid" = "0411" ] || fail "SorvatHelp.chm is not marked as Japanese (LCID ${lcid:-none})"
finish
