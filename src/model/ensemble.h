// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ensemblerechnung.h"

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

// Runs an ensemble (ensembleRechnen) on a thread of its own, so the caller's
// thread stays free. The run reports through one function, `gemeldet`,
// called on a playing thread after every finished game and once more when
// the run has ended; the owner then reads fertigeSpiele() and beendet().
//
// starten, warten, ergebnis and the destructor belong to the owning thread;
// abbrechen, beendet, fertigeSpiele and spiele may be called from any thread.
class Ensemble
{
public:
    explicit Ensemble(std::function<void()> gemeldet = {});
    // Cancels a run still going and waits for its end.
    ~Ensemble() = default;
    Ensemble(const Ensemble&) = delete;
    Ensemble& operator=(const Ensemble&) = delete;

    // Starts a run and returns at once. A run still going is cancelled and
    // waited for first. Throws std::system_error when no thread can be
    // started; the run has then ended without curves.
    void starten(const EnsembleAuftrag& auftrag);
    // Asks the run to stop at the next cycle of its games; returns at once.
    // Without a run it does nothing.
    void abbrechen();
    // Blocks until the run has ended; returns at once without one.
    void warten();

    // True once the run has ended (or before any); ergebnis() is then ready,
    // and fertigeSpiele() read after it is final.
    bool beendet() const { return m_beendet.load(); }
    // Games finished so far in the current or last run, 0 .. spiele().
    int fertigeSpiele() const { return m_fertigeSpiele.load(); }
    // N of the current or last run, after ensembleBegrenzt; 0 before any.
    int spiele() const { return m_spiele.load(); }
    // The curves of the last run once it has ended in full; nothing while
    // it runs, after a cancel, or before any run.
    std::optional<EnsembleKurven> ergebnis() const;

private:
    void laufen(const EnsembleAuftrag& auftrag, std::stop_token halt);

    std::function<void()> m_gemeldet;
    std::atomic<int> m_fertigeSpiele{0};
    std::atomic<int> m_spiele{0};
    // Set by the run's thread after it has written m_kurven.
    std::atomic<bool> m_beendet{true};
    std::optional<EnsembleKurven> m_kurven;
    // Last, so that it is stopped and joined before the members it uses go.
    std::jthread m_faden;
};
