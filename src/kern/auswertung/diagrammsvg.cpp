// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrammsvg.h"

#include "xmltext.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace {

constexpr double schriftgroesse = 12.0;
// Wider than a character of the plot's font is on average, so that a label
// laid out by this guess never runs into its neighbour: the picture is
// written without the font engine that will draw it.
constexpr double zeichenbreite = 6.7;
constexpr double marke = 12.0;         // the legend's coloured square
constexpr double linienmarke = 24.0;   // its piece of a curve's line, long enough to show the dashes
constexpr double legendenAbstand = 18.0;
constexpr double zeilenhoehe = 18.0;
constexpr double seitenrand = 16.0; // right of the plot and beside the legend
const char* const gitterFarbe = "rgb(220,220,220)";


// The pieces one after the other. (Written so rather than with operator+,
// whose literal-first form GCC 12 wrongly warns of at -O2.)
std::string verbunden(std::initializer_list<std::string_view> teile)
{
    std::string text;
    for (std::string_view teil : teile)
        text += teil;
    return text;
}


std::string farbe(Auswertungsfarbe f)
{
    return verbunden({"rgb(", std::to_string(f.rot), ",", std::to_string(f.gruen), ",", std::to_string(f.blau), ")"});
}

// The fill or stroke attribute with its opacity where the colour is translucent.
std::string malen(const char* art, Auswertungsfarbe f)
{
    std::string text = verbunden({" ", art, "=\"", farbe(f), "\""});
    if (f.deckung != 255)
        text += verbunden({" ", art, "-opacity=\"", xmlZahl(f.deckung / 255.0), "\""});
    return text;
}

// Characters, not bytes: the names hold umlauts.
double textbreite(const std::string& text)
{
    const auto zeichen = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; });
    return double(zeichen) * zeichenbreite;
}

// A box of the fill's colour, or for a curve a short piece of its line.
struct Legendeneintrag
{
    std::string name;
    Auswertungsfarbe fuellung;
    Auswertungsfarbe kante;
    const Linienreihe* linie = nullptr;
};

double markenbreite(const Legendeneintrag& eintrag)
{
    return eintrag.linie ? linienmarke : marke;
}

// A curve's stroke: colour, width and its dashes scaled to the width.
std::string strich(const Linienreihe& linie)
{
    std::string text = malen("stroke", linie.farbe) + " stroke-width=\"" + xmlZahl(linie.linienbreite) + "\"";
    if (linie.strichmuster.empty())
        return text;
    text += " stroke-dasharray=\"";
    for (std::size_t i = 0; i < linie.strichmuster.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += xmlZahl(linie.strichmuster[i] * linie.linienbreite);
    }
    return text + "\"";
}

// The curves there are, in their order: the mean, the current t, the best t.
std::vector<const Linienreihe*> linien(const Diagrammdaten& d)
{
    std::vector<const Linienreihe*> alle;
    if (d.mittel)
        alle.push_back(&*d.mittel);
    alle.push_back(&d.aktuell);
    if (d.beste)
        alle.push_back(&*d.beste);
    return alle;
}

// An entry's width: its square, a gap and its name.
double eintragsbreite(const Legendeneintrag& eintrag)
{
    return markenbreite(eintrag) + 6.0 + textbreite(eintrag.name);
}

std::vector<Legendeneintrag> legende(const Diagrammdaten& d)
{
    std::vector<Legendeneintrag> eintraege{{d.balken.name, d.balken.farbe, d.balken.farbe}};
    if (d.band)
        eintraege.push_back({d.band->name, d.band->farbe, d.band->rand});
    for (const Linienreihe* linie : linien(d))
        eintraege.push_back({linie->name, linie->farbe, linie->farbe, linie});
    return eintraege;
}

// The entries' indices row by row, each row as wide as the picture allows.
std::vector<std::vector<std::size_t>> legendenReihen(const std::vector<Legendeneintrag>& eintraege, double breite)
{
    std::vector<std::vector<std::size_t>> reihen(1);
    double belegt = 0.0;
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        const double b = eintragsbreite(eintraege[i]);
        if (!reihen.back().empty() && belegt + legendenAbstand + b > breite - seitenrand) {
            reihen.push_back({});
            belegt = 0.0;
        }
        belegt += (reihen.back().empty() ? 0.0 : legendenAbstand) + b;
        reihen.back().push_back(i);
    }
    return reihen;
}

// Cycles and players to pixels inside the plot area.
struct Flaeche
{
    double links, oben, breite, hoehe;
    const Diagrammdaten& d;

    double x(double zyklus) const { return links + (zyklus - d.x.von) / (d.x.bis - d.x.von) * breite; }
    double y(double spieler) const { return oben + hoehe - (spieler - d.y.von) / (d.y.bis - d.y.von) * hoehe; }
};

class Svg
{
public:
    std::string text;

    void linie(double x1, double y1, double x2, double y2, const char* farbe)
    {
        text += verbunden({"<line x1=\"", xmlZahl(x1), "\" y1=\"", xmlZahl(y1), "\" x2=\"", xmlZahl(x2), "\" y2=\"", xmlZahl(y2),
                           "\" stroke=\"", farbe, "\"/>"});
    }

    void beschriftung(double x, double y, const char* anker, const char* grundlinie, const std::string& inhalt,
                      const std::string& extra = {})
    {
        text += verbunden({"<text x=\"", xmlZahl(x), "\" y=\"", xmlZahl(y), "\" text-anchor=\"", anker,
                           "\" dominant-baseline=\"", grundlinie, "\"", extra, ">", xmlMaskiert(inhalt), "</text>"});
    }

    // The points as a path's data, leaving out those without a number
    // (where the model broke off): the line goes on past them.
    static std::string pfad(const Flaeche& f, const std::vector<Punkt>& punkte, bool weiter = false)
    {
        std::string daten;
        for (const Punkt& p : punkte) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y))
                continue;
            daten += verbunden({daten.empty() && !weiter ? "M" : "L", xmlZahl(f.x(p.x)), " ", xmlZahl(f.y(p.y))});
        }
        return daten;
    }
};

void achsen(Svg& svg, const Flaeche& f, const Diagrammdaten& d)
{
    const double yAbstand = (d.y.bis - d.y.von) / (d.yMarken - 1);
    for (int i = 0; i < d.yMarken; ++i) {
        const double spieler = d.y.von + i * yAbstand;
        svg.linie(f.links, f.y(spieler), f.links + f.breite, f.y(spieler), gitterFarbe);
        svg.beschriftung(f.links - 6, f.y(spieler), "end", "central", xmlZahl(spieler));
    }
    for (double n = 0; n <= d.x.bis; n += d.xSchritt) {
        svg.linie(f.x(n), f.oben, f.x(n), f.oben + f.hoehe, gitterFarbe);
        svg.beschriftung(f.x(n), f.oben + f.hoehe + 4, "middle", "hanging", xmlZahl(n));
    }
    svg.beschriftung(f.links + f.breite / 2, f.oben + f.hoehe + 22, "middle", "hanging", d.x.titel);
    const std::string mitte = xmlZahl(f.oben + f.hoehe / 2);
    svg.beschriftung(8, f.oben + f.hoehe / 2, "middle", "hanging", d.y.titel,
                     verbunden({" transform=\"rotate(-90 8 ", mitte, ")\""}));
}

void reihen(Svg& svg, const Flaeche& f, const Diagrammdaten& d, const std::string& kennung)
{
    svg.text += verbunden({"<g clip-path=\"url(#", kennung, ")\"><g", malen("fill", d.balken.farbe), ">"});
    const double halb = d.balken.balkenbreite / 2;
    for (std::size_t n = 0; n < d.balken.werte.size(); ++n) {
        const double wert = d.balken.werte[n];
        const double x = f.x(double(n) - halb);
        svg.text += verbunden({"<rect x=\"", xmlZahl(x), "\" y=\"", xmlZahl(std::min(f.y(wert), f.y(0))), "\" width=\"",
                               xmlZahl(f.x(double(n) + halb) - x), "\" height=\"", xmlZahl(std::abs(f.y(0) - f.y(wert))),
                               "\"/>"});
    }
    svg.text += "</g>";
    if (const auto& band = d.band) {
        std::vector<Punkt> unten(band->unten.rbegin(), band->unten.rend());
        svg.text += verbunden({"<path class=\"band\" d=\"", Svg::pfad(f, band->oben), Svg::pfad(f, unten, true), "Z\"",
                               malen("fill", band->farbe), malen("stroke", band->rand), " stroke-width=\"",
                               xmlZahl(band->randbreite), "\"/>"});
    }
    for (const Linienreihe* linie : linien(d))
        svg.text += verbunden({"<path d=\"", Svg::pfad(f, linie->punkte), "\" fill=\"none\"", strich(*linie),
                               " stroke-linejoin=\"round\"/>"});
    svg.text += "</g>";
}

void legendeMalen(Svg& svg, const std::vector<Legendeneintrag>& eintraege,
                  const std::vector<std::vector<std::size_t>>& reihenfolge, double breite, double hoehe)
{
    for (std::size_t r = 0; r < reihenfolge.size(); ++r) {
        double gesamt = legendenAbstand * double(reihenfolge[r].size() - 1);
        for (std::size_t i : reihenfolge[r])
            gesamt += eintragsbreite(eintraege[i]);
        double x = (breite - gesamt) / 2;
        const double y = hoehe - 6 - (double(reihenfolge.size() - r) - 0.5) * zeilenhoehe;
        for (std::size_t i : reihenfolge[r]) {
            const Legendeneintrag& e = eintraege[i];
            if (e.linie)
                svg.text += verbunden({"<path d=\"M", xmlZahl(x), " ", xmlZahl(y), "H", xmlZahl(x + linienmarke), "\" fill=\"none\"",
                                       strich(*e.linie), "/>"});
            else
                svg.text += verbunden({"<rect x=\"", xmlZahl(x + 0.5), "\" y=\"", xmlZahl(y - marke / 2 + 0.5),
                                       "\" width=\"", xmlZahl(marke - 1), "\" height=\"", xmlZahl(marke - 1), "\"",
                                       malen("fill", e.fuellung), malen("stroke", e.kante), "/>"});
            svg.beschriftung(x + markenbreite(e) + 6, y, "start", "central", e.name);
            x += eintragsbreite(e) + legendenAbstand;
        }
    }
}

} // namespace

std::string diagrammSvg(const Diagrammdaten& d, double breite, double hoehe, const std::string& kennung)
{
    const std::vector<Legendeneintrag> eintraege = legende(d);
    const auto reihenfolge = legendenReihen(eintraege, breite);
    const double links = 14 + 8 + textbreite(xmlZahl(d.y.bis)) + 8;
    const double unten = 16 + 18 + 6 + double(reihenfolge.size()) * zeilenhoehe + 8;
    const Flaeche f{links, 12, std::max(10.0, breite - links - seitenrand), std::max(10.0, hoehe - 12 - unten), d};
    Svg svg;
    svg.text = verbunden({"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", xmlZahl(breite), "\" height=\"",
                          xmlZahl(hoehe), "\" viewBox=\"0 0 ", xmlZahl(breite), " ", xmlZahl(hoehe),
                          "\" font-family=\"Liberation Sans, sans-serif\" font-size=\"", xmlZahl(schriftgroesse), "\">",
                          "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/><clipPath id=\"", kennung, "\"><rect x=\"",
                          xmlZahl(f.links), "\" y=\"", xmlZahl(f.oben), "\" width=\"", xmlZahl(f.breite), "\" height=\"",
                          xmlZahl(f.hoehe), "\"/></clipPath>"});
    achsen(svg, f, d);
    reihen(svg, f, d, kennung);
    legendeMalen(svg, eintraege, reihenfolge, breite, hoehe);
    svg.text += "</svg>";
    return svg.text;
}
