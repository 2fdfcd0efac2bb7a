#pragma once

#include <QFont>
#include <QString>

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
