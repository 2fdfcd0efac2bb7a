// SPDX-License-Identifier: GPL-3.0-or-later
// A finger on a touch screen marks the field (fingerstrich.ts), through the
// DevTools protocol's touch events.
import assert from "node:assert/strict";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";
import { fingerstrichPruefen } from "./fingerstrich.js";

const pfad = seitenPfad();

await pruefen({
    "ein Finger markiert das Feld": async () => {
        const s = await oeffnen(pfad, { breite: 1280, hoehe: 900 });
        try {
            // A touch screen: the page is loaded anew with touch input on.
            await s.seite.setViewport({ width: 1280, height: 900, hasTouch: true });
            await s.seite.waitForSelector("body[data-bereit=ja]", { timeout: 30000 });
            await fingerstrichPruefen(s.seite);
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
});
