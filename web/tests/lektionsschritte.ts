// SPDX-License-Identifier: GPL-3.0-or-later
// A lesson played on the page with the mouse and the keyboard, as on the
// desktop: the game after the page opens, passes and commits, the quick
// run, the Verhulst curve, a new t, the overflow message and the way back,
// and a new game through "Das Spiel vom Programmstart". Every number the
// window shows must be that of the test vectors, which the desktop's model
// wrote. What the surfaces show, and the messages' texts, are compared with
// the desktop itself (lektionsvergleich.ts). The steps drive any engine
// (bediener.ts): lektion.ts plays them in Chromium, motoren.ts in Firefox
// and WebKit.
import assert from "node:assert/strict";
import { Bediener } from "./bediener.js";
import { eintippen, klicken, meldungSchliessen, pfeiltaste } from "./bedienung.js";

interface Spiel {
    name: string;
    /** The numbered game (0: the program's own). */
    nummer: number;
    a0: number;
    p: number;
    zyklen: Array<{ anzahl: number }>;
    anzahlen: number[];
}
export interface Vektoren {
    spiele: Spiel[];
}

function spielAus(vektoren: Vektoren, a0: number, p: number, nummer = 0): Spiel {
    const gefunden = vektoren.spiele.find((s) => s.a0 === a0 && s.p === p && s.nummer === nummer);
    assert.ok(gefunden, `kein Spiel A0=${a0} p=${p} in den Vektoren`);
    return gefunden;
}

// ---- What the window shows ----

async function text(seite: Bediener, id: string): Promise<string> {
    return seite.auswerten((id: string) => {
        const e = document.getElementById(id);
        return e instanceof HTMLInputElement ? e.value : (e?.textContent ?? "");
    }, id);
}

/** Waits until a box shows `erwartet`: a pass may be drawn attempt by attempt. */
async function zeigt(seite: Bediener, id: string, erwartet: string, sekunden = 20): Promise<void> {
    const gezeigt = await seite.warten((id: string, erwartet: string) => {
        const e = document.getElementById(id);
        return (e instanceof HTMLInputElement ? e.value : e?.textContent) === erwartet;
    }, sekunden, id, erwartet);
    if (!gezeigt) assert.fail(`#${id} zeigt "${await text(seite, id)}", erwartet "${erwartet}"`);
}

/** The button gets the keyboard focus, then Space presses it. */
async function leertaste(seite: Bediener, id: string): Promise<void> {
    await seite.auswerten((id: string) => document.getElementById(id)?.focus(), id);
    await seite.taste(" ");
}

async function ruhe(seite: Bediener): Promise<void> {
    await seite.auswerten(
        () => new Promise<void>((fertig) => requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(fertig, 100)))),
    );
}

async function keineMeldung(seite: Bediener): Promise<void> {
    await ruhe(seite);
    const offen = await seite.auswerten(() => document.querySelector("dialog[open]")?.textContent ?? null);
    assert.equal(offen, null, "unerwartete Meldung");
}

// ---- The lesson ----

async function zyklusMitMaus(seite: Bediener, programmstart: Spiel, n: number): Promise<void> {
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

async function zyklusMitTasten(seite: Bediener, programmstart: Spiel, n: number): Promise<void> {
    await leertaste(seite, "cmdZielsuche");
    await zeigt(seite, "txtNeuSum", String(programmstart.anzahlen[n]));
    await leertaste(seite, "cmdErgebnis");
    await zeigt(seite, "Text1", String(programmstart.anzahlen[n]));
}

/** The game after the page opens: passes by mouse and keys, ten cycles at once. */
export async function spielVomSeitenstart(seite: Bediener, vektoren: Vektoren): Promise<void> {
    const programmstart = spielAus(vektoren, 10, 5);
    assert.equal(await text(seite, "txtStart"), "10");
    assert.equal(await text(seite, "txtFaktor"), "5");
    assert.equal(await text(seite, "Text1"), "10");
    await zyklusMitMaus(seite, programmstart, 1);
    await zyklusMitTasten(seite, programmstart, 2);
    await zyklusMitMaus(seite, programmstart, 3);

    // Ten cycles at once, drawn live; then two more by keys.
    await klicken(seite, "Command2");
    await zeigt(seite, "Text1", String(programmstart.anzahlen[13]), 120);
    await zyklusMitTasten(seite, programmstart, 14);
    await zyklusMitTasten(seite, programmstart, 15);
}

/** The curves, a new t, the overflow and the way back; the game stays as it was. */
export async function kurvenUndUeberlauf(seite: Bediener, vektoren: Vektoren): Promise<void> {
    const programmstart = spielAus(vektoren, 10, 5);
    await klicken(seite, "Command1");
    await keineMeldung(seite);

    // A new t by Enter in its box, then the curve with it.
    await eintippen(seite, "Text4", "1.5", true);
    await zeigt(seite, "txtExponent", "t = 1.5");
    await klicken(seite, "Command1");
    await keineMeldung(seite);

    // t = 8 at p = 15 (the scroll bar's arrow keys; the box is read-only)
    // leaves the double range: the curve ends with a message, closed by Enter.
    await eintippen(seite, "Text4", "8", true);
    await keineMeldung(seite);
    await zeigt(seite, "txtExponent", "t = 8");
    await pfeiltaste(seite, "vscFaktor", "ArrowUp", 10);
    await zeigt(seite, "txtFaktor", "15");
    await klicken(seite, "Command1");
    await meldungSchliessen(seite, "Enter");

    // The way back: the old curve, faded, fails once more and says so; the
    // smaller t is taken over all the same, and the curve is whole again.
    await eintippen(seite, "Text4", "1", true);
    await meldungSchliessen(seite, "Enter");
    await zeigt(seite, "txtExponent", "t = 1");
    await klicken(seite, "Command1");
    await keineMeldung(seite);
    // The chart wiped, p back at 5.
    await klicken(seite, "Command5");
    await pfeiltaste(seite, "vscFaktor", "ArrowDown", 10);
    await zeigt(seite, "txtFaktor", "5");
    await klicken(seite, "Command1");
    await keineMeldung(seite);
    // The game itself is untouched by the curves.
    assert.equal(await text(seite, "Text1"), String(programmstart.anzahlen[15]));
}

/**
 * A(0) = 50 and p = 10 set with the scroll bars' arrow keys (each step of
 * A(0) initialises a new game), then Ctrl+N: the game of those values from
 * the random source's start.
 */
/**
 * Game 7 from the address (?spiel=7): its caption, and its cycles as the
 * desktop's model plays game 7; "Das Spiel vom Programmstart" in the
 * evaluation brings game 7 back.
 */
export async function nummeriertesSpiel(seite: Bediener, vektoren: Vektoren): Promise<void> {
    const spiel7 = spielAus(vektoren, 10, 5, 7);
    assert.equal(await seite.auswerten(() => document.title), "Nivra1.0 – Spiel 7");
    for (let n = 1; n <= 3; ++n) {
        await klicken(seite, "cmdZielsuche");
        await zeigt(seite, "txtNeuSum", String(spiel7.anzahlen[n]));
        await klicken(seite, "cmdErgebnis");
    }
    await klicken(seite, "cmdAuswertung");
    await klicken(seite, "auswertungProgrammstart");
    await zeigt(seite, "Text1", "10");
    await klicken(seite, "cmdZielsuche");
    await zeigt(seite, "txtNeuSum", String(spiel7.anzahlen[1]));
}

export async function neuesSpiel(seite: Bediener, vektoren: Vektoren): Promise<void> {
    const neu = spielAus(vektoren, 50, 10);
    await pfeiltaste(seite, "vscStart", "ArrowUp", 40);
    await zeigt(seite, "txtStart", "50");
    await pfeiltaste(seite, "vscFaktor", "ArrowUp", 5);
    await zeigt(seite, "txtFaktor", "10");
    await seite.taste("n", true);
    await zeigt(seite, "Text1", "50");
    await klicken(seite, "cmdZielsuche");
    await zeigt(seite, "txtNeuSum", String(neu.anzahlen[1]));
    await klicken(seite, "cmdErgebnis");
    await zeigt(seite, "Text1", String(neu.anzahlen[1]));
}
