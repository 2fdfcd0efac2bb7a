// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassenspielfenster.h"

#include "auswertungsdiagramm.h"
#include "csvtext.h"
#include "deutschezahl.h"
#include "klassenprotokoll.h"
#include "laufauswertung.h"
#include "spielzugang.h"
#include "klassenserver.h"
#include "klassensitzung.h"
#include "qrbild.h"
#include "spielnummer.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSpinBox>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

// Without 0/O and 1/I/L, which a class reads wrongly from a projector.
QString neuerKlassencode()
{
    static const QString zeichen = QStringLiteral("ABCDEFGHJKMNPQRSTUVWXYZ23456789");
    QString code;
    for (int i = 0; i < klassenprotokoll::codeLaenge; ++i)
        code += zeichen[QRandomGenerator::system()->bounded(static_cast<int>(zeichen.size()))];
    return code;
}

// The page as the program ships it: beside the program in the build tree,
// else where the package installs it.
QByteArray seiteLesen()
{
    QStringList orte{qEnvironmentVariable("KETTENBRIEF_SEITE"),
                     QCoreApplication::applicationDirPath() + QStringLiteral("/web/kettenbrief.html"),
                     QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                            QStringLiteral("kettenbrief/kettenbrief.html"))};
    for (const QString& ort : orte) {
        QFile datei(ort);
        if (!ort.isEmpty() && datei.open(QIODevice::ReadOnly))
            return datei.readAll();
    }
    return {};
}

// An address of this computer that the pupils' devices can reach: the
// first IPv4 address outside the loopback, else the loopback.
QString eigeneAdresse()
{
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            return a.toString();
    return QStringLiteral("127.0.0.1");
}

QString statusText(const Schueler& s)
{
    QString text = s.verbunden ? QStringLiteral("verbunden") : QStringLiteral("getrennt");
    if (s.seq > 0 && !s.nachgespielt.nachvollziehbar)
        text += QStringLiteral(", nicht nachvollziehbar: ") + QString::fromStdString(s.nachgespielt.grund);
    return text;
}

} // namespace

Klassenspielfenster::Klassenspielfenster(Spielzugang& spiel, QWidget* parent, quint16 port)
    : QWidget(parent, Qt::Window)
    , m_spiel(spiel)
    , m_code(neuerKlassencode())
{
    setWindowTitle(QStringLiteral("Klassenspiel – Kettenbrief"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    aufbauen();
    const QByteArray seite = seiteLesen();
    m_server = std::make_unique<Klassenserver>(seite, m_code, klassenprotokoll::vorgabeSchueler);
    if (seite.isEmpty() || !m_server->starten(port))
        m_server.reset();
    else
        sitzungBeginnen();
    anzeigen();
}

Klassenspielfenster::~Klassenspielfenster() = default;

// The last session comes back if the teacher wants it (after a crash, or
// the next lesson); else a new one replaces it.
void Klassenspielfenster::sitzungBeginnen()
{
    const QString datei = klassensitzung::pfad();
    const bool fortsetzen =
        QFile::exists(datei) &&
        QMessageBox::question(this, windowTitle(),
                              QStringLiteral("Die letzte Klassensitzung fortsetzen? Mit „Nein“ beginnt eine neue, "
                                             "und die alte wird überschrieben.")) == QMessageBox::Yes;
    if (!m_server->sitzungsdateiSetzen(datei, fortsetzen) && fortsetzen)
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Die letzte Klassensitzung ist nicht lesbar; es beginnt eine neue."));
    m_code = m_server->code();
    connect(m_server.get(), &Klassenserver::geaendert, this, &Klassenspielfenster::klasseGeaendert);
    m_auffrischen.setSingleShot(true);
    connect(&m_auffrischen, &QTimer::timeout, this, &Klassenspielfenster::tabelleFuellen);
    m_spiel.beiAenderung(this, [this] { diagrammZeigen(); });
}

const Klassenstand* Klassenspielfenster::klasse() const
{
    return m_server ? &m_server->stand() : nullptr;
}

QString Klassenspielfenster::adresse() const
{
    if (!m_server)
        return {};
    return QStringLiteral("http://%1:%2/").arg(eigeneAdresse()).arg(m_server->port());
}

void Klassenspielfenster::aufbauen()
{
    auto* raster = new QGridLayout(this);
    m_adresse = new QLabel(this);
    m_adresse->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Read from the back of the room: twice the window's text.
    QFont gross = font();
    if (gross.pointSizeF() > 0)
        gross.setPointSizeF(gross.pointSizeF() * 2);
    else
        gross.setPixelSize(gross.pixelSize() * 2);
    gross.setBold(true);
    m_adresse->setFont(gross);
    m_qr = new QLabel(this);
    m_hinweis = new QLabel(this);
    m_hinweis->setWordWrap(true);
    m_tabelle = new QTableWidget(0, 5, this);
    m_tabelle->setHorizontalHeaderLabels({QStringLiteral("Spiel"), QStringLiteral("Name (nur Spitzname)"),
                                          QStringLiteral("Zyklus"), QStringLiteral("A(n)"), QStringLiteral("Stand")});
    m_tabelle->horizontalHeader()->setStretchLastSection(true);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    raster->addWidget(m_adresse, 0, 0);
    raster->addWidget(m_qr, 0, 1, 2, 1, Qt::AlignRight | Qt::AlignTop);
    raster->addWidget(m_hinweis, 1, 0);
    m_diagramm = new Auswertungsdiagramm(this);
    m_bestesT = new QLabel(this);
    m_uebernehmen = new QPushButton(QStringLiteral("Bestes t der &Klasse übernehmen"), this);
    connect(m_uebernehmen, &QPushButton::clicked, this, &Klassenspielfenster::bestesTUebernehmen);
    auto* speichern = new QPushButton(QStringLiteral("Tabelle &speichern …"), this);
    connect(speichern, &QPushButton::clicked, this, &Klassenspielfenster::tabelleSpeichern);
    raster->addWidget(speichern, 4, 0, Qt::AlignLeft);
    m_hoechstens = new QSpinBox(this);
    m_hoechstens->setRange(1, hoechsteSpielnummer);
    m_hoechstens->setValue(klassenprotokoll::vorgabeSchueler);
    m_hoechstens->setPrefix(QStringLiteral("Höchstens "));
    m_hoechstens->setSuffix(QStringLiteral(" Schüler"));
    m_hoechstens->setAccessibleName(QStringLiteral("Höchstzahl der Schüler"));
    connect(m_hoechstens, &QSpinBox::valueChanged, this, [this](int n) {
        if (m_server)
            m_server->hoechstensSetzen(n);
    });
    raster->addWidget(m_hoechstens, 4, 1, Qt::AlignRight);
    raster->addWidget(m_tabelle, 2, 0);
    raster->addWidget(m_diagramm, 2, 1);
    raster->addWidget(m_bestesT, 3, 0);
    raster->addWidget(m_uebernehmen, 3, 1, Qt::AlignRight);
    raster->setColumnStretch(0, 2);
    raster->setColumnStretch(1, 3);
    resize(1280, 760);
}

void Klassenspielfenster::anzeigen()
{
    if (!m_server) {
        m_adresse->setText(QStringLiteral("Das Klassenspiel kann nicht starten."));
        m_hinweis->setText(QStringLiteral("Die Seite für die Schüler fehlt, oder dieser Rechner kann auf keinem Port "
                                          "lauschen. Kettenbrief neu installieren oder eine Firewall prüfen."));
        return;
    }
    m_adresse->setText(QStringLiteral("%1\nKlassencode: %2").arg(adresse(), m_code));
    // Whole pixels per module, about 240 pixels in all: sharp, and read from the back of the room.
    const QImage qr = qrBild(adresse());
    if (!qr.isNull()) {
        const int faktor = std::max(1, 240 / qr.width());
        m_qr->setPixmap(QPixmap::fromImage(qr.scaled(qr.size() * faktor, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    }
    tabelleFuellen();
}

// A pupil's commit shows at once; a class committing all together shows
// ten times a second, which the eye follows and the program keeps up with.
void Klassenspielfenster::klasseGeaendert()
{
    constexpr qint64 abstandMs = 100;
    if (m_auffrischen.isActive())
        return;
    const qint64 seither = m_zuletztAufgefrischt.isValid() ? m_zuletztAufgefrischt.elapsed() : abstandMs;
    m_auffrischen.start(static_cast<int>(std::max<qint64>(0, abstandMs - seither)));
}

void Klassenspielfenster::tabelleFuellen()
{
    m_zuletztAufgefrischt.start();
    const std::vector<Schueler>& schueler = m_server->stand().schueler();
    m_hinweis->setText(
        schueler.empty()
            ? QStringLiteral("Noch hat kein Gerät das Klassenspiel erreicht. Die Geräte müssen im selben Netz sein "
                             "wie dieser Rechner: Ein Gast-WLAN, das Geräte voneinander trennt, oder eine Firewall "
                             "auf Port %1 hält sie ab. Dann speichern die Schüler ihr Ergebnis auf der Seite "
                             "(„Ergebnis speichern“) und geben die Datei hierher.")
                  .arg(m_server->port())
            : QStringLiteral("Nur Spitznamen: Das Klassenspiel speichert keine echten Namen."));
    m_tabelle->setRowCount(static_cast<int>(schueler.size()));
    for (int zeile = 0; zeile < m_tabelle->rowCount(); ++zeile) {
        const Schueler& s = schueler[static_cast<std::size_t>(zeile)];
        const QStringList zellen{QString::number(s.spiel), s.name, QString::number(s.zyklus()),
                                 QString::number(s.anzahl()), statusText(s)};
        for (int spalte = 0; spalte < zellen.size(); ++spalte)
            zelleSetzen(zeile, spalte, zellen[spalte]);
    }
    // Measured once per refresh: a header sizing itself to its contents
    // measures every row again at each cell that changes.
    m_tabelle->resizeColumnsToContents();
    diagrammZeigen();
}

void Klassenspielfenster::zelleSetzen(int zeile, int spalte, const QString& text)
{
    if (QTableWidgetItem* zelle = m_tabelle->item(zeile, spalte))
        zelle->setText(text);
    else
        m_tabelle->setItem(zeile, spalte, new QTableWidgetItem(text));
}

// The teacher's game as the run, the class as its many games.
void Klassenspielfenster::diagrammZeigen()
{
    if (!m_server)
        return;
    const double p = m_spiel.wachstumsrate();
    const auto klasse = alsEnsemble(m_server->stand().kurven(), p);
    const LaufAuswertung auswertung = laufAuswerten(m_spiel.spielfeld(), p, m_spiel.exponentT(), klasse);
    m_diagramm->zeigen(auswertung, klasse ? klasse->auftrag.zyklen : 0);
    const bool gefunden = klasse && klasse->anpassung.gefunden;
    m_uebernehmen->setEnabled(gefunden);
    m_bestesT->setText(gefunden ? QStringLiteral("Zum Mittel der Klasse passt t = %1 am besten.")
                                      .arg(QString::fromStdString(deutscheZahlKurz(klasse->anpassung.t, 3)))
                                : QString());
}

// As the evaluation saves its table: German CSV, written whole or not at all.
void Klassenspielfenster::tabelleSpeichern()
{
    if (!m_server)
        return;
    const QString pfad = m_ablage.zielWaehlen(this, QStringLiteral("Tabelle speichern"),
                                              QStringLiteral("kettenbrief-klasse.csv"),
                                              {{QStringLiteral("CSV-Tabelle für die Tabellenkalkulation"),
                                                QStringLiteral("csv")}});
    if (!pfad.isEmpty())
        Dateiablage::schreiben(this, pfad, QByteArray::fromStdString(csvText(klassentabelle(m_server->stand()))));
}

QStringList Klassenspielfenster::ergebnisseAufnehmen(const QStringList& dateien)
{
    QStringList meldungen;
    for (const QString& pfad : dateien) {
        QFile datei(pfad);
        QString meldung;
        if (!m_server)
            meldung = QStringLiteral("Das Klassenspiel läuft nicht.");
        else if (QFileInfo(pfad).size() > qint64(klassenprotokoll::hoechsteNachrichtBytes))
            meldung = QStringLiteral("Die Datei ist zu groß für ein Ergebnis.");
        else if (!datei.open(QIODevice::ReadOnly))
            meldung = QStringLiteral("Die Datei ist nicht lesbar.");
        else
            meldung = m_server->ergebnisAufnehmen(datei.read(qint64(klassenprotokoll::hoechsteNachrichtBytes) + 1));
        meldungen << QFileInfo(pfad).fileName() + QStringLiteral(": ") + meldung;
    }
    return meldungen;
}

void Klassenspielfenster::dragEnterEvent(QDragEnterEvent* ereignis)
{
    if (ereignis->mimeData()->hasUrls())
        ereignis->acceptProposedAction();
}

void Klassenspielfenster::dropEvent(QDropEvent* ereignis)
{
    QStringList dateien;
    for (const QUrl& url : ereignis->mimeData()->urls())
        if (url.isLocalFile())
            dateien << url.toLocalFile();
    if (dateien.isEmpty())
        return;
    ereignis->acceptProposedAction();
    QMessageBox::information(this, windowTitle(), ergebnisseAufnehmen(dateien).join(QLatin1Char('\n')));
}

void Klassenspielfenster::bestesTUebernehmen()
{
    const auto klasse = alsEnsemble(m_server->stand().kurven(), m_spiel.wachstumsrate());
    if (klasse && klasse->anpassung.gefunden)
        m_spiel.exponentUebernehmen(klasse->anpassung.t);
}
