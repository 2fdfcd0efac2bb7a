// SPDX-License-Identifier: GPL-3.0-or-later
// What the evaluation says of a run, in both editions: the sentences above
// the table, the table's header, cells and marks, the plot's series, and
// the texts of many games. Each run is made up here, so every figure in
// the expected texts is known.
#include "arbeitsblattseite.h"
#include "auswertungszeilen.h"
#include "diagrammdaten.h"
#include "diagrammsvg.h"
#include "ergebnistext.h"
#include "spielfeld.h"
#include "vielespieletexte.h"

#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <set>

Q_DECLARE_METATYPE(LaufAuswertung)

namespace {

// Three cycles; t = 1 fits with 43,2 players, the best t 0,982 with 14,04.
LaufAuswertung gespielt()
{
    LaufAuswertung a;
    a.anzahlen = {10, 15, 21, 33};
    a.zyklus = 3;
    a.p = 5;
    a.t = 1;
    a.verhulstAktuell = {10, 15, 22.44, 33.54};
    a.aktuell.vergleichbar = true;
    a.aktuell.rms = 43.2;
    a.beste.gefunden = true;
    a.beste.t = 0.982;
    a.beste.rms = 14.04;
    a.verhulstBeste = {10, 14.94, 22.06, 32.75};
    return a;
}

EnsembleKurven gespielteSpiele(bool angepasst)
{
    EnsembleKurven kurven;
    kurven.auftrag = {.spiele = 20, .startSpieler = 10, .p = 5, .zyklen = 2};
    kurven.mittel = {10, 15.25, 21.5};
    kurven.quantil10 = {10, 12.5, 18};
    kurven.quantil90 = {10, 18.75, 26.05};
    kurven.anpassung.gefunden = angepasst;
    kurven.anpassung.t = 0.99;
    kurven.anpassung.rms = 25.94;
    return kurven;
}

QStringList alsListe(const std::vector<std::string>& texte)
{
    QStringList liste;
    for (const std::string& text : texte)
        liste << QString::fromStdString(text);
    return liste;
}

const QString erklaert = QStringLiteral(
    "So entsteht diese Abweichung: In jedem Zyklus den Unterschied zwischen Kurve und Balken nehmen und "
    "quadrieren, von allen Zyklen den Mittelwert bilden, daraus die Wurzel ziehen. Große Unterschiede zählen so "
    "mehr als kleine; je kleiner die Abweichung, desto besser passt die Kurve.");
const QString besteSatz = QStringLiteral(
    "Am besten passt t = 0,982: Die Verhulst-Kurve weicht dann um 14,0 Mitspieler von den Balken des Spiels ab.");
const QString besteUndJetzt = besteSatz + " Mit dem jetzigen t = 1 sind es 43,2 Mitspieler.";

} // namespace

class TestAuswertungstexte : public QObject
{
    Q_OBJECT

private slots:
    void ergebnistext_data();
    void ergebnistext();
    void kopf_data();
    void kopf();
    void zeilen_data();
    void zeilen();
    void ohneZielsucheMarkiert();
    void alsText();
    void diagrammAchsen_data();
    void diagrammAchsen();
    void diagrammReihen();
    void diagrammOhneBestesT();
    void diagrammbild_data();
    void diagrammbild();
    void arbeitsblattSeite();
    void vieleSpiele_data();
    void vieleSpiele();
};

void TestAuswertungstexte::ergebnistext_data()
{
    QTest::addColumn<LaufAuswertung>("auswertung");
    QTest::addColumn<QStringList>("absaetze");

    LaufAuswertung leer;
    leer.anzahlen = {10};
    QTest::newRow("before the first cycle")
        << leer << QStringList{"Vor dem ersten Zyklus gibt es noch nichts anzupassen: Erst „Zielsuche“ und "
                               "„Ergebnis“ liefern A(1)."};
    QTest::newRow("best and current t") << gespielt() << QStringList{besteUndJetzt, erklaert};

    LaufAuswertung ueber = gespielt();
    ueber.beste = {};
    ueber.t = 7.5;
    ueber.aktuell = {.vergleichbar = false, .fehler = VerhulstFehler::ueberlauf, .fehlerZyklus = 2};
    QTest::newRow("no t fits")
        << ueber << QStringList{"Kein t von 0 bis 8 lässt sich über alle 3 Zyklen rechnen: Mit jedem läuft die "
                                "Verhulst-Iteration über. Mit dem jetzigen t = 7,5 bricht die Verhulst-Iteration "
                                "bei Zyklus 2 ab (Überlauf)."};

    LaufAuswertung ungueltig = gespielt();
    ungueltig.t = 0.1234567;
    ungueltig.aktuell = {.vergleichbar = false, .fehler = VerhulstFehler::ungueltigesArgument, .fehlerZyklus = 1};
    QTest::newRow("no real value, the best t still fits")
        << ungueltig
        << QStringList{besteSatz + " Mit dem jetzigen t = 0,123457 bricht die Verhulst-Iteration bei Zyklus 1 ab (kein "
                             "reeller Wert).",
                       erklaert};

    LaufAuswertung einer = gespielt();
    einer.ohneZielsuche = {2};
    QTest::newRow("one cycle without a pass")
        << einer << QStringList{besteUndJetzt, erklaert,
                                "In einem Zyklus (2) kam „Ergebnis“ ohne „Zielsuche“: Da konnte niemand dazukommen, "
                                "und das verfälscht das beste t. Die Tabelle markiert diese Zyklen gelb."};
    LaufAuswertung mehrere = gespielt();
    mehrere.ohneZielsuche = {1, 2, 3};
    QTest::newRow("cycles without a pass")
        << mehrere << QStringList{besteUndJetzt, erklaert,
                                  "In 3 Zyklen (1, 2, 3) kam „Ergebnis“ ohne „Zielsuche“: Da konnte niemand "
                                  "dazukommen, und das verfälscht das beste t. Die Tabelle markiert diese Zyklen gelb."};

    LaufAuswertung anderesP = gespielt();
    anderesP.andererFaktor = true;
    anderesP.p = 4.25;
    anderesP.zyklus = 1300;
    QTest::newRow("p changed, cycles beyond the history")
        << anderesP << QStringList{besteUndJetzt, erklaert,
                                   "In diesem Spiel wurde p geändert; gerechnet ist mit dem jetzigen p = 4,25.",
                                   "Das Programm speichert nur die ersten 3 Zyklen; verglichen werden diese."};

    const QString viele = QStringLiteral(
        "Viele Spiele: 20 Spiele mit A(0) = 10 und p = 5 über 2 Zyklen (so viele wie das Spiel, mindestens %1 und "
        "höchstens %2). Die orange Linie ist ihr Mittelwert; im violetten Band lagen in jedem Zyklus 8 von 10 dieser "
        "Spiele.").arg(ensembleMindestZyklen).arg(ensembleHoechstZyklen);
    LaufAuswertung mitVielen = gespielt();
    mitVielen.ensemble = gespielteSpiele(true);
    QTest::newRow("many games with their best t")
        << mitVielen
        << QStringList{besteUndJetzt, erklaert,
                       viele + " Zu ihrem Mittelwert passt t = 0,990 am besten (Abweichung 25,9 Mitspieler)."};
    mitVielen.ensemble = gespielteSpiele(false);
    QTest::newRow("many games without one") << mitVielen << QStringList{besteUndJetzt, erklaert, viele};
}

void TestAuswertungstexte::ergebnistext()
{
    QFETCH(LaufAuswertung, auswertung);
    QFETCH(QStringList, absaetze);
    QCOMPARE(alsListe(ergebnisabsaetze(auswertung)), absaetze);
    QCOMPARE(QString::fromStdString(::ergebnistext(auswertung)), absaetze.join(QStringLiteral("\n\n")));
}

void TestAuswertungstexte::kopf_data()
{
    QTest::addColumn<LaufAuswertung>("auswertung");
    QTest::addColumn<QStringList>("kopf");
    const QString beste = QStringLiteral("Verhulst, t = 0,982 (am besten)");
    QTest::newRow("with the best t") << gespielt() << QStringList{"n", "A(n)", "ΔA", "Verhulst, t = 1", beste};
    LaufAuswertung ohne = gespielt();
    ohne.beste = {};
    ohne.t = 1.25;
    QTest::newRow("without a best t: no column for it") << ohne
                                                        << QStringList{"n", "A(n)", "ΔA", "Verhulst, t = 1,25"};
    // "Bestes t übernehmen" writes 15 significant digits into the box of t.
    LaufAuswertung uebernommen = gespielt();
    uebernommen.t = 0.982000000000001;
    QTest::newRow("the best t taken over: one column") << uebernommen << QStringList{"n", "A(n)", "ΔA", beste};
    LaufAuswertung nahe = gespielt();
    nahe.t = 0.9821;
    QTest::newRow("a t near the best is another t")
        << nahe << QStringList{"n", "A(n)", "ΔA", "Verhulst, t = 0,9821", beste};
    LaufAuswertung mitVielen = gespielt();
    mitVielen.ensemble = gespielteSpiele(true);
    QTest::newRow("with many games") << mitVielen
                                     << QStringList{"n", "A(n)", "ΔA", "Verhulst, t = 1", beste,
                                                    "Mittel von 20 Spielen (bis Zyklus 2)", "10-%-Quantil",
                                                    "90-%-Quantil"};
}

void TestAuswertungstexte::kopf()
{
    QFETCH(LaufAuswertung, auswertung);
    QFETCH(QStringList, kopf);
    const Auswertungszeilen zeilen(auswertung);
    QCOMPARE(zeilen.spaltenAnzahl(), kopf.size());
    QCOMPARE(alsListe(zeilen.alle().front()), kopf);
    for (int spalte = 0; spalte < kopf.size(); ++spalte)
        QCOMPARE(QString::fromStdString(zeilen.kopf(spalte)), kopf[spalte]);
}

void TestAuswertungstexte::zeilen_data()
{
    QTest::addColumn<LaufAuswertung>("auswertung");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QStringList>("zellen");
    QTest::newRow("cycle 0 has no change") << gespielt() << 0 << QStringList{"0", "10", "", "10,0", "10,0"};
    QTest::newRow("one place, rounded") << gespielt() << 2 << QStringList{"2", "21", "6", "22,4", "22,1"};
    LaufAuswertung uebernommen = gespielt();
    uebernommen.t = 0.982000000000001;
    QTest::newRow("the best t taken over: its values once")
        << uebernommen << 2 << QStringList{"2", "21", "6", "22,1"};
    LaufAuswertung abgebrochen = gespielt();
    abgebrochen.verhulstAktuell.resize(2);
    QTest::newRow("empty where a curve ends") << abgebrochen << 3 << QStringList{"3", "33", "12", "", "32,8"};
    LaufAuswertung weniger = gespielt();
    weniger.anzahlen = {100, 40};
    QTest::newRow("a fall") << weniger << 1 << QStringList{"1", "40", "-60", "15,0", "14,9"};
    // Many games: every column of them writes its decimals with a comma, and
    // stops at the cycles they were played over.
    LaufAuswertung mitVielen = gespielt();
    mitVielen.ensemble = gespielteSpiele(true);
    QTest::newRow("many games with a comma")
        << mitVielen << 1 << QStringList{"1", "15", "5", "15,0", "14,9", "15,3", "12,5", "18,8"};
    QTest::newRow("many games end")
        << mitVielen << 3 << QStringList{"3", "33", "12", "33,5", "32,8", "", "", ""};
}

void TestAuswertungstexte::zeilen()
{
    QFETCH(LaufAuswertung, auswertung);
    QFETCH(int, zeile);
    QFETCH(QStringList, zellen);
    const Auswertungszeilen tabelle(auswertung);
    QCOMPARE(tabelle.zeilenAnzahl(), int(auswertung.anzahlen.size()));
    QCOMPARE(alsListe(tabelle.alle()[std::size_t(zeile) + 1]), zellen);
    for (int spalte = 0; spalte < zellen.size(); ++spalte)
        QCOMPARE(QString::fromStdString(tabelle.zelle(zeile, spalte)), zellen[spalte]);
}

void TestAuswertungstexte::ohneZielsucheMarkiert()
{
    LaufAuswertung a = gespielt();
    a.ohneZielsuche = {1, 3};
    const Auswertungszeilen zeilen(a);
    QList<bool> markiert;
    for (int n = 0; n < zeilen.zeilenAnzahl(); ++n)
        markiert << zeilen.ohneZielsuche(n);
    QCOMPARE(markiert, (QList<bool>{false, true, false, true}));
    QCOMPARE(QString::fromStdString(Auswertungszeilen::ohneZielsucheHinweis()),
             QStringLiteral("„Ergebnis“ ohne „Zielsuche“: In diesem Zyklus konnte niemand dazukommen."));
    QVERIFY(Auswertungszeilen::markierungsfarbe() == (Auswertungsfarbe{255, 225, 120}));
}

// Tabs between the cells, a line per row, the last one ended as well.
void TestAuswertungstexte::alsText()
{
    LaufAuswertung a = gespielt();
    a.anzahlen.resize(2);
    QCOMPARE(QString::fromStdString(Auswertungszeilen(a).alsText()),
             QStringLiteral("n\tA(n)\tΔA\tVerhulst, t = 1\tVerhulst, t = 0,982 (am besten)\n"
                            "0\t10\t\t10,0\t10,0\n"
                            "1\t15\t5\t15,0\t14,9\n"));
}

// The page's printed worksheet: no style attribute (the page's policy
// would drop it), every row of the table, the measures as CSS lengths.
void TestAuswertungstexte::arbeitsblattSeite()
{
    const LaufAuswertung a = gespielt();
    const Arbeitsblattseite seite = arbeitsblattseite(a, "9. Dezember 2026");
    const QString html = QString::fromStdString(seite.html);
    QVERIFY(!html.contains(QStringLiteral(" style=")));
    QCOMPARE(seite.zyklen, int(a.anzahlen.size()));
    QCOMPARE(html.count(QStringLiteral("<tr>")), seite.zyklen + 1);
    QVERIFY(html.contains(QStringLiteral("Datum: 9. Dezember 2026")));
    QVERIFY(html.contains(QStringLiteral("<h2>Meine Beobachtungen</h2>")));
    QCOMPARE(html.count(QStringLiteral("class=\"blattLinie\"")), 5);
    const auto mass = [&](const char* name) {
        for (const auto& [n, wert] : seite.masse)
            if (n == name)
                return QString::fromStdString(wert);
        return QString();
    };
    QCOMPARE(mass("rand"), QStringLiteral("15mm"));
    QCOMPARE(mass("breite"), QStringLiteral("180mm"));
    QCOMPARE(mass("tabelle"), QStringLiteral("8pt"));
    QCOMPARE(mass("spalten").toDouble(), Auswertungszeilen(a).spaltenAnzahl() - 0.5);
    QCOMPARE(QString::fromStdString(arbeitsblattPapier()), QStringLiteral("@page { size: A4 portrait; margin: 15mm; }"));
}

void TestAuswertungstexte::diagrammAchsen_data()
{
    QTest::addColumn<int>("letzter");
    QTest::addColumn<int>("mindestensBis");
    QTest::addColumn<double>("bis");
    QTest::addColumn<double>("schritt");
    QTest::newRow("cycle 0 shows two") << 0 << 0 << 1.5 << 1.0;
    QTest::newRow("12 labels") << 12 << 0 << 12.5 << 1.0;
    QTest::newRow("13 cycles: every second") << 13 << 0 << 13.5 << 2.0;
    QTest::newRow("60 cycles") << 60 << 0 << 60.5 << 5.0;
    QTest::newRow("the whole history") << 1200 << 0 << 1200.5 << 100.0;
    QTest::newRow("beyond every step") << 7000 << 0 << 7000.5 << 1000.0;
    QTest::newRow("a class's games longer than the run") << 3 << 13 << 13.5 << 2.0;
    QTest::newRow("a class's games shorter: the run's axis") << 13 << 4 << 13.5 << 2.0;
}

void TestAuswertungstexte::diagrammAchsen()
{
    QFETCH(int, letzter);
    QFETCH(int, mindestensBis);
    QFETCH(double, bis);
    QFETCH(double, schritt);
    LaufAuswertung a;
    a.anzahlen.assign(std::size_t(letzter) + 1, 10.0);
    const Diagrammdaten daten = diagrammdaten(a, mindestensBis);
    QCOMPARE(daten.x.von, -0.5);
    QCOMPARE(daten.x.bis, bis);
    QCOMPARE(daten.xSchritt, schritt);
    QCOMPARE(QString::fromStdString(daten.x.titel), QStringLiteral("Zyklus n"));
    QCOMPARE(daten.y.von, 0.0);
    QCOMPARE(daten.y.bis, double(Spielfeld::zellenAnzahl));
    QCOMPARE(daten.yMarken, 6);
    QCOMPARE(QString::fromStdString(daten.y.titel), QStringLiteral("Mitspieler A(n)"));
}

void TestAuswertungstexte::diagrammReihen()
{
    LaufAuswertung a = gespielt();
    a.verhulstAktuell = {10, 15, 9000, -4000};
    a.ensemble = gespielteSpiele(true);
    a.ensemble->quantil90[2] = 6000;
    const Diagrammdaten daten = diagrammdaten(a);
    QCOMPARE(QString::fromStdString(daten.balken.name), QStringLiteral("Spiel A(n)"));
    QVERIFY(daten.balken.werte == a.anzahlen);
    QCOMPARE(daten.balken.balkenbreite, 0.6);
    QVERIFY(daten.balken.farbe == (Auswertungsfarbe{200, 20, 20}));
    // The curves stop at twice the field and at minus the field.
    QVERIFY(daten.aktuell.punkte == (std::vector<Punkt>{{0, 10}, {1, 15}, {2, 5000}, {3, -2500}}));
    QCOMPARE(QString::fromStdString(daten.aktuell.name), QStringLiteral("Verhulst, t = 1"));
    QVERIFY(daten.aktuell.farbe == (Auswertungsfarbe{15, 15, 200}));
    QCOMPARE(daten.aktuell.linienbreite, 2.5);
    QVERIFY(daten.beste);
    QCOMPARE(QString::fromStdString(daten.beste->name), QStringLiteral("Verhulst, t = 0,982 (am besten)"));
    QVERIFY(daten.beste->farbe == (Auswertungsfarbe{0, 150, 60}));
    QCOMPARE(daten.beste->punkte.size(), a.verhulstBeste.size());
    QVERIFY(daten.band && daten.mittel);
    QCOMPARE(QString::fromStdString(daten.band->name), QStringLiteral("Band: 8 von 10 der 20 Spiele lagen darin"));
    // The band is not cut: it lies within the players.
    QVERIFY(daten.band->oben == (std::vector<Punkt>{{0, 10}, {1, 18.75}, {2, 6000}}));
    QVERIFY(daten.band->unten == (std::vector<Punkt>{{0, 10}, {1, 12.5}, {2, 18}}));
    QVERIFY(daten.band->farbe == (Auswertungsfarbe{140, 60, 200, 90}));
    QVERIFY(daten.band->rand == (Auswertungsfarbe{110, 40, 170}));
    QCOMPARE(daten.band->randbreite, 2.0);
    QCOMPARE(QString::fromStdString(daten.mittel->name), QStringLiteral("Mittelwert der 20 Spiele"));
    QVERIFY(daten.mittel->farbe == (Auswertungsfarbe{230, 120, 0}));
    QCOMPARE(QString::fromStdString(daten.beschreibung),
             QStringLiteral("Zyklus 0 bis 3. Rote Balken: das Spiel, von A(0) = 10 bis A(3) = 33 Mitspieler. "
                            "Blaue Linie: Verhulst mit t = 1. Grüne Linie: Verhulst mit dem besten t = 0,982. "
                            "Orange Linie und violettes Band: Mittelwert von 20 Spielen und der Bereich, in dem "
                            "8 von 10 von ihnen lagen."));
    QCOMPARE(QString::fromStdString(diagrammName()), QStringLiteral("Diagramm des Spiels und der Verhulst-Kurven"));
}

void TestAuswertungstexte::diagrammOhneBestesT()
{
    LaufAuswertung a = gespielt();
    a.beste = {};
    a.t = 2.125;
    const Diagrammdaten daten = diagrammdaten(a);
    QVERIFY(!daten.beste && !daten.band && !daten.mittel);
    QCOMPARE(QString::fromStdString(daten.aktuell.name), QStringLiteral("Verhulst, t = 2,125"));
    QCOMPARE(QString::fromStdString(daten.beschreibung),
             QStringLiteral("Zyklus 0 bis 3. Rote Balken: das Spiel, von A(0) = 10 bis A(3) = 33 Mitspieler. "
                            "Blaue Linie: Verhulst mit t = 2,125."));
}

void TestAuswertungstexte::diagrammbild_data()
{
    QTest::addColumn<double>("breite");
    QTest::addColumn<int>("legendenzeilen");
    // Five entries: the game, the band, the mean and both curves.
    QTest::newRow("a wide screen: one row") << 2000.0 << 1;
    QTest::newRow("the window at zoom 1: two rows") << 960.0 << 2;
    QTest::newRow("narrow: one entry a row") << 300.0 << 5;
}

// The picture is well-formed XML, has a bar a cycle, leaves out a point
// without a number (where a curve broke off), escapes what its names hold and wraps its
// legend into as many rows as its width needs.
void TestAuswertungstexte::diagrammbild()
{
    QFETCH(double, breite);
    QFETCH(int, legendenzeilen);
    LaufAuswertung a = gespielt();
    a.ensemble = gespielteSpiele(true);
    a.verhulstBeste[2] = std::nan("");
    Diagrammdaten daten = diagrammdaten(a);
    daten.balken.name = "A<n> & B";
    const QString svg = QString::fromStdString(diagrammSvg(daten, breite, 400));
    QXmlStreamReader leser(svg);
    int balken = 0;
    std::set<QString> legendenY;
    QStringList namen;
    QList<int> punkte; // of each path: the band's, the curves', the legend's pieces of line
    QStringList striche; // each path's dashes
    bool imBild = false;
    while (!leser.atEnd()) {
        leser.readNext();
        const auto attribute = leser.attributes();
        if (leser.isStartElement() && leser.name() == QLatin1String("g") && attribute.hasAttribute("fill"))
            imBild = true;
        if (leser.isEndElement() && leser.name() == QLatin1String("g"))
            imBild = false;
        if (leser.isStartElement() && leser.name() == QLatin1String("rect") && imBild)
            ++balken;
        if (leser.isStartElement() && leser.name() == QLatin1String("path")) {
            punkte << int(attribute.value("d").count(u'M') + attribute.value("d").count(u'L'));
            striche << attribute.value("stroke-dasharray").toString();
        }
        if (leser.isStartElement() && leser.name() == QLatin1String("text")
            && attribute.value("text-anchor") == QLatin1String("start")) {
            legendenY.insert(attribute.value("y").toString());
            namen << leser.readElementText();
        }
    }
    QVERIFY2(!leser.hasError(), qPrintable(leser.errorString()));
    QCOMPARE(balken, int(a.anzahlen.size()));
    QCOMPARE(int(legendenY.size()), legendenzeilen);
    // The band, the mean, the current and the best curve (which goes on past
    // its cycle without a number), then a piece of each curve's line in the
    // legend, in the curve's own dashes: a black-and-white copy tells the
    // three curves apart.
    QCOMPARE(punkte, (QList<int>{6, 3, 4, 3, 1, 1, 1}));
    QCOMPARE(striche.mid(4), striche.mid(1, 3));
    QCOMPARE(QSet<QString>(striche.begin() + 1, striche.begin() + 4).size(), 3);
    QCOMPARE(namen, (QStringList{"A<n> & B", "Band: 8 von 10 der 20 Spiele lagen darin", "Mittelwert der 20 Spiele",
                                 "Verhulst, t = 1", "Verhulst, t = 0,982 (am besten)"}));
}

void TestAuswertungstexte::vieleSpiele_data()
{
    QTest::addColumn<int>("spiele");
    QTest::addColumn<int>("gespielt");
    QTest::newRow("as asked") << 100 << 100;
    QTest::newRow("too few") << 1 << ensembleMindestSpiele;
    QTest::newRow("too many") << 100000 << ensembleHoechstSpiele;
}

// A field after the program's start: cycle 0, so the fewest cycles.
void TestAuswertungstexte::vieleSpiele()
{
    QFETCH(int, spiele);
    QFETCH(int, gespielt);
    const Spielfeld feld;
    const EnsembleAuftrag auftrag = vieleSpieleAuftrag(feld, spiele, 4.5);
    QCOMPARE(auftrag.spiele, gespielt);
    QCOMPARE(auftrag.startSpieler, feld.startAnzahl());
    QCOMPARE(auftrag.p, 4.5);
    QCOMPARE(auftrag.zyklen, ensembleMindestZyklen);
    QCOMPARE(QString::fromStdString(vieleSpieleAbbruchtext(37, spiele)),
             QStringLiteral("Abgebrochen nach 37 von %1 Spielen").arg(spiele));
    QCOMPARE(QString::fromStdString(vieleSpieleHinweis()),
             QStringLiteral("Spielt so viele Spiele mit demselben A(0) und p, über so viele Zyklen wie das Spiel, "
                            "mindestens %1 und höchstens %2.").arg(ensembleMindestZyklen).arg(ensembleHoechstZyklen));
}

QTEST_APPLESS_MAIN(TestAuswertungstexte)
#include "tst_auswertungstexte.moc"
