// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrammdaten.h"

#include "deutschezahl.h"
#include "histoansicht.h"
#include "spielfeld.h"

#include <algorithm>

namespace {

// An opaque colour of the chart in the main window.
constexpr Auswertungsfarbe wieImDiagramm(Farbe farbe)
{
    return {static_cast<int>((farbe >> 16) & 0xff), static_cast<int>((farbe >> 8) & 0xff),
            static_cast<int>(farbe & 0xff)};
}

constexpr Auswertungsfarbe balkenFarbe = wieImDiagramm(Histoansicht::balkenFarbe);
constexpr Auswertungsfarbe aktuellFarbe = wieImDiagramm(Histoansicht::vergleichsFarbe);
constexpr Auswertungsfarbe besteFarbe{0, 150, 60};
constexpr Auswertungsfarbe mittelFarbe{230, 120, 0};
// Violet, translucent: in front of the red bars, which show through it, and
// still plain on a projector.
constexpr Auswertungsfarbe bandFarbe{140, 60, 200, 90};
constexpr Auswertungsfarbe bandRandFarbe{110, 40, 170};
// Grey and faint: thirty of them make a cloud behind the band, not a tangle.
constexpr Auswertungsfarbe einzelspielFarbe{60, 60, 60, 70};
constexpr double einzelspielBreite = 1.0;
constexpr double kurvenbreite = 2.5;
constexpr double bandRandbreite = 2.0;
constexpr double balkenbreite = 0.6;
constexpr int yMarken = 6;

// A curve's values up to the top of the chart: a value far beyond 2500
// players would only squash the picture.
double gekappt(double wert)
{
    return std::clamp(wert, -double(Spielfeld::zellenAnzahl), 2.0 * Spielfeld::zellenAnzahl);
}

// A step between the labelled cycles that gives at most about 12 labels.
int zyklenSchritt(int letzterZyklus)
{
    for (int schritt : {1, 2, 5, 10, 20, 50, 100, 200, 500})
        if (letzterZyklus / schritt <= 12)
            return schritt;
    return 1000;
}

std::vector<Punkt> punkte(const std::vector<double>& werte, bool kappen)
{
    std::vector<Punkt> liste;
    liste.reserve(werte.size());
    for (std::size_t n = 0; n < werte.size(); ++n)
        liste.push_back({double(n), kappen ? gekappt(werte[n]) : werte[n]});
    return liste;
}

// The current t solid, the best t dashed, the mean of many games dotted.
const std::vector<double> gestrichelt{3.0, 1.5};
const std::vector<double> gepunktet{1.0, 1.5};

Linienreihe kurve(std::string name, Auswertungsfarbe farbe, const std::vector<double>& werte,
                  std::vector<double> strichmuster = {})
{
    return {std::move(name), farbe, kurvenbreite, punkte(werte, true), std::move(strichmuster)};
}

std::vector<Linienreihe> einzelspiele(const EnsembleKurven& ensemble)
{
    std::vector<Linienreihe> reihen;
    for (const std::vector<int>& spiel : ensemble.einzelspiele)
        reihen.push_back({reihen.empty() ? "Einzelne Spiele" : "", einzelspielFarbe, einzelspielBreite,
                          punkte(std::vector<double>(spiel.begin(), spiel.end()), true), {}});
    return reihen;
}

Bandreihe band(const EnsembleKurven& ensemble)
{
    return {"Band: 8 von 10 der " + std::to_string(ensemble.auftrag.spiele) + " Spiele lagen darin", bandFarbe,
            bandRandFarbe, bandRandbreite, punkte(ensemble.quantil90, false), punkte(ensemble.quantil10, false)};
}

std::string beschreibung(const LaufAuswertung& auswertung)
{
    const std::string letzter = std::to_string(static_cast<int>(auswertung.anzahlen.size()) - 1);
    std::string text = "Zyklus 0 bis " + letzter + ". Rote Balken: das Spiel, von A(0) = "
                       + deutscheZahl(auswertung.anzahlen.front(), 0) + " bis A(" + letzter
                       + ") = " + deutscheZahl(auswertung.anzahlen.back(), 0)
                       + " Mitspieler. Blaue Linie: Verhulst mit t = " + deutscheZahlKurz(auswertung.t, 6) + ".";
    if (auswertung.beste.gefunden)
        text += " Grüne Linie: Verhulst mit dem besten t = " + deutscheZahl(auswertung.beste.t, 3) + ".";
    if (auswertung.ensemble)
        text += " Orange Linie und violettes Band: Mittelwert von " + std::to_string(auswertung.ensemble->auftrag.spiele)
                + " Spielen und der Bereich, in dem 8 von 10 von ihnen lagen.";
    return text;
}

} // namespace

std::string diagrammName()
{
    return "Diagramm des Spiels und der Verhulst-Kurven";
}

std::string aktuellName(const LaufAuswertung& auswertung)
{
    return "Verhulst, t = " + deutscheZahlKurz(auswertung.t, 6);
}

std::string besteName(const LaufAuswertung& auswertung)
{
    return "Verhulst, t = " + deutscheZahlKurz(auswertung.beste.t, 3) + " (am besten)";
}

Diagrammdaten diagrammdaten(const LaufAuswertung& auswertung, int mindestensBis)
{
    const int letzter = std::max(static_cast<int>(auswertung.anzahlen.size()) - 1, mindestensBis);
    Diagrammdaten daten;
    daten.beschreibung = beschreibung(auswertung);
    daten.x = {"Zyklus n", -0.5, std::max(1, letzter) + 0.5};
    daten.xSchritt = zyklenSchritt(letzter);
    daten.y = {"Mitspieler A(n)", 0.0, double(Spielfeld::zellenAnzahl)};
    daten.yMarken = yMarken;
    daten.balken = {"Spiel A(n)", balkenFarbe, balkenbreite, auswertung.anzahlen};
    if (const auto& ensemble = auswertung.ensemble) {
        daten.einzelspiele = einzelspiele(*ensemble);
        daten.band = band(*ensemble);
        daten.mittel = kurve("Mittelwert der " + std::to_string(ensemble->auftrag.spiele) + " Spiele", mittelFarbe,
                             ensemble->mittel, gepunktet);
    }
    daten.aktuell = kurve(aktuellName(auswertung), aktuellFarbe, auswertung.verhulstAktuell);
    if (auswertung.beste.gefunden)
        daten.beste = kurve(besteName(auswertung), besteFarbe, auswertung.verhulstBeste, gestrichelt);
    return daten;
}
