// SPDX-License-Identifier: GPL-3.0-or-later
#include "vielespiele.h"

#include <QThread>

#include <algorithm>
#include <system_error>

namespace {

// Often enough for a smooth progress bar, seldom enough to cost nothing.
constexpr int nachsehenMs = 50;

} // namespace

VieleSpiele::VieleSpiele(QObject* parent)
    : QObject(parent)
{
    m_uhr.setInterval(nachsehenMs);
    connect(&m_uhr, &QTimer::timeout, this, &VieleSpiele::nachsehen);
}

void VieleSpiele::starten(const EnsembleAuftrag& auftrag)
{
    EnsembleAuftrag mitFaeden = auftrag;
    mitFaeden.faeden = std::max(1, QThread::idealThreadCount());
    try {
        m_ensemble.starten(mitFaeden);
    } catch (const std::system_error&) {
        emit abgebrochen();
        return;
    }
    m_uhr.start();
    emit fortschritt(0, m_ensemble.spiele());
}

void VieleSpiele::abbrechen()
{
    if (!laeuft())
        return;
    m_ensemble.abbrechen();
    m_ensemble.warten();
    nachsehen();
}

bool VieleSpiele::laeuft() const
{
    return m_ensemble.zustand() == EnsembleZustand::laeuft;
}

void VieleSpiele::nachsehen()
{
    emit fortschritt(m_ensemble.fertigeSpiele(), m_ensemble.spiele());
    switch (m_ensemble.zustand()) {
    case EnsembleZustand::fertig:
        m_uhr.stop();
        m_ensemble.warten();
        if (const std::optional<EnsembleKurven> kurven = m_ensemble.ergebnis())
            emit fertig(*kurven);
        break;
    case EnsembleZustand::abgebrochen:
        m_uhr.stop();
        m_ensemble.warten();
        emit abgebrochen();
        break;
    default:
        break;
    }
}
