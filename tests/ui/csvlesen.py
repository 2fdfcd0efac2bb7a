#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the evaluation's CSV file as a German spreadsheet takes it (UTF-8
with a byte-order mark, semicolons, a header row, decimal commas) and prints
header and numbers as JSON; exits non-zero when the file is not like that."""
import codecs, csv, json, sys


def zahl(feld):
    if "." in feld:
        sys.exit(f"a point in {feld!r}: a German spreadsheet reads no decimal point")
    return float(feld.replace(",", ".")) if feld else None


with open(sys.argv[1], "rb") as datei:
    if datei.read(3) != codecs.BOM_UTF8:
        sys.exit("no byte-order mark: the umlauts would come out garbled")
with open(sys.argv[1], encoding="utf-8-sig", newline="") as datei:
    kopf, *zeilen = csv.reader(datei, delimiter=";")
if any(len(zeile) != len(kopf) for zeile in zeilen):
    sys.exit("a row has another number of fields than the header")
json.dump({"kopf": kopf, "zeilen": [[zahl(feld) for feld in zeile] for zeile in zeilen]}, sys.stdout)
