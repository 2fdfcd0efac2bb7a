// SPDX-License-Identifier: GPL-3.0-or-later
// One drawing operation of a surface, in the surface's user coordinates,
// as the desktop's drawing log keeps it.

export const enum Opart {
    linie = 0,
    rahmen = 1,
    gefuellt = 2,
    kreis = 3,
}

/** A colour as red, green, blue (0..255) in one number 0xRRGGBB. */
export type Farbe = number;

export function rgb(rot: number, gruen: number, blau: number): Farbe {
    return (rot << 16) | (gruen << 8) | blau;
}

export interface Zeichenop {
    art: Opart;
    /** Pen width in logical pixels. */
    stift: number;
    farbe: Farbe;
    // Line and boxes: (x1, y1) and (x2, y2). Circle: centre (x1, y1), radius x2.
    x1: number;
    y1: number;
    x2: number;
    y2: number;
}

/** An operation with a coordinate that is no number draws nothing and is not kept. */
export function hatZahlen(op: Zeichenop): boolean {
    return !Number.isNaN(op.x1) && !Number.isNaN(op.y1) && !Number.isNaN(op.x2) && !Number.isNaN(op.y2);
}

/**
 * The work of drawing it again, in twentieths of a slanted line: a slanted
 * line is stepped pixel by pixel, everything else is a rectangle or a small
 * circle.
 */
export function aufwand(op: Zeichenop): number {
    return op.art === Opart.linie && op.x1 !== op.x2 && op.y1 !== op.y2 ? 20 : 3;
}

/** Equal operations have equal keys (0 and -0 alike). */
export function schluessel(op: Zeichenop): string {
    return `${op.art},${op.stift},${op.farbe},${op.x1 + 0},${op.y1 + 0},${op.x2 + 0},${op.y2 + 0}`;
}
