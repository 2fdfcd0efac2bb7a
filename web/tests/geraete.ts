// SPDX-License-Identifier: GPL-3.0-or-later
// The page on the devices a class holds, each emulated with touch as its
// pointer, in one browser session: a tablet upright and across, a phone and
// a Chromebook. On each, every control lies inside the screen, and a finger
// that lands near a small control works it: a tap anywhere within 20 CSS
// pixels of a control's middle (or on it) reaches the nearest control there,
// and the evaluation shows all its controls.
// Turning the tablet keeps the game as it was; a finger held on an arrow
// counts on.
import assert from "node:assert/strict";
import type { Page } from "puppeteer-core";
import { oeffnen, pruefen, seitenPfad, Sitzung } from "./browser.js";

const pfad = seitenPfad();

interface Geraet {
    name: string;
    breite: number;
    hoehe: number;
    pixel: number;
    mobil: boolean;
}

const hochkant: Geraet = { name: "Tablet hochkant", breite: 768, hoehe: 1024, pixel: 2, mobil: true };
const geraete: Geraet[] = [
    hochkant,
    { name: "Tablet quer", breite: 1024, hoehe: 768, pixel: 2, mobil: true },
    { name: "Telefon", breite: 390, hoehe: 844, pixel: 3, mobil: true },
    { name: "Chromebook", breite: 1366, hoehe: 768, pixel: 1, mobil: false },
];

// What a finger works: the menu's commands, the buttons, the text boxes one
// types in, the scroll bars' arrows and grooves, and the two surfaces.
const bedienbar = "#menueleiste button, button.steuer, input.steuer:not([readonly]), .pfeil, .rinne, .Surface canvas";
const reichweite = 40;

async function einstellen(seite: Page, g: Geraet): Promise<void> {
    await seite.setViewport({ width: g.breite, height: g.hoehe, deviceScaleFactor: g.pixel, isMobile: g.mobil, hasTouch: true });
    await seite.evaluate(() => new Promise((fertig) => requestAnimationFrame(() => requestAnimationFrame(fertig))));
}

type MitSichtbar = Window & { sichtbar: (e: Element) => DOMRect };

// Gives the page `sichtbar`: a control's visible part, what its clipping
// parents leave of it (the chart scrolled inside its panel, the help line's
// end under the window's edge).
async function sichtbarEinrichten(seite: Page): Promise<void> {
    await seite.evaluate(() => {
        (window as unknown as MitSichtbar).sichtbar = (e: Element): DOMRect => {
            let r = e.getBoundingClientRect();
            for (let p = e.parentElement; p; p = p.parentElement) {
                if (getComputedStyle(p).overflowX === "visible") continue;
                const c = p.getBoundingClientRect();
                const [l, o] = [Math.max(r.left, c.left), Math.max(r.top, c.top)];
                r = new DOMRect(l, o, Math.max(0, Math.min(r.right, c.right) - l), Math.max(0, Math.min(r.bottom, c.bottom) - o));
            }
            return r;
        };
    });
}

// Each shown control's visible part must lie inside the screen.
async function ausserhalb(seite: Page): Promise<string[]> {
    return seite.evaluate(() => Array.from(document.querySelectorAll<HTMLElement>(".steuer, #menueleiste button"))
        .map((e) => ({ e, r: (window as unknown as MitSichtbar).sichtbar(e) }))
        .filter(({ r }) => r.width > 0 && r.height > 0)
        .filter(({ r }) => r.left < -0.5 || r.top < -0.5 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5)
        .map(({ e, r }) => `${e.id || e.className} ${JSON.stringify(r)}`));
}

// The evaluation opened by a tap: each of its controls wholly inside the
// screen and inside the window's box (a row too long for a phone wraps).
async function auswertungAusserhalb(seite: Page): Promise<string[]> {
    await seite.tap("#cmdAuswertung");
    await seite.waitForSelector("section.auswertung:not([hidden])");
    const verdeckt = await seite.evaluate(() => {
        const fenster = document.querySelector("section.auswertung")!.getBoundingClientRect();
        return Array.from(document.querySelectorAll<HTMLElement>(".auswertung button, .auswertung select, .auswertung input"))
            .filter((e) => {
                const r = e.getBoundingClientRect();
                return r.left < Math.max(0, fenster.left) - 0.5 || r.top < Math.max(0, fenster.top) - 0.5
                    || r.right > Math.min(innerWidth, fenster.right) + 0.5 || r.bottom > Math.min(innerHeight, fenster.bottom) + 0.5;
            })
            .map((e) => e.id || (e.textContent ?? ""));
    });
    await seite.tap(".auswertungKopf button");
    return verdeckt;
}

interface Ziel {
    schluessel: string;
    links: number;
    oben: number;
    rechts: number;
    unten: number;
}

// Each control a finger works, where it is visible, keyed by its id (an arrow by its bar's).
async function zieleLesen(seite: Page): Promise<Ziel[]> {
    return seite.evaluate((auswahl) => Array.from(document.querySelectorAll<HTMLElement>(auswahl))
        .map((e) => ({ e, r: (window as unknown as MitSichtbar).sichtbar(e) }))
        .filter(({ r }) => r.width > 0 && r.height > 0)
        .map(({ e, r }) => {
            const schluessel = e.id || `${e.parentElement?.id ?? ""}.${e.className}`;
            return { schluessel, links: r.left, oben: r.top, rechts: r.right, unten: r.bottom };
        }), bedienbar);
}

// Records which control each tap reaches, and keeps the control from acting.
async function abfangen(seite: Page): Promise<void> {
    await seite.evaluate((auswahl) => {
        const w = window as unknown as { getroffen: string[] };
        w.getroffen = [];
        const halten = (e: Event): void => {
            const ziel = e.target instanceof Element ? e.target.closest<HTMLElement>(auswahl) : null;
            if (!ziel) return;
            w.getroffen.push(ziel.id || `${ziel.parentElement?.id ?? ""}.${ziel.className}`);
            e.stopImmediatePropagation();
            e.preventDefault();
        };
        for (const art of ["pointerdown", "click", "focus"]) window.addEventListener(art, halten, true);
    }, bedienbar);
}

const abstand = (z: Ziel, x: number, y: number): number =>
    Math.hypot(Math.max(z.links - x, 0, x - z.rechts), Math.max(z.oben - y, 0, y - z.unten));

function inReichweite(z: Ziel, x: number, y: number): boolean {
    const halb = (von: number, bis: number): number => Math.max(bis - von, reichweite) / 2;
    return Math.abs(x - (z.links + z.rechts) / 2) <= halb(z.links, z.rechts)
        && Math.abs(y - (z.oben + z.unten) / 2) <= halb(z.oben, z.unten);
}

// Chromium moves a touch by itself onto a control up to 10 CSS pixels away
// in each direction (its touch adjustment), by rules of its own, even off
// the field; where two controls are that near, either may get the tap.
const eigeneAnpassung = 10;

// Whether the control reaches into the browser's own 20 × 20 box around the point.
const imKasten = (z: Ziel, x: number, y: number): boolean =>
    Math.max(z.links - x, 0, x - z.rechts) <= eigeneAnpassung && Math.max(z.oben - y, 0, y - z.unten) <= eigeneAnpassung;

/** The control a tap at the point must reach: the nearest whose reach holds it; undefined where the browser decides. */
function erwartet(ziele: Ziel[], x: number, y: number): string | null | undefined {
    const naechstes = ziele.filter((z) => inReichweite(z, x, y)).sort((a, b) => abstand(a, x, y) - abstand(b, x, y))[0];
    if (ziele.some((z) => z !== naechstes && imKasten(z, x, y))) return undefined;
    return naechstes?.schluessel ?? null;
}

// Taps on a 3 × 3 grid over each control's reach (its corners 4 pixels
// inside, clear of the rectangles' rounding at a fractional zoom) and says
// where a tap did not reach the control it should.
async function trefferPruefen(seite: Page, g: Geraet): Promise<{ fehler: string[]; getippt: number; ziele: number }> {
    const ziele = await zieleLesen(seite);
    const fehler: string[] = [];
    let getippt = 0;
    for (const z of ziele) {
        const breite = Math.max(z.rechts - z.links, reichweite) - 8;
        const hoehe = Math.max(z.unten - z.oben, reichweite) - 8;
        const [mx, my] = [(z.links + z.rechts) / 2, (z.oben + z.unten) / 2];
        for (const fx of [-0.5, 0, 0.5]) {
            for (const fy of [-0.5, 0, 0.5]) {
                const [x, y] = [mx + fx * breite, my + fy * hoehe];
                const soll = erwartet(ziele, x, y);
                if (soll !== z.schluessel || x < 0 || y < 0 || x > g.breite || y > g.hoehe) continue;
                await seite.touchscreen.tap(x, y);
                ++getippt;
                // A box that has the focus already would not be focused again.
                await seite.evaluate(() => (document.activeElement as HTMLElement | null)?.blur());
                const ist = await seite.evaluate(() => (window as unknown as { getroffen: string[] }).getroffen.splice(0));
                if (!ist.includes(soll)) fehler.push(`${soll} bei ${x.toFixed(1)},${y.toFixed(1)}: ${JSON.stringify(ist)}`);
            }
        }
    }
    return { fehler, getippt, ziele: ziele.length };
}

// Both surfaces' pixels, summed up as their sizes and a hash (FNV-1a).
async function flaechen(seite: Page): Promise<string[]> {
    return seite.evaluate(() => Promise.all(["picAusgabe", "picHisto"].map(async (id) => {
        const leinwand = document.querySelector(`#${id} canvas`) as HTMLCanvasElement;
        const bild = await createImageBitmap(leinwand);
        const kopie = new OffscreenCanvas(bild.width, bild.height).getContext("2d")!;
        kopie.drawImage(bild, 0, 0);
        let hash = 0x811c9dc5;
        for (const wert of kopie.getImageData(0, 0, bild.width, bild.height).data) hash = Math.imul(hash ^ wert, 16777619) >>> 0;
        return `${id} ${bild.width}x${bild.height} ${hash.toString(16)}`;
    })));
}

const kaesten = (seite: Page): Promise<string[]> =>
    seite.$$eval("input.steuer", (l) => l.map((e) => `${e.id}=${(e as HTMLInputElement).value}`));

// The pages of a PDF and the first one's size in points.
function pdfSeiten(pdf: Uint8Array): { seiten: number; groesse: number[] } {
    const text = Buffer.from(pdf).toString("latin1");
    const kasten = /\/MediaBox\s*\[\s*([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)/.exec(text) ?? [];
    return { seiten: (text.match(/\/Type\s*\/Page\b/g) ?? []).length, groesse: kasten.slice(3, 5).map(Number) };
}

// The device emulated and the page loaded anew: a touch screen is told at the start.
async function aufGeraet(s: Sitzung, g: Geraet): Promise<void> {
    await einstellen(s.seite, g);
    await s.seite.reload({ waitUntil: "load" });
    await s.seite.waitForSelector("body[data-bereit=ja]", { timeout: 30000 });
    await sichtbarEinrichten(s.seite);
}

// One browser for every device and check.
const s = await oeffnen(pfad, { breite: hochkant.breite, hoehe: hochkant.hoehe });
await pruefen({
    "jedes Gerät zeigt das ganze Fenster, ein Finger trifft jedes Steuerelement": async () => {
        for (const g of geraete) {
            await aufGeraet(s, g);
            assert.deepEqual(await ausserhalb(s.seite), [], `${g.name}: außerhalb des Bildschirms`);
            // The guide's picture of the page on a tablet upright (scripts/bildschirmfotos.sh).
            const bild = process.env["KETTENBRIEF_TABLETBILD"];
            if (bild && g === hochkant) await s.seite.screenshot({ path: bild as `${string}.png` });
            const hinweis = await s.seite.$eval("#drehhinweis", (e) => !(e as HTMLElement).hidden);
            assert.equal(hinweis, g.name === "Telefon", `${g.name}: Hinweis zum Drehen`);
            assert.deepEqual(await auswertungAusserhalb(s.seite), [], `${g.name}: in der Auswertung verdeckt`);
            await abfangen(s.seite);
            const { fehler, getippt, ziele } = await trefferPruefen(s.seite, g);
            // Beyond the browser's own adjustment the controls keep points of their reach (fewer on a phone).
            assert.ok(getippt >= ziele, `${g.name}: nur ${getippt} Tipper für ${ziele} Steuerelemente`);
            assert.deepEqual(fehler, [], `${g.name}: Tipper daneben`);
        }
    },
    "das Tablet gedreht: das Spiel bleibt, wie es war": async () => {
        await aufGeraet(s, hochkant);
        // A finger held on p's upper arrow counts on, as the mouse held does: from 5 to 15.
        const pfeil = await s.seite.$eval("#vscFaktor .zurueck", (e) => {
            const r = e.getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2] as [number, number];
        });
        await s.seite.touchscreen.touchStart(...pfeil);
        await s.seite.waitForFunction(() => (document.getElementById("txtFaktor") as HTMLInputElement).value === "15",
            { timeout: 5000 });
        await s.seite.touchscreen.touchEnd();
        for (const name of ["cmdZielsuche", "cmdErgebnis", "cmdZielsuche"]) await s.seite.tap(`#${name}`);
        await s.seite.evaluate(() => new Promise((fertig) => requestAnimationFrame(() => requestAnimationFrame(fertig))));
        const vorher = { flaechen: await flaechen(s.seite), kaesten: await kaesten(s.seite) };
        const zoom = (): Promise<number> => s.seite.$eval("#fensterrahmen", (e) => Number((e as HTMLElement).style.zoom));
        const zoomVorher = await zoom();
        await einstellen(s.seite, { ...hochkant, breite: hochkant.hoehe, hoehe: hochkant.breite });
        assert.ok((await zoom()) > zoomVorher, `quer ${await zoom()}, hochkant ${zoomVorher}`);
        // Upright again: the same picture, pixel for pixel.
        await einstellen(s.seite, hochkant);
        assert.deepEqual({ flaechen: await flaechen(s.seite), kaesten: await kaesten(s.seite) }, vorher);
    },
    "das Arbeitsblatt vom Tablet: eine A4-Seite, nichts von der Seite darauf": async () => {
        await aufGeraet(s, hochkant);
        // Thirty cycles: more rows than the page has room for.
        for (let lauf = 1; lauf <= 3; ++lauf) {
            await s.seite.tap("#Command2");
            await s.seite.waitForFunction((n) => document.getElementById("picHisto")!.getAttribute("aria-description")
                ?.startsWith(`Letzter Zyklus ${n} `), { timeout: 30000 }, 10 * lauf);
        }
        await s.seite.tap("#cmdAuswertung");
        await s.seite.evaluate(() => { window.print = () => undefined; });
        await s.seite.tap("#auswertungArbeitsblatt");
        await s.seite.emulateMediaType("print");
        const gezeigt = await s.seite.evaluate(() => Array.from(document.body.children)
            .filter((e) => getComputedStyle(e).display !== "none").map((e) => e.id));
        assert.deepEqual(gezeigt, ["arbeitsblatt"]);
        const { seiten, groesse } = pdfSeiten(await s.seite.pdf({ preferCSSPageSize: true }));
        assert.equal(seiten, 1);
        // A4 in points, as Chromium rounds it.
        assert.ok(Math.abs(groesse[0]! - 595.3) < 1 && Math.abs(groesse[1]! - 841.9) < 1, JSON.stringify(groesse));
        const blatt = await s.seite.evaluate(() => ({
            kopf: Array.from(document.querySelectorAll("#arbeitsblatt th"), (z) => z.textContent),
            zeilen: document.querySelectorAll("#arbeitsblatt td:first-child").length,
            hinweis: document.querySelector("#arbeitsblatt .blattHinweis")?.textContent ?? "",
        }));
        assert.deepEqual(blatt.kopf, await s.seite.$$eval(".auswertungstabelle th", (k) => k.map((z) => z.textContent)));
        assert.ok(blatt.zeilen > 5, `${blatt.zeilen} Zeilen`);
        assert.match(blatt.hinweis, new RegExp(`^Die Zyklen ${blatt.zeilen} bis 30 sind hier weggelassen\\.`));
        await s.seite.emulateMediaType("screen");
    },
    "keine Fehler in der Konsole": async () => assert.deepEqual(s.fehler, []),
});
await s.browser.close();
