// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

// The quick run: ten cycles at one click, each a recruitment pass and a
// commit, with the waiting window events processed once before the first
// cycle and before every step (21 times in all).
//
// A click while a run is going adds a run of its own that is played at that
// point, before the running one goes on, as if it were called from within
// it. The runs wait on a stack instead of the call stack, so a held key can
// neither nest calls without end nor pile up cycles without bound: a click is
// ignored while more than hoechstensWartend - 10 cycles are still waiting.
//
// It only says which step comes next: the edition plays it, and waits for
// its events in its own way (the desktop processes them in a loop, the page
// yields to the browser).
class Schnelldurchlauf
{
public:
    static constexpr int zyklenJeLauf = 10;
    static constexpr int hoechstensWartend = 200;

    enum class Schritt { ereignisse, zielsuche, ergebnis };

    // A click on the button: adds a run; false when it was ignored.
    bool klick();
    // The next step of the run on top, taken off it; none when all runs are played.
    std::optional<Schritt> naechsterSchritt();
    // Whether a run has steps left.
    bool laeuft() const { return !m_laeufe.empty(); }
    // The program ends: the cycles still waiting are dropped.
    void beenden() { m_laeufe.clear(); }

    // Cycles of all runs that are not committed yet.
    int wartendeZyklen() const;

private:
    // Steps of one run: event processing, then per cycle event processing,
    // pass, event processing, commit.
    static constexpr int schritteJeLauf = 1 + 4 * zyklenJeLauf;

    struct Lauf
    {
        int erledigt = 0; // steps already taken
    };

    std::vector<Lauf> m_laeufe; // the newest on top
};
