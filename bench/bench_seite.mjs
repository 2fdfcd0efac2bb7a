// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of bench_seite.py, in Debian's Chromium (headless, through
// puppeteer-core from the web build's node_modules):
// - opening: from the navigation's start (performance's time origin) to the
//   first frame after the page says it is ready (body[data-bereit=ja]),
//   taken inside the page, in a browser that is already running and has
//   settled, as a teacher's is; one load first fills the caches;
// - a pass ("Zielsuche") on the full field at p = 15 (the game from the
//   start played at p = 15 until all 2500 play, as bench_spielzyklus does),
//   each after a commit: from the click to the end of its handler, which
//   passes, draws and puts the pixels onto the canvas (as the desktop's
//   figure is its handler with its drawing), and to the first frame after
//   the number boxes show its result, which waits for the screen's
//   refresh as well (at 60 Hz never less than about 17 ms).
// Prints one line of JSON: {"oeffnen": [ms...], "durchlauf": [{arbeit, bild}...]}.
//
// Usage: node bench_seite.mjs BUILD/web/kettenbrief.html STARTS PASSES
import { createRequire } from "node:module";
import { dirname, join, resolve } from "node:path";
import { pathToFileURL } from "node:url";

const [seite, starts = "15", durchlaeufe = "15"] = process.argv.slice(2);
if (!seite) {
    console.error("usage: node bench_seite.mjs BUILD/web/kettenbrief.html [STARTS] [PASSES]");
    process.exit(2);
}
// puppeteer-core as the web build installed it (npm ci from the lock file).
const puppeteer = createRequire(join(dirname(resolve(seite)), "package.json"))("puppeteer-core");
const url = pathToFileURL(resolve(seite)).href;

const browser = await puppeteer.launch({
    executablePath: process.env.KETTENBRIEF_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-background-networking", "--disable-component-update", "--no-first-run"],
});

/** Milliseconds from the navigation's start to the first frame after the page is ready. */
async function oeffnen() {
    const tab = await browser.newPage();
    await tab.setViewport({ width: 1280, height: 900 });
    // Runs before the page's own script, outside its content policy.
    await tab.evaluateOnNewDocument(() => {
        new MutationObserver((_, beobachter) => {
            if (document.body?.dataset.bereit !== "ja") return;
            beobachter.disconnect();
            // The frame's rendering runs right after its animation callbacks.
            requestAnimationFrame(() => setTimeout(() => (window.__gemalt = performance.now()), 0));
        }).observe(document, { subtree: true, attributes: true, attributeFilter: ["data-bereit"] });
    });
    await tab.goto(url, { waitUntil: "load" });
    await tab.waitForFunction(() => window.__gemalt !== undefined, { timeout: 60000, polling: 20 });
    const ms = await tab.evaluate(() => window.__gemalt);
    return { tab, ms };
}

/** Milliseconds of each pass on the full field at p = 15, a commit before each. */
async function durchlaeufeMessen(tab, anzahl) {
    // p = 15 by the scroll bar's arrow keys (its box is read-only), then
    // cycles until all 2500 play: the field bench_spielzyklus plays too.
    await tab.focus("#vscFaktor");
    for (let i = 0; i < 10; ++i) await tab.keyboard.press("ArrowUp");
    await tab.waitForFunction(() => document.getElementById("txtFaktor").value === "15");
    await tab.evaluate(async () => {
        const feld = (id) => document.getElementById(id);
        const bis = async (bedingung) => {
            while (!bedingung()) await new Promise((weiter) => setTimeout(weiter, 0));
        };
        while (feld("Text1").value !== "2500") {
            feld("cmdZielsuche").click();
            await bis(() => feld("txtNeuSum").value !== "");
            feld("cmdErgebnis").click();
            await bis(() => feld("txtNeuSum").value === "");
        }
    });
    return tab.evaluate(async (anzahl) => {
        const feld = (id) => document.getElementById(id);
        const bild = () => new Promise((fertig) => requestAnimationFrame(() => setTimeout(fertig, 0)));
        const bis = async (bedingung) => {
            while (!bedingung()) await new Promise((weiter) => setTimeout(weiter, 0));
        };
        const zeiten = [];
        for (let i = 0; i < anzahl; ++i) {
            feld("cmdErgebnis").click();
            await bis(() => feld("txtNeuSum").value === "");
            await bild();
            const anfang = performance.now();
            // The click runs its handler at once (the pass and its drawing),
            // which queues putting the changed pixels onto the canvas as a
            // microtask; one await lets that run too.
            feld("cmdZielsuche").click();
            await Promise.resolve();
            const behandelt = performance.now();
            await bis(() => feld("txtNeuSum").value !== "");
            await bild();
            zeiten.push({ arbeit: behandelt - anfang, bild: performance.now() - anfang });
        }
        return zeiten;
    }, anzahl);
}

try {
    // The first load fills the caches, as the desktop's first start does.
    (await oeffnen()).tab.close();
    // A browser just started goes on setting itself up for a few seconds
    // (here the first three loads took 370, 360 and 280 ms, the rest about
    // 200); a teacher's browser has long done so.
    await new Promise((weiter) => setTimeout(weiter, 3000));
    const zeiten = [];
    for (let i = 0; i < Number(starts); ++i) {
        const { tab, ms } = await oeffnen();
        zeiten.push(ms);
        await tab.close();
    }
    const { tab } = await oeffnen();
    const durchlauf = await durchlaeufeMessen(tab, Number(durchlaeufe));
    console.log(JSON.stringify({ oeffnen: zeiten, durchlauf }));
} finally {
    await browser.close();
}
