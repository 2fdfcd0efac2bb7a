// SPDX-License-Identifier: GPL-3.0-or-later
// A pen that draws on a surface while a button (finger, pen) is down: each
// move draws a segment from the last point, so the segments join into one
// line. Points are kept in single precision, as the desktop keeps them.
import { Punkt } from "../zeichnen/abbildung";
import { Zeichenflaeche } from "../zeichnen/zeichenflaeche";
import { Farbe } from "../zeichnen/zeichenop";

/** How the pen keeps the last y: as it came, or rounded to a whole number (the chart). */
export const enum LetztesY { genau, gerundet }

const groessteGanzzahl = 2147483647;

// Rounds half to even into the range of a 32-bit integer.
function ganzzahligGerundet(y: number): number {
    const begrenzt = Math.min(groessteGanzzahl, Math.max(-groessteGanzzahl, y));
    const abgerundet = Math.floor(begrenzt);
    const rest = begrenzt - abgerundet;
    const gerundet = rest > 0.5 || (rest === 0.5 && abgerundet % 2 !== 0) ? abgerundet + 1 : abgerundet;
    return Math.fround(gerundet);
}

export class Freihandstift {
    private gedrueckt = false;
    private letztesX = 0;
    private letztesY = 0;

    constructor(
        private readonly flaeche: Zeichenflaeche,
        private readonly farbe: Farbe,
        private readonly breite: number,
        private readonly letztesYArt: LetztesY,
    ) {}

    druecken(p: Punkt): void {
        this.gedrueckt = true;
        this.merken(p);
    }

    bewegen(p: Punkt): void {
        if (!this.gedrueckt) return;
        this.flaeche.stiftbreite(this.breite);
        this.flaeche.linie(this.letztesX, this.letztesY, Math.fround(p.x), Math.fround(p.y), this.farbe);
        this.merken(p);
    }

    loslassen(): void {
        this.gedrueckt = false;
    }

    private merken(p: Punkt): void {
        this.letztesX = Math.fround(p.x);
        this.letztesY = this.letztesYArt === LetztesY.gerundet ? ganzzahligGerundet(p.y) : Math.fround(p.y);
    }
}
