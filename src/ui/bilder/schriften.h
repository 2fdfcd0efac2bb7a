// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

// The designed fonts and their metric twins from Debian's fonts-liberation.
// The twins are asked for first: that spares the font database a fallback
// search for the designed families, which Debian lacks.

inline QFont serifSchrift()
{
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    schrift.setStyleHint(QFont::Serif);
    return schrift;
}

inline QFont sansSchrift()
{
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("MS Sans Serif")});
    schrift.setStyleHint(QFont::SansSerif);
    return schrift;
}

// The font of everything that does not name its own (menu bar, message
// boxes, tool tips): the sans twin at 9 points (12 pixels at 96 dots per
// inch), so the window looks the same on every machine.
inline QFont standardSchrift(double zoom = 1.0)
{
    QFont schrift = sansSchrift();
    schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(12 * zoom))));
    return schrift;
}
