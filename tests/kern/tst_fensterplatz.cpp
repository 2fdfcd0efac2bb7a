// SPDX-License-Identifier: GPL-3.0-or-later
// Where the evaluation opens beside the main window: the desktop's whole
// pixels and the page's fractional CSS pixels.
#include "fensterplatz.h"

#include <QTest>

Q_DECLARE_METATYPE(Rechteck)
Q_DECLARE_METATYPE(Groesse)
Q_DECLARE_METATYPE(Ecke)

namespace QTest {
template <> char* toString(const Ecke& ecke)
{
    return qstrdup(QByteArray::number(ecke.x) + ", " + QByteArray::number(ecke.y));
}
} // namespace QTest

class TestFensterplatz : public QObject
{
    Q_OBJECT

private slots:
    void platzNeben_data();
    void platzNeben();
    void imBereich_data();
    void imBereich();
};

void TestFensterplatz::platzNeben_data()
{
    QTest::addColumn<Rechteck>("hauptfenster");
    QTest::addColumn<Groesse>("groesse");
    QTest::addColumn<Rechteck>("verfuegbar");
    QTest::addColumn<Ecke>("ecke");
    const Rechteck gross{0, 0, 1920, 1080};
    QTest::newRow("room on the right") << Rechteck{0, 0, 800, 600} << Groesse{600, 500} << gross << Ecke{800, 0};
    QTest::newRow("room on the left only") << Rechteck{1100, 40, 800, 600} << Groesse{600, 500} << gross
                                           << Ecke{500, 40};
    QTest::newRow("room below only") << Rechteck{0, 0, 1900, 500} << Groesse{600, 500} << gross << Ecke{0, 500};
    QTest::newRow("room above only") << Rechteck{0, 580, 1900, 500} << Groesse{600, 500} << gross << Ecke{0, 80};
    // Right covers 476 x 500 of it, below 700 x 332: below hides the least.
    QTest::newRow("no room: hides the least") << Rechteck{0, 0, 800, 600} << Groesse{700, 500}
                                              << Rechteck{0, 0, 1024, 768} << Ecke{0, 268};
    // Right and left cover the same: the first of them.
    QTest::newRow("a tie: right first") << Rechteck{200, 0, 600, 1080} << Groesse{500, 1080}
                                        << Rechteck{0, 0, 1000, 1080} << Ecke{500, 0};
    QTest::newRow("screen not at the origin") << Rechteck{1280, 0, 800, 600} << Groesse{600, 500}
                                              << Rechteck{1280, 0, 1920, 1080} << Ecke{2080, 0};
    QTest::newRow("CSS pixels of a centred page") << Rechteck{1040.5, 12.25, 919, 667.5} << Groesse{960, 760}
                                                  << Rechteck{0, 0, 3000, 1100} << Ecke{1959.5, 12.25};
}

void TestFensterplatz::platzNeben()
{
    QFETCH(Rechteck, hauptfenster);
    QFETCH(Groesse, groesse);
    QFETCH(Rechteck, verfuegbar);
    QFETCH(Ecke, ecke);
    QCOMPARE(::platzNeben(hauptfenster, groesse, verfuegbar), ecke);
}

void TestFensterplatz::imBereich_data()
{
    QTest::addColumn<Ecke>("ecke");
    QTest::addColumn<Groesse>("groesse");
    QTest::addColumn<Ecke>("erwartet");
    // The area: 100 .. 1100 across, 50 .. 850 down.
    QTest::newRow("inside stays") << Ecke{200, 100} << Groesse{300, 200} << Ecke{200, 100};
    QTest::newRow("beyond the right edge") << Ecke{900, 100} << Groesse{300, 200} << Ecke{800, 100};
    QTest::newRow("above and left") << Ecke{-40, 0} << Groesse{300, 200} << Ecke{100, 50};
    QTest::newRow("below") << Ecke{200, 800} << Groesse{300, 200} << Ecke{200, 650};
    QTest::newRow("too large: the top-left corner") << Ecke{500, 500} << Groesse{1200, 900} << Ecke{100, 50};
}

void TestFensterplatz::imBereich()
{
    QFETCH(Ecke, ecke);
    QFETCH(Groesse, groesse);
    QFETCH(Ecke, erwartet);
    QCOMPARE(::imBereich(ecke, groesse, Rechteck{100, 50, 1000, 800}), erwartet);
}

QTEST_APPLESS_MAIN(TestFensterplatz)
#include "tst_fensterplatz.moc"
