// SPDX-License-Identifier: GPL-3.0-or-later
#include "klassenserver.h"

#include "httpadapter.h"
#include "klassenprotokoll.h"
#include "klassensitzung.h"

#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

namespace k = klassenprotokoll;

namespace {

QString alsText(const QJsonObject& o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QString fehler(const QString& text)
{
    return alsText({{"art", "fehler"}, {"text", text}});
}

} // namespace

Klassenserver::Klassenserver(QByteArray seite, QString code, int hoechstens, QObject* parent)
    : QObject(parent)
    , m_seite(std::move(seite))
    , m_code(std::move(code))
    , m_stand(hoechstens)
    , m_http(std::make_unique<QHttpServer>())
{
    m_http->route("/", [this](const QHttpServerRequest& anfrage) {
        const QUrl url = anfrage.url();
        const QByteArray host = url.host().toUtf8() + ':' + QByteArray::number(url.port(m_port));
        return QHttpServerResponse("text/html; charset=utf-8", seiteFuerDieKlasse(host));
    });
    connect(m_http.get(), &QHttpServer::newWebSocketConnection, this, &Klassenserver::verbinden);
    m_festhalten.setSingleShot(true);
    m_festhalten.setInterval(0);
    connect(&m_festhalten, &QTimer::timeout, this, &Klassenserver::festhalten);
}

Klassenserver::~Klassenserver()
{
    // The sockets first: they report their end to this object.
    for (auto& [socket, verbindung] : m_verbindungen)
        socket->disconnect(this);
    // Closed in the same turn as a change came: it is written all the same.
    if (m_ungespeichert && !m_datei.isEmpty())
        klassensitzung::speichern(m_datei, m_code, m_stand);
}

bool Klassenserver::starten(quint16 port)
{
    m_port = httpLauschen(*m_http, QHostAddress::Any, port, k::pfad);
    if (m_port == 0)
        m_port = httpLauschen(*m_http, QHostAddress::Any, 0, k::pfad);
    return m_port != 0;
}

bool Klassenserver::sitzungsdateiSetzen(const QString& datei, bool fortsetzen)
{
    m_datei = datei;
    if (fortsetzen && !klassensitzung::laden(datei, m_code, m_stand))
        return false;
    return klassensitzung::speichern(m_datei, m_code, m_stand);
}

void Klassenserver::geaendertMelden(bool speichern)
{
    m_ungespeichert = m_ungespeichert || speichern;
    if (!m_festhalten.isActive())
        m_festhalten.start();
}

// A report is acknowledged once it is written, and a repeat of one not
// written yet must wait for it too.
void Klassenserver::bestaetigen(QWebSocket& socket, int seq)
{
    m_offeneBestaetigungen.emplace_back(&socket, seq);
    geaendertMelden(false);
}

// Every change is on disk before the window shows it or a page hears of it.
void Klassenserver::festhalten()
{
    if (m_ungespeichert && !m_datei.isEmpty())
        klassensitzung::speichern(m_datei, m_code, m_stand);
    m_ungespeichert = false;
    for (const auto& [socket, seq] : std::exchange(m_offeneBestaetigungen, {}))
        if (socket)
            socket->sendTextMessage(alsText({{"art", "erhalten"}, {"seq", seq}}));
    emit geaendert();
}

// The page as it ships forbids every request; the copy served here may talk
// to this server alone, and knows by its mark that it is in a class.
QByteArray Klassenserver::seiteFuerDieKlasse(const QByteArray& host) const
{
    QByteArray seite = m_seite;
    seite.replace("connect-src 'none'", "connect-src 'self' ws://" + host);
    seite.replace("<head>", "<head>\n<meta name=\"kettenbrief-klasse\" content=\"" + QByteArray(k::pfad) + "\">");
    return seite;
}

void Klassenserver::verbinden()
{
    while (m_http->hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = m_http->nextPendingWebSocketConnection();
        if (!socket)
            continue;
        if (socket->requestUrl().path() != QLatin1String(k::pfad)) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            continue;
        }
        socket->setMaxAllowedIncomingMessageSize(k::hoechsteNachrichtBytes);
        socket->setMaxAllowedIncomingFrameSize(k::hoechsteNachrichtBytes);
        QWebSocket* roh = socket.get();
        connect(roh, &QWebSocket::textMessageReceived, this, [this, roh](const QString& text) { empfangen(roh, text); });
        connect(roh, &QWebSocket::binaryMessageReceived, this,
                [roh] { roh->sendTextMessage(fehler(QStringLiteral("Nur Textnachrichten."))); });
        connect(roh, &QWebSocket::disconnected, this, [this, roh] { getrennt(roh); });
        Verbindung v;
        v.socket = std::move(socket);
        v.sekunde.start();
        m_verbindungen.emplace(roh, std::move(v));
    }
}

bool Klassenserver::zuViele(Verbindung& v)
{
    if (v.sekunde.elapsed() >= 1000) {
        v.sekunde.restart();
        v.nachrichten = 0;
    }
    return ++v.nachrichten > k::nachrichtenProSekunde;
}

void Klassenserver::empfangen(QWebSocket* socket, const QString& text)
{
    const auto gefunden = m_verbindungen.find(socket);
    if (gefunden == m_verbindungen.end())
        return;
    Verbindung& v = gefunden->second;
    if (zuViele(v)) {
        socket->sendTextMessage(fehler(QStringLiteral("Zu viele Nachrichten; bitte langsamer.")));
        return;
    }
    antworten(v, nachrichtLesen(text));
}

void Klassenserver::antworten(Verbindung& v, const Klassennachricht& nachricht)
{
    QWebSocket& socket = *v.socket;
    if (const auto* f = std::get_if<Lesefehler>(&nachricht)) {
        socket.sendTextMessage(fehler(f->text));
        return;
    }
    if (const auto* anmeldung = std::get_if<Anmeldung>(&nachricht)) {
        if (anmeldung->code.compare(m_code, Qt::CaseInsensitive) != 0) {
            socket.sendTextMessage(fehler(QStringLiteral("Der Klassencode stimmt nicht.")));
            return;
        }
        QString grund;
        const std::optional<int> zeile = m_stand.anmelden(*anmeldung, grund);
        if (!zeile) {
            socket.sendTextMessage(fehler(grund));
            return;
        }
        v.zeile = *zeile;
        m_stand.verbindungSetzen(*zeile, true);
        socket.sendTextMessage(alsText({{"art", "angemeldet"}, {"spiel", m_stand.schueler()[*zeile].spiel}}));
        geaendertMelden(true);
        return;
    }
    const auto& bericht = std::get<Berichtsnachricht>(nachricht);
    if (v.zeile < 0) {
        socket.sendTextMessage(fehler(QStringLiteral("Erst anmelden, dann melden.")));
        return;
    }
    if (bericht.bericht.nummer != m_stand.schueler()[v.zeile].spiel) {
        socket.sendTextMessage(fehler(QStringLiteral("Das ist nicht dein Spiel.")));
        return;
    }
    // A repeat or a late duplicate is stored already: it is acknowledged and changes nothing.
    if (m_stand.melden(v.zeile, bericht))
        geaendertMelden(true);
    bestaetigen(socket, bericht.seq);
}

QString Klassenserver::ergebnisAufnehmen(const QByteArray& inhalt)
{
    const QString text = QString::fromUtf8(inhalt);
    const Klassennachricht gelesen = nachrichtLesen(text);
    if (const auto* f = std::get_if<Lesefehler>(&gelesen))
        return f->text;
    const auto* bericht = std::get_if<Berichtsnachricht>(&gelesen);
    if (!bericht)
        return QStringLiteral("Das ist keine Ergebnisdatei von Kettenbrief.");
    // The file's nickname and token, read as a sign-in with this class's code.
    QJsonObject anmeldung = QJsonDocument::fromJson(inhalt).object();
    anmeldung["art"] = QStringLiteral("anmelden");
    anmeldung["code"] = m_code;
    anmeldung["spiel"] = bericht->bericht.nummer;
    const Klassennachricht angemeldet = nachrichtLesen(alsText(anmeldung));
    if (const auto* f = std::get_if<Lesefehler>(&angemeldet))
        return f->text;
    QString grund;
    const std::optional<int> zeile = m_stand.ergebnisAnmelden(std::get<Anmeldung>(angemeldet), grund);
    if (!zeile)
        return grund;
    if (!m_stand.melden(*zeile, *bericht))
        return QStringLiteral("Dieses Ergebnis hat die Klasse schon.");
    geaendertMelden(true);
    const Schueler& s = m_stand.schueler()[static_cast<std::size_t>(*zeile)];
    const QString wer = QStringLiteral("Spiel %1 (%2)").arg(s.spiel).arg(s.name);
    return s.nachgespielt.nachvollziehbar
               ? QStringLiteral("%1: aufgenommen, Zyklus %2.").arg(wer).arg(s.zyklus())
               : QStringLiteral("%1: nicht nachvollziehbar: %2").arg(wer, QString::fromStdString(s.nachgespielt.grund));
}

void Klassenserver::getrennt(QWebSocket* socket)
{
    const auto gefunden = m_verbindungen.find(socket);
    if (gefunden == m_verbindungen.end())
        return;
    const int zeile = gefunden->second.zeile;
    // Deleted later: this runs inside the socket's own signal.
    gefunden->second.socket.release()->deleteLater();
    m_verbindungen.erase(gefunden);
    if (zeile >= 0) {
        m_stand.verbindungSetzen(zeile, false);
        geaendertMelden(false);
    }
}
