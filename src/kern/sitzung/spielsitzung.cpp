// SPDX-License-Identifier: GPL-3.0-or-later
#include "spielsitzung.h"

#include "hilfezeilentexte.h"
#include "json.h"
#include "kastentexte.h"
#include "meldungstexte.h"
#include "spielnummer.h"
#include "standardzufallsquelle.h"
#include "zahltext.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

using S = Steuerelement;

Spielsitzung::Spielsitzung(Bedienung& bedienung, Zeichenflaeche& feldflaeche, Zeichenflaeche& histoflaeche,
                           std::unique_ptr<Zufallsquelle> zufall)
    : m_bedienung(bedienung)
    , m_zufall(zufall ? std::move(zufall) : std::make_unique<StandardZufallsquelle>())
    , m_feld(feldflaeche)
    , m_histo(histoflaeche)
    , m_feldStift(Freihandstift::feldstift(feldflaeche))
    , m_histoStift(Freihandstift::diagrammstift(histoflaeche))
{
}

Spielsitzung::~Spielsitzung() = default;

void Spielsitzung::startUp()
{
    m_exponentT = 1.0;
    m_bedienung.sichtbarSetzen(S::HScroll1, false);
    m_bedienung.sichtbarSetzen(S::txtSkala, false);
    cmdStartClick();
    m_bedienung.sichtbarSetzen(S::Command4, false);
}

// ---- Monte-Carlo initialisation and the field ----

void Spielsitzung::allesZuruecksetzen()
{
    m_histo.spaltenMitGeisterbalken(m_spielfeld);
    m_spielfeld.allesZuruecksetzen();
    m_feld.feldgitterZeichnen();
    m_histo.histoGitterZeichnen(m_bedienung.wert(S::HScroll1));
}

void Spielsitzung::cmdStartClick()
{
    allesZuruecksetzen();
    const double a0 = parameter(S::txtStart);
    const double hoechstens = Spielfeld::zellenAnzahl;
    const int startzahl = std::isfinite(a0) && a0 > 0 ? static_cast<int>(std::min(a0, hoechstens)) : 0;
    m_feld.startSpielerZeichnen(m_spielfeld.startSpielerSetzen(startzahl, *m_zufall));
    m_bericht.starts.push_back({startzahl, {}});
    m_offenerZyklus = {};
    m_histo.startbalkenZeichnen(nachsichtigUmwandeln(m_bedienung.text(S::txtStart)));
    m_bedienung.textSetzen(S::Text1, m_bedienung.text(S::txtStart));
    beschreibungenAktualisieren();
    command7Click();
    m_bedienung.spielGeaendert();
}

bool Spielsitzung::spielNummerSetzen(int nummer)
{
    const std::optional<std::uint32_t> startwert = spielStartwert(nummer);
    if (!startwert || m_beendet)
        return false;
    m_zufall = std::make_unique<StandardZufallsquelle>(*startwert);
    m_spielNummer = nummer;
    m_bedienung.titelSetzen(fenstertitelFuer(nummer));
    spielVomProgrammstart();
    return true;
}

bool Spielsitzung::wiederherstellen(const Spielbericht& bericht)
{
    if (m_beendet || !nachspielen(bericht).nachvollziehbar)
        return false;
    // In the boxes as a pupil would type them, each read back to the same number.
    const auto eintragen = [this](Steuerelement kasten, double wert) {
        std::string text = genaueZahl(wert);
        std::replace(text.begin(), text.end(), '.', m_bedienung.dezimaltrenner());
        m_bedienung.textSetzen(kasten, text);
    };
    eintragen(S::txtStart, bericht.starts.front().a0);
    if (!spielNummerSetzen(bericht.nummer))
        return false;
    for (std::size_t s = 0; s < bericht.starts.size(); ++s) {
        if (s > 0) {
            eintragen(S::txtStart, bericht.starts[s].a0);
            cmdStartClick();
        }
        for (const Zyklusbericht& zyklus : bericht.starts[s].zyklen) {
            for (double p : zyklus.durchgaenge) {
                eintragen(S::txtFaktor, p);
                cmdZielsucheClick();
            }
            cmdErgebnisClick();
        }
    }
    m_bedienung.spielGeaendert();
    return m_bericht == bericht;
}

void Spielsitzung::spielVomProgrammstart()
{
    // A key that still reaches an ended page changes nothing.
    if (m_beendet)
        return;
    m_zufall->zumStart();
    m_bericht = {m_spielNummer, {}};
    // After a start there is no last run to show as pale bars.
    m_spielfeld = Spielfeld();
    m_bedienung.textSetzen(S::txtdelta, "");
    m_bedienung.textSetzen(S::txtNeuSum, "");
    m_bedienung.wertSetzen(S::HScroll2, m_bedienung.minimum(S::HScroll2));
    command5Click();
    cmdStartClick();
}

void Spielsitzung::command7Click()
{
    m_bedienung.nachVorn(S::picAusgabe);
}

// ---- Parameter inputs ----

void Spielsitzung::vscStartChange(int wert)
{
    parameterSetzen(S::txtStart, wert);
    m_bedienung.textSetzen(S::Text1, m_bedienung.text(S::txtStart));
    cmdStartClick();
}

void Spielsitzung::vscFaktorChange(int wert)
{
    parameterSetzen(S::txtFaktor, wert);
    m_bedienung.spielGeaendert();
}

void Spielsitzung::parameterSetzen(Steuerelement kasten, int wert)
{
    const std::string neu = klartext(static_cast<double>(wert));
    if (m_bedienung.text(kasten) == neu)
        return;
    m_bedienung.textSetzen(kasten, neu);
    textEdited(kasten);
}

void Spielsitzung::textEdited(Steuerelement kasten)
{
    if (kasten == S::txtStart || kasten == S::txtFaktor)
        m_bedienung.hilfeZeigen(hilfetext(kasten));
}

std::string Spielsitzung::hilfetext(Steuerelement kasten) const
{
    const std::string text = m_bedienung.text(kasten);
    return kasten == S::txtStart ? startwertHilfe(text) : wachstumsrateHilfe(text);
}

double Spielsitzung::parameter(Steuerelement kasten) const
{
    return parameterLesen(m_bedienung.text(kasten), m_bedienung.dezimaltrenner());
}

double Spielsitzung::wachstumsrate() const
{
    return parameter(S::txtFaktor);
}

// ---- One cycle: recruitment pass and commit ----

void Spielsitzung::cmdZielsucheClick()
{
    const double p = wachstumsrate();
    const Zielsuchergebnis ergebnis = m_spielfeld.zielsuche(p, *m_zufall);
    m_offenerZyklus.durchgaenge.push_back(p);
    for (const Werbeversuch& versuch : ergebnis.versuche)
        m_feld.zielVersuchZeichnen(versuch);

    // The count of new recruits is raised through its own box, one at a time.
    m_bedienung.textSetzen(S::txtdelta, "0");
    for (std::size_t i = 0; i < ergebnis.neuGeworbene.size(); ++i)
        m_bedienung.textSetzen(S::txtdelta, klartext(nachsichtigUmwandeln(m_bedienung.text(S::txtdelta)) + 1));
    m_bedienung.textSetzen(S::txtNeuSum, klartext(nachsichtigUmwandeln(m_bedienung.text(S::Text1))
                                                  + nachsichtigUmwandeln(m_bedienung.text(S::txtdelta))));
}

void Spielsitzung::cmdErgebnisClick()
{
    m_feld.feldgitterZeichnen();
    m_bedienung.textSetzen(S::txtdelta, "");
    m_bedienung.textSetzen(S::txtNeuSum, "");
    const Zyklusergebnis ergebnis = m_spielfeld.zyklusAbschliessen();
    m_offenerZyklus.anzahl = ergebnis.anzahlSpieler;
    if (m_bericht.starts.empty())
        m_bericht.starts.push_back({0, {}});
    m_bericht.starts.back().zyklen.push_back(std::exchange(m_offenerZyklus, {}));
    m_feld.ergebnisZeichnen(m_spielfeld);
    m_bedienung.textSetzen(S::Text1, klartext(static_cast<double>(ergebnis.anzahlSpieler)));
    m_bedienung.wertSetzen(S::HScroll2,
                           Histoansicht::schieberwertNachZyklus(ergebnis.zyklus, m_bedienung.wert(S::HScroll2)));
    m_histo.balkenZeichnen(ergebnis.zyklus, ergebnis.anzahlSpieler);
    beschreibungenAktualisieren();
    m_bedienung.spielGeaendert();
}

void Spielsitzung::beschreibungenAktualisieren()
{
    m_bedienung.beschreibungSetzen(S::picAusgabe, Feldansicht::beschreibung(m_spielfeld));
    m_bedienung.beschreibungSetzen(S::picHisto,
                                   Histoansicht::beschreibung(m_spielfeld.zyklus(), m_bedienung.text(S::Text1)));
}

// ---- The quick run and the program's end ----

bool Spielsitzung::command2Click()
{
    if (m_beendet)
        return false;
    const bool schonLaufend = m_schnelldurchlauf.laeuft();
    return m_schnelldurchlauf.klick() && !schonLaufend;
}

bool Spielsitzung::schnelldurchlaufWeiter()
{
    while (const auto schritt = m_schnelldurchlauf.naechsterSchritt()) {
        switch (*schritt) {
        case Schnelldurchlauf::Schritt::ereignisse:
            return true;
        case Schnelldurchlauf::Schritt::zielsuche:
            cmdZielsucheClick();
            break;
        case Schnelldurchlauf::Schritt::ergebnis:
            cmdErgebnisClick();
            break;
        }
    }
    return false;
}

void Spielsitzung::programmBeenden()
{
    m_beendet = true;
    m_schnelldurchlauf.beenden();
}

// ---- The chart ----

void Spielsitzung::command5Click()
{
    m_histo.loeschen();
    m_histo.histoGitterZeichnen(m_bedienung.wert(S::HScroll1));
}

void Spielsitzung::command6Click()
{
    m_bedienung.nachVorn(S::picHisto);
}

// ---- The pointer on the pictures: the help line and the freehand pens ----

Freihandstift& Spielsitzung::stift(Steuerelement bild)
{
    return bild == S::picAusgabe ? m_feldStift : m_histoStift;
}

void Spielsitzung::mouseDown(Steuerelement bild, Punkt punkt)
{
    stift(bild).druecken(punkt);
}

void Spielsitzung::mouseMove(Steuerelement bild, Punkt punkt)
{
    m_bedienung.hilfeZeigen(bild == S::picAusgabe ? feldHilfe(punkt) : diagrammHilfe(punkt));
    stift(bild).bewegen(punkt);
}

void Spielsitzung::mouseUp(Steuerelement bild)
{
    stift(bild).loslassen();
}

// ---- The Verhulst model ----

VerhulstFolge Spielsitzung::verhulstLinien(Histoansicht::Kurve art)
{
    VerhulstFolge folge =
        verhulstFolge(parameter(S::txtStart), wachstumsrate(), m_exponentT, m_bedienung.wert(S::HScroll1));
    m_histo.verhulstLinienZeichnen(folge.werte, art);
    return folge;
}

void Spielsitzung::verhulstKurve(Histoansicht::Kurve art, std::function<void()> danach)
{
    const VerhulstFolge folge = verhulstLinien(art);
    if (folge.fehler == VerhulstFehler::keiner) {
        if (danach)
            danach();
        return;
    }
    m_bedienung.meldungZeigen("Kettenbrief", verhulstFehlertext(folge.fehler, folge.fehlerZyklus),
                              danach ? std::move(danach) : [] {});
}

void Spielsitzung::command1Click()
{
    verhulstKurve(Histoansicht::Kurve::vergleich);
}

void Spielsitzung::command3Click()
{
    // A fade that fails stops where it failed and says so; the new t is
    // taken over all the same, so a smaller t always gets the class out.
    verhulstKurve(Histoansicht::Kurve::verblasst,
                  [this] { exponentSetzen(exponentUmwandeln(m_bedienung.text(S::Text4))); });
}

void Spielsitzung::exponentSetzen(double t)
{
    if (t > groesstesT) {
        t = groesstesT;
        m_bedienung.textSetzen(S::Text4, klartext(groesstesT));
    }
    m_exponentT = t;
    m_bedienung.textSetzen(S::txtExponent, "t =" + ::hilfetext(t));
    // "t =" stays in view, however long the number.
    m_bedienung.anfangZeigen(S::txtExponent);
    m_histo.senkrechteGitterlinien();
    m_bedienung.spielGeaendert();
}

void Spielsitzung::exponentUebernehmen(double t)
{
    m_bedienung.textSetzen(S::Text4, fuenfzehnStellen(t));
    // The old t is being thrown away: where its curve fails is no news.
    verhulstLinien(Histoansicht::Kurve::verblasst);
    exponentSetzen(t);
    verhulstKurve(Histoansicht::Kurve::vergleich);
}

// ---- The explanation panel ----

void Spielsitzung::cmdStochClick()
{
    m_bedienung.sichtbarSetzen(S::image2, true);
    m_bedienung.sichtbarSetzen(S::Command8, true);
}

void Spielsitzung::command8Click()
{
    m_bedienung.sichtbarSetzen(S::image2, false);
    m_bedienung.sichtbarSetzen(S::Command8, false);
}

void Spielsitzung::erlaeuterungSchliessen()
{
    if (m_bedienung.sichtbar(S::image2))
        command8Click();
}
