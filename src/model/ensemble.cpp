// SPDX-License-Identifier: GPL-3.0-or-later
#include "ensemble.h"

#include <utility>

Ensemble::~Ensemble()
{
    abbrechen();
    warten();
}

void Ensemble::starten(const EnsembleAuftrag& auftrag)
{
    abbrechen();
    warten();
    m_kurven.reset();
    m_abbrechen.store(false);
    m_fertigeSpiele.store(0);
    m_spiele.store(ensembleBegrenzt(auftrag).spiele);
    m_zustand.store(EnsembleZustand::laeuft, std::memory_order_release);
    try {
        m_faden = std::thread(&Ensemble::laufen, this, auftrag);
    } catch (...) {
        m_zustand.store(EnsembleZustand::abgebrochen);
        throw;
    }
}

void Ensemble::laufen(EnsembleAuftrag auftrag)
{
    std::optional<EnsembleKurven> kurven = ensembleRechnen(auftrag, m_abbrechen, m_fertigeSpiele);
    const bool vollstaendig = kurven.has_value();
    m_kurven = std::move(kurven);
    m_zustand.store(vollstaendig ? EnsembleZustand::fertig : EnsembleZustand::abgebrochen,
                    std::memory_order_release);
}

void Ensemble::abbrechen()
{
    m_abbrechen.store(true);
}

void Ensemble::warten()
{
    if (m_faden.joinable())
        m_faden.join();
}

std::optional<EnsembleKurven> Ensemble::ergebnis() const
{
    if (zustand() != EnsembleZustand::fertig)
        return std::nullopt;
    return m_kurven;
}
