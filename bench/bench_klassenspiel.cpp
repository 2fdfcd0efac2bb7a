// SPDX-License-Identifier: GPL-3.0-or-later
// The class game at the teacher's program: the main window with its
// Klassenspiel window open, offscreen. A measuring pupil in this process
// commits a cycle every 300 ms; its figure is the time from sending the
// report until the window's plot has painted with it (the table, filled in
// the same step as the plot, shows its cycle). First the measuring pupil
// alone, then while the sixty simulated pupils of the load test
// (klassenschwarm, a process of its own) play their forty cycles each: the
// median latency with sixty against one. Beside it the program's
// processor time per second and its resident memory with sixty pupils
// against the idle window before anyone came.
//
// Usage: bench_klassenspiel PATH/TO/klassenschwarm

#include "form1.h"
#include "klassenprotokoll.h"
#include "klassenspielfenster.h"
#include "messen.h"
#include "auswertungsdiagramm.h"
#include "schuelerspiel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// VmRSS of this process in MiB.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

double median(std::vector<double> werte)
{
    if (werte.empty())
        return 0;
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

// The measuring pupil: signs in, then commits when told and waits for the
// plot to paint what it sent.
class Messschueler : public QObject
{
public:
    Messschueler(const QUrl& adresse, const QString& code, QTableWidget& tabelle, QWidget& diagramm)
        : m_tabelle(tabelle)
    {
        diagramm.installEventFilter(this);
        connect(&m_socket, &QWebSocket::connected, this, [this, code] {
            m_socket.sendTextMessage(QJsonDocument(QJsonObject{{"art", "anmelden"}, {"code", code},
                                                               {"name", "Messung"}, {"kennung", "messung"},
                                                               {"spiel", 0}})
                                         .toJson(QJsonDocument::Compact));
        });
        connect(&m_socket, &QWebSocket::textMessageReceived, this, [this](const QString& text) {
            const QJsonObject o = QJsonDocument::fromJson(text.toUtf8()).object();
            if (o.value("art") == QLatin1String("angemeldet"))
                m_spiel.beginnen(o.value("spiel").toInt());
        });
        // A commit that never shows counts as -1 and ends the wait.
        m_frist.setSingleShot(true);
        m_frist.setInterval(5000);
        connect(&m_frist, &QTimer::timeout, &m_warten, &QEventLoop::quit);
        m_socket.open(adresse);
    }

    bool angemeldet() const { return m_spiel.bericht.nummer != 0; }

    // One commit; the milliseconds until the plot painted it.
    double zyklusMessen()
    {
        m_spiel.bericht.starts.back().zyklen.push_back(m_spiel.zyklus(2, 1));
        m_wartetAuf = static_cast<int>(m_spiel.bericht.starts.back().zyklen.size());
        m_gemalt = -1;
        m_uhr.start();
        m_socket.sendTextMessage(
            QString::fromStdString(klassenprotokoll::berichtNachricht(m_spiel.bericht, ++m_seq)));
        ++m_runde;
        m_frist.start();
        m_warten.exec();
        m_frist.stop();
        return m_gemalt;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        // The paint itself ends before the next turn of the event loop.
        if (ereignis->type() == QEvent::Paint && m_gemalt < 0 && tabelleZeigt())
            QTimer::singleShot(0, this, [this, runde = m_runde] {
                if (runde != m_runde || m_gemalt >= 0)
                    return;
                m_gemalt = static_cast<double>(m_uhr.nsecsElapsed()) / 1e6;
                m_warten.quit();
            });
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    bool tabelleZeigt() const
    {
        const QString spiel = QString::number(m_spiel.bericht.nummer);
        for (int zeile = 0; zeile < m_tabelle.rowCount(); ++zeile)
            if (m_tabelle.item(zeile, 0) && m_tabelle.item(zeile, 0)->text() == spiel)
                return m_tabelle.item(zeile, 2)->text() == QString::number(m_wartetAuf);
        return false;
    }

    QTableWidget& m_tabelle;
    QWebSocket m_socket;
    Schuelerspiel m_spiel;
    int m_seq = 0;
    int m_wartetAuf = 0;
    double m_gemalt = -1;
    QElapsedTimer m_uhr;
    QEventLoop m_warten;
    QTimer m_frist;
    int m_runde = 0;
};

std::vector<double> messen(Messschueler& schueler, const std::function<bool()>& weiter)
{
    std::vector<double> ms;
    while (weiter()) {
        ms.push_back(schueler.zyklusMessen());
        leerlaufen(300);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_klassenspiel PATH/TO/klassenschwarm\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", KETTENBRIEF_BILDSCHIRM);
    // No session of the teacher's own is touched, and none is offered.
    QTemporaryDir daten;
    qputenv("XDG_DATA_HOME", daten.path().toLocal8Bit());
    QFile seite(daten.filePath(QStringLiteral("kettenbrief.html")));
    if (!seite.open(QIODevice::WriteOnly) || seite.write("<!DOCTYPE html><html><head></head></html>") < 0)
        return 1;
    seite.close();
    qputenv("KETTENBRIEF_SEITE", seite.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    Form1 form;
    form.show();
    auto* fenster = new Klassenspielfenster(form, &form);
    fenster->show();
    fenster->findChild<QSpinBox*>()->setValue(hoechsteSpielnummer);
    const int port = QUrl(fenster->adresse()).port();
    leerlaufen(1000);

    const double leerCpu = cpuMs();
    QElapsedTimer uhr;
    uhr.start();
    leerlaufen(5000);
    const double leerProSekunde = (cpuMs() - leerCpu) / static_cast<double>(uhr.elapsed()) * 1000.0;
    const double leerMiB = residentMiB();

    Messschueler schueler(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(klassenprotokoll::pfad)),
                          fenster->klassencode(), *fenster->findChild<QTableWidget*>(),
                          *fenster->findChild<Auswertungsdiagramm*>()->viewport());
    while (!schueler.angemeldet())
        leerlaufen(10);
    int runden = 0;
    const std::vector<double> allein = messen(schueler, [&runden] { return ++runden <= 40; });

    QProcess schwarm;
    schwarm.start(QString::fromLocal8Bit(argv[1]),
                  {QString::number(port), QStringLiteral("60"), QStringLiteral("40"), fenster->klassencode()});
    if (!schwarm.waitForStarted())
        return 1;
    const double klasseCpu = cpuMs();
    uhr.restart();
    const std::vector<double> mitKlasse =
        messen(schueler, [&schwarm] { return schwarm.state() == QProcess::Running; });
    const double klasseProSekunde = (cpuMs() - klasseCpu) / static_cast<double>(uhr.elapsed()) * 1000.0;
    const double klasseMiB = residentMiB();
    const auto rows = fenster->findChild<QTableWidget*>()->rowCount();

    std::printf("commit to painted plot, median of %zu alone and %zu with the class (%d rows)\n", allein.size(),
                mitKlasse.size(), static_cast<int>(rows));
    std::printf("  one pupil      %8.2f ms\n  sixty pupils   %8.2f ms   ratio %.2f\n", median(allein),
                median(mitKlasse), median(mitKlasse) / median(allein));
    std::printf("processor time per second of the teacher's program\n");
    std::printf("  idle window    %8.2f ms\n  sixty pupils   %8.2f ms   ratio %.1f\n", leerProSekunde,
                klasseProSekunde, klasseProSekunde / std::max(leerProSekunde, 0.01));
    std::printf("resident memory\n  idle window    %8.1f MiB\n  sixty pupils   %8.1f MiB   ratio %.2f\n", leerMiB,
                klasseMiB, klasseMiB / leerMiB);
    return 0;
}
