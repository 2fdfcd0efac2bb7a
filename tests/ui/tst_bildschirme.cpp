// SPDX-License-Identifier: GPL-3.0-or-later
// The window on three simulated screens side by side (tests/ui/
// bildschirme-drei.json): 800 x 600 (the first, where windows start),
// 1280 x 1024 and a 1920 x 1080 projector. Whatever the zoom, the window
// never leaves the available area of its screen.
#include "auswertungsfenster.h"
#include "fensterhilfen.h"
#include "projektorzoom.h"
#include "zoomstufen.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

using namespace fenster;

namespace {

QScreen* bildschirm(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

bool passtAuf(const QWidget& fenster, const QScreen& screen)
{
    return screen.availableGeometry().contains(fenster.frameGeometry());
}

// The window moved onto a screen, at its top-left corner.
void verschieben(Form1& form, QScreen& screen)
{
    form.move(screen.availableGeometry().topLeft());
    QTRY_COMPARE(form.screen(), &screen);
    // Keys reach the window's shortcuts only while it is the active one.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

} // namespace

class TestBildschirme : public QObject
{
    Q_OBJECT

private slots:
    void kleinerBildschirmStartetVerkleinert();
    void zoomBleibtAufDemBildschirm_data();
    void zoomBleibtAufDemBildschirm();
    void aufKleinerenBildschirmGeschoben();
    void hilfezeileSagtWarumNichtGroesser();
    void auswertungZoomtFuerSich();
};

void TestBildschirme::kleinerBildschirmStartetVerkleinert()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QScreen* klein = bildschirm(QStringLiteral("Klein"));
    QVERIFY(klein);
    QCOMPARE(form.screen(), klein);
    QTRY_VERIFY(passtAuf(form, *klein));
    QVERIFY(form.zoom() >= zoomstufen::kleinsteAnpassung && form.zoom() < 1.0);
    // The buttons on the right edge and the help line are on the screen.
    for (const char* name : {"Command5", "Command6", "Command7", "txtHilfe"}) {
        QWidget* steuerelement = steuerelementNamens(form, name);
        const QRect global(steuerelement->mapToGlobal(QPoint(0, 0)), steuerelement->size());
        QVERIFY2(klein->availableGeometry().contains(global), name);
    }
    // The caption "A(n+1)" ends before its number box.
    const auto* beschriftung = steuerelementNamens<QLabel>(form, QStringLiteral("Label7"));
    const int textEnde = beschriftung->x() + beschriftung->fontMetrics().horizontalAdvance(beschriftung->text());
    QVERIFY2(textEnde <= ui(form).txtNeuSum->x(), qPrintable(QString::number(form.zoom())));
    // Nothing larger fits: Ctrl+Plus and Ctrl+0 leave the zoom.
    const double zoom = form.zoom();
    QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(form.zoom(), zoom);
    QTest::keyClick(&form, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(form.zoom(), zoom);
    QVERIFY(passtAuf(form, *klein));
}

void TestBildschirme::zoomBleibtAufDemBildschirm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("groessteStufe");
    QTest::newRow("800 x 600") << "Klein" << 0.0;
    QTest::newRow("1280 x 1024") << "Mittel" << 1.25;
    QTest::newRow("1920 x 1080") << "Beamer" << 1.5;
}

void TestBildschirme::zoomBleibtAufDemBildschirm()
{
    QFETCH(QString, name);
    QFETCH(double, groessteStufe);
    QScreen* screen = bildschirm(name);
    QVERIFY(screen);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    verschieben(form, *screen);
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(passtAuf(form, *screen));
    }
    if (groessteStufe > 0)
        QCOMPARE(form.zoom(), groessteStufe);

    // F11: the largest zoom that fits, the window in the middle.
    const double vorher = form.zoom();
    const QPoint ort = form.pos();
    const QSize groesse = form.frameGeometry().size();
    QTest::keyClick(&form, Qt::Key_F11);
    QVERIFY(passtAuf(form, *screen));
    QVERIFY(form.zoom() >= vorher);
    const QRect verfuegbar = screen->availableGeometry();
    const QRect rahmen = form.frameGeometry();
    const double freiBreite = 1.0 - double(rahmen.width()) / verfuegbar.width();
    const double freiHoehe = 1.0 - double(rahmen.height()) / verfuegbar.height();
    QVERIFY2(std::min(freiBreite, freiHoehe) < 0.005,
             qPrintable(QStringLiteral("%1 of %2 at zoom %3").arg(rahmen.width()).arg(verfuegbar.width()).arg(form.zoom())));
    QVERIFY((rahmen.center() - verfuegbar.center()).manhattanLength() <= 2);
    // F11 again: back where it was.
    QTest::keyClick(&form, Qt::Key_F11);
    QCOMPARE(form.zoom(), vorher);
    QCOMPARE(form.pos(), ort);
    QCOMPARE(form.frameGeometry().size(), groesse);
}

void TestBildschirme::aufKleinerenBildschirmGeschoben()
{
    QScreen* beamer = bildschirm(QStringLiteral("Beamer"));
    QScreen* mittel = bildschirm(QStringLiteral("Mittel"));
    QVERIFY(beamer && mittel);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    verschieben(form, *beamer);
    QTest::keyClick(&form, Qt::Key_F11);
    const double gross = form.zoom();
    verschieben(form, *mittel);
    QTRY_VERIFY(passtAuf(form, *mittel));
    QVERIFY(form.zoom() < gross);
}

// Ctrl+Plus that cannot grow says why in the help line.
void TestBildschirme::hilfezeileSagtWarumNichtGroesser()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(form.zoom() < 1.0);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(ui(form).txtHilfe->text(), Projektorzoom::zuKleinHinweis(1.0));
    QVERIFY(ui(form).txtHilfe->text().contains(QStringLiteral("(100 %) zu klein")));
}

// On the projector the evaluation opens beside the main window, zooms with
// its own keys alone and fills the screen with F11, never beyond it.
void TestBildschirme::auswertungZoomtFuerSich()
{
    QScreen* beamer = bildschirm(QStringLiteral("Beamer"));
    QVERIFY(beamer);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    verschieben(form, *beamer);
    QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
    auto* auswertung = form.findChild<Auswertungsfenster*>();
    QVERIFY(auswertung && QTest::qWaitForWindowExposed(auswertung));
    QVERIFY(passtAuf(*auswertung, *beamer));
    QVERIFY(!auswertung->frameGeometry().intersects(form.frameGeometry()));

    auswertung->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(auswertung));
    const double hauptzoom = form.zoom();
    const int schrift = QFontInfo(auswertung->font()).pixelSize();
    QTest::keyClick(auswertung, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(QFontInfo(auswertung->font()).pixelSize() > schrift);
    QCOMPARE(form.zoom(), hauptzoom);
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(auswertung, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(passtAuf(*auswertung, *beamer));
    }
    QTest::keyClick(auswertung, Qt::Key_F11);
    QVERIFY(passtAuf(*auswertung, *beamer));
    QCOMPARE(auswertung->frameGeometry().top(), beamer->availableGeometry().top() +
             (beamer->availableGeometry().height() - auswertung->frameGeometry().height()) / 2);
    // Ctrl+0: the design size.
    QTest::keyClick(auswertung, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(auswertung->size(), QSize(960, 760));
}

QTEST_MAIN(TestBildschirme)
#include "tst_bildschirme.moc"
