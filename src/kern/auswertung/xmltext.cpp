// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmltext.h"

#include <cmath>

std::string xmlMaskiert(std::string_view text)
{
    std::string aus;
    for (char c : text) {
        switch (c) {
        case '&': aus += "&amp;"; break;
        case '<': aus += "&lt;"; break;
        case '>': aus += "&gt;"; break;
        case '"': aus += "&quot;"; break;
        default: aus += c;
        }
    }
    return aus;
}

std::string xmlZahl(double wert)
{
    const long long hundertstel = std::llround(wert * 100.0);
    const long long betrag = hundertstel < 0 ? -hundertstel : hundertstel;
    std::string text = hundertstel < 0 ? "-" : "";
    text += std::to_string(betrag / 100);
    if (const long long rest = betrag % 100; rest != 0) {
        text += rest < 10 ? ".0" : ".";
        text += std::to_string(rest % 10 == 0 ? rest / 10 : rest);
    }
    return text;
}
