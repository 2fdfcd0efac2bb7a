// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "auswertungsfenster.h"
#include "controltable.h"
#include "bildflaeche.h"
#include "erlaeuterungsbild.h"
#include "feldansicht.h"
#include "fokusrahmen.h"
#include "freihandstift.h"
#include "helpline.h"
#include "hilfetexte.h"
#include "histoansicht.h"
#include "meldungen.h"
#include "menuebefehle.h"
#include "projektorzoom.h"
#include "schriften.h"
#include "standardzufallsquelle.h"
#include "tophighscrollbar.h"
#include "twips.h"
#include "zahlfelder.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <cmath>

namespace {

// The client area below the menu bar, which holds every control.
QWidget* clientAnlegen(QMainWindow& fenster)
{
    auto* client = new QWidget(&fenster);
    fenster.setCentralWidget(client);
    fenster.layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

} // namespace

Form1::Form1(std::unique_ptr<Zufallsquelle> zufall, QWidget* parent)
    : QMainWindow(parent)
    , m_zufall(zufall ? std::move(zufall) : std::make_unique<StandardZufallsquelle>())
    , m_controls(std::make_unique<Controls>(clientAnlegen(*this)))
    , m_ui(m_controls->steuerelemente())
    , m_feld(std::make_unique<Feldansicht>(m_ui.picAusgabe->flaeche()))
    , m_histo(std::make_unique<Histoansicht>(m_ui.picHisto->flaeche()))
    , m_feldStift(std::make_unique<Freihandstift>(Freihandstift::feldstift(m_ui.picAusgabe->flaeche())))
    , m_histoStift(std::make_unique<Freihandstift>(Freihandstift::diagrammstift(m_ui.picHisto->flaeche())))
    , m_schnelldurchlauf({[this] { cmdZielsucheClick(); }, [this] { cmdErgebnisClick(); },
                          [this] { return wartendeEreignisseVerarbeiten(); }})
    , m_hilfe(new HelpLine(*m_ui.txtHilfe, this))
    , m_fokusrahmen(new Fokusrahmen(*centralWidget()))
    , m_projektorzoom(new Projektorzoom(
          *this, [this](double zoom) { return groesseBeiZoom(zoom); }, [this](double zoom) { zoomAnwenden(zoom); }))
{
    setWindowTitle(QStringLiteral("Nivra1.0"));
    for (QWidget* steuerelement : centralWidget()->findChildren<QWidget*>())
        if (steuerelement->focusPolicy() != Qt::NoFocus)
            m_fokusrahmen->beobachten(*steuerelement);
    createMenus();
    createShortcuts();
    connectHandlers();
    connectSurfaces();
    watchHelpTexts();
    m_projektorzoom->zuruecksetzen();
    startUp();
}

Form1::~Form1() = default;

void Form1::startUp()
{
    m_exponentT = 1.0;
    m_ui.HScroll1->hide();
    m_ui.txtSkala->hide();
    cmdStartClick();
    m_ui.Command4->hide();
}

// ---- Set-up: menus, keys, signals, help texts ----

void Form1::createMenus()
{
    const auto befehl = [this](const Menuebefehl& eintrag, void (Form1::*handler)()) {
        QAction* aktion = menuBar()->addAction(QString::fromUtf8(eintrag.text), this, handler);
        aktion->setShortcut(QKeySequence::fromString(QString::fromLatin1(eintrag.taste), QKeySequence::PortableText));
        return aktion;
    };
    m_ui.cmdEnde = befehl(menueEnde, &Form1::cmdEndeClick);
    m_ui.cmdStoch = befehl(menueErlaeuterung, &Form1::cmdStochClick);
    m_ui.cmdInfo = befehl(menueInformation, &Form1::cmdInfoClick);
}

void Form1::createShortcuts()
{
    const auto kuerzel = [this](QKeySequence folge, auto* empfaenger, auto handler) {
        connect(new QShortcut(folge, this), &QShortcut::activated, empfaenger, handler);
    };
    m_projektorzoom->tastenEinrichten();
    connect(m_projektorzoom, &Projektorzoom::zuGross, m_hilfe,
            [this](double stufe) { m_hilfe->show(Projektorzoom::zuKleinHinweis(stufe)); });
    kuerzel(QKeySequence(QKeySequence::Copy), this, &Form1::bildKopieren);
    kuerzel(QKeySequence(Qt::Key_Escape), this, &Form1::erlaeuterungSchliessen);
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_T), this, &Form1::auswertungUmschalten);
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_N), this, &Form1::spielVomProgrammstart);
}

void Form1::connectHandlers()
{
    const auto click = [this](QPushButton* knopf, void (Form1::*handler)()) {
        connect(knopf, &QPushButton::clicked, this, handler);
    };
    click(m_ui.cmdStart, &Form1::cmdStartClick);
    click(m_ui.cmdZielsuche, &Form1::cmdZielsucheClick);
    click(m_ui.cmdErgebnis, &Form1::cmdErgebnisClick);
    click(m_ui.Command1, &Form1::command1Click);
    click(m_ui.Command2, &Form1::command2Click);
    click(m_ui.Command3, &Form1::command3Click);
    click(m_ui.Command5, &Form1::command5Click);
    click(m_ui.Command6, &Form1::command6Click);
    click(m_ui.Command7, &Form1::command7Click);
    click(m_ui.Command8, &Form1::command8Click);

    // The vertical bars report a value once it is set (arrow, page, or the
    // thumb released); the chart's bar follows the thumb live.
    for (TopHighScrollBar* balken : {m_ui.vscStart, m_ui.vscFaktor})
        balken->setTracking(false);
    connect(m_ui.vscStart, &TopHighScrollBar::angezeigterWertGeaendert, this, &Form1::vscStartChange);
    connect(m_ui.vscFaktor, &TopHighScrollBar::angezeigterWertGeaendert, this, &Form1::vscFaktorChange);
    connect(m_ui.HScroll2, &QScrollBar::valueChanged, this, &Form1::hScroll2Change);
    // Enter in the box of t takes it over, as its button does.
    connect(m_ui.Text4, &QLineEdit::returnPressed, this, &Form1::command3Click);
    connect(m_ui.txtStart, &QLineEdit::textChanged, m_hilfe, [this](const QString& t) { m_hilfe->show(startwertHilfe(t)); });
    connect(m_ui.txtFaktor, &QLineEdit::textChanged, m_hilfe, [this](const QString& t) { m_hilfe->show(wachstumsrateHilfe(t)); });
}

void Form1::connectSurfaces()
{
    const auto maus = [this](Bildflaeche* flaeche, Freihandstift* stift, void (Form1::*bewegt)(QPointF)) {
        connect(flaeche, &Bildflaeche::pressed, this, [stift](QPointF p) { stift->druecken({p.x(), p.y()}); });
        connect(flaeche, &Bildflaeche::moved, this, bewegt);
        connect(flaeche, &Bildflaeche::released, this, [stift] { stift->loslassen(); });
    };
    maus(m_ui.picAusgabe, m_feldStift.get(), &Form1::picAusgabeMouseMove);
    maus(m_ui.picHisto, m_histoStift.get(), &Form1::picHistoMouseMove);
}

void Form1::watchHelpTexts()
{
    for (const FesterHilfetext& eintrag : festeHilfetexte(m_ui))
        m_hilfe->watch(eintrag.steuerelement, QString::fromUtf8(eintrag.text));
    m_hilfe->watch(m_ui.txtStart, [this] { return startwertHilfe(m_ui.txtStart->text()); });
    m_hilfe->watch(m_ui.txtFaktor, [this] { return wachstumsrateHilfe(m_ui.txtFaktor->text()); });
}

// ---- The window: zoom, pictures, screen readers ----

void Form1::zoomSetzen(double zoom)
{
    m_projektorzoom->setzen(zoom);
}

double Form1::zoom() const
{
    return m_projektorzoom->zoom();
}

QSize Form1::groesseBeiZoom(double zoom) const
{
    // The menu bar's margins stay; its text grows with the zoom.
    const QMenuBar* leiste = menuBar();
    const int raender = leiste->sizeHint().height() - QFontMetrics(leiste->font()).height();
    const int menue = raender + QFontMetrics(standardSchrift(zoom)).height();
    return QSize(twipsZuPixeln(clientWidthTwips, zoom), twipsZuPixeln(clientHeightTwips, zoom) + menue);
}

void Form1::zoomAnwenden(double zoom)
{
    centralWidget()->setFixedSize(twipsZuPixeln(clientWidthTwips, zoom), twipsZuPixeln(clientHeightTwips, zoom));
    m_controls->applyZoom(zoom);
    hScroll2Change(m_ui.HScroll2->value());
    menuBar()->setFont(standardSchrift(zoom));
    m_fokusrahmen->setZoom(zoom);
    // The window takes its new size now, not at the next layout pass: the
    // zoom that fits is computed from it.
    layout()->activate();
}

void Form1::bildKopieren()
{
    for (Bildflaeche* flaeche : {m_ui.picAusgabe, m_ui.picHisto}) {
        if (flaeche->isVisible() && flaeche->underMouse()) {
            QGuiApplication::clipboard()->setImage(flaeche->picture());
            return;
        }
    }
}

void Form1::beschreibungenAktualisieren()
{
    m_ui.picAusgabe->setAccessibleDescription(QString::fromStdString(Feldansicht::beschreibung(m_spielfeld)));
    m_ui.picHisto->setAccessibleDescription(QString::fromStdString(
        Histoansicht::beschreibung(m_spielfeld.zyklus(), m_ui.Text1->text().toStdString())));
}

// ---- Monte-Carlo initialisation and the field ----

void Form1::allesZuruecksetzen()
{
    m_histo->spaltenMitGeisterbalken(m_spielfeld);
    m_spielfeld.allesZuruecksetzen();
    m_feld->feldgitterZeichnen();
    m_histo->histoGitterZeichnen(m_ui.HScroll1->value());
}

void Form1::cmdStartClick()
{
    allesZuruecksetzen();
    const double a0 = parameterVon(m_ui.txtStart->text());
    const double hoechstens = Spielfeld::zellenAnzahl;
    const int startzahl = std::isfinite(a0) && a0 > 0 ? static_cast<int>(std::min(a0, hoechstens)) : 0;
    m_feld->startSpielerZeichnen(m_spielfeld.startSpielerSetzen(startzahl, *m_zufall));
    m_histo->startbalkenZeichnen(fuehrendeZahl(m_ui.txtStart->text()));
    m_ui.Text1->setText(m_ui.txtStart->text());
    beschreibungenAktualisieren();
    command7Click();
    emit spielGeaendert();
}

void Form1::spielVomProgrammstart()
{
    m_zufall->zumStart();
    // After a start there is no last run to show as pale bars.
    m_spielfeld = Spielfeld();
    m_ui.txtdelta->clear();
    m_ui.txtNeuSum->clear();
    m_ui.HScroll2->setValue(m_ui.HScroll2->minimum());
    command5Click();
    cmdStartClick();
}

void Form1::picAusgabeMouseMove(QPointF punkt)
{
    m_hilfe->show(feldHilfe(punkt));
    m_feldStift->bewegen({punkt.x(), punkt.y()});
}

void Form1::command7Click()
{
    m_ui.picAusgabe->raise();
}

// ---- Parameter inputs ----

void Form1::vscStartChange(int wert)
{
    m_ui.txtStart->setText(klartextVon(wert));
    m_ui.Text1->setText(m_ui.txtStart->text());
    cmdStartClick();
}

void Form1::vscFaktorChange(int wert)
{
    m_ui.txtFaktor->setText(klartextVon(wert));
    emit spielGeaendert();
}

// ---- One cycle: recruitment pass and commit ----

void Form1::cmdZielsucheClick()
{
    const Zielsuchergebnis ergebnis = m_spielfeld.zielsuche(wachstumsrate(), *m_zufall);
    for (const Werbeversuch& versuch : ergebnis.versuche)
        m_feld->zielVersuchZeichnen(versuch);

    // The count of new recruits is raised through its own box, one at a time.
    QLineEdit* delta = m_ui.txtdelta;
    delta->setText(QStringLiteral("0"));
    for (std::size_t i = 0; i < ergebnis.neuGeworbene.size(); ++i)
        delta->setText(klartextVon(fuehrendeZahl(delta->text()) + 1));
    m_ui.txtNeuSum->setText(klartextVon(fuehrendeZahl(m_ui.Text1->text()) + fuehrendeZahl(delta->text())));
}

void Form1::cmdErgebnisClick()
{
    m_feld->feldgitterZeichnen();
    m_ui.txtdelta->clear();
    m_ui.txtNeuSum->clear();
    const Zyklusergebnis ergebnis = m_spielfeld.zyklusAbschliessen();
    m_feld->ergebnisZeichnen(m_spielfeld);
    m_ui.Text1->setText(klartextVon(ergebnis.anzahlSpieler));
    m_ui.HScroll2->setValue(Histoansicht::schieberwertNachZyklus(ergebnis.zyklus, m_ui.HScroll2->value()));
    m_histo->balkenZeichnen(ergebnis.zyklus, ergebnis.anzahlSpieler);
    beschreibungenAktualisieren();
    emit spielGeaendert();
}

bool Form1::wartendeEreignisseVerarbeiten()
{
    if (!m_beendet)
        QCoreApplication::processEvents();
    return !m_beendet;
}

void Form1::command2Click()
{
    m_schnelldurchlauf.klick();
}

// ---- The chart ----

void Form1::hScroll2Change(int wert)
{
    m_ui.picHisto->move(Histoansicht::linkerRandPixel(wert, zoom()), m_ui.picHisto->y());
}

void Form1::command5Click()
{
    m_histo->loeschen();
    m_histo->histoGitterZeichnen(m_ui.HScroll1->value());
}

void Form1::command6Click()
{
    m_ui.picHisto->raise();
}

void Form1::picHistoMouseMove(QPointF punkt)
{
    m_hilfe->show(diagrammHilfe(punkt));
    m_histoStift->bewegen({punkt.x(), punkt.y()});
}

// ---- The Verhulst model ----

VerhulstFolge Form1::verhulstLinien(Histoansicht::Kurve art)
{
    const double a0 = parameterVon(m_ui.txtStart->text());
    const int letzterZyklus = m_ui.HScroll1->value();
    VerhulstFolge folge = verhulstFolge(a0, wachstumsrate(), m_exponentT, letzterZyklus);
    m_histo->verhulstLinienZeichnen(folge.werte, art);
    return folge;
}

void Form1::verhulstKurve(Histoansicht::Kurve art)
{
    const VerhulstFolge folge = verhulstLinien(art);
    if (folge.fehler != VerhulstFehler::keiner)
        hinweisZeigen(this, QStringLiteral("Kettenbrief"), verhulstFehlertext(folge.fehler, folge.fehlerZyklus), zoom());
}

void Form1::command1Click()
{
    verhulstKurve(Histoansicht::Kurve::vergleich);
}

void Form1::command3Click()
{
    // A fade that fails stops where it failed and says so; the new t is
    // taken over all the same, so a smaller t always gets the class out.
    verhulstKurve(Histoansicht::Kurve::verblasst);
    exponentSetzen(exponentVon(m_ui.Text4->text()));
}

void Form1::exponentSetzen(double t)
{
    if (t > groesstesT) {
        t = groesstesT;
        m_ui.Text4->setText(klartextVon(groesstesT));
    }
    m_exponentT = t;
    m_ui.txtExponent->setText(QStringLiteral("t =") + hilfetextVon(t));
    // "t =" stays in view, however long the number.
    m_ui.txtExponent->setCursorPosition(0);
    m_histo->senkrechteGitterlinien();
    emit spielGeaendert();
}

void Form1::exponentUebernehmen(double t)
{
    // The box shows t as a teacher would type it, with a point; 15 digits
    // keep every t of the fit exact.
    m_ui.Text4->setText(QString::number(t, 'g', 15));
    // The old t is being thrown away: where its curve fails is no news.
    verhulstLinien(Histoansicht::Kurve::verblasst);
    exponentSetzen(t);
    verhulstKurve(Histoansicht::Kurve::vergleich);
}

double Form1::wachstumsrate() const
{
    return parameterVon(m_ui.txtFaktor->text());
}

void Form1::beiAenderung(QObject* empfaenger, std::function<void()> aenderung)
{
    connect(this, &Form1::spielGeaendert, empfaenger, std::move(aenderung));
}

// ---- Menus and the explanation panel ----

void Form1::cmdEndeClick()
{
    m_beendet = true;
    // Nothing of the window may run any more, also not inside a quick run.
    hide();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event)
{
    m_beendet = true;
    QMainWindow::closeEvent(event);
}

void Form1::cmdStochClick()
{
    m_ui.image2->show();
    m_ui.Command8->show();
}

void Form1::command8Click()
{
    m_ui.image2->hide();
    m_ui.Command8->hide();
}

void Form1::erlaeuterungSchliessen()
{
    if (m_ui.image2->isVisible())
        command8Click();
}

void Form1::auswertungUmschalten()
{
    if (!m_auswertung) {
        m_auswertung = new Auswertungsfenster(*this, this);
        m_auswertung->setZoom(zoom());
        connect(m_projektorzoom, &Projektorzoom::zoomGeaendert, m_auswertung, &Auswertungsfenster::setZoom);
        connect(m_auswertung, &Auswertungsfenster::spielVomProgrammstartGewuenscht, this,
                &Form1::spielVomProgrammstart);
        connect(m_auswertung, &Auswertungsfenster::hinweis, m_hilfe, [this](const QString& text) { m_hilfe->show(text); });
    }
    m_auswertung->umschalten();
}

void Form1::cmdInfoClick()
{
    hinweisZeigen(this, QStringLiteral("Information"), informationstext(), zoom());
}
