// SPDX-License-Identifier: GPL-3.0-or-later
// Zoom 2 for a projector is drawn afresh at the new size, not a picture
// stretched: the field's canvas holds two device pixels per CSS pixel, both
// after Ctrl+Plus on the page and on a screen of ratio 2. On that screen a
// row across the field holds only the drawing's own colours, with every
// grid line two pixels wide, as on the desktop at a device pixel ratio of 2
// (the pixels after Ctrl+Plus are compared with the desktop's by
// lektionsvergleich.ts).
import assert from "node:assert/strict";
import { Page } from "puppeteer-core";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";
import { farbname, feldKoordinaten, Farbe, gleicheFarbe, leinwandLesen, Leinwandbild } from "./leinwand.js";

const pfad = seitenPfad();
const gitterGrau: Farbe = [100, 100, 100];
const spielerRot: Farbe = [255, 0, 0];

async function fensterbreite(seite: Page): Promise<number> {
    return seite.$eval("#Form1", (e) => e.getBoundingClientRect().width);
}

/** Presses Ctrl+Plus until the window is twice its first width (at most six steps, as the desktop has). */
async function aufZoomZwei(seite: Page): Promise<void> {
    const anfang = await fensterbreite(seite);
    for (let schritt = 0; schritt < 6 && (await fensterbreite(seite)) < 2 * anfang - 0.5; ++schritt) {
        await seite.keyboard.down("Control");
        await seite.keyboard.press("+");
        await seite.keyboard.up("Control");
        await seite.evaluate(() => new Promise((fertig) => requestAnimationFrame(() => requestAnimationFrame(fertig))));
    }
    assert.ok(Math.abs((await fensterbreite(seite)) - 2 * anfang) < 1, `Breite ${await fensterbreite(seite)} statt ${2 * anfang}`);
}

/** The field at twice the device pixels: a backing store of twice the CSS size at zoom 1. */
async function feldScharf(seite: Page, cssBreiteBeiZoom1: number): Promise<Leinwandbild> {
    const bild = await leinwandLesen(seite, "picAusgabe", feldKoordinaten, [], 37.45);
    const verhaeltnis = bild.devicePixelRatio * (bild.cssBreite / cssBreiteBeiZoom1);
    assert.ok(Math.abs(verhaeltnis - 2) < 0.01, `Verhältnis ${verhaeltnis}`);
    assert.ok(Math.abs(bild.breite - bild.cssBreite * bild.devicePixelRatio) <= 1, `Leinwand ${bild.breite} px für ${bild.cssBreite} CSS-Pixel`);
    assert.ok(Math.abs(bild.hoehe - bild.cssHoehe * bild.devicePixelRatio) <= 1, `Leinwand ${bild.hoehe} px hoch für ${bild.cssHoehe}`);
    assert.ok(Math.abs(bild.breite - 2 * cssBreiteBeiZoom1) <= 1, `Leinwand ${bild.breite} px, Zoom 1: ${cssBreiteBeiZoom1}`);
    return bild;
}

/**
 * A row through the cells of row 37 (where the start player 29,37 sits)
 * only in the drawing's colours, with every grid line between the cells two
 * pixels wide.
 */
function zeileScharf(bild: Leinwandbild): void {
    // The background is what the row's first cell shows inside.
    const hintergrund = bild.farben[Math.floor(bild.breite / 100)]!;
    const fremd = bild.farben.findIndex((f) => ![hintergrund, gitterGrau, spielerRot].some((g) => gleicheFarbe(f, g)));
    assert.equal(fremd, -1, `Pixel ${fremd}: ${farbname(bild.farben[fremd] ?? [0, 0, 0])} ist keine Farbe der Zeichnung`);
    assert.ok(bild.farben.some((f) => gleicheFarbe(f, spielerRot)), "die Startzelle 29,37 fehlt in der Zeile");

    // Runs of grid grey: 51 lines (the outer two may lie half outside),
    // each between the cells two pixels wide.
    const laeufe: number[] = [];
    bild.farben.forEach((f, x) => {
        if (!gleicheFarbe(f, gitterGrau)) return;
        if (x > 0 && gleicheFarbe(bild.farben[x - 1]!, gitterGrau)) laeufe[laeufe.length - 1]! += 1;
        else laeufe.push(1);
    });
    assert.ok(laeufe.length === 50 || laeufe.length === 51, `${laeufe.length} Gitterlinien`);
    const breiten = new Set(laeufe.slice(1, -1));
    assert.deepEqual([...breiten], [2], `Linienbreiten ${[...breiten].join(", ")}`);
}

async function feldCssBreite(seite: Page): Promise<number> {
    return seite.$eval("#picAusgabe canvas", (e) => e.getBoundingClientRect().width);
}

await pruefen({
    "Strg+Plus bis Zoom 2: das Feld in doppelten Pixeln": async () => {
        const s = await oeffnen(pfad, { breite: 2000, hoehe: 1500 });
        try {
            const zoom1 = await feldCssBreite(s.seite);
            await aufZoomZwei(s.seite);
            await feldScharf(s.seite, zoom1);
            // Ctrl+0 brings the design size back.
            await s.seite.keyboard.down("Control");
            await s.seite.keyboard.press("0");
            await s.seite.keyboard.up("Control");
            await s.seite.waitForFunction((b) => Math.abs(document.querySelector("#picAusgabe canvas")!.getBoundingClientRect().width - b) < 1, { timeout: 5000 }, zoom1);
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
    "Bildschirm mit Verhältnis 2: das Feld scharf": async () => {
        const s = await oeffnen(pfad, { breite: 1280, hoehe: 900, zoom: 2 });
        try {
            zeileScharf(await feldScharf(s.seite, await feldCssBreite(s.seite)));
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
});
