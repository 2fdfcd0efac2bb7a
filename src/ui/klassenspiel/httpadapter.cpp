// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpadapter.h"

#include <QHttpServer>
#include <QTcpServer>

#include <QHttpServerRequest>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QHttpServerWebSocketUpgradeResponse>
#else
#include <QHttpServerResponder>
#endif

quint16 httpLauschen(QHttpServer& server, const QHostAddress& adresse, quint16 port, const char* pfad)
{
    // Parented to the server: closing it stops listening at once.
    auto* tcp = new QTcpServer(&server);
    if (!tcp->listen(adresse, port)) {
        delete tcp;
        return 0;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Since 6.8 an upgrade is refused unless a verifier accepts it.
    server.addWebSocketUpgradeVerifier(&server, [pfad = QString::fromLatin1(pfad)](const QHttpServerRequest& anfrage) {
        return anfrage.url().path() == pfad ? QHttpServerWebSocketUpgradeResponse::accept()
                                            : QHttpServerWebSocketUpgradeResponse::deny();
    });
    if (!server.bind(tcp)) {
        delete tcp;
        return 0;
    }
#else
    // 6.4 upgrades a request to a WebSocket only when a route takes it, and
    // the upgrade answers it, so the route writes nothing; the server checks
    // the path of each socket itself.
    server.route(QString::fromLatin1(pfad), [](const QHttpServerRequest&, QHttpServerResponder&&) {});
    server.bind(tcp);
#endif
    return tcp->serverPort();
}
