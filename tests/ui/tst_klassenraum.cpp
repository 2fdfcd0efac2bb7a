// SPDX-License-Identifier: GPL-3.0-or-later
#include "deutsch.h"
#include "fensterhilfen.h"
#include "fenstertest.h"

#include <QAccessible>
#include <QClipboard>
#include <QLocale>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <set>

using namespace fenster;

namespace {

// Every colour the chart's grid and bars may have: nothing blended between.
const std::set<QRgb> diagrammFarben{qRgb(255, 255, 255), qRgb(100, 100, 255), qRgb(200, 200, 255),
                                    qRgb(220, 220, 220), qRgb(240, 240, 240), qRgb(255, 50, 50),
                                    qRgb(215, 150, 150), qRgb(200, 20, 20)};

void namenSammeln(QAccessibleInterface* knoten, QStringList& namen)
{
    if (!knoten)
        return;
    namen << knoten->text(QAccessible::Name);
    for (int i = 0; i < knoten->childCount(); ++i)
        namenSammeln(knoten->child(i), namen);
}

} // namespace

class TestKlassenraum : public FensterTest
{
    Q_OBJECT

private slots:
    void zoomVerdoppelt();
    void zoomZurueckGibtGleichesBild();
    void geraetePixelScharf();
    void kastenLassenGitterlinieFrei_data();
    void kastenLassenGitterlinieFrei();
    void zoomTasten();
    void meldungWaechstMitDemZoom();
    void zoomLaesstSpielstand();
    void qtTexteAufDeutsch();
    void tabulatorReihenfolge();
    void fokusrahmenNachTab_data();
    void fokusrahmenNachTab();
    void keinFokusrahmenNachKlick();
    void tastenkuerzel();
    void leertasteAufZielsuche();
    void pfeiltastenAmStartwert();
    void bildKopieren();
    void barrierefreieNamen_data();
    void barrierefreieNamen();
    void beschreibungenBleibenAktuell();
    void schiebebalkenNennenIhrenWert();

};

void TestKlassenraum::zoomVerdoppelt()
{
    ui(*m_form).cmdZielsuche->click();
    ui(*m_form).cmdErgebnis->click();
    m_form->zoomSetzen(2.0);
    QCOMPARE(m_form->centralWidget()->size(), QSize(1832, 1258));
    const QImage diagramm = picHisto(*m_form).picture();
    // 25000 twips at twice 1/15: edges rounded in place, so one pixel short of 2 x 1667.
    QCOMPARE(diagramm.size(), QSize(3333, 850));
    // A row across the whole chart: every pixel one of the drawing's colours.
    for (int y : {10, 400, 849})
        for (int x = 0; x < diagramm.width(); ++x)
            QVERIFY2(diagrammFarben.count(diagramm.pixel(x, y) | 0xff000000u),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    // Grid lines are two device pixels wide now, bars six.
    int breite = 0;
    for (int x = 0; x < diagramm.width() / 120 * 12; ++x)
        breite += diagramm.pixelColor(x, 100) == QColor(220, 220, 220);
    QCOMPARE(breite, 2);
    // The same cells and bars at the same user coordinates.
    QCOMPARE(roteZellen(*m_form), m_form->spielfeld().anzahlSpieler());
    QCOMPARE(colourAt(picHisto(*m_form), 1, 3), QColor(200, 20, 20));
    QCOMPARE(colourAt(picHisto(*m_form), 0.1, 3), QColor(255, 50, 50));
    QCOMPARE(ui(*m_form).Text1->height(), 2 * 27);
}

void TestKlassenraum::zoomZurueckGibtGleichesBild()
{
    ui(*m_form).Command1->click();
    const QImage feld = picAusgabe(*m_form).picture();
    const QImage diagramm = picHisto(*m_form).picture();
    m_form->zoomSetzen(3.0);
    QCOMPARE(picAusgabe(*m_form).picture().size(), QSize(3 * 442, 3 * 425));
    m_form->zoomSetzen(1.0);
    QCOMPARE(picAusgabe(*m_form).picture(), feld);
    QCOMPARE(picHisto(*m_form).picture(), diagramm);
}

void TestKlassenraum::geraetePixelScharf()
{
    // Runs at the screen's ratio; the suite runs it again with QT_SCALE_FACTOR=2.
    const double verhaeltnis = picHisto(*m_form).devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(verhaeltnis, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    const QImage diagramm = picHisto(*m_form).picture();
    QCOMPARE(diagramm.size(), (QSizeF(picHisto(*m_form).size()) * verhaeltnis).toSize());
    // Every pixel of a row one of the drawing's colours, the grid lines as
    // wide as the ratio, the start bar three times that.
    const int zeile = diagramm.height() / 3;
    int breite = 0;
    for (int x = 0; x < diagramm.width(); ++x) {
        QVERIFY(diagrammFarben.count(diagramm.pixel(x, zeile) | 0xff000000u));
        breite += x < diagramm.width() / 10 && diagramm.pixelColor(x, zeile) == QColor(220, 220, 220);
    }
    QCOMPARE(breite, static_cast<int>(std::lround(verhaeltnis)));
    int balken = 0;
    for (int x = 0; x < diagramm.width() / 12; ++x)
        balken += diagramm.pixelColor(x, diagramm.height() - 1) == QColor(255, 50, 50);
    QCOMPARE(balken, static_cast<int>(std::lround(3 * verhaeltnis)));
    QCOMPARE(roteZellen(*m_form), 10);
}

void TestKlassenraum::kastenLassenGitterlinieFrei_data()
{
    QTest::addColumn<double>("zoom");
    for (double zoom : {1.0, 1.25, 1.5, 2.0})
        QTest::newRow(qPrintable(QStringLiteral("zoom %1").arg(zoom))) << zoom;
}

// A box of 0.9 cells in every column and row (the diagonal) leaves the grid
// line of its cell's right and bottom side visible, however the cells fall
// on the pixels; the suite runs this at device pixel ratio 2 as well.
void TestKlassenraum::kastenLassenGitterlinieFrei()
{
    QFETCH(double, zoom);
    m_form->zoomSetzen(zoom);
    Feldansicht feld(picAusgabe(*m_form).flaeche());
    feld.feldgitterZeichnen();
    std::vector<Zelle> diagonale;
    for (int c = 0; c < 50; ++c)
        diagonale.push_back(Zelle{c, c});
    feld.startSpielerZeichnen(diagonale);
    const QImage bild = picAusgabe(*m_form).picture();
    const double proZelleX = bild.width() / 50.0, proZelleY = bild.height() / 50.0;
    const auto pixel = [](double device, int groesse) {
        return std::min(groesse - 1, static_cast<int>(std::floor(device + 1e-4)));
    };
    for (int c = 0; c < 50; ++c) {
        const int mitteX = pixel((c + 0.45) * proZelleX, bild.width());
        const int mitteY = pixel((c + 0.45) * proZelleY, bild.height());
        QCOMPARE(bild.pixelColor(mitteX, mitteY), QColor(255, 0, 0));
        QCOMPARE(bild.pixelColor(pixel((c + 1) * proZelleX, bild.width()), mitteY), QColor(100, 100, 100));
        QCOMPARE(bild.pixelColor(mitteX, pixel((c + 1) * proZelleY, bild.height())), QColor(100, 100, 100));
    }
}

void TestKlassenraum::meldungWaechstMitDemZoom()
{
    QList<int> hoehen;
    for (double zoom : {1.0, 2.0}) {
        m_form->zoomSetzen(zoom);
        QTimer::singleShot(0, [&hoehen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(text);
            hoehen << QFontMetrics(text->font()).height();
            QCOMPARE(QFontInfo(text->font()).family(), QStringLiteral("Liberation Sans"));
            box->accept();
        });
        ui(*m_form).cmdInfo->trigger();
    }
    QCOMPARE(hoehen.size(), 2);
    QVERIFY2(hoehen[1] > 1.8 * hoehen[0], qPrintable(QStringLiteral("%1 %2").arg(hoehen[0]).arg(hoehen[1])));
    QCOMPARE(QFontInfo(m_form->menuBar()->font()).family(), QStringLiteral("Liberation Sans"));
}

void TestKlassenraum::zoomTasten()
{
    QTest::keyClick(m_form.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(m_form->zoom(), 1.25);
    QTest::keyClick(m_form.get(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(m_form->zoom(), 1.5);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(m_form.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(m_form->zoom(), 3.0);
    QTest::keyClick(m_form.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(m_form->zoom(), 2.5);
    QTest::keyClick(m_form.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(m_form->zoom(), 1.0);
    QTest::keyClick(m_form.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(m_form->zoom(), 1.0);
    QCOMPARE(m_form->centralWidget()->size(), QSize(916, 629));
}

void TestKlassenraum::zoomLaesstSpielstand()
{
    ui(*m_form).HScroll2->setValue(3360);
    m_form->zoomSetzen(2.0);
    // (6600 - 3360) twips at zoom 2, 15 to a pixel.
    QCOMPARE(picHisto(*m_form).x(), 432);
    QCOMPARE(m_form->spielfeld().zyklus(), 0);
    QCOMPARE(ui(*m_form).Text1->text(), QStringLiteral("10"));
    ui(*m_form).cmdErgebnis->click();
    QCOMPARE(m_form->spielfeld().zyklus(), 1);
}

void TestKlassenraum::qtTexteAufDeutsch()
{
    QLocale::setDefault(QLocale(QLocale::English));
    QVERIFY(qtAufDeutsch(*qApp));
    std::unique_ptr<QMenu> menue(ui(*m_form).Text4->createStandardContextMenu());
    QStringList texte;
    for (QAction* eintrag : menue->actions())
        texte << eintrag->text().remove(QLatin1Char('&'));
    QVERIFY2(texte.join(QLatin1Char('|')).contains(QStringLiteral("Kopieren")), qPrintable(texte.join(QLatin1Char('|'))));
}

void TestKlassenraum::tabulatorReihenfolge()
{
    ui(*m_form).txtStart->setFocus();
    QStringList besucht{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        besucht << QApplication::focusWidget()->objectName();
    }
    const QStringList erwartet{"txtStart", "vscStart", "txtFaktor", "vscFaktor", "Text2", "Text1", "txtdelta",
                               "txtNeuSum", "cmdStart", "cmdZielsuche", "cmdErgebnis", "Command2", "Command1",
                               "Text5", "txtExponent", "Text4", "Command3", "HScroll2", "Command5", "Command6",
                               "Command7", "txtHilfe"};
    QCOMPARE(besucht.mid(0, erwartet.size()), erwartet);
    QCOMPARE(besucht.at(erwartet.size()), QStringLiteral("txtStart"));
}

namespace {

// Contrast of two colours as the web's accessibility rules define it.
double kontrast(QColor a, QColor b)
{
    const auto leuchtdichte = [](QColor c) {
        const auto kanal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
    };
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage fensterbild(Form1& form)
{
    return form.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels of two pictures outside a control that differ (the control
// itself may show a text cursor or Qt's own focus mark).
int unterschiedeAusserhalb(const QImage& a, const QImage& b, const QRect& steuerelement)
{
    int unterschiede = 0;
    for (int x = 0; x < a.width(); ++x)
        for (int y = 0; y < a.height(); ++y)
            unterschiede += !steuerelement.contains(x, y) && a.pixel(x, y) != b.pixel(x, y);
    return unterschiede;
}

} // namespace

void TestKlassenraum::fokusrahmenNachTab_data()
{
    QTest::addColumn<QString>("steuerelement");
    for (const char* name : {"txtStart", "vscStart", "cmdStart", "Command2", "Text4", "HScroll2", "Command5", "txtHilfe"})
        QTest::newRow(name) << name;
}

// Every control reached by Tab shows a frame at least 2 pixels wide that
// stands out 3 : 1 from what was there before.
void TestKlassenraum::fokusrahmenNachTab()
{
    QFETCH(QString, steuerelement);
    QWidget* ziel = steuerelementNamens(*m_form, steuerelement);
    // The window opens with the focus on its first box, unframed.
    QWidget* erstes = ui(*m_form).txtStart;
    QCOMPARE(QApplication::focusWidget(), erstes);
    const QImage ohne = fensterbild(*m_form);
    for (int i = 0; i < 30 && (i == 0 || QApplication::focusWidget() != ziel); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ziel);
    const QImage mit = fensterbild(*m_form);
    const QRect lage(ziel->mapTo(m_form->centralWidget(), QPoint(0, 0)), ziel->size());
    // Along each side, a band of two pixels just outside the control.
    const QPoint mitte = lage.center();
    const QList<QList<QPoint>> baender{
        {QPoint(mitte.x(), lage.top() - 1), QPoint(mitte.x(), lage.top() - 2)},
        {QPoint(mitte.x(), lage.bottom() + 1), QPoint(mitte.x(), lage.bottom() + 2)},
        {QPoint(lage.left() - 1, mitte.y()), QPoint(lage.left() - 2, mitte.y())},
        {QPoint(lage.right() + 1, mitte.y()), QPoint(lage.right() + 2, mitte.y())},
        {QPoint(mitte.x(), lage.top() - 3), QPoint(mitte.x(), lage.top() - 4)},
        {QPoint(mitte.x(), lage.bottom() + 3), QPoint(mitte.x(), lage.bottom() + 4)},
    };
    for (int seite = 0; seite < 4; ++seite) {
        bool sichtbar = false;
        for (const QList<QPoint>& band : {baender[seite], baender[(seite % 2) + 4]}) {
            bool deutlich = true;
            for (const QPoint& punkt : band) {
                if (!mit.rect().contains(punkt))
                    continue;
                deutlich = deutlich && kontrast(mit.pixelColor(punkt), ohne.pixelColor(punkt)) >= 3.0;
            }
            sichtbar = sichtbar || deutlich;
        }
        QVERIFY2(sichtbar, qPrintable(QStringLiteral("side %1 of %2").arg(seite).arg(steuerelement)));
    }
    // Back on the first box by a click: the window is as it opened again.
    QTest::mouseClick(erstes, Qt::LeftButton);
    const QRect erstesLage(erstes->mapTo(m_form->centralWidget(), QPoint(0, 0)), erstes->size());
    QCOMPARE(unterschiedeAusserhalb(fensterbild(*m_form), ohne, erstesLage), 0);
}

// A click gives a button the focus, but the window keeps its design around it.
void TestKlassenraum::keinFokusrahmenNachKlick()
{
    auto* knopf = ui(*m_form).cmdErgebnis;
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), knopf);
    const QImage nachKlick = fensterbild(*m_form);
    knopf->clearFocus();
    const QImage ohne = fensterbild(*m_form);
    const QRect lage(knopf->mapTo(m_form->centralWidget(), QPoint(0, 0)), knopf->size());
    QCOMPARE(unterschiedeAusserhalb(nachKlick, ohne, lage), 0);
}

void TestKlassenraum::tastenkuerzel()
{
    QTest::keyClick(m_form.get(), Qt::Key_F1);
    QVERIFY(ui(*m_form).image2->isVisible());
    QTest::keyClick(m_form.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!m_form->isVisible());
}

void TestKlassenraum::leertasteAufZielsuche()
{
    auto* knopf = ui(*m_form).cmdZielsuche;
    knopf->setFocus();
    QTest::keyClick(knopf, Qt::Key_Space);
    QVERIFY(!ui(*m_form).txtdelta->text().isEmpty());
}

void TestKlassenraum::pfeiltastenAmStartwert()
{
    TopHighScrollBar* balken = ui(*m_form).vscStart;
    balken->setFocus();
    QTest::keyClick(balken, Qt::Key_Up);
    QCOMPARE(balken->angezeigterWert(), 11);
    QCOMPARE(roteZellen(*m_form), 11);
    QTest::keyClick(balken, Qt::Key_PageDown);
    QCOMPARE(balken->angezeigterWert(), 10);
    QTest::keyClick(balken, Qt::Key_Home);
    QCOMPARE(balken->angezeigterWert(), 50);
}

void TestKlassenraum::bildKopieren()
{
    Bildflaeche& feld = picAusgabe(*m_form);
    QTest::mouseMove(&feld, QPoint(50, 50));
    QTest::mouseClick(&feld, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), feld.picture());
}

void TestKlassenraum::barrierefreieNamen_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Startwert A(0)", "Wachstumsrate p", "Aktuelle Anzahl A(n)", "Neu geworbene ΔA", "A(n+1)",
                             "Exponent t", "Spielfeld", "Balkendiagramm", "Schnelldurchlauf 10 Iterationen",
                             "Vergleich mit Verhulst", "Zielsuche", "Ergebnis", "Monte-Carlo initialisieren",
                             "Exponent t initialisieren", "Diagramm verschieben", "Hilfezeile"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void TestKlassenraum::barrierefreieNamen()
{
    QFETCH(QString, name);
    QStringList namen;
    namenSammeln(QAccessible::queryAccessibleInterface(m_form.get()), namen);
    QVERIFY2(namen.contains(name), qPrintable(namen.join(QLatin1Char('|'))));
}

void TestKlassenraum::beschreibungenBleibenAktuell()
{
    QCOMPARE(picAusgabe(*m_form).accessibleDescription(), QStringLiteral("10 von %1 Individuen spielen mit").arg(Spielfeld::zellenAnzahl));
    ui(*m_form).cmdZielsuche->click();
    ui(*m_form).cmdErgebnis->click();
    QCOMPARE(picHisto(*m_form).accessibleDescription(),
             QStringLiteral("Letzter Zyklus 1 mit A(n) = %1").arg(ui(*m_form).Text1->text()));
    QCOMPARE(picAusgabe(*m_form).accessibleDescription(),
             QStringLiteral("%1 von %2 Individuen spielen mit").arg(ui(*m_form).Text1->text()).arg(Spielfeld::zellenAnzahl));
}

void TestKlassenraum::schiebebalkenNennenIhrenWert()
{
    QAccessibleInterface* balken = QAccessible::queryAccessibleInterface(ui(*m_form).vscStart);
    QVERIFY(balken);
    QAccessibleValueInterface* wert = balken->valueInterface();
    QVERIFY(wert);
    QCOMPARE(wert->currentValue().toInt(), 10);
    QCOMPARE(wert->minimumValue().toInt(), 1);
    QCOMPARE(wert->maximumValue().toInt(), 50);
    QCOMPARE(balken->text(QAccessible::Value), QStringLiteral("10"));
    QCOMPARE(balken->text(QAccessible::Name), QStringLiteral("Startwert A(0) einstellen"));
    // A screen reader setting the value acts like the user.
    wert->setCurrentValue(12);
    QCOMPARE(ui(*m_form).txtStart->text(), QStringLiteral("12"));
}

QTEST_MAIN(TestKlassenraum)
#include "tst_klassenraum.moc"
