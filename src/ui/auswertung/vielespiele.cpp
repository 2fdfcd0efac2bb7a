// SPDX-License-Identifier: GPL-3.0-or-later
#include "vielespiele.h"

#include <QThread>

#include <algorithm>
#include <system_error>

VieleSpiele::VieleSpiele(QObject* parent)
    : QObject(parent)
    , m_ensemble([this] { gemeldet(); })
{
}

void VieleSpiele::starten(const EnsembleAuftrag& auftrag)
{
    EnsembleAuftrag mitFaeden = auftrag;
    mitFaeden.faeden = std::max(1, QThread::idealThreadCount());
    try {
        m_ensemble.starten(mitFaeden);
    } catch (const std::system_error&) {
        m_laeuft = false;
        emit abgebrochen();
        return;
    }
    m_laeuft = true;
    emit fortschritt(0, m_ensemble.spiele());
}

void VieleSpiele::abbrechen()
{
    if (!m_laeuft)
        return;
    m_ensemble.abbrechen();
    m_ensemble.warten();
    nachsehen();
}

void VieleSpiele::gemeldet()
{
    if (!m_nachsehenWartet.exchange(true))
        QMetaObject::invokeMethod(this, &VieleSpiele::nachsehen, Qt::QueuedConnection);
}

void VieleSpiele::nachsehen()
{
    // Cleared before reading, so a report after this point queues a new call.
    m_nachsehenWartet.store(false);
    if (!m_laeuft)
        return;
    // The end first: once it has come, the count read after it is final.
    // Read the other way round, a run ending in between would leave the
    // progress a few games short.
    const bool beendet = m_ensemble.beendet();
    emit fortschritt(m_ensemble.fertigeSpiele(), m_ensemble.spiele());
    if (!beendet)
        return;
    m_laeuft = false;
    m_ensemble.warten();
    if (const std::optional<EnsembleKurven> kurven = m_ensemble.ergebnis())
        emit fertig(*kurven);
    else
        emit abgebrochen();
}
