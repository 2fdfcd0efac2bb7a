#include "hilfetexte.h"

#include "zahltext.h"

#include <cmath>

namespace {

QString zahl(double wert)
{
    return QString::fromStdString(hilfetext(wert));
}

double fuehrendeZahl(const QString& text)
{
    return nachsichtigUmwandeln(text.toStdString());
}

} // namespace

QString startwertHilfe(const QString& text)
{
    return QStringLiteral("Startwert A(0) =") + zahl(fuehrendeZahl(text)) + QStringLiteral(" Spieler");
}

QString wachstumsrateHilfe(const QString& text)
{
    return QStringLiteral("Wachstumsrate p =") + zahl(10 * fuehrendeZahl(text)) + QStringLiteral("%");
}

QString feldHilfe(QPointF punkt)
{
    // Pointer positions arrive in single precision, and so is the number.
    const float x = static_cast<float>(punkt.x());
    const float y = static_cast<float>(punkt.y());
    const float individuum = std::floor(y) * 50.0f + std::floor(x) + 1.0f;
    return QStringLiteral("50x50 Zellen stellen 2500 Individuen dar      ") + zahl(individuum);
}

QString diagrammHilfe(QPointF punkt)
{
    const float x = static_cast<float>(punkt.x());
    const float y = static_cast<float>(punkt.y());
    const float n = std::floor(x);
    const float a = std::floor(y / 10.0f) * 10.0f;
    return QStringLiteral("Balkendiagramme zur Gesamtzahl der Mitspieler.    n = ") + zahl(n)
           + QStringLiteral("   A(n)= ") + zahl(a);
}
