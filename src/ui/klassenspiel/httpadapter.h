// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>

class QHttpServer;

// The one seam to Qt HttpServer, whose API changed between Debian 12's
// Qt 6.4 (a technical preview there) and 6.8: how the server listens, and
// that WebSocket upgrades on `pfad` are let through. Returns the port it
// listens on, 0 when it cannot.
quint16 httpLauschen(QHttpServer& server, const QHostAddress& adresse, quint16 port, const char* pfad);
