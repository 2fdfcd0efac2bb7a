// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The number texts of the model (zahltext.h) for Qt's strings: what the
// window writes into its boxes and help line, and how it reads them back.

// Plain form: "37", "-3", "1.5".
QString klartextVon(double wert);
// Help-line form: " 37", "-3", " .5".
QString hilfetextVon(double wert);
// The leading number of a text, never failing (a text without one is 0).
double fuehrendeZahl(const QString& text);
// t as typed into its box: the leading number, with a comma between digits
// as the decimal separator as well as the point.
double exponentVon(const QString& text);
// A parameter as its scroll bar wrote it: the strict reading in the user's
// locale, should it ever fail the leading number.
double parameterVon(const QString& text);
