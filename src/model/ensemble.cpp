// SPDX-License-Identifier: GPL-3.0-or-later
#include "ensemble.h"

#include <utility>

Ensemble::Ensemble(std::function<void()> gemeldet)
    : m_gemeldet(std::move(gemeldet))
{
}

void Ensemble::starten(const EnsembleAuftrag& auftrag)
{
    // An empty jthread in its place stops the run going and joins it.
    m_faden = std::jthread();
    m_kurven.reset();
    m_fertigeSpiele.store(0);
    m_spiele.store(ensembleBegrenzt(auftrag).spiele);
    m_beendet.store(false);
    try {
        m_faden = std::jthread([this, auftrag](std::stop_token halt) { laufen(auftrag, std::move(halt)); });
    } catch (...) {
        m_beendet.store(true);
        throw;
    }
}

void Ensemble::laufen(const EnsembleAuftrag& auftrag, std::stop_token halt)
{
    try {
        m_kurven = ensembleRechnen(auftrag, std::move(halt), m_fertigeSpiele, m_gemeldet);
    } catch (...) {
        // A run that fails (no memory, a report that cannot be delivered)
        // ends like a cancelled one instead of ending the program.
        m_kurven.reset();
    }
    m_beendet.store(true);
    if (m_gemeldet)
        m_gemeldet();
}

void Ensemble::abbrechen()
{
    m_faden.request_stop();
}

void Ensemble::warten()
{
    if (m_faden.joinable())
        m_faden.join();
}

std::optional<EnsembleKurven> Ensemble::ergebnis() const
{
    if (!beendet())
        return std::nullopt;
    return m_kurven;
}
