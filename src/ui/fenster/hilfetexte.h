// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steuerelemente.h"

#include <QPointF>
#include <QString>

#include <span>
#include <vector>

// A control's fixed help text, shown whenever the pointer moves over it.
struct FesterHilfetext
{
    QWidget* steuerelement;
    const char* text; // UTF-8
};
std::vector<FesterHilfetext> festeHilfetexte(const Steuerelemente& ui);

// The same texts by control name, for the page in the browser as well.
struct BenannterHilfetext
{
    const char* name;
    const char* text; // UTF-8
};
std::span<const BenannterHilfetext> festeHilfetexteNachName();

// The help-line texts composed from values: a number joins its literal in
// help-line form (a blank before a value of 0 or more, "-" before a negative).

// Over or on a change of the start number's box; `text` is the box's text.
QString startwertHilfe(const QString& text);
// Over or on a change of the growth rate's box: ten times p, in percent.
QString wachstumsrateHilfe(const QString& text);
// Over the field at user point (x, y): the individual 50 * floor(y) + floor(x) + 1.
QString feldHilfe(QPointF punkt);
// Over the chart at user point (x, y): the cycle floor(x) and the players
// floor(y / 10) * 10.
QString diagrammHilfe(QPointF punkt);
