// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// How the session reads and writes numbers in the window's boxes, beyond the
// model's number texts.

// A parameter as its scroll bar wrote it: the strict reading with the user's
// decimal separator, and the leading number should that ever fail.
double parameterLesen(const std::string& text, char dezimaltrenner);

// A value as a teacher would type it, with a point: 15 significant digits,
// no trailing zeros, an exponent below 1e-4 and from 1e15 on ("0.982",
// "1.5", "1e-05"), as C's "%.15g" writes it in any locale.
std::string fuenfzehnStellen(double wert);
