// SPDX-License-Identifier: GPL-3.0-or-later
// A finger on a whiteboard or a tablet marks the field as the mouse does on
// the desktop: a touch drag across the field draws the white freehand line
// along its path, through the DevTools protocol's touch events, and leaves
// the field away from the path as it was.
import assert from "node:assert/strict";
import { Page } from "puppeteer-core";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";
import { feldKoordinaten, Farbe, leinwandLesen } from "./leinwand.js";

const pfad = seitenPfad();
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
async function hellNahe(seite: Page, punkte: Array<[number, number]>): Promise<boolean[]> {
    const groesse = await leinwandLesen(seite, "picAusgabe", feldKoordinaten, []);
    const dx = 50 / groesse.breite, dy = 50 / groesse.hoehe;
    const nachbarn = punkte.flatMap(([x, y]) =>
        [-1, 0, 1].flatMap((i) => [-1, 0, 1].map((j): [number, number] => [x + i * dx, y + j * dy])),
    );
    const bild = await leinwandLesen(seite, "picAusgabe", feldKoordinaten, nachbarn);
    return punkte.map((_, p) => bild.farben.slice(9 * p, 9 * p + 9).some(hell));
}

/** Page coordinates of a field position, from where the field's canvas is. */
async function seitenpunkt(seite: Page, [x, y]: [number, number]): Promise<[number, number]> {
    const r = await seite.$eval("#picAusgabe canvas", (e) => {
        const b = e.getBoundingClientRect();
        return { links: b.left, oben: b.top, breite: b.width, hoehe: b.height };
    });
    return [r.links + (x / 50) * r.breite, r.oben + (y / 50) * r.hoehe];
}

async function wischen(seite: Page): Promise<void> {
    const [x0, y0] = await seitenpunkt(seite, anfang);
    const [x1, y1] = await seitenpunkt(seite, ende);
    await seite.touchscreen.touchStart(x0, y0);
    for (let i = 1; i <= stuetzpunkte; ++i) {
        const s = i / stuetzpunkte;
        await seite.touchscreen.touchMove(x0 + s * (x1 - x0), y0 + s * (y1 - y0));
    }
    await seite.touchscreen.touchEnd();
    await seite.evaluate(() => new Promise((fertig) => requestAnimationFrame(() => requestAnimationFrame(fertig))));
}

await pruefen({
    "ein Finger markiert das Feld": async () => {
        const s = await oeffnen(pfad, { breite: 1280, hoehe: 900 });
        try {
            // A touch screen: the page is loaded anew with touch input on.
            await s.seite.setViewport({ width: 1280, height: 900, hasTouch: true });
            await s.seite.waitForSelector("body[data-bereit=ja]", { timeout: 30000 });
            const weg = entlang(0), kontrolle = entlang(abstandDerKontrolle);
            assert.deepEqual((await hellNahe(s.seite, weg)).filter(Boolean).length, 0, "schon vorher hell");
            const kontrolleVorher = await hellNahe(s.seite, kontrolle);

            await wischen(s.seite);
            const markiert = (await hellNahe(s.seite, weg)).filter(Boolean).length;
            // The first point may be only where the finger went down.
            assert.ok(markiert >= stuetzpunkte, `${markiert} von ${stuetzpunkte + 1} Punkten des Wegs markiert`);
            assert.deepEqual(await hellNahe(s.seite, kontrolle), kontrolleVorher, "abseits des Wegs verändert");
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
});
