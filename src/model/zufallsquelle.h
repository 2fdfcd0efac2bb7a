// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The single source of chance of the game. Every draw gives a uniform
// single-precision number u with 0 <= u < 1; a cell coordinate is floor(50 * u).
// The source is passed to the operations that draw from it, so tests can
// replace it with a scripted one and count the draws.
class Zufallsquelle
{
public:
    virtual ~Zufallsquelle() = default;
    virtual float naechsteZahl() = 0;
    // Goes back to the first number, so the draws that follow repeat those
    // after the source was made ("Das Spiel vom Programmstart").
    virtual void zumStart() = 0;
};
