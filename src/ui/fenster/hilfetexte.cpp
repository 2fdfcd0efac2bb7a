// SPDX-License-Identifier: GPL-3.0-or-later
#include "hilfetexte.h"

#include "zahlfelder.h"

#include <QWidget>

#include <array>
#include <cmath>


namespace {

constexpr std::array<BenannterHilfetext, 16> hilfetexte{{
    {"cmdStart", "Initialisierung der Programmparameter"},
    {"cmdZielsuche", "blau = Neu geworbene Mitspieler, gelb = Zielperson spielt bereits mit, "
                     "weiß = Doppelwerbung"},
    {"cmdErgebnis", "Übergang von A(n) auf A(n+1)"},
    {"Command2", "10 Iterationszyklen durchführen"},
    {"Command1", "Vergleich mit dem Verlauf nach dem Modell von Verhulst"},
    {"Command3", "Änderung von t muss hier initialisiert werden"},
    {"Text4", "Der Exponent t kann hier verändert werden, Dezimalzahlen mit Komma oder Punkt"},
    {"Image1", "Verhulst Iteration in verallgemeinerter Form (durch den Exponenten t)"},
    {"Command5", "Diagramme löschen"},
    {"Command6", "Histogramm über die ganze Bildschirmbreite zeigen"},
    {"Command7", "2500-Feld links im Vordergrund"},
    {"Text1", "Aktuelle Anzahl der Mitspieler"},
    {"txtdelta", "neu geworbene Mitspieler"},
    {"txtNeuSum", "Aktuelle Anzahl + Neuwerbungen"},
    {"Picture2", "Einstellungen vornehmen, Iterationen starten"},
    {"Picture3", "Herr Egon Dorozur aus Wiesenhausen"},
}};

} // namespace

std::span<const BenannterHilfetext> festeHilfetexteNachName()
{
    return hilfetexte;
}

std::vector<FesterHilfetext> festeHilfetexte(const Steuerelemente& ui)
{
    // Every control lies in the window's client area, which holds the frame.
    const QWidget* client = ui.Picture1->parentWidget();
    std::vector<FesterHilfetext> ergebnis;
    for (const BenannterHilfetext& eintrag : hilfetexte)
        ergebnis.push_back({client->findChild<QWidget*>(QString::fromLatin1(eintrag.name)), eintrag.text});
    return ergebnis;
}

QString startwertHilfe(const QString& text)
{
    return QStringLiteral("Startwert A(0) =") + hilfetextVon(fuehrendeZahl(text)) + QStringLiteral(" Spieler");
}

QString wachstumsrateHilfe(const QString& text)
{
    return QStringLiteral("Wachstumsrate p =") + hilfetextVon(10 * fuehrendeZahl(text)) + QStringLiteral("%");
}

QString feldHilfe(QPointF punkt)
{
    // Pointer positions arrive in single precision, and so is the number.
    const float x = static_cast<float>(punkt.x());
    const float y = static_cast<float>(punkt.y());
    const float individuum = std::floor(y) * 50.0f + std::floor(x) + 1.0f;
    return QStringLiteral("50x50 Zellen stellen 2500 Individuen dar      ") + hilfetextVon(individuum);
}

QString diagrammHilfe(QPointF punkt)
{
    const float x = static_cast<float>(punkt.x());
    const float y = static_cast<float>(punkt.y());
    const float n = std::floor(x);
    const float a = std::floor(y / 10.0f) * 10.0f;
    return QStringLiteral("Balkendiagramme zur Gesamtzahl der Mitspieler.    n = ") + hilfetextVon(n)
           + QStringLiteral("   A(n)= ") + hilfetextVon(a);
}
