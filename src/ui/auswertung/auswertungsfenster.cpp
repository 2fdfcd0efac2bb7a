// SPDX-License-Identifier: GPL-3.0-or-later
#include "auswertungsfenster.h"

#include "ablageleiste.h"
#include "auswertungsdiagramm.h"
#include "auswertungsfensterdaten.h"
#include "auswertungstabelle.h"
#include "ergebnistext.h"
#include "fensterlage.h"
#include "projektorzoom.h"
#include "schriften.h"
#include "spielfeld.h"
#include "vielespiele.h"
#include "vielespieletexte.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace {

namespace daten = auswertungsfensterdaten;

// The window at zoom 1; it grows with the main window's zoom.
constexpr QSize grundgroesse(daten::breite, daten::hoehe);
// The plot keeps at least this height, so its axes and legend stay readable.
constexpr int diagrammMindesthoehe = 320;

// A plain QWidget reads as a pane ("filler") to screen readers, even as a
// window of its own; this one reads as the window it is, named by its title.
QAccessibleInterface* alsFensterLesbar(const QString& klasse, QObject* objekt)
{
    if (klasse == QLatin1String("Auswertungsfenster") && objekt && objekt->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Window);
    return nullptr;
}

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QPushButton* knopf(const QString& text, QWidget* eltern)
{
    auto* neu = new QPushButton(text, eltern);
    neu->setAutoDefault(false);
    return neu;
}

} // namespace

Auswertungsfenster::Auswertungsfenster(Spielzugang& spiel, QWidget* eltern)
    : QWidget(eltern, Qt::Window)
    , m_spiel(spiel)
    , m_vieleSpiele(new VieleSpiele(this))
{
    setWindowTitle(text(daten::titel));
    static const bool lesbar = [] {
        QAccessible::installFactory(alsFensterLesbar);
        return true;
    }();
    (void)lesbar;
    aufbauen();
    m_projektorzoom = new Projektorzoom(
        *this, [this](double zoom) { return groesseBeiZoom(zoom); }, [this](double zoom) { zoomAnwenden(zoom); });
    connect(m_projektorzoom, &Projektorzoom::zuGross, this,
            [this](double stufe) { emit hinweis(Projektorzoom::zuKleinHinweis(stufe)); });
    tastenEinrichten();
    m_aktualisierung.setSingleShot(true);
    connect(&m_aktualisierung, &QTimer::timeout, this, &Auswertungsfenster::aktualisieren);
    m_spiel.beiAenderung(this, [this] { spaeterAktualisieren(); });
    setZoom(1.0);
}

Auswertungsfenster::~Auswertungsfenster() = default;

void Auswertungsfenster::aufbauen()
{
    m_ergebnis = new QLabel(this);
    m_ergebnis->setWordWrap(true);
    m_ergebnis->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_ergebnis->setAccessibleName(text(daten::ergebnis));
    m_diagramm = new Auswertungsdiagramm(this);
    m_tabelle = new Auswertungstabelle(this);
    m_tabellenansicht = new QTableView(this);
    m_tabellenansicht->setModel(m_tabelle);
    m_tabellenansicht->verticalHeader()->hide();
    m_tabellenansicht->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The widths follow the rows in view, not all of a long game.
    m_tabellenansicht->horizontalHeader()->setResizeContentsPrecision(0);
    m_tabellenansicht->setAccessibleName(text(daten::tabelle));
    auto* teiler = new QSplitter(Qt::Vertical, this);
    teiler->addWidget(m_diagramm);
    teiler->addWidget(m_tabellenansicht);
    teiler->setStretchFactor(0, 3);
    teiler->setStretchFactor(1, 2);
    teiler->setSizes({3 * grundgroesse.height() / 5, 2 * grundgroesse.height() / 5});
    teiler->setChildrenCollapsible(false);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_ergebnis);
    spalte->addWidget(knopfleiste());
    spalte->addWidget(new Ablageleiste([this]() -> const LaufAuswertung& { return m_stand; }, this));
    spalte->addWidget(vieleSpieleLeiste());
    spalte->addWidget(teiler, 1);
}

QWidget* Auswertungsfenster::knopfleiste()
{
    auto* leiste = new QWidget(this);
    auto* reihe = new QHBoxLayout(leiste);
    reihe->setContentsMargins(0, 0, 0, 0);
    m_uebernehmen = knopf(text(daten::uebernehmen), leiste);
    QPushButton* tabelle = knopf(text(daten::tabelleKopieren), leiste);
    QPushButton* diagramm = knopf(text(daten::diagrammKopieren), leiste);
    connect(m_uebernehmen, &QPushButton::clicked, this, &Auswertungsfenster::bestesTUebernehmen);
    connect(tabelle, &QPushButton::clicked, this, &Auswertungsfenster::tabelleKopieren);
    connect(diagramm, &QPushButton::clicked, this, &Auswertungsfenster::diagrammKopieren);
    QPushButton* programmstart = knopf(text(daten::programmstart), leiste);
    connect(programmstart, &QPushButton::clicked, this, &Auswertungsfenster::spielVomProgrammstartGewuenscht);
    for (QPushButton* k : {m_uebernehmen, tabelle, diagramm, programmstart})
        reihe->addWidget(k);
    reihe->addStretch(1);
    return leiste;
}

QWidget* Auswertungsfenster::vieleSpieleLeiste()
{
    auto* leiste = new QWidget(this);
    auto* reihe = new QHBoxLayout(leiste);
    reihe->setContentsMargins(0, 0, 0, 0);
    m_anzahlSpiele = new QSpinBox(leiste);
    m_anzahlSpiele->setRange(ensembleMindestSpiele, ensembleHoechstSpiele);
    m_anzahlSpiele->setValue(daten::vorgabeSpiele);
    m_anzahlSpiele->setSuffix(text(daten::spiele));
    m_anzahlSpiele->setAccessibleName(text(daten::anzahlSpiele));
    m_starten = knopf(text(daten::vieleSpiele), leiste);
    m_starten->setToolTip(QString::fromStdString(vieleSpieleHinweis()));
    m_abbrechen = knopf(text(daten::abbrechen), leiste);
    m_abbrechen->setEnabled(false);
    m_fortschritt = new QProgressBar(leiste);
    m_fortschritt->setAccessibleName(text(daten::fortschritt));
    m_fortschritt->setValue(0);
    connect(m_starten, &QPushButton::clicked, this, &Auswertungsfenster::vieleSpieleStarten);
    connect(m_abbrechen, &QPushButton::clicked, m_vieleSpiele, &VieleSpiele::abbrechen);
    connect(m_vieleSpiele, &VieleSpiele::fortschritt, this, [this](int fertig, int spiele) {
        m_fortschritt->setMaximum(std::max(1, spiele));
        m_fortschritt->setValue(fertig);
    });
    connect(m_vieleSpiele, &VieleSpiele::fertig, this, &Auswertungsfenster::vieleSpieleFertig);
    connect(m_vieleSpiele, &VieleSpiele::abgebrochen, this, &Auswertungsfenster::vieleSpieleAbgebrochen);
    reihe->addWidget(m_anzahlSpiele);
    reihe->addWidget(m_starten);
    reihe->addWidget(m_fortschritt, 1);
    reihe->addWidget(m_abbrechen);
    return leiste;
}

void Auswertungsfenster::tastenEinrichten()
{
    const auto kuerzel = [this](QKeySequence folge, void (Auswertungsfenster::*handlung)()) {
        connect(new QShortcut(folge, this), &QShortcut::activated, this, handlung);
    };
    kuerzel(QKeySequence(QKeySequence::Copy), &Auswertungsfenster::tabelleKopieren);
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_T), &Auswertungsfenster::umschalten);
    m_projektorzoom->tastenEinrichten();
}

void Auswertungsfenster::setZoom(double zoom)
{
    m_projektorzoom->setzen(zoom);
}

QSize Auswertungsfenster::groesseBeiZoom(double zoom) const
{
    return QSize(static_cast<int>(std::lround(grundgroesse.width() * zoom)),
                 static_cast<int>(std::lround(grundgroesse.height() * zoom)));
}

void Auswertungsfenster::zoomAnwenden(double zoom)
{
    setFont(standardSchrift(zoom));
    m_diagramm->setZoom(zoom);
    m_diagramm->setMinimumHeight(static_cast<int>(std::lround(diagrammMindesthoehe * zoom)));
    m_tabellenansicht->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    // As large as the zoom asks, but never larger than the screen, also
    // below the smallest zoom.
    resize(groesseBeiZoom(zoom).boundedTo(screen()->availableGeometry().size() - (frameGeometry().size() - size())));
}

void Auswertungsfenster::umschalten()
{
    if (isVisible()) {
        close();
        return;
    }
    if (!m_platziert && parentWidget()) {
        // The window system may place it anywhere, also over the main window.
        m_platziert = true;
        move(lageNeben(parentWidget()->frameGeometry(), frameGeometry().size(),
                       parentWidget()->screen()->availableGeometry()));
    }
    show();
    raise();
    activateWindow();
}

void Auswertungsfenster::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    aktualisieren();
    // The keys work in this window at once: the table has the focus.
    m_tabellenansicht->setFocus(Qt::ActiveWindowFocusReason);
}

void Auswertungsfenster::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the window, as it closes a dialogue, once no control
    // wanted the key for itself.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Auswertungsfenster::closeEvent(QCloseEvent* event)
{
    m_vieleSpiele->abbrechen();
    QWidget::closeEvent(event);
}

void Auswertungsfenster::spaeterAktualisieren()
{
    if (!isVisible())
        return;
    if (!m_aktualisierung.isActive())
        m_ersteAenderung.start();
    if (m_ersteAenderung.elapsed() < daten::hoechstensVerspaetetMs)
        m_aktualisierung.start(daten::aktualisierungsabstandMs);
}

void Auswertungsfenster::aktualisieren()
{
    m_aktualisierung.stop();
    m_stand = laufAuswerten(m_spiel.spielfeld(), m_spiel.wachstumsrate(), m_spiel.exponentT(), m_ensemble, m_suche);
    const QString text = QString::fromStdString(ergebnistext(m_stand));
    m_ergebnis->setText(text);
    // Screen readers read the sentences, not only the label's name.
    m_ergebnis->setAccessibleDescription(text);
    m_uebernehmen->setEnabled(m_stand.beste.gefunden);
    m_tabelle->setzen(m_stand);
    m_diagramm->zeigen(m_stand);
}

void Auswertungsfenster::bestesTUebernehmen()
{
    if (!m_stand.beste.gefunden)
        return;
    m_spiel.exponentUebernehmen(m_stand.beste.t);
}

void Auswertungsfenster::tabelleKopieren()
{
    QGuiApplication::clipboard()->setText(m_tabelle->alsText());
}

void Auswertungsfenster::diagrammKopieren()
{
    QGuiApplication::clipboard()->setImage(m_diagramm->grab().toImage());
}

void Auswertungsfenster::vieleSpieleStarten()
{
    m_starten->setEnabled(false);
    m_abbrechen->setEnabled(true);
    m_fortschritt->resetFormat();
    m_fortschritt->setAccessibleDescription({});
    m_vieleSpiele->starten(vieleSpieleAuftrag(m_spiel.spielfeld(), m_anzahlSpiele->value(), m_spiel.wachstumsrate()));
}

void Auswertungsfenster::vieleSpieleFertig(const EnsembleKurven& kurven)
{
    m_ensemble = kurven;
    vieleSpieleBeendet();
    aktualisieren();
}

void Auswertungsfenster::vieleSpieleAbgebrochen()
{
    const QString text =
        QString::fromStdString(vieleSpieleAbbruchtext(m_fortschritt->value(), m_fortschritt->maximum()));
    m_fortschritt->setFormat(text);
    m_fortschritt->setAccessibleDescription(text);
    vieleSpieleBeendet();
}

void Auswertungsfenster::vieleSpieleBeendet()
{
    m_starten->setEnabled(true);
    m_abbrechen->setEnabled(false);
}
