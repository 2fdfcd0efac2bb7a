// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the bar chart on its surface: x is the cycle number, y the number of
// players (0 at the bottom edge, 2500 at the top edge).
import { Zeichenflaeche } from "../zeichnen/zeichenflaeche";
import { rgb } from "../zeichnen/zeichenop";

const kapazitaet = 2500;
/** The cycles across the chart, also its last vertical grid line. */
export const zyklenImBild = 120;
const schwenkSchwelle = 36;
const schwenkGrenze = 18000;
const schwenkSchritt = 240;
const groessteStartzahl = 50;
const startbalkenX = 0.1;
const balkenBreite = 3;
const verhulstVersatz = 0.3;
const verhulstBreite = 2;
const weiss = rgb(255, 255, 255);
const geisterFarbe = rgb(215, 150, 150);
const startbalkenFarbe = rgb(255, 50, 50);
const balkenFarbe = rgb(200, 20, 20);
const tausenderFarbe = rgb(100, 100, 255);
const hunderterFarbe = rgb(200, 200, 255);
const zehnerFarbe = rgb(220, 220, 220);
const zyklusFarbe = rgb(240, 240, 240);
const vergleichsFarbe = rgb(15, 15, 200);
const verblassenFarbe = rgb(200, 200, 255);

export const histoKoordinaten = { links: 0, oben: kapazitaet, rechts: zyklenImBild, unten: 0 };

/** The Verhulst curve as drawn for comparison, or faded before a new t. */
export const enum Kurve { vergleich, verblasst }

// Panning: the chart's left edge lies this many twips into its frame minus
// the value of the chart's scroll bar.
const linkerRandUngeschwenkt = 6600;

export function linkerRandTwips(schieberwert: number): number {
    return linkerRandUngeschwenkt - schieberwert;
}

/** The scroll bar's value after cycle n is committed: 240 more per cycle after cycle 36, while it is below 18000. */
export function schieberwertNachZyklus(zyklus: number, schieberwert: number): number {
    return zyklus > schwenkSchwelle && schieberwert < schwenkGrenze ? schieberwert + schwenkSchritt : schieberwert;
}

export class Histoansicht {
    constructor(private readonly flaeche: Zeichenflaeche) {}

    /** Moves the chart where a value of the scroll bar puts it (in the window's unzoomed pixels). */
    verschieben(schieberwert: number): void {
        this.flaeche.element.style.left = `${linkerRandTwips(schieberwert) / 15}px`;
    }

    /** Tells screen readers the last cycle and its count as shown. */
    beschreiben(zyklus: number, anzahl: string): void {
        this.flaeche.element.setAttribute("aria-description", `Letzter Zyklus ${zyklus} mit A(n) = ${anzahl}`);
    }

    /** Erases the columns of cycles 0..120 and draws the last run's bars in pale red from the history. */
    spaltenMitGeisterbalken(anzahlVerlauf: (n: number) => number): void {
        this.flaeche.stiftbreite(balkenBreite);
        for (let i = 0; i <= zyklenImBild; ++i) {
            this.flaeche.linie(i, 0, i, kapazitaet, weiss);
            this.flaeche.linie(i, 0, i, anzahlVerlauf(i), geisterFarbe);
        }
    }

    /** The grid: horizontal lines every 100 players up to x = xEnde, then the vertical lines of cycles 1..120 over them. */
    histoGitterZeichnen(xEnde: number): void {
        this.flaeche.stiftbreite(1);
        for (let y = 0; y <= kapazitaet; y += 100)
            this.flaeche.linie(0, y, xEnde, y, y % 1000 === 0 ? tausenderFarbe : hunderterFarbe);
        this.senkrechteGitterlinien();
    }

    senkrechteGitterlinien(): void {
        this.flaeche.stiftbreite(1);
        for (let x = 1; x <= zyklenImBild; ++x)
            this.flaeche.linie(x, 0, x, kapazitaet, x % 10 === 0 ? zehnerFarbe : zyklusFarbe);
    }

    /** The bar of cycle 0 after erasing its column up to the largest start number. */
    startbalkenZeichnen(a0: number): void {
        this.flaeche.stiftbreite(balkenBreite);
        this.flaeche.linie(startbalkenX, 0, startbalkenX, groessteStartzahl, weiss);
        this.flaeche.linie(startbalkenX, 0, startbalkenX, a0, startbalkenFarbe);
    }

    balkenZeichnen(n: number, anzahl: number): void {
        this.flaeche.stiftbreite(balkenBreite);
        this.flaeche.linie(n, 0, n, anzahl, balkenFarbe);
    }

    /** The model's values A(0), A(1), ... as 2-pixel lines 0.3 cycles right of their bars. */
    verhulstLinienZeichnen(werte: number[], art: Kurve): void {
        const farbe = art === Kurve.vergleich ? vergleichsFarbe : verblassenFarbe;
        werte.forEach((wert, i) => {
            this.flaeche.stiftbreite(verhulstBreite);
            this.flaeche.linie(i + verhulstVersatz, 0, i + verhulstVersatz, wert, farbe);
        });
    }

    /** Wipes the chart to white. */
    loeschen(): void {
        this.flaeche.loeschen();
    }
}
