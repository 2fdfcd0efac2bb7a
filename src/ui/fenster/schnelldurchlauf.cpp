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
    if (m_laeuft && wartendeZyklen() + zyklenJeLauf > hoechstensWartend)
        return false;
    m_laeufe.push_back(Lauf{});
    if (!m_laeuft)
        abspielen();
    return true;
}

void Schnelldurchlauf::abspielen()
{
    m_laeuft = true;
    while (!m_laeufe.empty()) {
        // A step may add a run on top (a click while events are processed):
        // that one goes first, exactly where a nested call would have run.
        const int schritt = m_laeufe.back().erledigt++;
        if (m_laeufe.back().erledigt == schritteJeLauf)
            m_laeufe.pop_back();
        if (!schrittAusfuehren(schritt)) {
            m_laeufe.clear();
            break;
        }
    }
    m_laeuft = false;
}

bool Schnelldurchlauf::schrittAusfuehren(int schritt)
{
    if (schritt == 0 || schritt % 2 == 1)
        return m_schritte.ereignisseVerarbeiten();
    if (schritt % 4 == 2)
        m_schritte.zielsuche();
    else
        m_schritte.ergebnis();
    return true;
}
