// SPDX-License-Identifier: GPL-3.0-or-later
// The class game with a real page: the teacher's server (klassenlehrer)
// serves the page, Chromium opens it from there as a pupil's tablet does,
// answers the questions for the class code and the nickname, and plays
// three cycles. The teacher's side must then hold the pupil's game as
// played and replayed, and the page must talk to nothing but its origin.
// Then the teacher's program is killed and started again on its session
// file: the page comes back by itself, keeps its game, and its next cycle
// arrives on top of what was kept. A reload brings the game back as it
// was, and it plays on. Last, where the network does not carry
// it: the pupil's "Ergebnis speichern" and a page opened from a file with
// a numbered game both give files that the teacher's side takes in.
import assert from "node:assert/strict";
import { pruefen } from "./browser.js";
import { Lehrer, anzahl, ergebnisSpeichern, klassenbrowser, klassenseite, verbunden, warten, zyklus }
    from "./klassenlehrer.js";
import { pathToFileURL } from "node:url";

const [seite, programm] = process.argv.slice(2);

await pruefen({
    "eine Seite meldet sich an und ihr Spiel kommt nachgespielt an": async () => {
        const lehrer = new Lehrer(programm!, seite!);
        await lehrer.starten();
        const browser = await klassenbrowser();
        try {
            const fremd: string[] = [];
            const tab = await klassenseite(browser, lehrer, "Mia", fremd);
            assert.match(await tab.$eval("#klassenstatus", (e) => e.textContent ?? ""), /Spiel 1/);
            let a3 = 0;
            for (let n = 0; n < 3; ++n) a3 = await zyklus(tab);
            await warten(() => lehrer.klasse()[0]?.zyklus === 3,
                () => `kein Zyklus 3 beim Lehrer: ${JSON.stringify(lehrer.klasse())}`);
            // One report at the sign-in and one per commit; the passes change nothing worth sending.
            assert.deepEqual(lehrer.klasse(), [{ spiel: 1, name: "Mia", seq: 4, zyklus: 3, anzahl: a3,
                nachvollziehbar: true, verbunden: true }]);
            assert.match(await tab.title(), /Spiel 1$/);

            lehrer.absturz();
            await tab.waitForFunction(() => document.getElementById("klassenstatus")?.textContent?.includes("keine Verbindung"));
            await lehrer.starten();
            await verbunden(tab);
            const a4 = await zyklus(tab);
            await warten(() => lehrer.klasse()[0]?.zyklus === 4,
                () => `kein Zyklus 4 nach dem Neustart: ${JSON.stringify(lehrer.klasse())}`);
            // Back, the page sends what it has (5: nothing was lost here), then its commit (6).
            assert.deepEqual(lehrer.klasse(), [{ spiel: 1, name: "Mia", seq: 6, zyklus: 4, anzahl: a4,
                nachvollziehbar: true, verbunden: true }]);
            assert.deepEqual(fremd, []);

            // A reload: the page asks nothing, shows its game as it was, and plays on from there.
            const feldVorher = await tab.$eval("#picAusgabe canvas", (e) => (e as HTMLCanvasElement).toDataURL());
            await tab.reload({ waitUntil: "load" });
            await tab.waitForSelector("body[data-bereit=ja]");
            await verbunden(tab);
            assert.equal(await anzahl(tab), a4);
            assert.match(await tab.title(), /Spiel 1$/);
            assert.equal(await tab.$eval("#picAusgabe canvas", (e) => (e as HTMLCanvasElement).toDataURL()), feldVorher);
            const a5 = await zyklus(tab);
            await warten(() => lehrer.klasse()[0]?.zyklus === 5 && lehrer.klasse()[0]?.anzahl === a5,
                () => `kein Zyklus 5 nach dem Neuladen: ${JSON.stringify(lehrer.klasse())}`);
            assert.ok(lehrer.klasse()[0]!.nachvollziehbar);

            const datei = await ergebnisSpeichern(tab);
            assert.match(datei, /kettenbrief-spiel-1\.json$/);
            // Numbered above every report sent, so it is taken (and holds the same game).
            assert.equal(await lehrer.ergebnis(datei), "kettenbrief-spiel-1.json: Spiel 1 (Mia): aufgenommen, Zyklus 5.");
            const offline = await (await browser.createBrowserContext()).newPage();
            offline.on("dialog", (d) => void d.accept("Ben"));
            await offline.goto(pathToFileURL(seite!).href + "?spiel=9", { waitUntil: "load" });
            await offline.waitForSelector("body[data-bereit=ja]");
            for (let n = 0; n < 2; ++n) await zyklus(offline);
            assert.equal(await lehrer.ergebnis(await ergebnisSpeichern(offline)),
                "kettenbrief-spiel-9.json: Spiel 9 (Ben): aufgenommen, Zyklus 2.");
            const zeilen = (): string => JSON.stringify(lehrer.klasse().map((z) =>
                [z.spiel, z.name, z.zyklus, z.nachvollziehbar, z.verbunden]));
            await warten(() => zeilen() === JSON.stringify([[1, "Mia", 5, true, true], [9, "Ben", 2, true, false]]),
                () => `die Klasse nach den Dateien: ${zeilen()}`);
        } finally {
            await browser.close();
            lehrer.beenden();
        }
    },
});
