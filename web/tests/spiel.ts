// SPDX-License-Identifier: GPL-3.0-or-later
// The game's details played with clicks and keys: a t above the largest
// cut to it, the overflow and the way back, the chart panned by long runs,
// its readout under the pointer, the surfaces brought to the front, Ctrl+N,
// and A(0) by keys on a screen of twice the pixels. What the window shows
// after a lesson's steps is compared with the desktop by lektionsvergleich.ts.
import assert from "node:assert/strict";
import { Page } from "puppeteer-core";
import { klicken as klick, meldungSchliessen } from "./bedienung.js";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";

const pfad = seitenPfad();

/** The cells of the field whose centre pixel has the colour. */
async function zellenInFarbe(seite: Page, farbe: [number, number, number]): Promise<number[][]> {
    return seite.evaluate((farbe) => {
        const leinwand = document.querySelector<HTMLCanvasElement>("#picAusgabe canvas")!;
        const pixel = leinwand.getContext("2d")!.getImageData(0, 0, leinwand.width, leinwand.height).data;
        const zellen: number[][] = [];
        for (let y = 0; y < 50; ++y)
            for (let x = 0; x < 50; ++x) {
                const px = Math.floor((x + 0.45) * leinwand.width / 50), py = Math.floor((y + 0.45) * leinwand.height / 50);
                const i = 4 * (py * leinwand.width + px);
                if (pixel[i] === farbe[0] && pixel[i + 1] === farbe[1] && pixel[i + 2] === farbe[2]) zellen.push([x, y]);
            }
        return zellen;
    }, farbe);
}

async function wert(seite: Page, id: string): Promise<string> {
    return seite.$eval(`#${id}`, (e) => (e as HTMLInputElement).value);
}

async function anzeigen(seite: Page): Promise<[string, string, string]> {
    return [await wert(seite, "Text1"), await wert(seite, "txtdelta"), await wert(seite, "txtNeuSum")];
}

await pruefen({
    "Verhulst, ein zu großes t und der Weg zurück": async () => {
        const s = await oeffnen(pfad);
        try {
            const { seite } = s;
            await klick(seite, "Command1");
            // p = 15 with the keyboard, t = 9 typed and taken over with Enter: cut to 8.
            await seite.focus("#vscFaktor");
            for (let i = 0; i < 10; ++i) await seite.keyboard.press("ArrowUp");
            assert.equal(await wert(seite, "txtFaktor"), "15");
            await seite.click("#Text4", { count: 3 });
            await seite.keyboard.type("9");
            await seite.keyboard.press("Enter");
            assert.equal(await wert(seite, "Text4"), "8");
            assert.equal(await wert(seite, "txtExponent"), "t = 8");
            await klick(seite, "Command1");
            await meldungSchliessen(seite);
            // Back: the fade under t = 8 fails and says so, t = 1 is taken over all the same.
            await seite.click("#Text4", { count: 3 });
            await seite.keyboard.type("1");
            await klick(seite, "Command3");
            await meldungSchliessen(seite);
            // As on the desktop, t is taken over once the message is closed.
            await seite.waitForFunction(() => (document.getElementById("txtExponent") as HTMLInputElement).value === "t = 1",
                { timeout: 5000 }).catch(() => undefined);
            assert.equal(await wert(seite, "txtExponent"), "t = 1");
            await klick(seite, "Command1");
            await new Promise((fertig) => setTimeout(fertig, 300));
            assert.equal(await seite.$("dialog.meldung"), null, "mit t = 1 keine Meldung");
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
    "Diagramm: Balken, Schwenken, Ablesen, Vordergrund und Strg+N": async () => {
        const s = await oeffnen(pfad);
        try {
            const { seite } = s;
            // The top pixel row of the pale bar of cycle n after a new start, or -1.
            const blassOben = (n: number): Promise<number> => seite.evaluate((n, farbe) => {
                // The canvas shows the chart from its left edge on (the part the window shows).
                const l = document.querySelector<HTMLCanvasElement>("#picHisto canvas")!;
                const breite = Math.round(l.parentElement!.getBoundingClientRect().width * devicePixelRatio);
                // Beside the 1-pixel grid line that runs through the middle of a pale bar.
                const spalte = Math.floor(n * breite / 120) + 1;
                const d = l.getContext("2d")!.getImageData(spalte, 0, 1, l.height).data;
                for (let y = 0; y < l.height; ++y) if (d[4 * y] === farbe[0] && d[4 * y + 1] === farbe[1] && d[4 * y + 2] === farbe[2]) return y;
                return -1;
            }, n, [215, 150, 150]);
            const links = (): Promise<number> => seite.$eval("#picHisto", (e) => e.getBoundingClientRect().left);
            const linksAmAnfang = await links();
            // Quick runs of ten cycles, numbers von to bis.
            const laeufe = async (von: number, bis: number): Promise<void> => {
                for (let lauf = von; lauf <= bis; ++lauf) {
                    await klick(seite, "Command2");
                    await seite.waitForFunction((n) => document.getElementById("picHisto")!.getAttribute("aria-description")
                        ?.startsWith(`Letzter Zyklus ${n} `), { timeout: 20000 }, 10 * lauf);
                }
            };
            await laeufe(1, 4);
            // Cycles 37 to 40 pan the chart by 240 twips (16 pixels) each.
            assert.equal(await seite.$eval("#HScroll2", (e) => e.getAttribute("aria-valuenow")), "960");
            assert.equal(linksAmAnfang - await links(), 64);
            // The readout under the pointer: cycle floor(x), players floor(y / 10) * 10.
            const diagramm = (await (await seite.$("#picHisto"))!.boundingBox())!;
            await seite.mouse.move(diagramm.x + 12.7 * diagramm.width / 120, diagramm.y + (2500 - 1234.5) * diagramm.height / 2500);
            assert.match(await wert(seite, "txtHilfe"), /^Balkendiagramme zur Gesamtzahl der Mitspieler\. {4}n = {2}12 {3}A\(n\)= {2}12[23]0$/);
            // By cycle 70 the chart reaches past the panel's left edge, and its
            // canvas shows it from within: the readout still finds the cycle.
            await laeufe(5, 7);
            const ganz = (await (await seite.$("#picHisto"))!.boundingBox())!;
            const feldbox = (await (await seite.$("#picAusgabe"))!.boundingBox())!;
            assert.ok(ganz.x < feldbox.x, `das Diagramm beginnt bei ${ganz.x}, das Feld bei ${feldbox.x}`);
            // The middle of a cycle right of the field, which lies above the chart.
            const zyklus = Math.ceil((feldbox.x + feldbox.width + 50 - ganz.x) / ganz.width * 120);
            await seite.mouse.move(ganz.x + (zyklus + 0.5) * ganz.width / 120, ganz.y + (2500 - 1234.5) * ganz.height / 2500);
            assert.match(await wert(seite, "txtHilfe"), new RegExp(`n = +${zyklus} {3}A\\(n\\)= {2}12[23]0$`));
            // Where the surfaces overlap, the one brought to the front is hit.
            const feld = (await (await seite.$("#picAusgabe"))!.boundingBox())!;
            const oben = (): Promise<string> => seite.evaluate((x, y) => document.elementFromPoint(x, y)?.parentElement?.id ?? "",
                feld.x + feld.width - 1, feld.y + 100);
            await klick(seite, "Command5");
            await klick(seite, "Command6");
            assert.equal(await oben(), "picHisto");
            await klick(seite, "Command7");
            assert.equal(await oben(), "picAusgabe");
            // Ctrl+N: the game as after the program's start, the chart back at its place;
            // a new start then shows no pale bars, as there is no last run.
            await seite.keyboard.down("Control");
            await seite.keyboard.press("n");
            await seite.keyboard.up("Control");
            assert.deepEqual(await anzeigen(seite), ["10", "", ""]);
            assert.equal(await links(), linksAmAnfang);
            await klick(seite, "cmdStart");
            assert.equal(await blassOben(3), -1, "der Verlauf ist leer");
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
    "A(0) mit der Tastatur, bei doppelter Pixeldichte scharf": async () => {
        const s = await oeffnen(pfad, { zoom: 2 });
        try {
            const { seite } = s;
            await seite.focus("#vscStart");
            await seite.keyboard.press("ArrowUp");
            assert.equal(await wert(seite, "txtStart"), "11");
            assert.equal(await wert(seite, "txtHilfe"), "Startwert A(0) = 11 Spieler");
            assert.deepEqual(await anzeigen(seite), ["11", "", ""]);
            assert.equal((await zellenInFarbe(seite, [255, 0, 0])).length, 11);
            // Every pixel has one of the field's colours: drawn at the device's pixels, not scaled.
            const farben = await seite.evaluate(() => {
                const l = document.querySelector<HTMLCanvasElement>("#picAusgabe canvas")!;
                const d = l.getContext("2d")!.getImageData(0, 0, l.width, l.height).data;
                const gesehen = new Set<string>();
                for (let i = 0; i < d.length; i += 4) gesehen.add(`${d[i]},${d[i + 1]},${d[i + 2]}`);
                return { breite: l.width, farben: [...gesehen].sort() };
            });
            assert.equal(farben.breite, 884);
            assert.deepEqual(farben.farben, ["0,0,0", "100,100,100", "255,0,0"]);
        } finally {
            await s.browser.close();
        }
    },
});
