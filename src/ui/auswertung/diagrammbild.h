// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "auswertungsfensterdaten.h"
#include "laufauswertung.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>

class QPainter;

// The evaluation's plot of a run, made afresh at a fixed size rather than
// taken from the window: a file or a worksheet looks the same whatever the
// window's size and projector zoom. Everything is drawn as vectors.

// The size of a saved plot in device-independent pixels.
inline constexpr QSize diagrammDateiGroesse(auswertungsfensterdaten::diagrammDateiBreite,
                                           auswertungsfensterdaten::diagrammDateiHoehe);

// Draws the plot laid out at `groesse` (device-independent pixels, text at
// its normal size) scaled into `ziel` of the painter.
void diagrammMalen(const LaufAuswertung& stand, QSizeF groesse, QPainter& maler, const QRectF& ziel);

// The plot as an SVG file, and as a PNG file at twice its size for projectors.
QByteArray diagrammAlsSvg(const LaufAuswertung& stand);
QByteArray diagrammAlsPng(const LaufAuswertung& stand);
