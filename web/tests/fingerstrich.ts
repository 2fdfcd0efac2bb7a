// SPDX-License-Identifier: GPL-3.0-or-later
// A finger on a whiteboard or a tablet marks the field as the mouse does on
// the desktop: a drag across the field draws the white freehand line along
// its path and leaves the field away from the path as it was. Shared by
// beruehrung.ts (Chromium's touch events) and motoren.ts (Firefox, WebKit).
import assert from "node:assert/strict";
import { Bediener, bedienerFuer, Seite } from "./bediener.js";
import { feldKoordinaten, Farbe, leinwandLesen } from "./leinwand.js";

// The pen is white; where the browser smooths a slanted line, its pixels
// are light grey. Nothing else on a fresh field is that light (the grid is
// grey 100, the start players red).
const hell = (f: Farbe): boolean => Math.min(...f) >= 180;

// A diagonal through cells without a start player, and a parallel one five
// cells below it that the finger does not touch.
const anfang: [number, number] = [5.3, 8.3];
const ende: [number, number] = [40.3, 43.3];
const abstandDerKontrolle = 5;
const stuetzpunkte = 40;

function entlang(versatz: number): Array<[number, number]> {
    return Array.from({ length: stuetzpunkte + 1 }, (_, i): [number, number] => {
        const s = i / stuetzpunkte;
        return [anfang[0] + s * (ende[0] - anfang[0]), anfang[1] + s * (ende[1] - anfang[1]) + versatz];
    });
}

/** For each point, whether a pixel within one device pixel of it is light. */
async function hellNahe(seite: Seite, punkte: Array<[number, number]>): Promise<boolean[]> {
    const groesse = await leinwandLesen(seite, "picAusgabe", feldKoordinaten, []);
    const dx = 50 / groesse.breite, dy = 50 / groesse.hoehe;
    const nachbarn = punkte.flatMap(([x, y]) =>
        [-1, 0, 1].flatMap((i) => [-1, 0, 1].map((j): [number, number] => [x + i * dx, y + j * dy])),
    );
    const bild = await leinwandLesen(seite, "picAusgabe", feldKoordinaten, nachbarn);
    return punkte.map((_, p) => bild.farben.slice(9 * p, 9 * p + 9).some(hell));
}

/** Page coordinates of a field position, from where the field's canvas is. */
async function seitenpunkt(seite: Bediener, [x, y]: [number, number]): Promise<[number, number]> {
    const r = await seite.auswerten(() => {
        const b = document.querySelector("#picAusgabe canvas")!.getBoundingClientRect();
        return { links: b.left, oben: b.top, breite: b.width, hoehe: b.height };
    });
    return [r.links + (x / 50) * r.breite, r.oben + (y / 50) * r.hoehe];
}

async function wischen(seite: Bediener): Promise<void> {
    const [x0, y0] = await seitenpunkt(seite, anfang);
    const [x1, y1] = await seitenpunkt(seite, ende);
    await seite.wischen(Array.from({ length: stuetzpunkte + 1 }, (_, i): [number, number] =>
        [x0 + (i / stuetzpunkte) * (x1 - x0), y0 + (i / stuetzpunkte) * (y1 - y0)]));
    await seite.auswerten(() => new Promise((fertig) => requestAnimationFrame(() => requestAnimationFrame(fertig))));
}

/** A finger's drag across the field marks its path, and nothing five cells beside it. */
export async function fingerstrichPruefen(seite: Seite): Promise<void> {
    const b = bedienerFuer(seite);
    const weg = entlang(0), kontrolle = entlang(abstandDerKontrolle);
    assert.deepEqual((await hellNahe(b, weg)).filter(Boolean).length, 0, "schon vorher hell");
    const kontrolleVorher = await hellNahe(b, kontrolle);
    await wischen(b);
    const markiert = (await hellNahe(b, weg)).filter(Boolean).length;
    // The first point may be only where the finger went down.
    assert.ok(markiert >= stuetzpunkte, `${markiert} von ${stuetzpunkte + 1} Punkten des Wegs markiert`);
    assert.deepEqual(await hellNahe(b, kontrolle), kontrolleVorher, "abseits des Wegs verändert");
}
