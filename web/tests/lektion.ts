// SPDX-License-Identifier: GPL-3.0-or-later
// A lesson played on the page with the mouse and the keyboard, as on the
// desktop: the game after the page opens, passes and commits, the quick
// run, the Verhulst curve, a new t, the overflow message and the way back,
// and a new game through "Das Spiel vom Programmstart". Every number the
// window shows, every player cell and every bar must be those of the test
// vectors, which the desktop's model wrote.
//
// Usage: node lektion.js kettenbrief.html spielvektoren.json
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { Page } from "puppeteer-core";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";
import { diagrammKoordinaten, farbname, feldKoordinaten, Farbe, gleicheFarbe, leinwandLesen } from "./leinwand.js";

interface Spiel {
    name: string;
    a0: number;
    p: number;
    start: Array<[number, number]>;
    zyklen: Array<{ neu: Array<[number, number]>; anzahl: number }>;
    anzahlen: number[];
    feld: string;
}
interface Verhulstfolge {
    a0: number;
    p: number;
    t: number;
    werte: number[];
    fehler: number;
    fehlerZyklus: number;
}
interface Vektoren {
    spiele: Spiel[];
    verhulst: Verhulstfolge[];
}

const seitenpfad = seitenPfad();
const vektoren = JSON.parse(readFileSync(process.argv[3] ?? "", "utf8")) as Vektoren;

function spiel(a0: number, p: number): Spiel {
    const gefunden = vektoren.spiele.find((s) => s.a0 === a0 && s.p === p);
    assert.ok(gefunden, `kein Spiel A0=${a0} p=${p} in den Vektoren`);
    return gefunden;
}
function folge(a0: number, p: number, t: number): Verhulstfolge {
    const gefunden = vektoren.verhulst.find((v) => v.a0 === a0 && v.p === p && v.t === t);
    assert.ok(gefunden, `keine Verhulst-Folge A0=${a0} p=${p} t=${t} in den Vektoren`);
    return gefunden;
}

// The desktop's colours (src/ui/ansichten).
const spielerRot: Farbe = [255, 0, 0];
const balkenRot: Farbe = [200, 20, 20];
const vergleichsBlau: Farbe = [15, 15, 200];

// ---- What the window shows ----

async function text(seite: Page, id: string): Promise<string> {
    return seite.$eval(`#${id}`, (e) => (e instanceof HTMLInputElement ? e.value : (e.textContent ?? "")));
}

/** Waits until a box shows `erwartet`: a pass may be drawn attempt by attempt. */
async function zeigt(seite: Page, id: string, erwartet: string, sekunden = 20): Promise<void> {
    try {
        await seite.waitForFunction(
            (id, erwartet) => {
                const e = document.getElementById(id);
                return (e instanceof HTMLInputElement ? e.value : e?.textContent) === erwartet;
            },
            { timeout: sekunden * 1000, polling: 50 },
            id,
            erwartet,
        );
    } catch {
        assert.fail(`#${id} zeigt "${await text(seite, id)}", erwartet "${erwartet}"`);
    }
}

async function klicken(seite: Page, id: string): Promise<void> {
    await seite.click(`#${id}`);
}

/** The button gets the keyboard focus, then Space presses it. */
async function leertaste(seite: Page, id: string): Promise<void> {
    await seite.focus(`#${id}`);
    await seite.keyboard.press("Space");
}

/** Selects the box's text with a triple click and types over it. */
async function eintippen(seite: Page, id: string, eingabe: string, enter = false): Promise<void> {
    await seite.click(`#${id}`, { count: 3 });
    await seite.keyboard.type(eingabe);
    if (enter) await seite.keyboard.press("Enter");
}

async function pfeiltaste(seite: Page, id: string, taste: "ArrowUp" | "ArrowDown", mal: number): Promise<void> {
    await seite.focus(`#${id}`);
    for (let i = 0; i < mal; ++i) await seite.keyboard.press(taste);
}

async function ruhe(seite: Page): Promise<void> {
    await seite.evaluate(
        () => new Promise<void>((fertig) => requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(fertig, 100)))),
    );
}

function einfach(s: string): string {
    return s.replace(/\s+/g, " ").trim();
}

/** The open message box's text, closed with Enter; fails when none opens. */
async function meldungSchliessen(seite: Page): Promise<string> {
    const box = await seite.waitForSelector("dialog[open]", { timeout: 10000 }).catch(() => null);
    assert.ok(box, "keine Meldung erschienen");
    const inhalt = await box.evaluate((d) => (d as HTMLElement).innerText);
    await seite.keyboard.press("Enter");
    await seite.waitForFunction(() => !document.querySelector("dialog[open]"), { timeout: 5000 });
    return inhalt;
}

async function keineMeldung(seite: Page): Promise<void> {
    await ruhe(seite);
    const offen = await seite.$eval("body", () => document.querySelector("dialog[open]")?.textContent ?? null);
    assert.equal(offen, null, "unerwartete Meldung");
}

// ---- What the field and the chart show ----

/** Every cell of the field red exactly where `spieler` says, at the cells' centres. */
async function feldVergleichen(seite: Page, spieler: (x: number, y: number) => boolean, wo: string): Promise<void> {
    const punkte: Array<[number, number]> = [];
    for (let y = 0; y < 50; ++y) for (let x = 0; x < 50; ++x) punkte.push([x + 0.45, y + 0.45]);
    const bild = await leinwandLesen(seite, "picAusgabe", feldKoordinaten, punkte);
    const falsch = punkte.filter(([x, y], i) => gleicheFarbe(bild.farben[i]!, spielerRot) !== spieler(Math.floor(x), Math.floor(y)));
    assert.deepEqual(falsch.slice(0, 10).map(([x, y]) => [Math.floor(x), Math.floor(y)]), [], `${wo}: ${falsch.length} Zellen falsch`);
}

function zellenmenge(zellen: Array<[number, number]>): (x: number, y: number) => boolean {
    const menge = new Set(zellen.map(([x, y]) => `${x},${y}`));
    return (x, y) => menge.has(`${x},${y}`);
}

/**
 * Vertical lines of the chart at x = versatz + n, one per value, coloured
 * `farbe` halfway up and not `farbe` a little above their top.
 */
async function saeulenVergleichen(seite: Page, werte: Array<[number, number]>, versatz: number, farbe: Farbe, wo: string): Promise<void> {
    const punkte: Array<[number, number]> = [];
    for (const [n, wert] of werte) punkte.push([n + versatz, wert / 2], [n + versatz, wert + 60]);
    const bild = await leinwandLesen(seite, "picHisto", diagrammKoordinaten, punkte);
    werte.forEach(([n, wert], i) => {
        const innen = bild.farben[2 * i]!, darueber = bild.farben[2 * i + 1]!;
        assert.ok(gleicheFarbe(innen, farbe), `${wo} ${n} (${wert}): halbe Höhe ${farbname(innen)}`);
        assert.ok(wert + 60 >= 2500 || !gleicheFarbe(darueber, farbe), `${wo} ${n} (${wert}): höher als erwartet`);
    });
}

// ---- The lesson ----

const programmstart = spiel(10, 5);

async function zyklusMitMaus(seite: Page, n: number): Promise<void> {
    const zyklus = programmstart.zyklen[n - 1]!;
    const vorher = programmstart.anzahlen[n - 1]!;
    await klicken(seite, "cmdZielsuche");
    await zeigt(seite, "txtdelta", String(zyklus.anzahl - vorher));
    await zeigt(seite, "txtNeuSum", String(zyklus.anzahl));
    await klicken(seite, "cmdErgebnis");
    await zeigt(seite, "Text1", String(zyklus.anzahl));
    assert.equal(await text(seite, "txtdelta"), "");
    assert.equal(await text(seite, "txtNeuSum"), "");
}

async function zyklusMitTasten(seite: Page, n: number): Promise<void> {
    await leertaste(seite, "cmdZielsuche");
    await zeigt(seite, "txtNeuSum", String(programmstart.anzahlen[n]));
    await leertaste(seite, "cmdErgebnis");
    await zeigt(seite, "Text1", String(programmstart.anzahlen[n]));
}

async function spielVomSeitenstart(seite: Page): Promise<void> {
    assert.equal(await text(seite, "txtStart"), "10");
    assert.equal(await text(seite, "txtFaktor"), "5");
    assert.equal(await text(seite, "Text1"), "10");
    await feldVergleichen(seite, zellenmenge(programmstart.start), "Startzellen");

    await zyklusMitMaus(seite, 1);
    await feldVergleichen(seite, zellenmenge([...programmstart.start, ...programmstart.zyklen[0]!.neu]), "nach Zyklus 1");
    await zyklusMitTasten(seite, 2);
    await zyklusMitMaus(seite, 3);
    await feldVergleichen(
        seite,
        zellenmenge([programmstart.start, ...programmstart.zyklen.map((z) => z.neu)].flat()),
        "nach Zyklus 3",
    );

    // Ten cycles at once, drawn live; then two more by keys.
    await klicken(seite, "Command2");
    await zeigt(seite, "Text1", String(programmstart.anzahlen[13]), 120);
    await zyklusMitTasten(seite, 14);
    await zyklusMitTasten(seite, 15);
    await feldVergleichen(seite, (x, y) => programmstart.feld[y * 50 + x] === "1", "nach Zyklus 15");
    await saeulenVergleichen(
        seite,
        programmstart.anzahlen.slice(1).map((a, i): [number, number] => [i + 1, a]),
        0,
        balkenRot,
        "Balken",
    );
}

/** The Verhulst bars of a sequence where they are tall enough to see (drawn 0.3 right of the cycle). */
async function kurveVergleichen(seite: Page, f: Verhulstfolge, wo: string): Promise<void> {
    const sichtbar = f.werte.map((w, i): [number, number] => [i, w]).filter(([, w]) => w >= 100 && w <= 2500);
    assert.ok(sichtbar.length >= 5, `${wo}: zu wenige Werte`);
    await saeulenVergleichen(seite, sichtbar, 0.3, vergleichsBlau, wo);
}

async function kurvenUndUeberlauf(seite: Page): Promise<void> {
    await klicken(seite, "Command1");
    await keineMeldung(seite);
    await kurveVergleichen(seite, folge(10, 5, 1), "Kurve t = 1");

    // A new t by Enter in its box, then the curve with it.
    await eintippen(seite, "Text4", "1.5", true);
    await zeigt(seite, "txtExponent", "t = 1.5");
    await klicken(seite, "Command1");
    await keineMeldung(seite);
    await kurveVergleichen(seite, folge(10, 5, 1.5), "Kurve t = 1.5");

    // t = 8 at p = 15 (the scroll bar's arrow keys; the box is read-only)
    // leaves the double range: A(1) = 10 * (1 + 1.5 * 0.996)^8 = 14968,
    // A(2) = 4.7e10, A(3) = 1.7e70, and A(4) overflows, so the curve ends at
    // cycle 3 (the test vectors count so: A(0) = 1e6 ends at cycle 2).
    const meldung =
        "Überlauf\n\nDie Verhulst-Kurve endet bei Zyklus 3: der nächste Wert ist zu groß für die Rechnung.\n\n" +
        "Mit einem kleineren Exponenten t oder einer kleineren Wachstumsrate p lässt sich die Kurve ganz zeichnen.";
    assert.equal(folge(1000000, 15, 8).fehlerZyklus, 2, "Zählweise der Vektoren");
    await eintippen(seite, "Text4", "8", true);
    await keineMeldung(seite);
    await zeigt(seite, "txtExponent", "t = 8");
    await pfeiltaste(seite, "vscFaktor", "ArrowUp", 10);
    await zeigt(seite, "txtFaktor", "15");
    await klicken(seite, "Command1");
    assert.ok(einfach(await meldungSchliessen(seite)).includes(einfach(meldung)), "Text der Überlauf-Meldung");

    // The way back: the old curve, faded, fails once more and says so; the
    // smaller t is taken over all the same, and the curve is whole again.
    await eintippen(seite, "Text4", "1", true);
    assert.ok(einfach(await meldungSchliessen(seite)).includes(einfach(meldung)), "Meldung beim Verblassen");
    await zeigt(seite, "txtExponent", "t = 1");
    await klicken(seite, "Command1");
    await keineMeldung(seite);
    // The chart wiped, p back at 5: the curve of the test vectors alone.
    await klicken(seite, "Command5");
    await pfeiltaste(seite, "vscFaktor", "ArrowDown", 10);
    await zeigt(seite, "txtFaktor", "5");
    await klicken(seite, "Command1");
    await keineMeldung(seite);
    await kurveVergleichen(seite, folge(10, 5, 1), "Kurve t = 1 nach dem Überlauf");
    // The game itself is untouched by the curves.
    assert.equal(await text(seite, "Text1"), String(programmstart.anzahlen[15]));
}

/**
 * A(0) = 50 and p = 10 set with the scroll bars' arrow keys (each step of
 * A(0) initialises a new game), then Ctrl+N: the game of those values from
 * the random source's start.
 */
async function neuesSpiel(seite: Page): Promise<void> {
    const neu = spiel(50, 10);
    await pfeiltaste(seite, "vscStart", "ArrowUp", 40);
    await zeigt(seite, "txtStart", "50");
    await pfeiltaste(seite, "vscFaktor", "ArrowUp", 5);
    await zeigt(seite, "txtFaktor", "10");
    await seite.keyboard.down("Control");
    await seite.keyboard.press("KeyN");
    await seite.keyboard.up("Control");
    await zeigt(seite, "Text1", "50");
    await feldVergleichen(seite, zellenmenge(neu.start), "Startzellen A(0) = 50");
    await klicken(seite, "cmdZielsuche");
    await zeigt(seite, "txtNeuSum", String(neu.anzahlen[1]));
    await klicken(seite, "cmdErgebnis");
    await zeigt(seite, "Text1", String(neu.anzahlen[1]));
    await feldVergleichen(seite, zellenmenge([...neu.start, ...neu.zyklen[0]!.neu]), "A(0) = 50 nach Zyklus 1");
}

await pruefen({
    "eine Unterrichtsstunde mit Maus und Tastatur": async () => {
        const s = await oeffnen(seitenpfad, { breite: 1280, hoehe: 900 });
        try {
            await spielVomSeitenstart(s.seite);
            await kurvenUndUeberlauf(s.seite);
            await neuesSpiel(s.seite);
            assert.deepEqual(s.fehler, []);
            assert.deepEqual(s.anfragen, []);
        } finally {
            await s.browser.close();
        }
    },
});
