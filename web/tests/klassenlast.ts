// SPDX-License-Identifier: GPL-3.0-or-later
// The class game under load: sixty simulated pupils (klassenschwarm) play
// forty cycles each against the teacher's server while three pages in
// Chromium play as well. Some pupils drop and come back, one sends every
// report twice and old ones late, one sends garbage and a frame far too
// large, one changes its counts, one has the wrong class code, and a few
// leave early. Mid-lesson the teacher's program is killed and started
// again on its session file.
// Afterwards the class's table must hold exactly what the honest pupils
// played, the changed game as not replayable, nobody with the wrong code,
// and the class's mean must be the mean of the honest games alone.
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { createInterface } from "node:readline";
import { Page } from "puppeteer-core";
import { pruefen } from "./browser.js";
import { Lehrer, anzahl, klassenbrowser, klassenseite, warten, zyklus } from "./klassenlehrer.js";

interface Erwartet { kennung: string; spiel?: number; ehrlich?: boolean; anzahlen?: number[]; abgewiesen?: boolean }

const [seite, programm, schwarmProgramm] = process.argv.slice(2);
const schwarmGroesse = 60;
const schwarmZyklen = 40;
const seitenZyklen = 8;

function schwarmStarten(port: number): Promise<Erwartet[]> {
    const schwarm = spawn(schwarmProgramm!, [String(port), String(schwarmGroesse), String(schwarmZyklen), "K7Q2"],
        { stdio: ["ignore", "pipe", "inherit"] });
    const erwartet: Erwartet[] = [];
    createInterface({ input: schwarm.stdout! }).on("line", (z) => erwartet.push(JSON.parse(z) as Erwartet));
    const frist = setTimeout(() => schwarm.kill(), 180_000);
    return new Promise((fertig, fehler) => schwarm.on("exit", (status) => {
        clearTimeout(frist);
        if (status === 0) fertig(erwartet);
        else fehler(new Error(`der Schwarm endete mit ${status}: nicht jeder Schüler wurde fertig`));
    }));
}

/** A page's pupil plays its cycles at a pupil's pace; A(0), A(1), ... as shown. */
async function seiteSpielen(tab: Page): Promise<number[]> {
    const anzahlen = [await anzahl(tab)];
    for (let n = 0; n < seitenZyklen; ++n) {
        anzahlen.push(await zyklus(tab));
        await new Promise((weiter) => setTimeout(weiter, 400));
    }
    return anzahlen;
}

/** A(0), A(1), ... of a row of the table; a shorter game leaves the rest empty. */
function verlauf(zeile: string[]): number[] {
    return zeile.slice(5).filter((zelle) => zelle !== "").map(Number);
}

function mittelJeZyklus(spiele: number[][]): number[] {
    const mittel: number[] = [];
    for (let n = 0; spiele.some((a) => n < a.length); ++n) {
        const werte = spiele.filter((a) => n < a.length).map((a) => a[n]!);
        mittel.push(werte.reduce((s, w) => s + w, 0) / werte.length);
    }
    return mittel;
}

await pruefen({
    "sechzig Schüler und drei Seiten, Abbrüche, Müll und ein Neustart: die Tabelle hält genau das Ehrliche": async () => {
        const lehrer = new Lehrer(programm!, seite!, 70);
        await lehrer.starten();
        const browser = await klassenbrowser();
        try {
            const fremd: string[] = [];
            const tabs: Page[] = [];
            for (const name of ["Tab A", "Tab B", "Tab C"]) tabs.push(await klassenseite(browser, lehrer, name, fremd));
            const schwarm = schwarmStarten(lehrer.port);
            const seiten = Promise.all(tabs.map(seiteSpielen));
            // Mid-lesson, once the class is well under way: a crash, and the program started again.
            // The pupils who leave early are gone by then: only the session file still knows their games.
            const frueh = ["Schwarm 5", "Schwarm 15", "Schwarm 25", "Schwarm 45", "Schwarm 55"];
            await warten(() => lehrer.klasse().reduce((s, z) => s + z.zyklus, 0) > schwarmGroesse * 15 &&
                frueh.every((name) => lehrer.klasse().some((z) => z.name === name && z.zyklus === 10 && !z.verbunden)),
                () => `die Klasse kommt nicht voran: ${JSON.stringify(lehrer.klasse())}`, 60);
            lehrer.absturz();
            await new Promise((weiter) => setTimeout(weiter, 1000));
            await lehrer.starten();
            const [erwartet, gespielt] = await Promise.all([schwarm, seiten]);
            await warten(() => tabs.every((_, i) => lehrer.klasse().find((z) => z.name === `Tab ${"ABC"[i]}`)
                ?.zyklus === seitenZyklen), () => `die Seiten kommen nicht an: ${JSON.stringify(lehrer.klasse())}`, 30);
            const { tabelle, mittel } = await lehrer.tabelle();

            const [kopf, ...zeilen] = tabelle;
            assert.deepEqual(kopf!.slice(0, 5), ["Spiel", "Name", "Zyklus", "A(n)", "Stand"]);
            const zeileVon = (name: string): string[] | undefined => zeilen.find((z) => z[1] === name);
            const angenommen = erwartet.filter((e) => !e.abgewiesen);
            assert.equal(erwartet.length, schwarmGroesse);
            assert.equal(zeilen.length, angenommen.length + tabs.length, "eine Zeile je angemeldetem Schüler");
            assert.equal(new Set(zeilen.map((z) => z[0])).size, zeilen.length, "jede Spielnummer einmal");
            for (const e of erwartet) {
                const name = `Schwarm ${e.kennung.split("-")[1]}`;
                const z = zeileVon(name);
                if (e.abgewiesen) {
                    assert.equal(z, undefined, `${name} mit falschem Code in der Tabelle`);
                    continue;
                }
                assert.ok(z, `${name} fehlt`);
                assert.equal(z[0], String(e.spiel), `${name}: Spiel`);
                if (!e.ehrlich) {
                    assert.equal(z[4], "nicht nachvollziehbar", `${name}: gefälscht und doch angenommen`);
                    assert.ok(z.slice(5).every((zelle) => zelle === ""), `${name}: gefälschte Zahlen in der Tabelle`);
                    continue;
                }
                assert.equal(z[4], "nachvollziehbar", `${name}: ${z[4]}`);
                assert.deepEqual(verlauf(z), e.anzahlen, `${name}: Verlauf`);
            }
            gespielt.forEach((anzahlen, i) => {
                const z = zeileVon(`Tab ${"ABC"[i]}`)!;
                assert.equal(z[4], "nachvollziehbar");
                assert.deepEqual(verlauf(z), anzahlen, `Tab ${"ABC"[i]}: Verlauf`);
            });
            const ehrlich = [...angenommen.filter((e) => e.ehrlich).map((e) => e.anzahlen!), ...gespielt];
            const soll = mittelJeZyklus(ehrlich);
            assert.equal(mittel.length, soll.length);
            mittel.forEach((m, n) => assert.ok(Math.abs(m - soll[n]!) < 1e-9, `Mittel bei n = ${n}: ${m}, soll ${soll[n]}`));
            assert.ok(lehrer.klasse().filter((z) => z.name.startsWith("Tab")).every((z) => z.verbunden));
            assert.deepEqual(fremd, []);
        } finally {
            await browser.close();
            lehrer.beenden();
        }
    },
});
