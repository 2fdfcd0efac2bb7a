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
}

export interface Zyklusergebnis {
    zyklus: number;
    anzahlSpieler: number;
    gespeichert: boolean;
}

export const enum VerhulstFehler {
    keiner = 0,
    ueberlauf = 1,
    ungueltigesArgument = 2,
}

/** Where a curve failed: its error and the cycle whose step had no value, or -1. */
export interface VerhulstBruch {
    fehler: VerhulstFehler;
    fehlerZyklus: number;
}

export interface Abweichung {
    vergleichbar: boolean;
    fehler: VerhulstFehler;
    fehlerZyklus: number;
    quadratsumme: number;
    rms: number;
}

export interface BesteAnpassung {
    gefunden: boolean;
    zyklen: number;
    k: number;
    t: number;
    quadratsumme: number;
    rms: number;
}

export interface EnsembleKurven {
    spiele: number;
    startSpieler: number;
    p: number;
    zyklen: number;
    mittel: number[];
    quantil10: number[];
    quantil90: number[];
    anpassung: BesteAnpassung;
}

/** The evaluation of the current run, as the desktop's evaluation window shows it. */
export interface LaufAuswertung {
    anzahlen: number[];
    zyklus: number;
    p: number;
    t: number;
    verhulstAktuell: number[];
    aktuell: Abweichung;
    beste: BesteAnpassung;
    verhulstBeste: number[];
    andererFaktor: boolean;
    ohneZielsuche: number[];
    ensemble: EnsembleKurven | null;
}

/** The ranges the model keeps many games in. */
export interface EnsembleGrenzen {
    mindestSpiele: number;
    hoechstSpiele: number;
    mindestZyklen: number;
    hoechstZyklen: number;
}

export const feldGroesse = 50;
export const verlaufGrenze = 1200;

export class Modell {
    private constructor(readonly modul: ModellModul) {}

    static async laden(): Promise<Modell> {
        return new Modell(await KettenbriefModell());
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

    // ---- The window's pictures: surface 0 the field, 1 the chart ----

    /** Told which surface a call drew on, so that the page shows it after the handler. */
    beimZeichnen: (flaeche: number) => void = () => {};

    private zeichnen(flaeche: number, name: string, typen: string[] = [], werte: unknown[] = []): number {
        const ergebnis = this.zahl(name, typen, werte);
        this.beimZeichnen(flaeche);
        return ergebnis;
    }

    flaecheEinrichten(k: number, breiteTwips: number, hoeheTwips: number, hintergrund: number): void {
        this.zahl("kb_flaeche_einrichten", ["number", "number", "number", "number"], [k, breiteTwips, hoeheTwips, hintergrund]);
    }
    /** The surface at a zoom of the window and the screen's device pixel ratio; returns its device pixels. */
    flaecheZoom(k: number, zoom: number, verhaeltnis: number): { breite: number; hoehe: number } {
        this.zahl("kb_flaeche_zoom", ["number", "number", "number"], [k, zoom, verhaeltnis]);
        return { breite: this.zahl("kb_flaeche_breite", ["number"], [k]), hoehe: this.zahl("kb_flaeche_hoehe", ["number"], [k]) };
    }
    /** The pixels changed since last asked, or null. */
    flaecheZeigen(k: number): ImageData | null {
        const daten = this.zahl("kb_flaeche_zeigen", ["number"], [k]);
        if (daten === 0) return null;
        const b = this.zahl("kb_flaeche_bereich") / 4;
        const [x, y, breite, hoehe] = Array.from(this.modul.HEAP32.subarray(b, b + 4));
        const bild = new ImageData(breite!, hoehe!);
        bild.data.set(this.modul.HEAPU8.subarray(daten, daten + breite! * hoehe! * 4));
        this.bereich = { x: x!, y: y! };
        return bild;
    }
    /** Where the last picture of flaecheZeigen goes. */
    bereich = { x: 0, y: 0 };
    /** A point in device pixels of a surface's picture in its user coordinates. */
    zuNutzer(k: number, x: number, y: number): { x: number; y: number } {
        const p = this.zahl("kb_zu_nutzer", ["number", "number", "number"], [k, x, y]) / 8;
        return { x: this.modul.HEAPF64[p]!, y: this.modul.HEAPF64[p + 1]! };
    }
    stiftDruecken(k: number, x: number, y: number): void {
        this.zahl("kb_stift_druecken", ["number", "number", "number"], [k, x, y]);
    }
    stiftBewegen(k: number, x: number, y: number): void {
        this.zeichnen(k, "kb_stift_bewegen", ["number", "number", "number"], [k, x, y]);
    }
    stiftLoslassen(k: number): void {
        this.zahl("kb_stift_los", ["number"], [k]);
    }
    feldgitterZeichnen(): void {
        this.zeichnen(0, "kb_feld_gitter");
    }
    ergebnisZeichnen(): void {
        this.zeichnen(0, "kb_feld_ergebnis");
    }
    /** Places the start players and draws them. */
    startSpielerZeichnen(anzahl: number): void {
        this.zeichnen(0, "kb_start_spieler_zeichnen", ["number"], [anzahl]);
    }
    /** One recruitment pass with every attempt drawn; the number of new recruits. */
    zielsucheZeichnen(p: number): number {
        return this.zeichnen(0, "kb_zielsuche_zeichnen", ["number"], [p]);
    }
    feldBeschreibung(): string {
        return this.text("kb_feld_beschreibung", [], []);
    }
    spaltenMitGeisterbalken(): void {
        this.zeichnen(1, "kb_histo_geister");
    }
    histoGitterZeichnen(xEnde: number): void {
        this.zeichnen(1, "kb_histo_gitter", ["number"], [xEnde]);
    }
    senkrechteGitterlinien(): void {
        this.zeichnen(1, "kb_histo_senkrecht");
    }
    startbalkenZeichnen(a0: number): void {
        this.zeichnen(1, "kb_histo_startbalken", ["number"], [a0]);
    }
    balkenZeichnen(n: number, anzahl: number): void {
        this.zeichnen(1, "kb_histo_balken", ["number", "number"], [n, anzahl]);
    }
    histoLoeschen(): void {
        this.zeichnen(1, "kb_histo_loeschen");
    }
    /** Draws the Verhulst curve up to a cycle, faded or for comparison, and says where it failed. */
    verhulstZeichnen(a0: number, p: number, t: number, letzterZyklus: number, verblasst: boolean): VerhulstBruch {
        const fehler = this.zeichnen(1, "kb_histo_verhulst", ["number", "number", "number", "number", "number"],
            [a0, p, t, letzterZyklus, verblasst ? 1 : 0]) as VerhulstFehler;
        return { fehler, fehlerZyklus: this.zahl("kb_histo_verhulst_fehlerzyklus") };
    }
    /** The chart's left edge in the window's unzoomed pixels at a value of its scroll bar. */
    histoLinkerRand(schieberwert: number): number {
        return this.zahl("kb_histo_linker_rand", ["number"], [schieberwert]);
    }
    /** The chart's scroll bar after cycle n is committed. */
    schieberwertNachZyklus(zyklus: number, schieberwert: number): number {
        return this.zahl("kb_schieberwert_nach_zyklus", ["number", "number"], [zyklus, schieberwert]);
    }
    histoBeschreibung(zyklus: number, anzahl: string): string {
        return this.text("kb_histo_beschreibung", ["number", "string"], [zyklus, anzahl]);
    }

    allesZuruecksetzen(): void {
        this.zahl("kb_alles_zuruecksetzen");
    }

    zufallZumStart(): void {
        this.zahl("kb_zufall_zum_start");
    }

    zyklusAbschliessen(): Zyklusergebnis {
        this.zahl("kb_zyklus_abschliessen");
        const z = this.ergebnisZahlen();
        return { zyklus: z[0]!, anzahlSpieler: z[1]!, gespeichert: z[2] === 1 };
    }

    zyklus(): number {
        return this.zahl("kb_zyklus");
    }
    startAnzahl(): number {
        return this.zahl("kb_start_anzahl");
    }

    /** Number box form: "37", "-3", "1.5". */
    klartext(wert: number): string {
        return this.text("kb_klartext", ["number"], [wert]);
    }
    /** Help-line form: " 10", "-3", " .5". */
    hilfetext(wert: number): string {
        return this.text("kb_hilfetext", ["number"], [wert]);
    }
    nachsichtigUmwandeln(text: string): number {
        return this.zahl("kb_nachsichtig_umwandeln", ["string"], [text]);
    }
    exponentUmwandeln(text: string): number {
        return this.zahl("kb_exponent_umwandeln", ["string"], [text]);
    }

    laufAuswerten(p: number, t: number): LaufAuswertung {
        return JSON.parse(this.text("kb_lauf_auswerten", ["number", "number"], [p, t])) as LaufAuswertung;
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
    ensembleUebernehmen(): EnsembleKurven {
        return JSON.parse(this.text("kb_ensemble_uebernehmen", [], [])) as EnsembleKurven;
    }
    ensembleVergessen(): void {
        this.zahl("kb_ensemble_vergessen");
    }

    // ---- The main window's game ----

    /** A field as after a start of the program, its history empty. */
    spielfeldNeu(): void {
        this.zahl("kb_spielfeld_neu");
    }
    /** The largest exponent t the program takes over; a larger one is cut to it. */
    groesstesT(): number {
        return this.zahl("kb_groesstes_t");
    }
}
