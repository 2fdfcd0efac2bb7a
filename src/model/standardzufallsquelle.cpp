// SPDX-License-Identifier: GPL-3.0-or-later
#include "standardzufallsquelle.h"

float StandardZufallsquelle::ausBits(std::uint32_t bits)
{
    constexpr float schritt = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(bits >> 8) * schritt;
}

float StandardZufallsquelle::naechsteZahl()
{
    return ausBits(static_cast<std::uint32_t>(m_generator()));
}

void StandardZufallsquelle::zumStart()
{
    m_generator.seed(m_startwert);
}
