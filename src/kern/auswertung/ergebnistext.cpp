// SPDX-License-Identifier: GPL-3.0-or-later
#include "ergebnistext.h"

#include "deutschezahl.h"

namespace {

std::string fehlername(VerhulstFehler fehler)
{
    return fehler == VerhulstFehler::ueberlauf ? "Überlauf" : "kein reeller Wert";
}

std::string besteZeile(const BesteAnpassung& beste)
{
    return "Am besten passt t = " + deutscheZahl(beste.t, 3) + ": Die Verhulst-Kurve weicht dann um "
           + deutscheZahl(beste.rms, 1) + " Mitspieler von den Balken des Spiels ab.";
}

std::string keineBesteZeile(int verglichen)
{
    return "Kein t von 0 bis 8 lässt sich über alle " + std::to_string(verglichen)
           + " Zyklen rechnen: Mit jedem läuft die Verhulst-Iteration über.";
}

// How the deviation is computed, in words a pupil can follow.
std::string abweichungErklaert()
{
    return "So entsteht diese Abweichung: In jedem Zyklus den Unterschied zwischen Kurve und Balken "
           "nehmen und quadrieren, von allen Zyklen den Mittelwert bilden, daraus die Wurzel ziehen. "
           "Große Unterschiede zählen so mehr als kleine; je kleiner die Abweichung, desto besser "
           "passt die Kurve.";
}

std::string aufgezaehlt(const std::vector<int>& zyklen)
{
    std::string liste;
    for (int n : zyklen)
        liste += (liste.empty() ? "" : ", ") + std::to_string(n);
    return liste;
}

std::string ohneZielsucheZeile(const std::vector<int>& zyklen)
{
    const std::string welche = zyklen.size() == 1
                                   ? "In einem Zyklus (" + aufgezaehlt(zyklen) + ") kam"
                                   : "In " + std::to_string(zyklen.size()) + " Zyklen (" + aufgezaehlt(zyklen) + ") kam";
    return welche + " „Ergebnis“ ohne „Zielsuche“: Da konnte niemand dazukommen, und das verfälscht "
                    "das beste t. Die Tabelle markiert diese Zyklen gelb.";
}

std::string aktuelleZeile(const LaufAuswertung& auswertung)
{
    const std::string t = deutscheZahlKurz(auswertung.t, 6);
    if (auswertung.aktuell.vergleichbar)
        return "Mit dem jetzigen t = " + t + " sind es " + deutscheZahl(auswertung.aktuell.rms, 1) + " Mitspieler.";
    return "Mit dem jetzigen t = " + t + " bricht die Verhulst-Iteration bei Zyklus "
           + std::to_string(auswertung.aktuell.fehlerZyklus) + " ab (" + fehlername(auswertung.aktuell.fehler) + ").";
}

std::string ensembleZeile(const EnsembleKurven& ensemble)
{
    const EnsembleAuftrag& auftrag = ensemble.auftrag;
    std::string zeile = "Viele Spiele: " + std::to_string(auftrag.spiele) + " Spiele mit A(0) = "
                        + std::to_string(auftrag.startSpieler) + " und p = " + deutscheZahlKurz(auftrag.p, 6)
                        + " über " + std::to_string(auftrag.zyklen) + " Zyklen (so viele wie das Spiel, mindestens "
                        + std::to_string(ensembleMindestZyklen) + " und höchstens "
                        + std::to_string(ensembleHoechstZyklen)
                        + "). Die orange Linie ist ihr Mittelwert; im violetten Band lagen in jedem Zyklus "
                          "8 von 10 dieser Spiele.";
    if (ensemble.anpassung.gefunden)
        zeile += " Zu ihrem Mittelwert passt t = " + deutscheZahl(ensemble.anpassung.t, 3)
                 + " am besten (Abweichung " + deutscheZahl(ensemble.anpassung.rms, 1) + " Mitspieler).";
    return zeile;
}

// What fits and how well, and how the deviation comes about.
void anpassungAbsaetze(const LaufAuswertung& auswertung, int verglichen, std::vector<std::string>& absaetze)
{
    if (verglichen < 1) {
        absaetze.push_back("Vor dem ersten Zyklus gibt es noch nichts anzupassen: Erst „Zielsuche“ "
                           "und „Ergebnis“ liefern A(1).");
        return;
    }
    const std::string beste = auswertung.beste.gefunden ? besteZeile(auswertung.beste) : keineBesteZeile(verglichen);
    absaetze.push_back(beste + " " + aktuelleZeile(auswertung));
    if (auswertung.beste.gefunden || auswertung.aktuell.vergleichbar)
        absaetze.push_back(abweichungErklaert());
}

} // namespace

std::vector<std::string> ergebnisabsaetze(const LaufAuswertung& auswertung)
{
    std::vector<std::string> absaetze;
    const int verglichen = static_cast<int>(auswertung.anzahlen.size()) - 1;
    anpassungAbsaetze(auswertung, verglichen, absaetze);
    if (!auswertung.ohneZielsuche.empty())
        absaetze.push_back(ohneZielsucheZeile(auswertung.ohneZielsuche));
    if (auswertung.andererFaktor)
        absaetze.push_back("In diesem Spiel wurde p geändert; gerechnet ist mit dem jetzigen p = "
                           + deutscheZahlKurz(auswertung.p, 6) + ".");
    if (auswertung.zyklus > verglichen)
        absaetze.push_back("Das Programm speichert nur die ersten " + std::to_string(verglichen)
                           + " Zyklen; verglichen werden diese.");
    if (auswertung.ensemble)
        absaetze.push_back(ensembleZeile(*auswertung.ensemble));
    return absaetze;
}

std::string ergebnistext(const LaufAuswertung& auswertung)
{
    std::string text;
    for (const std::string& absatz : ergebnisabsaetze(auswertung))
        text += (text.empty() ? "" : "\n\n") + absatz;
    return text;
}
