// SPDX-License-Identifier: GPL-3.0-or-later
#include "bedienung.h"

#include <array>
#include <utility>

namespace {

using enum Steuerelement;

constexpr std::array<std::pair<Steuerelement, const char*>, 15> namen{{
    {txtStart, "txtStart"}, {txtFaktor, "txtFaktor"}, {Text1, "Text1"}, {Text4, "Text4"},
    {txtdelta, "txtdelta"}, {txtNeuSum, "txtNeuSum"}, {txtExponent, "txtExponent"}, {txtSkala, "txtSkala"},
    {HScroll1, "HScroll1"}, {HScroll2, "HScroll2"}, {Command4, "Command4"}, {Command8, "Command8"},
    {image2, "image2"}, {picAusgabe, "picAusgabe"}, {picHisto, "picHisto"},
}};

} // namespace

const char* steuerelementName(Steuerelement element)
{
    for (const auto& [e, name] : namen)
        if (e == element)
            return name;
    return "";
}

std::optional<Steuerelement> steuerelementNachName(std::string_view name)
{
    for (const auto& [e, n] : namen)
        if (n == name)
            return e;
    return std::nullopt;
}
