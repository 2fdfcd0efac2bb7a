// SPDX-License-Identifier: GPL-3.0-or-later
#include "zahlfelder.h"

#include "zahltext.h"

#include <QLocale>

namespace {

char dezimaltrenner()
{
    const QString trenner = QLocale().decimalPoint();
    return trenner.size() == 1 && trenner.at(0).unicode() < 128 ? trenner.at(0).toLatin1() : '.';
}

} // namespace

QString klartextVon(double wert)
{
    return QString::fromStdString(klartext(wert));
}

QString hilfetextVon(double wert)
{
    return QString::fromStdString(hilfetext(wert));
}

double fuehrendeZahl(const QString& text)
{
    return nachsichtigUmwandeln(text.toStdString());
}

double exponentVon(const QString& text)
{
    return exponentUmwandeln(text.toStdString());
}

double parameterVon(const QString& text)
{
    const std::string wert = text.toStdString();
    return strengUmwandeln(wert, dezimaltrenner()).value_or(nachsichtigUmwandeln(wert));
}
