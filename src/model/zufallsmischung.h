// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Bijective mix of 32 bits (multiply by odd constants, xor-shifts): distinct
// inputs give distinct seeds, and neighbouring inputs scattered ones.
constexpr std::uint32_t zufallsmischung(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}
