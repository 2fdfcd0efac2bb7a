// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ensemble.h"

#include <QObject>

#include <atomic>

// Many games in the background for the evaluation window: the model plays
// them on threads of its own while the window stays usable. Each report of
// the run (a game finished, the run ended) reaches this object as a queued
// call on the window's thread, which passes it on as progress and end.
class VieleSpiele : public QObject
{
    Q_OBJECT

public:
    explicit VieleSpiele(QObject* parent = nullptr);

    // Starts a run (a run still going is cancelled first).
    void starten(const EnsembleAuftrag& auftrag);
    // Stops a run and reports its end at once; nothing happens without one.
    void abbrechen();

signals:
    void fortschritt(int fertig, int spiele);
    void fertig(const EnsembleKurven& kurven);
    void abgebrochen();

private:
    // On a playing thread: asks for nachsehen on the window's thread, unless
    // a call is already waiting there (it reads the newest state anyway).
    void gemeldet();
    // On the window's thread: the progress, and the end once it came.
    void nachsehen();

    bool m_laeuft = false;
    std::atomic<bool> m_nachsehenWartet{false};
    // Last, so that its threads end before the members they report to.
    Ensemble m_ensemble;
};
