// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A number as a German reader writes it, for the evaluation and a German
// spreadsheet: a decimal comma, no grouping ("1234,5", "-3", "0,25").
// Beyond a trillion the number has an exponent ("1,234E+15").
QString deutscheZahl(double wert, int nachkommastellen);
// A number with as many places as it needs, at most `hoechstens` ("1,5", "2").
QString deutscheZahlKurz(double wert, int hoechstens);
