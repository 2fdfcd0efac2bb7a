// SPDX-License-Identifier: GPL-3.0-or-later
#include "arbeitsblattseite.h"

#include "arbeitsblattdaten.h"
#include "auswertungszeilen.h"
#include "diagrammdaten.h"
#include "diagrammsvg.h"
#include "ergebnistext.h"
#include "xmltext.h"

namespace {

namespace a = arbeitsblattdaten;

constexpr double a4BreiteMm = 210;
constexpr double a4HoeheMm = 297;

std::string element(const char* art, const char* klasse, const std::string& inhalt)
{
    std::string text = "<";
    text += art;
    if (*klasse != '\0') {
        text += " class=\"";
        text += klasse;
        text += '"';
    }
    text += '>';
    text += inhalt;
    text += "</";
    text += art;
    text += '>';
    return text;
}

std::string reihe(const std::vector<std::string>& zellen, const char* art)
{
    std::string inhalt;
    for (const std::string& zelle : zellen)
        inhalt += element(art, "", xmlMaskiert(zelle));
    return element("tr", "", inhalt);
}

std::string tabelle(const std::vector<std::vector<std::string>>& alle)
{
    std::string inhalt = reihe(alle.front(), "th");
    for (std::size_t i = 1; i < alle.size(); ++i)
        inhalt += reihe(alle[i], "td");
    return element("div", "blattTabelle", element("table", "", inhalt));
}

std::string absaetze(const LaufAuswertung& stand)
{
    std::string text;
    for (const std::string& absatz : ergebnisabsaetze(stand)) {
        if (!text.empty())
            text += "\n\n";
        text += absatz;
    }
    return text;
}

std::string diagramm(const LaufAuswertung& stand)
{
    const double breite = (a4BreiteMm - 2 * a::randMm) * a::diagrammPixelProMm;
    const double hoehe = a::diagrammHoeheMm * a::diagrammPixelProMm;
    return element("div", "blattDiagramm", diagrammSvg(diagrammdaten(stand), breite, hoehe, "blattflaeche"));
}

std::string beobachtungen()
{
    std::string inhalt = element("h2", "", xmlMaskiert(a::beobachtungen));
    for (int i = 0; i < a::beobachtungsZeilen; ++i)
        inhalt += element("div", "blattLinie", "");
    return element("div", "blattBeobachtungen", inhalt);
}

std::string mm(double wert) { return xmlZahl(wert) + "mm"; }
std::string pt(double wert) { return xmlZahl(wert) + "pt"; }

} // namespace

Arbeitsblattseite arbeitsblattseite(const LaufAuswertung& stand, const std::string& datum)
{
    const std::vector<std::vector<std::string>> alle = Auswertungszeilen(stand).alle();
    Arbeitsblattseite seite;
    seite.html = element("div", "blattKopf",
                         element("h1", "blattTitel", xmlMaskiert(a::titel)) + element("span", "", xmlMaskiert(a::namenszeile)));
    seite.html += element("p", "", xmlMaskiert(a::kopfzeile(stand, datum)));
    seite.html += element("p", "", xmlMaskiert(absaetze(stand)));
    seite.html += diagramm(stand) + tabelle(alle) + beobachtungen();
    seite.zyklen = static_cast<int>(alle.size()) - 1;
    // The cycle's column is half as wide as the others.
    const double spalten = static_cast<double>(alle.front().size()) - 0.5;
    seite.masse = {{"rand", mm(a::randMm)}, {"abstand", mm(a::abstandMm)}, {"diagramm", mm(a::diagrammHoeheMm)},
                   {"zeile", mm(a::zeilenabstandBeobachtungMm)}, {"breite", mm(a4BreiteMm - 2 * a::randMm)},
                   {"hoehe", mm(a4HoeheMm - 2 * a::randMm)}, {"titel", pt(a::titelPunkte)},
                   {"text", pt(a::textPunkte)}, {"beobachtungen", pt(a::beobachtungenPunkte)},
                   {"tabelle", pt(a::tabellenPunkte)}, {"spalten", xmlZahl(spalten)}};
    return seite;
}

std::string arbeitsblattPapier()
{
    std::string regel = "@page { size: A4 portrait; margin: ";
    regel += mm(a::randMm);
    regel += "; }";
    return regel;
}
