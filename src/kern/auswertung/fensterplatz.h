// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window's frame on the screen, in pixels: desktop pixels are whole,
// the page's CSS pixels may not be.
struct Ecke
{
    double x = 0.0;
    double y = 0.0;

    bool operator==(const Ecke&) const = default;
};

struct Groesse
{
    double breite = 0.0;
    double hoehe = 0.0;
};

struct Rechteck
{
    double x = 0.0;
    double y = 0.0;
    double breite = 0.0;
    double hoehe = 0.0;
};

// The corner moved as little as needed to bring a frame of `groesse` into
// `verfuegbar`; one too large for it keeps to its top-left corner.
Ecke imBereich(Ecke ecke, Groesse groesse, const Rechteck& verfuegbar);

// Where a second window of `groesse` (frame included) goes beside the main
// window's frame `hauptfenster`, within the screen's available area
// `verfuegbar`: right of it, else left of it, else below, else above,
// whichever fits first without covering it; when none does, the place of
// these that covers the least of it. Returns the frame's top-left corner.
Ecke platzNeben(const Rechteck& hauptfenster, Groesse groesse, const Rechteck& verfuegbar);
