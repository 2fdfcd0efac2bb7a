// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's side of the class game for the tests that play it with
// real pages and simulated pupils: the desktop's main window with its
// Klassenspiel window open, offscreen. Arguments: the page to serve, the
// folder of the user's data (a session there is continued, as a teacher
// answers "Ja"; else one begins with class code K7Q2), the port (0: any
// free one) and the most pupils. Prints {"port":N}, then, a moment after
// each change, a line with the class as the window holds it. On its input,
// a line "tabelle" prints the class's table as the window saves it and the
// class's mean per cycle; a line "datei PATH" drops a pupil's result file
// into the window and prints what the window says of it.
#include "form1.h"
#include "klassensitzung.h"
#include "klassenspielfenster.h"
#include "klassenstand.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
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

// The window asks whether to continue the last session: the teacher says yes.
void fortsetzenBejahen()
{
    if (auto* frage = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        frage->button(QMessageBox::Yes)->click();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 5)
        return 2;
    qputenv("KETTENBRIEF_SEITE", argv[1]);
    qputenv("XDG_DATA_HOME", argv[2]);
    QApplication anwendung(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kettenbrief"));
    const QStringList argumente = anwendung.arguments();
    if (!QFile::exists(klassensitzung::pfad()) &&
        !klassensitzung::speichern(klassensitzung::pfad(), QStringLiteral("K7Q2"), Klassenstand(40)))
        return 3;
    QTimer frage;
    QObject::connect(&frage, &QTimer::timeout, &fortsetzenBejahen);
    frage.start(20);
    Form1 form;
    auto* fenster = new Klassenspielfenster(form, &form, static_cast<quint16>(argumente[3].toUInt()));
    frage.stop();
    fenster->show();
    if (!fenster->klasse())
        return 3;
    fenster->findChild<QSpinBox*>()->setValue(argumente[4].toInt());

    // Sixty pupils change the class hundreds of times a second: one line per
    // moment is what a test can read.
    QTimer schauen;
    QJsonObject gezeigt;
    QObject::connect(&schauen, &QTimer::timeout, [&] {
        const QJsonObject jetzt = klasse(*fenster->klasse());
        if (jetzt != gezeigt)
            zeile(jetzt);
        gezeigt = jetzt;
    });
    schauen.start(50);
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
                zeile(tabelle(*fenster->klasse()));
            else if (befehl.startsWith("datei "))
                zeile({{"ergebnis", fenster->ergebnisseAufnehmen({QString::fromLocal8Bit(befehl.mid(6))}).join('\n')}});
        }
    });
    zeile({{"port", QUrl(fenster->adresse()).port()}});
    return QApplication::exec();
}
