// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laufauswertung.h"

#include <QByteArray>
#include <QDate>

class QPagedPaintDevice;

// The worksheet: one A4 page in German to hand out or to put on the class's
// learning platform. Title, date, A(0), p and t; the result sentences of the
// evaluation; its plot as vectors with the legend; as many rows of the table
// as fit (a note says which are left out); and empty lines headed "Meine
// Beobachtungen". The printer and the PDF file get the same drawing.

// A4 upright with margins of 15 mm (a printer may need wider ones).
void arbeitsblattEinrichten(QPagedPaintDevice& seite);
// Draws the page; false when the device cannot be painted on.
bool arbeitsblattZeichnen(QPagedPaintDevice& seite, const LaufAuswertung& stand, QDate datum);
// The page as a PDF file with its fonts embedded.
QByteArray arbeitsblattAlsPdf(const LaufAuswertung& stand, QDate datum);
