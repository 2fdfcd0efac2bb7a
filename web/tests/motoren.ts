// SPDX-License-Identifier: GPL-3.0-or-later
// The main lesson in another engine than Chromium, in one session of it:
// Firefox (Debian's firefox-esr, over WebDriver BiDi) or WebKit (Safari's
// engine as WebKitGTK, over WebDriver). The page starts whole with no
// request, its controls lie at their places, a finger marks the field, and
// the lesson's numbers are those of the test vectors. An engine this
// machine lacks is skipped (exit status 77) with what is missing.
//
// Usage: node motoren.js kettenbrief.html spielvektoren.json firefox|webkit
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { laden, motorFehlt, Motorname, motorStarten } from "./bediener.js";
import { pruefen, seitenPfad } from "./browser.js";
import { fingerstrichPruefen } from "./fingerstrich.js";
import { kurvenUndUeberlauf, neuesSpiel, spielVomSeitenstart, Vektoren } from "./lektionsschritte.js";
import { anDenRechtecken } from "./steuerplaetze.js";

const pfad = seitenPfad();
const vektoren = JSON.parse(readFileSync(process.argv[3] ?? "", "utf8")) as Vektoren;
const motor = process.argv[4] as Motorname;
assert.ok(motor === "firefox" || motor === "webkit", `unbekannte Engine ${motor}`);

const fehlt = motorFehlt(motor);
if (fehlt) {
    console.log(`SKIP ${motor}: ${fehlt}`);
    process.exit(77);
}

const seite = await motorStarten(motor, 1280, 900);
try {
    await laden(seite, pfad);
    await pruefen({
        [`${motor}: startet ganz, ohne Anfrage`]: async () => {
            // A request the page might make later: a worker's model and a picture.
            await seite.auswerten(() => new Promise((fertig) => setTimeout(fertig, 500)));
            const angefragt = await seite.auswerten(() => performance.getEntriesByType("resource").map((e) => e.name)
                .filter((name) => !name.startsWith("data:") && !name.startsWith("blob:")));
            assert.deepEqual(angefragt, []);
            const stand = await seite.auswerten(() => ({
                titel: document.title,
                auswertung: document.getElementById("cmdAuswertung") !== null,
                hilfezeile: (document.getElementById("txtHilfe") as HTMLInputElement | null)?.value ?? null,
                startfehler: document.querySelector("[role=alert]")?.textContent ?? null,
            }));
            assert.deepEqual(stand, { titel: "Nivra1.0", auswertung: true, hilfezeile: "", startfehler: null });
        },
        [`${motor}: die Steuerelemente an ihren Plätzen`]: async () => {
            const zoom = await seite.auswerten(() => Number(document.getElementById("fensterrahmen")?.style.zoom || "1"));
            await anDenRechtecken(seite, zoom);
        },
        [`${motor}: ein Finger markiert das Feld`]: () => fingerstrichPruefen(seite),
        [`${motor}: die Unterrichtsstunde nach den Testvektoren`]: async () => {
            await spielVomSeitenstart(seite, vektoren);
            await kurvenUndUeberlauf(seite, vektoren);
            await neuesSpiel(seite, vektoren);
        },
    });
} finally {
    await seite.schliessen();
}
