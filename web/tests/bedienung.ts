// SPDX-License-Identifier: GPL-3.0-or-later
// Working the page as a pupil does: clicks, typing over a box's text, the
// arrow keys on a scroll bar, and the message box closed; in any engine.
import assert from "node:assert/strict";
import { bedienerFuer as bediener, Seite } from "./bediener.js";

export async function klicken(seite: Seite, id: string): Promise<void> {
    await bediener(seite).klicken(`#${id}`);
}

/** Clicks into the box, selects its text and types over it. */
export async function eintippen(seite: Seite, id: string, eingabe: string, enter = false): Promise<void> {
    const b = bediener(seite);
    await b.klicken(`#${id}`);
    await b.auswerten((id: string) => (document.getElementById(id) as HTMLInputElement | null)?.select(), id);
    await b.schreiben(eingabe);
    if (enter) await b.taste("Enter");
}

export async function pfeiltaste(seite: Seite, id: string, taste: "ArrowUp" | "ArrowDown", mal: number): Promise<void> {
    const b = bediener(seite);
    await b.auswerten((id: string) => document.getElementById(id)?.focus(), id);
    for (let i = 0; i < mal; ++i) await b.taste(taste);
}

export interface Meldung {
    titel: string;
    text: string;
}

/** The open message box's title and text, closed with its OK or with Enter; fails when none opens. */
export async function meldungSchliessen(seite: Seite, mit: "OK" | "Enter" = "OK"): Promise<Meldung> {
    const b = bediener(seite);
    const offen = await b.warten(() => document.querySelector("dialog.meldung[open]") !== null, 10);
    assert.ok(offen, "keine Meldung erschienen");
    const meldung = await b.auswerten(() => {
        const d = document.querySelector("dialog.meldung[open]");
        return { titel: d?.querySelector(".meldungstitel")?.textContent ?? "", text: d?.querySelector(".meldungsrumpf p")?.textContent ?? "" };
    });
    if (mit === "OK") await b.klicken("dialog.meldung[open] button");
    else await b.taste("Enter");
    assert.ok(await b.warten(() => !document.querySelector("dialog[open]"), 5), "die Meldung bleibt offen");
    return meldung;
}
