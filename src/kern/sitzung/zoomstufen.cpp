// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoomstufen.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr std::array<double, 6> stufen{zoomstufen::kleinste, 1.25, 1.5, 2.0, 2.5, zoomstufen::groesste};

} // namespace

double zoomstufen::groesser(double zoom)
{
    const auto naechste = std::upper_bound(stufen.begin(), stufen.end(), zoom);
    return naechste != stufen.end() ? *naechste : zoom;
}

double zoomstufen::kleiner(double zoom)
{
    const auto kleinere = std::lower_bound(stufen.begin(), stufen.end(), zoom);
    return kleinere != stufen.begin() ? *std::prev(kleinere) : zoom;
}
