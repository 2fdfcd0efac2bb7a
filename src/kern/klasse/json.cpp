// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include <cmath>
#include <cstdio>

Json& Json::zahl(double wert)
{
    if (!std::isfinite(wert))
        return roh("null");
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.17g", wert);
    return roh(puffer);
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
