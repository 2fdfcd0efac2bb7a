// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the committed test vectors (spielvektoren.json) with the model:
// the same games draw for draw, the same Verhulst values and number texts
// bit for bit. A change of the draws or their order fails here.

#include "spielfeld.h"
#include "spielnummer.h"
#include "standardzufallsquelle.h"
#include "verhulst.h"
#include "zahltext.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <bit>
#include <functional>

class TestSpielvektoren : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void spiele_data();
    void spiele();
    void verhulst_data();
    void verhulst();
    void zahltextWerte_data();
    void zahltextWerte();
    void zahltextTexte_data();
    void zahltextTexte();

private:
    QJsonObject m_vektoren;
    // One row per entry of the section, named by `benennen`.
    void zeilen(const QJsonArray& abschnitt, const std::function<QString(const QJsonValue&)>& benennen);
};

namespace {

QJsonArray zellenAlsJson(const std::vector<Zelle>& zellen)
{
    QJsonArray json;
    for (const Zelle& z : zellen)
        json.append(QJsonArray{z.x, z.y});
    return json;
}

QJsonArray versucheAlsJson(const std::vector<Werbeversuch>& versuche)
{
    QJsonArray json;
    for (const Werbeversuch& v : versuche)
        json.append(QJsonArray{v.werber.x, v.werber.y, v.ziel.x, v.ziel.y, static_cast<int>(v.zustand),
                               v.quadratgroesse < 1.0f ? 1 : 0});
    return json;
}

QString alsText(const QJsonValue& wert)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{wert}).toJson(QJsonDocument::Compact));
}

// "" when both lists are equal, else where they first part.
QString abweichung(const QJsonArray& ist, const QJsonArray& soll)
{
    for (qsizetype i = 0; i < std::min(ist.size(), soll.size()); ++i)
        if (ist[i] != soll[i])
            return QStringLiteral("at %1: %2, recorded %3").arg(i).arg(alsText(ist[i]), alsText(soll[i]));
    if (ist.size() != soll.size())
        return QStringLiteral("%1 entries, recorded %2").arg(ist.size()).arg(soll.size());
    return {};
}

// "" for exactly the same double, bit for bit (the file keeps 17 digits).
QString abweichung(double ist, const QJsonValue& soll)
{
    if (std::bit_cast<quint64>(ist) == std::bit_cast<quint64>(soll.toDouble()))
        return {};
    return QString::number(ist, 'g', 17) + ", recorded " + QString::number(soll.toDouble(), 'g', 17);
}

#define GLEICH(ist, soll)                                                                                            \
    do {                                                                                                           \
        const QString unterschied = abweichung(ist, soll);                                                        \
        QVERIFY2(unterschied.isEmpty(), qPrintable(unterschied));                                                  \
    } while (false)

} // namespace

void TestSpielvektoren::initTestCase()
{
    QFile datei(QStringLiteral(KETTENBRIEF_SPIELVEKTOREN));
    QVERIFY2(datei.open(QIODevice::ReadOnly), KETTENBRIEF_SPIELVEKTOREN);
    QJsonParseError fehler;
    m_vektoren = QJsonDocument::fromJson(datei.readAll(), &fehler).object();
    QVERIFY2(fehler.error == QJsonParseError::NoError, qPrintable(fehler.errorString()));
}

void TestSpielvektoren::zeilen(const QJsonArray& abschnitt, const std::function<QString(const QJsonValue&)>& benennen)
{
    QTest::addColumn<QJsonValue>("fall");
    QVERIFY(!abschnitt.isEmpty());
    for (const QJsonValue& fall : abschnitt)
        QTest::newRow(qPrintable(benennen(fall))) << fall;
}

void TestSpielvektoren::spiele_data()
{
    zeilen(m_vektoren[u"spiele"].toArray(), [](const QJsonValue& fall) { return fall[u"name"].toString(); });
}

void TestSpielvektoren::spiele()
{
    QFETCH(QJsonValue, fall);
    Spielfeld feld;
    StandardZufallsquelle zufall(spielStartwert(fall[u"nummer"].toInt()).value());
    feld.allesZuruecksetzen();
    GLEICH(zellenAlsJson(feld.startSpielerSetzen(fall[u"a0"].toInt(), zufall)), fall[u"start"].toArray());
    const QJsonArray anzahlen = fall[u"anzahlen"].toArray();
    QCOMPARE(anzahlen.size(), 16);
    QCOMPARE(feld.spielerZaehlen(), anzahlen[0].toInt());
    const QJsonArray zyklen = fall[u"zyklen"].toArray();
    QVERIFY(!zyklen.isEmpty());
    for (int n = 1; n < anzahlen.size(); ++n) {
        const Zielsuchergebnis suche = feld.zielsuche(fall[u"p"].toDouble(), zufall);
        QCOMPARE(feld.zyklusAbschliessen().anzahlSpieler, anzahlen[n].toInt());
        if (n > zyklen.size())
            continue;
        const QJsonValue zyklus = zyklen[n - 1];
        GLEICH(versucheAlsJson(suche.versuche), zyklus[u"versuche"].toArray());
        GLEICH(zellenAlsJson(suche.neuGeworbene), zyklus[u"neu"].toArray());
        QCOMPARE(feld.anzahlSpieler(), zyklus[u"anzahl"].toInt());
    }
    const QString erwartet = fall[u"feld"].toString();
    QCOMPARE(erwartet.size(), Spielfeld::zellenAnzahl);
    for (int zelle = 0; zelle < Spielfeld::zellenAnzahl; ++zelle) {
        const int x = zelle % Spielfeld::groesse, y = zelle / Spielfeld::groesse;
        QCOMPARE(feld.feldBesetzt(x, y), erwartet[zelle] == u'1' ? 1 : 0);
    }
}

void TestSpielvektoren::verhulst_data()
{
    zeilen(m_vektoren[u"verhulst"].toArray(), [](const QJsonValue& fall) {
        return QStringLiteral("a0=%1 p=%2 t=%3").arg(fall[u"a0"].toDouble()).arg(fall[u"p"].toDouble()).arg(
            fall[u"t"].toDouble());
    });
}

void TestSpielvektoren::verhulst()
{
    QFETCH(QJsonValue, fall);
    const VerhulstFolge folge = verhulstFolge(fall[u"a0"].toDouble(), fall[u"p"].toDouble(), fall[u"t"].toDouble(),
                                              fall[u"letzterZyklus"].toInt());
    const QJsonArray werte = fall[u"werte"].toArray();
    QCOMPARE(static_cast<qsizetype>(folge.werte.size()), werte.size());
    for (qsizetype n = 0; n < werte.size(); ++n)
        GLEICH(folge.werte[static_cast<std::size_t>(n)], werte[n]);
    QCOMPARE(static_cast<int>(folge.fehler), fall[u"fehler"].toInt());
    QCOMPARE(folge.fehlerZyklus, fall[u"fehlerZyklus"].toInt());
}

void TestSpielvektoren::zahltextWerte_data()
{
    zeilen(m_vektoren.value(u"zahltext")[u"werte"].toArray(), [](const QJsonValue& fall) { return fall[2].toString(); });
}

void TestSpielvektoren::zahltextWerte()
{
    QFETCH(QJsonValue, fall);
    const double wert = fall[0].toDouble();
    QCOMPARE(QString::fromStdString(klartext(wert)), fall[1].toString());
    QCOMPARE(QString::fromStdString(hilfetext(wert)), fall[2].toString());
}

void TestSpielvektoren::zahltextTexte_data()
{
    zeilen(m_vektoren.value(u"zahltext")[u"texte"].toArray(),
           [](const QJsonValue& fall) { return '"' + fall[0].toString() + '"'; });
}

void TestSpielvektoren::zahltextTexte()
{
    QFETCH(QJsonValue, fall);
    const std::string text = fall[0].toString().toStdString();
    GLEICH(nachsichtigUmwandeln(text), fall[1]);
    GLEICH(exponentUmwandeln(text), fall[2]);
}

QTEST_APPLESS_MAIN(TestSpielvektoren)
#include "tst_spielvektoren.moc"
