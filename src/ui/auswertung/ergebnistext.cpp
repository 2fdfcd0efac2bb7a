// SPDX-License-Identifier: GPL-3.0-or-later
#include "ergebnistext.h"

#include "deutschezahl.h"

#include <QStringList>

namespace {

QString fehlername(VerhulstFehler fehler)
{
    return fehler == VerhulstFehler::ueberlauf ? QStringLiteral("Überlauf") : QStringLiteral("kein reeller Wert");
}

QString besteZeile(const BesteAnpassung& beste)
{
    return QStringLiteral("Am besten passt t = %1: Die Verhulst-Kurve weicht dann um %2 Mitspieler von den "
                          "Balken des Spiels ab.")
        .arg(deutscheZahl(beste.t, 3), deutscheZahl(beste.rms, 1));
}

// How the deviation is computed, in words a pupil can follow.
QString abweichungErklaert()
{
    return QStringLiteral("So entsteht diese Abweichung: In jedem Zyklus den Unterschied zwischen Kurve und Balken "
                          "nehmen und quadrieren, von allen Zyklen den Mittelwert bilden, daraus die Wurzel ziehen. "
                          "Große Unterschiede zählen so mehr als kleine; je kleiner die Abweichung, desto besser "
                          "passt die Kurve.");
}

QString ohneZielsucheZeile(const std::vector<int>& zyklen)
{
    QStringList nummern;
    for (int n : zyklen)
        nummern << QString::number(n);
    const QString welche = zyklen.size() == 1 ? QStringLiteral("In einem Zyklus (%1) kam").arg(nummern.front())
                                              : QStringLiteral("In %1 Zyklen (%2) kam")
                                                    .arg(zyklen.size())
                                                    .arg(nummern.join(QStringLiteral(", ")));
    return welche + QStringLiteral(" „Ergebnis“ ohne „Zielsuche“: Da konnte niemand dazukommen, und das verfälscht "
                                   "das beste t. Die Tabelle markiert diese Zyklen gelb.");
}

QString aktuelleZeile(const LaufAuswertung& auswertung)
{
    const QString t = deutscheZahlKurz(auswertung.t, 6);
    if (auswertung.aktuell.vergleichbar)
        return QStringLiteral("Mit dem jetzigen t = %1 sind es %2 Mitspieler.")
            .arg(t, deutscheZahl(auswertung.aktuell.rms, 1));
    return QStringLiteral("Mit dem jetzigen t = %1 bricht die Verhulst-Iteration bei Zyklus %2 ab (%3).")
        .arg(t)
        .arg(auswertung.aktuell.fehlerZyklus)
        .arg(fehlername(auswertung.aktuell.fehler));
}

QString ensembleZeile(const EnsembleKurven& ensemble)
{
    const EnsembleAuftrag& auftrag = ensemble.auftrag;
    QString zeile = QStringLiteral("Viele Spiele: %1 Spiele mit A(0) = %2 und p = %3 über %4 Zyklen (so viele wie "
                                   "das Spiel, mindestens %5 und höchstens %6). "
                                   "Die orange Linie ist ihr Mittelwert; im violetten Band lagen in jedem Zyklus "
                                   "8 von 10 dieser Spiele.")
                        .arg(auftrag.spiele)
                        .arg(auftrag.startSpieler)
                        .arg(deutscheZahlKurz(auftrag.p, 6))
                        .arg(auftrag.zyklen)
                        .arg(ensembleMindestZyklen)
                        .arg(ensembleHoechstZyklen);
    if (ensemble.anpassung.gefunden)
        zeile += QStringLiteral(" Zu ihrem Mittelwert passt t = %1 am besten (Abweichung %2 Mitspieler).")
                     .arg(deutscheZahl(ensemble.anpassung.t, 3), deutscheZahl(ensemble.anpassung.rms, 1));
    return zeile;
}

} // namespace

QString ergebnistext(const LaufAuswertung& auswertung)
{
    QStringList absaetze;
    const int verglichen = static_cast<int>(auswertung.anzahlen.size()) - 1;
    if (verglichen < 1) {
        absaetze << QStringLiteral("Vor dem ersten Zyklus gibt es noch nichts anzupassen: Erst „Zielsuche“ "
                                   "und „Ergebnis“ liefern A(1).");
    } else {
        const QString beste = auswertung.beste.gefunden
                                  ? besteZeile(auswertung.beste)
                                  : QStringLiteral("Kein t von 0 bis 8 lässt sich über alle %1 Zyklen rechnen: "
                                                   "Mit jedem läuft die Verhulst-Iteration über.")
                                        .arg(verglichen);
        absaetze << beste + QLatin1Char(' ') + aktuelleZeile(auswertung);
        if (auswertung.beste.gefunden || auswertung.aktuell.vergleichbar)
            absaetze << abweichungErklaert();
    }
    if (!auswertung.ohneZielsuche.empty())
        absaetze << ohneZielsucheZeile(auswertung.ohneZielsuche);
    if (auswertung.andererFaktor)
        absaetze << QStringLiteral("In diesem Spiel wurde p geändert; gerechnet ist mit dem jetzigen p = %1.")
                        .arg(deutscheZahlKurz(auswertung.p, 6));
    if (auswertung.zyklus > verglichen)
        absaetze << QStringLiteral("Das Programm speichert nur die ersten %1 Zyklen; verglichen werden diese.")
                        .arg(verglichen);
    if (auswertung.ensemble)
        absaetze << ensembleZeile(*auswertung.ensemble);
    return absaetze.join(QStringLiteral("\n\n"));
}
