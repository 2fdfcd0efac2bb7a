// SPDX-License-Identifier: GPL-3.0-or-later
// Simulated pupils for the class game's load test: each speaks the page's
// protocol over a WebSocket of its own, signs in with the class code, plays
// its game with the model and sends its whole history after each commit.
// A pupil whose connection drops plays on offline and, like the page, comes
// back every quarter second and sends what it has. Some misbehave or
// leave early by their number (see Rolle). Arguments: port, pupils, cycles each, code.
// When every pupil is done it prints one line per pupil with what the
// teacher must hold, and ends.
#include "klassenprotokoll.h"
#include "schuelerspiel.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWebSocket>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

enum class Rolle {
    ehrlich,
    wiederholt,  // sends each report twice and an old one now and then
    muell,       // sends garbage and, once, a frame far too large
    faelscht,    // claims one player fewer from cycle 20 on
    falscherCode,
    trennt,      // drops its connection twice mid-game
    geht,        // plays ten cycles only and leaves, before the teacher's crash
};

Rolle rolleVon(int nummer)
{
    switch (nummer) {
    case 1: return Rolle::wiederholt;
    case 2: return Rolle::muell;
    case 3: return Rolle::faelscht;
    case 4: return Rolle::falscherCode;
    default: return nummer % 7 == 0 ? Rolle::trennt : nummer % 10 == 5 ? Rolle::geht : Rolle::ehrlich;
    }
}

QString alsText(const QJsonObject& o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

class Schuelerin : public QObject
{
public:
    Schuelerin(int nummer, QUrl adresse, int zyklen, QString code, std::function<void()> fertigGemeldet)
        : m_nummer(nummer), m_rolle(rolleVon(nummer)), m_adresse(std::move(adresse)),
          m_zyklenSoll(m_rolle == Rolle::geht ? 10 : zyklen),
          m_code(std::move(code)), m_fertigGemeldet(std::move(fertigGemeldet))
    {
        // The misbehaving ones play slower, so that their extra messages stay within the rate.
        m_takt.setInterval(m_rolle >= Rolle::trennt || m_rolle == Rolle::ehrlich ? 150 + nummer % 5 * 20 : 400);
        connect(&m_takt, &QTimer::timeout, this, &Schuelerin::zyklusSpielen);
        connect(&m_socket, &QWebSocket::connected, this, &Schuelerin::anmelden);
        connect(&m_socket, &QWebSocket::textMessageReceived, this, &Schuelerin::empfangen);
        connect(&m_socket, &QWebSocket::disconnected, this, [this] {
            m_angemeldet = false;
            if (!m_fertig)
                QTimer::singleShot(250, this, [this] { m_socket.open(m_adresse); });
        });
        // What is not acknowledged within a while is sent again.
        m_nachfassen.setInterval(1500);
        connect(&m_nachfassen, &QTimer::timeout, this, [this] {
            if (m_angemeldet && m_bestaetigt < m_seq)
                senden();
        });
        m_nachfassen.start();
        m_socket.open(m_adresse);
    }

    bool fertig() const { return m_fertig; }

    QJsonObject erwartet() const
    {
        QJsonObject o{{"kennung", kennung()}, {"spiel", m_spiel.bericht.nummer}};
        if (m_rolle == Rolle::falscherCode)
            return {{"kennung", kennung()}, {"abgewiesen", true}};
        o["ehrlich"] = m_rolle != Rolle::faelscht;
        QJsonArray anzahlen;
        for (int a : m_spiel.anzahlen)
            anzahlen.append(a);
        o["anzahlen"] = anzahlen;
        return o;
    }

private:
    QString kennung() const { return QStringLiteral("schwarm-%1").arg(m_nummer); }

    void anmelden()
    {
        const QString code = m_rolle == Rolle::falscherCode ? QStringLiteral("XXXX") : m_code;
        m_socket.sendTextMessage(alsText({{"art", "anmelden"}, {"code", code},
                                          {"name", QStringLiteral("Schwarm %1").arg(m_nummer)},
                                          {"kennung", kennung()}, {"spiel", m_spiel.bericht.nummer}}));
    }

    void empfangen(const QString& text)
    {
        const QJsonObject o = QJsonDocument::fromJson(text.toUtf8()).object();
        const QString art = o.value("art").toString();
        if (art == QLatin1String("angemeldet"))
            angemeldet(o.value("spiel").toInt());
        else if (art == QLatin1String("erhalten"))
            bestaetigt(o.value("seq").toInt());
        else if (art == QLatin1String("fehler") && m_rolle == Rolle::falscherCode)
            fertigMelden();
    }

    void angemeldet(int spiel)
    {
        m_angemeldet = true;
        if (m_spiel.bericht.nummer == 0) {
            // The first time: the game the teacher gave.
            m_spiel.beginnen(spiel);
            m_takt.start();
        }
        senden();
    }

    void bestaetigt(int seq)
    {
        m_bestaetigt = std::max(m_bestaetigt, seq);
        if (m_zyklen == m_zyklenSoll && m_bestaetigt == m_seq)
            fertigMelden();
    }

    void fertigMelden()
    {
        if (m_fertig)
            return;
        m_fertig = true;
        m_takt.stop();
        m_nachfassen.stop();
        m_socket.close();
        m_fertigGemeldet();
    }

    void zyklusSpielen()
    {
        if (m_zyklen == m_zyklenSoll) {
            m_takt.stop();
            return;
        }
        Zyklusbericht zyklus = m_spiel.zyklus(1 + m_nummer % 4, 1 + m_nummer % 2);
        if (m_rolle == Rolle::faelscht && m_zyklen >= 20)
            zyklus.anzahl -= 1;
        m_spiel.bericht.starts.back().zyklen.push_back(zyklus);
        ++m_zyklen;
        if (m_rolle == Rolle::trennt && (m_zyklen == 10 || m_zyklen == 25)) {
            m_socket.abort();
            return;
        }
        if (m_angemeldet)
            senden();
    }

    void senden()
    {
        const QString bericht = QString::fromStdString(klassenprotokoll::berichtNachricht(m_spiel.bericht, ++m_seq));
        if (m_rolle == Rolle::muell)
            muellSenden();
        m_socket.sendTextMessage(bericht);
        if (m_rolle == Rolle::wiederholt) {
            m_socket.sendTextMessage(bericht);
            if (m_seq % 4 == 0 && !m_alt.isEmpty())
                m_socket.sendTextMessage(m_alt);
            if (m_seq % 4 == 1)
                m_alt = bericht;
        }
    }

    void muellSenden()
    {
        switch (m_seq % 5) {
        case 0: m_socket.sendTextMessage(QStringLiteral("kein JSON {")); break;
        case 1: m_socket.sendTextMessage(QStringLiteral(R"({"art":"bericht","seq":"drei","spiel":1})")); break;
        case 2: m_socket.sendBinaryMessage(QByteArray(16, '\xff')); break;
        case 3:
            m_socket.sendTextMessage(alsText({{"art", "bericht"}, {"seq", 1000000}, {"spiel", m_spiel.bericht.nummer % 99 + 1},
                                              {"starts", QJsonArray{}}}));
            break;
        default:
            // Once a frame beyond the bound: the teacher closes the connection, and the pupil comes back.
            if (!m_zuGrossGesendet) {
                m_zuGrossGesendet = true;
                m_socket.sendTextMessage(QString(int(klassenprotokoll::hoechsteNachrichtBytes) + 1024, QLatin1Char('x')));
            }
        }
    }

    int m_nummer;
    Rolle m_rolle;
    QUrl m_adresse;
    int m_zyklenSoll;
    QString m_code;
    std::function<void()> m_fertigGemeldet;
    QWebSocket m_socket;
    QTimer m_takt;
    QTimer m_nachfassen;
    bool m_angemeldet = false;
    bool m_fertig = false;
    bool m_zuGrossGesendet = false;
    Schuelerspiel m_spiel;
    int m_zyklen = 0;
    int m_seq = 0;
    int m_bestaetigt = 0;
    QString m_alt; // an earlier report, sent again late
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication anwendung(argc, argv);
    const QStringList a = anwendung.arguments();
    if (a.size() < 5)
        return 2;
    const QUrl adresse(QStringLiteral("ws://127.0.0.1:%1%2").arg(a[1], klassenprotokoll::pfad));
    const int anzahl = a[2].toInt();
    std::vector<std::unique_ptr<Schuelerin>> klasse;
    int fertige = 0;
    const auto einerFertig = [&] {
        if (++fertige < anzahl)
            return;
        for (const auto& s : klasse)
            std::printf("%s\n", QJsonDocument(s->erwartet()).toJson(QJsonDocument::Compact).constData());
        std::fflush(stdout);
        QCoreApplication::quit();
    };
    for (int nummer = 1; nummer <= anzahl; ++nummer)
        klasse.push_back(std::make_unique<Schuelerin>(nummer, adresse, a[3].toInt(), a[4], einerFertig));
    return QCoreApplication::exec();
}
