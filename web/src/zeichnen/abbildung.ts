// SPDX-License-Identifier: GPL-3.0-or-later
// The one transform between a surface's user coordinates and the pixels of
// its picture, and the rules that turn a user point into a pixel (as on the
// desktop): a pixel index is floor() of the device coordinate; a point
// exactly on the right or bottom edge belongs to the last pixel, so a line
// along that edge (the chart's y = 0) stays visible.

export interface Punkt {
    x: number;
    y: number;
}

export class Abbildung {
    private readonly sx: number;
    private readonly sy: number;

    /**
     * links/oben/rechts/unten: the user coordinates of the surface's edges;
     * breite/hoehe: the picture in device pixels; stiftFaktor: device pixels
     * per pixel of pen width (the zoom times the device pixel ratio).
     */
    constructor(
        private readonly links: number, private readonly oben: number, rechts: number, unten: number,
        readonly breite: number, readonly hoehe: number, readonly stiftFaktor: number,
    ) {
        this.sx = breite / (rechts - links);
        this.sy = hoehe / (unten - oben);
    }

    zuGeraet(x: number, y: number): Punkt {
        return { x: (x - this.links) * this.sx, y: (y - this.oben) * this.sy };
    }

    zuNutzer(x: number, y: number): Punkt {
        return { x: x / this.sx + this.links, y: y / this.sy + this.oben };
    }

    spalte(geraetX: number): number {
        return Abbildung.pixelIndex(geraetX, this.breite);
    }
    zeile(geraetY: number): number {
        return Abbildung.pixelIndex(geraetY, this.hoehe);
    }
    /**
     * The last column (row) that an area ending at geraetX (geraetY) covers
     * at least half: a box of 0.9 cells stops short of the grid line after
     * it, however the cell falls on the pixels.
     */
    letzteSpalteVor(geraetX: number): number {
        return Abbildung.pixelIndex(geraetX - 0.5, this.breite);
    }
    letzteZeileVor(geraetY: number): number {
        return Abbildung.pixelIndex(geraetY - 0.5, this.hoehe);
    }

    /** A pen width of logical pixels in whole device pixels, at least 1. */
    stiftPixel(logisch: number): number {
        return Math.max(1, Math.round(logisch * this.stiftFaktor));
    }

    /** A length along x in user units as device pixels. */
    waagrechtePixel(laenge: number): number {
        return Math.abs(this.sx) * laenge;
    }

    private static pixelIndex(geraet: number, groesse: number): number {
        // Clamp first: far-away values stay small. The small nudge lets a
        // pixel's own corner, passed through single precision (a pointer
        // position kept as a float), land in that pixel again.
        const schubs = 1e-4;
        const begrenzt = Math.min(Math.max(geraet, -8), groesse + 8);
        const index = Math.floor(begrenzt + schubs);
        if (index === groesse && begrenzt <= groesse + 1e-9 * Math.max(1, groesse)) return groesse - 1;
        return index;
    }
}
