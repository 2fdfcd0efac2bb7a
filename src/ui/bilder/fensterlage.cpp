// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterlage.h"

#include "fensterplatz.h"

#include <cmath>

namespace {

Rechteck alsRechteck(const QRect& rechteck)
{
    return {double(rechteck.x()), double(rechteck.y()), double(rechteck.width()), double(rechteck.height())};
}

Groesse alsGroesse(QSize groesse)
{
    return {double(groesse.width()), double(groesse.height())};
}

// Whole pixels in give whole pixels out; rounding only guards the conversion.
QPoint alsPunkt(Ecke ecke)
{
    return QPoint(static_cast<int>(std::lround(ecke.x)), static_cast<int>(std::lround(ecke.y)));
}

} // namespace

QPoint imBereich(QPoint ecke, QSize groesse, const QRect& verfuegbar)
{
    return alsPunkt(::imBereich(Ecke{double(ecke.x()), double(ecke.y())}, alsGroesse(groesse), alsRechteck(verfuegbar)));
}

QPoint lageNeben(const QRect& hauptfenster, QSize groesse, const QRect& verfuegbar)
{
    return alsPunkt(platzNeben(alsRechteck(hauptfenster), alsGroesse(groesse), alsRechteck(verfuegbar)));
}
