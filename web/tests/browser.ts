// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Debian's Chromium headless through the DevTools protocol and opens
// the packed page from a file, recording every request that leaves the page
// and every console message, so each test can say what went wrong.
import { existsSync } from "node:fs";
import { pathToFileURL } from "node:url";
import puppeteer, { Browser, Page } from "puppeteer-core";

export interface Sitzung {
    browser: Browser;
    seite: Page;
    /** Requests to anything but the page itself and its inline data. */
    anfragen: string[];
    /** Console errors and uncaught exceptions. */
    fehler: string[];
}

const chromium = process.env["KETTENBRIEF_CHROMIUM"] ?? "/usr/bin/chromium";

/** The page under test: the first argument, or the build's kettenbrief.html. */
export function seitenPfad(): string {
    const pfad = process.argv[2];
    if (!pfad || !existsSync(pfad)) throw new Error(`kettenbrief.html nicht gefunden: ${pfad ?? "(kein Pfad)"}`);
    return pfad;
}

export async function oeffnen(pfad: string,
    optionen: { breite?: number; hoehe?: number; zoom?: number; vorher?: () => void; abfrage?: string;
        /** What shows that the page has started: its mark by default. */
        gestartet?: string } = {}): Promise<Sitzung> {
    const browser = await puppeteer.launch({
        executablePath: chromium,
        headless: true,
        args: [
            "--no-sandbox",
            "--disable-background-networking",
            "--disable-component-update",
            "--disable-default-apps",
            "--disable-sync",
            "--no-first-run",
            "--metrics-recording-only",
            "--disable-features=Translate,OptimizationHints,MediaRouter",
            "--font-render-hinting=none",
            // Taps land where the test puts them: the page's own reach for fingers is under test.
            "--disable-touch-adjustment",
        ],
    });
    const seite = await browser.newPage();
    await seite.setViewport({
        width: optionen.breite ?? 1024,
        height: optionen.hoehe ?? 768,
        deviceScaleFactor: optionen.zoom ?? 1,
    });
    const url = pathToFileURL(pfad).href + (optionen.abfrage ?? "");
    const sitzung: Sitzung = { browser, seite, anfragen: [], fehler: [] };
    seite.on("request", (anfrage) => {
        const ziel = anfrage.url();
        if (ziel !== url && !ziel.startsWith("data:") && !ziel.startsWith("blob:")) sitzung.anfragen.push(ziel);
    });
    seite.on("console", (meldung) => {
        if (meldung.type() === "error") sitzung.fehler.push(meldung.text());
    });
    seite.on("pageerror", (fehler) => sitzung.fehler.push(String(fehler)));
    // Runs in the page before its own script: to stand in for another engine.
    if (optionen.vorher) await seite.evaluateOnNewDocument(optionen.vorher);
    await seite.goto(url, { waitUntil: "load" });
    await seite.waitForSelector(optionen.gestartet ?? "body[data-bereit=ja]", { timeout: 30000 });
    return sitzung;
}

/** Runs named checks one after another and reports each; exit status 1 if any failed. */
export async function pruefen(pruefungen: Record<string, () => Promise<void>>): Promise<void> {
    let fehlgeschlagen = 0;
    for (const [name, pruefung] of Object.entries(pruefungen)) {
        try {
            await pruefung();
            console.log(`PASS ${name}`);
        } catch (fehler) {
            ++fehlgeschlagen;
            console.log(`FAIL ${name}: ${fehler instanceof Error ? fehler.stack ?? fehler.message : String(fehler)}`);
        }
    }
    if (fehlgeschlagen > 0) process.exitCode = 1;
}
