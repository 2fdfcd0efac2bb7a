// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's side of the class game without its window, for the tests
// that play it with real pages: serves the page given as the first argument
// with class code K7Q2, keeps the session in the file of the second (and
// continues it when it is there) on the port of the third (0: any free
// one), prints {"port":N}, and after every change a line with the class as
// it stands, until it is ended.
#include "klassenserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>

namespace {

void zeile(const QJsonObject& o)
{
    std::printf("%s\n", QJsonDocument(o).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    QFile seite(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (!seite.open(QIODevice::ReadOnly))
        return 2;
    Klassenserver server(seite.readAll(), QStringLiteral("K7Q2"), 40);
    const QString datei = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!server.starten(argc > 3 ? static_cast<quint16>(std::atoi(argv[3])) : 0) ||
        (!datei.isEmpty() && !server.sitzungsdateiSetzen(datei, QFile::exists(datei))))
        return 3;
    QObject::connect(&server, &Klassenserver::geaendert, [&server] {
        QJsonArray schueler;
        for (const Schueler& s : server.stand().schueler())
            schueler.append(QJsonObject{{"spiel", s.spiel}, {"name", s.name}, {"seq", s.seq}, {"zyklus", s.zyklus()},
                                        {"anzahl", s.anzahl()}, {"nachvollziehbar", s.nachgespielt.nachvollziehbar},
                                        {"verbunden", s.verbunden}});
        zeile({{"schueler", schueler}});
    });
    zeile({{"port", server.port()}});
    return QCoreApplication::exec();
}
