#include "form1.h"

#include "drawingsurface.h"
#include "fokusrahmen.h"
#include "helpline.h"
#include "hilfetexte.h"
#include "meldungen.h"
#include "schriften.h"
#include "tophighscrollbar.h"
#include "zahltext.h"
#include "zufallsquelle.h"
#include "zoomstufen.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include <array>
#include <cmath>

namespace {

constexpr int panSchwelle = 36;
constexpr int panGrenze = 18000;
constexpr int panSchritt = 240;
constexpr int histoLinksTwips = 6600;
constexpr double hoechstesT = 8.0;
const QColor verhulstFarbe(15, 15, 200);
const QColor verblassenFarbe(200, 200, 255);

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

char dezimaltrenner()
{
    const QString trenner = QLocale().decimalPoint();
    return trenner.size() == 1 && trenner.at(0).unicode() < 128 ? trenner.at(0).toLatin1() : '.';
}

} // namespace

Form1::Form1(std::unique_ptr<Zufallsquelle> zufall, QWidget* parent)
    : QMainWindow(parent)
    , m_zufall(zufall ? std::move(zufall) : std::make_unique<StandardZufallsquelle>())
    , m_schnelldurchlauf({[this] { cmdZielsucheClick(); }, [this] { cmdErgebnisClick(); },
                          [this] { return wartendeEreignisseVerarbeiten(); }})
{
    setWindowTitle(QStringLiteral("Nivra1.0"));
    auto* client = new QWidget(this);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_controls = std::make_unique<Controls>(client);
    m_fokusrahmen = new Fokusrahmen(*client);
    for (QWidget* steuerelement : client->findChildren<QWidget*>())
        if (steuerelement->focusPolicy() != Qt::NoFocus)
            m_fokusrahmen->beobachten(*steuerelement);
    m_feld = std::make_unique<Feldansicht>(picAusgabe());
    m_histo = std::make_unique<Histoansicht>(picHisto());
    m_feldStift = std::make_unique<Freihandstift>(picAusgabe(), QColor(255, 255, 255), 1,
                                                  Freihandstift::LetztesY::genau);
    m_histoStift = std::make_unique<Freihandstift>(picHisto(), QColor(0, 0, 0), 2,
                                                   Freihandstift::LetztesY::gerundet);
    m_hilfe = new HelpLine(*textBox("txtHilfe"), this);

    m_projektorzoom = new Projektorzoom(*this, [this](double zoom) { zoomAnwenden(zoom); });
    createMenus();
    createShortcuts();
    connectHandlers();
    watchHelpTexts();
    m_projektorzoom->zuruecksetzen();
    startUp();
}

Form1::~Form1() = default;

DrawingSurface& Form1::picAusgabe() const
{
    return *m_controls->get<DrawingSurface>("picAusgabe");
}

DrawingSurface& Form1::picHisto() const
{
    return *m_controls->get<DrawingSurface>("picHisto");
}

QLineEdit* Form1::textBox(const char* name) const
{
    return m_controls->get<QLineEdit>(name);
}

QScrollBar* Form1::scrollBar(const char* name) const
{
    return m_controls->get<QScrollBar>(name);
}

double Form1::parameter(const char* textBoxName) const
{
    // Only the scroll bars write these texts, so the strict reading succeeds;
    // should it ever not, the leading number still gives a sound value.
    const std::string wert = utf8(textBox(textBoxName)->text());
    return strengUmwandeln(wert, dezimaltrenner()).value_or(nachsichtigUmwandeln(wert));
}

void Form1::startUp()
{
    m_exponentT = 1.0;
    picHisto().setUserCoordinates(0, 2500, 120, 0);
    picAusgabe().setUserCoordinates(0, 0, 50, 50);
    scrollBar("HScroll1")->hide();
    textBox("txtSkala")->hide();
    cmdStartClick();
    m_controls->get("Command4")->hide();
}

void Form1::createMenus()
{
    QMenuBar* leiste = menuBar();
    QAction* ende = leiste->addAction(QStringLiteral("Programm &beenden"), this, &Form1::cmdEndeClick);
    ende->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QAction* erlaeuterung = leiste->addAction(QStringLiteral("&Erläuterung"), this, &Form1::cmdStochClick);
    erlaeuterung->setShortcut(QKeySequence(Qt::Key_F1));
    leiste->addAction(QStringLiteral("&Information"), this, &Form1::cmdInfoClick);
}

void Form1::createShortcuts()
{
    const auto kuerzel = [this](QKeySequence folge, void (Form1::*handler)()) {
        connect(new QShortcut(folge, this), &QShortcut::activated, this, handler);
    };
    const auto zoomKuerzel = [this](QKeySequence folge, void (Projektorzoom::*schritt)()) {
        connect(new QShortcut(folge, this), &QShortcut::activated, m_projektorzoom, schritt);
    };
    zoomKuerzel(QKeySequence(QKeySequence::ZoomIn), &Projektorzoom::vergroessern);
    // Ctrl with the "=" key, where "+" needs Shift as well.
    zoomKuerzel(QKeySequence(Qt::CTRL | Qt::Key_Equal), &Projektorzoom::vergroessern);
    zoomKuerzel(QKeySequence(QKeySequence::ZoomOut), &Projektorzoom::verkleinern);
    zoomKuerzel(QKeySequence(Qt::CTRL | Qt::Key_0), &Projektorzoom::zuruecksetzen);
    zoomKuerzel(QKeySequence(Qt::Key_F11), &Projektorzoom::bildschirmFuellenUmschalten);
    kuerzel(QKeySequence(QKeySequence::Copy), &Form1::bildKopieren);
    kuerzel(QKeySequence(Qt::Key_Escape), &Form1::erlaeuterungSchliessen);
}

void Form1::erlaeuterungSchliessen()
{
    if (m_controls->get("image2")->isVisible())
        command8Click();
}

void Form1::zoomSetzen(double zoom)
{
    m_projektorzoom->setzen(zoom);
}

double Form1::zoom() const
{
    return m_projektorzoom->zoom();
}

void Form1::zoomAnwenden(double zoom)
{
    centralWidget()->setFixedSize(static_cast<int>(std::lround(clientWidthTwips * zoom / twipsPerPixel)),
                                  static_cast<int>(std::lround(clientHeightTwips * zoom / twipsPerPixel)));
    m_controls->applyZoom(zoom);
    hScroll2Change(scrollBar("HScroll2")->value());
    menuBar()->setFont(standardSchrift(zoom));
    m_fokusrahmen->setZoom(zoom);
    // The window takes its new size now, not at the next layout pass: the
    // zoom that fits is computed from it.
    layout()->activate();
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_angezeigt)
        return;
    m_angezeigt = true;
    connect(windowHandle(), &QWindow::screenChanged, m_projektorzoom, &Projektorzoom::anBildschirmAnpassen);
    // The frame is known only once the window system has put it on.
    QTimer::singleShot(0, m_projektorzoom, &Projektorzoom::anBildschirmAnpassen);
}

void Form1::bildKopieren()
{
    for (DrawingSurface* flaeche : {&picAusgabe(), &picHisto()}) {
        if (flaeche->isVisible() && flaeche->underMouse()) {
            QGuiApplication::clipboard()->setImage(flaeche->picture());
            return;
        }
    }
}

void Form1::connectHandlers()
{
    const auto click = [this](const char* name, void (Form1::*handler)()) {
        connect(m_controls->get<QPushButton>(name), &QPushButton::clicked, this, handler);
    };
    click("cmdStart", &Form1::cmdStartClick);
    click("cmdZielsuche", &Form1::cmdZielsucheClick);
    click("cmdErgebnis", &Form1::cmdErgebnisClick);
    click("Command1", &Form1::command1Click);
    click("Command2", &Form1::command2Click);
    click("Command3", &Form1::command3Click);
    click("Command5", &Form1::command5Click);
    click("Command6", &Form1::command6Click);
    click("Command7", &Form1::command7Click);
    click("Command8", &Form1::command8Click);

    // The vertical bars report a value once it is set (arrow, page, or the
    // thumb released); the chart's bar follows the thumb live.
    for (const char* name : {"vscStart", "vscFaktor"})
        scrollBar(name)->setTracking(false);
    connect(m_controls->get<TopHighScrollBar>("vscStart"), &TopHighScrollBar::wertGeaendert, this,
            &Form1::vscStartChange);
    connect(m_controls->get<TopHighScrollBar>("vscFaktor"), &TopHighScrollBar::wertGeaendert, this,
            &Form1::vscFaktorChange);
    connect(scrollBar("HScroll2"), &QScrollBar::valueChanged, this, &Form1::hScroll2Change);
    // Enter in the box of t takes it over, as its button does.
    connect(textBox("Text4"), &QLineEdit::returnPressed, this, &Form1::command3Click);

    connect(textBox("txtStart"), &QLineEdit::textChanged, this, [this](const QString& text) { m_hilfe->show(startwertHilfe(text)); });
    connect(textBox("txtFaktor"), &QLineEdit::textChanged, this, [this](const QString& text) { m_hilfe->show(wachstumsrateHilfe(text)); });

    connect(&picAusgabe(), &DrawingSurface::pressed, this, [this](QPointF p) { m_feldStift->druecken(p); });
    connect(&picAusgabe(), &DrawingSurface::moved, this, &Form1::picAusgabeMouseMove);
    connect(&picAusgabe(), &DrawingSurface::released, this, [this] { m_feldStift->loslassen(); });
    connect(&picHisto(), &DrawingSurface::pressed, this, [this](QPointF p) { m_histoStift->druecken(p); });
    connect(&picHisto(), &DrawingSurface::moved, this, &Form1::picHistoMouseMove);
    connect(&picHisto(), &DrawingSurface::released, this, [this] { m_histoStift->loslassen(); });
}

void Form1::watchHelpTexts()
{
    for (const FixedHelpText& eintrag : fixedHelpTexts())
        m_hilfe->watch(m_controls->get(eintrag.control), QString::fromUtf8(eintrag.text));
    m_hilfe->watch(textBox("txtStart"), [this] { return startwertHilfe(textBox("txtStart")->text()); });
    m_hilfe->watch(textBox("txtFaktor"), [this] { return wachstumsrateHilfe(textBox("txtFaktor")->text()); });
}

void Form1::beschreibungenAktualisieren()
{
    picAusgabe().setAccessibleDescription(
        QStringLiteral("%1 von 2500 Individuen spielen mit").arg(m_spielfeld.spielendeZellen()));
    picHisto().setAccessibleDescription(QStringLiteral("Letzter Zyklus %1 mit A(n) = %2")
                                            .arg(m_spielfeld.zyklus())
                                            .arg(textBox("Text1")->text()));
}

// ---- Monte-Carlo initialisation and the field ----

void Form1::allesZuruecksetzen()
{
    m_histo->spaltenMitGeisterbalken(m_spielfeld);
    m_spielfeld.allesZuruecksetzen();
    m_feld->feldgitterZeichnen();
    m_histo->histoGitterZeichnen(scrollBar("HScroll1")->value());
}

void Form1::cmdStartClick()
{
    allesZuruecksetzen();
    const double a0 = parameter("txtStart");
    const int startzahl = std::isfinite(a0) && a0 > 0 ? static_cast<int>(std::min(a0, 2500.0)) : 0;
    m_feld->startSpielerZeichnen(m_spielfeld.startSpielerSetzen(startzahl, *m_zufall));
    m_histo->startbalkenZeichnen(nachsichtigUmwandeln(utf8(textBox("txtStart")->text())));
    textBox("Text1")->setText(textBox("txtStart")->text());
    beschreibungenAktualisieren();
    command7Click();
}

void Form1::picAusgabeMouseMove(QPointF punkt)
{
    m_hilfe->show(feldHilfe(punkt));
    m_feldStift->bewegen(punkt);
}

void Form1::command7Click()
{
    picAusgabe().raise();
}

// ---- Parameter inputs ----

void Form1::vscStartChange(int wert)
{
    textBox("txtStart")->setText(text(klartext(static_cast<long long>(wert))));
    textBox("Text1")->setText(textBox("txtStart")->text());
    cmdStartClick();
}

void Form1::vscFaktorChange(int wert)
{
    textBox("txtFaktor")->setText(text(klartext(static_cast<long long>(wert))));
}

// ---- One cycle: recruitment pass and commit ----

void Form1::cmdZielsucheClick()
{
    const Zielsuchergebnis ergebnis = m_spielfeld.zielsuche(parameter("txtFaktor"), *m_zufall);
    for (const Werbeversuch& versuch : ergebnis.versuche)
        m_feld->zielVersuchZeichnen(versuch);

    // The count of new recruits is raised through its own box, one at a time.
    QLineEdit* delta = textBox("txtdelta");
    delta->setText(QStringLiteral("0"));
    for (std::size_t i = 0; i < ergebnis.neuGeworbene.size(); ++i)
        delta->setText(text(klartext(nachsichtigUmwandeln(utf8(delta->text())) + 1)));
    const double summe = nachsichtigUmwandeln(utf8(textBox("Text1")->text()))
                         + nachsichtigUmwandeln(utf8(delta->text()));
    textBox("txtNeuSum")->setText(text(klartext(summe)));
}

void Form1::cmdErgebnisClick()
{
    m_feld->feldgitterZeichnen();
    textBox("txtdelta")->clear();
    textBox("txtNeuSum")->clear();
    const Zyklusergebnis ergebnis = m_spielfeld.ergebnis();
    m_feld->ergebnisZeichnen(m_spielfeld);
    textBox("Text1")->setText(text(klartext(static_cast<long long>(ergebnis.anzahlSpieler))));
    QScrollBar* schieber = scrollBar("HScroll2");
    if (ergebnis.zyklus > panSchwelle && schieber->value() < panGrenze)
        schieber->setValue(schieber->value() + panSchritt);
    m_histo->balkenZeichnen(ergebnis.zyklus, ergebnis.anzahlSpieler);
    beschreibungenAktualisieren();
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
    const ControlSpec& spec = controlSpec("picHisto");
    QRect lage = pixelRect(spec, zoom());
    lage.moveLeft(static_cast<int>(std::lround((histoLinksTwips - wert) * zoom() / twipsPerPixel)));
    picHisto().move(lage.topLeft());
}

void Form1::command5Click()
{
    m_histo->loeschen();
    m_histo->histoGitterZeichnen(scrollBar("HScroll1")->value());
}

void Form1::command6Click()
{
    picHisto().raise();
}

void Form1::picHistoMouseMove(QPointF punkt)
{
    m_hilfe->show(diagrammHilfe(punkt));
    m_histoStift->bewegen(punkt);
}

// ---- The Verhulst model ----

bool Form1::verhulstKurve(QColor farbe)
{
    const double a0 = parameter("txtStart");
    const int letzterZyklus = scrollBar("HScroll1")->value();
    const VerhulstFolge folge = verhulstFolge(a0, parameter("txtFaktor"), m_exponentT, letzterZyklus);
    m_histo->verhulstLinienZeichnen(folge.werte, farbe);
    if (folge.fehler == VerhulstFehler::keiner)
        return true;
    verhulstFehlerMelden(folge.fehler, folge.fehlerZyklus);
    return false;
}

void Form1::verhulstFehlerMelden(VerhulstFehler fehler, int zyklus)
{
    emit verhulstFehlerGemeldet(fehler, zyklus);
    hinweisZeigen(this, QStringLiteral("Kettenbrief"), verhulstFehlertext(fehler, zyklus), zoom());
}

void Form1::command1Click()
{
    verhulstKurve(verhulstFarbe);
}

void Form1::command3Click()
{
    // A fade that fails stops where it failed and says so; the new t is
    // taken over all the same, so a smaller t always gets the class out.
    verhulstKurve(verblassenFarbe);
    QLineEdit* eingabe = textBox("Text4");
    double t = nachsichtigUmwandeln(utf8(eingabe->text()));
    if (t > hoechstesT) {
        t = hoechstesT;
        eingabe->setText(QStringLiteral("8"));
    }
    m_exponentT = t;
    QLineEdit* anzeige = textBox("txtExponent");
    anzeige->setText(QStringLiteral("t =") + text(hilfetext(t)));
    // "t =" stays in view, however long the number.
    anzeige->setCursorPosition(0);
    m_histo->senkrechteGitterlinien();
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
    m_controls->get("image2")->show();
    m_controls->get("Command8")->show();
}

void Form1::command8Click()
{
    m_controls->get("image2")->hide();
    m_controls->get("Command8")->hide();
}

void Form1::cmdInfoClick()
{
    hinweisZeigen(this, QStringLiteral("Information"), informationstext(), zoom());
}
