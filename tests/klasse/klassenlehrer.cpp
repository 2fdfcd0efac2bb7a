// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's side of the class game without its window, for the tests
// that play it with real pages and simulated pupils. Arguments: the page
// to serve, the session file (continued when it is there), the port (0: any
// free one) and the most pupils (else the window's default). The class code
// is K7Q2. Prints {"port":N}, then, a moment after each change, a line with
// the class as it stands. On its input, a line "tabelle" prints the class's
// table as the window saves it and the class's mean per cycle; a line
// "datei PATH" takes a pupil's result file as the window takes one dropped
// in, and prints what became of it.
#include "klassenprotokoll.h"
#include "klassenserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

void zeile(const QJsonObject& o)
{
    std::printf("%s\n", QJsonDocument(o).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

QJsonObject klasse(const Klassenstand& stand)
{
    QJsonArray schueler;
    for (const Schueler& s : stand.schueler())
        schueler.append(QJsonObject{{"spiel", s.spiel}, {"name", s.name}, {"seq", s.seq}, {"zyklus", s.zyklus()},
                                    {"anzahl", s.anzahl()}, {"nachvollziehbar", s.nachgespielt.nachvollziehbar},
                                    {"verbunden", s.verbunden}});
    return {{"schueler", schueler}};
}

QJsonObject tabelle(const Klassenstand& stand)
{
    QJsonArray zeilen;
    for (const auto& reihe : klassentabelle(stand)) {
        QJsonArray zellen;
        for (const std::string& zelle : reihe)
            zellen.append(QString::fromStdString(zelle));
        zeilen.append(zellen);
    }
    QJsonArray mittel;
    for (double m : stand.kurven().mittel)
        mittel.append(m);
    return {{"tabelle", zeilen}, {"mittel", mittel}};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    const QStringList argumente = anwendung.arguments();
    QFile seite(argumente.value(1));
    if (!seite.open(QIODevice::ReadOnly))
        return 2;
    const int hoechstens = argc > 4 ? std::atoi(argv[4]) : klassenprotokoll::vorgabeSchueler;
    Klassenserver server(seite.readAll(), QStringLiteral("K7Q2"), hoechstens);
    const QString datei = argumente.value(2);
    if (!server.starten(static_cast<quint16>(argumente.value(3).toUInt())) ||
        (!datei.isEmpty() && !server.sitzungsdateiSetzen(datei, QFile::exists(datei))))
        return 3;
    // Sixty pupils change the class hundreds of times a second: one line per
    // moment is what a test can read.
    QTimer melden;
    melden.setSingleShot(true);
    melden.setInterval(50);
    QObject::connect(&melden, &QTimer::timeout, [&server] { zeile(klasse(server.stand())); });
    QObject::connect(&server, &Klassenserver::geaendert, &melden, [&melden] {
        if (!melden.isActive())
            melden.start();
    });
    QSocketNotifier eingabe(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray gelesen;
    QObject::connect(&eingabe, &QSocketNotifier::activated, [&] {
        char puffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, puffer, sizeof puffer);
        if (n <= 0) {
            eingabe.setEnabled(false);
            return;
        }
        gelesen.append(puffer, static_cast<qsizetype>(n));
        for (qsizetype ende; (ende = gelesen.indexOf('\n')) >= 0; gelesen.remove(0, ende + 1)) {
            const QByteArray befehl = gelesen.left(ende);
            if (befehl == "tabelle")
                zeile(tabelle(server.stand()));
            QFile datei(QString::fromLocal8Bit(befehl.mid(6)));
            if (befehl.startsWith("datei ") && datei.open(QIODevice::ReadOnly))
                zeile({{"ergebnis", server.ergebnisAufnehmen(datei.readAll())}});
        }
    });
    zeile({{"port", server.port()}});
    return QCoreApplication::exec();
}
