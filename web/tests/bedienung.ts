// SPDX-License-Identifier: GPL-3.0-or-later
// Working the page as a pupil does: clicks, typing over a box's text, the
// arrow keys on a scroll bar, and the message box closed.
import assert from "node:assert/strict";
import { Page } from "puppeteer-core";

export async function klicken(seite: Page, id: string): Promise<void> {
    await seite.click(`#${id}`);
}

/** Selects the box's text with a triple click and types over it. */
export async function eintippen(seite: Page, id: string, eingabe: string, enter = false): Promise<void> {
    await seite.click(`#${id}`, { count: 3 });
    await seite.keyboard.type(eingabe);
    if (enter) await seite.keyboard.press("Enter");
}

export async function pfeiltaste(seite: Page, id: string, taste: "ArrowUp" | "ArrowDown", mal: number): Promise<void> {
    await seite.focus(`#${id}`);
    for (let i = 0; i < mal; ++i) await seite.keyboard.press(taste);
}

export interface Meldung {
    titel: string;
    text: string;
}

/** The open message box's title and text, closed with its OK or with Enter; fails when none opens. */
export async function meldungSchliessen(seite: Page, mit: "OK" | "Enter" = "OK"): Promise<Meldung> {
    const box = await seite.waitForSelector("dialog.meldung[open]", { timeout: 10000 }).catch(() => null);
    assert.ok(box, "keine Meldung erschienen");
    const meldung = await box.evaluate((d) => ({
        titel: d.querySelector(".meldungstitel")?.textContent ?? "",
        text: d.querySelector(".meldungsrumpf p")?.textContent ?? "",
    }));
    if (mit === "OK") await seite.click("dialog.meldung[open] button");
    else await seite.keyboard.press("Enter");
    await seite.waitForFunction(() => !document.querySelector("dialog[open]"), { timeout: 5000 });
    return meldung;
}
