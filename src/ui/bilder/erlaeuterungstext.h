// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <span>
#include <vector>

class QPainter;

// The explanation picture: a framed text about the two models, drawn as a
// vector drawing in its own units (600 to the inch) at any scale.

// A piece of a line in one style.
struct ErlaeuterungsLauf
{
    const char* text; // UTF-8
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    QRgb farbe = qRgb(0, 0, 0);
};

// A line of text: its baseline in drawing units, its size in points and its
// pieces from left to right.
struct ErlaeuterungsZeile
{
    int grundlinie;
    double punkte;
    std::vector<ErlaeuterungsLauf> laeufe;
};

namespace erlaeuterung {

inline constexpr double einheitenProZoll = 600.0;
// Size of the drawing in its units; the last line of text lies below it.
inline constexpr QSizeF bildGroesse(2557.0, 2179.0);
// Left edge of every line of text.
inline constexpr double linkerRand = 31.0;
// Logical pixels per unit at zoom 1 (96 pixels to the inch).
inline constexpr double pixelProEinheit = 96.0 / einheitenProZoll;
// The frame is a blue line 6 units wide along (3,3)-(2553,2166); the light
// grey area lies inside it behind the text.
inline constexpr double rahmenBreite = 6.0;
inline constexpr QRectF rahmenLinie(QPointF(3, 3), QPointF(2553, 2166));
inline constexpr QRectF grauFlaeche(QPointF(31, 31), QPointF(2527, 2139));
inline constexpr QRgb rahmenFarbe = qRgb(0, 0, 255);
inline constexpr QRgb hellgrau = qRgb(243, 243, 243);

// The lines of text, top to bottom.
std::span<const ErlaeuterungsZeile> zeilen();
// Height in units from the top of the drawing to the lowest descender of the
// last line, which lies below the drawing.
double textUnterkante();

} // namespace erlaeuterung

// Paints the picture with its top-left corner at the painter's origin, one
// drawing unit being `pixelsPerUnit` logical pixels. Areas and the frame are
// aligned to device pixels, so the painter should only scale and translate.
void paintErlaeuterung(QPainter& painter, double pixelsPerUnit);
