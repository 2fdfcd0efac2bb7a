// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson of lektionsschritte.ts in Chromium, with no request leaving
// the page and no console error.
//
// Usage: node lektion.js kettenbrief.html spielvektoren.json
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { bedienerFuer } from "./bediener.js";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";
import { kurvenUndUeberlauf, neuesSpiel, nummeriertesSpiel, spielVomSeitenstart, Vektoren } from "./lektionsschritte.js";

const seitenpfad = seitenPfad();
const vektoren = JSON.parse(readFileSync(process.argv[3] ?? "", "utf8")) as Vektoren;

await pruefen({
    "eine Unterrichtsstunde mit Maus und Tastatur": async () => {
        const s = await oeffnen(seitenpfad, { breite: 1280, hoehe: 900 });
        try {
            const seite = bedienerFuer(s.seite);
            await spielVomSeitenstart(seite, vektoren);
            await kurvenUndUeberlauf(seite, vektoren);
            await neuesSpiel(seite, vektoren);
            assert.deepEqual(s.fehler, []);
            assert.deepEqual(s.anfragen, []);
        } finally {
            await s.browser.close();
        }
    },
    "Spiel 7 aus der Adresse, wie das Modell des Desktops es spielt": async () => {
        const s = await oeffnen(seitenpfad, { breite: 1280, hoehe: 900, abfrage: "?spiel=7" });
        try {
            await nummeriertesSpiel(bedienerFuer(s.seite), vektoren);
            assert.deepEqual(s.fehler, []);
        } finally {
            await s.browser.close();
        }
    },
});
