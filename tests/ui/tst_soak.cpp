// SPDX-License-Identifier: GPL-3.0-or-later
// Soak test: many thousand random events on the real window, and after every
// one the rules the game must keep. The events come from a seeded generator.
// Under CTest a fixed set of seeds runs (each printed at its start), so a
// failure in CI replays from its log. KETTENBRIEF_SOAK_SEED runs one seed of
// one's choice instead ("zufall": a new random one, printed), and
// KETTENBRIEF_SOAK_EVENTS sets the length of each run. Every failure names
// the seed and the event, so "KETTENBRIEF_SOAK_SEED=s KETTENBRIEF_SOAK_EVENTS=n+1"
// repeats it.
//
// The test keeps its own account of the game: the cycle count since the last
// initialisation (Monte-Carlo initialisieren or a new start number), the
// counts of the committed cycles (the history), the exponent t and which of
// the two pictures lies in front. Quick runs process the waiting events
// between their steps; the test posts a chain of events before a quick run,
// one event per pass of the run's event processing, and books the run's own
// steps between them.

#include "fensterhilfen.h"
#include "verhulst.h"
#include "zahltext.h"

#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRandomGenerator>

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

using namespace fenster;

// Fails the test with `detail` when `bedingung` does not hold. The message is
// composed only on failure: the checks run millions of times.
#define SOAK_PRUEFEN(bedingung, detail)                                                             \
    do {                                                                                            \
        if (!(bedingung)) {                                                                         \
            QVERIFY2(bedingung, qPrintable(ort() + QStringLiteral(": ") + (detail)));               \
        }                                                                                           \
    } while (false)

namespace {

// Long enough for the long game past the history's end in each run.
constexpr int standardEreignisse = 10000;
constexpr quint64 festeSeeds[]{20260201u, 4711u};
// A quick run: ten recruitment passes and ten commits, with the waiting
// events processed once before the loop and once before every step.
constexpr int laufSchritte = 20;
constexpr int laufAufrufe = laufSchritte + 1;
constexpr int verlaufGrenze = Spielfeld::verlaufGrenze;

// A whole number from the environment, or `vorgabe` when the variable is unset.
std::optional<quint64> umgebungszahl(const char* name, quint64 vorgabe)
{
    const QByteArray wert = qgetenv(name);
    if (wert.isEmpty())
        return vorgabe;
    bool ok = false;
    const quint64 zahl = wert.toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return zahl;
}

QString klar(const QString& text)
{
    QString kurz = text.size() > 40 ? text.left(37) + QStringLiteral("...") : text;
    return QStringLiteral("\"%1\" (%2 characters)").arg(kurz).arg(text.size());
}

} // namespace

class Dauerlauf;

using Handlung = void (Dauerlauf::*)();

struct Aktion
{
    const char* name;
    Handlung ausfuehren;
    int gewicht;        // at the top level, in the mixed mood
    int gewichtInnen;   // as an event inside a quick run
    bool initialisiert; // may start the game anew (left out in the long game)
    bool spielt;        // passes, commits and quick runs (rarer in the "operating" mood)
};

// The events posted into one quick run, one after the other.
struct Kette
{
    int laenge = 0;   // events to post into the run
    int gelaufen = 0; // events that ran so far
    int verbucht = 0; // steps of the run already booked
    int zusatzZyklen = 0; // cycles of runs added by a click inside this one
};

// One soak run on one window.
class Dauerlauf
{
public:
    Dauerlauf(quint64 seed, int ereignisse);

    void laufen();

private:
    enum class Stimmung { gemischt, langesSpiel, bedienen };

    // ---- the actions ----
    void klickStart();
    void klickZielsuche();
    void klickErgebnis();
    void schnelldurchlauf();
    void schnelldurchlaufUnverschachtelt();
    void klickVerhulst();
    void klickExponent();
    void klickDiagrammLoeschen();
    void klickDiagrammVorn();
    void klickFeldVorn();
    void klickSchliessen();
    void menueErlaeuterung();
    void menueInformation();
    void startwertSetzen();
    void startwertZiehen();
    void startwertTaste();
    void startwertPfeil();
    void faktorSetzen();
    void faktorTaste();
    void verschiebenSetzen();
    void verschiebenZiehen();
    void exponentEintippen();
    void mausAufFeld();
    void mausAufDiagramm();
    void schwebenUeberFlaechen();

    // ---- helpers ----
    const std::vector<Aktion>& aktionen() const;
    const Aktion& waehlen(Stimmung stimmung, bool verschachtelt);
    void ausfuehren(const Aktion& aktion);
    void quickRun(int laenge);
    void ketteWeiter(std::shared_ptr<Kette> kette);
    void laufSchritteVerbuchen(Kette& kette, int bis);

    void initialisiert(int startzahl);
    // A commit seen right after it happened.
    void commitBeobachtet(const QString& wie);
    // A commit inside a quick run that nothing watched: its count is taken
    // from the history it left, and checked against its neighbours.
    void commitUnbeobachtet();
    void pruefen();
    // True when the Verhulst curve of the current parameters fails.
    bool verhulstScheitert() const;
    void mausFolge(Bildflaeche& flaeche);
    void mausBewegen(Bildflaeche& flaeche, QPoint punkt);
    QPoint zufallspunkt(const QWidget& flaeche);
    void klickButton(const char* name);
    void menueKlicken(const QString& eintrag);

    int zufall(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }
    QString ort() const;

    quint64 m_seed;
    int m_ereignisse;
    std::mt19937_64 m_rng;
    std::unique_ptr<Form1> m_form;
    QTimer m_beantworter;
    QStringList m_beantwortet; // titles of the message boxes answered
    Qt::MouseButtons m_gehalten; // buttons pressed on a picture and not yet released

    // The test's own account of the game.
    int m_zyklus = 0;
    int m_letzteAnzahl = 0; // A(n) of the last commit, or A(0)
    bool m_anzahlBekannt = true; // false after unwatched commits beyond the history
    std::array<int, verlaufGrenze + 1> m_verlauf{};
    double m_t = 1.0;
    bool m_diagrammVorn = false;

    Stimmung m_stimmung = Stimmung::gemischt;

    // Where the run is, for the messages.
    int m_index = -1;
    const char* m_aktion = "start";
    QString m_innen;
    Kette* m_laufendeKette = nullptr; // the quick run going on, if any

    // Statistics, printed at the end.
    int m_commits = 0;
    int m_laeufe = 0;
    int m_verschachtelt = 0;
    int m_meldungen = 0;
    int m_hoechsterZyklus = 0;
};

Dauerlauf::Dauerlauf(quint64 seed, int ereignisse) : m_seed(seed), m_ereignisse(ereignisse), m_rng(seed)
{
    // Every modal message box is answered at once and its title noted.
    m_beantworter.setInterval(0);
    QObject::connect(&m_beantworter, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m_beantwortet << box->windowTitle();
            box->accept();
        }
    });
    m_beantworter.start();
}

QString Dauerlauf::ort() const
{
    QString text = QStringLiteral("seed %1, event %2 (%3)").arg(m_seed).arg(m_index).arg(QLatin1String(m_aktion));
    if (!m_innen.isEmpty())
        text += QStringLiteral(", ") + m_innen;
    return text;
}

const std::vector<Aktion>& Dauerlauf::aktionen() const
{
    // Passes, commits, starts and quick runs redraw the whole field and are
    // by far the dearest events; they are kept rare enough for a quick run
    // of the test in a Debug build.
    //  name, handler, weight, weight inside a quick run, initialises, plays
    static const std::vector<Aktion> tabelle{
        {"cmdStart", &Dauerlauf::klickStart, 16, 10, true, false},
        {"cmdZielsuche", &Dauerlauf::klickZielsuche, 30, 25, false, true},
        {"cmdErgebnis", &Dauerlauf::klickErgebnis, 40, 30, false, true},
        {"Command2 with nested events", &Dauerlauf::schnelldurchlauf, 1, 0, false, true},
        {"Command2", &Dauerlauf::schnelldurchlaufUnverschachtelt, 0, 5, false, true},
        {"Command1", &Dauerlauf::klickVerhulst, 10, 10, false, false},
        {"Command3", &Dauerlauf::klickExponent, 30, 15, false, false},
        {"Command5", &Dauerlauf::klickDiagrammLoeschen, 40, 20, false, false},
        {"Command6", &Dauerlauf::klickDiagrammVorn, 60, 30, false, false},
        {"Command7", &Dauerlauf::klickFeldVorn, 60, 30, false, false},
        {"Command8", &Dauerlauf::klickSchliessen, 50, 25, false, false},
        {"menu Erläuterung", &Dauerlauf::menueErlaeuterung, 50, 25, false, false},
        {"menu Information", &Dauerlauf::menueInformation, 10, 10, false, false},
        {"vscStart set", &Dauerlauf::startwertSetzen, 24, 12, true, false},
        {"vscStart drag", &Dauerlauf::startwertZiehen, 10, 5, true, false},
        {"vscStart key", &Dauerlauf::startwertTaste, 10, 5, true, false},
        {"vscStart arrow", &Dauerlauf::startwertPfeil, 10, 5, true, false},
        {"vscFaktor set", &Dauerlauf::faktorSetzen, 80, 40, false, false},
        {"vscFaktor key", &Dauerlauf::faktorTaste, 20, 10, false, false},
        {"HScroll2 set", &Dauerlauf::verschiebenSetzen, 80, 40, false, false},
        {"HScroll2 drag", &Dauerlauf::verschiebenZiehen, 20, 10, false, false},
        {"Text4 typed", &Dauerlauf::exponentEintippen, 120, 40, false, false},
        {"mouse on picAusgabe", &Dauerlauf::mausAufFeld, 300, 60, false, false},
        {"mouse on picHisto", &Dauerlauf::mausAufDiagramm, 300, 60, false, false},
        {"moves over the pictures", &Dauerlauf::schwebenUeberFlaechen, 240, 60, false, false},
    };
    return tabelle;
}

const Aktion& Dauerlauf::waehlen(Stimmung stimmung, bool verschachtelt)
{
    const std::vector<Aktion>& tabelle = aktionen();
    std::vector<int> gewichte;
    for (const Aktion& aktion : tabelle) {
        int gewicht = verschachtelt ? aktion.gewichtInnen : aktion.gewicht;
        if (stimmung == Stimmung::langesSpiel) {
            // Commits without passes: the cycles add up, the field stays as it is.
            if (aktion.initialisiert || aktion.ausfuehren == &Dauerlauf::klickZielsuche)
                gewicht = 0;
            else if (aktion.ausfuehren == &Dauerlauf::klickErgebnis)
                gewicht *= 60;
        } else if (stimmung == Stimmung::bedienen && aktion.spielt) {
            gewicht = (gewicht + 3) / 4;
        }
        gewichte.push_back(gewicht);
    }
    std::discrete_distribution<int> verteilung(gewichte.begin(), gewichte.end());
    return tabelle[static_cast<std::size_t>(verteilung(m_rng))];
}

void Dauerlauf::ausfuehren(const Aktion& aktion)
{
    const char* vorher = m_aktion;
    m_aktion = aktion.name;
    (this->*aktion.ausfuehren)();
    if (!QTest::currentTestFailed())
        pruefen();
    m_aktion = vorher;
}

void Dauerlauf::laufen()
{
    qInfo("soak: seed %llu, %d events (KETTENBRIEF_SOAK_SEED=%llu replays this run)",
          static_cast<unsigned long long>(m_seed), m_ereignisse, static_cast<unsigned long long>(m_seed));
    QElapsedTimer uhr;
    uhr.start();

    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    // The window starts with the default start number and no cycle.
    initialisiert(ui(*m_form).vscStart->angezeigterWert());
    pruefen();
    if (QTest::currentTestFailed())
        return;

    // Moods in blocks; one long game without initialisation, mostly
    // commits, lets the cycle count pass the end of the history.
    const int langesSpielAnfang = m_ereignisse >= 10000 ? zufall(0, m_ereignisse - 4000) : -1;
    int blockEnde = 0;
    for (m_index = 0; m_index < m_ereignisse; ++m_index) {
        if (m_index == langesSpielAnfang) {
            m_stimmung = Stimmung::langesSpiel;
            blockEnde = m_ereignisse;
        } else if (m_stimmung == Stimmung::langesSpiel && m_zyklus <= verlaufGrenze + 10) {
            // the long game goes on
        } else if (m_index >= blockEnde || m_stimmung == Stimmung::langesSpiel) {
            m_stimmung = chance(0.3) ? Stimmung::bedienen : Stimmung::gemischt;
            blockEnde = m_index + zufall(50, 600);
        }
        ausfuehren(waehlen(m_stimmung, false));
        if (QTest::currentTestFailed())
            return;
    }
    m_aktion = "end";
    qInfo("soak: %d events in %lld ms: %d commits, %d quick runs with %d nested events, %d message boxes, "
          "highest cycle %d",
          m_ereignisse, static_cast<long long>(uhr.elapsed()), m_commits, m_laeufe, m_verschachtelt, m_meldungen,
          m_hoechsterZyklus);
}

// ---- the test's account ----

void Dauerlauf::initialisiert(int startzahl)
{
    m_zyklus = 0;
    m_letzteAnzahl = startzahl;
    m_anzahlBekannt = true;
    m_diagrammVorn = false;
    const Spielfeld& feld = m_form->spielfeld();
    int besetzt = 0, markiert = 0;
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y) {
            besetzt += feld.feldBesetzt(x, y);
            markiert += feld.feldStatus(x, y);
        }
    SOAK_PRUEFEN(besetzt == startzahl,
                 QStringLiteral("%1 cells play after the start with %2 start players").arg(besetzt).arg(startzahl));
    SOAK_PRUEFEN(markiert == 0, QStringLiteral("%1 cells still marked after the start").arg(markiert));
    const int rote = roteZellen(*m_form);
    SOAK_PRUEFEN(rote == startzahl,
                 QStringLiteral("%1 red cells after the start with %2 start players").arg(rote).arg(startzahl));
    SOAK_PRUEFEN(ui(*m_form).Text1->text() == QString::number(startzahl),
                 QStringLiteral("Text1 shows %1 after the start with %2").arg(ui(*m_form).Text1->text()).arg(startzahl));
}

void Dauerlauf::commitBeobachtet(const QString& wie)
{
    ++m_commits;
    ++m_zyklus;
    m_hoechsterZyklus = std::max(m_hoechsterZyklus, m_zyklus);
    const Spielfeld& feld = m_form->spielfeld();
    const int anzahl = feld.anzahlSpieler();
    SOAK_PRUEFEN(anzahl >= 0 && anzahl <= Spielfeld::zellenAnzahl, QStringLiteral("%1: A(n) = %2 out of 0..2500").arg(wie).arg(anzahl));
    if (m_anzahlBekannt)
        SOAK_PRUEFEN(anzahl >= m_letzteAnzahl, QStringLiteral("%1: A(n) fell from %2 to %3 in cycle %4")
                                                   .arg(wie)
                                                   .arg(m_letzteAnzahl)
                                                   .arg(anzahl)
                                                   .arg(m_zyklus));
    int besetzt = 0;
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y) {
            SOAK_PRUEFEN(feld.feldStatus(x, y) == 0,
                         QStringLiteral("%1: cell (%2, %3) still marked after the commit").arg(wie).arg(x).arg(y));
            besetzt += feld.feldBesetzt(x, y);
        }
    SOAK_PRUEFEN(besetzt == anzahl, QStringLiteral("%1: A(n) = %2 but %3 cells play").arg(wie).arg(anzahl).arg(besetzt));
    const int rote = roteZellen(*m_form);
    SOAK_PRUEFEN(rote == anzahl,
                 QStringLiteral("%1: A(n) = %2 but the field shows %3 red cells").arg(wie).arg(anzahl).arg(rote));
    SOAK_PRUEFEN(ui(*m_form).Text1->text() == QString::number(anzahl),
                 QStringLiteral("%1: Text1 shows %2, A(n) = %3").arg(wie, ui(*m_form).Text1->text()).arg(anzahl));
    m_letzteAnzahl = anzahl;
    m_anzahlBekannt = true;
    if (m_zyklus <= verlaufGrenze)
        m_verlauf[static_cast<std::size_t>(m_zyklus)] = anzahl;
}

void Dauerlauf::commitUnbeobachtet()
{
    ++m_commits;
    ++m_zyklus;
    m_hoechsterZyklus = std::max(m_hoechsterZyklus, m_zyklus);
    if (m_zyklus > verlaufGrenze) {
        m_anzahlBekannt = false;
        return;
    }
    const int anzahl = m_form->spielfeld().anzahlVerlauf(m_zyklus);
    SOAK_PRUEFEN(anzahl >= 0 && anzahl <= Spielfeld::zellenAnzahl,
                 QStringLiteral("quick run: A(%1) = %2 out of 0..2500").arg(m_zyklus).arg(anzahl));
    if (m_anzahlBekannt)
        SOAK_PRUEFEN(anzahl >= m_letzteAnzahl, QStringLiteral("quick run: A(n) fell from %1 to %2 in cycle %3")
                                                   .arg(m_letzteAnzahl)
                                                   .arg(anzahl)
                                                   .arg(m_zyklus));
    m_letzteAnzahl = anzahl;
    m_anzahlBekannt = true;
    m_verlauf[static_cast<std::size_t>(m_zyklus)] = anzahl;
}

void Dauerlauf::pruefen()
{
    const Spielfeld& feld = m_form->spielfeld();
    for (int x = 0; x <= 50; ++x)
        for (int y = 0; y <= 50; ++y) {
            const int besetzt = feld.feldBesetzt(x, y), status = feld.feldStatus(x, y);
            const bool rand = x == 50 || y == 50;
            SOAK_PRUEFEN((besetzt == 0 || besetzt == 1) && (status == 0 || status == 1) &&
                             !(rand && (besetzt != 0 || status != 0)),
                         QStringLiteral("cell (%1, %2): feldBesetzt %3, feldStatus %4")
                             .arg(x)
                             .arg(y)
                             .arg(besetzt)
                             .arg(status));
        }
    SOAK_PRUEFEN(feld.zyklus() == m_zyklus,
                 QStringLiteral("cycle %1, but %2 commits since the initialisation").arg(feld.zyklus()).arg(m_zyklus));
    for (int n = 0; n <= verlaufGrenze; ++n)
        SOAK_PRUEFEN(feld.anzahlVerlauf(n) == m_verlauf[static_cast<std::size_t>(n)],
                     QStringLiteral("history of cycle %1 is %2, recorded %3")
                         .arg(n)
                         .arg(feld.anzahlVerlauf(n))
                         .arg(m_verlauf[static_cast<std::size_t>(n)]));
    const double t = m_form->exponentT();
    SOAK_PRUEFEN(std::isfinite(t), QStringLiteral("exponent t = %1").arg(t));
    SOAK_PRUEFEN(t == m_t, QStringLiteral("exponent t = %1, expected %2").arg(t, 0, 'g', 17).arg(m_t, 0, 'g', 17));

    SOAK_PRUEFEN(ui(*m_form).txtStart->text() == QString::number(ui(*m_form).vscStart->angezeigterWert()),
                 QStringLiteral("txtStart shows %1, vscStart is at %2")
                     .arg(ui(*m_form).txtStart->text())
                     .arg(ui(*m_form).vscStart->angezeigterWert()));
    SOAK_PRUEFEN(ui(*m_form).txtFaktor->text() == QString::number(ui(*m_form).vscFaktor->angezeigterWert()),
                 QStringLiteral("txtFaktor shows %1, vscFaktor is at %2")
                     .arg(ui(*m_form).txtFaktor->text())
                     .arg(ui(*m_form).vscFaktor->angezeigterWert()));
    const int verschiebung = ui(*m_form).HScroll2->value();
    // (6600 - value) twips at zoom 1, 15 to a pixel, rounded half away from 0.
    const int links = static_cast<int>(std::lround((6600 - verschiebung) / 15.0));
    SOAK_PRUEFEN(picHisto(*m_form).x() == links, QStringLiteral("chart at x = %1 with HScroll2 at %2, expected %3")
                                                      .arg(picHisto(*m_form).x())
                                                      .arg(verschiebung)
                                                      .arg(links));
    // Both pictures are children of Picture1; the later child lies in front.
    const QObjectList kinder = picHisto(*m_form).parentWidget()->children();
    const bool diagrammVorn = kinder.indexOf(&picHisto(*m_form)) > kinder.indexOf(&picAusgabe(*m_form));
    SOAK_PRUEFEN(diagrammVorn == m_diagrammVorn,
                 QStringLiteral("the %1 lies in front").arg(diagrammVorn ? QStringLiteral("chart")
                                                                         : QStringLiteral("field")));
    SOAK_PRUEFEN(m_form->isVisible(), QStringLiteral("the window has gone"));
}

// ---- buttons and menus ----

void Dauerlauf::klickButton(const char* name)
{
    QPushButton* knopf = steuerelementNamens<QPushButton>(*m_form, name);
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(knopf->width() / 2, knopf->height() / 2));
}

void Dauerlauf::menueKlicken(const QString& eintrag)
{
    QMenuBar* leiste = m_form->menuBar();
    for (QAction* aktion : leiste->actions()) {
        if (aktion->text() == eintrag) {
            QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(aktion).center());
            return;
        }
    }
    QFAIL(qPrintable(ort() + QStringLiteral(": no menu entry ") + eintrag));
}

void Dauerlauf::klickStart()
{
    klickButton("cmdStart");
    initialisiert(ui(*m_form).vscStart->angezeigterWert());
}

void Dauerlauf::klickZielsuche()
{
    klickButton("cmdZielsuche");
    // The new recruits since the last commit are the marked non-players.
    const Spielfeld& feld = m_form->spielfeld();
    int neu = 0;
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y)
            neu += feld.feldStatus(x, y) == 1 && feld.feldBesetzt(x, y) == 0;
    SOAK_PRUEFEN(ui(*m_form).txtdelta->text() == QString::number(neu),
                 QStringLiteral("txtdelta shows %1, %2 new recruits").arg(ui(*m_form).txtdelta->text()).arg(neu));
}

void Dauerlauf::klickErgebnis()
{
    const int vorher = ui(*m_form).HScroll2->value();
    klickButton("cmdErgebnis");
    commitBeobachtet(QStringLiteral("commit"));
    // 240 more per cycle after cycle 36, while it is below 18000.
    const int erwartet = m_zyklus > 36 && vorher < 18000 ? vorher + 240 : vorher;
    SOAK_PRUEFEN(ui(*m_form).HScroll2->value() == erwartet,
                 QStringLiteral("HScroll2 at %1 after cycle %2, was %3, expected %4")
                     .arg(ui(*m_form).HScroll2->value())
                     .arg(m_zyklus)
                     .arg(vorher)
                     .arg(erwartet));
}

bool Dauerlauf::verhulstScheitert() const
{
    const double a0 = ui(*m_form).vscStart->angezeigterWert();
    const double p = ui(*m_form).vscFaktor->angezeigterWert();
    const int letzter = ui(*m_form).HScroll1->value();
    return verhulstFolge(a0, p, m_t, letzter).fehler != VerhulstFehler::keiner;
}

void Dauerlauf::klickVerhulst()
{
    const bool fehler = verhulstScheitert();
    m_beantwortet.clear();
    klickButton("Command1");
    const QStringList erwartet = fehler ? QStringList{QStringLiteral("Kettenbrief")} : QStringList{};
    m_meldungen += static_cast<int>(m_beantwortet.size());
    SOAK_PRUEFEN(m_beantwortet == erwartet, QStringLiteral("message boxes [%1], expected [%2] (t = %3)")
                                                .arg(m_beantwortet.join(QStringLiteral(", ")),
                                                     erwartet.join(QStringLiteral(", ")))
                                                .arg(m_t, 0, 'g', 17));
}

void Dauerlauf::klickExponent()
{
    const bool fehler = verhulstScheitert();
    const QString eingabe = ui(*m_form).Text4->text();
    m_beantwortet.clear();
    klickButton("Command3");
    m_meldungen += static_cast<int>(m_beantwortet.size());
    const QStringList erwartet = fehler ? QStringList{QStringLiteral("Kettenbrief")} : QStringList{};
    SOAK_PRUEFEN(m_beantwortet == erwartet, QStringLiteral("message boxes [%1], expected [%2] (t = %3)")
                                                .arg(m_beantwortet.join(QStringLiteral(", ")),
                                                     erwartet.join(QStringLiteral(", ")))
                                                .arg(m_t, 0, 'g', 17));
    // A fade that fails stops there; the new t is taken over all the same.
    const double t = exponentUmwandeln(eingabe.toStdString());
    m_t = std::min(t, 8.0);
    if (t > 8.0)
        SOAK_PRUEFEN(ui(*m_form).Text4->text() == QStringLiteral("8"),
                     QStringLiteral("Text4 shows %1 after t was cut to 8").arg(klar(ui(*m_form).Text4->text())));
    SOAK_PRUEFEN(ui(*m_form).txtExponent->text() == QStringLiteral("t =") + QString::fromStdString(hilfetext(m_t)),
                 QStringLiteral("txtExponent shows %1 for %2").arg(ui(*m_form).txtExponent->text(), klar(eingabe)));
}

void Dauerlauf::klickDiagrammLoeschen()
{
    klickButton("Command5");
}

void Dauerlauf::klickDiagrammVorn()
{
    klickButton("Command6");
    m_diagrammVorn = true;
}

void Dauerlauf::klickFeldVorn()
{
    klickButton("Command7");
    m_diagrammVorn = false;
}

void Dauerlauf::klickSchliessen()
{
    // A hidden button cannot be clicked with the pointer; click() still
    // presses it.
    if (ui(*m_form).Command8->isVisibleTo(m_form.get()))
        klickButton("Command8");
    else
        ui(*m_form).Command8->click();
    SOAK_PRUEFEN(ui(*m_form).image2->isHidden() && ui(*m_form).Command8->isHidden(),
                 QStringLiteral("the explanation panel is still shown after X"));
}

void Dauerlauf::menueErlaeuterung()
{
    menueKlicken(QStringLiteral("&Erläuterung"));
    SOAK_PRUEFEN(!ui(*m_form).image2->isHidden() && !ui(*m_form).Command8->isHidden(),
                 QStringLiteral("the explanation panel is not shown"));
}

void Dauerlauf::menueInformation()
{
    m_beantwortet.clear();
    menueKlicken(QStringLiteral("&Information"));
    m_meldungen += static_cast<int>(m_beantwortet.size());
    SOAK_PRUEFEN(m_beantwortet == QStringList{QStringLiteral("Information")},
                 QStringLiteral("message boxes [%1] after Information").arg(m_beantwortet.join(QStringLiteral(", "))));
}

// ---- scroll bars ----

void Dauerlauf::startwertSetzen()
{
    TopHighScrollBar* balken = ui(*m_form).vscStart;
    static constexpr std::array<int, 8> raender{1, 50, 0, 51, -100000, 100000, 2, 49};
    const int wert = chance(0.4) ? raender[static_cast<std::size_t>(zufall(0, 7))] : zufall(1, 50);
    const int vorher = balken->angezeigterWert();
    balken->setAngezeigterWert(wert);
    const int nachher = std::clamp(wert, 1, 50);
    SOAK_PRUEFEN(balken->angezeigterWert() == nachher, QStringLiteral("vscStart at %1 after setting %2").arg(balken->angezeigterWert()).arg(wert));
    if (nachher != vorher)
        initialisiert(nachher);
}

void Dauerlauf::startwertZiehen()
{
    // The thumb is dragged and let go; only letting go sets the value.
    TopHighScrollBar* balken = ui(*m_form).vscStart;
    const int vorher = balken->angezeigterWert();
    const int zyklus = m_zyklus;
    balken->setSliderDown(true);
    for (int i = zufall(1, 4); i > 0; --i)
        balken->setSliderPosition(-zufall(1, 50));
    SOAK_PRUEFEN(m_form->spielfeld().zyklus() == zyklus && ui(*m_form).txtStart->text() == QString::number(vorher),
                 QStringLiteral("dragging alone changed the game"));
    balken->setSliderDown(false);
    if (balken->angezeigterWert() != vorher)
        initialisiert(balken->angezeigterWert());
}

void Dauerlauf::startwertTaste()
{
    TopHighScrollBar* balken = ui(*m_form).vscStart;
    static constexpr std::array<Qt::Key, 6> tasten{Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                                                   Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const int vorher = balken->angezeigterWert();
    QTest::keyClick(balken, tasten[static_cast<std::size_t>(zufall(0, 5))]);
    if (balken->angezeigterWert() != vorher)
        initialisiert(balken->angezeigterWert());
}

void Dauerlauf::startwertPfeil()
{
    TopHighScrollBar* balken = ui(*m_form).vscStart;
    const int vorher = balken->angezeigterWert();
    const int y = chance(0.5) ? 2 : balken->height() - 3;
    QTest::mouseClick(balken, Qt::LeftButton, {}, QPoint(balken->width() / 2, y));
    if (balken->angezeigterWert() != vorher)
        initialisiert(balken->angezeigterWert());
}

void Dauerlauf::faktorSetzen()
{
    TopHighScrollBar* balken = ui(*m_form).vscFaktor;
    static constexpr std::array<int, 6> raender{1, 15, 0, 16, -7, 1000};
    const int wert = chance(0.4) ? raender[static_cast<std::size_t>(zufall(0, 5))] : zufall(1, 15);
    balken->setAngezeigterWert(wert);
    SOAK_PRUEFEN(balken->angezeigterWert() == std::clamp(wert, 1, 15),
                 QStringLiteral("vscFaktor at %1 after setting %2").arg(balken->angezeigterWert()).arg(wert));
}

void Dauerlauf::faktorTaste()
{
    static constexpr std::array<Qt::Key, 4> tasten{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
    QTest::keyClick(ui(*m_form).vscFaktor, tasten[static_cast<std::size_t>(zufall(0, 3))]);
}

void Dauerlauf::verschiebenSetzen()
{
    QScrollBar* balken = ui(*m_form).HScroll2;
    static constexpr std::array<int, 7> raender{0, 24600, 18000, 17999, -1, 24601, 1000000};
    const int wert = chance(0.4) ? raender[static_cast<std::size_t>(zufall(0, 6))] : zufall(0, 24600);
    balken->setValue(wert);
    SOAK_PRUEFEN(balken->value() == std::clamp(wert, 0, 24600),
                 QStringLiteral("HScroll2 at %1 after setting %2").arg(balken->value()).arg(wert));
}

void Dauerlauf::verschiebenZiehen()
{
    QScrollBar* balken = ui(*m_form).HScroll2;
    balken->setSliderDown(true);
    for (int i = zufall(1, 5); i > 0; --i)
        balken->setSliderPosition(zufall(0, 24600));
    balken->setSliderDown(false);
}

// ---- the exponent box ----

void Dauerlauf::exponentEintippen()
{
    // What a class types for t: the number texts themselves are fuzzed on
    // their own (tests/fuzz); here t only has to reach the window's state.
    static const QStringList eingaben{
        QString(), QStringLiteral("1"), QStringLiteral("2.5"), QStringLiteral("-3"), QStringLiteral("0"),
        QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("0.5"), QStringLiteral("1,5"),
        QStringLiteral("1e999"), QStringLiteral("-1e999"), QStringLiteral("abc"), QStringLiteral(" 4"),
    };
    QLineEdit* feld = ui(*m_form).Text4;
    const QString eingabe = eingaben[zufall(0, static_cast<int>(eingaben.size()) - 1)];
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(feld, Qt::Key_Delete);
    QTest::keyClicks(feld, eingabe);
    SOAK_PRUEFEN(feld->text() == eingabe,
                 QStringLiteral("Text4 holds %1 after typing %2").arg(klar(feld->text()), klar(eingabe)));
}

// ---- the mouse on the pictures ----

QPoint Dauerlauf::zufallspunkt(const QWidget& flaeche)
{
    const int w = flaeche.width(), h = flaeche.height();
    switch (zufall(0, 5)) {
    case 0: // far outside, in any direction
        return {zufall(-1000000, 1000000), zufall(-1000000, 1000000)};
    case 1: // just outside or on an edge
        return {std::array{-1, 0, w - 1, w, w + 1}[static_cast<std::size_t>(zufall(0, 4))],
                std::array{-1, 0, h - 1, h, h + 1}[static_cast<std::size_t>(zufall(0, 4))]};
    default:
        return {zufall(0, w - 1), zufall(0, h - 1)};
    }
}

void Dauerlauf::mausBewegen(Bildflaeche& flaeche, QPoint punkt)
{
    // As QTest::mouseMove sends it while a button is down, and also without
    // one: the surfaces follow the pointer either way.
    QMouseEvent bewegung(QEvent::MouseMove, punkt, flaeche.mapToGlobal(punkt), Qt::NoButton, m_gehalten,
                         Qt::NoModifier);
    QApplication::sendEvent(&flaeche, &bewegung);
}

void Dauerlauf::mausFolge(Bildflaeche& flaeche)
{
    static constexpr std::array<Qt::MouseButton, 3> tasten{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton taste = chance(0.8) ? Qt::LeftButton : tasten[static_cast<std::size_t>(zufall(0, 2))];
    const int art = zufall(0, 9);
    if (art != 0) { // now and then moves and a release without a press
        QTest::mousePress(&flaeche, taste, {}, zufallspunkt(flaeche));
        m_gehalten |= taste;
    }
    for (int i = zufall(0, 6); i > 0; --i)
        mausBewegen(flaeche, zufallspunkt(flaeche));
    if (art != 1) { // now and then the button stays down
        QTest::mouseRelease(&flaeche, taste, {}, zufallspunkt(flaeche));
        m_gehalten &= ~Qt::MouseButtons(taste);
    }
}

void Dauerlauf::mausAufFeld()
{
    mausFolge(picAusgabe(*m_form));
}

void Dauerlauf::mausAufDiagramm()
{
    mausFolge(picHisto(*m_form));
}

void Dauerlauf::schwebenUeberFlaechen()
{
    // The pointer passes over the pictures: the help line follows it, and a
    // button still held from before draws.
    for (int i = zufall(1, 5); i > 0; --i) {
        Bildflaeche& flaeche = chance(0.5) ? picAusgabe(*m_form) : picHisto(*m_form);
        mausBewegen(flaeche, zufallspunkt(flaeche));
    }
}

// ---- quick runs ----

void Dauerlauf::schnelldurchlauf()
{
    // Up to one event for every time the run lets the waiting events run.
    quickRun(zufall(0, laufAufrufe));
}

void Dauerlauf::schnelldurchlaufUnverschachtelt()
{
    if (!m_laufendeKette) {
        quickRun(0);
        return;
    }
    // Inside a running quick run a click adds a run of its own, played right
    // after this event and before the running one goes on. Its steps take
    // the next event processing points, so the chain of events ends here.
    klickButton("Command2");
    m_laufendeKette->zusatzZyklen += 10;
    m_laufendeKette->laenge = m_laufendeKette->gelaufen;
}

void Dauerlauf::quickRun(int laenge)
{
    ++m_laeufe;
    auto kette = std::make_shared<Kette>();
    kette->laenge = laenge;
    if (laenge > 0)
        ketteWeiter(kette);
    const QString innenVorher = m_innen;
    m_laufendeKette = kette.get();
    klickButton("Command2");
    m_laufendeKette = nullptr;
    m_innen = innenVorher;
    if (QTest::currentTestFailed())
        return;
    SOAK_PRUEFEN(kette->gelaufen == kette->laenge,
                 QStringLiteral("%1 of %2 nested events ran in the quick run").arg(kette->gelaufen).arg(kette->laenge));
    for (int i = 0; i < kette->zusatzZyklen && !QTest::currentTestFailed(); ++i)
        commitUnbeobachtet();
    // The steps after the last nested event: the last one is seen as it ends.
    laufSchritteVerbuchen(*kette, laufSchritte - 1);
    if (QTest::currentTestFailed())
        return;
    commitBeobachtet(QStringLiteral("end of the quick run"));
}

// Books the run's steps up to (not including) step `bis`: even steps are
// passes, odd ones commits. Only the commit just before `bis` is observed
// as it is; earlier ones are taken from the history.
void Dauerlauf::laufSchritteVerbuchen(Kette& kette, int bis)
{
    for (; kette.verbucht < bis && !QTest::currentTestFailed(); ++kette.verbucht) {
        if (kette.verbucht % 2 == 0)
            continue;
        if (kette.verbucht == bis - 1)
            commitBeobachtet(QStringLiteral("quick run step %1").arg(kette.verbucht + 1));
        else
            commitUnbeobachtet();
    }
}

void Dauerlauf::ketteWeiter(std::shared_ptr<Kette> kette)
{
    QTimer::singleShot(0, m_form.get(), [this, kette] {
        if (QTest::currentTestFailed())
            return;
        // Event k runs in the run's k-th event processing: the first comes
        // before the loop, the others before one step each.
        const int aufruf = kette->gelaufen++;
        laufSchritteVerbuchen(*kette, aufruf == 0 ? 0 : aufruf - 1);
        const QString innenVorher = m_innen;
        m_innen = QStringLiteral("nested event %1 of %2 in a quick run").arg(aufruf + 1).arg(kette->laenge);
        ++m_verschachtelt;
        if (!QTest::currentTestFailed())
            pruefen();
        if (!QTest::currentTestFailed())
            ausfuehren(waehlen(m_stimmung, true));
        m_innen = innenVorher;
        if (!QTest::currentTestFailed() && kette->gelaufen < kette->laenge)
            ketteWeiter(kette);
    });
}

// ---- the test ----

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void zufaelligeEreignisse_data();
    void zufaelligeEreignisse();
    void programmBeendenImSchnelldurchlauf();
};

void TestSoak::zufaelligeEreignisse_data()
{
    QTest::addColumn<quint64>("seed");
    const QByteArray gewaehlt = qgetenv("KETTENBRIEF_SOAK_SEED");
    if (gewaehlt == "zufall") {
        QTest::newRow("random seed") << QRandomGenerator::system()->generate64();
    } else if (!gewaehlt.isEmpty()) {
        bool zahl = false;
        const quint64 seed = gewaehlt.toULongLong(&zahl);
        if (!zahl)
            qFatal("KETTENBRIEF_SOAK_SEED must be a whole number or \"zufall\"");
        QTest::newRow(gewaehlt.constData()) << seed;
    } else {
        for (quint64 seed : festeSeeds)
            QTest::newRow(QByteArray::number(seed).constData()) << seed;
    }
}

void TestSoak::zufaelligeEreignisse()
{
    QFETCH(quint64, seed);
    const std::optional<quint64> ereignisse = umgebungszahl("KETTENBRIEF_SOAK_EVENTS", standardEreignisse);
    QVERIFY2(ereignisse && *ereignisse <= 100000000, "KETTENBRIEF_SOAK_EVENTS must be a whole number");
    Dauerlauf lauf(seed, static_cast<int>(*ereignisse));
    lauf.laufen();
}

// "Programm beenden" ends the application, so it comes last, on a window of its
// own: chosen while a quick run waits for events, it stops the run at once.
void TestSoak::programmBeendenImSchnelldurchlauf()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QMenuBar* leiste = form.menuBar();
    QAction* beenden = nullptr;
    for (QAction* aktion : leiste->actions())
        if (aktion->text() == QStringLiteral("Programm &beenden"))
            beenden = aktion;
    QVERIFY(beenden);
    // Five events in a chain: the run lets waiting events run before its
    // loop and before every step, so the fifth comes after pass, commit, pass.
    int gelaufen = 0;
    std::function<void()> naechstes = [&] {
        if (++gelaufen < 5) {
            QTimer::singleShot(0, &form, naechstes);
            return;
        }
        QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(beenden).center());
    };
    QTimer::singleShot(0, &form, naechstes);
    klick(ui(form).Command2);
    QCOMPARE(gelaufen, 5);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.isVisible());
    // Pass, commit, pass ran before the end: one cycle, and no more after it.
    QCOMPARE(form.spielfeld().zyklus(), 1);
    ui(form).Command2->click();
    QCOMPARE(form.spielfeld().zyklus(), 1);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
