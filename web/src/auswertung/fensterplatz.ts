// SPDX-License-Identifier: GPL-3.0-or-later
// Where the evaluation opens beside the main window, as on the desktop:
// right of it, else left of it, else below, else above, whichever fits
// first within the page's view without covering it; when none does, the
// place of these that covers the least of it.

export interface Rechteck {
    x: number;
    y: number;
    breite: number;
    hoehe: number;
}

/** The corner moved as little as needed to bring the whole rectangle into `verfuegbar`. */
export function imBereich(x: number, y: number, breite: number, hoehe: number, verfuegbar: Rechteck): Rechteck {
    const rechts = Math.max(verfuegbar.x, verfuegbar.x + verfuegbar.breite - breite);
    const unten = Math.max(verfuegbar.y, verfuegbar.y + verfuegbar.hoehe - hoehe);
    return {
        x: Math.min(Math.max(x, verfuegbar.x), rechts),
        y: Math.min(Math.max(y, verfuegbar.y), unten),
        breite,
        hoehe,
    };
}

function verdeckt(a: Rechteck, b: Rechteck): number {
    const breite = Math.min(a.x + a.breite, b.x + b.breite) - Math.max(a.x, b.x);
    const hoehe = Math.min(a.y + a.hoehe, b.y + b.hoehe) - Math.max(a.y, b.y);
    return Math.max(0, breite) * Math.max(0, hoehe);
}

/** The top-left corner for a window of `breite` × `hoehe` beside `haupt`. */
export function platzNeben(haupt: Rechteck, breite: number, hoehe: number, verfuegbar: Rechteck): Rechteck {
    const ecken: Array<[number, number]> = [
        [haupt.x + haupt.breite, haupt.y],
        [haupt.x - breite, haupt.y],
        [haupt.x, haupt.y + haupt.hoehe],
        [haupt.x, haupt.y - hoehe],
    ];
    let beste = imBereich(ecken[0]![0], ecken[0]![1], breite, hoehe, verfuegbar);
    for (const [x, y] of ecken.slice(1)) {
        const lage = imBereich(x, y, breite, hoehe, verfuegbar);
        if (verdeckt(lage, haupt) < verdeckt(beste, haupt)) beste = lage;
    }
    return beste;
}
