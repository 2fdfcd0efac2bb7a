// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "feldansicht.h"
#include "freihandstift.h"
#include "histoansicht.h"
#include "zeichenflaeche.h"

// The window's two pictures as an edition without widgets of its own holds
// them: the field and the chart, each drawn by its view, with a freehand pen
// on each. The surfaces stay where they are for the object's life (the views
// and pens refer to them), so it is neither copied nor moved.
struct Spielbild
{
    Spielbild() = default;
    Spielbild(const Spielbild&) = delete;
    Spielbild& operator=(const Spielbild&) = delete;

    Zeichenflaeche feldflaeche;
    Zeichenflaeche histoflaeche;
    Feldansicht feld{feldflaeche};
    Histoansicht histo{histoflaeche};
    Freihandstift feldStift = Freihandstift::feldstift(feldflaeche);
    Freihandstift histoStift = Freihandstift::diagrammstift(histoflaeche);
};
