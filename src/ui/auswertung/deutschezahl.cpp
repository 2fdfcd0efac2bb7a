// SPDX-License-Identifier: GPL-3.0-or-later
#include "deutschezahl.h"

#include <QLocale>

#include <cmath>

namespace {

QLocale deutsch()
{
    QLocale locale(QLocale::German, QLocale::Germany);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

constexpr double festkommaGrenze = 1e12;

} // namespace

QString deutscheZahl(double wert, int nachkommastellen)
{
    if (std::fabs(wert) >= festkommaGrenze)
        return deutsch().toString(wert, 'E', 3);
    return deutsch().toString(wert, 'f', nachkommastellen);
}

QString deutscheZahlKurz(double wert, int hoechstens)
{
    if (std::fabs(wert) >= festkommaGrenze)
        return deutsch().toString(wert, 'E', 3);
    // Rounded first, then without the zeros at the end.
    const double gerundet = std::round(wert * std::pow(10.0, hoechstens)) / std::pow(10.0, hoechstens);
    return deutsch().toString(gerundet, 'g', 15);
}
