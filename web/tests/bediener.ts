// SPDX-License-Identifier: GPL-3.0-or-later
// What a lesson does to the page, whichever engine shows it: run a function
// in the page, wait for one to hold, click, press keys, type, and drag a
// finger. Chromium and Firefox are driven by puppeteer (DevTools and
// WebDriver BiDi), WebKit by a WebDriver client; the lessons' steps are
// written once against this.
import { ChildProcess, spawn } from "node:child_process";
import { existsSync, readdirSync } from "node:fs";
import { createServer } from "node:net";
import { pathToFileURL } from "node:url";
import puppeteer, { Page } from "puppeteer-core";
import { Builder, Capabilities, Key, WebDriver } from "selenium-webdriver";
import { Command, Name } from "selenium-webdriver/lib/command.js";

/** A function the page runs: its source travels to the engine, so it must not use anything from outside. */
export type Seitenfunktion<A extends unknown[], T> = (...argumente: A) => T | Promise<T>;

export interface Bediener {
    readonly motor: string;
    /** Opens the address and waits until the page has loaded. */
    oeffnen(adresse: string): Promise<void>;
    auswerten<A extends unknown[], T>(funktion: Seitenfunktion<A, T>, ...argumente: A): Promise<T>;
    /** Waits until the function returns true in the page. */
    warten<A extends unknown[]>(funktion: Seitenfunktion<A, boolean>, sekunden: number, ...argumente: A): Promise<boolean>;
    klicken(selektor: string): Promise<void>;
    /** A key by its name in KeyboardEvent.key ("Enter", "ArrowUp", "n", " "), with Control held if asked. */
    taste(taste: string, mitStrg?: boolean): Promise<void>;
    schreiben(text: string): Promise<void>;
    /** A finger put down at the first point, moved through the others, lifted at the last. */
    wischen(punkte: Array<[number, number]>): Promise<void>;
    schliessen(): Promise<void>;
}

export type Motorname = "chromium" | "firefox" | "webkit";

const chromium = process.env["KETTENBRIEF_CHROMIUM"] ?? "/usr/bin/chromium";
const firefox = process.env["KETTENBRIEF_FIREFOX"] ?? "/usr/bin/firefox-esr";
const webkitTreiber = process.env["KETTENBRIEF_WEBKITDRIVER"] ?? "/usr/bin/WebKitWebDriver";
// WebKitGTK's small browser, in the library folder of the machine's architecture.
const miniBrowser = readdirSync("/usr/lib", { withFileTypes: true })
    .filter((e) => e.isDirectory() && e.name.endsWith("-linux-gnu"))
    .flatMap((e) => ["webkit2gtk-4.1", "webkitgtk-6.0"].map((api) => `/usr/lib/${e.name}/${api}/MiniBrowser`))
    .find(existsSync) ?? "";

/** What Firefox or WebKit lacks on this machine, in German, or null when it can start. */
export function motorFehlt(motor: Motorname): string | null {
    if (motor === "firefox" && !existsSync(firefox)) return `${firefox} fehlt (Paket firefox-esr)`;
    if (motor === "webkit" && !existsSync(webkitTreiber)) return `${webkitTreiber} fehlt (Paket webkit2gtk-driver)`;
    if (motor === "webkit" && !miniBrowser) return "MiniBrowser von WebKitGTK fehlt (Paket libwebkit2gtk-4.1-0)";
    if (motor === "webkit" && !process.env["DISPLAY"]) return "WebKitGTK braucht einen X-Server (DISPLAY ist leer)";
    return null;
}

// Keys by KeyboardEvent.key for the WebDriver client.
const webdriverTasten: Record<string, string> = {
    Enter: Key.ENTER, Escape: Key.ESCAPE, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN,
    ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, Tab: Key.TAB, " ": Key.SPACE, F1: Key.F1,
};

class PuppeteerBediener implements Bediener {
    constructor(readonly motor: Motorname, private readonly seite: Page, private readonly beenden: () => Promise<void>) {}

    async oeffnen(adresse: string): Promise<void> {
        await this.seite.goto(adresse, { waitUntil: "load" });
    }

    auswerten<A extends unknown[], T>(funktion: Seitenfunktion<A, T>, ...argumente: A): Promise<T> {
        return this.seite.evaluate(funktion as (...a: unknown[]) => Promise<T>, ...argumente) as Promise<T>;
    }

    async warten<A extends unknown[]>(funktion: Seitenfunktion<A, boolean>, sekunden: number, ...argumente: A): Promise<boolean> {
        return this.seite.waitForFunction(funktion as (...a: unknown[]) => boolean, { timeout: sekunden * 1000, polling: 50 }, ...argumente)
            .then(() => true, () => false);
    }

    klicken(selektor: string): Promise<void> {
        return this.seite.click(selektor);
    }

    async taste(taste: string, mitStrg = false): Promise<void> {
        if (mitStrg) await this.seite.keyboard.down("Control");
        await this.seite.keyboard.press(taste as "Enter");
        if (mitStrg) await this.seite.keyboard.up("Control");
    }

    schreiben(text: string): Promise<void> {
        return this.seite.keyboard.type(text);
    }

    async wischen(punkte: Array<[number, number]>): Promise<void> {
        if (this.motor === "firefox") {
            // Firefox rejects the touch that puppeteer sends (its altitude
            // angle of 90°), so the finger goes as plain WebDriver BiDi actions.
            const kontext = (this.seite.mainFrame() as unknown as { browsingContext: { performActions(a: unknown[]): Promise<void> } }).browsingContext;
            await kontext.performActions([fingerAktionen(punkte)]);
            return;
        }
        const [erster, ...weitere] = punkte;
        if (!erster) return;
        await this.seite.touchscreen.touchStart(...erster);
        for (const punkt of weitere) await this.seite.touchscreen.touchMove(...punkt);
        await this.seite.touchscreen.touchEnd();
    }

    schliessen(): Promise<void> {
        return this.beenden();
    }
}

// A finger as W3C actions: down at the first point, through the others, up.
function fingerAktionen(punkte: Array<[number, number]>): unknown {
    const [erster, ...weitere] = punkte;
    const bewegung = ([x, y]: [number, number]): unknown => ({ type: "pointerMove", x: Math.round(x), y: Math.round(y), duration: 0 });
    return {
        type: "pointer", id: "finger", parameters: { pointerType: "touch" },
        actions: erster ? [bewegung(erster), { type: "pointerDown", button: 0 }, ...weitere.map(bewegung), { type: "pointerUp", button: 0 }] : [],
    };
}

class WebdriverBediener implements Bediener {
    readonly motor = "webkit";

    constructor(private readonly treiber: WebDriver, private readonly dienst: ChildProcess) {}

    async oeffnen(adresse: string): Promise<void> {
        await this.treiber.get(adresse);
    }

    async auswerten<A extends unknown[], T>(funktion: Seitenfunktion<A, T>, ...argumente: A): Promise<T> {
        // WebDriver awaits a promise the script returns.
        return this.treiber.executeScript(`return (${funktion.toString()}).apply(null, arguments);`, ...argumente) as Promise<T>;
    }

    async warten<A extends unknown[]>(funktion: Seitenfunktion<A, boolean>, sekunden: number, ...argumente: A): Promise<boolean> {
        const ende = Date.now() + sekunden * 1000;
        do {
            if (await this.auswerten(funktion, ...argumente)) return true;
            await new Promise((weiter) => setTimeout(weiter, 50));
        } while (Date.now() < ende);
        return false;
    }

    async klicken(selektor: string): Promise<void> {
        await this.treiber.actions({ async: true }).move({ origin: await this.treiber.findElement({ css: selektor }) }).click().perform();
    }

    async taste(taste: string, mitStrg = false): Promise<void> {
        const zeichen = webdriverTasten[taste] ?? taste;
        const aktionen = this.treiber.actions({ async: true });
        if (mitStrg) aktionen.keyDown(Key.CONTROL);
        aktionen.keyDown(zeichen).keyUp(zeichen);
        if (mitStrg) aktionen.keyUp(Key.CONTROL);
        await aktionen.perform();
    }

    async schreiben(text: string): Promise<void> {
        await this.treiber.actions({ async: true }).sendKeys(text).perform();
    }

    async wischen(punkte: Array<[number, number]>): Promise<void> {
        // WebKitGTK's driver takes a touch pointer and delivers it as the mouse.
        await this.treiber.execute(new Command(Name.ACTIONS).setParameter("actions", [fingerAktionen(punkte)]));
    }

    async schliessen(): Promise<void> {
        await this.treiber.quit().catch(() => undefined);
        this.dienst.kill();
    }
}

async function freierPort(): Promise<number> {
    return new Promise((fertig, fehler) => {
        const server = createServer();
        server.listen(0, "127.0.0.1", () => {
            const adresse = server.address();
            server.close(() => (typeof adresse === "object" && adresse ? fertig(adresse.port) : fehler(new Error("kein Port"))));
        });
    });
}

async function webkitStarten(breite: number, hoehe: number): Promise<Bediener> {
    const port = await freierPort();
    const dienst = spawn(webkitTreiber, [`--port=${port}`], { stdio: "ignore" });
    const faehigkeiten = new Capabilities({
        browserName: "MiniBrowser",
        "webkitgtk:browserOptions": { binary: miniBrowser, args: ["--automation"] },
    });
    let treiber: WebDriver | null = null;
    for (let versuch = 0; versuch < 50 && !treiber; ++versuch) {
        treiber = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities(faehigkeiten).build()
            .catch(async () => {
                await new Promise((weiter) => setTimeout(weiter, 100));
                return null;
            });
    }
    if (!treiber) {
        dienst.kill();
        throw new Error("WebKitWebDriver antwortet nicht");
    }
    await treiber.manage().window().setRect({ width: breite, height: hoehe });
    return new WebdriverBediener(treiber, dienst);
}

const bedienerVon = new WeakMap<Page, Bediener>();

/** A page as the tests hold it: a Chromium page opened by browser.ts, or a driver of any engine. */
export type Seite = Page | Bediener;

/** The driver of a page: itself, or the one of a Chromium page that a test opened itself (browser.ts). */
export function bedienerFuer(seite: Seite): Bediener {
    if ("auswerten" in seite) return seite;
    let bediener = bedienerVon.get(seite);
    if (!bediener) {
        bediener = new PuppeteerBediener("chromium", seite, () => seite.browser().close());
        bedienerVon.set(seite, bediener);
    }
    return bediener;
}

/** Starts the engine with a window of that size; the page is opened by `laden`. */
export async function motorStarten(motor: Motorname, breite: number, hoehe: number): Promise<Bediener> {
    if (motor === "webkit") return webkitStarten(breite, hoehe);
    const browser = await puppeteer.launch({
        browser: motor === "firefox" ? "firefox" : "chrome",
        executablePath: motor === "firefox" ? firefox : chromium,
        headless: true,
        args: motor === "chromium" ? ["--no-sandbox", "--font-render-hinting=none"] : [],
        // Firefox takes touches only with touch events on.
        extraPrefsFirefox: { "dom.w3c_touch_events.enabled": 1 },
    });
    const seite = await browser.newPage();
    await seite.setViewport({ width: breite, height: hoehe });
    return new PuppeteerBediener(motor, seite, () => browser.close());
}

/** Opens the page from its file and waits until it has started. */
export async function laden(bediener: Bediener, pfad: string): Promise<void> {
    await bediener.oeffnen(pathToFileURL(pfad).href);
    const bereit = await bediener.warten(() => document.body?.dataset["bereit"] === "ja", 30);
    if (!bereit) throw new Error("Die Seite ist nicht bereit geworden.");
}
