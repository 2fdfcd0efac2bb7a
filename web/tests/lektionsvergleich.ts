// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson of tests/lektion/lektion.json, played on the page step by step
// as the desktop player (tests/lektion) played it in the desktop window. At
// each checkpoint the page must show what the desktop showed there: both
// surfaces pixel for pixel (as far as the window shows them: the page's
// canvas covers only that part), the main window's caption (the page's tab),
// every control's text, enabled state and
// visibility, the surfaces' descriptions, the messages closed since the
// last checkpoint with their captions, and the evaluation's caption,
// sentences, table and marks. Everything expected is read from the
// desktop's files in the build tree.
//
// Usage: node lektionsvergleich.js kettenbrief.html lektion.json DESKTOP_FOLDER
import assert from "node:assert/strict";
import { existsSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { KeyInput, Page } from "puppeteer-core";
import { eintippen, klicken, Meldung, meldungSchliessen, pfeiltaste } from "./bedienung.js";
import { oeffnen, pruefen, seitenPfad } from "./browser.js";

interface Schritt {
    tun: string;
    ziel?: string;
    name?: string;
    text?: string;
    enter?: boolean;
    schritte?: number;
    faktor?: number;
    anzahl?: number;
    zyklen?: number;
    taste?: string;
}

interface Steuerstand {
    text?: string;
    aktiv: boolean;
    sichtbar: boolean;
}

/** What a window shows at a checkpoint, as the desktop wrote it (the page reads the same shape). */
interface Stand {
    fenster: { titel: string; sichtbar: boolean };
    steuerelemente: Record<string, Steuerstand>;
    bilder: Record<string, { datei?: string; beschreibung: string }>;
    meldungen: Meldung[];
    auswertung: { sichtbar: boolean; titel?: string; saetze?: string[]; tabelle?: string[][];
        markiert?: Array<{ zeile: number; hinweis: string }>; fortschritt?: string };
}

const seitenpfad = seitenPfad();
const schritte = (JSON.parse(readFileSync(process.argv[3] ?? "", "utf8")) as { schritte: Schritt[] }).schritte;
const desktopOrdner = process.argv[4] ?? "";
const gezaehlt = { pixel: 0, werte: 0 };

// ---- What the page shows ----

/** The page's state in the shape of the desktop's, for the controls the desktop names. */
function standLesen(seite: Page, desktop: Stand): Promise<Stand> {
    return seite.evaluate((desktop: Stand): Stand => {
        // Shown within the window: the element and its parents up to the page's frame.
        const imFenster = (e: Element): boolean => {
            for (let x: Element | null = e; x && x.id !== "seite"; x = x.parentElement) {
                const stil = getComputedStyle(x);
                if (stil.display === "none" || stil.visibility === "hidden") return false;
            }
            return true;
        };
        const text = (e: Element): string =>
            e instanceof HTMLInputElement ? e.value
                : e.getAttribute("role") === "scrollbar" ? e.getAttribute("aria-valuenow") ?? "" : e.textContent ?? "";
        const steuerelemente: Record<string, Steuerstand> = {};
        for (const [name, soll] of Object.entries(desktop.steuerelemente)) {
            const e = document.getElementById(name);
            if (!e) continue;
            const aktiv = !(e instanceof HTMLButtonElement || e instanceof HTMLInputElement) || !e.disabled;
            steuerelemente[name] = { aktiv, sichtbar: imFenster(e), ...(soll.text === undefined ? {} : { text: text(e) }) };
        }
        const bilder: Stand["bilder"] = {};
        for (const name of Object.keys(desktop.bilder))
            bilder[name] = { beschreibung: document.getElementById(name)?.getAttribute("aria-description") ?? "" };
        const fenster = document.querySelector<HTMLElement>("section.auswertung");
        const inhalte = (auswahl: string): string[] =>
            Array.from(fenster?.querySelectorAll(auswahl) ?? [], (e) => e.textContent ?? "");
        const auswertung: Stand["auswertung"] = !fenster || fenster.hidden ? { sichtbar: false } : {
            sichtbar: true,
            titel: fenster.querySelector(".auswertungKopf span")?.textContent ?? "",
            saetze: inhalte("#auswertungErgebnis p"),
            tabelle: Array.from(fenster.querySelectorAll(".auswertungstabelle tr"), (r) =>
                Array.from(r.children, (z) => z.textContent ?? "")),
            markiert: Array.from(fenster.querySelectorAll(".auswertungstabelle tbody tr"), (r, zeile) =>
                r.classList.contains("ohneZielsuche") ? [{ zeile, hinweis: r.getAttribute("title") ?? "" }] : []).flat(),
            fortschritt: inhalte(".auswertungFortschrittText")[0] ?? "",
        };
        return {
            // The page's tab bears the main window's caption.
            fenster: { titel: document.title, sichtbar: document.getElementById("Form1")?.getClientRects().length !== 0 },
            steuerelemente, bilder, meldungen: [], auswertung,
        };
    }, desktop);
}

/**
 * The canvas of the surface `id`, its own device pixels, against the same
 * part of the desktop's PNG of the whole surface (where the canvas lies on
 * the surface): the differences by number and place.
 */
async function pixelVergleichen(seite: Page, id: string, png: Buffer): Promise<string | null> {
    const ergebnis = await seite.evaluate(async (id, png) => {
        const leinwand = document.querySelector<HTMLCanvasElement>(`#${id} canvas`)!;
        const ist = leinwand.getContext("2d")!.getImageData(0, 0, leinwand.width, leinwand.height);
        // Where the canvas lies on the surface, in device pixels.
        const teil = leinwand.getBoundingClientRect(), flaeche = leinwand.parentElement!.getBoundingClientRect();
        const x0 = Math.round((teil.left - flaeche.left) * devicePixelRatio);
        const y0 = Math.round((teil.top - flaeche.top) * devicePixelRatio);
        const bytes = Uint8Array.from(atob(png), (z) => z.charCodeAt(0));
        const bild = await createImageBitmap(new Blob([bytes], { type: "image/png" }),
            { colorSpaceConversion: "none", premultiplyAlpha: "none" });
        const kopie = new OffscreenCanvas(bild.width, bild.height).getContext("2d")!;
        kopie.drawImage(bild, 0, 0);
        const groesse = `${ist.width} x ${ist.height} bei ${x0}, ${y0}, Desktop ${bild.width} x ${bild.height}`;
        if (x0 < 0 || y0 < 0 || x0 + ist.width > bild.width || y0 + ist.height > bild.height || ist.width === 0)
            return { pixel: 0, fehler: `Größe ${groesse}` };
        const soll = kopie.getImageData(x0, y0, ist.width, ist.height);
        let anders = 0, links = bild.width, oben = bild.height, rechts = -1, unten = -1;
        const beispiele: string[] = [];
        for (let i = 0; i < ist.data.length; i += 4) {
            if ([0, 1, 2].every((k) => ist.data[i + k] === soll.data[i + k])) continue;
            const x = x0 + (i / 4) % ist.width, y = y0 + Math.floor(i / 4 / ist.width);
            ++anders;
            [links, oben, rechts, unten] = [Math.min(links, x), Math.min(oben, y), Math.max(rechts, x), Math.max(unten, y)];
            const farbe = (d: Uint8ClampedArray): string => `rgb(${d.slice(i, i + 3).join(",")})`;
            if (beispiele.length < 5) beispiele.push(`(${x},${y}) ${farbe(ist.data)} statt ${farbe(soll.data)}`);
        }
        return { pixel: ist.width * ist.height, fehler: anders === 0 ? null
            : `${anders} Pixel anders, in x ${links}..${rechts}, y ${oben}..${unten}: ${beispiele.join("; ")}` };
    }, id, png.toString("base64"));
    gezaehlt.pixel += ergebnis.pixel;
    return ergebnis.fehler;
}

/** Each leaf of the desktop's state against the page's at the same place. */
function vergleichen(desktop: unknown, seite: unknown, pfad: string, unterschiede: string[]): void {
    if (desktop !== null && typeof desktop === "object") {
        const teile = (x: unknown): Record<string, unknown> => (x !== null && typeof x === "object" ? x as Record<string, unknown> : {});
        for (const k of new Set([...Object.keys(teile(desktop)), ...Object.keys(teile(seite))]))
            vergleichen(teile(desktop)[k], teile(seite)[k], `${pfad}.${k}`, unterschiede);
        return;
    }
    ++gezaehlt.werte;
    if (desktop !== seite) unterschiede.push(`${pfad}: Seite ${JSON.stringify(seite)}, Desktop ${JSON.stringify(desktop)}`);
}

/** The bytes of the file that "Tabelle speichern …" hands to the browser's downloads. */
async function tabelleGespeichert(seite: Page): Promise<number[]> {
    return seite.evaluate(async () => {
        const gespeichert = new Promise<Blob>((fertig) => {
            const anlegen = URL.createObjectURL;
            URL.createObjectURL = (inhalt: Blob | MediaSource): string => {
                URL.createObjectURL = anlegen;
                if (inhalt instanceof Blob) fertig(inhalt);
                return anlegen(inhalt);
            };
        });
        const klicken = HTMLAnchorElement.prototype.click;
        HTMLAnchorElement.prototype.click = () => undefined;
        document.getElementById("auswertungTabelleSpeichern")!.click();
        HTMLAnchorElement.prototype.click = klicken;
        return Array.from(new Uint8Array(await (await gespeichert).arrayBuffer()));
    });
}

async function pruefpunkt(seite: Page, name: string, meldungen: Meldung[]): Promise<void> {
    // The evaluation follows a change a moment later.
    await new Promise((fertig) => setTimeout(fertig, 300));
    const desktop = JSON.parse(readFileSync(join(desktopOrdner, `${name}.json`), "utf8")) as Stand;
    const unterschiede: string[] = [];
    for (const [id, bild] of Object.entries(desktop.bilder)) {
        const fehler = await pixelVergleichen(seite, id, readFileSync(join(desktopOrdner, bild.datei ?? "")));
        if (fehler) unterschiede.push(`${id}: ${fehler}`);
        delete bild.datei;
    }
    const csv = join(desktopOrdner, `${name}.csv`);
    if (existsSync(csv) && !Buffer.from(await tabelleGespeichert(seite)).equals(readFileSync(csv)))
        unterschiede.push(`${name}.csv: die gespeicherte Tabelle weicht in ihren Bytes ab`);
    const ist = { ...(await standLesen(seite, desktop)), meldungen: meldungen.splice(0) };
    const { fenster, steuerelemente, bilder, meldungen: gemeldet, auswertung } = desktop;
    vergleichen({ fenster, steuerelemente, bilder, meldungen: gemeldet, auswertung }, ist, name, unterschiede);
    assert.deepEqual(unterschiede, [], `Prüfpunkt ${name}`);
}

// ---- The steps ----

async function zoomSetzen(seite: Page, faktor: number): Promise<void> {
    const zoom = (): Promise<number> => seite.$eval("#fensterrahmen", (e) => Number((e as HTMLElement).style.zoom || "1"));
    for (let schritt = 0; schritt < 6 && (await zoom()) < faktor; ++schritt) {
        await seite.keyboard.down("Control");
        await seite.keyboard.press("+");
        await seite.keyboard.up("Control");
    }
    assert.equal(await zoom(), faktor, "Zoom");
}

/** A key with Ctrl, such as "Ctrl+N". */
async function taste(seite: Page, folge: string): Promise<void> {
    const zeichen = /^Ctrl\+([A-Z])$/.exec(folge)?.[1];
    assert.ok(zeichen, `Taste ${folge}`);
    await seite.keyboard.down("Control");
    await seite.keyboard.press(`Key${zeichen}` as KeyInput);
    await seite.keyboard.up("Control");
}

async function vieleSpiele(seite: Page, anzahl: number): Promise<void> {
    await eintippen(seite, "auswertungAnzahlSpiele", String(anzahl));
    await klicken(seite, "auswertungVieleSpiele");
    // The worker plays them; the button comes back at the end.
    await seite.waitForFunction(() => !(document.getElementById("auswertungVieleSpiele") as HTMLButtonElement).disabled,
        { timeout: 60000 });
}

/**
 * A quick run, ended by "Programm beenden" right after the given number of
 * its commits: each commit names its cycle in the chart's description, and
 * the observer runs right after the session's step, before the page waits.
 */
async function beendenNach(seite: Page, zyklen: number): Promise<void> {
    await seite.evaluate((zyklen) => {
        const diagramm = document.getElementById("picHisto")!;
        const zyklus = (): number => Number(/Zyklus (\d+)/.exec(diagramm.getAttribute("aria-description") ?? "")?.[1]);
        const ende = zyklus() + zyklen;
        const beobachter = new MutationObserver(() => {
            if (zyklus() !== ende) return;
            beobachter.disconnect();
            document.getElementById("cmdEnde")!.click();
        });
        beobachter.observe(diagramm, { attributes: true, attributeFilter: ["aria-description"] });
    }, zyklen);
    await klicken(seite, "Command2");
    await seite.waitForSelector("#programmende", { timeout: 30000 });
}

async function spielen(seite: Page, s: Schritt, meldungen: Meldung[]): Promise<void> {
    const ziel = s.ziel ?? "";
    switch (s.tun) {
        case "klicken": return klicken(seite, ziel);
        case "rollen": return pfeiltaste(seite, ziel, (s.schritte ?? 0) > 0 ? "ArrowUp" : "ArrowDown", Math.abs(s.schritte ?? 0));
        case "tippen": return eintippen(seite, ziel, s.text ?? "", s.enter);
        case "meldungSchliessen": meldungen.push(await meldungSchliessen(seite)); return;
        case "taste": return taste(seite, s.taste ?? "");
        case "zoom": return zoomSetzen(seite, s.faktor ?? 1);
        case "auswertung": return klicken(seite, "cmdAuswertung");
        case "vieleSpiele": return vieleSpiele(seite, s.anzahl ?? 0);
        case "beendenNach": return beendenNach(seite, s.zyklen ?? 0);
        case "pruefpunkt": return pruefpunkt(seite, s.name ?? "", meldungen);
        default: assert.fail(`unbekannter Schritt ${s.tun}`);
    }
}

// One check per checkpoint, each playing the steps up to it; the window
// must fit at zoom 2, with the evaluation beside it.
const s = await oeffnen(seitenpfad, { breite: 3000, hoehe: 1600 });
try {
    const meldungen: Meldung[] = [];
    const pruefungen: Record<string, () => Promise<void>> = {};
    let von = 0;
    schritte.forEach((schritt, bis) => {
        if (schritt.tun !== "pruefpunkt") return;
        const abschnitt = schritte.slice(von, bis + 1);
        von = bis + 1;
        pruefungen[`Prüfpunkt ${schritt.name}`] = async () => {
            for (const t of abschnitt) await spielen(s.seite, t, meldungen);
        };
    });
    pruefungen["keine Fehler, keine Anfragen"] = async () => {
        assert.deepEqual(s.fehler, []);
        assert.deepEqual(s.anfragen, []);
    };
    await pruefen(pruefungen);
    console.log(`${gezaehlt.pixel} Pixel und ${gezaehlt.werte} Texte und Zustände mit dem Desktop verglichen`);
} finally {
    await s.browser.close();
}
