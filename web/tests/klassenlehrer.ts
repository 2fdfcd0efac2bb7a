// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's side for the class game's tests: the program klassenlehrer
// (tests/klasse, the desktop's Klassenspiel window offscreen) run as a
// child, its lines read as they come, killed and started again on its
// session as a crash and a new start would, and the pages that sign in to
// it as a pupil's tablet does.
import assert from "node:assert/strict";
import { ChildProcess, spawn } from "node:child_process";
import { mkdtempSync, readFileSync, readdirSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createInterface } from "node:readline";
import puppeteer, { Browser, Page } from "puppeteer-core";

export interface Schuelerzeile {
    spiel: number; name: string; seq: number; zyklus: number; anzahl: number;
    nachvollziehbar: boolean; verbunden: boolean;
}

interface Zeile {
    port?: number;
    schueler?: Schuelerzeile[];
    tabelle?: string[][];
    mittel?: number[];
    ergebnis?: string;
}

/** Polls `bis` every 50 ms for at most `sekunden`. */
export async function warten(bis: () => boolean, was: () => string, sekunden = 15): Promise<void> {
    for (let i = 0; i < sekunden * 20 && !bis(); ++i) await new Promise((fertig) => setTimeout(fertig, 50));
    assert.ok(bis(), was());
}

export class Lehrer {
    readonly zeilen: Zeile[] = [];
    private prozess: ChildProcess | undefined;
    /** The teacher's data folder, where the window keeps its session. */
    private readonly daten = mkdtempSync(join(tmpdir(), "klasse-"));
    port = 0;

    constructor(private readonly programm: string, private readonly seite: string,
        private readonly hoechstens = 40) {}

    /** Starts it, on the port it had before if it ran already, and waits for it to listen. */
    async starten(): Promise<void> {
        this.zeilen.length = 0;
        this.prozess = spawn(this.programm, [this.seite, this.daten, String(this.port), String(this.hoechstens)],
            { stdio: ["pipe", "pipe", "inherit"] });
        createInterface({ input: this.prozess.stdout! }).on("line", (z) => this.zeilen.push(JSON.parse(z) as Zeile));
        await warten(() => this.zeilen.some((z) => z.port), () => "der Lehrer nennt keinen Port");
        this.port = this.zeilen.find((z) => z.port)!.port!;
    }

    get adresse(): string { return `http://127.0.0.1:${this.port}/`; }

    /** The class as the teacher's last line showed it. */
    klasse(): Schuelerzeile[] { return this.zeilen.filter((z) => z.schueler).at(-1)?.schueler ?? []; }

    /** The class's table as the window saves it, and its mean per cycle. */
    async tabelle(): Promise<{ tabelle: string[][]; mittel: number[] }> {
        this.prozess!.stdin!.write("tabelle\n");
        await warten(() => this.zeilen.some((z) => z.tabelle), () => "der Lehrer gibt keine Tabelle");
        const z = this.zeilen.find((z) => z.tabelle)!;
        return { tabelle: z.tabelle!, mittel: z.mittel! };
    }

    /** Drops a pupil's result file into the window; what the window says of it. */
    async ergebnis(pfad: string): Promise<string> {
        const vorher = this.zeilen.filter((z) => z.ergebnis !== undefined).length;
        this.prozess!.stdin!.write(`datei ${pfad}\n`);
        await warten(() => this.zeilen.filter((z) => z.ergebnis !== undefined).length > vorher,
            () => "der Lehrer sagt nichts zur Datei");
        return this.zeilen.filter((z) => z.ergebnis !== undefined).at(-1)!.ergebnis!;
    }

    /** As a crash would: at once, nothing written at the end. */
    absturz(): void { this.prozess?.kill("SIGKILL"); }
    beenden(): void { this.prozess?.kill(); }
}

/** Debian's Chromium headless, for the pupils' pages. */
export function klassenbrowser(): Promise<Browser> {
    return puppeteer.launch({ executablePath: process.env["KETTENBRIEF_CHROMIUM"] ?? "/usr/bin/chromium",
        headless: true, args: ["--no-sandbox", "--disable-background-networking", "--no-first-run"] });
}

/** A pupil's page from the teacher, in a browser context of its own (its own
 * token), signed in with the class code and `name`. */
export async function klassenseite(browser: Browser, lehrer: Lehrer, name: string,
    fremd: string[] = []): Promise<Page> {
    const tab = await (await browser.createBrowserContext()).newPage();
    tab.on("request", (r) => {
        if (!r.url().startsWith(lehrer.adresse) && !r.url().startsWith("data:")) fremd.push(r.url());
    });
    const antworten = ["K7Q2", name];
    tab.on("dialog", (d) => void d.accept(antworten.shift() ?? ""));
    await tab.goto(lehrer.adresse, { waitUntil: "load" });
    await tab.waitForSelector("body[data-bereit=ja]");
    await verbunden(tab);
    return tab;
}

export async function verbunden(tab: Page, timeout = 15000): Promise<void> {
    await tab.waitForFunction(() => document.getElementById("klassenstatus")?.textContent?.includes("Spiel "),
        { timeout });
}

/** "Ergebnis speichern" on the page: the file it hands to the browser, saved in a folder of its own. */
export async function ergebnisSpeichern(tab: Page): Promise<string> {
    const ordner = mkdtempSync(join(tmpdir(), "ergebnis-"));
    const cdp = await tab.createCDPSession();
    await cdp.send("Page.setDownloadBehavior", { behavior: "allow", downloadPath: ordner });
    await tab.click("#cmdErgebnisSpeichern");
    // The browser may create the file under its final name before its bytes are all written.
    let datei = "";
    await warten(() => {
        const name = readdirSync(ordner).find((n) => n.endsWith(".json"));
        datei = name ? join(ordner, name) : "";
        return datei !== "" && vollstaendig(datei);
    }, () => `keine vollständige Ergebnisdatei in ${ordner}`);
    return datei;
}

function vollstaendig(datei: string): boolean {
    try {
        JSON.parse(readFileSync(datei, "utf8"));
        return true;
    } catch {
        return false;
    }
}

/** One cycle on the page: a pass and the commit; A(n) as the page shows it. */
export async function zyklus(tab: Page): Promise<number> {
    await tab.click("#cmdZielsuche");
    await tab.click("#cmdErgebnis");
    return anzahl(tab);
}

export async function anzahl(tab: Page): Promise<number> {
    return Number(await tab.$eval("#Text1", (e) => (e as HTMLInputElement).value));
}
