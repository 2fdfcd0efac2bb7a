// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one operation into a surface's pixels, as the desktop's rasteriser
// does: straight lines and boxes as whole pixel bands, slanted lines and
// circles stepped pixel by pixel without smoothing.
import { Abbildung } from "./abbildung";
import { linieSchneiden } from "./linienschnitt";
import { Pixelbild } from "./pixelbild";
import { Farbe, Opart, Zeichenop, hatZahlen } from "./zeichenop";

// A band `stift` pixels wide centred on pixel `mitte` begins here.
function bandAnfang(mitte: number, stift: number): number {
    return mitte - ((stift - 1) >> 1);
}

function senkrecht(bild: Pixelbild, a: Abbildung, x: number, y1: number, y2: number, stift: number, farbe: Farbe): void {
    const spalte = bandAnfang(a.spalte(x), stift);
    bild.fuellen({ x0: spalte, y0: a.zeile(Math.min(y1, y2)), x1: spalte + stift - 1, y1: a.zeile(Math.max(y1, y2)) }, farbe);
}

function waagrecht(bild: Pixelbild, a: Abbildung, y: number, x1: number, x2: number, stift: number, farbe: Farbe): void {
    const zeile = bandAnfang(a.zeile(y), stift);
    bild.fuellen({ x0: a.spalte(Math.min(x1, x2)), y0: zeile, x1: a.spalte(Math.max(x1, x2)), y1: zeile + stift - 1 }, farbe);
}

// The pixels of a thin line between two pixels, as the desktop's painter
// steps it in fixed point: along the longer direction one pixel per row
// (column), both ends included; the other coordinate (16.16) starts half a
// step back for the square cap and is sampled half a pixel further on when
// it grows, then cut down.
function schritte(x1: number, y1: number, x2: number, y2: number, tun: (x: number, y: number) => void): void {
    const steil = Math.abs(x2 - x1) < Math.abs(y2 - y1);
    // Stepped along a, the other coordinate b follows.
    let [a1, b1, a2, b2] = steil ? [y1, x1, y2, x2] : [x1, y1, x2, y2];
    if (a1 > a2) [a1, b1, a2, b2] = [a2, b2, a1, b1];
    const zuwachs = Math.trunc((b2 - b1) * 65536 / (a2 - a1));
    const versatz = zuwachs > 0 ? 32 : 0;
    let b = b1 * 65536 - Math.floor(zuwachs / 2) + Math.floor((32 + versatz) * zuwachs / 64);
    for (let a = a1; a <= a2; ++a, b += zuwachs) {
        const pixel = Math.floor(b / 65536);
        if (steil) tun(pixel, a);
        else tun(a, pixel);
    }
}

function schraeg(bild: Pixelbild, a: Abbildung, op: Zeichenop, stift: number): void {
    const rand = stift + 2;
    const sichtbar = linieSchneiden(a.zuGeraet(op.x1, op.y1), a.zuGeraet(op.x2, op.y2),
        { links: -rand, oben: -rand, rechts: a.breite + rand, unten: a.hoehe + rand });
    if (!sichtbar) return;
    const [p, q] = sichtbar;
    schritte(a.spalte(p.x), a.zeile(p.y), a.spalte(q.x), a.zeile(q.y), (x, y) => bild.tupfen(x, y, stift, op.farbe));
}

function linie(bild: Pixelbild, a: Abbildung, op: Zeichenop): void {
    const p = a.zuGeraet(op.x1, op.y1);
    const q = a.zuGeraet(op.x2, op.y2);
    const stift = a.stiftPixel(op.stift);
    if (op.x1 === op.x2) senkrecht(bild, a, p.x, p.y, q.y, stift, op.farbe);
    else if (op.y1 === op.y2) waagrecht(bild, a, p.y, p.x, q.x, stift, op.farbe);
    else schraeg(bild, a, op, stift);
}

function rahmen(bild: Pixelbild, a: Abbildung, op: Zeichenop): void {
    const p = a.zuGeraet(op.x1, op.y1);
    const q = a.zuGeraet(op.x2, op.y2);
    const stift = a.stiftPixel(op.stift);
    waagrecht(bild, a, p.y, p.x, q.x, stift, op.farbe);
    waagrecht(bild, a, q.y, p.x, q.x, stift, op.farbe);
    senkrecht(bild, a, p.x, p.y, q.y, stift, op.farbe);
    senkrecht(bild, a, q.x, p.y, q.y, stift, op.farbe);
}

function gefuellt(bild: Pixelbild, a: Abbildung, op: Zeichenop): void {
    const p = a.zuGeraet(op.x1, op.y1);
    const q = a.zuGeraet(op.x2, op.y2);
    // Every pixel the box reaches into from its top-left edges, and at its
    // bottom-right edges those it covers at least half (at least one pixel).
    const x0 = a.spalte(Math.min(p.x, q.x)), y0 = a.zeile(Math.min(p.y, q.y));
    bild.fuellen({
        x0, y0,
        x1: Math.max(x0, a.letzteSpalteVor(Math.max(p.x, q.x))),
        y1: Math.max(y0, a.letzteZeileVor(Math.max(p.y, q.y))),
    }, op.farbe);
}

// The midpoint circle around the centre of the pixel the centre falls in.
function kreis(bild: Pixelbild, a: Abbildung, op: Zeichenop): void {
    const mitte = a.zuGeraet(op.x1, op.y1);
    const radius = a.waagrechtePixel(op.x2);
    const stift = a.stiftPixel(op.stift);
    // Also rejects NaN and circles too large or too far away to matter.
    if (!(radius >= 0 && radius < 1e6)) return;
    const mx = Math.floor(mitte.x), my = Math.floor(mitte.y);
    const r = Math.round(radius);
    if (mx + r + stift < 0 || mx - r - stift >= a.breite || my + r + stift < 0 || my - r - stift >= a.hoehe) return;
    let x = r, y = 0, fehler = 1 - r;
    while (x >= y) {
        for (const [dx, dy] of [[x, y], [y, x], [-y, x], [-x, y], [-x, -y], [-y, -x], [y, -x], [x, -y]] as const)
            bild.tupfen(mx + dx, my + dy, stift, op.farbe);
        ++y;
        if (fehler < 0) fehler += 2 * y + 1;
        else { --x; fehler += 2 * (y - x) + 1; }
    }
}

/** True for an operation that cannot reach the picture, however wide its pen. */
export function bleibtAussen(a: Abbildung, op: Zeichenop): boolean {
    let p, q;
    if (op.art === Opart.kreis) {
        const mitte = a.zuGeraet(op.x1, op.y1);
        const r = a.waagrechtePixel(op.x2);
        p = { x: mitte.x - r, y: mitte.y - r };
        q = { x: mitte.x + r, y: mitte.y + r };
    } else {
        p = a.zuGeraet(op.x1, op.y1);
        q = a.zuGeraet(op.x2, op.y2);
    }
    const rand = a.stiftPixel(op.stift) + 2 * a.stiftFaktor;
    return Math.max(p.x, q.x) < -rand || Math.min(p.x, q.x) > a.breite + rand
        || Math.max(p.y, q.y) < -rand || Math.min(p.y, q.y) > a.hoehe + rand;
}

export function rastern(bild: Pixelbild, a: Abbildung, op: Zeichenop): void {
    if (!hatZahlen(op)) return;
    switch (op.art) {
        case Opart.linie: return linie(bild, a, op);
        case Opart.rahmen: return rahmen(bild, a, op);
        case Opart.gefuellt: return gefuellt(bild, a, op);
        case Opart.kreis: return kreis(bild, a, op);
    }
}
