// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation as the game layer writes it (web/modell/bruecke_auswertung.cpp),
// behind typed calls: the sentences, the table and the plot of the
// run evaluated last, German numbers, the window's place and the texts of
// many games. The page only shows them.
import { ModellModul } from "./modell";

/** Red, green, blue and opacity, 0..255 each. */
export type Farbe = [number, number, number, number];

/** The colour as CSS writes it. */
export function css([rot, gruen, blau, deckung]: Farbe): string {
    return deckung === 255 ? `rgb(${rot}, ${gruen}, ${blau})` : `rgba(${rot}, ${gruen}, ${blau}, ${deckung / 255})`;
}
/** What screen readers are told of the plot; its picture comes on its own. */
export interface Diagrammdaten {
    name: string;
    beschreibung: string;
}

export interface Tabellendaten {
    kopf: string[];
    zeilen: string[][];
    /** The rows of cycles without a pass, and what their mark means. */
    ohneZielsuche: number[];
    hinweis: string;
    markierung: Farbe;
    /** The table as the clipboard and a German spreadsheet take it. */
    text: string;
}

export interface Darstellung {
    /** The t that fits best, or null when none does. */
    bestesT: number | null;
    absaetze: string[];
    tabelle: Tabellendaten;
    diagramm: Diagrammdaten;
}

/** The evaluation window as the desktop builds it: size, timing and files (its words are in the page). */
export interface Fensterdaten {
    breite: number;
    hoehe: number;
    aktualisierungsabstandMs: number;
    hoechstensVerspaetetMs: number;
    vorgabeSpiele: number;
    /** The files' names, and the plot's size in them (a PNG `pngFaktor` times as large). */
    dateien: { tabelle: string; svg: string; png: string; breite: number; hoehe: number; pngFaktor: number };
}

/** The worksheet as HTML, its measures as CSS custom properties, and its table's number of cycles. */
export interface Arbeitsblatt {
    html: string;
    masse: Record<string, string>;
    zyklen: number;
}

export interface Rechteck {
    x: number;
    y: number;
    breite: number;
    hoehe: number;
}

export class Auswertungsbruecke {
    constructor(private readonly modul: ModellModul) {}

    private text(name: string, werte: Array<number | string> = []): string {
        return this.modul.ccall(name, "string", werte.map((w) => typeof w), werte) as string;
    }

    private ecke(name: string, werte: number[]): { x: number; y: number } {
        const [x, y] = JSON.parse(this.text(name, werte)) as [number, number];
        return { x, y };
    }

    /** What the evaluation shows of the run as it stands, at the window's p and t. */
    darstellung(): Darstellung {
        return JSON.parse(this.text("kb_auswertung_darstellung")) as Darstellung;
    }

    fensterdaten(): Fensterdaten {
        return JSON.parse(this.text("kb_auswertungsfenster")) as Fensterdaten;
    }

    /** The plot of the run evaluated last, as SVG of `breite` × `hoehe` CSS pixels. */
    diagramm(breite: number, hoehe: number): string {
        return this.text("kb_auswertung_diagramm", [breite, hoehe]);
    }

    /**
     * The table of the run evaluated last as German CSV, byte for byte as the
     * desktop saves it: read from the module's memory, since decoding it as
     * text would drop its leading byte-order mark.
     */
    csv(): Uint8Array {
        const anfang = this.modul.ccall("kb_auswertung_csv", "number", [], []) as number;
        return this.modul.HEAPU8.slice(anfang, this.modul.HEAPU8.indexOf(0, anfang));
    }

    /** The worksheet of the run as it stands, dated as "9. Dezember 2026". */
    arbeitsblatt(datum: string): Arbeitsblatt {
        return JSON.parse(this.text("kb_arbeitsblatt", [datum])) as Arbeitsblatt;
    }

    /** The paper's size and the worksheet's margins, as an @page rule. */
    arbeitsblattPapier(): string {
        return this.text("kb_arbeitsblatt_papier");
    }

    /** The note below the worksheet's table when the rows from cycle `gezeigt` on did not fit. */
    weggelassen(gezeigt: number, zyklen: number): string {
        return this.text("kb_arbeitsblatt_weggelassen", [gezeigt, zyklen]);
    }

    deutscheZahl(wert: number, nachkommastellen: number): string {
        return this.text("kb_deutsche_zahl", [wert, nachkommastellen]);
    }

    deutscheZahlKurz(wert: number, hoechstens: number): string {
        return this.text("kb_deutsche_zahl_kurz", [wert, hoechstens]);
    }

    /** The top-left corner of a window of `breite` × `hoehe` beside `haupt`, within `bereich`. */
    platzNeben(haupt: Rechteck, breite: number, hoehe: number, bereich: Rechteck): { x: number; y: number } {
        return this.ecke("kb_platz_neben", [haupt.x, haupt.y, haupt.breite, haupt.hoehe, breite, hoehe,
            bereich.x, bereich.y, bereich.breite, bereich.hoehe]);
    }

    /** The corner moved as little as needed to bring a window of `breite` × `hoehe` into `bereich`. */
    imBereich(x: number, y: number, breite: number, hoehe: number, bereich: Rechteck): { x: number; y: number } {
        return this.ecke("kb_im_bereich", [x, y, breite, hoehe, bereich.x, bereich.y, bereich.breite, bereich.hoehe]);
    }

    vieleSpieleAbbruchtext(fertig: number, spiele: number): string {
        return this.text("kb_viele_spiele_abbruchtext", [fertig, spiele]);
    }
}
