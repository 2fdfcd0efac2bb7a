// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number texts of the window and the two ways of reading numbers back.
// All of them are independent of the C library's locale.

// Plain form for number boxes and scroll-bar values: the decimal digits alone,
// "-" in front of a negative value, no blank, no grouping ("37").
std::string klartext(long long wert);
std::string klartext(double wert);

// Help-line form, for numbers joined to a literal: one blank in front of a
// value of 0 or more, "-" in front of a negative one, the point as decimal
// separator, no 0 before the point between -1 and 1, at most 15 significant
// digits and no trailing zeros (" 10", "-3", " .5", " 1.5"). A value that
// rounds (to 15 digits) to 1E+15 or more, or to less than 1E-4, is written
// with an exponent (" 1E+20", " 1E-05").
std::string hilfetext(double wert);

// Strict conversion: blanks around the number are allowed, the decimal
// separator is the one given (the user's locale), an exponent E[sign]digits
// may follow. Anything else, the empty text and a value beyond the double
// range included, is an error (no value); a value too small to represent
// reads as 0.
std::optional<double> strengUmwandeln(std::string_view text, char dezimaltrenner);

// Lenient conversion: skips leading blanks and reads the longest number at
// the start of the text (optional sign, digits with at most one point, an
// optional exponent E[sign]digits); the point is the only decimal separator,
// so a comma ends the number. A text without a leading number gives 0. It
// never fails: a number beyond the double range gives the largest finite
// value of its sign, one too small to represent gives 0.
double nachsichtigUmwandeln(std::string_view text);

// The reading of the box of t: the lenient conversion, but a comma between
// two digits of the number's first digits is its decimal separator, as a
// point would be ("1,5" is 1.5, "0,975" is .975, as the evaluation writes
// t). Any other comma ends the number ("1,", ",5" and "1.5,2" read 1, 0
// and 1.5).
double exponentUmwandeln(std::string_view text);
