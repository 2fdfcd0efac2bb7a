// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "auswertungsfenster.h"
#include "bildflaeche.h"
#include "controltable.h"
#include "fokusrahmen.h"
#include "helpline.h"
#include "hilfetexte.h"
#include "hilfezeilentexte.h"
#include "histoansicht.h"
#include "meldungen.h"
#include "meldungstexte.h"
#include "klassenspielfenster.h"
#include "menuebefehle.h"
#include "projektorzoom.h"
#include "schriften.h"
#include "spielnummer.h"
#include "tophighscrollbar.h"
#include "twips.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

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
    , m_controls(std::make_unique<Controls>(clientAnlegen(*this)))
    , m_ui(m_controls->steuerelemente())
    , m_hilfe(new HelpLine(*m_ui.txtHilfe, this))
    , m_bedienung(m_ui, *m_hilfe, *this, {[this] { return zoom(); }, [this] { emit spielGeaendert(); }})
    , m_sitzung(m_bedienung, m_ui.picAusgabe->flaeche(), m_ui.picHisto->flaeche(), std::move(zufall))
    , m_fokusrahmen(new Fokusrahmen(*centralWidget()))
    , m_projektorzoom(new Projektorzoom(
          *this, [this](double zoom) { return groesseBeiZoom(zoom); }, [this](double zoom) { zoomAnwenden(zoom); }))
{
    setWindowTitle(QString::fromUtf8(fenstertitel));
    for (QWidget* steuerelement : centralWidget()->findChildren<QWidget*>())
        if (steuerelement->focusPolicy() != Qt::NoFocus)
            m_fokusrahmen->beobachten(*steuerelement);
    createMenus();
    createShortcuts();
    connectHandlers();
    connectSurfaces();
    watchHelpTexts();
    m_projektorzoom->zuruecksetzen();
    m_sitzung.startUp();
}

Form1::~Form1() = default;

// ---- Set-up: menus, keys, signals, help texts ----

void Form1::createMenus()
{
    const auto befehl = [this](const Menuebefehl& eintrag, auto handler) {
        QAction* aktion = menuBar()->addAction(QString::fromUtf8(eintrag.text), this, handler);
        aktion->setShortcut(QKeySequence::fromString(QString::fromLatin1(eintrag.taste), QKeySequence::PortableText));
        return aktion;
    };
    m_ui.cmdEnde = befehl(menueEnde, [this] { cmdEndeClick(); });
    m_ui.cmdStoch = befehl(menueErlaeuterung, [this] { m_sitzung.cmdStochClick(); });
    m_ui.cmdInfo = befehl(menueInformation, [this] { cmdInfoClick(); });
    // The desktop's alone: the page has no class to serve.
    befehl(menueKlassenspiel, [this] { klassenspielOeffnen(); });
}

void Form1::klassenspielOeffnen()
{
    if (!m_klassenspiel)
        m_klassenspiel = new Klassenspielfenster(*this, this);
    m_klassenspiel->show();
    m_klassenspiel->raise();
    m_klassenspiel->activateWindow();
}

void Form1::createShortcuts()
{
    const auto kuerzel = [this](QKeySequence folge, auto* empfaenger, auto handler) {
        connect(new QShortcut(folge, this), &QShortcut::activated, empfaenger, handler);
    };
    Spielsitzung* sitzung = &m_sitzung;
    m_projektorzoom->tastenEinrichten();
    connect(m_projektorzoom, &Projektorzoom::zuGross, m_hilfe,
            [this](double stufe) { m_hilfe->show(Projektorzoom::zuKleinHinweis(stufe)); });
    kuerzel(QKeySequence(QKeySequence::Copy), this, &Form1::bildKopieren);
    kuerzel(QKeySequence(Qt::Key_Escape), this, [sitzung] { sitzung->erlaeuterungSchliessen(); });
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_T), this, &Form1::auswertungUmschalten);
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_N), this, [sitzung] { sitzung->spielVomProgrammstart(); });
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_G), this, &Form1::spielWaehlen);
}

void Form1::connectHandlers()
{
    Spielsitzung* sitzung = &m_sitzung;
    const auto click = [this](QPushButton* knopf, auto handler) { connect(knopf, &QPushButton::clicked, this, handler); };
    click(m_ui.cmdStart, [sitzung] { sitzung->cmdStartClick(); });
    click(m_ui.cmdZielsuche, [sitzung] { sitzung->cmdZielsucheClick(); });
    click(m_ui.cmdErgebnis, [sitzung] { sitzung->cmdErgebnisClick(); });
    click(m_ui.Command1, [sitzung] { sitzung->command1Click(); });
    click(m_ui.Command2, [this] { command2Click(); });
    click(m_ui.Command3, [sitzung] { sitzung->command3Click(); });
    click(m_ui.Command5, [sitzung] { sitzung->command5Click(); });
    click(m_ui.Command6, [sitzung] { sitzung->command6Click(); });
    click(m_ui.Command7, [sitzung] { sitzung->command7Click(); });
    click(m_ui.Command8, [sitzung] { sitzung->command8Click(); });

    // The vertical bars report a value once it is set (arrow, page, or the
    // thumb released); the chart's bar follows the thumb live.
    for (TopHighScrollBar* balken : {m_ui.vscStart, m_ui.vscFaktor})
        balken->setTracking(false);
    connect(m_ui.vscStart, &TopHighScrollBar::angezeigterWertGeaendert, this,
            [sitzung](int wert) { sitzung->vscStartChange(wert); });
    connect(m_ui.vscFaktor, &TopHighScrollBar::angezeigterWertGeaendert, this,
            [sitzung](int wert) { sitzung->vscFaktorChange(wert); });
    connect(m_ui.HScroll2, &QScrollBar::valueChanged, this, &Form1::hScroll2Change);
    // Enter in the box of t takes it over, as its button does.
    connect(m_ui.Text4, &QLineEdit::returnPressed, this, [sitzung] { sitzung->command3Click(); });
    for (const auto kasten : {Steuerelement::txtStart, Steuerelement::txtFaktor})
        connect(static_cast<QLineEdit*>(m_bedienung.widget(kasten)), &QLineEdit::textEdited, this,
                [sitzung, kasten] { sitzung->textEdited(kasten); });
}

void Form1::connectSurfaces()
{
    for (const auto bild : {Steuerelement::picAusgabe, Steuerelement::picHisto}) {
        auto* flaeche = static_cast<Bildflaeche*>(m_bedienung.widget(bild));
        Spielsitzung* sitzung = &m_sitzung;
        connect(flaeche, &Bildflaeche::pressed, this, [sitzung, bild](QPointF p) { sitzung->mouseDown(bild, {p.x(), p.y()}); });
        connect(flaeche, &Bildflaeche::moved, this, [sitzung, bild](QPointF p) { sitzung->mouseMove(bild, {p.x(), p.y()}); });
        connect(flaeche, &Bildflaeche::released, this, [sitzung, bild] { sitzung->mouseUp(bild); });
    }
}

void Form1::watchHelpTexts()
{
    for (const FesterHilfetext& eintrag : festeHilfetexte(m_ui))
        m_hilfe->watch(eintrag.steuerelement, QString::fromUtf8(eintrag.text));
    for (const auto kasten : {Steuerelement::txtStart, Steuerelement::txtFaktor})
        m_hilfe->watch(m_bedienung.widget(kasten),
                       [this, kasten] { return QString::fromStdString(m_sitzung.hilfetext(kasten)); });
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

// ---- The quick run and the chart's place ----

void Form1::command2Click()
{
    if (!m_sitzung.command2Click())
        return;
    // A click while the events run adds a run, which the session plays here.
    while (m_sitzung.schnelldurchlaufWeiter())
        QCoreApplication::processEvents();
}

void Form1::hScroll2Change(int wert)
{
    m_ui.picHisto->move(Histoansicht::linkerRandPixel(wert, zoom()), m_ui.picHisto->y());
}

void Form1::beiAenderung(QObject* empfaenger, std::function<void()> aenderung)
{
    connect(this, &Form1::spielGeaendert, empfaenger, std::move(aenderung));
}

// ---- Menus and the explanation panel ----

// ---- Menus and the evaluation ----

void Form1::cmdEndeClick()
{
    // Nothing of the window may run any more, also not inside a quick run.
    m_sitzung.programmBeenden();
    hide();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event)
{
    m_sitzung.programmBeenden();
    QMainWindow::closeEvent(event);
}

void Form1::spielWaehlen()
{
    QInputDialog frage(this);
    // At the projector's zoom, as the program's message boxes.
    frage.setFont(standardSchrift(zoom()));
    frage.setWindowTitle(QString::fromUtf8(spielwahlTitel));
    frage.setLabelText(QString::fromUtf8(spielwahlFrage));
    frage.setIntRange(0, hoechsteSpielnummer);
    frage.setIntValue(m_sitzung.spielNummer());
    if (frage.exec() == QDialog::Accepted)
        (void)m_sitzung.spielNummerSetzen(frage.intValue());
}

void Form1::auswertungUmschalten()
{
    if (!m_auswertung) {
        m_auswertung = new Auswertungsfenster(*this, this);
        m_auswertung->setZoom(zoom());
        connect(m_projektorzoom, &Projektorzoom::zoomGeaendert, m_auswertung, &Auswertungsfenster::setZoom);
        connect(m_auswertung, &Auswertungsfenster::spielVomProgrammstartGewuenscht, this,
                [this] { m_sitzung.spielVomProgrammstart(); });
        connect(m_auswertung, &Auswertungsfenster::hinweis, m_hilfe, [this](const QString& text) { m_hilfe->show(text); });
    }
    m_auswertung->umschalten();
}

void Form1::cmdInfoClick()
{
    hinweisZeigen(this, QStringLiteral("Information"), QString::fromStdString(informationstext()), zoom());
}
