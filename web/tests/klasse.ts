// SPDX-License-Identifier: GPL-3.0-or-later
// The class game with a real page: the teacher's server (klassenlehrer)
// serves the page, Chromium opens it from there as a pupil's tablet does,
// answers the questions for the class code and the nickname, and plays
// three cycles. The teacher's side must then hold the pupil's game as
// played and replayed, and the page must talk to nothing but its origin.
// Then the teacher's program is killed and started again on its session
// file: the page comes back by itself, keeps its game, and its next cycle
// arrives on top of what was kept.
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createInterface } from "node:readline";
import puppeteer from "puppeteer-core";
import { pruefen } from "./browser.js";

interface Zeile {
    port?: number;
    schueler?: Array<{ spiel: number; name: string; seq: number; zyklus: number; anzahl: number;
        nachvollziehbar: boolean; verbunden: boolean }>;
}

const [seite, lehrer] = process.argv.slice(2);

await pruefen({
    "eine Seite meldet sich an und ihr Spiel kommt nachgespielt an": async () => {
        const datei = join(mkdtempSync(join(tmpdir(), "klasse-")), "klassenspiel.json");
        const zeilen: Zeile[] = [];
        const starten = (port: number): ReturnType<typeof spawn> => {
            const p = spawn(lehrer!, [seite!, datei, String(port)], { stdio: ["ignore", "pipe", "inherit"] });
            createInterface({ input: p.stdout! }).on("line", (z) => zeilen.push(JSON.parse(z) as Zeile));
            return p;
        };
        let prozess = starten(0);
        const browser = await puppeteer.launch({ executablePath: process.env["KETTENBRIEF_CHROMIUM"] ?? "/usr/bin/chromium",
            headless: true, args: ["--no-sandbox", "--disable-background-networking", "--no-first-run"] });
        try {
            const warten = async (bis: () => boolean, was: string): Promise<void> => {
                for (let i = 0; i < 300 && !bis(); ++i) await new Promise((fertig) => setTimeout(fertig, 50));
                assert.ok(bis(), was);
            };
            await warten(() => zeilen.some((z) => z.port), "der Lehrer nennt keinen Port");
            const adresse = `http://127.0.0.1:${zeilen.find((z) => z.port)!.port!}/`;
            const tab = await browser.newPage();
            const fremd: string[] = [];
            tab.on("request", (r) => { if (!r.url().startsWith(adresse) && !r.url().startsWith("data:")) fremd.push(r.url()); });
            const antworten = ["K7Q2", "Mia"];
            tab.on("dialog", (d) => void d.accept(antworten.shift() ?? ""));
            await tab.goto(adresse, { waitUntil: "load" });
            await tab.waitForSelector("body[data-bereit=ja]");
            await tab.waitForFunction(() => document.getElementById("klassenstatus")?.textContent?.includes("Spiel 1"));
            for (let n = 0; n < 3; ++n) {
                await tab.click("#cmdZielsuche");
                await tab.click("#cmdErgebnis");
            }
            const a3 = Number(await tab.$eval("#Text1", (e) => (e as HTMLInputElement).value));
            const zuletzt = (): Zeile["schueler"] => zeilen.filter((z) => z.schueler).at(-1)?.schueler;
            await warten(() => zuletzt()?.[0]?.zyklus === 3, `kein Zyklus 3 beim Lehrer: ${JSON.stringify(zuletzt())}`);
            // One report at the sign-in and one per commit; the passes change nothing worth sending.
            assert.deepEqual(zuletzt(), [{ spiel: 1, name: "Mia", seq: 4, zyklus: 3, anzahl: a3, nachvollziehbar: true,
                verbunden: true }]);
            assert.match(await tab.title(), /Spiel 1$/);

            prozess.kill("SIGKILL");
            await tab.waitForFunction(() => document.getElementById("klassenstatus")?.textContent?.includes("keine Verbindung"));
            zeilen.length = 0;
            prozess = starten(Number(new URL(adresse).port));
            await tab.waitForFunction(() => document.getElementById("klassenstatus")?.textContent?.includes("Spiel 1"),
                { timeout: 15000 });
            await tab.click("#cmdZielsuche");
            await tab.click("#cmdErgebnis");
            const a4 = Number(await tab.$eval("#Text1", (e) => (e as HTMLInputElement).value));
            await warten(() => zuletzt()?.[0]?.zyklus === 4, `kein Zyklus 4 nach dem Neustart: ${JSON.stringify(zuletzt())}`);
            // Back, the page sends what it has (5: nothing was lost here), then its commit (6).
            assert.deepEqual(zuletzt(), [{ spiel: 1, name: "Mia", seq: 6, zyklus: 4, anzahl: a4, nachvollziehbar: true,
                verbunden: true }]);
            assert.deepEqual(fremd, []);
        } finally {
            await browser.close();
            prozess.kill();
        }
    },
});
