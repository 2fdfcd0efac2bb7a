#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the evaluation's CSV file as a German spreadsheet would take it:
UTF-8 with a byte-order mark, semicolons between the fields, a header row,
numbers with a decimal comma. Prints the header and the numbers as JSON
(null for an empty field); exits non-zero when the file is not like that."""
import codecs
import csv
import json
import sys


def zahl(feld):
    if feld == "":
        return None
    if "." in feld:
        sys.exit(f"a point in {feld!r}: a German spreadsheet reads no decimal point")
    return float(feld.replace(",", "."))


def main(pfad):
    with open(pfad, "rb") as datei:
        if not datei.read(3) == codecs.BOM_UTF8:
            sys.exit("no byte-order mark: the umlauts would come out garbled")
    with open(pfad, encoding="utf-8-sig", newline="") as datei:
        kopf, *zeilen = csv.reader(datei, delimiter=";")
    for nummer, zeile in enumerate(zeilen, start=2):
        if len(zeile) != len(kopf):
            sys.exit(f"row {nummer} has {len(zeile)} fields, the header {len(kopf)}")
    json.dump({"kopf": kopf, "zeilen": [[zahl(feld) for feld in zeile] for zeile in zeilen]}, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
