// SPDX-License-Identifier: GPL-3.0-or-later
// The game's model, compiled from the desktop program's own C++ to
// WebAssembly, behind typed calls. One instance holds one game (field and
// random source) and one set of many games.

/** What the compiled module offers the page (see web/modell/bruecke.cpp). */
export interface ModellModul {
    HEAP32: Int32Array;
    HEAPF64: Float64Array;
    ccall(name: string, rueckgabe: "number" | "string" | null, typen: string[], werte: unknown[]): unknown;
}

declare global {
    // Defined by the compiled module's script, which comes before the page's.
    function KettenbriefModell(einstellungen?: object): Promise<ModellModul>;
}

export interface Zelle {
    x: number;
    y: number;
}

/** What the target of an attempt was before the attempt marked it. */
export const enum Zielzustand {
    spieltSchon = 0,
    ersteWerbung = 1,
    doppelwerbung = 2,
}

export interface Werbeversuch {
    werber: Zelle;
    ziel: Zelle;
    /** 0.9 for a certain attempt, 1 for the further one. */
    quadratgroesse: number;
    zustand: Zielzustand;
}

export interface Zielsuchergebnis {
    versuche: Werbeversuch[];
    neuGeworbene: Zelle[];
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

export interface VerhulstSchritt {
    wert: number;
    fehler: VerhulstFehler;
}

export interface VerhulstFolge {
    /** A(0), A(1), ... as far as they were computed. */
    werte: number[];
    fehler: VerhulstFehler;
    /** The cycle whose step failed, or -1. */
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

    private static zellen(zahlen: Int32Array, von: number): Zelle[] {
        const zellen: Zelle[] = [];
        for (let i = von; i + 1 < zahlen.length; i += 2) zellen.push({ x: zahlen[i]!, y: zahlen[i + 1]! });
        return zellen;
    }

    allesZuruecksetzen(): void {
        this.zahl("kb_alles_zuruecksetzen");
    }

    zufallZumStart(): void {
        this.zahl("kb_zufall_zum_start");
    }

    startSpielerSetzen(anzahl: number): Zelle[] {
        this.zahl("kb_start_spieler_setzen", ["number"], [anzahl]);
        return Modell.zellen(this.ergebnisZahlen(), 0);
    }

    zielsuche(p: number): Zielsuchergebnis {
        const anzahl = this.zahl("kb_zielsuche", ["number"], [p]);
        const z = this.ergebnisZahlen();
        const versuche: Werbeversuch[] = [];
        for (let i = 0; i < anzahl; ++i) {
            const o = 6 * i;
            versuche.push({
                werber: { x: z[o]!, y: z[o + 1]! },
                ziel: { x: z[o + 2]!, y: z[o + 3]! },
                zustand: z[o + 4]! as Zielzustand,
                quadratgroesse: z[o + 5] === 1 ? 0.9 : 1,
            });
        }
        return { versuche, neuGeworbene: Modell.zellen(z, 6 * anzahl) };
    }

    zyklusAbschliessen(): Zyklusergebnis {
        this.zahl("kb_zyklus_abschliessen");
        const z = this.ergebnisZahlen();
        return { zyklus: z[0]!, anzahlSpieler: z[1]!, gespeichert: z[2] === 1 };
    }

    spielerZaehlen(): number {
        return this.zahl("kb_spieler_zaehlen");
    }
    spielendeZellen(): number {
        return this.zahl("kb_spielende_zellen");
    }
    feldBesetzt(x: number, y: number): number {
        return this.zahl("kb_feld_besetzt", ["number", "number"], [x, y]);
    }
    feldStatus(x: number, y: number): number {
        return this.zahl("kb_feld_status", ["number", "number"], [x, y]);
    }
    anzahlVerlauf(n: number): number {
        return this.zahl("kb_anzahl_verlauf", ["number"], [n]);
    }
    zyklus(): number {
        return this.zahl("kb_zyklus");
    }
    anzahlSpieler(): number {
        return this.zahl("kb_anzahl_spieler");
    }
    startAnzahl(): number {
        return this.zahl("kb_start_anzahl");
    }
    andererFaktorBenutzt(p: number): boolean {
        return this.zahl("kb_anderer_faktor_benutzt", ["number"], [p]) === 1;
    }

    verhulstSchritt(a: number, p: number, t: number): VerhulstSchritt {
        const wert = this.zahl("kb_verhulst_schritt", ["number", "number", "number"], [a, p, t]);
        return { wert, fehler: this.ergebnisZahlen()[0]! as VerhulstFehler };
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
    /** The curve A(0) .. A(letzterZyklus), computing one step after each value as the curve does. */
    verhulstFolge(a0: number, p: number, t: number, letzterZyklus: number): VerhulstFolge {
        const anfang = this.zahl("kb_verhulst_folge", ["number", "number", "number", "number"], [a0, p, t, letzterZyklus]) / 8;
        const [fehler, fehlerZyklus, anzahl] = this.ergebnisZahlen();
        return {
            werte: Array.from(this.modul.HEAPF64.subarray(anfang, anfang + anzahl!)),
            fehler: fehler! as VerhulstFehler,
            fehlerZyklus: fehlerZyklus!,
        };
    }
    /** The largest exponent t the program takes over; a larger one is cut to it. */
    groesstesT(): number {
        return this.zahl("kb_groesstes_t");
    }
}
