// SPDX-License-Identifier: GPL-3.0-or-later
// Cuts a line to a rectangle, so that model curves reaching far beyond the
// double range of a surface are drawn only where they can be seen.
import { Punkt } from "./abbildung";

export interface Rechteck {
    links: number;
    oben: number;
    rechts: number;
    unten: number;
}

const weitWeg = 1e300;

function zahm(v: number): number {
    return Number.isFinite(v) || Number.isNaN(v) ? v : Math.sign(v) * weitWeg;
}

const enum Aussen { innen = 0, links = 1, rechts = 2, oben = 4, unten = 8 }

function aussen(p: Punkt, r: Rechteck): number {
    let code = Aussen.innen;
    if (p.x < r.links) code |= Aussen.links;
    else if (p.x > r.rechts) code |= Aussen.rechts;
    if (p.y < r.oben) code |= Aussen.oben;
    else if (p.y > r.unten) code |= Aussen.unten;
    return code;
}

// Moves `bewegt` along the line onto one edge it lies beyond, interpolated
// from the other endpoint, so a far-away endpoint costs no precision.
function aufKante(bewegt: Punkt, anderer: Punkt, code: number, r: Rechteck): Punkt {
    const dx = bewegt.x - anderer.x;
    const dy = bewegt.y - anderer.y;
    if (code & (Aussen.links | Aussen.rechts)) {
        const kante = code & Aussen.links ? r.links : r.rechts;
        return { x: kante, y: anderer.y + dy * ((kante - anderer.x) / dx) };
    }
    const kante = code & Aussen.oben ? r.oben : r.unten;
    return { x: anderer.x + dx * ((kante - anderer.y) / dy), y: kante };
}

const istZahl = (p: Punkt): boolean => !Number.isNaN(p.x) && !Number.isNaN(p.y);

export function linieSchneiden(a0: Punkt, b0: Punkt, r: Rechteck): [Punkt, Punkt] | null {
    let a = { x: zahm(a0.x), y: zahm(a0.y) };
    let b = { x: zahm(b0.x), y: zahm(b0.y) };
    if (!istZahl(a) || !istZahl(b)) return null;
    // Each step puts one endpoint onto one edge; a handful always suffices.
    for (let schritt = 0; schritt < 8; ++schritt) {
        const codeA = aussen(a, r);
        const codeB = aussen(b, r);
        if ((codeA | codeB) === Aussen.innen) return [a, b];
        if (codeA & codeB) return null;
        if (codeA !== Aussen.innen) a = aufKante(a, b, codeA, r);
        else b = aufKante(b, a, codeB, r);
        if (!istZahl(a) || !istZahl(b)) return null;
    }
    return null;
}
