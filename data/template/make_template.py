#!/usr/bin/env python3
"""Builds data/_Template.xls, the workbook the spreadsheet export starts from.

Three sheets, one per layout the export writes:
  1 "数字"     the digits in B2:J10, one cell per board cell;
  2 "ブロック" the digits in merged 3x3 blocks over B2:AB28;
  3 "候補"     the candidates, one small cell per digit, in B2:AB28.
Thin lines part the board cells, medium lines the 3x3 boxes.

The sheets are written as a flat OpenDocument spreadsheet and converted to
BIFF8 .xls by a headless LibreOffice:
    python3 data/template/make_template.py [output.xls]
"""
import os
import shutil
import subprocess
import sys
import tempfile
from xml.sax.saxutils import escape

SOFFICE = "/usr/lib/libreoffice/program/soffice"
THIN = "0.74pt solid #000000"
MEDIUM = "1.76pt solid #000000"

# name, cells per side, cells per board cell, column width, row height,
# font size (pt), merge each board cell
SHEETS = [
    ("数字", 9, 1, "1.1cm", "1.1cm", 18, False),
    ("ブロック", 27, 3, "0.42cm", "0.42cm", 20, True),
    ("候補", 27, 3, "0.42cm", "0.42cm", 8, False),
]
MARGIN = "0.3cm"  # column A and row 1


def line(position, per_cell):
    """Border at a grid line: medium at box edges, thin at cell edges."""
    if position % (3 * per_cell) == 0:
        return MEDIUM
    if position % per_cell == 0:
        return THIN
    return None


def column_letters(number):
    letters = ""
    while number > 0:
        number, rest = divmod(number - 1, 26)
        letters = chr(ord("A") + rest) + letters
    return letters


def cell_style_key(sheet_index, row, column, per_cell):
    return (sheet_index, line(row, per_cell), line(row + 1, per_cell),
            line(column, per_cell), line(column + 1, per_cell))


def build_document():
    styles = {}
    auto = []
    body = []

    def cell_style(key, font_size):
        if key not in styles:
            name = "c%d" % len(styles)
            styles[key] = name
            _, top, bottom, left, right = key
            borders = "".join(
                ' fo:border-%s="%s"' % (edge, value)
                for edge, value in (("top", top), ("bottom", bottom), ("left", left), ("right", right))
                if value)
            auto.append(
                '<style:style style:name="%s" style:family="table-cell">'
                '<style:table-cell-properties style:vertical-align="middle"%s/>'
                '<style:paragraph-properties fo:text-align="center"/>'
                '<style:text-properties fo:font-size="%dpt" style:font-size-asian="%dpt" '
                'style:font-size-complex="%dpt"/></style:style>' % (name, borders, font_size, font_size, font_size))
        return styles[key]

    for index, (name, side, per_cell, width, height, font_size, merge) in enumerate(SHEETS):
        auto.append('<style:style style:name="colA%d" style:family="table-column">'
                    '<style:table-column-properties style:column-width="%s"/></style:style>' % (index, MARGIN))
        auto.append('<style:style style:name="col%d" style:family="table-column">'
                    '<style:table-column-properties style:column-width="%s"/></style:style>' % (index, width))
        auto.append('<style:style style:name="row1_%d" style:family="table-row">'
                    '<style:table-row-properties style:row-height="%s" style:use-optimal-row-height="false"/>'
                    '</style:style>' % (index, MARGIN))
        auto.append('<style:style style:name="row%d" style:family="table-row">'
                    '<style:table-row-properties style:row-height="%s" style:use-optimal-row-height="false"/>'
                    '</style:style>' % (index, height))

        last = side + 1  # 0-based index of the last used column and row
        print_range = "'%s'.A1:'%s'.%s%d" % (name, name, column_letters(last + 1), last + 1)
        rows = ['<table:table table:name="%s" table:print-ranges="%s">' % (escape(name), escape(print_range)),
                '<table:table-column table:style-name="colA%d"/>' % index,
                '<table:table-column table:style-name="col%d" table:number-columns-repeated="%d"/>' % (index, side),
                '<table:table-row table:style-name="row1_%d"><table:table-cell/></table:table-row>' % index]
        for r in range(side):
            cells = ['<table:table-cell/>']
            for c in range(side):
                style = cell_style(cell_style_key(index, r, c, per_cell), font_size)
                if merge and (r % per_cell or c % per_cell):
                    cells.append('<table:covered-table-cell table:style-name="%s"/>' % style)
                elif merge:
                    cells.append('<table:table-cell table:style-name="%s" table:number-columns-spanned="%d" '
                                 'table:number-rows-spanned="%d"/>' % (style, per_cell, per_cell))
                else:
                    cells.append('<table:table-cell table:style-name="%s"/>' % style)
            rows.append('<table:table-row table:style-name="row%d">%s</table:table-row>' % (index, "".join(cells)))
        rows.append('</table:table>')
        body.append("".join(rows))

    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
            'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
            'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
            'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
            'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
            'office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">'
            '<office:automatic-styles>%s</office:automatic-styles>'
            '<office:body><office:spreadsheet>%s</office:spreadsheet></office:body>'
            '</office:document>\n' % ("".join(auto), "".join(body)))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    output = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.join(here, "..", "_Template.xls")
    work = tempfile.mkdtemp(prefix="sorvat-template-")
    try:
        source = os.path.join(work, "_Template.fods")
        with open(source, "w", encoding="utf-8") as f:
            f.write(build_document())
        subprocess.run([SOFFICE, "--headless", "--norestore", "-env:UserInstallation=file://" + work + "/profile",
                        "--convert-to", "xls:MS Excel 97", "--outdir", work, source],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shutil.copyfile(os.path.join(work, "_Template.xls"), output)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(os.path.normpath(output))


if __name__ == "__main__":
    main()
