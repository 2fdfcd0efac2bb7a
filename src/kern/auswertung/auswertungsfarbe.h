// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A colour of the evaluation, 0..255 each; `deckung` 255 is opaque.
struct Auswertungsfarbe
{
    constexpr Auswertungsfarbe() = default;
    constexpr Auswertungsfarbe(int r, int g, int b, int d = 255)
        : rot(r)
        , gruen(g)
        , blau(b)
        , deckung(d)
    {
    }

    int rot = 0;
    int gruen = 0;
    int blau = 0;
    int deckung = 255;

    bool operator==(const Auswertungsfarbe&) const = default;
};
