// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zufallsquelle.h"

#include <cstddef>
#include <vector>

// A random source that returns the given numbers in turn (then repeats the
// last one) and counts the draws.
class ScriptedZufall final : public Zufallsquelle
{
public:
    explicit ScriptedZufall(std::vector<float> zahlen) : m_zahlen(std::move(zahlen)) {}

    float naechsteZahl() override
    {
        const float zahl = m_zahlen[m_naechste < m_zahlen.size() ? m_naechste : m_zahlen.size() - 1];
        ++m_naechste;
        ++m_gezogen;
        return zahl;
    }
    // The script starts again from its first number; the count goes on.
    void zumStart() override { m_naechste = 0; }
    std::size_t gezogen() const { return m_gezogen; }

    // The number that makes floor(50 * u) equal to `koordinate`.
    static float fuer(int koordinate) { return (koordinate + 0.5f) / 50.0f; }

private:
    std::vector<float> m_zahlen;
    std::size_t m_naechste = 0;
    std::size_t m_gezogen = 0;
};
