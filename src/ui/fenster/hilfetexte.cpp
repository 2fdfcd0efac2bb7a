// SPDX-License-Identifier: GPL-3.0-or-later
#include "hilfetexte.h"

#include "picturewidget.h"
#include "zahlfelder.h"

#include <QLineEdit>
#include <QPushButton>

#include <cmath>


std::vector<FesterHilfetext> festeHilfetexte(const Steuerelemente& ui)
{
    return {
        {ui.cmdStart, "Initialisierung der Programmparameter"},
        {ui.cmdZielsuche, "blau = Neu geworbene Mitspieler, gelb = Zielperson spielt bereits mit, "
                          "weiß = Doppelwerbung"},
        {ui.cmdErgebnis, "Übergang von A(n) auf A(n+1)"},
        {ui.Command2, "10 Iterationszyklen durchführen"},
        {ui.Command1, "Vergleich mit dem Verlauf nach dem Modell von Verhulst"},
        {ui.Command3, "Änderung von t muss hier initialisiert werden"},
        {ui.Text4, "Der Exponent t kann hier verändert werden, Dezimalzahlen mit Komma oder Punkt"},
        {ui.Image1, "Verhulst Iteration in verallgemeinerter Form (durch den Exponenten t)"},
        {ui.Command5, "Diagramme löschen"},
        {ui.Command6, "Histogramm über die ganze Bildschirmbreite zeigen"},
        {ui.Command7, "2500-Feld links im Vordergrund"},
        {ui.Text1, "Aktuelle Anzahl der Mitspieler"},
        {ui.txtdelta, "neu geworbene Mitspieler"},
        {ui.txtNeuSum, "Aktuelle Anzahl + Neuwerbungen"},
        {ui.Picture2, "Einstellungen vornehmen, Iterationen starten"},
        {ui.Picture3, "Herr Egon Dorozur aus Wiesenhausen"},
    };
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
