#!/usr/bin/env python3
"""Reads an .xls file with xlrd, a reader independent of our writer, and
prints what it found as JSON: every sheet with its size and its cells that
are not empty, and the warnings xlrd logged about the file's structure.

A cell is [row, column, value], both 1-based; the value of a text cell is a
string, of any other cell {"ctype": <xlrd cell type>, "value": <repr>}.
Exit status 3 when xlrd cannot be imported."""

import io
import json
import sys

try:
    import xlrd
except ImportError:
    sys.stderr.write("xlrd is not installed for %s\n" % sys.executable)
    sys.exit(3)


def cell_json(cell):
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return cell.value
    return {"ctype": cell.ctype, "value": repr(cell.value)}


def main(path):
    log = io.StringIO()
    # Rows unpadded: a cell in the last row and column must not make xlrd
    # build all 16 million cells of the sheet.
    book = xlrd.open_workbook(path, logfile=log, verbosity=0, ragged_rows=True)
    sheets = []
    for sheet in book.sheets():
        cells = [[r + 1, c + 1, cell_json(cell)]
                 for r in range(sheet.nrows)
                 for c, cell in enumerate(sheet.row(r))
                 if cell.ctype != xlrd.XL_CELL_EMPTY]
        sheets.append({"name": sheet.name, "nrows": sheet.nrows, "ncols": sheet.ncols, "cells": cells})
    json.dump({"biff": book.biff_version, "warnings": log.getvalue(), "sheets": sheets},
              sys.stdout, ensure_ascii=True)


if __name__ == "__main__":
    main(sys.argv[1])
