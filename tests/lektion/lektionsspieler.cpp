// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the lesson of lektion.json in the desktop window as a pupil works
// it: the pointer onto a button and a click, arrow keys on a scroll bar,
// text typed over a box's text, OK in a message box. At each checkpoint it
// writes what the window shows into the output folder: NAME-picAusgabe.png
// and NAME-picHisto.png (the pixels the game layer drew), and NAME.json with
// every control's text, enabled state and visibility, the captions, the
// messages closed since the last checkpoint and the evaluation as it reads.
// The page's lesson test (web/tests/lektionsvergleich.ts) plays the same
// steps and compares.
//
// Usage: kettenbrief_lektionsspieler lektion.json OUTPUT_FOLDER
#include "auswertungsfenster.h"
#include "auswertungstabelle.h"
#include "bildflaeche.h"
#include "controltable.h"
#include "form1.h"
#include "form1probe.h"
#include "menuebefehle.h"
#include "tophighscrollbar.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

[[noreturn]] void fehler(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

QString ohneZugriffszeichen(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Answers every message box of the program with OK as soon as it is open
// and keeps its title and text until a step of the lesson takes them.
class Meldungsbeantworter : public QObject
{
public:
    Meldungsbeantworter()
    {
        connect(&m_takt, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            m_offen.append(QJsonObject{{"titel", box->windowTitle()}, {"text", box->text()}});
            box->button(QMessageBox::Ok)->click();
        });
        m_takt.start(20);
    }

    // The oldest message answered and not taken yet; none is a fault.
    QJsonObject nehmen()
    {
        if (m_offen.isEmpty())
            fehler(QStringLiteral("keine Meldung erschienen"));
        const QJsonObject meldung = m_offen.first().toObject();
        m_offen.removeFirst();
        return meldung;
    }
    bool leer() const { return m_offen.isEmpty(); }

private:
    QTimer m_takt;
    QJsonArray m_offen;
};

class Lektionsspieler
{
public:
    Lektionsspieler(Form1& form, const QDir& ausgabe)
        : m_form(form)
        , m_ausgabe(ausgabe)
    {
    }

    void spielen(const QJsonObject& schritt)
    {
        const QString tun = schritt[QStringLiteral("tun")].toString();
        const QString ziel = schritt[QStringLiteral("ziel")].toString();
        if (tun != QLatin1String("meldungSchliessen") && !m_beantworter.leer())
            fehler(QStringLiteral("eine Meldung, die die Lektion nicht schließt"));
        if (tun == QLatin1String("klicken"))
            klicken(steuerelement<QPushButton>(ziel));
        else if (tun == QLatin1String("rollen"))
            rollen(steuerelement<TopHighScrollBar>(ziel), schritt[QStringLiteral("schritte")].toInt());
        else if (tun == QLatin1String("tippen"))
            tippen(steuerelement<QLineEdit>(ziel), schritt[QStringLiteral("text")].toString(),
                   schritt[QStringLiteral("enter")].toBool());
        else if (tun == QLatin1String("meldungSchliessen"))
            m_meldungen.append(m_beantworter.nehmen());
        else if (tun == QLatin1String("taste"))
            taste(QKeySequence::fromString(schritt[QStringLiteral("taste")].toString(), QKeySequence::PortableText));
        else if (tun == QLatin1String("zoom"))
            m_form.zoomSetzen(schritt[QStringLiteral("faktor")].toDouble());
        else if (tun == QLatin1String("auswertung"))
            Form1Probe::auswertungUmschalten(m_form);
        else if (tun == QLatin1String("vieleSpiele"))
            vieleSpiele(schritt[QStringLiteral("anzahl")].toInt());
        else if (tun == QLatin1String("beendenNach"))
            beendenNach(schritt[QStringLiteral("zyklen")].toInt());
        else if (tun == QLatin1String("pruefpunkt"))
            pruefpunkt(schritt[QStringLiteral("name")].toString());
        else
            fehler(QStringLiteral("unbekannter Schritt ") + tun);
        QTest::qWait(20);
    }

private:
    template <typename T>
    T* steuerelement(const QString& name) const
    {
        auto* gefunden = m_form.findChild<T*>(name);
        if (!gefunden)
            fehler(QStringLiteral("kein Steuerelement ") + name);
        return gefunden;
    }

    Auswertungsfenster* auswertungsfenster() const { return m_form.findChild<Auswertungsfenster*>(); }

    // The pointer comes onto the control's middle first, as a mouse does.
    static void klicken(QWidget* ziel)
    {
        const QPoint mitte = ziel->rect().center();
        QTest::mouseMove(ziel, mitte);
        QTest::mouseClick(ziel, Qt::LeftButton, Qt::NoModifier, mitte);
    }

    // Up (a positive count) raises the value, one step a key.
    static void rollen(TopHighScrollBar* balken, int schritte)
    {
        balken->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < std::abs(schritte); ++i)
            QTest::keyClick(balken, schritte > 0 ? Qt::Key_Up : Qt::Key_Down);
    }

    static void tippen(QLineEdit* kasten, const QString& text, bool enter)
    {
        klicken(kasten);
        QTest::keyClick(kasten, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(kasten, text);
        if (enter)
            QTest::keyClick(kasten, Qt::Key_Return);
    }

    // A key of the window's own (Ctrl+N), which reaches it while it is active.
    void taste(const QKeySequence& folge)
    {
        m_form.activateWindow();
        if (folge.isEmpty() || !QTest::qWaitForWindowActive(&m_form))
            fehler(QStringLiteral("keine Taste für das aktive Fenster"));
        QTest::keyClick(&m_form, folge[0].key(), folge[0].keyboardModifiers());
    }

    void vieleSpiele(int anzahl)
    {
        Auswertungsfenster* fenster = auswertungsfenster();
        if (!fenster)
            fehler(QStringLiteral("die Auswertung ist nicht offen"));
        auto* spiele = fenster->findChild<QSpinBox*>();
        spiele->selectAll();
        QTest::keyClicks(spiele, QString::number(anzahl));
        QPushButton* starten = nullptr;
        for (QPushButton* knopf : fenster->findChildren<QPushButton*>())
            if (ohneZugriffszeichen(knopf->text()) == QLatin1String("Viele Spiele"))
                starten = knopf;
        klicken(starten);
        // The threads report back on the window's thread; the button comes back at the end.
        if (!QTest::qWaitFor([starten] { return starten->isEnabled(); }, 60000))
            fehler(QStringLiteral("die vielen Spiele enden nicht"));
    }

    // A quick run, ended by "Programm beenden" right after the given number
    // of its commits, while it waits for the window's events.
    void beendenNach(int zyklen)
    {
        const int ende = m_form.spielfeld().zyklus() + zyklen;
        bool beendet = false;
        const QMetaObject::Connection verbindung = QObject::connect(
            &m_form, &Form1::spielGeaendert, &m_form,
            [this, ende, &beendet] {
                if (beendet || m_form.spielfeld().zyklus() != ende)
                    return;
                beendet = true;
                Form1Probe::steuerelemente(m_form).cmdEnde->trigger();
            },
            Qt::QueuedConnection);
        klicken(steuerelement<QPushButton>(QStringLiteral("Command2")));
        QObject::disconnect(verbindung);
        if (!beendet)
            fehler(QStringLiteral("der Schnelldurchlauf kam nicht bis Zyklus %1").arg(ende));
    }

    void pruefpunkt(const QString& name)
    {
        // The evaluation follows a change a moment later.
        QTest::qWait(300);
        const Steuerelemente& ui = Form1Probe::steuerelemente(m_form);
        QJsonObject bilder;
        for (Bildflaeche* flaeche : {ui.picAusgabe, ui.picHisto}) {
            const QString datei = name + QLatin1Char('-') + flaeche->objectName() + QStringLiteral(".png");
            if (!flaeche->picture().save(m_ausgabe.filePath(datei), "PNG"))
                fehler(QStringLiteral("nicht geschrieben: ") + datei);
            bilder[flaeche->objectName()] = QJsonObject{{"datei", datei}, {"beschreibung", flaeche->accessibleDescription()}};
        }
        const QJsonObject stand{
            {"name", name},
            {"fenster", QJsonObject{{"titel", m_form.windowTitle()}, {"sichtbar", m_form.isVisible()}}},
            {"steuerelemente", steuerelemente()},
            {"bilder", bilder},
            {"meldungen", m_meldungen},
            {"auswertung", auswertung()},
        };
        m_meldungen = {};
        tabelleSpeichern(name);
        QFile datei(m_ausgabe.filePath(name + QStringLiteral(".json")));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(QJsonDocument(stand).toJson()) < 0)
            fehler(QStringLiteral("nicht geschrieben: ") + datei.fileName());
    }

    // With the evaluation open: its table as the CSV file it saves, NAME.csv.
    void tabelleSpeichern(const QString& name) const
    {
        const Auswertungsfenster* fenster = auswertungsfenster();
        if (!fenster || !fenster->isVisible() || !m_form.isVisible())
            return;
        const auto* tabelle = qobject_cast<const Auswertungstabelle*>(fenster->findChild<QTableView*>()->model());
        QFile datei(m_ausgabe.filePath(name + QStringLiteral(".csv")));
        if (!tabelle || !datei.open(QIODevice::WriteOnly) || datei.write(tabelle->alsCsv()) < 0)
            fehler(QStringLiteral("nicht geschrieben: ") + datei.fileName());
    }

    // Every control of the table and every menu command: its text (caption,
    // box text, a scroll bar's value), whether it is enabled, and whether it
    // shows in the window.
    QJsonObject steuerelemente() const
    {
        QJsonObject alle;
        for (const ControlSpec& spec : controlTable()) {
            QWidget* w = steuerelement<QWidget>(QString::fromLatin1(spec.name));
            QJsonObject eintrag{{"aktiv", w->isEnabled()}, {"sichtbar", w->isVisibleTo(&m_form)}};
            if (auto* knopf = qobject_cast<QPushButton*>(w))
                eintrag[QStringLiteral("text")] = ohneZugriffszeichen(knopf->text());
            else if (auto* kasten = qobject_cast<QLineEdit*>(w))
                eintrag[QStringLiteral("text")] = kasten->text();
            else if (auto* beschriftung = qobject_cast<QLabel*>(w))
                eintrag[QStringLiteral("text")] = beschriftung->text();
            else if (auto* senkrecht = qobject_cast<TopHighScrollBar*>(w))
                eintrag[QStringLiteral("text")] = QString::number(senkrecht->angezeigterWert());
            else if (auto* waagerecht = qobject_cast<QScrollBar*>(w))
                eintrag[QStringLiteral("text")] = QString::number(waagerecht->value());
            alle[QString::fromLatin1(spec.name)] = eintrag;
        }
        const QList<QAction*> aktionen = m_form.menuBar()->actions();
        for (std::size_t i = 0; i < menuebefehle.size(); ++i) {
            const QAction* aktion = aktionen.at(static_cast<qsizetype>(i));
            alle[QString::fromLatin1(menuebefehle[i].name)] = QJsonObject{
                {"text", ohneZugriffszeichen(aktion->text())}, {"aktiv", aktion->isEnabled()},
                {"sichtbar", aktion->isVisible()}};
        }
        return alle;
    }

    // The evaluation window: its caption, the result's paragraphs, the
    // table as its view shows it (header first) with the marked rows and
    // their tooltips, and
    // the progress of many games. After "Programm beenden" the program has
    // quit with its windows; only this player still reads them.
    QJsonObject auswertung() const
    {
        const Auswertungsfenster* fenster = auswertungsfenster();
        if (!fenster || !fenster->isVisible() || !m_form.isVisible())
            return {{"sichtbar", false}};
        QString saetze;
        for (const QLabel* beschriftung : fenster->findChildren<QLabel*>())
            if (beschriftung->accessibleName() == QLatin1String("Ergebnis der Anpassung"))
                saetze = beschriftung->text();
        const QAbstractItemModel* modell = fenster->findChild<QTableView*>()->model();
        QJsonArray kopf, tabelle, markiert;
        for (int spalte = 0; spalte < modell->columnCount(); ++spalte)
            kopf.append(modell->headerData(spalte, Qt::Horizontal).toString());
        tabelle.append(kopf);
        for (int zeile = 0; zeile < modell->rowCount(); ++zeile) {
            QJsonArray zellen;
            for (int spalte = 0; spalte < modell->columnCount(); ++spalte)
                zellen.append(modell->index(zeile, spalte).data().toString());
            tabelle.append(zellen);
            const QModelIndex zelle = modell->index(zeile, 0);
            if (zelle.data(Qt::BackgroundRole).isValid())
                markiert.append(QJsonObject{{"zeile", zeile}, {"hinweis", zelle.data(Qt::ToolTipRole).toString()}});
        }
        return {{"sichtbar", true},
                {"titel", fenster->windowTitle()},
                {"saetze", QJsonArray::fromStringList(saetze.split(QStringLiteral("\n\n")))},
                {"tabelle", tabelle},
                {"markiert", markiert},
                {"fortschritt", fenster->findChild<QProgressBar*>()->text()}};
    }

    Form1& m_form;
    QDir m_ausgabe;
    Meldungsbeantworter m_beantworter;
    QJsonArray m_meldungen; // closed since the last checkpoint
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() != 3) {
        qCritical("Aufruf: kettenbrief_lektionsspieler lektion.json AUSGABEORDNER");
        return 2;
    }
    QFile lektion(argumente[1]);
    if (!lektion.open(QIODevice::ReadOnly)) {
        qCritical("nicht lesbar: %s", qPrintable(argumente[1]));
        return 2;
    }
    const QJsonArray schritte = QJsonDocument::fromJson(lektion.readAll())[QStringLiteral("schritte")].toArray();
    QDir ausgabe(argumente[2]);
    ausgabe.removeRecursively();
    if (schritte.isEmpty() || !ausgabe.mkpath(QStringLiteral("."))) {
        qCritical("keine Schritte oder kein Ausgabeordner");
        return 2;
    }

    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    Lektionsspieler spieler(form, ausgabe);
    for (qsizetype i = 0; i < schritte.size(); ++i) {
        try {
            spieler.spielen(schritte[i].toObject());
        } catch (const std::exception& e) {
            qCritical("Schritt %lld (%s): %s", static_cast<long long>(i + 1),
                      qPrintable(QJsonDocument(schritte[i].toObject()).toJson(QJsonDocument::Compact)), e.what());
            return 1;
        }
    }
    return 0;
}
