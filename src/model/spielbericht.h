// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spielfeld.h"
#include "standardzufallsquelle.h"

#include <string>
#include <vector>

// A pupil's game as a device reports it, for the teacher's program to
// replay with the model before the game enters the class's figures. The
// random source begins at the numbered game's seed (a program start, "Das
// Spiel vom Programmstart", or the number chosen); from then on every
// start of a game ("Monte-Carlo initialisieren", a new A(0)) draws its
// start players from the same stream, so the report holds every start
// since the seed, each with its A(0) and its cycles, and each cycle with
// the growth rate of each of its passes and the count A(n) it was
// committed with.
struct Zyklusbericht
{
    std::vector<double> durchgaenge; // p of each pass ("Zielsuche") before the commit
    int anzahl = 0;                  // A(n) after the commit ("Ergebnis")
    friend bool operator==(const Zyklusbericht&, const Zyklusbericht&) = default;
};

struct Startbericht
{
    int a0 = 0;
    std::vector<Zyklusbericht> zyklen;
    friend bool operator==(const Startbericht&, const Startbericht&) = default;
};

struct Spielbericht
{
    int nummer = 0;
    std::vector<Startbericht> starts;
    friend bool operator==(const Spielbericht&, const Spielbericht&) = default;
};

// What a report is bounded to, so that a hostile one costs no more than an
// honest lesson: a cycle of the history's length per start at most, and
// no more passes than two lessons' worth.
inline constexpr int hoechsteStarts = 1000;
inline constexpr int hoechsteDurchgaenge = 2400;

struct Nachgespielt
{
    bool nachvollziehbar = false;
    // Why not, in German, for the teacher's table.
    std::string grund;
    // A(0), A(1), ... of the last start: what the class's figures take.
    std::vector<int> anzahlen;
};

// Plays the report's game again and compares every count.
Nachgespielt nachspielen(const Spielbericht& bericht);

// Replays one pupil's reports as they come, each the whole history so far.
// A report that only adds to the one replayed before goes on from where
// that one stopped, so a lesson of n commits costs n cycles to check rather
// than n²/2; any other report is replayed from its seed. Either way the
// result is nachspielen's.
class Nachspieler
{
public:
    const Nachgespielt& nachspielen(const Spielbericht& bericht);

private:
    bool setztFort(const Spielbericht& bericht) const;
    const Nachgespielt& verwerfen(std::string grund);

    Spielbericht m_gespielt; // the last report that replayed, else empty
    Nachgespielt m_ergebnis;
    StandardZufallsquelle m_zufall;
    Spielfeld m_feld;
};
