// SPDX-License-Identifier: GPL-3.0-or-later
#include "schnelldurchlauf.h"

int Schnelldurchlauf::wartendeZyklen() const
{
    int zyklen = 0;
    for (const Lauf& lauf : m_laeufe) {
        // Steps 4, 8, ..., 40 are the commits.
        const int festgeschrieben = lauf.erledigt == 0 ? 0 : (lauf.erledigt - 1) / 4;
        zyklen += zyklenJeLauf - festgeschrieben;
    }
    return zyklen;
}

bool Schnelldurchlauf::klick()
{
    if (laeuft() && wartendeZyklen() + zyklenJeLauf > hoechstensWartend)
        return false;
    m_laeufe.push_back(Lauf{});
    return true;
}

std::optional<Schnelldurchlauf::Schritt> Schnelldurchlauf::naechsterSchritt()
{
    if (m_laeufe.empty())
        return std::nullopt;
    // A click while events are processed adds a run on top: its steps come
    // first, exactly where a nested call would have run.
    const int schritt = m_laeufe.back().erledigt++;
    if (m_laeufe.back().erledigt == schritteJeLauf)
        m_laeufe.pop_back();
    if (schritt == 0 || schritt % 2 == 1)
        return Schritt::ereignisse;
    return schritt % 4 == 2 ? Schritt::zielsuche : Schritt::ergebnis;
}
