// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing the page's markup at build time: text and attributes escaped,
// numbers as a script writes them.

#include "xmltext.h"

#include <charconv>
#include <initializer_list>
#include <string>
#include <string_view>

namespace html {

// Numbers as a script writes them: the shortest text that reads back the same.
inline std::string zahl(double wert)
{
    char puffer[32];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    return std::string(puffer, ende);
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) about
// "literal" + std::string at -O2.
inline std::string verbunden(std::initializer_list<std::string_view> teile)
{
    std::string text;
    for (std::string_view teil : teile)
        text += teil;
    return text;
}

inline std::string px(double wert)
{
    return zahl(wert) + "px";
}

// Escaped as the plot's SVG is (the game layer's xmltext).
inline std::string maskiert(std::string_view text)
{
    return xmlMaskiert(text);
}

inline std::string attribut(const char* name, std::string_view wert)
{
    std::string text = " ";
    text += name;
    text += "=\"";
    text += maskiert(wert);
    text += '"';
    return text;
}

} // namespace html
