// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ensemblespiele.h"
#include "klassennachricht.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// The class as the teacher's program knows it: one pupil per page, each
// with a game number of their own, a nickname and the last report they
// sent, replayed with the model. Only replayed reports enter the class's
// figures, and of each only its last start.
struct Schueler
{
    QString kennung;
    QString name;
    int spiel = 0;
    int seq = 0;               // of the last report taken, 0 for none
    Spielbericht bericht;      // the last report taken
    Nachgespielt nachgespielt; // its replay
    bool verbunden = false;
    Nachspieler nachspieler;   // goes on with each report from the last

    // The cycle reached and A(n) there, as the replay counted it.
    int zyklus() const;
    int anzahl() const;
};

// The class's mean and its 10 % and 90 % quantiles per cycle n = 0, 1, ...,
// over the pupils whose replayed game reached n, and how many those are.
struct Klassenkurven
{
    std::vector<double> mittel;
    std::vector<double> quantil10;
    std::vector<double> quantil90;
    std::vector<int> anzahlSchueler;
    std::vector<std::vector<int>> spiele; // each replayed game's A(0), A(1), ...
};

class Klassenstand;

// The class's table as the window shows it, header first, for a German
// spreadsheet (csvText): game, nickname, cycle, A(n) and whether the game
// replayed, then A(0), A(1), ... of each replayed game.
std::vector<std::vector<std::string>> klassentabelle(const Klassenstand& stand);

// The class's curves as many games, for the evaluation's plot and fit:
// the class is the ensemble, its best t the fit on its mean at `p`. None
// while no game replayed.
std::optional<EnsembleKurven> alsEnsemble(const Klassenkurven& kurven, double p);

class Klassenstand
{
public:
    explicit Klassenstand(int hoechstens) : m_hoechstens(hoechstens) {}

    // The pupil's row: the same for a page that comes back (its token), else
    // a new one with the game it plays already when that is free, or the
    // next free game number. None when the class is full
    // or every game is taken; `grund` says why.
    std::optional<int> anmelden(const Anmeldung& anmeldung, QString& grund);
    // The row for a pupil's result file: the pupil's own (its token) if it
    // plays the file's game, else a new one if nobody plays that game yet.
    std::optional<int> ergebnisAnmelden(const Anmeldung& anmeldung, QString& grund);
    // Takes a report newer than the pupil's last; false when it changed
    // nothing (a repeat, a late duplicate, another pupil's game).
    bool melden(int zeile, const Berichtsnachricht& nachricht);
    void verbindungSetzen(int zeile, bool verbunden);

    const std::vector<Schueler>& schueler() const { return m_schueler; }
    int hoechstens() const { return m_hoechstens; }
    // Fewer than have come already sends nobody away; it keeps out the next.
    void hoechstensSetzen(int hoechstens) { m_hoechstens = hoechstens; }
    Klassenkurven kurven() const;

private:
    bool spielFrei(int spiel) const;
    int naechstesFreiesSpiel() const;

    int m_hoechstens;
    std::vector<Schueler> m_schueler;
};
