// SPDX-License-Identifier: GPL-3.0-or-later
// The game's model, compiled from the desktop program's own C++ to
// WebAssembly, behind typed calls. One instance holds one game (field and
// random source) and one set of many games.

/** What the compiled module offers the page (see web/modell/bruecke.cpp). */
export interface ModellModul {
    HEAP32: Int32Array;
    HEAPU8: Uint8Array;
    HEAPF64: Float64Array;
    ccall(name: string, rueckgabe: "number" | "string" | null, typen: string[], werte: unknown[]): unknown;
}

declare global {
    // Defined by the compiled module's script, which comes before the page's.
    function KettenbriefModell(einstellungen?: object): Promise<ModellModul>;
    // The module's WebAssembly, gzipped and in base64, which the page's file carries before its script.
    const kettenbriefModellcode: string;
}

// A browser that has it decodes base64 natively, many times as fast as a loop.
const base64Lesen = (Uint8Array as unknown as { fromBase64?: (text: string) => Uint8Array }).fromBase64;

function base64Bytes(text: string): Uint8Array {
    if (base64Lesen) return base64Lesen.call(Uint8Array, text);
    const zeichen = atob(text);
    const bytes = new Uint8Array(zeichen.length);
    for (let i = 0; i < zeichen.length; ++i) bytes[i] = zeichen.charCodeAt(i);
    return bytes;
}

// The browser unpacks the module and compiles it as the bytes come, away
// from the page's thread, which meanwhile lays the window out.
function modellUebersetzen(): Promise<WebAssembly.Module> {
    // A Response's body streams the bytes from this thread (a Blob's would come from the browser's own process).
    const code = new Response(base64Bytes(kettenbriefModellcode)).body!.pipeThrough(new DecompressionStream("gzip"));
    return WebAssembly.compileStreaming(new Response(code, { headers: { "Content-Type": "application/wasm" } }));
}

/**
 * What the game session tells the page of its controls: the method of that
 * name, with the control's name, a number (a bar's value, 1 for shown) and
 * up to two texts (a box's text, a message and its title).
 */
export type Bedienungsart = "text" | "anfang" | "wert" | "sichtbar" | "nachVorn" | "beschreibung" | "hilfe"
    | "meldung" | "spielGeaendert" | "titel";
export type Bedienung = Record<Bedienungsart, (name: string, zahl: number, text: string, zweiter: string) => void>;

/** The session's handlers without arguments, by their names in the module. */
export type Handler = "start_up" | "cmd_start_click" | "cmd_zielsuche_click" | "cmd_ergebnis_click"
    | "command1_click" | "command2_click" | "schnelldurchlauf_weiter" | "command3_click" | "command5_click"
    | "command6_click" | "command7_click" | "command8_click" | "cmd_stoch_click" | "erlaeuterung_schliessen"
    | "spiel_vom_programmstart" | "programm_beenden" | "meldung_geschlossen";

export const enum VerhulstFehler {
    keiner = 0,
    ueberlauf = 1,
    ungueltigesArgument = 2,
}

export type Zoomhandlung = "vergroessern" | "verkleinern" | "zuruecksetzen" | "fuellen" | "umschalten" | "anpassen";

/** The zoom the game layer chose, and what the page says of it. */
export interface Zoomstand {
    zoom: number;
    /** Whether the window fills the browser's window. */
    fuellt: boolean;
    /** Whether it is smaller than on a screen of its own. */
    verkleinert: boolean;
    /** The help line's words for a step that does not fit, or "". */
    zuGross: string;
    /** The line that offers a phone's larger view across. */
    drehhinweis: string;
}

/** What the page says and asks in a class game, and the connection's path. */
export type Klassentexte = Record<"pfad" | "frageCode" | "frageName" | "verbunden" | "offline" | "ergebnisDatei", string>;

/** The ranges the model keeps many games in. */
export interface EnsembleGrenzen {
    mindestSpiele: number;
    hoechstSpiele: number;
    mindestZyklen: number;
    hoechstZyklen: number;
}

/** A rectangle of a surface's picture in its device pixels. */
export type Bereich = Record<"x" | "y" | "breite" | "hoehe", number>;

export class Modell {
    private constructor(readonly modul: ModellModul) {}

    /** Compiles the module away from the page's thread, which meanwhile goes on with its layout. */
    static async laden(): Promise<Modell> {
        const uebersetzt = await modellUebersetzen();
        return new Modell(await KettenbriefModell({
            // The module's runtime takes the compiled module instead of compiling its own.
            instantiateWasm(importe: WebAssembly.Imports,
                            fertig: (instanz: WebAssembly.Instance, modul: WebAssembly.Module) => void): WebAssembly.Exports {
                const instanz = new WebAssembly.Instance(uebersetzt, importe);
                fertig(instanz, uebersetzt);
                return instanz.exports;
            },
        }));
    }

    private zahl(name: string, typen: string[] = [], werte: unknown[] = []): number {
        return this.modul.ccall(name, "number", typen, werte) as number;
    }

    private text(name: string, typen: string[], werte: unknown[]): string {
        return this.modul.ccall(name, "string", typen, werte) as string;
    }

    /** The numbers the last operation left in the module's result buffer. */
    private ergebnisZahlen(): Int32Array {
        const anfang = this.zahl("kb_ergebnis_zahlen") / 4;
        return this.modul.HEAP32.subarray(anfang, anfang + this.zahl("kb_ergebnis_laenge"));
    }

    // ---- The main window's game session ----

    /** Told after each call of the session, which may have drawn on both surfaces. */
    beimZeichnen: () => void = () => {};

    bedienungSetzen(bedienung: Bedienung): void {
        (this.modul as unknown as { bedienung: Bedienung }).bedienung = bedienung;
    }
    /** A handler of the session; returns its number (1: a quick run begins, or goes on). */
    sitzung(handler: Handler): number {
        const ergebnis = this.zahl(`kb_${handler}`);
        this.beimZeichnen();
        return ergebnis;
    }
    /** A handler with a control's name and numbers: vsc_start_change, mouse_move, text_edited, ... */
    sitzungMit(handler: string, name: string | null, ...zahlen: number[]): void {
        const typen = [...(name === null ? [] : ["string"]), ...zahlen.map(() => "number")];
        this.zahl(`kb_${handler}`, typen, [...(name === null ? [] : [name]), ...zahlen]);
        this.beimZeichnen();
    }
    /** What a pupil typed into a box, for the session to read. */
    textEingegeben(name: string, text: string): void {
        this.zahl("kb_text_eingegeben", ["string", "string"], [name, text]);
    }
    hilfetextVon(name: string): string {
        return this.text("kb_hilfetext_von", ["string"], [name]);
    }
    /** The game since its seed, as the class game's report numbered `seq` (JSON). */
    spielbericht(seq: number): string {
        return this.text("kb_spielbericht", ["number"], [seq]);
    }
    /** The game as a line of numbers, to keep across a reload. */
    spielstand(): string {
        return this.text("kb_spielstand", [], []);
    }
    /** Plays a kept game again; false when it does not replay. */
    spielWiederherstellen(stand: string): boolean {
        const gelungen = this.zahl("kb_spiel_wiederherstellen", ["string"], [stand]) === 1;
        this.beimZeichnen();
        return gelungen;
    }
    ergebnisdatei(seq: number, name: string, kennung: string): string {
        return this.text("kb_ergebnisdatei", ["number", "string", "string"], [seq, name, kennung]);
    }
    klassentexte(): Klassentexte {
        return JSON.parse(this.text("kb_klassentexte", [], [])) as Klassentexte;
    }
    wachstumsrate(): number {
        return this.zahl("kb_wachstumsrate");
    }
    exponentT(): number {
        return this.zahl("kb_exponent_t");
    }

    /** The window's zoom after `handlung`, with the browser's window `verhaeltnis` times the window's own size. */
    zoom(handlung: Zoomhandlung, verhaeltnis: number): Zoomstand {
        return JSON.parse(this.text("kb_zoom", ["string", "number"], [handlung, verhaeltnis])) as Zoomstand;
    }

    // ---- The window's pictures: surface 0 the field, 1 the chart ----

    flaecheEinrichten(k: number, breiteTwips: number, hoeheTwips: number, hintergrund: number): void {
        this.zahl("kb_flaeche_einrichten", ["number", "number", "number", "number"], [k, breiteTwips, hoeheTwips, hintergrund]);
    }
    /** The surface at a zoom of the window and the screen's device pixel ratio. */
    flaecheZoom(k: number, zoom: number, verhaeltnis: number): void {
        this.zahl("kb_flaeche_zoom", ["number", "number", "number"], [k, zoom, verhaeltnis]);
    }
    private flaechengroesse(k: number): { breite: number; hoehe: number } {
        return { breite: this.zahl("kb_flaeche_breite", ["number"], [k]), hoehe: this.zahl("kb_flaeche_hoehe", ["number"], [k]) };
    }
    /** The surface's picture, over the module's memory, once part of it changed (`bereich`) or `alles`; null when nothing did. */
    flaecheZeigen(k: number, alles = false): { bild: ImageData; bereich: Bereich } | null {
        const daten = this.zahl("kb_flaeche_zeigen", ["number", "number"], [k, alles ? 1 : 0]);
        if (daten === 0) return null;
        const g = this.flaechengroesse(k);
        const pixel = new Uint8ClampedArray(this.modul.HEAPU8.buffer, daten, g.breite * g.hoehe * 4);
        return { bild: new ImageData(pixel, g.breite, g.hoehe), bereich: this.bereich() };
    }
    /** The part of the picture that the parent's rectangle `rahmen` (x0, y0, x1, y1 from the surface's top left) shows. */
    flaecheAusschnitt(k: number, rahmen: [number, number, number, number], geraeteProPixel: number): Bereich {
        this.zahl("kb_flaeche_ausschnitt", Array(6).fill("number"), [k, ...rahmen, geraeteProPixel]);
        return this.bereich();
    }
    private bereich(): Bereich {
        const b = this.zahl("kb_flaeche_bereich") / 4;
        const [x, y, breite, hoehe] = Array.from(this.modul.HEAP32.subarray(b, b + 4)) as [number, number, number, number];
        return { x, y, breite, hoehe };
    }
    /** A point in device pixels of a surface's picture in its user coordinates. */
    zuNutzer(k: number, x: number, y: number): { x: number; y: number } {
        const p = this.zahl("kb_zu_nutzer", ["number", "number", "number"], [k, x, y]) / 8;
        return { x: this.modul.HEAPF64[p]!, y: this.modul.HEAPF64[p + 1]! };
    }
    /** The chart's left edge in the window's unzoomed pixels at a value of its scroll bar. */
    histoLinkerRand(schieberwert: number): number {
        return this.zahl("kb_histo_linker_rand", ["number"], [schieberwert]);
    }
    zyklus(): number {
        return this.zahl("kb_zyklus");
    }
    startAnzahl(): number {
        return this.zahl("kb_start_anzahl");
    }

    /** Begins many games; returns their number after the bounds were applied. */
    ensembleBeginnen(spiele: number, startSpieler: number, p: number, zyklen: number): number {
        return this.zahl("kb_ensemble_beginnen", ["number", "number", "number", "number"],
            [spiele, startSpieler, p, zyklen]);
    }
    ensembleGrenzen(): EnsembleGrenzen {
        this.zahl("kb_ensemble_grenzen");
        const [mindestSpiele, hoechstSpiele, mindestZyklen, hoechstZyklen] = this.ergebnisZahlen();
        return { mindestSpiele: mindestSpiele!, hoechstSpiele: hoechstSpiele!,
            mindestZyklen: mindestZyklen!, hoechstZyklen: hoechstZyklen! };
    }
    ensembleZyklen(): number {
        return this.zahl("kb_ensemble_zyklen");
    }
    ensembleSpiel(index: number): void {
        this.zahl("kb_ensemble_spiel", ["number"], [index]);
    }
    /** Game `index`'s counts A(0) .. A(zyklen), a view into the module's memory. */
    ensembleZeile(index: number): Int32Array {
        const anfang = this.zahl("kb_ensemble_zeile", ["number"], [index]) / 4;
        return this.modul.HEAP32.subarray(anfang, anfang + this.ensembleZyklen() + 1);
    }
    /** The games' curves, which from now on belong to the evaluation of the run. */
    ensembleUebernehmen(): void {
        this.zahl("kb_ensemble_uebernehmen");
    }
}
