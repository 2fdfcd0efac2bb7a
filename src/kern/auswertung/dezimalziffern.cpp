// SPDX-License-Identifier: GPL-3.0-or-later
#include "dezimalziffern.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// A double m * 2^e with m < 2^53 has at most 53 - e binary places after the
// point, and each binary place needs one decimal place: with that many,
// printf writes the value exactly and rounds nothing.
int exakteNachkommastellen(double betrag)
{
    int exponent = 0;
    std::frexp(betrag, &exponent);
    return std::clamp(53 - exponent, 1, 1100);
}

} // namespace

Dezimalziffern::Dezimalziffern(double betrag)
{
    const int stellen = exakteNachkommastellen(betrag);
    std::vector<char> puffer(static_cast<std::size_t>(stellen) + 320);
    std::snprintf(puffer.data(), puffer.size(), "%.*f", stellen, betrag);
    const std::string text(puffer.data());
    const std::size_t punkt = text.find('.');
    m_ziffern = text.substr(0, punkt) + text.substr(punkt + 1);
    m_vorKomma = static_cast<int>(punkt);
}

void Dezimalziffern::aufrunden(int behalten)
{
    if (behalten < 0) {
        // Everything rounds away; nothing is half the first place kept.
        m_ziffern.assign(m_ziffern.size(), '0');
        return;
    }
    const auto ende = static_cast<std::size_t>(behalten);
    if (ende >= m_ziffern.size())
        return;
    const bool hoch = m_ziffern[ende] >= '5';
    std::fill(m_ziffern.begin() + behalten, m_ziffern.end(), '0');
    if (!hoch)
        return;
    for (std::size_t i = ende; i-- > 0;) {
        if (m_ziffern[i] != '9') {
            ++m_ziffern[i];
            return;
        }
        m_ziffern[i] = '0';
    }
    m_ziffern.insert(m_ziffern.begin(), '1');
    ++m_vorKomma;
}

void Dezimalziffern::nachkommaRunden(int stellen)
{
    aufrunden(m_vorKomma + stellen);
}

void Dezimalziffern::signifikantRunden(int stellen)
{
    if (!null())
        aufrunden(ersteNichtNull() + stellen);
}

int Dezimalziffern::ersteNichtNull() const
{
    return static_cast<int>(m_ziffern.find_first_not_of('0'));
}

bool Dezimalziffern::null() const
{
    return m_ziffern.find_first_not_of('0') == std::string::npos;
}

int Dezimalziffern::exponent() const
{
    return null() ? 0 : m_vorKomma - 1 - ersteNichtNull();
}

std::string Dezimalziffern::vorKomma() const
{
    const std::string ganz = m_ziffern.substr(0, static_cast<std::size_t>(m_vorKomma));
    const std::size_t erste = ganz.find_first_not_of('0');
    return erste == std::string::npos ? "0" : ganz.substr(erste);
}

std::string Dezimalziffern::nachKomma(int stellen) const
{
    std::string nach = m_ziffern.substr(static_cast<std::size_t>(m_vorKomma), static_cast<std::size_t>(stellen));
    nach.resize(static_cast<std::size_t>(stellen), '0');
    return nach;
}

std::string Dezimalziffern::signifikante(int anzahl) const
{
    std::string ziffern = null() ? std::string() : m_ziffern.substr(static_cast<std::size_t>(ersteNichtNull()),
                                                                    static_cast<std::size_t>(anzahl));
    ziffern.resize(static_cast<std::size_t>(anzahl), '0');
    return ziffern;
}
