// SPDX-License-Identifier: GPL-3.0-or-later
#include "spielnummer.h"

#include "standardzufallsquelle.h"
#include "zufallsmischung.h"

std::optional<std::uint32_t> spielStartwert(int nummer)
{
    if (nummer < 0 || nummer > hoechsteSpielnummer)
        return std::nullopt;
    if (nummer == 0)
        return StandardZufallsquelle::startwert;
    return zufallsmischung(klassenspielStartwert + static_cast<std::uint32_t>(nummer));
}
