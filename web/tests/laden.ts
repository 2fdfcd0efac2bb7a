// SPDX-License-Identifier: GPL-3.0-or-later
// The page opened from a file: no request to the network, no console error,
// a policy that forbids requests, a file that fits the limit, and the whole
// page where an engine lacks a part of what it uses.
import assert from "node:assert/strict";
import { statSync } from "node:fs";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";

const pfad = seitenPfad();

await pruefen({
    "höchstens 3 MiB": async () => {
        assert.ok(statSync(pfad).size <= 3 * 1024 * 1024, `${statSync(pfad).size} Bytes`);
    },
    "lädt ohne Anfrage und ohne Fehler": async () => {
        const s = await oeffnen(pfad);
        try {
            // A request the page might make later: a worker's model and a picture.
            await s.seite.evaluate(async () => {
                await new Promise((fertig) => setTimeout(fertig, 500));
            });
            assert.deepEqual(s.anfragen, []);
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
    "ohne Gerätepixel-Boxen (wie in Safaris Engine) startet die Auswertung trotzdem": async () => {
        const s = await oeffnen(pfad, {
            vorher: () => {
                const beobachten = ResizeObserver.prototype.observe;
                ResizeObserver.prototype.observe = function (ziel: Element, optionen?: ResizeObserverOptions) {
                    if (optionen?.box === "device-pixel-content-box") throw new TypeError("box");
                    beobachten.call(this, ziel, optionen);
                };
            },
        });
        try {
            await s.seite.click("#cmdAuswertung");
            await s.seite.waitForFunction(() => {
                const bild = document.querySelector(".auswertungsdiagramm svg")?.getBoundingClientRect();
                return bild !== undefined && bild.width > 100 && bild.height > 100;
            }, { timeout: 10000 });
            assert.equal(await s.seite.$eval("#txtHilfe", (e) => (e as HTMLInputElement).value), "");
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
    "die Richtlinie verbietet Anfragen": async () => {
        const s = await oeffnen(pfad);
        try {
            const ergebnis = await s.seite.evaluate(async () => {
                try {
                    await fetch("https://example.org/");
                    return "erlaubt";
                } catch {
                    return "verboten";
                }
            });
            assert.equal(ergebnis, "verboten");
            assert.ok(s.fehler.some((f) => f.includes("Content Security Policy")), s.fehler.join("\n"));
            assert.deepEqual(s.anfragen, []);
        } finally {
            await s.browser.close();
        }
    },
});
