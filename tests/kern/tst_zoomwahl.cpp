// SPDX-License-Identifier: GPL-3.0-or-later
// The page's projector zoom: a script of keys and changes of the browser's
// window, each with the zoom it must show.
#include "zoomwahl.h"

#include <QTest>

class TestZoomwahl : public QObject
{
    Q_OBJECT

private slots:
    void passendFuer_data();
    void passendFuer();
    void folge_data();
    void folge();
    void zuKleinHinweis();
};

void TestZoomwahl::passendFuer_data()
{
    QTest::addColumn<double>("verhaeltnis");
    QTest::addColumn<double>("passend");
    QTest::newRow("a phone upright, below the least") << 0.2 << 0.25;
    QTest::newRow("a thousandth below, never above") << 0.66699 << 0.666;
    QTest::newRow("a ratio rounded just under a thousandth") << 0.7999999999 << 0.8;
    QTest::newRow("a wall screen, at most the largest step") << 4.2 << 3.0;
}

void TestZoomwahl::passendFuer()
{
    QFETCH(double, verhaeltnis);
    QFETCH(double, passend);
    QCOMPARE(Zoomwahl::passendFuer(verhaeltnis), passend);
}

// Each step: the operation, the fit of the browser's window, the zoom
// shown, whether it fills, and the step refused as too large (0: none).
void TestZoomwahl::folge_data()
{
    QTest::addColumn<QStringList>("schritte");
    QTest::addColumn<QList<double>>("passend");
    QTest::addColumn<QList<double>>("gezeigt");
    QTest::addColumn<QList<double>>("zuGross");
    QTest::newRow("steps up, the last grows to the fit, then refuses")
        << QStringList{"zuruecksetzen", "vergroessern", "vergroessern", "vergroessern", "verkleinern"}
        << QList<double>{3, 3, 1.4, 1.4, 1.4} << QList<double>{1, 1.25, 1.4, 1.4, 1.25}
        << QList<double>{0, 0, 0, 1.5, 0};
    QTest::newRow("a window too small for the zoom asked for grows back")
        << QStringList{"zuruecksetzen", "vergroessern", "anpassen", "anpassen"} << QList<double>{3, 3, 0.6, 3}
        << QList<double>{1, 1.25, 0.6, 1.25} << QList<double>{0, 0, 0, 0};
    QTest::newRow("F11 fills both ways and goes back to the zoom asked for")
        << QStringList{"zuruecksetzen", "umschalten", "anpassen", "anpassen", "umschalten"}
        << QList<double>{3, 2.2, 2.7, 0.5, 3} << QList<double>{1, 2.2, 2.7, 0.5, 1} << QList<double>{0, 0, 0, 0, 0};
    QTest::newRow("a touch screen fills until a key asks for a zoom")
        << QStringList{"zuruecksetzen", "fuellen", "anpassen", "verkleinern", "anpassen"}
        << QList<double>{0.4, 0.4, 0.9, 0.9, 3} << QList<double>{0.4, 0.4, 0.9, 0.9, 0.9}
        << QList<double>{0, 0, 0, 0, 0};
    QTest::newRow("the largest step takes no further step and says nothing")
        << QStringList{"setzen3", "vergroessern"} << QList<double>{3, 3} << QList<double>{3, 3}
        << QList<double>{0, 0};
}

void TestZoomwahl::folge()
{
    QFETCH(QStringList, schritte);
    QFETCH(QList<double>, passend);
    QFETCH(QList<double>, gezeigt);
    QFETCH(QList<double>, zuGross);
    Zoomwahl wahl;
    for (qsizetype i = 0; i < schritte.size(); ++i) {
        const QString& s = schritte[i];
        const double p = passend[i];
        const double zoom = s == "vergroessern"  ? wahl.vergroessern(p)
                            : s == "verkleinern" ? wahl.verkleinern(p)
                            : s == "fuellen"     ? wahl.fuellen(p)
                            : s == "umschalten"  ? wahl.fuellenUmschalten(p)
                            : s == "anpassen"    ? wahl.anpassen(p)
                            : s == "setzen3"     ? wahl.setzen(3, p)
                                                 : wahl.zuruecksetzen(p);
        QCOMPARE(zoom, gezeigt[i]);
        QCOMPARE(wahl.zoom(), gezeigt[i]);
        QCOMPARE(wahl.zuGross().value_or(0), zuGross[i]);
    }
}

void TestZoomwahl::zuKleinHinweis()
{
    QCOMPARE(QString::fromStdString(::zuKleinHinweis(2.5)),
             QStringLiteral("Der Bildschirm ist für die nächste Stufe (250 %) zu klein. F11 füllt ihn mit der größten "
                            "Stufe, die passt."));
}

QTEST_APPLESS_MAIN(TestZoomwahl)
#include "tst_zoomwahl.moc"
