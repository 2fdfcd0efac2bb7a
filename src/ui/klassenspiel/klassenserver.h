// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "klassenstand.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>
#include <utility>
#include <vector>

class QHttpServer;
class QWebSocket;

// While the Klassenspiel window is open: the page for the pupils at the
// address the teacher shows, and one WebSocket per page, over which it
// signs in with the class code and sends its reports. Every message is
// read and checked (klassennachricht) before the class changes; what is
// wrong gets a German reason back. A report is acknowledged once it is in
// the session file; what arrives together is written together, so that
// sixty pupils cost one write per turn of the event loop, not one each.
// Deleting the server stops serving at once.
class Klassenserver : public QObject
{
    Q_OBJECT

public:
    // `seite`: the page as the program ships it; `code`: the class code.
    Klassenserver(QByteArray seite, QString code, int hoechstens, QObject* parent = nullptr);
    ~Klassenserver() override;

    // Listens on every address of this computer, on `port` or, when that
    // is taken, on any free one; false when it cannot listen at all.
    bool starten(quint16 port);
    quint16 port() const { return m_port; }
    const QString& code() const { return m_code; }
    // From now on the class is written to `datei` after every change; with
    // `fortsetzen` the class (and its code) of the file comes back first.
    // False when the file cannot be read or written.
    bool sitzungsdateiSetzen(const QString& datei, bool fortsetzen);
    const Klassenstand& stand() const { return m_stand; }
    void hoechstensSetzen(int hoechstens) { m_stand.hoechstensSetzen(hoechstens); }
    // A pupil's result file ("Ergebnis speichern" on the page), checked as a
    // sign-in and a report over the network are; what became of it, in German.
    QString ergebnisAufnehmen(const QByteArray& inhalt);

signals:
    // A pupil came, went or sent a report (after it was written).
    void geaendert();

private:
    struct Verbindung
    {
        std::unique_ptr<QWebSocket> socket;
        int zeile = -1; // the pupil's row once signed in
        QElapsedTimer sekunde;
        int nachrichten = 0;
    };

    QByteArray seiteFuerDieKlasse(const QByteArray& host) const;
    void verbinden();
    void empfangen(QWebSocket* socket, const QString& text);
    void antworten(Verbindung& v, const Klassennachricht& nachricht);
    void getrennt(QWebSocket* socket);
    bool zuViele(Verbindung& v);
    // Writes (when `speichern`) and tells of the change on the next turn.
    void geaendertMelden(bool speichern);
    void bestaetigen(QWebSocket& socket, int seq);
    void festhalten();

    QByteArray m_seite;
    QString m_code;
    Klassenstand m_stand;
    std::unique_ptr<QHttpServer> m_http;
    std::map<QWebSocket*, Verbindung> m_verbindungen;
    quint16 m_port = 0;
    QString m_datei;
    QTimer m_festhalten;
    bool m_ungespeichert = false;
    std::vector<std::pair<QPointer<QWebSocket>, int>> m_offeneBestaetigungen;
};
