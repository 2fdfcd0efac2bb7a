// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

// The quick run: ten cycles at one click, each a recruitment pass and a
// commit, with the waiting window events processed once before the first
// cycle and before every step (21 times in all).
//
// A click while a run is going adds a run of its own that is played at that
// point, before the running one goes on, as if it were called from within
// it. The runs wait on a stack of their own instead of the call stack, so a
// held key can neither nest calls without end nor pile up cycles without
// bound: a click is ignored while more than hoechstensWartend - 10 cycles
// are still waiting.
class Schnelldurchlauf
{
public:
    static constexpr int zyklenJeLauf = 10;
    static constexpr int hoechstensWartend = 200;

    struct Schritte
    {
        std::function<void()> zielsuche;
        std::function<void()> ergebnis;
        // Lets the waiting window events run; false once the program ends.
        std::function<bool()> ereignisseVerarbeiten;
    };

    explicit Schnelldurchlauf(Schritte schritte) : m_schritte(std::move(schritte)) {}

    // A click on the button. Plays the run (and every run added meanwhile)
    // when none is going; otherwise adds one. False when it was ignored.
    bool klick();

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

    void abspielen();
    // False when the program ends.
    bool schrittAusfuehren(int schritt);

    Schritte m_schritte;
    std::vector<Lauf> m_laeufe; // the newest on top
    bool m_laeuft = false;
};
