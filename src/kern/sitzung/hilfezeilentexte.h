// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zeichenop.h"

#include <span>
#include <string>

// The help line's texts. A control's fixed text shows whenever the pointer
// moves over it; the others are composed from values, a number joining its
// literal in help-line form (a blank before a value of 0 or more, "-"
// before a negative).

struct BenannterHilfetext
{
    const char* name; // the control's name in the design
    const char* text; // UTF-8
};
std::span<const BenannterHilfetext> festeHilfetexteNachName();

// Over or on a change of the start number's box; `text` is the box's text.
std::string startwertHilfe(const std::string& text);
// Over or on a change of the growth rate's box: ten times p, in percent.
std::string wachstumsrateHilfe(const std::string& text);
// Over the field at user point (x, y): the individual 50 * floor(y) + floor(x) + 1.
std::string feldHilfe(Punkt punkt);
// Over the chart at user point (x, y): the cycle floor(x) and the players
// floor(y / 10) * 10.
std::string diagrammHilfe(Punkt punkt);
