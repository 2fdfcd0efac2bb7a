// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ensemble.h"

#include <QObject>
#include <QTimer>

// Many games in the background for the evaluation window: the model plays
// them on threads of its own while the window stays usable; this object
// watches the run and reports its progress and its end on the window's
// thread.
class VieleSpiele : public QObject
{
    Q_OBJECT

public:
    explicit VieleSpiele(QObject* parent = nullptr);

    // Starts a run (a run still going is cancelled first).
    void starten(const EnsembleAuftrag& auftrag);
    // Stops a run; nothing happens without one.
    void abbrechen();

signals:
    void fortschritt(int fertig, int spiele);
    void fertig(const EnsembleKurven& kurven);
    void abgebrochen();

private:
    bool laeuft() const;
    void nachsehen();

    Ensemble m_ensemble;
    QTimer m_uhr;
};
