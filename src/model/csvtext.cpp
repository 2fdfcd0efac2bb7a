// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvtext.h"

namespace {

constexpr char trenner = ';';
constexpr char anfuehrung = '"';
constexpr const char* byteOrderMark = "\xEF\xBB\xBF";
constexpr const char* zeilenende = "\r\n";

bool brauchtAnfuehrung(const std::string& feld)
{
    return feld.find_first_of(";\"\r\n") != std::string::npos;
}

void feldAnhaengen(std::string& text, const std::string& feld)
{
    if (!brauchtAnfuehrung(feld)) {
        text += feld;
        return;
    }
    text += anfuehrung;
    for (char zeichen : feld) {
        if (zeichen == anfuehrung)
            text += anfuehrung;
        text += zeichen;
    }
    text += anfuehrung;
}

} // namespace

std::string csvText(const std::vector<std::vector<std::string>>& zeilen)
{
    std::string text = byteOrderMark;
    for (const std::vector<std::string>& zeile : zeilen) {
        for (std::size_t spalte = 0; spalte < zeile.size(); ++spalte) {
            if (spalte > 0)
                text += trenner;
            feldAnhaengen(text, zeile[spalte]);
        }
        text += zeilenende;
    }
    return text;
}
