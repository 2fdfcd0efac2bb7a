// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A finite number in the fewest digits that read back to the same double,
// with a point as the decimal separator whatever the locale ("2.7", "1e-05").
std::string genaueZahl(double wert);

// JSON written by appending, for the results the page parses. Numbers read
// back to the same double; NaN and infinity, which JSON lacks, become null.
// A comma goes before every value but the first of its object or list.
class Json
{
public:
    Json& zahl(double wert);
    Json& wahr(bool wert) { return roh(wert ? "true" : "false"); }
    Json& text(const std::string& wert);
    Json& schluessel(const char* name);
    // '{' or '['.
    Json& auf(char klammer);
    // '}' or ']'.
    Json& zu(char klammer);
    Json& texte(const std::vector<std::string>& werte);
    template <typename Zahl> Json& zahlen(const std::vector<Zahl>& werte)
    {
        auf('[');
        for (const Zahl wert : werte)
            zahl(static_cast<double>(wert));
        return zu(']');
    }
    std::string fertig() { return std::move(m_text); }

private:
    void trennen();
    void zeichenkette(const std::string& wert);
    Json& roh(const char* wert);

    std::string m_text;
    bool m_erstes = true;
};
