// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include "zahltext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string genaueZahl(double wert)
{
    std::string text;
    // The fewest digits that read back the same: 2.7, not 2.7000000000000002.
    for (int stellen = 15; stellen <= 17; ++stellen) {
        char puffer[32];
        std::snprintf(puffer, sizeof puffer, "%.*g", stellen, wert);
        text = puffer;
        // The desktop runs in the user's locale, whose decimal separator may
        // be a comma: "2,5" would read back as two numbers. %g groups no
        // digits, so the only comma there can be is that separator.
        std::replace(text.begin(), text.end(), ',', '.');
        if (strengUmwandeln(text, '.') == wert)
            break;
    }
    return text;
}

Json& Json::zahl(double wert)
{
    if (!std::isfinite(wert))
        return roh("null");
    return roh(genaueZahl(wert).c_str());
}

Json& Json::text(const std::string& wert)
{
    trennen();
    zeichenkette(wert);
    return *this;
}

Json& Json::schluessel(const char* name)
{
    trennen();
    zeichenkette(name);
    m_text += ':';
    // The value after its key needs no comma.
    m_erstes = true;
    return *this;
}

Json& Json::auf(char klammer)
{
    trennen();
    m_text += klammer;
    m_erstes = true;
    return *this;
}

Json& Json::zu(char klammer)
{
    m_text += klammer;
    m_erstes = false;
    return *this;
}

Json& Json::texte(const std::vector<std::string>& werte)
{
    auf('[');
    for (const std::string& wert : werte)
        text(wert);
    return zu(']');
}

void Json::trennen()
{
    if (!m_erstes)
        m_text += ',';
    m_erstes = false;
}

void Json::zeichenkette(const std::string& wert)
{
    m_text += '"';
    for (const char zeichen : wert) {
        const auto byte = static_cast<unsigned char>(zeichen);
        if (zeichen == '"' || zeichen == '\\') {
            m_text += '\\';
            m_text += zeichen;
        } else if (byte < 0x20) {
            char puffer[8];
            std::snprintf(puffer, sizeof puffer, "\\u%04x", byte);
            m_text += puffer;
        } else {
            m_text += zeichen;
        }
    }
    m_text += '"';
}

Json& Json::roh(const char* wert)
{
    trennen();
    m_text += wert;
    return *this;
}
