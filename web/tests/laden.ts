// SPDX-License-Identifier: GPL-3.0-or-later
// The page opened from a file: no request to the network, no console error,
// a policy that forbids requests, a file that fits the limit and is ASCII
// alone (its other letters escaped), fonts that
// have every letter it shows, and the whole page where an engine lacks a
// part of what it uses, or a clear message where it cannot start.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { readdirSync, readFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";

const pfad = seitenPfad();

await pruefen({
    "höchstens 3 MiB, nur ASCII (so liest der Browser sie als 8-Bit-Text)": async () => {
        const bytes = readFileSync(pfad);
        assert.ok(bytes.length <= 3 * 1024 * 1024, `${bytes.length} Bytes`);
        const erstes = bytes.findIndex((b) => b > 0x7f);
        assert.equal(erstes, -1, `bei Byte ${erstes}: ${bytes.subarray(Math.max(0, erstes - 60), erstes + 20).toString()}`);
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
    "die eingebetteten Schriften haben jeden Buchstaben des Fensters und seiner Texte": async () => {
        const s = await oeffnen(pfad);
        let zeichen: string;
        try {
            zeichen = await s.seite.evaluate(() => {
                const texte: string[] = [document.title];
                // The window's and the evaluation's texts, names and boxes, shown or not, without the scripts.
                for (const e of Array.from(document.body.querySelectorAll("*:not(script)"))) {
                    for (const knoten of Array.from(e.childNodes)) if (knoten.nodeType === Node.TEXT_NODE) texte.push(knoten.textContent ?? "");
                    for (const name of ["aria-label", "title", "value", "placeholder"]) texte.push(e.getAttribute(name) ?? "");
                }
                // The help texts, the menu and the information the build wrote beside the window.
                const alle = (wert: unknown): void => {
                    if (typeof wert === "string") texte.push(wert);
                    else if (wert && typeof wert === "object") Object.values(wert).forEach(alle);
                };
                alle(JSON.parse(document.getElementById("daten")!.textContent!));
                return [...new Set(texte.join("").replace(/\s/g, ""))].join("");
            });
        } finally {
            await s.browser.close();
        }
        // The fonts as the build kept them (the TrueType files beside their woff2), read with fonttools.
        const ordner = join(dirname(pfad), "schriften");
        const schriften = readdirSync(ordner).filter((d) => d.endsWith(".ttf")).map((d) => join(ordner, d));
        assert.equal(schriften.length, 4, ordner);
        const fehlend = spawnSync("/usr/bin/python3", ["-c", `
import sys
from fontTools.ttLib import TTFont
zeichen = sys.stdin.read()
for datei in sys.argv[1:]:
    tabelle = TTFont(datei).getBestCmap()
    fehlt = "".join(z for z in zeichen if ord(z) not in tabelle)
    if fehlt:
        print(datei, fehlt)
`, ...schriften], { input: zeichen, encoding: "utf8" });
        assert.equal(fehlend.status, 0, fehlend.stderr);
        assert.equal(fehlend.stdout, "");
        // The window's own letters are among them: the check saw the texts.
        for (const z of "ÄÜäöüßΔ„“–") assert.ok(zeichen.includes(z), z);
    },
    "ohne DecompressionStream sagt die Seite, dass sie nicht starten kann, und zeigt kein totes Fenster": async () => {
        const s = await oeffnen(pfad, {
            vorher: () => {
                delete (window as { DecompressionStream?: unknown }).DecompressionStream;
            },
            gestartet: "[role=alert]",
        });
        try {
            const meldung = await s.seite.$eval("[role=alert]", (e) => e.textContent ?? "");
            assert.match(meldung, /^Kettenbrief kann in diesem Browser nicht starten: .*DecompressionStream/);
            assert.equal(await s.seite.$eval("#seite", (e) => (e as HTMLElement).hidden), true);
            assert.equal(await s.seite.$eval("body", (e) => e.dataset["bereit"]), undefined);
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
