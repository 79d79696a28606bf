#!/usr/bin/env python3
"""Prints what a .xls workbook holds as JSON, for the export tests:
{"sheets": [{"name", "merges": ["B2:D4", ...],
             "cells": {"B2": {"value", "font_rgb", "font_height", "back_rgb"}}}]}
Only cells with a value or a font colour, fill or size of their own are listed.
"""
import json
import sys

import xlrd


def a1(row, column):
    letters = ""
    column += 1
    while column > 0:
        column, rest = divmod(column - 1, 26)
        letters = chr(ord("A") + rest) + letters
    return "%s%d" % (letters, row + 1)


def main(path):
    book = xlrd.open_workbook(path, formatting_info=True)
    default_font = book.font_list[book.xf_list[0].font_index]
    sheets = []
    for sheet in book.sheets():
        cells = {}
        for row in range(sheet.nrows):
            for column in range(sheet.ncols):
                xf = book.xf_list[sheet.cell_xf_index(row, column)]
                font = book.font_list[xf.font_index]
                value = sheet.cell_value(row, column)
                font_rgb = book.colour_map.get(font.colour_index)
                back_rgb = book.colour_map.get(xf.background.pattern_colour_index) \
                    if xf.background.fill_pattern else None
                if value == "" and font_rgb is None and back_rgb is None:
                    continue
                if isinstance(value, float) and value.is_integer():
                    value = int(value)
                cells[a1(row, column)] = {
                    "value": value,
                    "font_rgb": list(font_rgb) if font_rgb else None,
                    "font_height": font.height,
                    "back_rgb": list(back_rgb) if back_rgb else None,
                }
        merges = [a1(r1, c1) + ":" + a1(r2 - 1, c2 - 1) for r1, r2, c1, c2 in sheet.merged_cells]
        sheets.append({"name": sheet.name, "merges": sorted(merges), "cells": cells})
    json.dump({"sheets": sheets, "default_font_height": default_font.height}, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
