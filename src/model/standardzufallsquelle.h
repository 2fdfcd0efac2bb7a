// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zufallsquelle.h"

#include <cstdint>
#include <random>

// The program's generator: always the same fixed seed, never reseeded, so the
// same actions after a start give the same game. A source with a seed of its
// own serves games that must not touch the main game's sequence.
class StandardZufallsquelle final : public Zufallsquelle
{
public:
    static constexpr std::uint32_t startwert = 20260201u;

    StandardZufallsquelle() : StandardZufallsquelle(startwert) {}
    explicit StandardZufallsquelle(std::uint32_t eigenerStartwert)
        : m_startwert(eigenerStartwert), m_generator(eigenerStartwert) {}
    float naechsteZahl() override;
    // Seeds the generator again with the seed it was made with.
    void zumStart() override;

    // u from the generator's high 24 bits: exactly representable as a float
    // and at most 1 - 2^-24, so floor(50 * u) is never 50.
    static float ausBits(std::uint32_t bits);

private:
    std::uint32_t m_startwert;
    std::mt19937 m_generator;
};
