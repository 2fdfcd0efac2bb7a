// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ensemblerechnung.h"

#include <atomic>
#include <optional>
#include <thread>

enum class EnsembleZustand {
    bereit,      // no run started yet
    laeuft,      // games are being played
    fertig,      // the last run ended with its curves
    abgebrochen, // the last run was cancelled: no curves
};

// Runs an ensemble (ensembleRechnen) on a thread of its own, so the caller's
// thread stays free; the caller polls the progress and the state.
//
// starten, warten, ergebnis and the destructor belong to the owning thread;
// abbrechen, zustand, fertigeSpiele and spiele may be called from any thread.
class Ensemble
{
public:
    Ensemble() = default;
    // Cancels a run still going and waits for its end.
    ~Ensemble();
    Ensemble(const Ensemble&) = delete;
    Ensemble& operator=(const Ensemble&) = delete;

    // Starts a run and returns at once. A run still going is cancelled and
    // waited for first. Throws std::system_error when no thread can be
    // started; the state is then abgebrochen.
    void starten(const EnsembleAuftrag& auftrag);
    // Asks the running run to stop at the next cycle of its games; returns
    // at once. Without a run it does nothing.
    void abbrechen();
    // Blocks until the run has ended; returns at once without one.
    void warten();

    EnsembleZustand zustand() const { return m_zustand.load(std::memory_order_acquire); }
    // Games finished so far in the current or last run, 0 .. spiele().
    int fertigeSpiele() const { return m_fertigeSpiele.load(std::memory_order_relaxed); }
    // N of the current or last run, after ensembleBegrenzt; 0 before any.
    int spiele() const { return m_spiele.load(std::memory_order_relaxed); }
    // The curves of the last run once its state is fertig, else nothing.
    std::optional<EnsembleKurven> ergebnis() const;

private:
    void laufen(EnsembleAuftrag auftrag);

    std::thread m_faden;
    std::atomic<bool> m_abbrechen{false};
    std::atomic<int> m_fertigeSpiele{0};
    std::atomic<int> m_spiele{0};
    std::atomic<EnsembleZustand> m_zustand{EnsembleZustand::bereit};
    // Written by the run's thread before it publishes fertig (release), read
    // after zustand() has seen it (acquire).
    std::optional<EnsembleKurven> m_kurven;
};
