// SPDX-License-Identifier: GPL-3.0-or-later
// A surface's picture as plain pixels, drawn without smoothing as the
// desktop draws (every pixel has one of the drawing's colours), and the
// part of it changed since it was last shown.
import { Farbe } from "./zeichenop";

/** Whole pixels from (x0, y0) to (x1, y1), both included. */
export interface Bereich {
    x0: number;
    y0: number;
    x1: number;
    y1: number;
}

export class Pixelbild {
    readonly daten: ImageData;
    private readonly pixel: Uint32Array;
    /** What changed since the picture was last shown, or null. */
    geaendert: Bereich | null = null;

    constructor(readonly breite: number, readonly hoehe: number) {
        this.daten = new ImageData(breite, hoehe);
        this.pixel = new Uint32Array(this.daten.data.buffer);
    }

    // ImageData holds red, green, blue, alpha in this order in memory.
    private static wert(farbe: Farbe): number {
        return (0xff000000 | ((farbe & 0xff) << 16) | (farbe & 0xff00) | ((farbe >> 16) & 0xff)) >>> 0;
    }

    alles(farbe: Farbe): void {
        this.pixel.fill(Pixelbild.wert(farbe));
        this.merken({ x0: 0, y0: 0, x1: this.breite - 1, y1: this.hoehe - 1 });
    }

    /** Fills the area's part inside the picture; returns that part, or null. */
    fuellen(b: Bereich, farbe: Farbe): Bereich | null {
        const x0 = Math.max(0, b.x0), y0 = Math.max(0, b.y0);
        const x1 = Math.min(this.breite - 1, b.x1), y1 = Math.min(this.hoehe - 1, b.y1);
        if (x0 > x1 || y0 > y1) return null;
        const wert = Pixelbild.wert(farbe);
        for (let y = y0; y <= y1; ++y) this.pixel.fill(wert, y * this.breite + x0, y * this.breite + x1 + 1);
        const teil = { x0, y0, x1, y1 };
        this.merken(teil);
        return teil;
    }

    /** A pen's square of `stift` pixels centred on pixel (x, y). */
    tupfen(x: number, y: number, stift: number, farbe: Farbe): void {
        const a = (stift - 1) >> 1;
        this.fuellen({ x0: x - a, y0: y - a, x1: x - a + stift - 1, y1: y - a + stift - 1 }, farbe);
    }

    /** Another picture scaled onto this one, nearest neighbour. */
    skaliertUebernehmen(quelle: Pixelbild): void {
        const q = new Uint32Array(quelle.daten.data.buffer);
        for (let y = 0; y < this.hoehe; ++y) {
            const qy = Math.min(quelle.hoehe - 1, Math.floor((y + 0.5) * quelle.hoehe / this.hoehe));
            for (let x = 0; x < this.breite; ++x) {
                const qx = Math.min(quelle.breite - 1, Math.floor((x + 0.5) * quelle.breite / this.breite));
                this.pixel[y * this.breite + x] = q[qy * quelle.breite + qx]!;
            }
        }
        this.merken({ x0: 0, y0: 0, x1: this.breite - 1, y1: this.hoehe - 1 });
    }

    kopie(): Pixelbild {
        const bild = new Pixelbild(this.breite, this.hoehe);
        bild.pixel.set(this.pixel);
        return bild;
    }

    private merken(b: Bereich): void {
        const g = this.geaendert;
        this.geaendert = g
            ? { x0: Math.min(g.x0, b.x0), y0: Math.min(g.y0, b.y0), x1: Math.max(g.x1, b.x1), y1: Math.max(g.y1, b.y1) }
            : { ...b };
    }
}
