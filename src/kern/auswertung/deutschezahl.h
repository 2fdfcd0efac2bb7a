// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A number as a German reader writes it, for the evaluation and a German
// spreadsheet: a decimal comma, no grouping ("1234,5", "-3", "0,25").
// Beyond a trillion the number has an exponent ("1,234E+15"). Halves round
// away from zero; a number that rounds to 0 keeps its sign ("-0,0"), 0
// itself has none. UTF-8, as every text of the evaluation.
std::string deutscheZahl(double wert, int nachkommastellen);
// A number with as many places as it needs, at most `hoechstens` ("1,5",
// "2"); below 0,0001 with an exponent ("5E-05").
std::string deutscheZahlKurz(double wert, int hoechstens);
