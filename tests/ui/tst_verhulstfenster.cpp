// SPDX-License-Identifier: GPL-3.0-or-later
#include "fensterhilfen.h"

using namespace fenster;

namespace {

const QColor dunkelblau(15, 15, 200);
const QColor blassblau(200, 200, 255);

} // namespace

class TestVerhulstFenster : public QObject
{
    Q_OBJECT

private slots:
    void kurveStehtNebenDenBalken();
    void exponentUebernehmen_data();
    void exponentUebernehmen();
    void verblassenUndGitterUeberDemBalken();
    void ueberlaufBeendetNichtDasProgramm();
    void langesTZeigtSeinenAnfang();
    void eingabetasteUebernimmtT();
    void fehlerImVerblassenUebernimmtExponent_data();
    void fehlerImVerblassenUebernimmtExponent();
};

void TestVerhulstFenster::kurveStehtNebenDenBalken()
{
    Form1 form;
    klick(ui(form).Command1);
    const VerhulstFolge folge = verhulstFolge(10, 5, 1, 120);
    Bildflaeche& chart = picHisto(form);
    for (int i : {0, 5, 13, 14, 30}) {
        const double a = folge.werte[static_cast<std::size_t>(i)];
        QCOMPARE(colourAt(chart, i + 0.3, a > 24 ? a - 12 : a / 2), dunkelblau);
        QVERIFY(colourAt(chart, i + 0.3, a + 12) != dunkelblau);
        // Right of the bar's column, not on it.
        QVERIFY(colourAt(chart, i, 1) != dunkelblau);
    }
    QCOMPARE(penWidth(chart), 2);
    // Repeating the click leaves the same picture.
    const QImage einmal = chart.picture();
    klick(ui(form).Command1);
    QCOMPARE(chart.picture(), einmal);
}

void TestVerhulstFenster::exponentUebernehmen_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<double>("t");
    QTest::addColumn<QString>("danach");
    QTest::addColumn<QString>("anzeige");
    QTest::newRow("comma between digits") << "1,5" << 1.5 << "1,5" << "t = 1.5";
    QTest::newRow("as the evaluation writes t") << "0,975" << 0.975 << "0,975" << "t = .975";
    QTest::newRow("point") << "1.5" << 1.5 << "1.5" << "t = 1.5";
    QTest::newRow("half") << "0.5" << 0.5 << "0.5" << "t = .5";
    QTest::newRow("nine is cut") << "9" << 8.0 << "8" << "t = 8";
    QTest::newRow("8.5 is cut") << "8.5" << 8.0 << "8" << "t = 8";
    QTest::newRow("eight stays typed") << "8" << 8.0 << "8" << "t = 8";
    QTest::newRow("8.0 stays typed") << "8.0" << 8.0 << "8.0" << "t = 8";
    QTest::newRow("negative") << "-3" << -3.0 << "-3" << "t =-3";
    QTest::newRow("minus two") << "-2" << -2.0 << "-2" << "t =-2";
    QTest::newRow("empty") << "" << 0.0 << "" << "t = 0";
    QTest::newRow("letters") << "abc" << 0.0 << "abc" << "t = 0";
    QTest::newRow("beyond the range") << "1e999" << 8.0 << "8" << "t = 8";
    QTest::newRow("leading blank") << " 2" << 2.0 << " 2" << "t = 2";
}

void TestVerhulstFenster::exponentUebernehmen()
{
    QFETCH(QString, eingabe);
    QFETCH(double, t);
    QFETCH(QString, danach);
    QFETCH(QString, anzeige);
    Form1 form;
    ui(form).Text4->setText(eingabe);
    klick(ui(form).Command3);
    QCOMPARE(form.exponentT(), t);
    QCOMPARE(ui(form).Text4->text(), danach);
    QCOMPARE(ui(form).txtExponent->text(), anzeige);
    QCOMPARE(penWidth(picHisto(form)), 1);
}

void TestVerhulstFenster::verblassenUndGitterUeberDemBalken()
{
    Form1 form;
    for (int i = 0; i < 5; ++i) {
        ui(form).cmdZielsuche->click();
        ui(form).cmdErgebnis->click();
    }
    klick(ui(form).Command1);
    ui(form).Text4->setText(QStringLiteral("1.5"));
    klick(ui(form).Command3);
    Bildflaeche& chart = picHisto(form);
    const VerhulstFolge folge = verhulstFolge(10, 5, 1, 120);
    QCOMPARE(colourAt(chart, 20.3, folge.werte[20] - 12), blassblau);
    // The bar of cycle 3 now has a grey line through its middle.
    QCOMPARE(colourAt(chart, 3, 5), QColor(240, 240, 240));
    QCOMPARE(colourAt(chart, 3.07, 5), QColor(200, 20, 20));
    QCOMPARE(form.exponentT(), 1.5);
}

void TestVerhulstFenster::ueberlaufBeendetNichtDasProgramm()
{
    Form1 form;
    ui(form).vscFaktor->setAngezeigterWert(15);
    ui(form).Text4->setText(QStringLiteral("8"));
    klick(ui(form).Command3);
    QCOMPARE(form.exponentT(), 8.0);

    // The curve of these parameters fails after a few steps.
    const int fehlerZyklus = verhulstFolge(10, 15, 8, 120).fehlerZyklus;
    MeldungBeantworter meldung;
    const QImage vorher = picHisto(form).picture();
    klick(ui(form).Command1);
    QCOMPARE(meldung.titel, QStringLiteral("Kettenbrief"));
    QVERIFY2(meldung.text.contains(QStringLiteral("Überlauf")), qPrintable(meldung.text));
    QVERIFY(fehlerZyklus >= 0 && fehlerZyklus <= 3);
    QVERIFY(meldung.text.contains(QStringLiteral("Zyklus %1").arg(fehlerZyklus)));
    // The lines before the error stay: A(0) = 10 and A(1) of about 14968.
    QCOMPARE(colourAt(picHisto(form), 0.3, 5), dunkelblau);
    QCOMPARE(colourAt(picHisto(form), 1.3, 2400), dunkelblau);
    QVERIFY(picHisto(form).picture() != vorher);
    // Everything goes on.
    QCOMPARE(form.exponentT(), 8.0);
    QCOMPARE(ui(form).txtExponent->text(), QStringLiteral("t = 8"));
    ui(form).cmdZielsuche->click();
    ui(form).cmdErgebnis->click();
    QCOMPARE(form.spielfeld().zyklus(), 1);
}

// However long the number, the box shows "t =" and the first digits.
void TestVerhulstFenster::langesTZeigtSeinenAnfang()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QLineEdit* anzeige = ui(form).txtExponent;
    ui(form).Text4->setText(QStringLiteral("-1e999"));
    klick(ui(form).Command3);
    QCOMPARE(anzeige->text(), QStringLiteral("t =-1.79769313486232E+308"));
    const QImage lang = anzeige->grab().toImage();
    // The same box with only the start of the text, which fits.
    ui(form).Text4->setText(QStringLiteral("-1.79"));
    klick(ui(form).Command3);
    QCOMPARE(anzeige->text(), QStringLiteral("t =-1.79"));
    const QImage kurz = anzeige->grab().toImage();
    const QRect anfang(0, 0, anzeige->width() / 2, anzeige->height());
    QCOMPARE(lang.copy(anfang), kurz.copy(anfang));
}

void TestVerhulstFenster::eingabetasteUebernimmtT()
{
    Form1 form;
    QLineEdit* eingabe = ui(form).Text4;
    eingabe->setText(QStringLiteral("1.5"));
    QTest::keyClick(eingabe, Qt::Key_Return);
    QCOMPARE(form.exponentT(), 1.5);
    QCOMPARE(ui(form).txtExponent->text(), QStringLiteral("t = 1.5"));
    // The old curve was faded as by the button: its line of cycle 1 is pale.
    eingabe->setText(QStringLiteral("2"));
    klick(ui(form).Command1);
    QTest::keyClick(eingabe, Qt::Key_Enter);
    QCOMPARE(form.exponentT(), 2.0);
    QCOMPARE(colourAt(picHisto(form), 1.3, 5), blassblau);
}

void TestVerhulstFenster::fehlerImVerblassenUebernimmtExponent_data()
{
    QTest::addColumn<QString>("grossesT");
    QTest::addColumn<int>("p");
    QTest::newRow("t = 8, p = 15") << "8" << 15;
    QTest::newRow("t = 8, p = 6") << "8" << 6;
    QTest::newRow("t = 3, p = 12") << "3" << 12;
    QTest::newRow("t = 2.5, p = 14") << "2.5" << 14;
}

// A fade that fails stops where it failed, but the new t is taken over all
// the same: one click with a small t gets the class out of the overflow.
void TestVerhulstFenster::fehlerImVerblassenUebernimmtExponent()
{
    QFETCH(QString, grossesT);
    QFETCH(int, p);
    const VerhulstFolge alteKurve = verhulstFolge(10, p, grossesT.toDouble(), 120);
    QVERIFY(alteKurve.fehler != VerhulstFehler::keiner);
    const QString fehler = alteKurve.fehler == VerhulstFehler::ueberlauf ? QStringLiteral("Überlauf")
                                                                         : QStringLiteral("Ungültiges Argument");
    Form1 form;
    ui(form).vscFaktor->setAngezeigterWert(p);
    ui(form).Text4->setText(grossesT);
    klick(ui(form).Command3);
    QCOMPARE(ui(form).txtExponent->text(), QStringLiteral("t = ") + grossesT);

    ui(form).Text4->setText(QStringLiteral("1"));
    MeldungBeantworter meldung;
    klick(ui(form).Command3);
    QVERIFY2(meldung.text.startsWith(fehler), qPrintable(meldung.text));
    QVERIFY2(meldung.text.contains(QStringLiteral("kleineren Exponenten t oder einer kleineren Wachstumsrate p")),
             qPrintable(meldung.text));
    QCOMPARE(form.exponentT(), 1.0);
    QCOMPARE(ui(form).txtExponent->text(), QStringLiteral("t = 1"));
    // The grid is drawn again over the faded lines, as after any fade.
    QCOMPARE(colourAt(picHisto(form), 2, 1200), QColor(240, 240, 240));

    MeldungBeantworter keineMeldung;
    klick(ui(form).Command1);
    QCoreApplication::processEvents();
    QVERIFY(!keineMeldung.beantwortet);
    const VerhulstFolge folge = verhulstFolge(10, p, 1.0, 120);
    QCOMPARE(folge.fehler, VerhulstFehler::keiner);
    QCOMPARE(colourAt(picHisto(form), 30.3, folge.werte[30] / 2), dunkelblau);
}

QTEST_MAIN(TestVerhulstFenster)
#include "tst_verhulstfenster.moc"
