// SPDX-License-Identifier: GPL-3.0-or-later
// The class game's teacher side: what a page's message may be, how the
// class takes reports, and the server on the loopback, spoken to as a
// pupil's page speaks.
#include "klassenprotokoll.h"
#include "diagrammdaten.h"
#include "klassenserver.h"
#include "klassensitzung.h"
#include "qrbild.h"
#include "klassenstand.h"
#include "schuelerspiel.h"
#include "spielfeld.h"
#include "spielnummer.h"
#include "standardzufallsquelle.h"

#include <QJsonDocument>
#include <QProcess>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <clocale>
#include <cstdio>

namespace {

// Game `nummer` as a pupil's device plays it: A(0) = 10, `zyklen` cycles of one pass at p = 5.
Spielbericht gespielt(int nummer, int zyklen)
{
    Schuelerspiel spiel;
    spiel.beginnen(nummer);
    for (int n = 0; n < zyklen; ++n)
        spiel.bericht.starts[0].zyklen.push_back(spiel.zyklus(5, 1));
    return spiel.bericht;
}

QString anmeldung(const QString& code, const QString& kennung, const QString& name = QStringLiteral("Mia"))
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"art", "anmelden"}, {"code", code}, {"name", name},
                                                       {"kennung", kennung}, {"spiel", 0}})
                                 .toJson(QJsonDocument::Compact));
}

QString bericht(const Spielbericht& b, int seq)
{
    return QString::fromStdString(klassenprotokoll::berichtNachricht(b, seq));
}

} // namespace

class TestKlassenspiel : public QObject
{
    Q_OBJECT

private slots:
    void nachrichten_data();
    void nachrichten();
    void berichteUndKurven();
    void klasseVoll();
    void ergebnisdateien_data();
    void ergebnisdateien();
    void sitzungUeberdauert();
    void punktAuchImDeutschenLocale();
    void serverImNetz();
    void feindlicheVerbindungen();
    void qrCode();
};

void TestKlassenspiel::nachrichten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fehler"); // "" when the message is read
    const QString ehrlich = bericht(gespielt(7, 3), 1);
    QTest::newRow("an honest report") << ehrlich << QString();
    QTest::newRow("a sign-in") << anmeldung("K7Q2", "abc") << QString();
    QTest::newRow("not JSON") << QStringLiteral("{\"art\":") << QStringLiteral("Die Nachricht ist kein gültiges JSON.");
    QTest::newRow("an unknown kind") << QStringLiteral("{\"art\":\"loeschen\"}") << QStringLiteral("Unbekannte Nachricht.");
    QTest::newRow("a nickname too long") << anmeldung("K7Q2", "abc", QString(25, QLatin1Char('x')))
                                         << QStringLiteral("Der Name fehlt oder ist länger als 24 Zeichen.");
    QTest::newRow("a nickname of control characters only") << anmeldung("K7Q2", "abc", QStringLiteral("\u0007\u200b"))
                                                           << QStringLiteral("Der Name fehlt oder ist länger als 24 Zeichen.");
    QTest::newRow("a count beyond the field") << QString(ehrlich).replace("\"a\":", "\"a\":9999")
                                              << QStringLiteral("Der Bericht ist nicht lesbar.");
    QTest::newRow("a fractional sequence number") << QString(ehrlich).replace("\"seq\":1", "\"seq\":1.5")
                                                  << QStringLiteral("Der Bericht ist nicht lesbar.");
    QTest::newRow("a p that is text") << QString(ehrlich).replace("\"p\":[5]", "\"p\":[\"5\"]")
                                      << QStringLiteral("Der Bericht ist nicht lesbar.");
    QTest::newRow("larger than a message may be")
        << QStringLiteral("{\"art\":\"bericht\",\"x\":\"%1\"}").arg(QString(70000, QLatin1Char('a')))
        << QStringLiteral("Die Nachricht ist zu groß.");
}

void TestKlassenspiel::nachrichten()
{
    QFETCH(QString, text);
    QFETCH(QString, fehler);
    const Klassennachricht n = ::nachrichtLesen(text);
    const auto* f = std::get_if<Lesefehler>(&n);
    QCOMPARE(f ? f->text : QString(), fehler);
}

// Reports replace each other by their number only; a forged one is kept
// out of the figures; the curves are taken over the pupils that reached a cycle.
void TestKlassenspiel::berichteUndKurven()
{
    Klassenstand stand(40);
    QString grund;
    const int mia = *stand.anmelden({"K7Q2", "Mia", "a", 0}, grund);
    const int ben = *stand.anmelden({"K7Q2", "Ben", "b", 0}, grund);
    const int eva = *stand.anmelden({"K7Q2", "Eva", "c", 0}, grund);
    QCOMPARE(*stand.anmelden({"K7Q2", "Mia neu", "a", 0}, grund), mia); // a reload
    QCOMPARE(stand.schueler()[mia].name, QStringLiteral("Mia neu"));
    QCOMPARE((std::vector<int>{stand.schueler()[mia].spiel, stand.schueler()[ben].spiel, stand.schueler()[eva].spiel}),
             (std::vector<int>{1, 2, 3}));

    QVERIFY(stand.melden(mia, {2, gespielt(1, 3)}));
    QVERIFY(!stand.melden(mia, {2, gespielt(1, 4)})); // the same number again
    QVERIFY(!stand.melden(mia, {1, gespielt(1, 1)})); // a late duplicate
    QVERIFY(!stand.melden(mia, {3, gespielt(2, 5)})); // another pupil's game
    QCOMPARE(stand.schueler()[mia].zyklus(), 3);
    QVERIFY(stand.melden(ben, {1, gespielt(2, 1)}));
    Spielbericht gefaelscht = gespielt(3, 2);
    gefaelscht.starts[0].zyklen[1].anzahl += 5;
    QVERIFY(stand.melden(eva, {1, gefaelscht}));
    QVERIFY(!stand.schueler()[eva].nachgespielt.nachvollziehbar);

    const Klassenkurven k = stand.kurven();
    const std::vector<int>& a = stand.schueler()[mia].nachgespielt.anzahlen;
    const std::vector<int>& b = stand.schueler()[ben].nachgespielt.anzahlen;
    QCOMPARE(k.anzahlSchueler, (std::vector<int>{2, 2, 1, 1}));
    QCOMPARE(k.mittel[1], (a[1] + b[1]) / 2.0);
    QCOMPARE(k.quantil10[1], std::min(a[1], b[1]) + 0.1 * std::abs(a[1] - b[1]));
    QCOMPARE(k.mittel[3], double(a[3]));
    // The plot draws the replayed games one by one, faint, under one name.
    const auto ensemble = alsEnsemble(k, 5);
    QVERIFY(ensemble);
    QCOMPARE(ensemble->einzelspiele, (std::vector<std::vector<int>>{a, b}));
    LaufAuswertung lauf;
    lauf.anzahlen = {10};
    lauf.ensemble = ensemble;
    const Diagrammdaten daten = diagrammdaten(lauf);
    QCOMPARE(daten.einzelspiele.size(), std::size_t(2));
    QCOMPARE(daten.einzelspiele[0].name, std::string("Einzelne Spiele"));
    QCOMPARE(daten.einzelspiele[1].name, std::string());
    QCOMPARE(daten.einzelspiele[1].punkte.back().y, double(b.back()));
    QVERIFY(daten.einzelspiele[0].farbe.deckung < 255);

    // The table as a spreadsheet takes it: a forged game shows no counts.
    const auto tabelle = klassentabelle(stand);
    QCOMPARE(tabelle.size(), std::size_t(4));
    QCOMPARE(tabelle[0], (std::vector<std::string>{"Spiel", "Name", "Zyklus", "A(n)", "Stand", "A(0)", "A(1)", "A(2)",
                                                   "A(3)"}));
    QCOMPARE(tabelle[2], (std::vector<std::string>{"2", "Ben", "1", std::to_string(b[1]), "nachvollziehbar",
                                                   std::to_string(b[0]), std::to_string(b[1]), "", ""}));
    QCOMPARE(tabelle[3], (std::vector<std::string>{"3", "Eva", "0", "0", "nicht nachvollziehbar", "", "", "", ""}));
}

void TestKlassenspiel::klasseVoll()
{
    Klassenstand stand(2);
    QString grund;
    QVERIFY(stand.anmelden({"K", "A", "1", 0}, grund));
    QVERIFY(stand.anmelden({"K", "B", "2", 0}, grund));
    QVERIFY(!stand.anmelden({"K", "C", "3", 0}, grund));
    QCOMPARE(grund, QStringLiteral("Die Klasse ist voll (2 Plätze)."));
    // The teacher makes room; then fewer again: nobody is sent away, and who comes back gets in.
    stand.hoechstensSetzen(3);
    QCOMPARE(stand.anmelden({"K", "C", "3", 0}, grund), std::optional<int>(2));
    stand.hoechstensSetzen(1);
    QCOMPARE(stand.schueler().size(), std::size_t(3));
    QCOMPARE(stand.anmelden({"K", "A", "1", 0}, grund), std::optional<int>(0));
    QVERIFY(!stand.anmelden({"K", "D", "4", 0}, grund));
    QCOMPARE(grund, QStringLiteral("Die Klasse ist voll (1 Platz)."));
}

// A pupil's result file, dropped into the window where the network does
// not carry the class game, is checked as sign-in and report: into a class
// where Mia (token a) plays game 1 and has sent three cycles as report 2.
void TestKlassenspiel::ergebnisdateien_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<int>("zeilen");
    const auto datei = [](int spiel, const char* name, const char* kennung, int seq, int zyklen) {
        return QByteArray::fromStdString(klassenprotokoll::ergebnisDatei(gespielt(spiel, zyklen), seq, name, kennung));
    };
    QTest::newRow("a pupil who never reached the class")
        << datei(2, "Ben", "b", 1, 2) << QStringLiteral("Spiel 2 (Ben): aufgenommen, Zyklus 2.") << 2;
    QTest::newRow("Mia's own, further on") << datei(1, "Mia", "a", 3, 4)
                                           << QStringLiteral("Spiel 1 (Mia): aufgenommen, Zyklus 4.") << 1;
    QTest::newRow("Mia's own, older") << datei(1, "Mia", "a", 1, 1)
                                      << QStringLiteral("Dieses Ergebnis hat die Klasse schon.") << 1;
    QTest::newRow("another pupil with Mia's game")
        << datei(1, "Eva", "c", 1, 2) << QStringLiteral("Spiel 1 spielt schon ein anderer Schüler der Klasse.") << 1;
    QTest::newRow("Mia's token with another game")
        << datei(2, "Mia", "a", 5, 2) << QStringLiteral("Die Datei hält Spiel 2, der Schüler spielt Spiel 1.") << 1;
    QTest::newRow("the program's fixed game")
        << datei(0, "Eva", "c", 1, 2)
        << QStringLiteral("Das ist das feste Spiel des Programms; in die Klasse kommt nur ein nummeriertes Spiel (1 "
                          "bis 99).")
        << 1;
    Spielbericht gefaelscht = gespielt(3, 2);
    gefaelscht.starts[0].zyklen[1].anzahl += 1;
    QTest::newRow("a changed count: kept, but out of the figures")
        << QByteArray::fromStdString(klassenprotokoll::ergebnisDatei(gefaelscht, 1, "Eva", "c"))
        << QStringLiteral("Spiel 3 (Eva): nicht nachvollziehbar: Start 1, Zyklus 2: gemeldet") << 2;
    QTest::newRow("no nickname") << datei(4, "", "d", 1, 1)
                                 << QStringLiteral("Der Name fehlt oder ist länger als 24 Zeichen.") << 1;
    QTest::newRow("no JSON") << QByteArray("kein JSON") << QStringLiteral("Die Nachricht ist kein gültiges JSON.") << 1;
    QTest::newRow("a sign-in is no result") << anmeldung(QStringLiteral("K7Q2"), QStringLiteral("e")).toUtf8()
                                            << QStringLiteral("Das ist keine Ergebnisdatei von Kettenbrief.") << 1;
}

void TestKlassenspiel::ergebnisdateien()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    QFETCH(int, zeilen);
    Klassenserver server({}, QStringLiteral("K7Q2"), 40);
    QCOMPARE(server.ergebnisAufnehmen(QByteArray::fromStdString(klassenprotokoll::ergebnisDatei(gespielt(1, 3), 2,
                                                                                                "Mia", "a"))),
             QStringLiteral("Spiel 1 (Mia): aufgenommen, Zyklus 3."));
    const QString gemeldet = server.ergebnisAufnehmen(inhalt);
    QVERIFY2(gemeldet.startsWith(meldung), qPrintable(gemeldet));
    QCOMPARE(static_cast<int>(server.stand().schueler().size()), zeilen);
    const Schueler& mia = server.stand().schueler()[0];
    QCOMPARE(mia.spiel, 1);
    QVERIFY(mia.nachgespielt.nachvollziehbar);
    if (zeilen == 2)
        QCOMPARE(server.stand().schueler()[1].nachgespielt.nachvollziehbar, !meldung.contains("nicht"));
}

// The session file brings the class back as it was, every report replayed
// again; a file that is no session changes nothing.
void TestKlassenspiel::sitzungUeberdauert()
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("sitzung/klassenspiel.json"));
    Klassenstand stand(40);
    QString grund;
    (void)stand.anmelden({"K7Q2", "Mia", "a", 0}, grund);
    (void)stand.anmelden({"K7Q2", "Ben", "b", 5}, grund);
    QVERIFY(stand.melden(1, {3, gespielt(5, 6)}));
    Spielbericht gefaelscht = gespielt(1, 2);
    gefaelscht.starts[0].zyklen[0].anzahl += 1;
    QVERIFY(stand.melden(0, {1, gefaelscht}));
    QVERIFY(klassensitzung::speichern(datei, QStringLiteral("K7Q2"), stand));

    // The teacher allows fewer now: everybody of the file still comes back.
    Klassenstand zurueck(1);
    QString code;
    QVERIFY(klassensitzung::laden(datei, code, zurueck));
    QCOMPARE(code, QStringLiteral("K7Q2"));
    QCOMPARE(zurueck.hoechstens(), 1);
    QCOMPARE(zurueck.schueler().size(), std::size_t(2));
    for (std::size_t i = 0; i < 2; ++i) {
        const Schueler& vorher = stand.schueler()[i];
        const Schueler& nachher = zurueck.schueler()[i];
        QCOMPARE(nachher.name, vorher.name);
        QCOMPARE(nachher.spiel, vorher.spiel);
        QCOMPARE(nachher.seq, vorher.seq);
        QCOMPARE(nachher.nachgespielt.nachvollziehbar, vorher.nachgespielt.nachvollziehbar);
        QCOMPARE(nachher.nachgespielt.anzahlen, vorher.nachgespielt.anzahlen);
    }
    QCOMPARE(zurueck.schueler()[1].spiel, 5); // the game it played, kept

    // A result taken just before the window closes is in the file too.
    {
        Klassenserver server({}, QStringLiteral("K7Q2"), 40);
        QVERIFY(server.sitzungsdateiSetzen(datei, true));
        QVERIFY(server.ergebnisAufnehmen(QByteArray::fromStdString(
                    klassenprotokoll::ergebnisDatei(gespielt(8, 2), 1, "Eva", "e"))).contains("aufgenommen"));
    }
    QVERIFY(klassensitzung::laden(datei, code, zurueck));
    QCOMPARE(zurueck.schueler().size(), std::size_t(3));
    QCOMPARE(zurueck.schueler()[2].zyklus(), 2);

    QFile kaputt(datei);
    QVERIFY(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("{\"schueler\": 3}");
    kaputt.close();
    QVERIFY(!klassensitzung::laden(datei, code, zurueck));
    QCOMPARE(zurueck.schueler().size(), std::size_t(3));
}

// A German teacher's desktop writes numbers with a decimal comma; the
// session file must still hold the pupil's p = 2.7 as JSON reads it. The
// locale is built for the test, from the sources of Debian's locales.
void TestKlassenspiel::punktAuchImDeutschenLocale()
{
    QTemporaryDir ordner;
    if (QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                           ordner.filePath(QStringLiteral("de_DE.UTF-8"))}) != 0)
        QSKIP("localedef cannot build de_DE here (Debian's package locales is missing).");
    qputenv("LOCPATH", ordner.path().toLocal8Bit());
    const std::string vorher = std::setlocale(LC_NUMERIC, nullptr);
    QVERIFY(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"));
    char komma[8];
    std::snprintf(komma, sizeof komma, "%.1f", 2.5);
    Spielbericht bericht{2, {{10, {}}}};
    Schuelerspiel spiel;
    spiel.beginnen(2);
    bericht.starts[0].zyklen = {spiel.zyklus(2.7, 1), spiel.zyklus(2.7, 2)};
    const std::string text = klassenprotokoll::berichtNachricht(bericht, 1);
    std::setlocale(LC_NUMERIC, vorher.c_str());
    qunsetenv("LOCPATH");
    QCOMPARE(komma, "2,5"); // the locale is in force, so the point below is not by chance
    QVERIFY2(text.find("\"p\":[2.7]") != std::string::npos, text.c_str());
    const Klassennachricht gelesen = nachrichtLesen(QString::fromStdString(text));
    QVERIFY(std::holds_alternative<Berichtsnachricht>(gelesen));
    QVERIFY(std::get<Berichtsnachricht>(gelesen).bericht == bericht);
    QVERIFY(nachspielen(bericht).nachvollziehbar);
}

// A page's whole conversation over the loopback: the page served with its
// own origin allowed, a wrong code, the sign-in, a report, its repeat,
// garbage, and the row that comes of it.
void TestKlassenspiel::serverImNetz()
{
    Klassenserver server(QByteArrayLiteral("<html><head><meta content=\"connect-src 'none'\"></head></html>"),
                         QStringLiteral("K7Q2"), 40);
    QVERIFY(server.starten(0));
    const QString basis = QStringLiteral("127.0.0.1:%1").arg(server.port());

    QNetworkAccessManager netz;
    QNetworkReply* antwort = netz.get(QNetworkRequest(QUrl(QStringLiteral("http://%1/").arg(basis))));
    QVERIFY(QSignalSpy(antwort, &QNetworkReply::finished).wait(5000));
    const QByteArray seite = antwort->readAll();
    QVERIFY2(seite.contains("connect-src 'self' ws://" + basis.toUtf8()), seite.constData());
    QVERIFY(seite.contains("name=\"kettenbrief-klasse\""));
    antwort->deleteLater();

    QWebSocket seiteDesSchuelers;
    QStringList erhalten;
    connect(&seiteDesSchuelers, &QWebSocket::textMessageReceived, this, [&](const QString& t) { erhalten << t; });
    seiteDesSchuelers.open(QUrl(QStringLiteral("ws://%1%2").arg(basis, klassenprotokoll::pfad)));
    QVERIFY(QSignalSpy(&seiteDesSchuelers, &QWebSocket::connected).wait(5000));
    const auto senden = [&](const QString& text) {
        const qsizetype vorher = erhalten.size();
        seiteDesSchuelers.sendTextMessage(text);
        for (int i = 0; i < 500 && erhalten.size() <= vorher; ++i)
            QTest::qWait(10);
        return erhalten.value(vorher);
    };
    QCOMPARE(senden(anmeldung("XXXX", "k")), QStringLiteral("{\"art\":\"fehler\",\"text\":\"Der Klassencode stimmt nicht.\"}"));
    QCOMPARE(senden(anmeldung("k7q2", "k")), QStringLiteral("{\"art\":\"angemeldet\",\"spiel\":1}"));
    QCOMPARE(senden(bericht(gespielt(1, 4), 1)), QStringLiteral("{\"art\":\"erhalten\",\"seq\":1}"));
    QCOMPARE(senden(bericht(gespielt(1, 4), 1)), QStringLiteral("{\"art\":\"erhalten\",\"seq\":1}"));
    QVERIFY(senden(QStringLiteral("garbage")).contains(QStringLiteral("kein gültiges JSON")));
    QCOMPARE(senden(bericht(gespielt(2, 4), 2)), QStringLiteral("{\"art\":\"fehler\",\"text\":\"Das ist nicht dein Spiel.\"}"));

    QCOMPARE(server.stand().schueler().size(), std::size_t(1));
    const Schueler& s = server.stand().schueler().front();
    QCOMPARE(s.seq, 1);
    QVERIFY(s.nachgespielt.nachvollziehbar);
    QCOMPARE(s.zyklus(), 4);
    QVERIFY(s.verbunden);
    seiteDesSchuelers.close();
    QTRY_VERIFY_WITH_TIMEOUT(!server.stand().schueler().front().verbunden, 5000);
}

// What no page sends: a flood, a frame beyond the bound, another path.
// Each is refused or cut off, and the class stays as it was.
void TestKlassenspiel::feindlicheVerbindungen()
{
    Klassenserver server(QByteArrayLiteral("<html><head></head></html>"), QStringLiteral("K7Q2"), 40);
    QVERIFY(server.starten(0));
    const QString basis = QStringLiteral("ws://127.0.0.1:%1").arg(server.port());

    QWebSocket flut;
    QStringList antworten;
    connect(&flut, &QWebSocket::textMessageReceived, this, [&](const QString& t) { antworten << t; });
    flut.open(QUrl(basis + klassenprotokoll::pfad));
    QVERIFY(QSignalSpy(&flut, &QWebSocket::connected).wait(5000));
    for (int i = 0; i < klassenprotokoll::nachrichtenProSekunde + 5; ++i)
        flut.sendTextMessage(QStringLiteral("{}"));
    QTRY_COMPARE_WITH_TIMEOUT(antworten.size(), klassenprotokoll::nachrichtenProSekunde + 5, 5000);
    QCOMPARE(antworten.count(QStringLiteral("{\"art\":\"fehler\",\"text\":\"Zu viele Nachrichten; bitte langsamer.\"}")), 5);

    QWebSocket riese;
    riese.open(QUrl(basis + klassenprotokoll::pfad));
    QVERIFY(QSignalSpy(&riese, &QWebSocket::connected).wait(5000));
    QSignalSpy getrennt(&riese, &QWebSocket::disconnected);
    riese.sendTextMessage(anmeldung(QStringLiteral("K7Q2"), QString(70000, QLatin1Char('x'))));
    QVERIFY(getrennt.wait(5000));

    QWebSocket anderswo;
    QSignalSpy anderswoGetrennt(&anderswo, &QWebSocket::disconnected);
    anderswo.open(QUrl(basis + QStringLiteral("/anders")));
    QVERIFY(anderswoGetrennt.wait(5000));
    QVERIFY(server.stand().schueler().empty());
}

// The address's code is drawn the right way round, with its quiet zone:
// one pixel per module, four white modules around, a finder pattern in
// three corners.
void TestKlassenspiel::qrCode()
{
    // 26 characters at level M need version 2: 25 modules.
    const QImage bild = qrBild(QStringLiteral("http://192.168.1.20:47100/"));
    QCOMPARE(bild.size(), QSize(33, 33));
    const auto schwarz = [&](int x, int y) { return bild.pixelIndex(x, y) == 0; };
    for (int i = 0; i < 33; ++i)
        QVERIFY(!schwarz(i, 0) && !schwarz(0, i) && !schwarz(i, 32) && !schwarz(32, i) && !schwarz(i, 3));
    for (const QPoint ecke : {QPoint(4, 4), QPoint(22, 4), QPoint(4, 22)}) {
        QVERIFY(schwarz(ecke.x(), ecke.y()) && schwarz(ecke.x() + 6, ecke.y() + 6));
        QVERIFY(!schwarz(ecke.x() + 1, ecke.y() + 1) && schwarz(ecke.x() + 3, ecke.y() + 3));
    }
}

QTEST_GUILESS_MAIN(TestKlassenspiel)
#include "tst_klassenspiel.moc"
